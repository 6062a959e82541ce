// What a backend provides: where keys come from, where the picture goes, and how time passes.
#pragma once
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

namespace con {

class Screen;

/// Set by SIGINT and SIGTERM; the console treats it as a close request, and backends check it
/// while they block.
extern std::atomic<bool> g_interrupt_requested;

/// Receives input from a backend.
class EventSink {
public:
    virtual ~EventSink() = default;
    /// An ordinary key: one character as UTF-8 text, or a one-byte control code.
    virtual void key(std::string_view text) = 0;
    /// Function key n (1-12) pressed.
    virtual void function_key(int n) = 0;
    /// The window's close button (or an interrupt).
    virtual void close() = 0;
};

/// The part of the console that differs between the window and the headless run.
class Backend {
public:
    virtual ~Backend() = default;
    /// Delivers waiting events without blocking. `for_key` tells that the program polls the
    /// keyboard (headless: a program that keeps polling is waiting for a key).
    virtual void poll(EventSink& sink, bool for_key) = 0;
    /// Blocks until at least one event was delivered. The program waits for input here:
    /// headless, a key script that is used up ends the run (throws ProgramEnd).
    virtual void wait_for_input(EventSink& sink, const Screen& screen) = 0;
    /// Lets n x 10 ms pass. Keys and function keys arriving meanwhile are delivered afterwards;
    /// a close request is delivered at once. Headless: advances the virtual clock only.
    virtual void sleep_ticks(unsigned n, EventSink& sink) = 0;
    /// Lets `us` microseconds pass while handling events (busy pauses).
    virtual void sleep_micros(std::uint64_t us, EventSink& sink) = 0;
    /// Shows the screen if it changed since it was last shown.
    virtual void present(const Screen& screen) = 0;
    /// Sounds the bell.
    virtual void beep() = 0;
    /// Local time "hh:mm:ss".
    virtual std::string time_string() = 0;
    /// Called each time the program starts waiting for input (the frame dumps).
    virtual void waiting_for_input(const Screen& screen) {}
};

}  // namespace con
