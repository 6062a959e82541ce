// The line input: prompt, echo and editing of one line, and the re-asking of numbers.
#include <cmath>
#include <limits>

#include "console/console_state.h"

namespace con {
namespace {

constexpr std::size_t kLineBytes = 255;
constexpr std::string_view kRetryMessage = "もう一度入力してください";
constexpr int kRetryTicks = 100;

}  // namespace

std::string Console::read_line(std::size_t max_bytes, std::vector<Echo>* echo_out) {
    std::vector<Echo> echo;
    std::vector<std::string> typed;
    std::size_t bytes = 0;
    backend_->waiting_for_input(screen_);
    auto erase_last = [&] {
        Echo e = echo.back();
        screen_.set_cursor(e.column, e.row);
        screen_.write(std::string(static_cast<std::size_t>(e.width), ' '));
        screen_.set_cursor(e.column, e.row);
        bytes -= static_cast<std::size_t>(e.width);
        echo.pop_back();
        typed.pop_back();
    };
    for (;;) {
        enter_call();
        if (keys_.empty()) {
            present_if_changed();
            backend_->wait_for_input(*this, screen_);
            continue;
        }
        std::string k = take_key();
        auto b0 = static_cast<unsigned char>(k[0]);
        if (k.size() == 1 && b0 < 0x20) {
            if (b0 == key::kEnter) break;
            if (b0 == key::kBackspace && !echo.empty()) erase_last();
            if (b0 == key::kEsc)
                while (!echo.empty()) erase_last();
            continue;  // other control keys do nothing here
        }
        TextUnit u = next_unit(k, 0);
        if (u.raw || !in_cp932(u.code) || bytes + static_cast<std::size_t>(u.width) > max_bytes) {
            beep();
            continue;
        }
        // The echo never scrolls: refuse a character that would pass column 79 of row 23.
        int col = screen_.cursor_column();
        int row = screen_.cursor_row();
        if (screen_.wrap_pending() || (u.width == 2 && col == kColumns - 1)) {
            col = 0;
            ++row;
        }
        if (row >= kRows) {
            beep();
            continue;
        }
        screen_.write(k);
        echo.push_back(Echo{col, row, u.width});
        typed.push_back(k);
        bytes += static_cast<std::size_t>(u.width);
    }
    screen_.line_end_no_scroll();
    if (echo_out) *echo_out = echo;
    std::string line;
    for (const auto& t : typed) line += t;
    return line;
}

void Console::show_retry_message(int column, int row) {
    int width = static_cast<int>(byte_length(kRetryMessage));
    int start = std::min(column, kColumns - width);
    if (start < 0) start = 0;
    std::vector<TextCell> saved;
    for (int c = start; c < start + width && c < kColumns; ++c) saved.push_back(screen_.cell(c, row));
    int cursor_col = screen_.cursor_column(), cursor_row = screen_.cursor_row();
    screen_.set_cursor(start, row);
    screen_.write(kRetryMessage);
    present_if_changed();
    for (int i = 0; i < kRetryTicks && keys_.empty(); ++i) {
        log_.busy_micros += 10000;
        backend_->sleep_micros(10000, *this);
        enter_call();
    }
    for (std::size_t i = 0; i < saved.size(); ++i) screen_.set_cell(start + static_cast<int>(i), row, saved[i]);
    screen_.set_cursor(cursor_col, cursor_row);
}

void input_prompt(std::string_view prompt, PromptStyle style) {
    Console& c = current();
    c.enter_call();
    c.prompt_column = c.screen().cursor_column();
    c.prompt_row = c.screen().cursor_row();
    c.prompt_text = std::string(prompt);
    if (style == PromptStyle::Question) c.prompt_text += "? ";
    c.screen().write(c.prompt_text);
}

void input_vars(std::string& out) {
    Console& c = current();
    out = c.read_line(kLineBytes);
    c.run_traps();  // presses during the input run right after it
}

void input_vars(float& out, SourceLocation where) {
    const CallSite site(where);
    Console& c = current();
    for (;;) {
        std::vector<Console::Echo> echo;
        int input_col = c.screen().cursor_column(), input_row = c.screen().cursor_row();
        if (c.screen().wrap_pending()) input_col = 0, input_row = std::min(input_row + 1, kRows - 1);
        std::string line = c.read_line(kLineBytes, &echo);
        // A number too large for a stored value is refused like a malformed one: the player is
        // asked again instead of the program failing.
        if (const std::optional<float> typed = stored_number(line)) {
            out = *typed;
            break;
        }
        // Refused: show why, clear the refused text, show the prompt again and read again.
        c.show_retry_message(input_col, input_row);
        for (const auto& e : echo) {
            c.screen().set_cursor(e.column, e.row);
            c.screen().write(std::string(static_cast<std::size_t>(e.width), ' '));
        }
        c.screen().set_cursor(c.prompt_column, c.prompt_row);
        c.screen().write(c.prompt_text);
    }
    c.run_traps();
}

std::string input_line(std::string_view prompt, PromptStyle style) {
    input_prompt(prompt, style);
    std::string s;
    input_vars(s);
    return s;
}

float input_number(std::string_view prompt, PromptStyle style, SourceLocation where) {
    const CallSite site(where);
    input_prompt(prompt, style);
    float v = 0;
    input_vars(v);
    return v;
}

}  // namespace con
