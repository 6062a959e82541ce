// What the fuzz targets share: the target table, a headless console for one input, the input
// written as a file in the current directory, and the invariant check that stops a run.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "console/console_state.h"

namespace fuzz {

/// A fuzz target: takes any bytes, checks its invariants (a broken one aborts with a message),
/// returns 0.
using Target = int (*)(const std::uint8_t* data, std::size_t size);

/// The targets by name: the detailed and the simplified game's save files, kelmat95's
/// scenario files, the record reader of the built-in tables, the console's number conversion
/// and CP932 decoding.
struct NamedTarget {
    const char* name;
    Target run;
};
extern const NamedTarget kTargets[6];

int detailed_save(const std::uint8_t* data, std::size_t size);
int simplified_save(const std::uint8_t* data, std::size_t size);
int scenario_file(const std::uint8_t* data, std::size_t size);
int records(const std::uint8_t* data, std::size_t size);
int numbers(const std::uint8_t* data, std::size_t size);
int cp932(const std::uint8_t* data, std::size_t size);

/// A broken invariant: prints `what` and aborts, so that the fuzzer keeps the input (or runs
/// the handler set by set_broken_handler, which must not return).
[[noreturn]] void broken(std::string_view what);
/// What broken() does instead of aborting: the corpus replay throws, to name the input.
void set_broken_handler(void (*handler)(std::string_view what));
/// broken(what) unless `holds`.
inline void check(bool holds, std::string_view what) {
    if (!holds) broken(what);
}

/// Runs a loader: true when it took the file, false when it refused it, which it must do
/// as with a missing file (error 63).
template <typename Load>
bool taken(Load load) {
    try {
        load();
    } catch (const con::RuntimeError& e) {
        check(e.number() == con::err::kFileNotFound, "a refused file fails as a missing one");
        return false;
    }
    return true;
}

/// The run's headless console, made current and ready for the next input: no file open, no
/// key waiting, the text screen cleared. (One console for the whole run: making one per input
/// would cost more than most inputs.)
con::Console& ready_console();
/// Puts the keys of a key script into the console's type-ahead buffer.
void type_keys(std::string_view script);

/// The number of inputs a loader has taken whole so far (the corpus replay checks that its
/// valid inputs are taken); counted by note_commit().
long commits();
void note_commit();

/// Writes the input as the file `name` in the current directory.
void write_file(const std::string& name, const std::uint8_t* data, std::size_t size);
/// The bytes of the file `name` in the current directory ("" when there is none).
std::string read_file(const std::string& name);

}  // namespace fuzz
