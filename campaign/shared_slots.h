// Parameter-vector slots that the detailed and the simplified game number alike, so that the
// routines both games share can read and write them on either game's own `TT`.
#pragma once

namespace morva {

/// The air fleet 1-2 in operation (read by `HIGAI`).
inline constexpr int TT_FLEET = 5;
/// The display time in ticks of 10 ms (written by `SET_DISPLAY_TIME`).
inline constexpr int TT_WAIT = 10;
/// 1 = the base asked about may be attacked (the answer of `SHOZOKU`).
inline constexpr int TT_ATTACKABLE = 14;
/// The base asked about, minus 5 (the question to `SHOZOKU`).
inline constexpr int TT_BASE_QUERY = 15;

}  // namespace morva
