// A small X client for the window tests (their virtual X server runs no window manager):
//   xtool close WINDOW-ID        asks the window to close, as a window manager's close
//                                button does (the WM_DELETE_WINDOW message);
//   xtool press WINDOW-ID SYM... presses and releases keys that give characters the
//                                keyboard map lacks (e.g. U3042): each key symbol is bound to a
//                                spare key code first and stays bound. (xdotool would bind
//                                such a symbol only for a moment, and a busy program may read
//                                the key after the binding is gone.)
//   xtool picture WINDOW-ID      reads the window's pixels and prints, on one line:
//                                W H (the window), X Y PW PH (the box of its non-black pixels),
//                                MX MY MW MH (the box of the pixels of the picture's second most
//                                common colour, the marker) and OTHER (pixels in the picture box
//                                of neither of its two most common colours: blurred edges, or
//                                black inside the picture);
//   xtool maps                   prints "watching" once it watches the screen, then the id of
//                                every window put on the screen (mapped as a child of the root
//                                window), in decimal as xdotool prints them, one a line, until
//                                it is stopped.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>
#include <vector>

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

struct Box {
    int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;  // inclusive corners; empty while x1 < 0
    void add(int x, int y) {
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x);
        y1 = std::max(y1, y);
    }
    void print(std::ostream& out) const {
        if (x1 < 0)
            out << "0 0 0 0";
        else
            out << x0 << ' ' << y0 << ' ' << x1 - x0 + 1 << ' ' << y1 - y0 + 1;
    }
};

int describe_picture(Display* display, const char* id_text) {
    Window window = parse_window(id_text);
    if (!window) return 2;
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes)) return 1;
    const int w = attributes.width, h = attributes.height;
    XImage* image =
        XGetImage(display, window, 0, 0, static_cast<unsigned>(w), static_cast<unsigned>(h), AllPlanes, ZPixmap);
    if (!image) {
        std::cerr << "xtool: cannot read the window's pixels\n";
        return 1;
    }
    Box picture;
    std::map<unsigned long, long> count;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            unsigned long pixel = XGetPixel(image, x, y) & 0xFFFFFFul;
            if (pixel) picture.add(x, y);
        }
    for (int y = picture.y0; y <= picture.y1; ++y)
        for (int x = picture.x0; x <= picture.x1; ++x) ++count[XGetPixel(image, x, y) & 0xFFFFFFul];
    std::vector<std::pair<long, unsigned long>> by_count;
    for (const auto& [pixel, n] : count) by_count.push_back({n, pixel});
    std::sort(by_count.rbegin(), by_count.rend());
    Box marker;
    long other = 0;
    if (by_count.size() >= 2) {
        const unsigned long fill = by_count[0].second, mark = by_count[1].second;
        for (int y = picture.y0; y <= picture.y1; ++y)
            for (int x = picture.x0; x <= picture.x1; ++x) {
                unsigned long pixel = XGetPixel(image, x, y) & 0xFFFFFFul;
                if (pixel == mark)
                    marker.add(x, y);
                else if (pixel != fill)
                    ++other;
            }
    }
    XDestroyImage(image);
    std::cout << w << ' ' << h << ' ';
    picture.print(std::cout);
    std::cout << ' ';
    marker.print(std::cout);
    std::cout << ' ' << other << '\n';
    return 0;
}

int watch_maps(Display* display) {
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    std::cout << "watching" << std::endl;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) std::cout << event.xmap.window << std::endl;
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string command = argc > 1 ? argv[1] : "";
    if (!((command == "close" && argc == 3) || (command == "press" && argc >= 4) ||
          (command == "picture" && argc == 3) || (command == "maps" && argc == 2))) {
        std::cerr << "usage: xtool close WINDOW-ID | xtool press WINDOW-ID KEYSYM... | xtool picture WINDOW-ID"
                     " | xtool maps\n";
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::cerr << "xtool: cannot open the display\n";
        return 1;
    }
    if (command == "maps") return watch_maps(display);
    int result = command == "close"     ? close_window(display, argv[2])
                 : command == "picture" ? describe_picture(display, argv[2])
                                        : press_keys(display, argv[2], argc - 3, argv + 3);
    XCloseDisplay(display);
    return result;
}
