// Number texts as the programs print them, and formatted (PRINT USING) output.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace con {

/// A stored variable printed: sign position, up to 6 significant digits, one trailing blank
/// (12 -> " 12 ", -3 -> "-3 ", 0.75 -> " .75 ", 1e6 -> " 1E+06 ").
std::string format_single(float v);
/// A computed value printed: as format_single with up to 15 significant digits.
std::string format_double(long double v);
/// A 32-bit integer printed: sign position, digits, one trailing blank.
std::string format_int32(std::int32_t v);
/// The number text with `digits` significant digits, without sign position or blank (a
/// negative value starts with "-"). A value that is not finite raises error 6.
std::string format_digits(long double v, int digits);

/// One item of formatted output: a number (rounded half away from zero into a "#" field) or a
/// text (a whole "@" field).
using UsingItem = std::variant<long double, std::string>;

/// Formats items into a format made of "#" runs (numeric fields) and "@" (text fields).
/// Items fill the fields left to right; the first field that gets no item ends the output.
/// A number that does not fit its field shows as "%" and the number.
/// A numeric item for a "@" field or a text item for a "#" field raises error 13; more items
/// than fields, or a format character other than "#" and "@", is a program fault (logic_error).
std::string format_using(std::string_view format, const std::vector<UsingItem>& items);

}  // namespace con
