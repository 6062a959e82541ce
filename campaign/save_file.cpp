// The writing and the staged reading of the campaign save files.
#include "campaign/save_file.h"

#include "console/console.h"

namespace morva {

void write_save_file(const char* name, std::span<const float> values) {
    con::open_file(1, con::FileMode::Output, name, con::Existing::Replace);
    for (float value : values) con::print_to_file(1, value);
    con::close_files();
}

void read_save_file(const char* name, std::span<float> values, const std::function<bool()>& valid) {
    con::open_file(1, con::FileMode::Input, name);
    bool readable = true;
    try {
        for (float& value : values) con::input_from_file(1, value);
    } catch (const con::RuntimeError& e) {
        if (e.number() != con::err::kInputPastEnd && e.number() != con::err::kTypeMismatch &&
            e.number() != con::err::kOverflow)
            throw;
        readable = false;
    }
    con::close_files();
    if (!readable || !valid()) con::raise_error(con::err::kFileNotFound);
}

}  // namespace morva
