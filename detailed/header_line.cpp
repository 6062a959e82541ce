// MORVA95F: the header time line HINITI (turn and date, fleet, target area, day and hour).
#include "campaign/header_line.h"
#include "detailed/routines.h"

namespace morva95f {

void HINITI(State& st) { morva::HINITI(st.TT, st.AT, st.TX, morva::GunMinutes::Hidden); }

}  // namespace morva95f
