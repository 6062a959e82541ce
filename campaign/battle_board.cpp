// The hit markers of a gun sub-turn.
#include "campaign/battle_board.h"

namespace morva {

void show_shots(const std::vector<Shot>& shots) {
    for (const Shot& shot : shots) {
        if (!shot.hit) continue;
        const con::Col column(battle_half(1 - shot.side) + 22);
        const con::Row row(shot.target + 1);
        con::color(3);
        con::print_at(column, row, "被弾");
        if (shot.zone == HitZone::Deck) con::print_string_item(" (甲板)");
        if (shot.zone == HitZone::Belt) con::print_string_item(" (舷側)");
        if (!shot.penetrated) continue;
        con::color(2);
        con::print_at(column, row, "貫通");
    }
}

}  // namespace morva
