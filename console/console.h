// The console services the three programs run on: screen and printing, drawing, keyboard and
// function-key traps, timing, files, random numbers and the program's end. Program code calls
// these free functions; they act on the console of the running program (see runner.h).
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "console/errors.h"
#include "console/graphics.h"
#include "console/number_format.h"
#include "console/numbers.h"
#include "console/random.h"
#include "console/records.h"
#include "console/screen.h"
#include "console/table.h"
#include "console/text.h"

namespace con {

class Console;

// ---------------------------------------------------------------------------------------------
// Screen and printing

/// Clears text and drawings (mode 0) or the text only (mode 4); the cursor goes to (0, 0).
void clear_screen(int mode = 0, SourceLocation where = SourceLocation::current());
/// Places the cursor at a 0-based column and row; outside the 80 x 24 grid raises error 5.
void locate(Col column, Row row, SourceLocation where = SourceLocation::current());
/// The text colour for later printing: 0 black, 1 blue, 2 red, 3 magenta, 4 green, 5 cyan,
/// 6 yellow, 7 white (rounded half away from zero; outside 0-7 raises error 5).
void color(long double c, SourceLocation where = SourceLocation::current());
/// The colour in force.
int current_colour();
/// The cursor's column and row.
int cursor_column();
int cursor_row();

/// Writes text at the cursor; the cursor ends behind it.
void print_string_item(std::string_view text);
/// A stored variable as a number item (" 12 ", 6 significant digits).
void print_single_item(float v, SourceLocation where = SourceLocation::current());
/// A computed value as a number item (15 significant digits).
void print_double_item(long double v, SourceLocation where = SourceLocation::current());
/// Same as print_double_item.
void print_number_item(long double v, SourceLocation where = SourceLocation::current());
/// A 32-bit integer as a number item.
void print_int32_item(std::int32_t v);
/// Ends the print statement with a line end (the cursor to column 0 of the next row; on row 23
/// text and drawings scroll up).
void print_end();
/// locate + print_string_item.
void print_at(Col column, Row row, std::string_view text, SourceLocation where = SourceLocation::current());

/// Formatted printing: sets the format, then items fill its fields, then the statement ends.
void print_using_start(std::string_view format);
void print_using_single(float v);
void print_using_double(long double v);
void print_using_number(long double v);
void print_using_string(std::string_view s);
/// Prints the formatted text; with `line_end` the statement ends with a line end.
void print_using_end(bool line_end, SourceLocation where = SourceLocation::current());

// ---------------------------------------------------------------------------------------------
// Drawing (graphics colours 0-15; pixel coordinates as reals, see graphics.h)

using gfx::Shape;
void draw_line(long double x1, long double y1, long double x2, long double y2, int colour,
               Shape shape = Shape::Line);
/// The short form: a line from the end point of the previous draw_line.
void draw_line_to(long double x2, long double y2, int colour);
void draw_circle(long double cx, long double cy, long double r, int colour);
void draw_circle(long double cx, long double cy, long double r, int colour, long double start,
                 long double end);
void paint_fill(long double x, long double y, int paint, int border);
void pset(long double x, long double y, int colour);
int point_colour(long double x, long double y);
void draw_text(long double x, long double y, std::string_view text, int colour);

// ---------------------------------------------------------------------------------------------
// Keyboard

/// Key codes that inkey_string returns as one-byte texts.
namespace key {
inline constexpr char kEnter = 13;
inline constexpr char kEsc = 27;
inline constexpr char kBackspace = 8;
inline constexpr char kTab = 9;
inline constexpr char kRight = 28;
inline constexpr char kLeft = 29;
inline constexpr char kUp = 30;
inline constexpr char kDown = 31;
}  // namespace key

/// One key from the type-ahead buffer, or "" without waiting. A trap point: armed
/// function-key handlers with pending presses run first.
std::string inkey_string();
/// Waits (blocking on window events, never spinning) until a key is in the buffer and returns
/// it. Function-key handlers run while it waits; keys they read are theirs, and the wait goes
/// on until a further key comes.
std::string wait_key_string();

/// How input_prompt shows its prompt.
enum class PromptStyle {
    Plain,     ///< the prompt text unchanged
    Question,  ///< the prompt followed by "? "
};
/// Shows the prompt of the next line input at the cursor.
void input_prompt(std::string_view prompt, PromptStyle style = PromptStyle::Plain);
/// Reads one edited line (at most 255 bytes) as a text, exactly as typed.
void input_vars(std::string& out);
/// Reads one edited line as a number: an empty or malformed answer shows
/// "もう一度入力してください", and the prompt is shown and the line read again.
void input_vars(float& out, SourceLocation where = SourceLocation::current());
/// input_prompt + input_vars for a text.
std::string input_line(std::string_view prompt, PromptStyle style = PromptStyle::Plain);
/// input_prompt + input_vars for a number.
float input_number(std::string_view prompt, PromptStyle style = PromptStyle::Plain,
                   SourceLocation where = SourceLocation::current());

/// Function-key trap states.
enum class TrapState {
    Off,   ///< presses are dropped, pending ones discarded
    On,    ///< presses run the handler at the next trap point
    Hold,  ///< presses wait (at most 45 in all) until the key is switched on
};
/// Registers the handler of function key n (1-10). The key starts Off.
void on_key_gosub(int n, std::function<void()> handler, SourceLocation where = SourceLocation::current());
/// Switches the trap of function key n.
void key_switch(int n, TrapState state, SourceLocation where = SourceLocation::current());
/// Runs any pending armed function-key handler (for long computations).
void checkpoint();

/// Sounds the bell once; nothing waits for it.
void beep();

// ---------------------------------------------------------------------------------------------
// Timing

/// Pauses n x 10 ms (n rounded half away from zero, clamped to 0-65535); no events are
/// handled: keys typed meanwhile wait in the buffer, function-key presses run after it.
/// Returns at once headless and advances the virtual clock. A trap point at its end.
void wait_ticks(long double n);
/// An empty-loop pause of `iterations` passes: sleeps 10 us a pass (never spins); handles
/// window events and runs function-key handlers like any loop of statements.
void busy_pause(long double iterations);
/// The local time as "hh:mm:ss".
std::string time_string();
/// After the program's last screen: waits for the window to close (blocking on events),
/// running armed function-key handlers. Never returns.
[[noreturn]] void idle_forever();

// ---------------------------------------------------------------------------------------------
// Files (text files in the current directory, CP932 on disk)

enum class FileMode { Input = 1, Output = 2 };
/// Whether opening for output may replace an existing file.
enum class Existing { Refuse, Replace };

/// Opens a file on channel 1-15. Input: a missing file raises 63. Output: an existing file
/// raises 64 (unless `existing` is Replace); the text goes to a temporary file beside the
/// name, which takes the name only when the channel is closed. Host failures map to 60, 63,
/// 64, 67, 72 and 73.
void open_file(int channel, FileMode mode, std::string_view name, Existing existing = Existing::Refuse,
               SourceLocation where = SourceLocation::current());
/// Closes a channel; an output file then takes its name. A failure raises its number, and
/// the partial file is removed.
void close_file(int channel, SourceLocation where = SourceLocation::current());
/// Closes every open channel (as close_file).
void close_files(SourceLocation where = SourceLocation::current());
/// Closes every open channel without keeping what output files received (an unfinished
/// output file is removed).
void abandon_files();
/// Writes a text line (the text and CR LF).
void print_to_file(int channel, std::string_view text, SourceLocation where = SourceLocation::current());
/// Writes a number as print_single_item shows it, then CR LF (12 -> " 12 " CR LF).
void print_to_file(int channel, float v, SourceLocation where = SourceLocation::current());
/// Reads the next item (up to a comma or the line end, blanks around it skipped). Past the
/// end of the file raises 62.
void input_from_file(int channel, std::string& out, SourceLocation where = SourceLocation::current());
/// Reads the next item as a number; a malformed item raises 13, past the end 62.
void input_from_file(int channel, float& out, SourceLocation where = SourceLocation::current());
/// Deletes a file (63 when missing, 73 when protected).
void kill_file(std::string_view name, SourceLocation where = SourceLocation::current());
/// Whether a file exists in the current directory.
bool file_exists(std::string_view name);

// ---------------------------------------------------------------------------------------------
// Random numbers

/// The next random fraction, 0 < r < 1.
float rnd();
/// XORs the generator's state with the clock's seconds.
void randomize(std::uint32_t seconds);
/// The program's generator (tests set or script it).
Random& random_generator();

// ---------------------------------------------------------------------------------------------
// Errors

/// Arms (true) or disarms the program's error handler. With no handler armed, an error that
/// reaches the runner gets the console's report.
void on_error_goto(bool armed);
/// Whether the program's error handler is armed.
bool error_handler_armed();

// ---------------------------------------------------------------------------------------------
// Access for the runner, the backends and tests

/// The console of the running program.
Console& current();
/// The screen of the running program (tests read it; programs use the calls above).
const Screen& screen();

}  // namespace con
