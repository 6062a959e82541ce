// The built-in tables' self-check: it passes on the stored records and names what is wrong
// in a record set that does not keep the shape the readers rely on.
#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/gunnery/gunnery_harness.h"

namespace {

// The stored records with one text replaced in one file.
kelmat::RecordFiles edited(const std::string& file, const std::string& from, const std::string& to) {
    kelmat::RecordFiles files = kelmat::stored_record_files();
    for (auto& [name, text] : files) {
        if (name != file) continue;
        auto pos = text.find(from);
        EXPECT_NE(pos, std::string::npos) << from;
        if (pos != std::string::npos) text.replace(pos, from.size(), to);
    }
    return files;
}

std::string check_failure(const kelmat::RecordFiles& files) {
    con::RecordSet data = kelmat::records_from(files);
    try {
        kelmat::check_stored_records(data);
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "";
}

TEST(StoredTables, TheBuiltInRecordsPassTheirCheck) {
    EXPECT_EQ(check_failure(kelmat::stored_record_files()), "");
}

struct BrokenCase {
    const char* name;
    const char* file;
    const char* from;
    const char* to;
    const char* message;
};

TEST(StoredTables, CheckNamesWhatIsWrong) {
    const BrokenCase cases[] = {
        {"a ship count that no longer matches the names", "06_design_counts.txt", "\n2,4,1,4,4,4,2,2,2,2,4,2",
         "\n2,4,1,4,4,4,2,2,2,2,5,2", "add up to 352"},
        {"a ship name over 20 bytes", "05_ship_names.txt", "ALASKA,", "ALASKAALASKAALASKAXYZ,", "longer than 20"},
        {"a twelve-byte text on row 23", "02_reference_texts.txt", "760?,720?,680,250?,280,250?,200",
         "760?,720?,680,250?,280,250?,200+100+1000", "ReferenceDeck1 item 22"},
        {"a class name over 23 bytes", "01_class_names.txt", "GANGUT(4)", "GANGUTGANGUTGANGUTGANGUT",
         "ClassNames5 item 16"},
        {"a group one item short", "07_calibre_names.txt", ",26/50", "", "CalibreNames holds 35"},
        {"a gun type outside 1-36", "09_design_values.txt", "26,23,21,23,21", "37,23,21,23,21", "gun type"},
        {"a novelist name running into the calibre", "12_viewer_names.txt", ",錨谷剛,", ",錨谷剛剛剛,",
         "NovelistNames item 2"},
        {"a nation's name past the row's end", "12_viewer_names.txt", "オルセア王国", "オルセア王国王", "NationName item 1"},
        {"the viewer's names one short", "12_viewer_names.txt", ",水雷洋子", "", "NovelistNames holds 5"},
    };
    for (const auto& c : cases) {
        std::string message = check_failure(edited(c.file, c.from, c.to));
        EXPECT_NE(message.find(c.message), std::string::npos) << c.name << ": " << message;
    }
}

}  // namespace
