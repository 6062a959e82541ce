// MORVA95F: CHECK_BASE_ATTACKABLE, the question to SHOZOKU about the base the player typed.
#include "campaign/route_network.h"
#include "detailed/routines.h"

namespace morva95f {

void CHECK_BASE_ATTACKABLE(State& st) {
    st.TT(TT_BASE_QUERY) = con::store(con::L(st.INPUT_NUM) - 5);
    morva::SHOZOKU(st.TT, st.P);
}

}  // namespace morva95f
