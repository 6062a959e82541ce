// The display time and the key wait that both games share: SET_DISPLAY_TIME and WAIT_KEY run
// unchanged on either game's own parameter vector and key variable.
#pragma once
#include <cmath>
#include <string>

#include "console/console.h"
#include "campaign/shared_slots.h"

namespace morva {

/// SET_DISPLAY_TIME: `TT_WAIT` = 2 x 2^DISPLAY_TIME ticks of 10 ms.
template <typename ParamVector>
void SET_DISPLAY_TIME(ParamVector& TT, float DISPLAY_TIME) {
    TT(TT_WAIT) = con::store(2 * std::pow(2.0L, con::L(DISPLAY_TIME)));
}

/// WAIT_KEY: waits for one key (blocking on window events; a key already typed ends it at
/// once) and leaves it in `result`. Returns the key as well, so that a caller tests its own
/// key even when the F1 handler runs and overwrites `result` before the test.
inline std::string WAIT_KEY(std::string& result) {
    std::string key = con::wait_key_string();
    result = key;
    return key;
}

}  // namespace morva
