// Both campaign games check the values a save is about to write as their loaders will: a
// value the loader would refuse fails the save, except in a player's program.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "campaign/save_file.h"
#include "console/console.h"
#include "detailed/blocks.h"
#include "simplified/blocks.h"
#include "tests/detailed/detailed_support.h"
#include "tests/simplified/simplified_support.h"

using testing_support::read_file;
using testing_support::ScopedTempDir;

namespace {

// What the programs' main() chooses, for the scope.
struct PlayersProgram {
    PlayersProgram() { morva::on_refused_save(morva::RefusedSave::Write); }
    ~PlayersProgram() { morva::on_refused_save(morva::RefusedSave::Fail); }
};

// Saves the game's fresh start-up state, at turn 2, after `edit` has put a value into it that
// no play leaves: the save fails with `message` before anything is written, drawing no number
// and showing nothing; in a player's program the file is written all the same, `text` at line
// `line` (0-based).
template <typename Loaded, typename State, typename Block>
void expect_refused_but_by_a_player(const char* file, const std::function<void(State&)>& edit,
                                    Block (*write)(State&), const std::string& message, int line,
                                    const std::string& text) {
    SCOPED_TRACE(file);
    ScopedTempDir dir;
    Loaded st;
    st->TURN_NO = 2;
    edit(*st);
    const auto draws = con::random_generator().draws();
    try {
        write(*st);
        ADD_FAILURE() << "saved";
    } catch (const std::logic_error& e) {
        EXPECT_EQ(e.what(), message);
    }
    EXPECT_EQ(read_file(file), "");
    EXPECT_EQ(con::random_generator().draws(), draws);
    for (int row = 0; row < 24; ++row) EXPECT_EQ(testing_support::row_of(st.console.screen(), row), "") << row;
    {
        PlayersProgram player;
        write(*st);
    }
    const std::string saved = read_file(file);
    std::size_t at = 0;
    for (int n = 0; n < line && at != std::string::npos; ++n) at = saved.find("\r\n", at) + 2;
    EXPECT_EQ(saved.substr(at, saved.find("\r\n", at) - at), text);
}

}  // namespace

TEST(RefusedSave, FailsNamingTheValueButAPlayersCampaignIsWritten) {
    // A fraction on a Japanese carrier afloat, which no attack leaves.
    expect_refused_but_by_a_player<simplified_test::Loaded, morva95s::State>(
        "MORDATAS.DAT", [](morva95s::State& st) { st.A(0, 7, morva95s::A_DURABILITY) = 0.5f; },
        morva95s::WRITE_SAVE_FILE, "MORDATAS.DAT would not load again: value 25 (.5): a fractional durability above 0",
        24, " .5 ");
    // Half an Allied torpedo bomber lost.
    expect_refused_but_by_a_player<detailed_test::Loaded, morva95f::State>(
        "MORDATAF.DAT",
        [](morva95f::State& st) {
            st.TT(morva95f::TT_SAVED_SCENARIO) = 1;
            st.VS(1, 2) = 0.5f;
        },
        morva95f::WRITE_SAVE_FILE, "MORDATAF.DAT would not load again: value 353 (.5): aircraft lost not a whole count",
        352, " .5 ");
}
