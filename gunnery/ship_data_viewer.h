// kelmat95: the ship data viewer - one page per navy of its stored classes (names, calibre,
// layout, year, armour, speed and displacement) and, in the comparison modes, the displacement
// that the designer's weight formulas give for each class beside the recorded one.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gunnery/blocks.h"

namespace kelmat {

// The class table.

/// The short layout text of a class as the class table prints it: the stored text up to its
/// first blank (its first 4 bytes when it holds none); navy 5's class 11 "3X3+2X2" and
/// navy 2's classes 20 and 21 "2X4", whatever is stored.
std::string short_layout_text(float navy, float class_no, const std::string& stored);
/// The novelist (1-6) whose name a fictional class of a navy shows in mode 0; 0 for none.
int novelist_number(float navy, float class_no);
/// Where a class's nationality stands and which it is: index 1-7 of the nationality texts
/// (Japan, the United States, Britain, Germany, France, Italy, the Soviet Union) or 8 for the
/// fictional nation, whose name is stored.
struct Nationality {
    int index;
    int column;
};
Nationality class_nationality(float navy, float class_no);
/// The class table of navy VIEWER_NAVY below the class names: calibre, short layout (also
/// written back into DS), year or novelist, armour, speed and displacement with their estimate
/// marks, navy 2's two fixed marks, and in mode 0 the nationality column.
void VIEWER_CLASS_TABLE(Kelmat& s);

// The comparison modes.

/// A layout recognised from its short text: the row of the layout table and its turrets.
struct RecognisedLayout {
    float index;
    float turrets;
};
/// The layout that a short layout text names ("2X4", "3X2+2X2"); none for any other text,
/// compared byte for byte.
std::optional<RecognisedLayout> recognise_layout(std::string_view short_text);
/// The machinery factor of a stored class for the comparison: navy 1's gas-turbine classes
/// 16-18, the mixed machinery of navy 2's 21-22 and navy 4's 1 and 22, navy 4's diesel
/// class 5; none (steam turbine) for every other class.
MachineryFactor class_machinery_factor(float navy, float class_no);

/// The recorded values of one class that the comparison reads.
struct ComparedClass {
    float navy = 0, class_no = 0;         ///< for the machinery of the class
    float belt = 0, deck = 0, speed = 0;  ///< mm, mm, kt
    float displacement = 0;               ///< recorded, t
    float turrets = 0;                    ///< of the recognised layout (0 when none)
    float era = 0;                        ///< 1-7
    float main_battery = 0;               ///< t
};
/// What a class row shows in the comparison columns: texts empty where nothing is printed.
struct ComparisonColumns {
    std::string column64;  ///< from column 64
    int colour64 = 7;
    std::string column72;  ///< from column 72
    int colour72 = 7;
    float gun_share = 0, armour_share = 0, machinery_share = 0;  ///< mode 3, percent
};
/// Everything the comparison of one class computes, in the order computed.
struct Comparison {
    bool computed = false;  ///< false when the recorded displacement is below 100 t
    float belt_base = 0, deck_base = 0, speed_term = 0, machinery = 0, armour = 0;
    float size_factor = 0;     ///< of the last step
    float start = 0;           ///< the displacement (100 t) the last step started from
    std::vector<float> steps;  ///< each step's result, 100 t
    float recomputed = 0;      ///< t
    ComparisonColumns columns;
};
/// The columns of a class from its recomputed displacement `recomputed_100t` (100 t):
/// column 64 the displacement in tons (or "  OVER 1000000" in colour 4), column 72 by mode:
/// 1 the difference, 2 the whole percentage, both coloured by the deviation; 3 the weight
/// shares of main battery, armour and machinery in colour 7.
ComparisonColumns comparison_columns(int mode, float recomputed_100t, float recorded, float main_battery, float armour,
                                     float machinery, float size_factor);
/// The comparison of one class in mode 1, 2 or 3, with the start-up tables GG and H and the
/// weight constants of `tables`.
Comparison compare_displacement(const Kelmat& tables, const ComparedClass& c, int mode);
/// Class LOOP_I of navy `navy` made ready for the comparison: its layout recognised into F
/// fields 8 and 10 (left as they were when the text names none), its main battery weighed
/// with CALC3 into Z(0), its recorded displacement in 100 t and its era found.
ComparedClass prepare_compared_class(Kelmat& s, float navy);
/// The comparison pass of a page in modes 1-3: for classes 1-22 of navy VIEWER_NAVY, the
/// layout recognised into F fields 8 and 10, the main battery weighed, the era found, the
/// displacement recomputed and the two columns printed.
void VIEWER_COMPARISON_PASS(Kelmat& s);

// The frame.

/// The end of a navy page: the prompt in mode 0, a key, the class rows blanked.
void VIEWER_PAGE_END(Kelmat& s);

}  // namespace kelmat
