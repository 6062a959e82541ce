// The byte-string functions over CP932 widths, cuts through double-byte characters, and the
// reading of numbers from text.
#include <gtest/gtest.h>

#include "tests/test_support.h"

#include <string>

#include "console/errors.h"
#include "console/number_format.h"
#include "console/text.h"

namespace {

/// The CP932 bytes of a text, as hex pairs, so that a wrong byte shows in the failure.
std::string hex(std::string_view text) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char b : con::to_cp932(text)) {
        if (!out.empty()) out += ' ';
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

using testing_support::error_number_of;

TEST(TextWidth, CountsCp932BytesNotUnicodeWidths) {
    struct Case {
        const char* name;
        std::string text;
        long bytes;
    } cases[] = {
        {"empty", "", 0},
        {"ascii", "Hit Any Key", 11},
        {"kanji", "空母", 4},
        {"half-width katakana and degree mark", "0ﾟ ｱｲ", 5},
        {"ambiguous-width mark is double-byte", "●★＊・", 8},
        {"full-width digits and letters", "Ｂ１７", 6},
        {"full-width blank and wave dash", "　～", 4},
        {"mixed names", "第 3 ターン", 11},
        {"lone lead byte", "\x8B", 1},
        {"lone lead byte before a character", "\x8B母", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(con::byte_length(c.text), c.bytes);
    }
}

TEST(TextCut, LeftMidRightTakeBytes) {
    struct Case {
        const char* name;
        std::string got;
        std::string want;
    } cases[] = {
        {"left whole characters", con::left_string("空母赤城", 4), "空母"},
        {"left beyond the end", con::left_string("abc", 10), "abc"},
        {"left zero", con::left_string("abc", 0), ""},
        {"left negative", con::left_string("abc", -2), ""},
        {"left cut after 7 bytes", con::left_string("12/50旧式", 7), "12/50旧"},
        {"mid six bytes after the slash", con::mid_string("14/50旧式", 4, 6), "50旧式"},
        {"mid sector name head", con::mid_string(" 東部海域", 1, 3), " 東"},
        {"mid to the end", con::mid_string("abcdef", 3), "cdef"},
        {"mid past the end", con::mid_string("abc", 4), ""},
        {"mid running past the end", con::mid_string("abc", 2, 10), "bc"},
        {"mid zero length", con::mid_string("abc", 2, 0), ""},
        {"mid position below 1 taken as 1", con::mid_string("abc", 0, 2), "ab"},
        {"mid half-width katakana", con::mid_string("ｱｲｳ", 2, 1), "ｲ"},
        {"right time seconds", con::right_string("12:34:56", 2), "56"},
        {"right whole character", con::right_string("空母", 2), "母"},
        {"right beyond the end", con::right_string("空母", 9), "空母"},
        {"right zero", con::right_string("abc", 0), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.got, c.want);
    }
}

TEST(TextCut, ACutThroughACharacterKeepsItsBytes) {
    std::string first = con::left_string("空母", 1);
    std::string rest = con::mid_string("空母", 2);
    EXPECT_EQ(hex(first), "8B");
    EXPECT_EQ(con::byte_length(first), 1);
    EXPECT_EQ(hex(rest), "F3 95 EA");
    EXPECT_EQ(con::byte_length(rest), 3);
    EXPECT_EQ(con::concat_strings(first, rest), "空母");
    EXPECT_EQ(con::byte_length(con::right_string("空母", 3)), 3);
    EXPECT_EQ(con::concat_strings(con::left_string("空母", 3), con::right_string("空母", 1)), "空母");
}

TEST(TextCut, EverySplitJoinsBackToTheText) {
    // "ョ" ends in 0x87, and 0x87 with the 0x90 that starts "晴" is a duplicate code that
    // would come back as another code if it were read as one character.
    const std::string texts[] = {"空母赤城", "ョ晴", "ソ表", "a空ｱ母b", "Ｂ１７爆撃機"};
    for (const auto& text : texts) {
        long n = con::byte_length(text);
        for (long k = 0; k <= n; ++k) {
            SCOPED_TRACE(text + " split after " + std::to_string(k));
            std::string left = con::left_string(text, k);
            std::string right = con::mid_string(text, k + 1);
            EXPECT_EQ(con::byte_length(left), k);
            EXPECT_EQ(con::byte_length(right), n - k);
            EXPECT_EQ(hex(left) + (k > 0 && k < n ? " " : "") + hex(right), hex(text));
            EXPECT_EQ(con::concat_strings(left, right), text);
        }
    }
}

TEST(TextCut, LoneBytesOfADamagedFileStayBytes) {
    // Unassigned lead bytes before lone bytes 0x80-0xA0 look like UTF-8 characters that CP932
    // lacks (U+C00A, U+A080, U+F080): they stay three lone bytes, measured, cut and encoded as
    // the bytes they are.
    // The user-defined rows (F040-F9FC) are no characters either: "\x94\xEE" is a character
    // whose trail 0xEE, cut off, must not pair with 0x80 0x80 into U+E000.
    const std::string files[] = {"\xEC\x80\x8A", "\xEA\x82\x80", "\xEF\x82\x80", "A\xEC\x80\x8A\xEC\x80\x8A",
                                 "\xF0\x40", "\x94\xEE\x80\x80\x80\x80"};
    for (const auto& bytes : files) {
        SCOPED_TRACE(hex(bytes));
        const std::string text = con::from_cp932(bytes);
        const long n = con::byte_length(text);
        EXPECT_EQ(n, static_cast<long>(bytes.size()));
        EXPECT_EQ(con::to_cp932(text), bytes);
        for (long k = 0; k <= n; ++k)
            EXPECT_EQ(con::byte_length(con::left_string(text, k)) + con::byte_length(con::mid_string(text, k + 1)), n);
    }
    EXPECT_EQ(con::byte_length("ｱ空"), 3) << "characters CP932 has are characters";
}

TEST(TextNumber, StoredNumberTakesWhatAFloatHolds) {
    struct Case {
        const char* text;
        bool taken;
        float value;
    } cases[] = {
        {" 12 ", true, 12},          {"-3.5", true, -3.5f},   {"3.40282E+38", true, 3.40282e38f},
        {"3.5E+38", false, 0},       {"-1E+40", false, 0},    {"1E5000", false, 0},
        {"12abc", false, 0},         {"", false, 0},          {".75", true, 0.75f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<float> v = con::stored_number(c.text);
        EXPECT_EQ(v.has_value(), c.taken);
        if (v) {
            EXPECT_EQ(*v, c.value);
        }
    }
}

TEST(TextSearch, InstrGivesBytePositions) {
    struct Case {
        const char* name;
        std::string hay, needle;
        long start;
        long want;
    } cases[] = {
        {"first match", "ABCABC", "C", 1, 3},
        {"from a start", "ABCABC", "C", 4, 6},
        {"absent", "ABC", "D", 1, 0},
        {"start past the end", "ABC", "A", 5, 0},
        {"after a double-byte character", "空母赤城", "赤城", 1, 5},
        {"needle longer than text", "AB", "ABC", 1, 0},
        // Pure byte search: the second byte of "ソ" is 0x5C, the code of a backslash.
        {"trail byte matches ascii", "ソ", "\\", 1, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(con::instr(c.hay, c.needle, c.start), c.want);
    }
}

TEST(TextBuild, BlanksCodesAndJoins) {
    EXPECT_EQ(con::space_string(5), "     ");
    EXPECT_EQ(con::space_string(0), "");
    EXPECT_EQ(con::space_string(-3), "");
    EXPECT_EQ(con::concat_strings("TF", " 1"), "TF 1");
    EXPECT_EQ(con::concat_strings("", "空"), "空");

    struct Case {
        const char* name;
        long code;
        std::string text;
    } chars[] = {
        {"digit", 48 + 3, "3"},
        {"letter", 65, "A"},
        {"half-width katakana", 0xB1, "ｱ"},
        {"lone lead byte", 0x8B, "\x8B"},
    };
    for (const auto& c : chars) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(con::chr_string(c.code), c.text);
        EXPECT_EQ(con::asc(c.text), c.code);
    }
    EXPECT_EQ(con::asc(""), 0);
    EXPECT_EQ(con::asc("空母"), 0x8B);
    EXPECT_EQ(error_number_of([] { con::chr_string(256); }), con::err::kIllegalCall);
    EXPECT_EQ(error_number_of([] { con::chr_string(-1); }), con::err::kIllegalCall);
}

TEST(TextNumber, ValReadsTheLeadingNumber) {
    struct Case {
        const char* name;
        const char* text;
        long double want;
    } cases[] = {
        {"plain", "950", 950},
        {"trailing question mark", "950?", 950},
        {"no number", "?", 0},
        {"empty", "", 0},
        {"counter word after", "4機", 4},
        {"leading blank", " 90", 90},
        {"leading blanks and tab", "  \t7", 7},
        {"negative", "-1", -1},
        {"plus sign", "+7", 7},
        {"fraction", "45.5", 45.5L},
        {"fraction without whole part", ".5", 0.5L},
        {"negative fraction", "-.5", -0.5L},
        {"point without fraction", "3.", 3},
        {"exponent", "1.23457E+06", 1234570},
        {"lower-case exponent", "25e-1", 2.5L},
        {"exponent without digits stops before E", "12E", 12},
        {"exponent sign without digits", "12E+", 12},
        {"blank inside the number ends it", "1 2", 1},
        {"blank after the sign", "- 5", 0},
        {"sign alone", "-", 0},
        {"point alone", ".", 0},
        {"full-width digit is no digit", "１", 0},
        {"no hexadecimal form", "&H10", 0},
        {"second point ends it", "1.2.3", 1.2L},
        {"decimal read exactly", "0.1", 0.1L},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(con::val(c.text), c.want);
    }
}

TEST(TextNumber, IsNumberWantsOneWholeNumber) {
    struct Case {
        const char* name;
        const char* text;
        bool want;
    } cases[] = {
        {"whole", "12", true},
        {"blanks around", "  12  ", true},
        {"negative fraction", "-.5", true},
        {"exponent form", "1E+06", true},
        {"empty", "", false},
        {"blanks only", "   ", false},
        {"two numbers", "1 2", false},
        {"trailing text", "4機", false},
        {"trailing question mark", "950?", false},
        {"point alone", ".", false},
        {"sign alone", "+", false},
        {"unfinished exponent", "1e", false},
        {"full-width digit", "１", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(con::is_number(c.text), c.want);
    }
}

TEST(TextNumber, PrintedNumbersReadBack) {
    // Files hold numbers as printed, exponent form included, and must read back to the value.
    const float values[] = {12, -3, 0.75f, -0.5f, 0.1f, 35100, 1e6f, 1.5e7f, -0.0025f, 1e-7f};
    for (float v : values) {
        std::string text = con::format_single(v);
        SCOPED_TRACE(text);
        EXPECT_TRUE(con::is_number(text));
        EXPECT_EQ(static_cast<float>(con::val(text)), v);
    }
}

}  // namespace
