// The stored class data of the five navies, loaded through the program's own readers: the
// shape of its records, the relations between design numbers, value columns and reference
// texts, the rows and worked examples that fix single values, and the paths of the program
// that already use the data (real ships taken unchanged, class eras, main-battery weights).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "tests/gunnery/gunnery_harness.h"

using kelmat::F_BELT;
using kelmat::F_BUILD_STATE;
using kelmat::F_DECK;
using kelmat::F_DISPLACEMENT;
using kelmat::F_GUN_TYPE;
using kelmat::F_SPEED;
using kelmat::F_YEAR;
using kelmat::K_AS_BUILT_ROWS;
using kelmat::K_BELT;
using kelmat::K_DECK;
using kelmat::K_DISPLACEMENT;
using kelmat::K_GUN_TYPE;
using kelmat::K_HAS_AS_BUILT;
using kelmat::K_LAYOUT;
using kelmat::K_SHIP_COUNT;
using kelmat::K_SPEED;
using kelmat::Kelmat;
using kelmat::Z_BATTERY_WEIGHT;

namespace {

constexpr const char* kGroups[6] = {"Displacement", "Calibre", "Layout", "Speed", "Belt", "Deck"};
enum RefGroup { kDisp, kCalibre, kLayout, kSpeed, kBelt, kDeck };

// Items per record of each navy's class-name lists, reference texts and value columns.
const std::vector<int> kSplits[6] = {{}, {15, 7}, {17, 5}, {22}, {16, 6}, {7, 5, 4, 6}};
// The last real class of each navy; the classes after it are fictional.
constexpr int kLastReal[6] = {0, 15, 17, 22, 16, 16};

bool fictional(int navy, int c) { return c > kLastReal[navy]; }

// What one navy's stored records give to their readers, kept per navy (the program's own
// tables NM, DS and ESTIMATE_FLAGS hold the navy loaded last only).
struct NavyRecords {
    std::string names[23];      // NM after LOAD_CLASS_RECORDS
    std::string refs[6][23];    // reference texts, read from the displacement group on
    std::string items[7][23];   // value items as stored, read from the value columns' start
    float estimate[7][23] = {};  // ESTIMATE_FLAGS after LOAD_CLASS_VALUES
    float overlay[23] = {};     // the belt overlay's record
};

struct Loaded {
    std::unique_ptr<Kelmat> state = kelmat::make_state();  // runs the load-time self-check
    NavyRecords navy[6];
    Kelmat& s() { return *state; }
};

// Loads everything the way the program does: start-up tables, the real-class tables of the
// scenario set-up, and each navy's class records and values.
std::unique_ptr<Loaded> load() {
    auto d = std::make_unique<Loaded>();
    Kelmat& s = d->s();
    kelmat_test::start_up(s);
    kelmat::LOAD_REAL_CLASS_TABLES(s);
    for (int n = 1; n <= 5; ++n) {
        NavyRecords& r = d->navy[n];
        s.BLUE_NAVY = static_cast<float>(n);
        kelmat::LOAD_CLASS_RECORDS(s);
        for (int c = 1; c <= 22; ++c) {
            r.names[c] = s.NM(c);
            for (int f = 1; f <= 6; ++f) r.estimate[f][c] = s.ESTIMATE_FLAGS(f, c);
        }
        // The designer starts at the displacement group and runs on through the other five.
        s.data.restore_data("ReferenceDisplacement" + std::to_string(n));
        for (int g = 0; g < 6; ++g)
            for (int c = 1; c <= 22; ++c) r.refs[g][c] = s.data.read_text();
        s.data.restore_data("ClassValues" + std::to_string(n));
        for (int f = 1; f <= 6; ++f)
            for (int c = 1; c <= 22; ++c) r.items[f][c] = s.data.read_text();
        s.data.restore_data("BeltOverlay" + std::to_string(n));
        for (int c = 1; c <= 22; ++c) r.overlay[c] = s.data.read_number();
    }
    return d;
}

// The sizes of the records that hold the next `count` items (one line is one record).
std::vector<int> record_sizes(con::RecordSet& data, std::size_t count) {
    std::vector<int> sizes;
    int last_line = -1;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string w = data.where();
        const int line = std::stoi(w.substr(w.rfind(':') + 1));
        if (line != last_line) sizes.push_back(0);
        ++sizes.back();
        last_line = line;
        data.read_text();
    }
    return sizes;
}

std::vector<int> repeated(const std::vector<int>& v, int times) {
    std::vector<int> out;
    for (int i = 0; i < times; ++i) out.insert(out.end(), v.begin(), v.end());
    return out;
}

std::string without(std::string t, const std::string& part) {
    for (auto p = t.find(part); p != std::string::npos; p = t.find(part)) t.erase(p, part.size());
    return t;
}

std::string without_unit(const std::string& t) { return without(without(t, "  KT"), "  MM"); }

// The as-built and the final state of a reference text ("33800>39100"); one value for both.
std::pair<std::string, std::string> states(const std::string& t) {
    const auto p = t.find('>');
    if (p == std::string::npos) return {t, t};
    return {t.substr(0, p), t.substr(p + 1)};
}

// The sum of an armour text's layers: "410+ (437-)" 410, "75+69" 144, "320+100" 420, "30?" 30.
long layers(const std::string& t) {
    long sum = 0;
    std::string part;
    const std::string text = t.substr(0, t.find(' ')) + "+";
    for (char ch : text) {
        if (ch == '+') {
            if (!part.empty()) sum += std::stol(part);
            part.clear();
        } else if (ch >= '0' && ch <= '9') {
            part += ch;
        }
    }
    return sum;
}

// A gun name as the calibre texts give it: without the model word ("14/45旧式" -> "14/45").
std::string calibre(const std::string& g) { return without(without(g, "旧式"), "新式"); }

// The turret groups of a layout, from the layout table: the larger turrets first, a single
// turret as its bare gun count ("3X2+2X2" for layout 12, "4X2+2" for layout 13).
std::string layout_groups(Kelmat& s, float layout) {
    int turrets[5] = {};
    for (int i = 1; i <= 6; ++i) ++turrets[static_cast<int>(s.L(layout, i)) / 10];
    std::string out;
    for (int guns = 4; guns >= 2; --guns) {
        if (turrets[guns] == 0) continue;
        if (!out.empty()) out += "+";
        out += std::to_string(guns);
        if (turrets[guns] > 1) out += "X" + std::to_string(turrets[guns]);
    }
    return out;
}

// The regular form of a layout text: groups, two blanks before a one-digit number, one
// before a two-digit one, the layout number in brackets ("3X3  (8)", "2X5 (10)").
std::string layout_text(Kelmat& s, float layout) {
    const int n = static_cast<int>(layout);
    return layout_groups(s, layout) + (n < 10 ? "  (" : " (") + std::to_string(n) + ")";
}

bool flagged(Kelmat& s, int n, int c) { return s.K(n + K_AS_BUILT_ROWS, c, K_HAS_AS_BUILT) == 1; }

TEST(ClassData, RecordsSplitAsTheNavyLists) {
    auto d = load();
    con::RecordSet& data = d->s().data;
    for (int n = 1; n <= 5; ++n) {
        const std::string navy = std::to_string(n);
        data.restore_data("ClassNames" + navy);
        const std::vector<int> name_split = n == 3 ? std::vector<int>{11, 11} : kSplits[n];
        EXPECT_EQ(record_sizes(data, 22), name_split) << "class names " << n;
        data.restore_data("ReferenceDisplacement" + navy);
        EXPECT_EQ(record_sizes(data, 6 * 22), repeated(kSplits[n], 6)) << "reference texts " << n;
        data.restore_data("ClassValues" + navy);
        EXPECT_EQ(record_sizes(data, 6 * 22), repeated(kSplits[n], 6)) << "value columns " << n;
    }
    data.restore_data("DesignCounts");
    EXPECT_EQ(record_sizes(data, 10 * 22), repeated({22}, 10));
    // 30 final records and 25 as-built ones, read from one start across the gun-record groups.
    data.restore_data("DesignValues");
    EXPECT_EQ(record_sizes(data, 55 * 22), repeated({22}, 55));
}

TEST(ClassData, NumberRecordsHoldWholeNumbers) {
    struct Group {
        const char* name;
        int items;
    };
    const Group groups[] = {{"DesignCounts", 220}, {"DesignValues", 55 * 22}, {"GunData", 6 * 36},
                            {"GunLabelOrder", 72}, {"BeltOverlay1", 5 * 22}, {"TurretLayouts", 22 * 7 + 22}};
    auto d = load();
    con::RecordSet& data = d->s().data;
    for (const auto& g : groups) {
        data.restore_data(g.name);
        for (int i = 1; i <= g.items; ++i) {
            const float v = data.read_number();
            EXPECT_EQ(v, con::int_floor(con::L(v))) << g.name << " item " << i;
            EXPECT_GE(v, 0) << g.name << " item " << i;
        }
    }
    EXPECT_GT(d->s().K(1, 1, K_DISPLACEMENT), 0) << "the set-up loads the real-class tables while this is 0";
}

TEST(ClassData, TextsWithinTheirBytes) {
    auto d = load();
    Kelmat& s = d->s();
    long longest = 0;
    for (int n = 1; n <= 5; ++n)
        for (int c = 1; c <= 22; ++c) {
            const NavyRecords& r = d->navy[n];
            EXPECT_LE(con::byte_length(r.names[c]), 23) << n << "," << c;
            longest = std::max(longest, con::byte_length(r.names[c]));
            // Class 22's texts stand on the last row, whose last column stays unwritten.
            for (int g = 0; g < 6; ++g)
                EXPECT_LE(con::byte_length(r.refs[g][c]), c == 22 ? 11 : 12) << n << "," << c << " " << kGroups[g];
            for (int m = 1; m <= s.K(n, c, K_SHIP_COUNT); ++m)
                EXPECT_LE(con::byte_length(s.N(n, c, m)), 20) << s.N(n, c, m);
        }
    EXPECT_EQ(longest, 23) << "the longest class names fill the viewer's 23 columns";
}

TEST(ClassData, ShipCountsAndNames) {
    auto d = load();
    Kelmat& s = d->s();
    const int per_navy[6] = {0, 62, 81, 73, 72, 63};
    for (int n = 1; n <= 5; ++n) {
        int names = 0;
        for (int c = 1; c <= 22; ++c) {
            const int count = static_cast<int>(s.K(n, c, K_SHIP_COUNT));
            ASSERT_TRUE(count >= 1 && count <= 8) << n << "," << c;
            std::set<std::string> distinct;
            for (int m = 1; m <= count; ++m) {
                EXPECT_FALSE(s.N(n, c, m).empty()) << n << "," << c << " ship " << m;
                distinct.insert(s.N(n, c, m));
            }
            EXPECT_EQ(distinct.size(), static_cast<std::size_t>(count)) << "names repeat in " << n << "," << c;
            names += count;
            // The invented classes show their own ship count in brackets ("(?)" when unsure,
            // none for a single ship).
            if (!fictional(n, c)) continue;
            const std::string& name = d->navy[n].names[c];
            const auto open = name.find('(');
            if (open == std::string::npos) {
                EXPECT_EQ(count, 1) << name;
            } else if (name.substr(open) != "(?)") {
                EXPECT_EQ(name.substr(open), "(" + std::to_string(count) + ")") << name;
            }
        }
        EXPECT_EQ(names, per_navy[n]) << "navy " << n;
    }
    // The count-driven reading ends exactly where the names end.
    s.data.restore_data("ShipNames");
    for (int i = 0; i < 351; ++i) s.data.read_text();
    const std::size_t after = s.data.remaining();
    s.data.restore_data("DesignCounts");
    EXPECT_EQ(after, s.data.remaining());
}

TEST(ClassData, AsBuiltFlagExactlyWhereTheStatesDiffer) {
    const std::set<std::pair<int, int>> offered = {{1, 8}, {1, 9},  {1, 10}, {1, 11}, {2, 8},  {2, 9},
                                                   {2, 10}, {2, 11}, {2, 12}, {2, 13}, {2, 14}, {2, 15},
                                                   {2, 21}, {2, 22}, {3, 9},  {3, 10}, {3, 11}, {5, 11},
                                                   {5, 16}};
    auto d = load();
    Kelmat& s = d->s();
    for (int n = 1; n <= 5; ++n)
        for (int c = 1; c <= 22; ++c) {
            bool differ = false;
            for (int f : {K_DISPLACEMENT, K_GUN_TYPE, K_LAYOUT, K_DECK, K_SPEED})
                differ = differ || s.K(n + K_AS_BUILT_ROWS, c, f) != s.K(n, c, f);
            EXPECT_EQ(flagged(s, n, c), offered.count({n, c}) == 1) << n << "," << c;
            EXPECT_EQ(flagged(s, n, c), differ) << n << "," << c << ": the as-built row";
            EXPECT_EQ(s.K(n + K_AS_BUILT_ROWS, c, K_BELT), 0) << "no as-built belt";
        }
}

TEST(ClassData, ArrowsInReferenceTextsExactlyWhereTheStatesDiffer) {
    auto d = load();
    Kelmat& s = d->s();
    for (int n = 1; n <= 5; ++n)
        for (int c = 1; c <= 22; ++c) {
            const std::string(&refs)[6][23] = d->navy[n].refs;
            auto differs = [&](int f) { return flagged(s, n, c) && s.K(n + K_AS_BUILT_ROWS, c, f) != s.K(n, c, f); };
            const bool calibre_differs = flagged(s, n, c) && calibre(s.G(s.K(n + K_AS_BUILT_ROWS, c, K_GUN_TYPE))) !=
                                                                 calibre(s.G(s.K(n, c, K_GUN_TYPE)));
            const struct {
                RefGroup group;
                bool differ;
            } cases[] = {{kDisp, differs(K_DISPLACEMENT)},
                         {kCalibre, calibre_differs},
                         {kLayout, differs(K_LAYOUT)},
                         {kSpeed, differs(K_SPEED)},
                         {kDeck, differs(K_DECK)}};
            for (const auto& k : cases)
                EXPECT_EQ(refs[k.group][c].find('>') != std::string::npos, k.differ)
                    << n << "," << c << " " << kGroups[k.group] << " \"" << refs[k.group][c] << "\"";
            // The belt has one design number for both states; only a refitted class tells two.
            if (!flagged(s, n, c)) {
                EXPECT_EQ(refs[kBelt][c].find('>'), std::string::npos) << n << "," << c;
            }
        }
}

TEST(ClassData, ReferenceTextsAgreeWithTheDesignNumbers) {
    auto d = load();
    Kelmat& s = d->s();
    for (int n = 1; n <= 5; ++n)
        for (int c = 1; c <= 22; ++c) {
            const NavyRecords& r = d->navy[n];
            const std::string where = std::to_string(n) + "," + std::to_string(c);
            auto number = [](const std::string& t) { return std::stol(without(t, "?")); };
            // Displacement texts in tons, speed texts in knots, as built > final.
            // Navy 5's class 11 keeps 22700 t as built, as its value column does.
            auto [disp_built, disp_final] = states(r.refs[kDisp][c]);
            if (!(n == 5 && c == 11)) {
                EXPECT_EQ(number(disp_built), s.K(n + K_AS_BUILT_ROWS, c, K_DISPLACEMENT) * 100) << where;
            }
            EXPECT_EQ(number(disp_final), s.K(n, c, K_DISPLACEMENT) * 100) << where;
            auto [speed_built, speed_final] = states(without_unit(r.refs[kSpeed][c]));
            EXPECT_EQ(number(speed_built), s.K(n + K_AS_BUILT_ROWS, c, K_SPEED)) << where;
            EXPECT_EQ(number(speed_final), s.K(n, c, K_SPEED)) << where;
            // Calibres as the gun names, the model shortened to one character or left out.
            auto [gun_built, gun_final] = states(r.refs[kCalibre][c]);
            for (auto [text, gun] : {std::pair{gun_built, s.K(n + K_AS_BUILT_ROWS, c, K_GUN_TYPE)},
                                     std::pair{gun_final, s.K(n, c, K_GUN_TYPE)}})
                EXPECT_EQ(without(without(without(text, "?"), "新"), "旧"), calibre(s.G(gun))) << where;
            // Belt and deck texts begin with the value columns' thicknesses.
            EXPECT_EQ(layers(states(without_unit(r.refs[kBelt][c])).first), std::stol(r.items[3][c])) << where;
            EXPECT_EQ(layers(states(without_unit(r.refs[kDeck][c])).first), std::stol(r.items[4][c])) << where;
            // Units on the first text of the speed, belt and deck groups, navies 1-4 only.
            for (RefGroup g : {kDisp, kCalibre, kLayout, kSpeed, kBelt, kDeck}) {
                const bool unit = r.refs[g][c] != without_unit(r.refs[g][c]);
                EXPECT_EQ(unit, c == 1 && n <= 4 && g >= kSpeed) << where << " " << kGroups[g];
            }
        }
}

TEST(ClassData, LayoutTextsNameTheirLayouts) {
    auto d = load();
    Kelmat& s = d->s();
    for (int n = 1; n <= 5; ++n)
        for (int c = 1; c <= 22; ++c) {
            const float built = s.K(n + K_AS_BUILT_ROWS, c, K_LAYOUT), final_layout = s.K(n, c, K_LAYOUT);
            const std::string number = std::to_string(static_cast<int>(final_layout));
            std::string expected = layout_text(s, final_layout);
            // Three texts leave the regular form: an estimate and two refits of the battery.
            if (n == 2 && c == 20) expected = layout_groups(s, final_layout) + "? (" + number + ")";
            if (n == 2 && c == 21) expected = layout_groups(s, built) + ">" + layout_groups(s, final_layout);
            if (n == 5 && c == 11) expected = "(" + std::to_string(static_cast<int>(built)) + ")->(" + number + ")";
            EXPECT_EQ(d->navy[n].refs[kLayout][c], expected) << n << "," << c;
            const bool refitted_battery = (n == 2 && c == 21) || (n == 5 && c == 11);
            EXPECT_EQ(built != final_layout, refitted_battery) << n << "," << c;
        }
}

TEST(ClassData, ValueColumns) {
    auto d = load();
    Kelmat& s = d->s();
    // Navy 1's overlay offers class 2 and then 8-22; navy 3's designs never completed are 2, 5-7.
    const std::set<std::pair<int, int>> unbuilt = {{1, 1}, {1, 3}, {1, 4}, {1, 5}, {1, 6},
                                                   {1, 7}, {3, 2}, {3, 5}, {3, 6}, {3, 7}};
    for (int n = 1; n <= 5; ++n)
        for (int c = 1; c <= 22; ++c) {
            const NavyRecords& r = d->navy[n];
            const std::string where = std::to_string(n) + "," + std::to_string(c);
            for (int f = 1; f <= 6; ++f) {
                const std::string& item = r.items[f][c];
                const std::string digits = item.empty() || item.back() != '?' ? item : item.substr(0, item.size() - 1);
                EXPECT_TRUE(std::all_of(digits.begin(), digits.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
                    << where << " \"" << item << "\"";
                // Estimates belong to the invented classes only, never to the build state.
                if (!fictional(n, c) || f == 1) {
                    EXPECT_EQ(r.estimate[f][c], 0) << where << " field " << f;
                }
                if (f >= 3) {
                    EXPECT_GT(s.F(n, c, f), 0) << where << " field " << f;
                }
            }
            if (fictional(n, c)) {
                EXPECT_EQ(s.F(n, c, F_BUILD_STATE), 2) << where;
                EXPECT_EQ(r.items[2][c], n == 1 ? "" : "?") << where;
            } else {
                if (n == 1 || n == 3) {
                    EXPECT_EQ(s.F(n, c, F_BUILD_STATE), unbuilt.count({n, c}) ? 0 : 1) << where;
                } else {
                    EXPECT_TRUE(s.F(n, c, F_BUILD_STATE) == 0 || s.F(n, c, F_BUILD_STATE) == 1) << where;
                }
                EXPECT_TRUE(s.F(n, c, F_YEAR) >= 1900 && s.F(n, c, F_YEAR) <= 1946) << where;
            }
            // The viewer's fields: armour up to 950 mm, 52 kt, 334000 t.
            EXPECT_LE(s.F(n, c, F_BELT), 950);
            EXPECT_LE(s.F(n, c, F_DECK), 950);
            EXPECT_LE(s.F(n, c, F_SPEED), 52);
            EXPECT_LE(s.F(n, c, F_DISPLACEMENT), 334000);
            // The value columns hold the as-built state of the design numbers, except navy 5's
            // class 11 (22700 t) and navy 1's class 16 (30 kt, the viewer's worked example).
            if (!(n == 5 && c == 11)) {
                EXPECT_EQ(s.F(n, c, F_DISPLACEMENT), s.K(n + K_AS_BUILT_ROWS, c, K_DISPLACEMENT) * 100) << where;
            }
            if (!(n == 1 && c == 16)) {
                EXPECT_EQ(s.F(n, c, F_SPEED), s.K(n + K_AS_BUILT_ROWS, c, K_SPEED)) << where;
            }
        }
}

struct DesignRow {
    const char* name;
    int navy, c;
    float final_row[7];
    float built_row[7];
};

struct ValueRow {
    const char* name;
    int navy, c;
    const char* items[6];  // nullptr where nothing fixes the item
};

struct ReferenceRow {
    const char* name;
    int navy, c;
    const char* texts[6];  // nullptr where nothing fixes the text
};

TEST(ClassData, RowsThatTheWorkedValuesFix) {
    const DesignRow design[] = {
        {"大和", 1, 2, {4, 640, 23, 8, 44, 24, 27}, {0, 640, 23, 8, 0, 24, 27}},
        {"長門", 1, 8, {2, 391, 21, 4, 30, 17, 25}, {1, 338, 21, 4, 0, 13, 27}},
        {"伊勢", 1, 9, {2, 354, 14, 14, 30, 15, 25}, {1, 312, 13, 14, 0, 7, 23}},
        {"出雲", 1, 15, {6, 96, 1, 1, 16, 3, 20}, {0, 96, 1, 1, 0, 3, 20}},
        {"navy 1 class 21", 1, 21, {1, 770, 26, 8, 45, 25, 52}, {0, 770, 26, 8, 0, 25, 52}},
        {"navy 2 class 21", 2, 21, {4, 865, 27, 2, 58, 35, 33}, {1, 822, 27, 4, 0, 35, 30}},
        {"DREADNOUGHT", 3, 22, {4, 186, 7, 11, 25, 9, 21}, {0, 186, 7, 11, 0, 9, 21}},
        {"DEUTSCHLAND", 4, 5, {3, 117, 5, 3, 6, 5, 28}, {0, 117, 5, 3, 0, 5, 28}},
        {"ANDREADORIA", 5, 11, {5, 264, 10, 12, 25, 11, 27}, {1, 233, 7, 21, 0, 9, 21}},
    };
    const ValueRow values[] = {
        {"改大和: designed 1942, never completed", 1, 1, {"0", "1942", nullptr, nullptr, nullptr, nullptr}},
        {"大和", 1, 2, {"1", "1941", "410", "250", "27", "64000"}},
        {"長門", 1, 8, {"1", "1920", "305", "144", "27", "33800"}},
        {"navy 1 class 16", 1, 16, {"2", "", "950?", "760?", "30", "334000"}},
        {"navy 1 class 17: deck 720", 1, 17, {"2", "", nullptr, "720?", nullptr, nullptr}},
        {"navy 1 class 19: exactly 150000 t", 1, 19, {"2", "", nullptr, nullptr, nullptr, "150000?"}},
        {"navy 1 class 21", 1, 21, {"2", "", "450?", "250?", "52", "77000"}},
        {"navy 2 class 20", 2, 20, {"2", "?", "460?", "230?", "30?", "90000?"}},
        {"LION(4)", 3, 2, {"0", "1939", "381", "152", "30", "40000"}},
        {"KINGGEORGE-V(5): deck 177", 3, 3, {nullptr, nullptr, nullptr, "177", nullptr, nullptr}},
        {"NELSON", 3, 4, {"1", "1927", "356", "159", "23", "33700"}},
        {"DREADNOUGHT", 3, 22, {"1", "1906", "254", "102", "21", "18600"}},
        {"BISMARCK: belt 420", 4, 3, {nullptr, nullptr, "420", nullptr, nullptr, nullptr}},
        {"DEUTSCHLAND", 4, 5, {"1", "1933", "60", "45", "28", "11700"}},
        {"ANDREADORIA: 22700 t as built", 5, 11, {nullptr, nullptr, nullptr, nullptr, nullptr, "22700"}},
    };
    const ReferenceRow refs[] = {
        {"改大和", 1, 1, {"67000", "20/45", "2X3  (2)", "27  KT", "450+  MM", "250+  MM"}},
        {"大和", 1, 2, {"64000", "18/45", "3X3  (8)", "27", "410+ (437-)", "200+50"}},
        {"長門", 1, 8, {"33800>39100", "16/45", "2X4  (4)", "27>25", "305", "75+69>75+108"}},
        {"navy 1 class 22", 1, 22, {"62000", "20/45", nullptr, nullptr, nullptr, nullptr}},
        {"navy 2 class 20", 2, 20, {nullptr, nullptr, "2X4? (4)", nullptr, nullptr, nullptr}},
        {"navy 2 class 21", 2, 21, {"82200>86500", nullptr, "2X4>2X3", nullptr, nullptr, nullptr}},
        {"DREADNOUGHT", 3, 22, {"18600", "12/45", "2X5 (11)", "21", "254", "102"}},
        {"ANDREADORIA", 5, 11, {"22700>26400", "12/45>13/44", "(21)->(12)", "21>27", "254", "40+60>80+40"}},
        {"navy 5 class 20", 5, 20, {nullptr, nullptr, "3X3  (8)", nullptr, nullptr, nullptr}},
    };
    auto d = load();
    Kelmat& s = d->s();
    for (const auto& r : design)
        for (int f = 0; f <= 6; ++f) {
            EXPECT_EQ(s.K(r.navy, r.c, f), r.final_row[f]) << r.name << " field " << f;
            EXPECT_EQ(s.K(r.navy + 5, r.c, f), r.built_row[f]) << r.name << " as built, field " << f;
        }
    for (const auto& r : values)
        for (int f = 0; f < 6; ++f)
            if (r.items[f]) {
                EXPECT_EQ(d->navy[r.navy].items[f + 1][r.c], r.items[f]) << r.name << " column " << f + 1;
            }
    for (const auto& r : refs)
        for (int g = 0; g < 6; ++g)
            if (r.texts[g]) {
                EXPECT_EQ(d->navy[r.navy].refs[g][r.c], r.texts[g]) << r.name << " " << kGroups[g];
            }
}

TEST(ClassData, ErasOfStoredClasses) {
    struct Case {
        const char* name;
        int navy, c;
        float era;
    } cases[] = {
        {"改大和: designed 1942, counts from 1946", 1, 1, 6},
        {"大和: completed 1941", 1, 2, 5},
        {"加賀: designed 1918, counts from 1922", 1, 7, 4},
        {"長門: completed 1920", 1, 8, 4},
        {"伊勢: completed 1917", 1, 9, 3},
        {"ARKANSAS: 1912 in navy 2", 2, 14, 3},
        {"LION(3): 1912 in navy 3", 3, 15, 2},
        {"NELSON: 1927", 3, 4, 4},
        {"DEUTSCHLAND: 1933", 4, 5, 5},
        {"a fictional class", 1, 16, 7},
        {"the fictional nation's last class", 5, 22, 7},
    };
    auto d = load();
    Kelmat& s = d->s();
    for (const auto& c : cases) {
        s.CLASS_NAVY = static_cast<float>(c.navy);
        s.LOOP_I = static_cast<float>(c.c);
        kelmat::CLASS_ERA(s);
        EXPECT_EQ(s.CLASS_ERA_NO, c.era) << c.name;
    }
}

TEST(ClassData, MainBatteryWeightsOfTheViewerExamples) {
    struct Case {
        const char* name;
        int navy, c;
        float weight;
    } cases[] = {
        {"DEUTSCHLAND: two triple 11/54", 4, 5, 3500},
        {"ANDREADORIA as built: three triple and two twin 12/45", 5, 11, 7750},
        {"NELSON: three triple 16/45", 3, 4, 10950},
        {"navy 1 class 16: four twin 26/50", 1, 16, 56000},
        {"navy 1 class 21: three triple 20/45", 1, 21, 21750},
    };
    auto d = load();
    Kelmat& s = d->s();
    for (const auto& c : cases) {
        // The as-built gun of the value columns in the as-built layout its text names first.
        s.TT(kelmat::TT_LAYOUT_GUN) = s.F(c.navy, c.c, F_GUN_TYPE);
        s.TT(kelmat::TT_LAYOUT) = s.K(c.navy + K_AS_BUILT_ROWS, c.c, K_LAYOUT);
        kelmat::CALC3(s);
        EXPECT_EQ(s.Z(Z_BATTERY_WEIGHT), c.weight) << c.name;
    }
}

TEST(ClassData, SlopedBeltListNamesTheStoredClasses) {
    struct Sloped {
        int navy, c;
        const char* label;
    };
    const Sloped sloped[] = {
        {1, 1, "改大和"}, {1, 2, "大和"},   {1, 3, "金剛代艦"}, {1, 4, "１３号艦"},    {1, 5, "紀伊"},
        {1, 6, "天城"},   {1, 7, "加賀"},   {1, 15, "出雲"},    {1, 16, "常陸"},       {1, 17, "出雲"},
        {2, 1, "ALASKA"}, {2, 2, "MONTANA"}, {2, 3, "IOWA"},    {2, 4, "SOUTHDAKOTA"}, {2, 5, "NORTHCAROLINA"},
        {2, 7, "LEXINGTON"}, {3, 1, "VANGUARD"}, {3, 2, "LION"}, {3, 4, "NELSON"},    {3, 8, "HOOD"},
        {4, 17, "ヒンデンブルグ"},
    };
    auto d = load();
    for (int n = 1; n <= 5; ++n)
        for (int c = 1; c <= 22; ++c) {
            const auto it = std::find_if(std::begin(sloped), std::end(sloped),
                                         [&](const Sloped& x) { return x.navy == n && x.c == c; });
            const bool listed = it != std::end(sloped);
            EXPECT_EQ(kelmat::class_has_sloped_belt(static_cast<float>(n), static_cast<float>(c)), listed)
                << n << "," << c;
            const std::string& name = d->navy[n].names[c];
            if (listed) {
                EXPECT_EQ(name.substr(0, name.find('(')), it->label) << n << "," << c;
            }
        }
}

TEST(ClassData, RealShipsTakenUnchangedStoreArmourAndNames) {
    auto d = load();
    Kelmat& s = d->s();
    testing_support::ScopedConsole console;
    for (int n = 1; n <= 5; ++n)
        for (int c = 1; c <= 22; ++c)
            for (int built = 0; built <= (flagged(s, n, c) ? 1 : 0); ++built) {
                const std::string where = std::to_string(n) + "," + std::to_string(c) + (built ? " as built" : "");
                // A group of every ship of the class.
                s.SIDE_NO = 0;
                s.BLUE_NAVY = static_cast<float>(n);
                s.BLUE_COUNT = 8;
                s.SHIP_NO = 1;
                s.SISTER_COUNT = con::store(con::L(s.K(n, c, K_SHIP_COUNT)) - 1);
                s.SHIP_SOURCE = 0;
                s.CLASS_NAVY = static_cast<float>(n);
                s.CLASS_NO = static_cast<float>(c);
                s.LOOP_I = static_cast<float>(c);
                kelmat::CLASS_ERA(s);
                s.DESIGN_ERA = s.CLASS_ERA_NO;
                s.SHIP_IS_AS_BUILT = static_cast<float>(built);
                s.DESIGN_DISPLACEMENT = s.K(built * K_AS_BUILT_ROWS + n, c, K_DISPLACEMENT);
                kelmat::STORE_DISPLACEMENT(s);
                EXPECT_GT(s.Z(Z_BATTERY_WEIGHT), 0) << where;
                for (int k = 1; k <= s.K(n, c, K_SHIP_COUNT); ++k) {
                    EXPECT_GT(s.A(0, k, kelmat::A_BELT), 0) << where;
                    EXPECT_GT(s.A(0, k, kelmat::A_DECK), 0) << where;
                    EXPECT_GT(s.A(0, k, kelmat::A_SPEED), 0) << where;
                    EXPECT_EQ(s.M(0, k), s.N(n, c, k)) << where << " ship " << k;
                }
            }
}

TEST(ClassData, OverlayLinesAboveThePlaneOnlyWhereExpected) {
    auto d = load();
    Kelmat& s = d->s();
    // A thickness lies above the top of the plane when its height over the zero line at
    // y 399 passes 399 (0.27 and 0.54 pixels per mm, times the graph's scale 1 or 2).
    auto above = [](float mm, float scale, float per_mm) { return con::L(mm) * con::L(scale) * con::L(per_mm) > 399; };
    std::set<std::pair<int, int>> belt2, deck2, deck1, belt1, kind0;
    for (int n = 1; n <= 5; ++n)
        for (int c = 1; c <= 22; ++c) {
            if (s.F(n, c, F_BUILD_STATE) == 0) kind0.insert({n, c});
            if (above(d->navy[n].overlay[c], 2, 0.27f)) belt2.insert({n, c});
            if (above(d->navy[n].overlay[c], 1, 0.27f)) belt1.insert({n, c});
            if (c == 22) continue;  // the deck overlay offers classes 1-21
            if (above(s.F(n, c, F_DECK), 2, 0.54f)) deck2.insert({n, c});
            if (above(s.F(n, c, F_DECK), 1, 0.54f)) deck1.insert({n, c});
        }
    using Set = std::set<std::pair<int, int>>;
    EXPECT_EQ(belt2, (Set{{1, 16}, {1, 17}, {1, 18}}));
    EXPECT_EQ(belt1, Set{});
    EXPECT_EQ(deck2, (Set{{1, 16}, {1, 17}, {1, 18}, {5, 20}}));
    EXPECT_EQ(deck1, (Set{{1, 16}}));
    // Navy 1 offers class 2, then 8-22: its other real classes were never completed.
    for (int c : {1, 3, 4, 5, 6, 7}) EXPECT_EQ(kind0.count({1, c}), 1u) << c;
    for (int c = 8; c <= 22; ++c) EXPECT_EQ(kind0.count({1, c}), 0u) << c;
    // Class 17's deck over the planned-gun deck graph: y 10.2, the label on row 0.
    const con::real y = 399 - con::L(s.F(1, 17, F_DECK)) * 1 * con::L(0.54f);
    EXPECT_NEAR(static_cast<double>(y), 10.2, 1e-3);
    // KINGGEORGE-V(5)'s deck over the real-gun deck graph: its label on row 11.
    EXPECT_EQ(con::int_floor((399 - con::L(s.F(3, 3, F_DECK)) * 2 * con::L(0.54f)) / 18), 11);
}

TEST(ClassData, ViewerNamesOfTheirOwnFile) {
    const std::string_view text = gunnery_tables().get("12_viewer_names.txt");
    con::RecordSet data("12_viewer_names.txt", text);
    auto all_double_byte = [](const std::string& t) {
        for (std::size_t p = 0; p < t.size();) {
            const con::TextUnit u = con::next_unit(t, p);
            if (u.width != 2) return false;
            p += u.length;
        }
        return true;
    };
    // Names 2 and 4 have three characters, the others four: each ends before the calibre.
    const long novelist_bytes[] = {8, 6, 8, 6, 8, 8};
    data.restore_data("NovelistNames");
    std::set<std::string> names;
    for (long bytes : novelist_bytes) {
        const std::string name = data.read_text();
        EXPECT_EQ(con::byte_length(name), bytes) << name;
        EXPECT_TRUE(all_double_byte(name)) << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 6u);
    data.restore_data("NationName");
    const std::string nation = data.read_text();
    EXPECT_EQ(con::byte_length(nation), 12) << nation;
    EXPECT_TRUE(all_double_byte(nation));
    EXPECT_EQ(data.remaining(), 0u);
}

}  // namespace
