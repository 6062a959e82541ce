// The console of the running program: event intake, function-key traps, key waits, timing,
// and the free functions that program code calls.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>

#include "console/console_state.h"
#include "console/runner.h"

namespace con {
namespace {

Console* g_current = nullptr;

// Pump window events at least this often during a long computation that makes console calls,
// so that its screen is shown and a close request ends it.
constexpr auto kPollInterval = std::chrono::milliseconds(10);

int checked_key_number(int n) {
    if (n < 1 || n > Console::kFunctionKeys) raise_error(err::kIllegalCall);
    return n;
}

}  // namespace

std::atomic<bool> g_interrupt_requested{false};

Console::Console(std::unique_ptr<Backend> backend) : backend_(std::move(backend)) {}

Console::~Console() {
    files_.abandon_all();
    if (g_current == this) g_current = previous_;
}

void Console::make_current() {
    if (g_current == this) return;
    previous_ = g_current;
    g_current = this;
}

Console& current() {
    if (!g_current) throw std::logic_error("no console is running");
    return *g_current;
}

const Screen& screen() { return current().screen(); }

// ---------------------------------------------------------------------------------------------
// Events

void Console::key(std::string_view text) {
    auto bytes = static_cast<std::size_t>(byte_length(text));
    if (bytes == 0) return;
    if (key_bytes_ + bytes > kKeyBufferBytes) {
        // A key pressed into a full buffer is lost with a beep.
        ++log_.dropped_keys;
        beep();
        return;
    }
    keys_.emplace_back(text);
    key_bytes_ += bytes;
}

void Console::function_key(int n) {
    if (n < 1 || n > kFunctionKeys) return;
    const Trap& t = traps_[n];
    if (!t.handler || t.state == TrapState::Off) return;
    if (traps_pending_.size() >= kMaxPendingTraps) {
        ++log_.dropped_traps;
        return;
    }
    traps_pending_.push_back(n);
}

void Console::close() { close_requested_ = true; }

void Console::enter_call() {
    if (g_interrupt_requested.load()) close_requested_ = true;
    if (close_requested_) throw ProgramEnd(ProgramEnd::Reason::WindowClosed);
    auto now = std::chrono::steady_clock::now();
    if (now - last_poll_ >= kPollInterval) {
        last_poll_ = now;
        backend_->poll(*this, false);
        backend_->present(screen_);
        if (close_requested_) throw ProgramEnd(ProgramEnd::Reason::WindowClosed);
    }
}

void Console::present_if_changed() { backend_->present(screen_); }

// ---------------------------------------------------------------------------------------------
// Traps

void Console::set_handler(int n, std::function<void()> handler) { traps_[n].handler = std::move(handler); }

void Console::set_trap(int n, TrapState state) {
    traps_[n].state = state;
    if (state == TrapState::Off)
        std::erase(traps_pending_, n);
}

void Console::run_traps() {
    // A handler that runs holds every trap until it returns; presses meanwhile wait.
    while (!in_handler_) {
        auto it = std::find_if(traps_pending_.begin(), traps_pending_.end(),
                               [this](int n) { return traps_[n].state == TrapState::On; });
        if (it == traps_pending_.end()) return;
        int n = *it;
        traps_pending_.erase(it);
        struct Release {
            bool& flag;
            ~Release() { flag = false; }
        } release{in_handler_};
        in_handler_ = true;
        ++log_.trap_runs;
        std::function<void()> handler = traps_[n].handler;  // a handler may re-register itself
        const CallSite::Suspend own_lines;  // the handler's console calls name its own lines
        handler();
    }
}

// ---------------------------------------------------------------------------------------------
// Keys

std::string Console::take_key() {
    if (keys_.empty()) return "";
    std::string k = std::move(keys_.front());
    keys_.pop_front();
    key_bytes_ -= static_cast<std::size_t>(byte_length(k));
    return k;
}

std::string Console::wait_key() {
    std::uint64_t framed = 0;
    for (;;) {
        enter_call();
        run_traps();
        if (!keys_.empty()) return take_key();
        present_if_changed();
        if (framed != screen_.version()) {
            framed = screen_.version();
            backend_->waiting_for_input(screen_);
        }
        backend_->wait_for_input(*this, screen_);
    }
}

void Console::sleep_ticks(unsigned n) {
    enter_call();
    present_if_changed();
    log_.ticks_waited += n;
    if (n > 0) backend_->sleep_ticks(n, *this);
    enter_call();
    run_traps();
}

void Console::busy(std::uint64_t micros) {
    enter_call();
    present_if_changed();
    log_.busy_micros += micros;
    backend_->sleep_micros(micros, *this);
    enter_call();
    run_traps();
}

void Console::idle() {
    std::uint64_t framed = 0;
    for (;;) {
        enter_call();
        run_traps();
        keys_.clear();  // nothing reads keys any more; they must not fill the buffer
        key_bytes_ = 0;
        present_if_changed();
        if (framed != screen_.version()) {
            framed = screen_.version();
            backend_->waiting_for_input(screen_);
        }
        backend_->wait_for_input(*this, screen_);
    }
}

// ---------------------------------------------------------------------------------------------
// Free functions: screen and printing

void clear_screen(int mode, SourceLocation where) {
    const CallSite site(where);
    Console& c = current();
    c.enter_call();
    if (mode != 0 && mode != 4) raise_error(err::kIllegalCall);
    c.screen().clear(mode);
}

void locate(Col column, Row row, SourceLocation where) {
    const CallSite site(where);
    Console& c = current();
    c.enter_call();
    long col = round_half_away(column.v);
    long r = round_half_away(row.v);
    if (col < 0 || col >= kColumns || r < 0 || r >= kRows) raise_error(err::kIllegalCall);
    c.screen().set_cursor(static_cast<int>(col), static_cast<int>(r));
}

void color(long double colour, SourceLocation where) {
    const CallSite site(where);
    Console& c = current();
    c.enter_call();
    long n = round_half_away(colour);
    if (n < 0 || n > 7) raise_error(err::kIllegalCall);
    c.screen().set_colour(static_cast<int>(n));
}

int current_colour() { return current().screen().colour(); }
int cursor_column() { return current().screen().cursor_column(); }
int cursor_row() { return current().screen().cursor_row(); }

void print_string_item(std::string_view text) {
    Console& c = current();
    c.enter_call();
    c.screen().write(text);
}

void print_single_item(float v, SourceLocation where) {
    const CallSite site(where);
    print_string_item(format_single(v));
}
void print_double_item(long double v, SourceLocation where) {
    const CallSite site(where);
    print_string_item(format_double(v));
}
void print_number_item(long double v, SourceLocation where) {
    const CallSite site(where);
    print_string_item(format_double(v));
}
void print_int32_item(std::int32_t v) { print_string_item(format_int32(v)); }

void print_end() {
    Console& c = current();
    c.enter_call();
    c.screen().line_end();
}

void print_at(Col column, Row row, std::string_view text, SourceLocation where) {
    const CallSite site(where);
    locate(column, row);
    print_string_item(text);
}

void print_using_start(std::string_view format) {
    Console& c = current();
    c.enter_call();
    c.using_format = std::string(format);
    c.using_items.clear();
}
void print_using_single(float v) { current().using_items.emplace_back(static_cast<long double>(v)); }
void print_using_double(long double v) { current().using_items.emplace_back(v); }
void print_using_number(long double v) { current().using_items.emplace_back(v); }
void print_using_string(std::string_view s) { current().using_items.emplace_back(std::string(s)); }
void print_using_end(bool line_end, SourceLocation where) {
    const CallSite site(where);
    Console& c = current();
    std::string text = format_using(c.using_format, c.using_items);
    c.using_items.clear();
    print_string_item(text);
    if (line_end) print_end();
}

// ---------------------------------------------------------------------------------------------
// Drawing

void draw_line(long double x1, long double y1, long double x2, long double y2, int colour, Shape shape) {
    Console& c = current();
    c.enter_call();
    gfx::draw_line(c.screen(), x1, y1, x2, y2, colour, shape);
    c.last_x = x2;
    c.last_y = y2;
}

void draw_line_to(long double x2, long double y2, int colour) {
    Console& c = current();
    draw_line(c.last_x, c.last_y, x2, y2, colour, Shape::Line);
}

void draw_circle(long double cx, long double cy, long double r, int colour) {
    Console& c = current();
    c.enter_call();
    gfx::draw_circle(c.screen(), cx, cy, r, colour);
}

void draw_circle(long double cx, long double cy, long double r, int colour, long double start, long double end) {
    Console& c = current();
    c.enter_call();
    gfx::draw_arc(c.screen(), cx, cy, r, colour, start, end);
}

void paint_fill(long double x, long double y, int paint, int border) {
    Console& c = current();
    c.enter_call();
    gfx::paint_fill(c.screen(), x, y, paint, border);
}

void pset(long double x, long double y, int colour) {
    Console& c = current();
    c.enter_call();
    gfx::pset(c.screen(), x, y, colour);
}

int point_colour(long double x, long double y) {
    Console& c = current();
    c.enter_call();
    return gfx::point_colour(c.screen(), x, y);
}

void draw_text(long double x, long double y, std::string_view text, int colour) {
    Console& c = current();
    c.enter_call();
    gfx::draw_text(c.screen(), x, y, text, colour);
}

// ---------------------------------------------------------------------------------------------
// Keyboard

std::string inkey_string() {
    Console& c = current();
    c.enter_call();
    c.run_traps();
    if (!c.key_waiting()) {
        c.backend().poll(c, true);
        if (c.close_requested()) throw ProgramEnd(ProgramEnd::Reason::WindowClosed);
        c.run_traps();
    }
    return c.take_key();
}

std::string wait_key_string() { return current().wait_key(); }

void on_key_gosub(int n, std::function<void()> handler, SourceLocation where) {
    const CallSite site(where);
    Console& c = current();
    c.enter_call();
    c.set_handler(checked_key_number(n), std::move(handler));
}

void key_switch(int n, TrapState state, SourceLocation where) {
    const CallSite site(where);
    Console& c = current();
    c.enter_call();
    c.set_trap(checked_key_number(n), state);
}

void checkpoint() {
    Console& c = current();
    c.enter_call();
    c.run_traps();
}

void beep() {
    Console& c = current();
    ++c.log().beeps;
    c.backend().beep();
}

// ---------------------------------------------------------------------------------------------
// Timing

void wait_ticks(long double n) {
    long ticks = round_half_away(n);
    if (ticks < 0) ticks = 0;
    if (ticks > 65535) ticks = 65535;
    current().sleep_ticks(static_cast<unsigned>(ticks));
}

void busy_pause(long double iterations) {
    long n = round_half_away(iterations);
    if (n < 0) n = 0;
    current().busy(static_cast<std::uint64_t>(n) * 10);
}

std::string time_string() {
    Console& c = current();
    c.enter_call();
    return c.backend().time_string();
}

void idle_forever() { current().idle(); }

// ---------------------------------------------------------------------------------------------
// Random numbers and errors

float rnd() { return current().random().next(); }
void randomize(std::uint32_t seconds) { current().random().randomize(seconds); }
Random& random_generator() { return current().random(); }

void on_error_goto(bool armed) { current().error_handler_armed = armed; }
bool error_handler_armed() { return current().error_handler_armed; }

}  // namespace con
