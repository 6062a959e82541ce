// A small X client for the window tests (their virtual X server runs no window manager):
//   xtool close WINDOW-ID        asks the window to close, as a window manager's close
//                                button does (the WM_DELETE_WINDOW message);
//   xtool press WINDOW-ID SYM... presses and releases keys that give characters the
//                                keyboard map lacks (e.g. U3042): each key symbol is bound to a
//                                spare key code first and stays bound. (xdotool would bind
//                                such a symbol only for a moment, and a busy program may read
//                                the key after the binding is gone.)
#include <X11/Xlib.h>

#include <cstdlib>
#include <iostream>
#include <string>

namespace {

Window parse_window(const char* id_text) {
    char* end = nullptr;
    unsigned long id = std::strtoul(id_text, &end, 0);
    if (!end || *end || id == 0) std::cerr << "xtool: bad window id " << id_text << "\n";
    return !end || *end ? 0 : static_cast<Window>(id);
}

int close_window(Display* display, const char* id_text) {
    Window id = parse_window(id_text);
    if (!id) return 2;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = id;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    Status sent = XSendEvent(display, id, False, NoEventMask, &event);
    XSync(display, False);
    return sent ? 0 : 1;
}

// The key code that gives `sym`, binding it to a spare code (one without any symbol) when
// the keyboard map has none.
KeyCode code_for(Display* display, KeySym sym) {
    if (KeyCode code = XKeysymToKeycode(display, sym)) return code;
    int min_code = 0, max_code = 0;
    XDisplayKeycodes(display, &min_code, &max_code);
    int per_code = 0;
    KeySym* map = XGetKeyboardMapping(display, static_cast<KeyCode>(min_code), max_code - min_code + 1, &per_code);
    if (!map) return 0;
    int spare = 0;
    for (int c = max_code; c >= min_code && !spare; --c) {
        bool empty = true;
        for (int k = 0; k < per_code; ++k) empty = empty && map[(c - min_code) * per_code + k] == NoSymbol;
        if (empty) spare = c;
    }
    XFree(map);
    if (!spare) return 0;
    KeySym syms[2] = {sym, sym};
    XChangeKeyboardMapping(display, spare, 2, syms, 1);
    XSync(display, False);
    return static_cast<KeyCode>(spare);
}

void send_key(Display* display, Window window, KeyCode code, int type) {
    XEvent event{};
    XKeyEvent& key = event.xkey;
    key.type = type;
    key.display = display;
    key.window = window;
    key.root = DefaultRootWindow(display);
    key.subwindow = None;
    key.time = CurrentTime;
    key.x = key.y = key.x_root = key.y_root = 1;
    key.state = 0;
    key.keycode = code;
    key.same_screen = True;
    XSendEvent(display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, &event);
}

int press_keys(Display* display, const char* id_text, int count, char** names) {
    Window window = parse_window(id_text);
    if (!window) return 2;
    for (int i = 0; i < count; ++i) {
        KeySym sym = XStringToKeysym(names[i]);
        KeyCode code = sym == NoSymbol ? 0 : code_for(display, sym);
        if (!code) {
            std::cerr << "xtool: cannot press " << names[i] << "\n";
            return 1;
        }
        send_key(display, window, code, KeyPress);
        send_key(display, window, code, KeyRelease);
        XSync(display, False);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string command = argc > 1 ? argv[1] : "";
    if (!((command == "close" && argc == 3) || (command == "press" && argc >= 4))) {
        std::cerr << "usage: xtool close WINDOW-ID | xtool press WINDOW-ID KEYSYM...\n";
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::cerr << "xtool: cannot open the display\n";
        return 1;
    }
    int result = command == "close" ? close_window(display, argv[2]) : press_keys(display, argv[2], argc - 3, argv + 3);
    XCloseDisplay(display);
    return result;
}
