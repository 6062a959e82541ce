// Fuzz target of kelmat95's scenario files: the bytes as A-DATA.DAT, read by the program's own
// loader into a fresh fleet record. A load either fails as a missing scenario and leaves the
// record as it was, or commits counts, navies, ships and names within the ranges the set-up
// and the designer write; a loaded scenario written again reads back to the same file.
#include <cmath>

#include "gunnery/blocks.h"
#include "gunnery/state.h"
#include "tests/fuzz/fuzz_support.h"

namespace fuzz {
namespace {

bool whole_scenario_number(float v, float low, float high) {
    return std::isfinite(v) && v == std::floor(v) && v >= low && v <= high;
}

// One state for the whole run, its fleet record emptied before each input: the loader
// touches nothing else.
kelmat::Kelmat& emptied_state() {
    static kelmat::Kelmat* s = kelmat::make_state().release();
    s->A.fill(0);
    s->M.fill("");
    s->BLUE_COUNT = s->BLUE_NAVY = s->RED_COUNT = s->RED_NAVY = 0;
    return *s;
}

bool is_empty(const kelmat::Kelmat& s) {
    for (float v : s.A.raw())
        if (v != 0) return false;
    for (const auto& name : s.M.raw())
        if (!name.empty()) return false;
    return s.BLUE_COUNT == 0 && s.BLUE_NAVY == 0 && s.RED_COUNT == 0 && s.RED_NAVY == 0;
}

bool load(kelmat::Kelmat& s, const std::string& name) {
    return taken([&] {
        con::open_file(1, con::FileMode::Input, name);
        kelmat::read_scenario_file(s);
        con::close_files();
    });
}

std::string written(kelmat::Kelmat& s, const std::string& name) {
    con::open_file(1, con::FileMode::Output, name, con::Existing::Replace);
    kelmat::write_scenario_file(s);
    con::close_files();
    return read_file(name);
}

void check_ship(const kelmat::Kelmat& s, int side, int ship, bool counted) {
    const float least = counted ? 1 : 0;
    check(s.A(side, ship, kelmat::A_GUN_TYPE) >= least && s.A(side, ship, kelmat::A_GUN_TYPE) <= 36, "a gun type 1-36");
    check(s.A(side, ship, kelmat::A_LAYOUT) >= least && s.A(side, ship, kelmat::A_LAYOUT) <= 22, "a layout 1-22");
    check(whole_scenario_number(s.A(side, ship, kelmat::A_SLOPED), 0, 1), "a sloped-belt flag 0 or 1");
    check(whole_scenario_number(s.A(side, ship, kelmat::A_BELT), 0, 2000), "a whole belt");
    check(whole_scenario_number(s.A(side, ship, kelmat::A_DECK), 0, 2000), "a whole deck");
    check(s.A(side, ship, kelmat::A_DISPLACEMENT) >= 0 && s.A(side, ship, kelmat::A_DISPLACEMENT) < 1e4f,
          "a displacement below 1,000,000 t");
    check(s.A(side, ship, kelmat::A_SPEED) >= 0 && s.A(side, ship, kelmat::A_SPEED) <= 60, "a speed up to 60 kt");
    for (unsigned char c : s.M(side, ship)) check(c >= 0x20 && c != 0x7F, "a printable name");
    check(con::byte_length(s.M(side, ship)) <= 20, "a name of at most 20 bytes");
}

}  // namespace

int scenario_file(const std::uint8_t* data, std::size_t size) {
    ready_console();
    write_file("A-DATA.DAT", data, size);
    kelmat::Kelmat& s = emptied_state();
    if (!load(s, "A-DATA.DAT")) {
        check(is_empty(s), "a refused scenario leaves the fleet record as it was");
        return 0;
    }
    note_commit();
    check(whole_scenario_number(s.BLUE_COUNT, 1, 46) && whole_scenario_number(s.RED_COUNT, 1, 46), "counts 1-46");
    check(whole_scenario_number(s.BLUE_NAVY, 1, 5) && whole_scenario_number(s.RED_NAVY, 1, 5), "navies 1-5");
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 46; ++ship) check_ship(s, side, ship, ship <= (side == 0 ? s.BLUE_COUNT : s.RED_COUNT));
    const std::string first = written(s, "B-DATA.DAT");
    kelmat::Kelmat& again = emptied_state();
    check(load(again, "B-DATA.DAT"), "a scenario written from a loaded one loads");
    check(written(again, "C-DATA.DAT") == first, "a loaded scenario writes the same file");
    return 0;
}

}  // namespace fuzz
