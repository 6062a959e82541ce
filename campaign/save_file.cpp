// The writing and the staged reading of the campaign save files.
#include "campaign/save_file.h"

#include <stdexcept>
#include <string>

#include "console/console.h"
#include "console/number_format.h"
#include "console/text.h"

namespace morva {
namespace {

RefusedSave& refused_save() {
    static RefusedSave what = RefusedSave::Fail;
    return what;
}

// A value as the file writes it, without the blanks around it.
std::string number_text(float v) {
    std::string text = con::format_single(v);
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

}  // namespace

void on_refused_save(RefusedSave what) { refused_save() = what; }

std::vector<float> as_read_back(std::span<const float> values) {
    std::vector<float> read(values.begin(), values.end());
    for (float& v : read)
        if (std::isfinite(v))
            if (const std::optional<float> back = con::stored_number(con::format_single(v))) v = *back;
    return read;
}

std::string refusal_message(std::span<const float> values, const Refusal& r) {
    const std::size_t at = static_cast<std::size_t>(r.at);
    std::string shown = "none";
    if (at < values.size()) shown = std::isfinite(values[at]) ? number_text(values[at]) : "not finite";
    return "value " + std::to_string(r.at + 1) + " (" + shown + "): " + r.rule;
}

void write_checked_save_file(const char* name, std::span<const float> values,
                             const std::function<Verdict(std::span<const float>)>& first_refusal) {
    if (refused_save() == RefusedSave::Fail) {
        const std::vector<float> read = as_read_back(values);
        if (const Verdict r = first_refusal(read))
            throw std::logic_error(std::string(name) + " would not load again: " + refusal_message(read, *r));
    }
    write_save_file(name, values);
}

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
