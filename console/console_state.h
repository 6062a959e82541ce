// The console of one running program: its screen, keyboard, traps, files and generator.
// Program code uses the free functions of console.h; the runner, the backends and tests use
// this class.
#pragma once
#include <array>
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "console/backend.h"
#include "console/console.h"
#include "console/file_system.h"

namespace con {

/// Counts of what happened, for tests (waits, beeps, trap runs).
struct EventLog {
    std::uint64_t ticks_waited = 0;
    std::uint64_t busy_micros = 0;
    int beeps = 0;
    int trap_runs = 0;
    int dropped_keys = 0;
    int dropped_traps = 0;
};

class Console : public EventSink {
public:
    static constexpr std::size_t kKeyBufferBytes = 256;
    static constexpr std::size_t kMaxPendingTraps = 45;
    static constexpr int kFunctionKeys = 12;

    explicit Console(std::unique_ptr<Backend> backend);
    ~Console() override;

    /// Makes this console the one the free functions act on (and restores the previous one
    /// when it is destroyed).
    void make_current();

    Screen& screen() { return screen_; }
    Random& random() { return random_; }
    FileSystem& files() { return files_; }
    EventLog& log() { return log_; }
    Backend& backend() { return *backend_; }

    // EventSink
    void key(std::string_view text) override;
    void function_key(int n) override;
    void close() override;

    /// Every console call starts here: ends the program after a close request, and pumps
    /// window events now and then.
    void enter_call();
    /// A trap point: runs pending armed handlers unless a handler is running.
    void run_traps();

    std::string take_key();
    bool key_waiting() const { return !keys_.empty(); }
    std::string wait_key();
    /// Where a line input's echo went: each typed character's first cell and width.
    struct Echo {
        int column, row, width;
    };
    /// Edits one line at the cursor (at most max_bytes); the cursor ends at column 0 of the
    /// next row, without scrolling. No trap runs inside.
    std::string read_line(std::size_t max_bytes, std::vector<Echo>* echo = nullptr);
    /// Shows the refusal of a malformed number over the input's start for about a second (or
    /// until a key comes), then restores the cells it covered.
    void show_retry_message(int column, int row);

    /// Where the last input_prompt stood, and its shown text.
    int prompt_column = 0, prompt_row = 0;
    std::string prompt_text;

    void set_handler(int n, std::function<void()> handler);
    void set_trap(int n, TrapState state);
    std::size_t pending_traps() const { return traps_pending_.size(); }

    void sleep_ticks(unsigned n);
    void busy(std::uint64_t micros);
    [[noreturn]] void idle();

    bool close_requested() const { return close_requested_; }
    bool error_handler_armed = false;
    std::string using_format;
    std::vector<UsingItem> using_items;
    long double last_x = 0, last_y = 0;

private:
    void present_if_changed();

    std::unique_ptr<Backend> backend_;
    Console* previous_ = nullptr;
    Screen screen_;
    Random random_;
    FileSystem files_;
    EventLog log_;

    std::deque<std::string> keys_;
    std::size_t key_bytes_ = 0;

    struct Trap {
        std::function<void()> handler;
        TrapState state = TrapState::Off;
    };
    std::array<Trap, kFunctionKeys + 1> traps_{};
    std::deque<int> traps_pending_;
    bool in_handler_ = false;
    bool close_requested_ = false;
    std::chrono::steady_clock::time_point last_poll_{};
};

}  // namespace con
