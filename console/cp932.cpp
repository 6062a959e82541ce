// Characters of the in-memory text (UTF-8 with raw lone bytes) and their CP932 forms.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "console/text.h"

// The double-byte tables, generated at build time from the C library's converter
// (tools/gen_cp932.cpp): a program opens no converter and builds no table at start.
namespace con::cp932_data {
struct EncodeEntry {
    char32_t character;
    std::uint16_t code;
};
extern const char32_t kDecode[60 * 256];
extern const std::size_t kEncodeCount;
extern const EncodeEntry kEncode[];
}  // namespace con::cp932_data

namespace con {
namespace {

bool is_lead_byte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool is_trail(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

/// CP932 double-byte codes and their characters.
struct Cp932Tables {
    static const Cp932Tables& get() {
        static const Cp932Tables tables;
        return tables;
    }
    /// The character of a double-byte code, 0 when it has none.
    char32_t decode(unsigned char lead, unsigned char trail) const {
        if (!is_lead_byte(lead) || !is_trail(trail)) return 0;
        std::size_t l = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
        return cp932_data::kDecode[l * 256 + trail];
    }
    /// The double-byte code of a character (0 when there is none).
    std::uint16_t encode(char32_t c) const {
        const cp932_data::EncodeEntry* end = cp932_data::kEncode + cp932_data::kEncodeCount;
        const cp932_data::EncodeEntry* it = std::lower_bound(
            cp932_data::kEncode, end, c, [](const cp932_data::EncodeEntry& e, char32_t v) { return e.character < v; });
        return it != end && it->character == c ? it->code : 0;
    }
};

}  // namespace

int cp932_width(char32_t code) {
    if (code < 0x80) return 1;
    if (code >= 0xFF61 && code <= 0xFF9F) return 1;
    return 2;
}

TextUnit next_unit(std::string_view s, std::size_t pos) {
    auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) return TextUnit{b0, false, 1, 1};
    int len = 0;
    char32_t code = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) len = 2, code = b0 & 0x1F;
    else if (b0 >= 0xE0 && b0 <= 0xEF) len = 3, code = b0 & 0x0F;
    else if (b0 >= 0xF0 && b0 <= 0xF4) len = 4, code = b0 & 0x07;
    if (len == 0 || pos + len > s.size()) return TextUnit{b0, true, 1, 1};
    for (int i = 1; i < len; ++i) {
        auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) return TextUnit{b0, true, 1, 1};
        code = code << 6 | (b & 0x3F);
    }
    // Reject overlong forms and surrogates: such bytes are raw bytes. So is a sequence whose
    // character CP932 lacks: lone bytes of a damaged file decoded next to each other (an
    // unassigned lead byte before two lone bytes 0x80-0xA0) would otherwise read as one
    // character, and the text would no longer measure, cut and encode as its bytes.
    if ((len == 3 && code < 0x800) || (len == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
        (code >= 0xD800 && code <= 0xDFFF) || !in_cp932(code))
        return TextUnit{b0, true, 1, 1};
    return TextUnit{code, false, cp932_width(code), static_cast<std::size_t>(len)};
}

long byte_length(std::string_view s) {
    long n = 0;
    for (std::size_t i = 0; i < s.size();) {
        TextUnit u = next_unit(s, i);
        n += u.width;
        i += u.length;
    }
    return n;
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool in_cp932(char32_t code) {
    if (code < 0x80) return true;
    if (code >= 0xFF61 && code <= 0xFF9F) return true;
    return Cp932Tables::get().encode(code) != 0;
}

std::string to_cp932(std::string_view s, bool* lossy) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        TextUnit u = next_unit(s, i);
        i += u.length;
        if (u.raw || u.code < 0x80) {
            out += static_cast<char>(u.code);
        } else if (u.code >= 0xFF61 && u.code <= 0xFF9F) {
            out += static_cast<char>(u.code - 0xFF61 + 0xA1);
        } else if (std::uint16_t c = Cp932Tables::get().encode(u.code)) {
            out += static_cast<char>(c >> 8);
            out += static_cast<char>(c & 0xFF);
        } else {
            out += '?';
            if (lossy) *lossy = true;
        }
    }
    return out;
}

std::string from_cp932(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
        } else if (b >= 0xA1 && b <= 0xDF) {
            append_utf8(out, 0xFF61 + (b - 0xA1));
        } else if (i + 1 < bytes.size() && is_lead_byte(b)) {
            char32_t c = Cp932Tables::get().decode(b, static_cast<unsigned char>(bytes[i + 1]));
            if (c != 0) {
                append_utf8(out, c);
                ++i;
            } else {
                out += static_cast<char>(b);
            }
        } else {
            out += static_cast<char>(b);  // a lone byte stays raw
        }
    }
    return out;
}

}  // namespace con
