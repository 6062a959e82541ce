// Helpers shared by the test suites: a headless console, program runs in-process and through
// the built binaries, temporary directories, screen queries and reference files.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "console/console_state.h"
#include "console/runner.h"

namespace testing_support {

/// A headless console made current for the test's scope.
class ScopedConsole {
public:
    explicit ScopedConsole(std::string keys = "", int clock_seconds = 0);
    con::Console& console() { return *console_; }
    const con::Screen& screen() { return console_->screen(); }
    /// Puts keys straight into the type-ahead buffer (as typed ahead).
    void type_ahead(std::string_view keys);

private:
    std::unique_ptr<con::Console> console_;
};

/// The text of `cells` screen cells from (col, row) (a wide character once).
std::string text_at(const con::Screen& screen, int col, int row, int cells);
/// A row of a screen, trailing blanks dropped.
std::string row_of(const con::Screen& screen, int row);
/// Text colour of a cell (-1 when the cell is blank).
int colour_of(const con::Screen& screen, int col, int row);
/// Whether `text` stands at (col, row), in text colour `colour` (every non-blank cell of it)
/// unless `colour` is -1.
testing::AssertionResult shows(const con::Screen& screen, int col, int row, const std::string& text,
                               int colour = -1);

// Readers of the dumps a built binary writes (--screen, --colours).
/// The screen column at which `text` begins in a dumped line, -1 when absent.
long column_of(const std::string& line, const std::string& text);
/// The colour digit of a cell in a colours dump.
char colour_at(const std::string& colours, int column, int row);

/// A program run in this process: how it ended and its console, readable afterwards.
struct ProgramRun {
    con::RunResult result;
    std::unique_ptr<con::Console> console;
    const con::Screen& screen() const { return console->screen(); }
    /// The text of row `row` from column `col`, `bytes` cells long (wide characters once).
    std::string text_at(int col, int row, int cells) const;
    /// The whole row's text, trailing blanks dropped.
    std::string row(int row) const;
    /// Text colour of a cell (-1 when the cell is blank).
    int colour_at(int col, int row) const;
};
/// shows() on the run's final screen.
testing::AssertionResult shows(const ProgramRun& run, int col, int row, const std::string& text, int colour = -1);

/// Runs a program headless with a key script.
ProgramRun run_program(const con::ProgramInfo& info, const std::string& keys, int clock_seconds = 0);

/// A binary run: exit status, stderr, and the dumps it wrote.
struct BinaryRun {
    int exit_code = -1;
    std::string screen;   ///< --screen dump
    std::string colours;  ///< --colours dump
    std::string err;      ///< stderr
};
/// Runs a built program (MORVA95F, MORVA95S, kelmat95) headless in the current directory.
BinaryRun run_binary(const std::string& program, const std::string& keys, int clock_seconds = 0,
                     const std::vector<std::string>& extra_args = {});

/// Makes a fresh directory current for the scope (and returns to the previous one).
class ScopedTempDir {
public:
    ScopedTempDir();
    ~ScopedTempDir();
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::string previous_;
};

/// The bytes of a file ("" when missing).
std::string read_file(const std::string& path);
/// Writes bytes to a file.
void write_file(const std::string& path, const std::string& bytes);
/// Line `n` (0-based) of a text dump.
std::string dump_line(const std::string& dump, int n);

/// The number of the run-time error that `call` raises (0 when it raises none).
int error_number_of(const std::function<void()>& call);

/// Whether UPDATE_GOLDEN=1 is set: reference files are rewritten instead of compared.
bool updating_golden();

/// Where two texts first differ, for a reader: "" when they are equal, else the 1-based line
/// and column (screen cells of UTF-8 text, also given as the 0-based cell (column, row) of a
/// screen dump; bytes when `bytes` is set), both lines, and how many lines differ.
std::string golden_difference(const std::string& expected, const std::string& actual, bool bytes = false);

/// Compares `actual` with the reference file (path relative to the source tree's tests/) and
/// fails with golden_difference's account. With UPDATE_GOLDEN=1 the reference is rewritten.
void expect_golden(const std::string& actual, const std::string& reference, bool bytes = false);

}  // namespace testing_support
