// MORVA95S: HINITI, the header line of the operational screens: turn and date, air fleet,
// target area, day, hour and (during a gun battle) minutes.
#include "campaign/header_line.h"
#include "simplified/routines.h"

namespace morva95s {

void HINITI(State& st) { morva::HINITI(st.TT, st.AT, st.TX, morva::GunMinutes::Shown); }

}  // namespace morva95s
