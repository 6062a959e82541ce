// Fuzz targets of the console's readers: the record reader of the built-in tables, the
// conversion of text to numbers (val, the numbers a typed line or a file item gives, the line
// input) and the CP932 decoding of file text.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "console/console.h"
#include "console/records.h"
#include "console/text.h"
#include "tests/fuzz/fuzz_support.h"

namespace fuzz {
namespace {

std::string_view text_of(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

bool fits_a_float(float v) { return std::isfinite(v) && std::fabs(v) <= std::numeric_limits<float>::max(); }

// Reads the items from the read position on (at most `most`), each as a number where it is
// one and as a text otherwise; the errors are the reader's own (not a number, past the end,
// too large).
void read_items(con::RecordSet& set, std::size_t most) {
    const std::size_t items = std::min(set.remaining(), most);
    for (std::size_t i = 0; i < items; ++i) {
        const std::size_t left = set.remaining();
        try {
            const float v = set.read_number();
            check(fits_a_float(v), "a number read from the records fits a float");
        } catch (const con::RuntimeError& e) {
            check(e.number() == con::err::kTypeMismatch || e.number() == con::err::kOverflow,
                  "a record item that is no number is error 13 or 6");
            check(set.remaining() == left, "a refused item stays to be read as a text");
            (void)set.read_text();
        }
        check(set.remaining() == left - 1, "each item is read once");
    }
    if (set.remaining() > 0) return;
    try {
        (void)set.read_text();
        broken("an item past the last one");
    } catch (const con::RuntimeError& e) {
        check(e.number() == con::err::kOutOfData, "past the last item is error 4");
    }
}

// The key script that types the line's printable ASCII characters and Enter.
std::string typed_keys(std::string_view line) {
    std::string keys;
    for (char c : line) {
        if (c < 0x20 || c > 0x7E) continue;
        keys += c == '{' ? std::string("{{") : std::string(1, c);
    }
    return keys + "{ENTER}";
}

}  // namespace

int records(const std::uint8_t* data, std::size_t size) {
    ready_console();
    const std::string_view text = text_of(data, size);
    try {
        con::RecordSet set("fuzz.txt", text);
        set.restore_data();
        read_items(set, SIZE_MAX);
        (void)set.where();
        // Every group the text names can be found again and read from (its first items).
        for (std::size_t pos = 0; pos < text.size();) {
            std::size_t end = text.find('\n', pos);
            std::string_view line = text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
            pos = end == std::string_view::npos ? text.size() : end + 1;
            // As the reader takes a line: one CR dropped at its end, then blanks and tabs.
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            const std::size_t at = line.find_first_not_of(" \t");
            if (at == std::string_view::npos || line[at] != '@') continue;
            std::string name(line.substr(at + 1));
            while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
            set.restore_data(name);
            read_items(set, 8);
        }
    } catch (const std::runtime_error&) {
        // A malformed record file is refused by the parser, naming file and line.
    }
    return 0;
}

int numbers(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = text_of(data, size);
    const long double v = con::val(text);
    check(!std::isnan(v), "val never gives a NaN");
    const std::optional<float> stored = con::stored_number(text);
    check(stored.has_value() == (con::is_number(text) && std::isfinite(v) &&
                                 std::fabs(v) <= std::numeric_limits<float>::max()),
          "a number line is taken exactly when it fits a float");
    if (stored) check(fits_a_float(*stored) && *stored == static_cast<float>(v), "the value taken is val's");
    // The same text as the line of a file.
    ready_console();
    write_file("NUMBER.DAT", data, size);
    try {
        con::open_file(1, con::FileMode::Input, "NUMBER.DAT");
        float item = 0;
        con::input_from_file(1, item);
        check(fits_a_float(item), "a number read from a file fits a float");
    } catch (const con::RuntimeError& e) {
        check(e.number() == con::err::kTypeMismatch || e.number() == con::err::kOverflow ||
                  e.number() == con::err::kInputPastEnd,
              "a file item that is no number is error 13, 6 or 62");
    }
    con::close_files();
    // Typed at a number question: taken when it is a number that fits, asked again otherwise
    // (the run ends when the keys run out).
    if (size <= 200) {
        ready_console();
        type_keys(typed_keys(text));
        try {
            const float typed = con::input_number("?", con::PromptStyle::Plain);
            check(fits_a_float(typed), "a typed number fits a float");
        } catch (const con::ProgramEnd&) {
        }
    }
    return 0;
}

int cp932(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = text_of(data, size);
    const std::string text = con::from_cp932(bytes);
    bool raw = false;
    for (std::size_t i = 0; i < text.size();) {
        const con::TextUnit u = con::next_unit(text, i);
        check(u.length >= 1 && i + u.length <= text.size(), "each character lies within the text");
        check(u.width == 1 || u.width == 2, "a character is one or two cells wide");
        raw = raw || u.raw;
        i += u.length;
    }
    check(con::byte_length(text) <= static_cast<long>(size), "no more cells than bytes");
    if (!raw) {
        check(con::byte_length(text) == static_cast<long>(size), "every byte a cell");
        // Duplicate codes (the NEC and IBM rows) encode to the converter's choice, which
        // decodes to the same text.
        bool lossy = false;
        const std::string back = con::to_cp932(text, &lossy);
        check(!lossy && back.size() == bytes.size(), "decoded text encodes back to as many bytes");
        check(con::from_cp932(back) == text, "decoded text encodes to bytes of the same text");
    }
    // Cutting and joining are byte operations on the CP932 form.
    const long n = con::byte_length(text);
    const std::string left = con::left_string(text, n / 2), right = con::right_string(text, n - n / 2);
    check(con::byte_length(left) + con::byte_length(right) == n, "the two cuts hold every byte");
    (void)con::instr(text, left);
    return 0;
}

}  // namespace fuzz
