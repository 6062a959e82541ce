// Where a call was written, for the report of a run-time error: a small stand-in for
// std::source_location, which not every standard library we build with provides. The
// compiler built-ins it uses are there in GCC, Clang and MSVC alike.
#pragma once

namespace con {

/// A file name and a line in the program's sources.
class SourceLocation {
public:
    /// The position of the call that evaluates this default argument (the caller's line).
    static constexpr SourceLocation current(const char* file = __builtin_FILE(),
                                            unsigned line = __builtin_LINE()) noexcept {
        SourceLocation at;
        at.file_ = file;
        at.line_ = line;
        return at;
    }
    constexpr const char* file_name() const noexcept { return file_; }
    constexpr unsigned line() const noexcept { return line_; }

private:
    const char* file_ = "";
    unsigned line_ = 0;
};

/// Marks a console call made by program code: while it lasts, an error raised anywhere inside
/// the console names this call site instead of the console's own line. The outermost call
/// site wins, so that a console call built on others still names the program's line.
class CallSite {
public:
    explicit CallSite(SourceLocation where) noexcept;
    ~CallSite();
    CallSite(const CallSite&) = delete;
    CallSite& operator=(const CallSite&) = delete;

    /// The program's call site in force, or nullptr outside console calls.
    static const SourceLocation* active() noexcept;

    /// Lifts the call site for a scope: a function-key handler that runs inside a console call
    /// is program code whose own console calls name their own lines.
    class Suspend {
    public:
        Suspend() noexcept;
        ~Suspend();
        Suspend(const Suspend&) = delete;
        Suspend& operator=(const Suspend&) = delete;

    private:
        const SourceLocation* saved_;
    };

private:
    SourceLocation where_;
    bool owner_;
};

}  // namespace con
