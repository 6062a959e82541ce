// Scenario files: the exact layout written, the reload into the same fleet record, the name
// rules, and the disk errors with their messages and where each dialogue goes on.
#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>

#include "console/file_system.h"
#include "tests/gunnery/gunnery_harness.h"

using kelmat::A_DECK;
using kelmat::A_DISPLACEMENT;
using kelmat::A_RATIO;
using kelmat::A_SPEED;
using kelmat::Block;
using kelmat::Kelmat;
using kelmat_test::Harness;
using testing_support::read_file;
using testing_support::ScopedTempDir;
using testing_support::write_file;

namespace {

// Two Nagato-class ships for BLUE (Japan), one Dreadnought for RED (Britain), and a value
// left beyond BLUE's count by an earlier scenario.
void small_fleet(Kelmat& s) {
    s.BLUE_COUNT = 2;
    s.BLUE_NAVY = 1;
    s.RED_COUNT = 1;
    s.RED_NAVY = 3;
    const float nagato[] = {338, 21, 4, 0, 285, 123, 27, 100};
    const float dreadnought[] = {186, 7, 11, 0, 225, 81, 21, 100};
    for (int i = 0; i < 8; ++i) {
        s.A(0, 1, kelmat::kScenarioFields[i]) = nagato[i];
        s.A(0, 2, kelmat::kScenarioFields[i]) = nagato[i];
        s.A(1, 1, kelmat::kScenarioFields[i]) = dreadnought[i];
    }
    s.A(0, 46, A_DISPLACEMENT) = 670;
    s.M(0, 1) = "長門";
    s.M(0, 2) = "陸奥";
    s.M(1, 1) = "DREADNOUGHT";
}

std::string number_line(float v) {
    std::string digits = std::to_string(static_cast<long>(v < 0 ? -v : v));
    return (v < 0 ? "-" : " ") + digits + " \r\n";
}

// The file as it must be: counts and navies, eight fields of ships 1-46 of both sides, the
// 92 names; numbers in the printed form, names as their CP932 text.
std::string expected_file(Kelmat& s) {
    std::string out;
    for (float v : {s.BLUE_COUNT, s.BLUE_NAVY, s.RED_COUNT, s.RED_NAVY}) out += number_line(v);
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 46; ++ship)
            for (int f : kelmat::kScenarioFields) out += number_line(s.A(side, ship, f));
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 46; ++ship) out += con::to_cp932(s.M(side, ship)) + "\r\n";
    return out;
}

TEST(ScenarioFile, WrittenInTheExactLayout) {
    ScopedTempDir dir;
    Harness h;
    small_fleet(h.s());
    auto run = h.run("a{ENTER}", Block::WriteScenario);
    EXPECT_EQ(h.current_block(), Block::MainMenu);
    std::string bytes = read_file("A-DATA.DAT");
    EXPECT_EQ(bytes, expected_file(h.s()));
    EXPECT_EQ(bytes.substr(0, 20), " 2 \r\n 1 \r\n 1 \r\n 3 \r\n");
    // Line 737 is BLUE ship 1's name: "長門" in CP932, then CR LF.
    EXPECT_NE(bytes.find(std::string("\r\n\x92\xb7\x96\xe5\r\n")), std::string::npos);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 832);
}

TEST(ScenarioFile, ReloadedIntoTheSameFleetRecord) {
    ScopedTempDir dir;
    Harness writer;
    small_fleet(writer.s());
    writer.run("A{ENTER}", Block::WriteScenario);
    Harness reader;
    reader.run("a{ENTER}", Block::LoadScenario);
    // The load returns to the battle launch, which starts the battle.
    EXPECT_EQ(reader.current_block(), Block::BattleFight);
    Kelmat& a = writer.s();
    Kelmat& b = reader.s();
    EXPECT_EQ(b.BLUE_COUNT, 2);
    EXPECT_EQ(b.RED_NAVY, 3);
    EXPECT_EQ(b.BATTLE_BLUE_COUNT, 2);
    EXPECT_EQ(b.BATTLE_RED_COUNT, 1);
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 46; ++ship) {
            for (int f : kelmat::kScenarioFields) EXPECT_EQ(b.A(side, ship, f), a.A(side, ship, f));
            EXPECT_EQ(b.M(side, ship), a.M(side, ship));
        }
    EXPECT_EQ(b.DISK_OP_IS_LOAD, 1);
}

struct NameCase {
    const char* name;
    const char* keys;
    const char* file;  // "" when nothing is written
    Block ends_at;
};

TEST(ScenarioFile, NameRules) {
    const NameCase cases[] = {
        {"a word is named by its first letter", "Alpha{ENTER}", "A-DATA.DAT", Block::MainMenu},
        {"lower case folds to upper case", "a1{ENTER}", "A-DATA.DAT", Block::MainMenu},
        {"a digit 1-9", "7{ENTER}", "7-DATA.DAT", Block::MainMenu},
        {"0 and an empty answer go nowhere; 05 is refused", "{ENTER}05{ENTER}b{ENTER}", "B-DATA.DAT", Block::MainMenu},
        {"no double-byte, blank or sign first", "あ{ENTER} A{ENTER}#{ENTER}c{ENTER}", "C-DATA.DAT", Block::MainMenu},
        {"0 returns to the menu", "0{ENTER}", "", Block::MainMenu},
    };
    for (const auto& c : cases) {
        ScopedTempDir dir;
        Harness h;
        small_fleet(h.s());
        h.run(c.keys, Block::WriteScenario);
        EXPECT_EQ(h.current_block(), c.ends_at) << c.name;
        if (*c.file) {
            EXPECT_EQ(read_file(c.file).size(), expected_file(h.s()).size()) << c.name;
        }
        int files = 0;
        for (const char* f : {"A-DATA.DAT", "B-DATA.DAT", "C-DATA.DAT", "7-DATA.DAT", "0-DATA.DAT"})
            files += con::byte_length(read_file(f)) > 0;
        EXPECT_EQ(files, *c.file ? 1 : 0) << c.name;
    }
}

TEST(ScenarioFile, AnExistingNameIsRefusedAndTheFileKept) {
    ScopedTempDir dir;
    write_file("A-DATA.DAT", "kept");
    Harness h;
    small_fleet(h.s());
    h.run("A{ENTER}", Block::WriteScenario);
    EXPECT_EQ(h.current_block(), Block::WriteScenario) << "the name screen again";
    EXPECT_EQ(read_file("A-DATA.DAT"), "kept");
    h.run("a{ENTER}B{ENTER}", Block::WriteScenario);
    EXPECT_EQ(read_file("A-DATA.DAT"), "kept");
    EXPECT_EQ(read_file("B-DATA.DAT"), expected_file(h.s()));
    EXPECT_EQ(h.current_block(), Block::MainMenu);
}

struct FaultCase {
    const char* name;
    con::FileOp op;
    int host_errno;
    Block start;
    Block ends_at;
};

// Each fault ends the script at the block where the dialogue goes on, with no scenario file
// and no partial file left behind.
TEST(ScenarioFile, DiskErrorsWhileWritingAndReading) {
    const FaultCase cases[] = {
        {"disk full at the open (67)", con::FileOp::OpenOutput, ENOSPC, Block::WriteScenario, Block::WriteScenario},
        {"disk full while writing (67)", con::FileOp::Write, ENOSPC, Block::WriteScenario, Block::WriteScenario},
        {"disk full at the close (67)", con::FileOp::Close, ENOSPC, Block::WriteScenario, Block::WriteScenario},
        {"write-protected (73)", con::FileOp::OpenOutput, EROFS, Block::WriteScenario, Block::WriteScenario},
        {"not ready while writing (72)", con::FileOp::OpenOutput, EIO, Block::WriteScenario, Block::WriteScenario},
        {"device unavailable while writing (60)", con::FileOp::OpenOutput, ENXIO, Block::WriteScenario,
         Block::WriteScenario},
        {"not ready while reading (72): the menu", con::FileOp::OpenInput, EIO, Block::LoadScenario, Block::MainMenu},
        {"device unavailable while reading (60): the loader again", con::FileOp::OpenInput, ENXIO,
         Block::LoadScenario, Block::LoadScenario},
        {"not ready part-way through reading (72)", con::FileOp::Read, EIO, Block::LoadScenario, Block::MainMenu},
    };
    for (const auto& c : cases) {
        ScopedTempDir dir;
        if (c.start == Block::LoadScenario) {
            Harness writer;
            small_fleet(writer.s());
            writer.run("Z{ENTER}", Block::WriteScenario);
        }
        Harness h;
        h.s().BLUE_COUNT = 9;
        h.before = [&c] { con::current().files().inject_failure(c.op, c.host_errno); };
        std::string keys = c.start == Block::LoadScenario ? "Z{ENTER}" : "A{ENTER}";
        h.run(keys, c.start);
        EXPECT_EQ(h.current_block(), c.ends_at) << c.name;
        EXPECT_EQ(read_file("A-DATA.DAT"), "") << c.name;
        EXPECT_EQ(read_file("~A-DATA.DAT.partial"), "") << c.name;
        EXPECT_EQ(h.s().BLUE_COUNT, 9) << c.name << ": a failed load takes nothing";
    }
}

struct BadFileCase {
    const char* name;
    std::string bytes;
};

// The file with its line `index` (0-based) replaced by `text`.
std::string with_line(const std::string& file, int index, const std::string& text) {
    std::size_t begin = 0;
    for (int i = 0; i < index; ++i) begin = file.find("\r\n", begin) + 2;
    return file.substr(0, begin) + text + file.substr(file.find("\r\n", begin));
}

TEST(ScenarioFile, AShortOrMalformedFileIsReportedAsNoScenario) {
    std::string whole;
    {
        ScopedTempDir dir;
        Harness writer;
        small_fleet(writer.s());
        writer.run("A{ENTER}", Block::WriteScenario);
        whole = read_file("A-DATA.DAT");
    }
    const BadFileCase cases[] = {
        {"ends early", whole.substr(0, 300)},
        {"empty", ""},
        {"a malformed number", " 2 \r\n x1 \r\n" + whole.substr(10)},
        {"a count out of range", " 47 \r\n" + whole.substr(5)},
        {"a fractional count", " 2.5 \r\n" + whole.substr(5)},
        {"a navy out of range", " 2 \r\n 6 \r\n" + whole.substr(10)},
        {"an overflowing number", " 1E+40 \r\n" + whole.substr(5)},
        {"a sloped-belt flag of 2", with_line(whole, 7, " 2 ")},
        {"a belt below 0", with_line(whole, 8, "-100 ")},
        {"a deck below 0", with_line(whole, 9, "-1 ")},
        // Line 4 + 8 x (ship - 1) + field: BLUE ship 1's fields are lines 4-11.
        {"a displacement above a proper 999,900 t", with_line(whole, 4, " 10000 ")},
        {"a gun type 0 on a counted ship", with_line(whole, 5, " 0 ")},
        {"a gun type beyond 36", with_line(whole, 5, " 36.5 ")},
        {"a layout beyond 22", with_line(whole, 6, " 23 ")},
        {"a sloped-belt flag of a half", with_line(whole, 7, " .5 ")},
        {"a belt thinner than the designer stores", with_line(whole, 8, " 42 ")},
        {"a belt thicker than the designer stores", with_line(whole, 8, " 1167 ")},
        {"a fractional belt", with_line(whole, 8, " 285.5 ")},
        {"a deck thicker than the designer stores", with_line(whole, 9, " 881 ")},
        {"a speed below 15 kt", with_line(whole, 10, " 14 ")},
        {"a speed above 60 kt", with_line(whole, 10, " 61 ")},
        {"a fractional ratio", with_line(whole, 11, " 99.5 ")},
        {"a ratio below 0", with_line(whole, 11, "-1 ")},
        {"a ship beyond the count faster than any", with_line(whole, 4 + 8 * 45 + 6, " 61 ")},
        {"a ship beyond the count below 0", with_line(whole, 4 + 8 * 45, "-1 ")},
        {"a name longer than any stored one", with_line(whole, 4 + 8 * 92, std::string(21, 'A'))},
        {"a name with a control byte", with_line(whole, 4 + 8 * 92, "A\x01B")},
    };
    for (const auto& c : cases) {
        ScopedTempDir dir;
        write_file("A-DATA.DAT", c.bytes);
        Harness h;
        h.s().A(1, 1, A_DISPLACEMENT) = 555;
        auto run = h.run("A{ENTER}", Block::LoadScenario);
        EXPECT_EQ(run.text_at(24, 14, 28), "その名のシナリオはありません") << c.name;
        EXPECT_EQ(run.text_at(33, 18, 11), "Hit Any Key") << c.name;
        EXPECT_EQ(h.s().A(1, 1, A_DISPLACEMENT), 555) << c.name << ": nothing of the file is taken";
        EXPECT_EQ(h.s().BLUE_COUNT, 0) << c.name;
        h.run("A{ENTER}x", Block::LoadScenario);
        EXPECT_EQ(h.current_block(), Block::LoadScenario) << c.name << ": the name is asked again";
    }
}

TEST(ScenarioFile, MissingFileAndTheWayBackToTheMenu) {
    ScopedTempDir dir;
    Harness h;
    auto run = h.run("Q{ENTER}", Block::LoadScenario);
    EXPECT_EQ(run.text_at(24, 14, 28), "その名のシナリオはありません");
    EXPECT_EQ(run.colour_at(24, 14), 3);
    EXPECT_EQ(run.text_at(23, 16, 33), "( ＭＥＮＵに戻るときは 0 を入力 )");
    EXPECT_EQ(run.colour_at(23, 16), 7);
    EXPECT_EQ(run.colour_at(33, 18), 4);
    EXPECT_EQ(run.text_at(22, 5, 34), "ディスクからシナリオを読み込みます") << "on the loader's own screen";
    h.run("Q{ENTER}x0{ENTER}", Block::LoadScenario);
    EXPECT_EQ(h.current_block(), Block::MainMenu);
}

}  // namespace

namespace {

TEST(ScenarioFile, FractionsAndNegativesKeepTheirPrintedForm) {
    ScopedTempDir dir;
    Harness writer;
    small_fleet(writer.s());
    writer.s().A(0, 1, A_SPEED) = 27.5f;
    writer.s().A(0, 1, A_RATIO) = 0.75f;
    writer.s().A(1, 46, A_SPEED) = -3;
    writer.s().A(0, 2, A_DISPLACEMENT) = 1234567;
    writer.run("F{ENTER}", Block::WriteScenario);
    std::string bytes = read_file("F-DATA.DAT");
    EXPECT_NE(bytes.find("\r\n 27.5 \r\n .75 \r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n-3 \r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n 1.23457E+06 \r\n"), std::string::npos);
}

TEST(ScenarioFile, TypedFractionsComeBack) {
    ScopedTempDir dir;
    Harness writer;
    small_fleet(writer.s());
    // The designer takes typed fractions for the planned displacement, gun, layout and speed.
    const float typed[] = {80.5f, 2.5f, 3.5f, 0, 285, 123, 27.5f, 100};
    for (int i = 0; i < 8; ++i) writer.s().A(0, 2, kelmat::kScenarioFields[i]) = typed[i];
    writer.run("F{ENTER}", Block::WriteScenario);
    Harness reader;
    reader.run("F{ENTER}", Block::LoadScenario);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(reader.s().A(0, 2, kelmat::kScenarioFields[i]), typed[i]) << i;
}

TEST(ScenarioFile, EveryRealClassLiesWithinTheLoadersRanges) {
    auto s = kelmat_test::started();
    testing_support::ScopedConsole console;
    kelmat::LOAD_REAL_CLASS_TABLES(*s);
    int stored = 0;
    for (int navy = 1; navy <= 5; ++navy) {
        s->BLUE_NAVY = static_cast<float>(navy);
        kelmat::LOAD_CLASS_VALUES(*s);
        for (int c = 1; c <= 22; ++c)
            for (int as_built = 0; as_built <= 1; ++as_built) {
                if (as_built == 1 && s->K(navy + kelmat::K_AS_BUILT_ROWS, c, kelmat::K_HAS_AS_BUILT) != 1) continue;
                s->SIDE_NO = 0;
                s->BLUE_COUNT = 1;
                s->SHIP_NO = 1;
                s->SISTER_COUNT = 0;
                s->SHIP_SOURCE = 0;
                s->CLASS_NAVY = static_cast<float>(navy);
                s->CLASS_NO = static_cast<float>(c);
                s->LOOP_I = static_cast<float>(c);
                kelmat::CLASS_ERA(*s);
                s->DESIGN_ERA = s->CLASS_ERA_NO;
                s->SHIP_IS_AS_BUILT = static_cast<float>(as_built);
                s->DESIGN_DISPLACEMENT = s->K(as_built * kelmat::K_AS_BUILT_ROWS + navy, c, kelmat::K_DISPLACEMENT);
                kelmat::STORE_DISPLACEMENT(*s);
                ++stored;
                for (int i = 0; i < 8; ++i) {
                    const float v = s->A(0, 1, kelmat::kScenarioFields[i]);
                    const auto& r = kelmat::kScenarioRanges[i];
                    EXPECT_TRUE(v >= r.least && v <= r.most && (!r.whole || v == std::floor(v)))
                        << "navy " << navy << " class " << c << (as_built ? " as built" : "") << " field " << i << ": " << v;
                }
                EXPECT_LE(con::byte_length(s->M(0, 1)), kelmat::kMostShipNameBytes);
            }
    }
    EXPECT_GT(stored, 110) << "every class of the five navies, and the as-built states";
}

}  // namespace
