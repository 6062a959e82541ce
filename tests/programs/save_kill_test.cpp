// Saves under kill: MORVA95F's binary saves at every turn start of a whole campaign while it is
// killed from outside (SIGKILL) at random moments; the save file must always be the old
// complete file or one of the new complete ones, and the next start must load that file, never
// a temporary file a killed run left beside it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <set>
#include <thread>

#include "tests/detailed/detailed_support.h"

using detailed_test::opening_keys;
using detailed_test::stay_home;
using testing_support::read_file;
using testing_support::run_binary;
using testing_support::ScopedTempDir;
using testing_support::write_file;

namespace {

constexpr int kKills = 120;
// Saves a run makes: the start of turns 2-6.
constexpr int kSaves = 5;
constexpr const char* kSave = "MORDATAF.DAT";

// A new game of scenario 1 that saves at the start of turns 2, 3, ... (`saves` saves).
std::string saving_campaign(int saves) {
    std::string keys = opening_keys(1) + stay_home();
    for (int k = 1; k <= saves; ++k) keys += "y{ENTER}" + (k < saves ? stay_home() : std::string());
    return keys;
}

std::string binary_path() { return std::string(BINARY_DIR) + "/detailed/MORVA95F"; }

// Starts the binary on the key script and kills it once `delay` has passed, unless it ended
// before.
void run_and_kill(const std::string& keys, std::chrono::microseconds delay) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (!std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "w", stderr)) _exit(126);
        execl(binary_path().c_str(), "MORVA95F", "--headless", "--keys", keys.c_str(), "--clock-seconds", "7",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + delay;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
}

// The turn a save file holds on its first line (" 5 " -> "5").
std::string saved_turn(const std::string& file) {
    const std::string first = file.substr(0, file.find("\r\n"));
    return first.substr(first.find_first_not_of(' '), first.find_last_not_of(' ') - first.find_first_not_of(' ') + 1);
}

TEST(SaveUnderKill, TheSaveIsAlwaysAWholeFileAndLeftoversAreNeverRead) {
    ScopedTempDir dir;
    // The old save: another campaign (scenario 4) at the start of turn 2.
    ASSERT_EQ(run_binary("MORVA95F", opening_keys(4) + stay_home() + "y{ENTER}").exit_code, 0);
    const std::string old_file = read_file(kSave);
    ASSERT_FALSE(old_file.empty());
    // Every complete file the saving campaign writes, one per save.
    std::set<std::string> whole_files = {old_file};
    for (int saves = 1; saves <= kSaves; ++saves) {
        write_file(kSave, old_file);
        ASSERT_EQ(run_binary("MORVA95F", saving_campaign(saves), 7).exit_code, 0);
        whole_files.insert(read_file(kSave));
    }
    ASSERT_EQ(whole_files.size(), kSaves + 1u) << "the old file and each new one";
    // The length of a whole run, to spread the kills over it.
    write_file(kSave, old_file);
    const std::string keys = saving_campaign(kSaves);
    const auto start = std::chrono::steady_clock::now();
    run_and_kill(keys, std::chrono::seconds(30));
    const auto whole_run = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    std::mt19937 rng(20261211);
    std::uniform_int_distribution<long> at(0, std::max<long>(1, static_cast<long>(whole_run.count())));
    int kept_old = 0, replaced = 0;
    for (int kill_no = 1; kill_no <= kKills; ++kill_no) {
        SCOPED_TRACE("kill " + std::to_string(kill_no));
        write_file(kSave, old_file);
        run_and_kill(keys, std::chrono::microseconds(at(rng)));
        const std::string file = read_file(kSave);
        ASSERT_TRUE(whole_files.count(file)) << "a save file that is neither the old nor a new whole one ("
                                             << file.size() << " bytes)";
        ++(file == old_file ? kept_old : replaced);
        // The next start loads the save file, whatever the killed run left beside it.
        auto resumed = run_binary("MORVA95F", opening_keys(7));
        EXPECT_NE(testing_support::dump_line(resumed.screen, 0).find("第  " + saved_turn(file) + "  ターン"),
                  std::string::npos)
            << testing_support::dump_line(resumed.screen, 0);
    }
    // Without the save file, the temporary files of the killed runs are no save.
    std::filesystem::remove(kSave);
    auto none = run_binary("MORVA95F", opening_keys(7));
    EXPECT_NE(none.screen.find("Data File not found"), std::string::npos);
    std::cout << kKills << " kills within a run of " << whole_run.count() / 1000 << " ms: " << kept_old
              << " left the old file, " << replaced << " a new whole one\n";
}

}  // namespace
