// The window backend: the screen in an SDL2 window scaled by a whole factor, keys from the
// keyboard, a generated tone for the bell. Events are awaited, never spun for, and the picture
// is sent to the window only when the screen changed or the window needs it again.
//
// SDL2 is opened when the first window is asked for, not linked: a headless run maps none of
// the display and sound libraries SDL2 brings along, and runs where they are not installed.
// Only SDL's types and constants come from its headers; every call goes through `sdl`.
#include <SDL.h>
#include <dlfcn.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <numbers>
#include <stdexcept>
#include <thread>
#include <vector>

#include "console/console.h"
#include "console/runner.h"

namespace con {


namespace {

// The SDL2 functions this backend calls, looked up in the library opened at run time.
// clang-format off
#define CON_SDL_FUNCTIONS(X)                                                                            \
    X(CloseAudioDevice) X(CreateRenderer) X(CreateTexture) X(CreateWindow) X(DestroyRenderer)           \
    X(DestroyTexture) X(DestroyWindow) X(EventState) X(GetCurrentVideoDriver) X(GetDisplayUsableBounds) \
    X(GetError) X(GetQueuedAudioSize) X(GetRendererOutputSize) X(Init) X(InitSubSystem) X(LockTexture)  \
    X(OpenAudioDevice) X(PauseAudioDevice) X(PollEvent) X(QueueAudio) X(Quit) X(QuitSubSystem)          \
    X(RenderClear) X(RenderCopy) X(RenderPresent) X(SetHint) X(SetRenderDrawColor)                      \
    X(SetWindowMinimumSize) X(ShowWindow) X(StartTextInput) X(UnlockTexture) X(WaitEventTimeout)        \
    X(getenv)
// clang-format on

struct SdlApi {
#define CON_SDL_MEMBER(name) decltype(&::SDL_##name) name = nullptr;
    CON_SDL_FUNCTIONS(CON_SDL_MEMBER)
#undef CON_SDL_MEMBER
};

constexpr const char* kSdlLibrary = "libSDL2-2.0.so.0";
constexpr const char* kSdlPackage = "libsdl2-2.0-0";

const SdlApi* sdl = nullptr;

// Opens SDL2 once; it stays loaded until the process ends (SDL's own threads may still run
// code of it while the process ends). Throws a one-line message naming the package to install.
void load_sdl() {
    if (sdl) return;
    void* library = dlopen(kSdlLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* why = dlerror();
        throw std::runtime_error(std::string("cannot load the window library ") + kSdlLibrary + " (" +
                                 (why ? why : "not found") + "): install the package " + kSdlPackage +
                                 ", or run with --headless to run without a window");
    }
    static SdlApi api;
#define CON_SDL_LOOKUP(name)                                                                                         \
    api.name = reinterpret_cast<decltype(api.name)>(dlsym(library, "SDL_" #name));                                   \
    if (!api.name)                                                                                                   \
        throw std::runtime_error(std::string(kSdlLibrary) + " lacks SDL_" #name ": install a newer " + kSdlPackage + \
                                 ", or run with --headless to run without a window");
    CON_SDL_FUNCTIONS(CON_SDL_LOOKUP)
#undef CON_SDL_LOOKUP
    sdl = &api;
}

using Clock = std::chrono::steady_clock;
using std::chrono::microseconds;
using std::chrono::milliseconds;

// Longest a blocking wait sleeps before it looks at the interrupt flag again: a signal handler
// cannot wake SDL's wait, so Ctrl-C and SIGTERM are noticed within this time.
constexpr int kWakeMs = 250;

// A program that polls the keyboard in a tight loop is waiting for a key. This many empty
// polls within kSpinWindow mark such a loop; from then on each empty poll waits up to
// kSpinWaitMs for an event (a key still arrives at once), until a key comes, the screen
// changes, or the program spends longer than kBusyGap between polls (it is computing).
constexpr unsigned kSpinPolls = 1000;
constexpr auto kSpinWindow = milliseconds(50);
constexpr auto kBusyGap = milliseconds(2);
constexpr int kSpinWaitMs = 20;

// The bell: a short tone, queued and never waited for. The audio device is opened at the
// first beep and closed again after a quiet spell, so that an idle program keeps no audio
// thread running.
constexpr int kToneRate = 22050;
constexpr int kToneHz = 1000;
constexpr int kToneMs = 120;
constexpr int kToneGapMs = 30;
constexpr int kMaxQueuedTones = 3;
constexpr auto kAudioIdle = milliseconds(2000);

// A program that prints or draws a lot calls present() often; the picture goes to the window
// at most this often while it runs, and at once when it pauses or waits for input.
constexpr auto kFrameInterval = milliseconds(15);

// Room left above the window for the title bar a window manager adds.
constexpr int kTitleBarRoom = 32;

/// What a key press (other than a character) gives the program.
struct KeyAction {
    enum Kind { None, Code, Function } kind = None;
    int value = 0;
};

// Characters come as text input; key presses give only the keys that have no character:
// Enter, Esc, Backspace, Tab, the cursor keys and the function keys. Text input never carries
// these (SDL drops control characters from it), so no key is delivered twice.
KeyAction map_key(SDL_Keycode sym, Uint16 mod, bool repeat) {
    switch (sym) {
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER: return {KeyAction::Code, key::kEnter};
    case SDLK_ESCAPE: return {KeyAction::Code, key::kEsc};
    case SDLK_BACKSPACE: return {KeyAction::Code, key::kBackspace};
    case SDLK_TAB: return {KeyAction::Code, key::kTab};
    case SDLK_RIGHT: return {KeyAction::Code, key::kRight};
    case SDLK_LEFT: return {KeyAction::Code, key::kLeft};
    case SDLK_UP: return {KeyAction::Code, key::kUp};
    case SDLK_DOWN: return {KeyAction::Code, key::kDown};
    default: break;
    }
    if (!(mod & KMOD_NUM)) {  // the keypad's arrows; with Num Lock on it types digits
        switch (sym) {
        case SDLK_KP_6: return {KeyAction::Code, key::kRight};
        case SDLK_KP_4: return {KeyAction::Code, key::kLeft};
        case SDLK_KP_8: return {KeyAction::Code, key::kUp};
        case SDLK_KP_2: return {KeyAction::Code, key::kDown};
        default: break;
        }
    }
    // A held function key would fill the trap queue with repeats; only real presses count.
    if (sym >= SDLK_F1 && sym <= SDLK_F12 && !repeat) return {KeyAction::Function, static_cast<int>(sym - SDLK_F1) + 1};
    return {};
}

/// Passes events on to the console; during a timed wait it holds keys and function keys back
/// until the wait is over. A close request always goes through at once.
class RelaySink : public EventSink {
public:
    RelaySink(EventSink& target, bool hold) : target_(target), hold_(hold) {}

    void key(std::string_view text) override {
        if (hold_)
            held_.push_back({std::string(text), 0});
        else
            target_.key(text);
    }
    void function_key(int n) override {
        if (hold_)
            held_.push_back({{}, n});
        else
            target_.function_key(n);
    }
    void close() override {
        closed_ = true;
        target_.close();
    }

    bool closed() const { return closed_; }
    /// Delivers what was held back, in the order it came.
    void release() {
        for (const Held& h : held_) {
            if (h.function)
                target_.function_key(h.function);
            else
                target_.key(h.text);
        }
        held_.clear();
    }

private:
    struct Held {
        std::string text;
        int function;
    };
    EventSink& target_;
    bool hold_;
    bool closed_ = false;
    std::vector<Held> held_;
};

std::string no_display_message(const std::string& detail) {
    return "no display found (DISPLAY is not set or the X server refused): run with --headless to run "
           "without a window (" + detail + ")";
}

// SDL falls back to drivers that show nothing when no display answers; a window nobody can
// see would wait for keys that never come. They are used only when asked for by name.
bool invisible_driver_chosen_silently() {
    const char* driver = sdl->GetCurrentVideoDriver();
    if (!driver) return true;
    std::string name = driver;
    if (name != "offscreen" && name != "dummy") return false;
    const char* asked = sdl->getenv("SDL_VIDEODRIVER");
    return !asked || name != asked;
}

bool set_in_environment(const char* name) {
    const char* value = sdl->getenv(name);
    return value && *value;
}

// Starts SDL's video on a display the player can see, or throws the message that sends the
// player to the headless mode.
//
// Left to itself SDL tries each of its drivers in turn, and one for a display that is not there
// may say so on stderr before our message (Wayland's library does where XDG_RUNTIME_DIR is not
// set). So the environment chooses: X alone where only DISPLAY names a display, none at all
// where nothing does; SDL chooses where a Wayland display is named or SDL_VIDEODRIVER names a
// driver.
void init_video() {
    const bool sdl_chooses = set_in_environment("SDL_VIDEODRIVER") || set_in_environment("WAYLAND_DISPLAY") ||
                             set_in_environment("WAYLAND_SOCKET");
    const char* display = sdl->getenv("DISPLAY");
    if (!sdl_chooses) {
        if (!display || !*display) throw std::runtime_error(no_display_message("neither DISPLAY nor WAYLAND_DISPLAY is set"));
        sdl->SetHint(SDL_HINT_VIDEODRIVER, "x11");
    }
    if (sdl->Init(SDL_INIT_VIDEO) != 0) {
        std::string why = sdl->GetError();
        if (!sdl_chooses) why = std::string("X display ") + display + ": " + why;
        throw std::runtime_error(no_display_message(why));
    }
    if (!invisible_driver_chosen_silently()) return;
    sdl->Quit();
    // A named X display gets a second try by name: one that was busy gets another chance, and
    // one that refuses says why.
    if (!display || !*display) throw std::runtime_error(no_display_message("no X11 or Wayland display answered"));
    sdl->SetHint(SDL_HINT_VIDEODRIVER, "x11");
    if (sdl->Init(SDL_INIT_VIDEO) == 0) return;
    std::string why = std::string("X display ") + display + ": " + sdl->GetError();
    sdl->Quit();
    throw std::runtime_error(no_display_message(why));
}

class WindowBackend : public Backend {
public:
    explicit WindowBackend(const std::string& title);
    ~WindowBackend() override { release(); }
    WindowBackend(const WindowBackend&) = delete;
    WindowBackend& operator=(const WindowBackend&) = delete;

    void poll(EventSink& sink, bool for_key) override;
    void wait_for_input(EventSink& sink, const Screen& screen) override;
    void sleep_ticks(unsigned n, EventSink& sink) override;
    void sleep_micros(std::uint64_t us, EventSink& sink) override;
    void present(const Screen& screen) override;
    void beep() override;
    std::string time_string() override;

private:
    int pump(EventSink& sink, int timeout_ms);
    int handle(const SDL_Event& e, EventSink& sink);
    int deliver_text(std::string_view text, EventSink& sink);
    void pass_time(Clock::duration length, RelaySink& relay);
    bool spinning_poll();
    void create_renderer();
    void upload(const Screen& screen);
    void show(bool now);
    void redraw();
    bool open_audio();
    void close_audio_when_quiet();
    void release();

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    std::array<Uint32, 256> palette_{};
    std::vector<std::uint8_t> indices_;
    const Screen* screen_ = nullptr;  // the console's screen; the console owns this backend
    std::uint64_t shown_version_ = 0;   // the screen version the texture holds
    std::uint64_t seen_version_ = 0;    // the screen version last presented
    bool needs_redraw_ = false;
    Clock::time_point last_shown_{};

    unsigned empty_polls_ = 0;
    Clock::time_point first_empty_poll_{};
    Clock::time_point last_poll_{};
    bool spinning_ = false;

    SDL_AudioDeviceID audio_ = 0;
    bool audio_failed_ = false;
    std::vector<std::int16_t> tone_;
    Clock::time_point last_beep_{};
};

WindowBackend::WindowBackend(const std::string& title) : indices_(static_cast<std::size_t>(kPlaneWidth) * kPlaneHeight) {
    // The program installs its own interrupt handler; SDL must not replace it.
    sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // A game that waits for keys for minutes must not keep the screen saver away, nor turn off
    // the desktop's compositor.
    sdl->SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    sdl->SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    sdl->SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    init_video();

    // The largest whole scale whose window, with a title bar, fits the display's usable area;
    // the player may resize or maximise it, and redraw() keeps the picture at a whole scale.
    int scale = 1;
    SDL_Rect usable{};
    if (sdl->GetDisplayUsableBounds(0, &usable) == 0)
        scale = std::max(1, std::min(usable.w / kPlaneWidth, (usable.h - kTitleBarRoom) / kPlaneHeight));
    window_ = sdl->CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kPlaneWidth * scale,
                                kPlaneHeight * scale, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (!window_) {
        std::string why = sdl->GetError();
        release();
        throw std::runtime_error("cannot open the window (" + why + "): run with --headless to run without a window");
    }
    sdl->SetWindowMinimumSize(window_, kPlaneWidth, kPlaneHeight);
    try {
        create_renderer();
    } catch (...) {
        release();
        throw;
    }
    for (int i = 0; i < 24; ++i) {
        auto rgb = palette_rgb(i);
        palette_[static_cast<std::size_t>(i)] = 0xFF000000u | Uint32(rgb[0]) << 16 | Uint32(rgb[1]) << 8 | rgb[2];
    }
    for (std::size_t i = 24; i < palette_.size(); ++i) palette_[i] = 0xFF000000u;

    // Only keys and the window's own events matter; the mouse would only wake the waits.
    for (Uint32 type : {SDL_MOUSEMOTION, SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP, SDL_MOUSEWHEEL, SDL_FINGERMOTION,
                        SDL_FINGERDOWN, SDL_FINGERUP, SDL_KEYUP, SDL_TEXTEDITING})
        sdl->EventState(type, SDL_IGNORE);
    sdl->StartTextInput();
    // Shown only now: a renderer that needs other window settings replaces the window it is
    // given, and a window shown before would appear and vanish again.
    sdl->ShowWindow(window_);
    redraw();
}

void WindowBackend::create_renderer() {
    if (texture_) sdl->DestroyTexture(texture_);
    if (renderer_) sdl->DestroyRenderer(renderer_);
    texture_ = nullptr;
    renderer_ = sdl->CreateRenderer(window_, -1, 0);
    if (!renderer_) renderer_ = sdl->CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (renderer_)
        texture_ = sdl->CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, kPlaneWidth,
                                      kPlaneHeight);
    if (!renderer_ || !texture_) throw std::runtime_error(std::string("cannot draw in the window: ") + sdl->GetError());
    shown_version_ = 0;  // the new texture holds nothing yet
}

void WindowBackend::release() {
    if (audio_) sdl->CloseAudioDevice(audio_);
    audio_ = 0;
    if (texture_) sdl->DestroyTexture(texture_);
    if (renderer_) sdl->DestroyRenderer(renderer_);
    if (window_) sdl->DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
    sdl->Quit();
}

// ---------------------------------------------------------------------------------------------
// The picture

void WindowBackend::present(const Screen& screen) {
    screen_ = &screen;
    if (screen.version() != seen_version_) {
        seen_version_ = screen.version();
        spinning_ = false;  // a program that draws is not just waiting for a key
    }
    show(false);
}

// Sends a changed screen to the window (`now`: even if the last frame went out only just
// now), and repaints the window when it asked for it.
void WindowBackend::show(bool now) {
    if (screen_ && screen_->version() != shown_version_ && (now || Clock::now() - last_shown_ >= kFrameInterval)) {
        upload(*screen_);
        needs_redraw_ = true;
    }
    if (needs_redraw_) redraw();
}

void WindowBackend::upload(const Screen& screen) {
    screen.compose(indices_.data());
    void* pixels = nullptr;
    int pitch = 0;
    if (sdl->LockTexture(texture_, nullptr, &pixels, &pitch) != 0) return;  // tried again at the next change
    const std::uint8_t* in = indices_.data();
    for (int y = 0; y < kPlaneHeight; ++y) {
        auto* row = reinterpret_cast<Uint32*>(static_cast<std::uint8_t*>(pixels) + static_cast<std::ptrdiff_t>(y) * pitch);
        for (int x = 0; x < kPlaneWidth; ++x) row[x] = palette_[*in++];
    }
    sdl->UnlockTexture(texture_);
    shown_version_ = screen.version();
}

// The plane goes in the middle of the window at the largest whole factor that fits, so that a
// window made larger by the desktop still shows square, sharp pixels.
void WindowBackend::redraw() {
    needs_redraw_ = false;
    last_shown_ = Clock::now();
    int w = 0, h = 0;
    if (sdl->GetRendererOutputSize(renderer_, &w, &h) != 0) return;
    int factor = std::max(1, std::min(w / kPlaneWidth, h / kPlaneHeight));
    SDL_Rect dst{(w - kPlaneWidth * factor) / 2, (h - kPlaneHeight * factor) / 2, kPlaneWidth * factor,
                 kPlaneHeight * factor};
    sdl->SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    sdl->RenderClear(renderer_);
    sdl->RenderCopy(renderer_, texture_, nullptr, &dst);
    sdl->RenderPresent(renderer_);
}

// ---------------------------------------------------------------------------------------------
// Events

int WindowBackend::deliver_text(std::string_view text, EventSink& sink) {
    int delivered = 0;
    for (std::size_t i = 0; i < text.size();) {
        TextUnit u = next_unit(text, i);
        std::string_view one = text.substr(i, u.length);
        i += u.length;
        // Control keys come as key presses; a character the programs' texts cannot hold (not
        // in CP932) is dropped rather than turned into something else.
        if (u.raw || u.code < 0x20 || u.code == 0x7F || !in_cp932(u.code)) continue;
        sink.key(one);
        ++delivered;
    }
    return delivered;
}

int WindowBackend::handle(const SDL_Event& e, EventSink& sink) {
    switch (e.type) {
    case SDL_QUIT:
        sink.close();
        return 1;
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
            sink.close();
            return 1;
        }
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SHOWN ||
            e.window.event == SDL_WINDOWEVENT_RESTORED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
            e.window.event == SDL_WINDOWEVENT_MAXIMIZED)
            needs_redraw_ = true;
        return 0;
    case SDL_RENDER_TARGETS_RESET:
        shown_version_ = 0;  // texture contents lost: upload again
        needs_redraw_ = true;
        return 0;
    case SDL_RENDER_DEVICE_RESET:
        create_renderer();
        needs_redraw_ = true;
        return 0;
    case SDL_TEXTINPUT:
        return deliver_text(e.text.text, sink);
    case SDL_KEYDOWN: {
        KeyAction a = map_key(e.key.keysym.sym, e.key.keysym.mod, e.key.repeat != 0);
        if (a.kind == KeyAction::Code) {
            char c = static_cast<char>(a.value);
            sink.key(std::string_view(&c, 1));
            return 1;
        }
        if (a.kind == KeyAction::Function) {
            sink.function_key(a.value);
            return 1;
        }
        return 0;
    }
    default:
        return 0;
    }
}

// Waits up to timeout_ms for a first event (0: no waiting), handles every waiting event and
// returns how many were delivered to the sink. Before the program waits, the window shows
// its latest screen.
int WindowBackend::pump(EventSink& sink, int timeout_ms) {
    int delivered = 0;
    if (timeout_ms > 0) show(true);
    SDL_Event e;
    bool have = timeout_ms > 0 ? sdl->WaitEventTimeout(&e, timeout_ms) != 0 : sdl->PollEvent(&e) != 0;
    while (have) {
        delivered += handle(e, sink);
        have = sdl->PollEvent(&e) != 0;
    }
    if (g_interrupt_requested.load()) {
        sink.close();
        ++delivered;
    }
    if (needs_redraw_) show(true);
    close_audio_when_quiet();
    return delivered;
}

void WindowBackend::poll(EventSink& sink, bool for_key) {
    int delivered = pump(sink, 0);
    if (!for_key) return;
    if (delivered > 0) {
        empty_polls_ = 0;
        spinning_ = false;
        return;
    }
    if (spinning_poll()) {
        pump(sink, kSpinWaitMs);
        last_poll_ = Clock::now();
    }
}

// Tells whether the program polls the keyboard in a tight loop (see kSpinPolls).
bool WindowBackend::spinning_poll() {
    Clock::time_point now = Clock::now();
    Clock::time_point previous = last_poll_;
    last_poll_ = now;
    if (spinning_) {
        if (now - previous <= kBusyGap) return true;
        spinning_ = false;
        empty_polls_ = 0;
    }
    if (empty_polls_ == 0 || now - previous > kBusyGap) {
        empty_polls_ = 0;
        first_empty_poll_ = now;
    }
    if (++empty_polls_ < kSpinPolls) return false;
    empty_polls_ = 0;
    spinning_ = now - first_empty_poll_ <= kSpinWindow;
    return spinning_;
}

void WindowBackend::wait_for_input(EventSink& sink, const Screen& screen) {
    screen_ = &screen;
    while (pump(sink, kWakeMs) == 0) {
    }
    empty_polls_ = 0;
    spinning_ = false;
}

// Lets time pass while handling window events; ends early on a close request.
void WindowBackend::pass_time(Clock::duration length, RelaySink& relay) {
    Clock::time_point end = Clock::now() + length;
    for (;;) {
        Clock::duration left = end - Clock::now();
        if (left <= Clock::duration::zero()) return;
        auto ms = std::chrono::duration_cast<milliseconds>(left).count();
        if (ms >= 1) {
            pump(relay, static_cast<int>(std::min<long long>(ms, kWakeMs)));
        } else {
            pump(relay, 0);
            std::this_thread::sleep_for(left);
        }
        if (relay.closed()) return;
    }
}

void WindowBackend::sleep_ticks(unsigned n, EventSink& sink) {
    // Keys typed during a timed wait reach the program after it; a close ends the wait at once.
    RelaySink relay(sink, true);
    pass_time(milliseconds(10) * n, relay);
    if (!relay.closed()) relay.release();
}

void WindowBackend::sleep_micros(std::uint64_t us, EventSink& sink) {
    RelaySink relay(sink, false);
    pass_time(microseconds(us), relay);
}

// ---------------------------------------------------------------------------------------------
// Bell and clock

bool WindowBackend::open_audio() {
    if (audio_) return true;
    if (audio_failed_) return false;
    if (sdl->InitSubSystem(SDL_INIT_AUDIO) != 0) {
        audio_failed_ = true;  // no sound on this machine: the bell stays silent
        return false;
    }
    SDL_AudioSpec want{};
    want.freq = kToneRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 512;
    audio_ = sdl->OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (!audio_) {
        sdl->QuitSubSystem(SDL_INIT_AUDIO);
        audio_failed_ = true;
        return false;
    }
    if (tone_.empty()) {
        const int sound = kToneRate * kToneMs / 1000;
        const int fade = kToneRate / 200;  // 5 ms in and out, so the tone does not click
        tone_.assign(static_cast<std::size_t>(sound + kToneRate * kToneGapMs / 1000), 0);
        for (int i = 0; i < sound; ++i) {
            double envelope = std::min({1.0, double(i) / fade, double(sound - i) / fade});
            tone_[static_cast<std::size_t>(i)] =
                static_cast<std::int16_t>(8000.0 * envelope * std::sin(2.0 * std::numbers::pi * kToneHz * i / kToneRate));
        }
    }
    return true;
}

void WindowBackend::beep() {
    if (!open_audio()) return;
    auto bytes = static_cast<Uint32>(tone_.size() * sizeof(std::int16_t));
    if (sdl->GetQueuedAudioSize(audio_) <= bytes * (kMaxQueuedTones - 1)) sdl->QueueAudio(audio_, tone_.data(), bytes);
    sdl->PauseAudioDevice(audio_, 0);
    last_beep_ = Clock::now();
}

void WindowBackend::close_audio_when_quiet() {
    if (!audio_ || sdl->GetQueuedAudioSize(audio_) > 0 || Clock::now() - last_beep_ < kAudioIdle) return;
    sdl->CloseAudioDevice(audio_);
    sdl->QuitSubSystem(SDL_INIT_AUDIO);
    audio_ = 0;
}

std::string WindowBackend::time_string() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

}  // namespace

std::unique_ptr<Backend> make_window_backend(const std::string& title) {
    load_sdl();
    return std::make_unique<WindowBackend>(title);
}

}  // namespace con
