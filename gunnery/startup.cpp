// kelmat95: start-up - the generator, the error trap, the function keys, the design constants
// and the turret layouts, gun data and gun names read from the stored records.
#include "gunnery/blocks.h"

namespace kelmat {
namespace {

void set_design_constants(Kelmat& s) {
    s.GG(2) = 0.9f;
    s.GG(3) = 1;
    s.GG(4) = 1.1f;
    s.GG(5) = 1.2f;
    s.GG(6) = 1.3f;
    const float machinery[] = {6, 2.6f, 2.5f, 1.8f, 1.2f, 1, 0.8f};
    const float armour[] = {0.85f, 0.9f, 0.9f, 0.95f, 1, 1, 1.1f};
    for (int era = 1; era <= 7; ++era) s.H(era) = machinery[era - 1];
    for (int era = 1; era <= 7; ++era) s.P(era) = armour[era - 1];
    s.BELT_WEIGHT_CONST = 18;
    s.DECK_WEIGHT_CONST = 63;
}

// Every number passes through BLUE_COUNT on its way into its table, as the other stored-data
// loops of the simulator do.
void read_layouts_and_guns(Kelmat& s) {
    s.data.restore_data("TurretLayouts");
    for (int i = 1; i <= 22; ++i)
        for (int j = L_TURRETS; j <= L_LAST_TURRET; ++j) {
            s.data.read_data(s.BLUE_COUNT);
            s.L(i, j) = s.BLUE_COUNT;
        }
    // The armour-zone column of every layout follows the 22 layout records.
    for (int i = 1; i <= 22; ++i) {
        s.data.read_data(s.BLUE_COUNT);
        s.L(i, L_ARMOUR_ZONE) = s.BLUE_COUNT;
    }
    s.data.restore_data("GunData");
    for (int k = 1; k <= 6; ++k)
        for (int t = 1; t <= 36; ++t) {
            s.data.read_data(s.BLUE_COUNT);
            s.W(k, t) = s.BLUE_COUNT;
        }
    s.data.restore_data("CalibreNames");
    for (int t = 1; t <= 36; ++t) s.data.read_data(s.G(t));
}

}  // namespace

Block START_UP(Kelmat& s) {
    s.ESTIMATE_FLAGS.fill(0);
    con::clear_screen(0);
    long seconds = con::round_half_away(con::val(con::right_string(con::time_string(), 2)));
    con::randomize(static_cast<std::uint32_t>(seconds));
    con::on_error_goto(true);
    // Registered now, switched on only by the first battle.
    con::on_key_gosub(1, [&s] { EDIT_BATTLE_PARAMS(s); });
    con::on_key_gosub(2, [&s] { PAUSE_KEY(s); });
    set_design_constants(s);
    read_layouts_and_guns(s);
    return Block::Title;
}

}  // namespace kelmat
