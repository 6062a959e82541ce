// kelmat95: the designer's entry for modified real classes and own designs. Until the design
// screens are built, it says so and lets the group pass: a modified class keeps its class's
// recorded final state, an own design keeps what the fleet record holds.
#include "gunnery/blocks.h"

namespace kelmat {

using con::Col;
using con::Row;

Block DESIGN_START(Kelmat& s) {
    s.WORK_NAVY = s.SIDE_NO == 1 ? s.RED_NAVY : s.BLUE_NAVY;
    if (s.SIDE_NO == 1) s.data.restore_data("ReferenceDisplacement" + std::to_string(record_navy(s.RED_NAVY)));
    con::color(6);
    con::print_at(Col(20), Row(2), "設計画面は準備中です      ");
    con::print_at(Col(16), Row(5), "Hit Any Key   ");
    s.ANSWER_KEY = con::wait_key_string();
    if (s.SHIP_SOURCE == 1) {
        s.SHIP_IS_AS_BUILT = 0;
        s.DESIGN_DISPLACEMENT = s.K(s.CLASS_NAVY, s.CLASS_NO, 1);
        store_group_displacement(s);
        store_real_class_values(s);
        store_real_ship_ratio(s);
    }
    store_group_names(s);
    return Block::ShipEntryEnd;
}

}  // namespace kelmat
