// Hostile input through the built programs: numbers too large for a stored value, typed or
// held in a stored file, the end of a run after an error no handler takes, and a file-size
// limit that a save crosses.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "tests/test_support.h"

using testing_support::BinaryRun;
using testing_support::run_binary;
using testing_support::read_file;
using testing_support::ScopedTempDir;
using testing_support::write_file;

namespace {

TEST(HostileInput, TypedNumberTooLargeForAStoredValueIsAskedAgain) {
    // At a number question of each program: an answer too large for a stored value is
    // refused and asked again exactly as a malformed one is, and the run goes on (the script
    // ends at the question, status 0); a good answer after it is taken as if typed first.
    struct Question {
        const char* program;
        std::string to_question;
        std::string good;
    } questions[] = {
        {"kelmat95", "x2", "3{ENTER}"},  // the ship count
        {"MORVA95F", "5n1h1123333331233y", "7{ENTER}"},  // the first fleet's target
        {"MORVA95S", "11Nn5h1123333331233333333y", "7{ENTER}"},  // the first fleet's target
    };
    for (const auto& q : questions) {
        SCOPED_TRACE(q.program);
        ScopedTempDir dir;
        BinaryRun malformed = run_binary(q.program, q.to_question + "abc{ENTER}");
        ASSERT_EQ(malformed.exit_code, 0) << malformed.err;
        for (const char* typed : {"1E40", "5E64", "-1E39", "1D308", "3.5E38"}) {
            BinaryRun run = run_binary(q.program, q.to_question + typed + "{ENTER}");
            EXPECT_EQ(run.exit_code, 0) << typed << ": " << run.err;
            EXPECT_EQ(run.screen, malformed.screen) << typed;
        }
        BinaryRun after = run_binary(q.program, q.to_question + "1E40{ENTER}" + q.good);
        BinaryRun direct = run_binary(q.program, q.to_question + q.good);
        EXPECT_EQ(after.exit_code, 0) << after.err;
        EXPECT_EQ(after.screen, direct.screen);
        EXPECT_NE(after.screen, malformed.screen) << "the good answer moved the run on";
    }
}

TEST(HostileInput, SaveFileHoldingAnOverflowingNumberIsADamagedFile) {
    // A save the program wrote, one value line replaced by a number too large for a float: the
    // next start refuses it with the program's own message and asks the scenario again.
    struct Game {
        const char* program;
        const char* file;
        std::string save;
        std::string load;
        const char* refused;
    } games[] = {
        {"MORVA95F", "MORDATAF.DAT", "5n1h" + std::string(33, '3') + "y" + "y{ENTER}", "5n7", "Data File not found"},
        {"MORVA95S", "MORDATAS.DAT", "11Nn5h" + std::string(33, '3') + "y" + "y{ENTER}", "18Nn", "No Files"},
    };
    for (const auto& g : games) {
        SCOPED_TRACE(g.program);
        ScopedTempDir dir;
        ASSERT_EQ(run_binary(g.program, g.save).exit_code, 0);
        const std::string whole = read_file(g.file);
        ASSERT_FALSE(whole.empty());
        BinaryRun taken = run_binary(g.program, g.load);
        EXPECT_EQ(taken.screen.find(g.refused), std::string::npos) << "the whole save loads";
        // The fifth line: a durability, as in every save.
        std::size_t at = 0;
        for (int line = 0; line < 4; ++line) at = whole.find("\r\n", at) + 2;
        const std::size_t end = whole.find("\r\n", at);
        write_file(g.file, whole.substr(0, at) + " 1E+40 " + whole.substr(end));
        BinaryRun run = run_binary(g.program, g.load);
        EXPECT_EQ(run.exit_code, 0) << run.err;
        EXPECT_NE(run.screen.find(g.refused), std::string::npos) << run.screen;
    }
}

TEST(HostileInput, ScenarioFileHoldingAnOverflowingNumberIsADamagedFile) {
    ScopedTempDir dir;
    write_file("A-DATA.DAT", " 1E+40 \r\n 1 \r\n 1 \r\n 1 \r\n");
    BinaryRun run = run_binary("kelmat95", "x1A{ENTER}");
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_NE(run.screen.find("その名のシナリオはありません"), std::string::npos) << run.screen;
}

TEST(HostileInput, ATakenTemporaryNameNeverCostsTheSave) {
    // Another run's leftover beside the save, under the name a write once used, that cannot be
    // removed (a directory holding a file): the new save is written all the same, and the
    // leftover is left alone.
    ScopedTempDir dir;
    const std::string stay_home = "h" + std::string(33, '3') + "y";
    std::filesystem::create_directory("~MORDATAF.DAT.partial");
    write_file("~MORDATAF.DAT.partial/keep", "x");
    write_file("MORDATAF.DAT", "old");
    BinaryRun run = run_binary("MORVA95F", "5n1" + stay_home + "y{ENTER}");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(read_file("MORDATAF.DAT").substr(0, 5), " 2 \r\n");
    EXPECT_EQ(read_file("~MORDATAF.DAT.partial/keep"), "x");
    std::size_t temporaries = 0;
    for (const auto& e : std::filesystem::directory_iterator("."))
        temporaries += e.path().filename().string().starts_with("~");
    EXPECT_EQ(temporaries, 1u) << "no temporary file of the run left behind";
}

TEST(HostileInput, ASaveThatCannotTakeItsNameSaysSoAndAsksAgain) {
    // The save's name is taken by a directory, so the complete new file cannot be renamed to
    // it: the directory stays as it was, no temporary file is left, the save's own failure
    // message stays on screen under the save question asked again, and "N" goes on.
    struct Game {
        const char* program;
        const char* file;
        std::string to_save;
    } games[] = {
        {"MORVA95F", "MORDATAF.DAT", "5n1h" + std::string(33, '3') + "y"},
        {"MORVA95S", "MORDATAS.DAT", "11Nn5h" + std::string(33, '3') + "y"},
    };
    for (const auto& g : games) {
        SCOPED_TRACE(g.program);
        ScopedTempDir dir;
        std::filesystem::create_directory(g.file);
        write_file(std::string(g.file) + "/keep", "x");
        BinaryRun refused = run_binary(g.program, g.to_save + "y{ENTER}");
        EXPECT_EQ(refused.exit_code, 0) << refused.err;
        const std::string message_row = testing_support::dump_line(refused.screen, 23);
        EXPECT_EQ(testing_support::column_of(message_row, "ＤＩＳＫがセットされてません"), 24) << message_row;
        EXPECT_NE(refused.screen.find("SAVE しますか ?"), std::string::npos);
        EXPECT_EQ(read_file(std::string(g.file) + "/keep"), "x");
        std::size_t entries = 0;
        for (const auto& e : std::filesystem::directory_iterator("."))
            entries += !e.path().filename().string().starts_with("run.");
        EXPECT_EQ(entries, 1u) << "the directory alone: no temporary file left";
        BinaryRun declined = run_binary(g.program, g.to_save + "y{ENTER}n{ENTER}");
        EXPECT_EQ(declined.exit_code, 0) << declined.err;
        EXPECT_NE(declined.screen, refused.screen) << "the turn opening follows";
    }
}

// Runs a built program headless under a file-size limit of `limit` bytes (ulimit -f): its
// final screen comes through a pipe, which the limit does not reach. Returns the exit status
// and the screen.
BinaryRun run_under_file_size_limit(const std::string& program, const std::string& folder, const std::string& keys,
                                    rlim_t limit) {
    BinaryRun run;
    int screen[2];
    if (::pipe(screen) != 0) return run;
    const std::string exe = std::string(BINARY_DIR) + "/" + folder + "/" + program;
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(screen[0]);
        if (::dup2(screen[1], 3) != 3 || !std::freopen("/dev/null", "w", stderr)) _exit(126);
        const rlimit r{limit, limit};
        if (::setrlimit(RLIMIT_FSIZE, &r) != 0) _exit(125);
        execl(exe.c_str(), program.c_str(), "--headless", "--keys", keys.c_str(), "--screen", "/dev/fd/3",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    ::close(screen[1]);
    char buf[4096];
    for (ssize_t n; (n = ::read(screen[0], buf, sizeof buf)) > 0;) run.screen.append(buf, static_cast<std::size_t>(n));
    ::close(screen[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

// The names in the current folder, the run's dumps left out.
std::vector<std::string> entries() {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator("."))
        if (!e.path().filename().string().starts_with("run.")) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(HostileInput, AFileSizeLimitIsAFullDisk) {
    // A save that crosses the limit (256 bytes, below every save) fails like a full disk: the
    // program is not killed by the limit's signal, says so, keeps the old save byte for byte,
    // leaves no temporary file, and asks the save question again.
    constexpr rlim_t kLimit = 256;
    struct Game {
        const char* program;
        const char* folder;
        const char* file;
        std::string to_save;
    } games[] = {
        {"MORVA95F", "detailed", "MORDATAF.DAT", "5n1h" + std::string(33, '3') + "y"},
        {"MORVA95S", "simplified", "MORDATAS.DAT", "11Nn5h" + std::string(33, '3') + "y"},
    };
    for (const auto& g : games) {
        SCOPED_TRACE(g.program);
        ScopedTempDir dir;
        // The old save: another campaign's.
        ASSERT_EQ(run_binary(g.program, g.to_save + "y{ENTER}", 30).exit_code, 0);
        const std::string old_save = read_file(g.file);
        ASSERT_GT(old_save.size(), kLimit);
        BinaryRun run = run_under_file_size_limit(g.program, g.folder, g.to_save + "y{ENTER}", kLimit);
        EXPECT_EQ(run.exit_code, 0);
        const std::string message_row = testing_support::dump_line(run.screen, 23);
        EXPECT_EQ(testing_support::column_of(message_row, "ＤＩＳＫにスペースがないです"), 24) << message_row;
        EXPECT_NE(run.screen.find("SAVE しますか ?"), std::string::npos) << run.screen;
        EXPECT_EQ(read_file(g.file), old_save);
        EXPECT_EQ(entries(), std::vector<std::string>{g.file}) << "no temporary file left";
    }
    // kelmat95's scenario file (about 5 KB): no file under the name, nor a temporary one, and
    // the name question again (the message is shown for a timed pause before it).
    ScopedTempDir dir;
    // A designed scenario of three ships against one, to its save question.
    const std::string to_name = std::string("x2") + "3{ENTER}1" + "2{ENTER}3" + "3" + "7" + "2{ENTER}" +
                                "500{ENTER}25{ENTER}17{ENTER}35{ENTER}4" + "500{ENTER}y" + "250{ENTER}" + "1{ENTER}" +
                                "80.5{ENTER}1{ENTER}1{ENTER}15{ENTER}1" + "50{ENTER}n" + "20{ENTER}" + "2{ENTER}" +
                                "2" + "22{ENTER}2{ENTER}" +
                                "200{ENTER}7{ENTER}11{ENTER}21{ENTER}250{ENTER}100{ENTER}1{ENTER}" + "Y";
    BinaryRun run = run_under_file_size_limit("kelmat95", "gunnery", to_name + "A{ENTER}", kLimit);
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_NE(run.screen.find("シナリオをディスクへ書き込みます"), std::string::npos) << run.screen;
    EXPECT_EQ(entries(), std::vector<std::string>{}) << "no scenario file, no temporary file";
    // Without the limit, the same keys write it.
    ASSERT_EQ(run_binary("kelmat95", to_name + "A{ENTER}").exit_code, 0);
    EXPECT_GT(read_file("A-DATA.DAT").size(), kLimit);
}

// Makes `name` something no loader should read: a FIFO, a link to an endless device, a
// directory, or a file far larger than any stored file.
void make_hostile(const std::string& name, int kind) {
    if (kind == 0) {
        ASSERT_EQ(::mkfifo(name.c_str(), 0644), 0);
    }
    if (kind == 1) std::filesystem::create_symlink("/dev/zero", name);
    if (kind == 2) std::filesystem::create_directory(name);
    if (kind == 3) write_file(name, std::string(4u << 20, '1'));
}

TEST(HostileInput, LoadersReadOnlyRegularFilesOfASaneSize) {
    // Each is a damaged file with the program's own message: no hang, no growth without bound.
    for (int kind = 0; kind < 4; ++kind) {
        {
            ScopedTempDir dir;
            make_hostile("A-DATA.DAT", kind);
            BinaryRun run = run_binary("kelmat95", "x1A{ENTER}");
            EXPECT_EQ(run.exit_code, 0) << kind << ": " << run.err;
            EXPECT_NE(run.screen.find("その名のシナリオはありません"), std::string::npos) << kind;
        }
        {
            ScopedTempDir dir;
            make_hostile("MORDATAF.DAT", kind);
            BinaryRun run = run_binary("MORVA95F", "5n7");
            EXPECT_EQ(run.exit_code, 0) << kind << ": " << run.err;
            EXPECT_NE(run.screen.find("Data File not found"), std::string::npos) << kind;
        }
        {
            ScopedTempDir dir;
            make_hostile("MORDATAS.DAT", kind);
            BinaryRun run = run_binary("MORVA95S", "18Nn");
            EXPECT_EQ(run.exit_code, 0) << kind << ": " << run.err;
            EXPECT_NE(run.screen.find("No Files"), std::string::npos) << kind;
        }
    }
}

}  // namespace
