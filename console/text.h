// Texts: UTF-8 in memory, measured and cut as CP932 (Shift-JIS) byte strings.
//
// A character takes as many bytes (and screen cells) as in CP932: 1 for ASCII and half-width
// katakana, 2 for every other character. A cut through a double-byte character leaves that
// character's lone CP932 byte in the text as a raw byte (not valid UTF-8); joining the two
// halves again gives the character back. A lone byte prints as one blank cell.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "console/source_location.h"

namespace con {

/// One character of a text: its code point (or a raw lone byte) and its CP932 width.
struct TextUnit {
    char32_t code;      ///< Unicode code point; for a raw byte, the byte value
    bool raw;           ///< a lone CP932 byte left by a cut
    int width;          ///< CP932 bytes = screen cells (1 or 2)
    std::size_t length; ///< bytes this unit takes in the UTF-8 text
};

/// Decodes the unit at byte offset `pos` of `s` (pos < s.size()).
TextUnit next_unit(std::string_view s, std::size_t pos);

/// CP932 width of one code point: 1 for ASCII and half-width katakana, 2 otherwise.
int cp932_width(char32_t code);

/// CP932 byte length of a text (= the number of screen cells it takes).
long byte_length(std::string_view s);

/// The first n bytes of s (n <= 0 gives "", n beyond the end the whole text).
std::string left_string(std::string_view s, long n);
/// n bytes of s from the 1-based byte position pos (what is there when it runs past the end).
std::string mid_string(std::string_view s, long pos, long n);
/// mid_string to the end of the text.
std::string mid_string(std::string_view s, long pos);
/// The last n bytes of s.
std::string right_string(std::string_view s, long n);
/// 1-based byte position of `needle` in `hay` at or after byte `start`, 0 when absent.
long instr(std::string_view hay, std::string_view needle, long start = 1);
/// Joins two texts (rejoining a character cut in two).
std::string concat_strings(std::string_view a, std::string_view b);
/// n blanks (n <= 0 gives "").
std::string space_string(long n);
/// The one-byte text of a code 0-255 (a code above 127 gives that lone CP932 byte, or the
/// half-width katakana it stands for); any other code raises error 5.
std::string chr_string(long code, SourceLocation where = SourceLocation::current());
/// The code of the first byte of a text (0 for "").
int asc(std::string_view s);
/// Exact byte comparison of two whole texts.
inline bool string_compare(std::string_view a, std::string_view b) { return a == b; }

/// The number that a text begins with, 0 when it begins with none. Grammar: blanks, an
/// optional sign, digits with an optional point and fraction, an optional exponent (E/e,
/// optional sign, digits); it stops at the first character that does not fit. ASCII only.
long double val(std::string_view s);

/// Whether the whole text, blanks around it trimmed, is exactly one number in val's grammar.
bool is_number(std::string_view s);
/// The number a typed or stored line gives when the whole line is a number (is_number) that a
/// stored value can hold; nothing for a malformed line or one too large for a float.
std::optional<float> stored_number(std::string_view s);

/// Converts a text to its CP932 bytes (raw bytes pass through; a character outside CP932
/// becomes "?" and sets *lossy when given).
std::string to_cp932(std::string_view utf8, bool* lossy = nullptr);
/// Converts CP932 bytes to the in-memory text (invalid or lone bytes stay raw bytes).
std::string from_cp932(std::string_view bytes);
/// Whether a character can be written in CP932.
bool in_cp932(char32_t code);

/// Appends the UTF-8 form of a code point.
void append_utf8(std::string& out, char32_t code);

}  // namespace con
