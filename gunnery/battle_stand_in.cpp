// kelmat95: the gun battle and its parameter editor as far as the frame relies on them: the
// battle takes its counts and navies, sets up and restores the battle fields of every ship,
// and switches the function keys on; its screens are not built yet.
#include "gunnery/blocks.h"
#include "gunnery/dialogue.h"

namespace kelmat {

using con::Col;
using con::Row;

void BS(Kelmat& s) {
    // The battle's own copies of what the launch handed over.
    const float blue_count = s.TT(TT_BLUE_COUNT), red_count = s.TT(TT_RED_COUNT);
    const float blue_navy = s.TT(TT_COEF_B), red_navy = s.TT(TT_COEF_C);
    (void)blue_count, (void)red_count, (void)blue_navy, (void)red_navy;
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 46; ++ship) {
            const float gun = s.A(side, ship, A_GUN_TYPE);
            s.A(side, ship, 2) = s.W(4, gun);
            s.A(side, ship, 3) = s.W(5, gun);
            s.A(side, ship, 12) = s.W(6, gun);
            s.A(side, ship, 10) = s.A(side, ship, A_DISPLACEMENT);
            s.A(side, ship, 11) = s.A(side, ship, A_SPEED);
            s.A(side, ship, 9) = s.L(s.A(side, ship, A_LAYOUT), 0);
            s.A(side, ship, 15) = s.A(side, ship, 9);
            s.A(side, ship, 19) = 0;
        }
    con::clear_screen(0);
    con::locate(Col(24), Row(8));
    con::color(6);
    con::print_string_item("砲戦画面は準備中です");
    std::string key;  // kept nowhere
    hit_any_key(key, {33, 12, kColourInForce, "Hit Any Key"});
    // From the first battle on, F1 and F2 work everywhere for the rest of the run.
    con::key_switch(1, con::TrapState::On);
    con::key_switch(2, con::TrapState::On);
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 46; ++ship) {
            s.A(side, ship, A_DISPLACEMENT) = s.A(side, ship, 10);
            s.A(side, ship, A_SPEED) = s.A(side, ship, 11);
        }
    con::clear_screen(0);
    con::color(7);
}

void EDIT_BATTLE_PARAMS(Kelmat&) {
    // The editor opens and closes on a cleared screen; the interrupted screen is not redrawn.
    con::clear_screen(0);
    con::clear_screen(0);
}

}  // namespace kelmat
