// kelmat95: loading one navy's stored class data (names, as-built guns, layout texts, the six
// value columns and their estimate marks) for the set-up, the designer and the viewers.
#include "gunnery/blocks.h"

namespace kelmat {

void LOAD_CLASS_RECORDS(Kelmat& s) { load_class_records(s, s.BLUE_NAVY); }

void LOAD_CLASS_VALUES(Kelmat& s) { load_class_values(s, s.BLUE_NAVY); }

void load_class_records(Kelmat& s, float n) {
    const std::string navy = std::to_string(record_navy(n));
    s.data.restore_data("ClassNames" + navy);
    for (int c = 1; c <= 22; ++c) s.data.read_data(s.NM(c));
    s.data.restore_data("AsBuiltGuns" + navy);
    for (int c = 1; c <= 22; ++c) s.data.read_data(s.F(n, c, F_GUN_TYPE));
    s.data.restore_data("ReferenceLayout" + navy);
    for (int c = 1; c <= 22; ++c) {
        s.data.read_data(s.DS(c));
        // The stored text of this class tells the refit "(21)->(12)"; the viewers want the
        // battery it was built with.
        if (n == 5 && c == 11) s.DS(11) = "3X3+2X2 ";
    }
    load_class_values(s, n);
}

void load_class_values(Kelmat& s, float n) {
    s.data.restore_data("ClassValues" + std::to_string(record_navy(n)));
    std::string item;
    for (int f = F_BUILD_STATE; f <= F_DISPLACEMENT; ++f)
        for (int c = 1; c <= 22; ++c) {
            s.data.read_data(item);
            // "950?" is 950 marked as an estimate; "?" and the empty item are 0.
            s.F(n, c, f) = con::store(con::val(item));
            s.ESTIMATE_FLAGS(f, c) = (!item.empty() && item.back() == '?') ? 1.0f : 0.0f;
        }
}

}  // namespace kelmat
