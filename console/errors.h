// Run-time errors carrying their number, and the program's end.
#pragma once
#include <exception>
#include <string>

#include "console/source_location.h"

namespace con {

/// Error numbers the programs test or that the console raises.
namespace err {
inline constexpr int kOutOfData = 4;         ///< read_data past the last record
inline constexpr int kIllegalCall = 5;       ///< locate outside the grid, bad argument
inline constexpr int kOverflow = 6;          ///< a value too large to store
inline constexpr int kSubscript = 9;         ///< table index out of range
inline constexpr int kDivisionByZero = 11;   ///< zero divisor
inline constexpr int kTypeMismatch = 13;     ///< text read into a number
inline constexpr int kBadFileNumber = 52;    ///< channel not open or in the wrong mode
inline constexpr int kInputPastEnd = 62;     ///< file input past the end of the file
inline constexpr int kDeviceUnavailable = 60;
inline constexpr int kFileNotFound = 63;
inline constexpr int kFileExists = 64;
inline constexpr int kDiskFull = 67;
inline constexpr int kDriveNotReady = 72;
inline constexpr int kWriteProtected = 73;
}  // namespace err

/// A run-time error. The program's error handler (a catch in its main loop) takes it by number.
class RuntimeError : public std::exception {
public:
    RuntimeError(int number, SourceLocation where = SourceLocation::current());
    int number() const { return number_; }
    unsigned line() const { return line_; }
    const char* file() const { return file_; }
    const char* what() const noexcept override { return text_.c_str(); }

private:
    int number_;
    unsigned line_;
    const char* file_;
    std::string text_;
};

/// Raises run-time error `number` at the program's call site of the console call in force, or
/// else at `where` (the caller's position).
[[noreturn]] void raise_error(int number, SourceLocation where = SourceLocation::current());

/// Why a program stops: thrown by `end_program`, by a closed window and by an exhausted key
/// script; caught only by the runner, never by program code.
class ProgramEnd {
public:
    enum class Reason { Ended, WindowClosed, ScriptEnded };
    explicit ProgramEnd(Reason r) : reason(r) {}
    Reason reason;
};

/// Ends the program at once: every open file is abandoned (an output file that was not closed
/// is removed, never left half written) and the window closes.
[[noreturn]] void end_program();

}  // namespace con
