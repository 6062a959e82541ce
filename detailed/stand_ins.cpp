// MORVA95F: the least stand-ins for the routines and blocks of the operational day that later
// parts build (search and the deck dialogues), each where the real one will go. With them an
// operation runs its days and hour steps: no search plane flies and no air group of the player
// is launched.
#include "campaign/dialogue.h"
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

constexpr float kMiddleSplit = 4;  // the split that a key other than a digit chooses

}  // namespace

void SAKUTEKI3(State& st) {
    st.TT(TT_FIGHTER_SPLIT) = kMiddleSplit;
    st.TT(TT_AA_SPLIT) = kMiddleSplit;
}

void SAKUTEKI(State&) {}

void SAKUTEKI2(State&) {}

void HENKO(State&) {}

void HYOJI6(State& st) {
    con::color(7);
    con::print_at(con::Col(0), con::Row(1), "WAIT");
    con::print_single_item(st.TT(TT_WAIT));
    morva::hit_any_key(st.WAIT_KEY_RESULT, {29, 23, 5, "Hit Any Key"});
    con::color(7);  // the air-group table that follows the key is printed in white
}

Block DECK_DIALOGUES(State& st) {
    IDO(st);
    IDO11(st);
    return Block::SurfacePhase;
}

}  // namespace morva95f
