// Stored data records: items read in order across records and files, named groups, and the
// reader's errors.
#include <gtest/gtest.h>

#include "console/records.h"
#include "tests/test_support.h"

using testing_support::error_number_of;

namespace {

TEST(Records, ReadsRunFromRecordToRecordAndGroupsAreRestorePoints) {
    con::RecordSet set("ships.txt",
                       "# ships\n"
                       "@MapOutline\n"
                       "1, 2,3\n"
                       "\n"
                       "  4\n"
                       "@BuiltInTables\n"
                       "赤城, \"  3X3  (8) \", 950?,,\"a,\"\"b\"\"\"\n");
    EXPECT_EQ(set.read_number(), 1.0f);
    EXPECT_EQ(set.read_number(), 2.0f);
    EXPECT_EQ(set.read_number(), 3.0f);
    EXPECT_EQ(set.read_number(), 4.0f);  // runs on into the next record
    EXPECT_EQ(set.read_text(), "赤城");    // and into the next group
    set.restore_data("BuiltInTables");
    EXPECT_EQ(set.read_text(), "赤城");
    EXPECT_EQ(set.read_text(), "  3X3  (8) ");
    EXPECT_EQ(set.read_text(), "950?");
    EXPECT_EQ(set.read_text(), "");
    EXPECT_EQ(set.read_text(), "a,\"b\"");
    EXPECT_EQ(error_number_of([&] { set.read_text(); }), 4);
    set.restore_data("MapOutline");
    EXPECT_EQ(set.read_text(), "1");  // a number item read as text gives its text
    set.restore_data();
    EXPECT_EQ(set.read_number(), 1.0f);
}

TEST(Records, TextIntoANumberIsErrorThirteenAndThePositionStays) {
    con::RecordSet set("t.txt", "ABC,5\n");
    float v = 0;
    EXPECT_EQ(error_number_of([&] { set.read_data(v); }), 13);
    EXPECT_EQ(set.read_text(), "ABC");
    EXPECT_EQ(set.read_number(), 5.0f);
}

TEST(Records, ANumberTooLargeForAFloatIsErrorSixAndThePositionStays) {
    con::RecordSet set("t.txt", "1E+40,-3.5E+38,3.40282E+38\n");
    float v = 0;
    EXPECT_EQ(error_number_of([&] { set.read_data(v); }), 6);
    EXPECT_EQ(set.read_text(), "1E+40");
    EXPECT_EQ(error_number_of([&] { set.read_data(v); }), 6);
    EXPECT_EQ(set.read_text(), "-3.5E+38");
    EXPECT_EQ(set.read_number(), 3.40282e38f);
}

TEST(Records, LineEndsOfEveryKind) {
    struct Case {
        const char* name;
        const char* text;
        std::size_t items;
    };
    for (const Case& c : {Case{"LF", "1,2\n3\n", 3}, Case{"CRLF", "1,2\r\n3\r\n", 3}, Case{"CR only inside", "1,2\r\n3", 3},
                          Case{"no final line end", "1,2\n3", 3}, Case{"empty file", "", 0}}) {
        con::RecordSet set(c.name, c.text);
        EXPECT_EQ(set.remaining(), c.items) << c.name;
        for (std::size_t i = 0; i < c.items; ++i) EXPECT_EQ(set.read_number(), static_cast<float>(i + 1)) << c.name;
        EXPECT_EQ(error_number_of([&] { set.read_number(); }), 4) << c.name;
    }
}

TEST(Records, MalformedFilesAndUnknownGroupsFailLoudly) {
    try {
        con::RecordSet set("bad.txt", "1,2\n\"open\n");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "bad.txt:2: unclosed quote");
    }
    con::RecordSet set("g.txt", "@A\n1\n");
    EXPECT_THROW(set.restore_data("B"), std::out_of_range);
}

TEST(Records, SeveralFilesFormOneSet) {
    std::vector<std::pair<std::string, std::string_view>> files = {{"a.txt", "@First\n1\n"}, {"b.txt", "@Second\n2\n"}};
    con::RecordSet set(files);
    set.restore_data("Second");
    EXPECT_EQ(set.read_number(), 2.0f);
    set.restore_data("First");
    EXPECT_EQ(set.read_number(), 1.0f);
    EXPECT_EQ(set.read_number(), 2.0f);
    EXPECT_EQ(set.where(), "b.txt:2 (end)");
}

}  // namespace
