// Sequential files: what a print to a file writes, reading items back, the error numbers of
// host failures, that an unfinished output file never takes its name, written unnamed or under
// a temporary name, and which leftovers of killed runs a write removes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "console/console_state.h"
#include "tests/test_support.h"

using namespace testing_support;

namespace {

bool any_partial_file() {
    for (const auto& e : std::filesystem::directory_iterator("."))
        if (e.path().filename().string().starts_with("~")) return true;
    return false;
}

TEST(Files, PrintWritesWhatTheScreenWouldShowWithCrLf) {
    ScopedTempDir dir;
    ScopedConsole sc;
    con::open_file(1, con::FileMode::Output, "OUT.DAT");
    con::print_to_file(1, 12.0f);
    con::print_to_file(1, -3.0f);
    con::print_to_file(1, "戦艦 大和");
    con::print_to_file(1, "");
    EXPECT_FALSE(con::file_exists("OUT.DAT"));  // not before it is closed
    con::close_files();
    // CP932 on disk: 戦 = 90 ED, 艦 = 8A CD, 大 = 91 E5, 和 = 98 61.
    EXPECT_EQ(read_file("OUT.DAT"), " 12 \r\n-3 \r\n\x90\xED\x8A\xCD \x91\xE5\x98\x61\r\n\r\n");
}

TEST(Files, InputReadsItemsAtCommasAndLineEnds) {
    ScopedTempDir dir;
    ScopedConsole sc;
    write_file("IN.DAT", " 12 \r\n.75\n-3 ,abc, d e \r\n\x90\xED\x8A\xCD\r\n\r\n1E+06\r\nx1\r\n");
    con::open_file(1, con::FileMode::Input, "IN.DAT");
    float v = 0;
    std::string s;
    con::input_from_file(1, v);
    EXPECT_EQ(v, 12.0f);
    con::input_from_file(1, v);
    EXPECT_EQ(v, 0.75f);
    con::input_from_file(1, v);
    EXPECT_EQ(v, -3.0f);
    con::input_from_file(1, s);
    EXPECT_EQ(s, "abc");
    con::input_from_file(1, s);
    EXPECT_EQ(s, "d e ");
    con::input_from_file(1, s);
    EXPECT_EQ(s, "戦艦");
    con::input_from_file(1, s);
    EXPECT_EQ(s, "");
    con::input_from_file(1, v);
    EXPECT_EQ(v, 1e6f);
    EXPECT_EQ(error_number_of([&] { con::input_from_file(1, v); }), 13);
    EXPECT_EQ(error_number_of([&] { con::input_from_file(1, v); }), con::err::kInputPastEnd);
    con::close_files();
}

TEST(Files, OpeningAnExistingFileForOutputFailsAndLeavesItAlone) {
    ScopedTempDir dir;
    ScopedConsole sc;
    write_file("A-DATA.DAT", "old");
    EXPECT_EQ(error_number_of([] { con::open_file(1, con::FileMode::Output, "A-DATA.DAT"); }), 64);
    EXPECT_EQ(read_file("A-DATA.DAT"), "old");
    // Replace is allowed only when asked for, and takes effect only at the close.
    con::open_file(1, con::FileMode::Output, "A-DATA.DAT", con::Existing::Replace);
    con::print_to_file(1, 1.0f);
    EXPECT_EQ(read_file("A-DATA.DAT"), "old");
    con::close_file(1);
    EXPECT_EQ(read_file("A-DATA.DAT"), " 1 \r\n");
}

TEST(Files, MissingFileForInputAndKill) {
    ScopedTempDir dir;
    ScopedConsole sc;
    EXPECT_EQ(error_number_of([] { con::open_file(1, con::FileMode::Input, "NONE.DAT"); }), 63);
    EXPECT_EQ(error_number_of([] { con::kill_file("NONE.DAT"); }), 63);
    write_file("K.DAT", "x");
    con::kill_file("K.DAT");
    EXPECT_FALSE(con::file_exists("K.DAT"));
}

struct HostFailure {
    const char* name;
    con::FileOp op;
    int host_errno;
    int number;
};

// Whether the file system of the current folder can create unnamed files (O_TMPFILE).
bool unnamed_files_here() {
    const int fd = ::open(".", O_TMPFILE | O_WRONLY, 0600);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

TEST(Files, EitherWayAFileTakesItsNameOnlyWhenClosed) {
    // Unnamed where the file system allows: nothing beside the name while it is written;
    // otherwise a temporary name of its own. Both replace an old file, or take a new name.
    for (bool unnamed : {true, false}) {
        SCOPED_TRACE(unnamed ? "unnamed" : "named");
        ScopedTempDir dir;
        ScopedConsole sc;
        sc.console().files().set_unnamed_files(unnamed);
        write_file("SAVE.DAT", "old");
        con::open_file(1, con::FileMode::Output, "SAVE.DAT", con::Existing::Replace);
        con::open_file(2, con::FileMode::Output, "NEW.DAT");
        con::print_to_file(1, 1.0f);
        con::print_to_file(2, 2.0f);
        if (unnamed && unnamed_files_here()) {
            EXPECT_FALSE(any_partial_file());
        }
        if (!unnamed) {
            EXPECT_TRUE(any_partial_file());
        }
        EXPECT_EQ(read_file("SAVE.DAT"), "old");
        EXPECT_FALSE(con::file_exists("NEW.DAT"));
        con::close_files();
        EXPECT_EQ(read_file("SAVE.DAT"), " 1 \r\n");
        EXPECT_EQ(read_file("NEW.DAT"), " 2 \r\n");
        EXPECT_FALSE(any_partial_file());
        // A name that appeared while the file was written is never overwritten.
        con::open_file(1, con::FileMode::Output, "LATE.DAT");
        con::print_to_file(1, 3.0f);
        write_file("LATE.DAT", "first");
        EXPECT_EQ(error_number_of([] { con::close_files(); }), 64);
        EXPECT_EQ(read_file("LATE.DAT"), "first");
        EXPECT_FALSE(any_partial_file());
    }
}

// A process that lives until `stop` is called: a run that is writing.
struct LiveProcess {
    pid_t pid = 0;
    int pipe_fd[2] = {-1, -1};
    LiveProcess() {
        if (::pipe(pipe_fd) != 0) return;
        pid = fork();
        if (pid == 0) {
            char c;
            ::close(pipe_fd[1]);
            (void)::read(pipe_fd[0], &c, 1);
            _exit(0);
        }
        ::close(pipe_fd[0]);
    }
    void stop() {
        ::close(pipe_fd[1]);
        waitpid(pid, nullptr, 0);
    }
};

// A process number whose process has ended.
pid_t gone_process() {
    const pid_t pid = fork();
    if (pid == 0) _exit(0);
    waitpid(pid, nullptr, 0);
    return pid;
}

std::string leftover(const std::string& target, pid_t pid, int n) {
    return "~" + target + "." + std::to_string(pid) + "-" + std::to_string(n) + ".partial";
}

TEST(Files, AWriteRemovesOnlyItsNamesLeftoversOfGoneRunsOwnedByThePlayer) {
    // Temporary files that killed runs left under the save's name are removed before the
    // save, in either way of writing; a live run's (this one's too), another user's, another
    // name's, anything not a plain file or not named as a write names its file stays.
    const bool root = ::geteuid() == 0;
    for (bool unnamed : {true, false}) {
        SCOPED_TRACE(unnamed ? "unnamed" : "named");
        ScopedTempDir dir;
        ScopedConsole sc;
        sc.console().files().set_unnamed_files(unnamed);
        const pid_t gone = gone_process();
        LiveProcess live;
        ASSERT_GT(live.pid, 0);
        const std::string removed[] = {leftover("SAVE.DAT", gone, 1), leftover("SAVE.DAT", gone, 27)};
        std::vector<std::string> kept = {leftover("SAVE.DAT", live.pid, 1),
                                         leftover("SAVE.DAT", ::getpid(), 999),
                                         leftover("OTHER.DAT", gone, 1),
                                         "~SAVE.DAT." + std::to_string(gone) + "x-1.partial",
                                         "~SAVE.DAT." + std::to_string(gone) + "-1.partia",
                                         "~SAVE.DAT.-1-1.partial",
                                         "~SAVE.DAT.0-1.partial"};
        for (const auto& name : removed) write_file(name, "left");
        for (const auto& name : kept) write_file(name, "kept");
        // Not plain files: a folder and a link under a leftover's name.
        std::filesystem::create_directory(leftover("SAVE.DAT", gone, 2));
        std::filesystem::create_symlink("OTHER.DAT", leftover("SAVE.DAT", gone, 3));
        if (root) {
            // Another user's file (a uid no account has).
            write_file(leftover("SAVE.DAT", gone, 4), "kept");
            ASSERT_EQ(::chown(leftover("SAVE.DAT", gone, 4).c_str(), 54321, 54321), 0);
            kept.push_back(leftover("SAVE.DAT", gone, 4));
        }
        write_file("SAVE.DAT", "old");
        con::open_file(1, con::FileMode::Output, "SAVE.DAT", con::Existing::Replace);
        con::print_to_file(1, 1.0f);
        con::close_files();
        live.stop();
        EXPECT_EQ(read_file("SAVE.DAT"), " 1 \r\n");
        for (const auto& name : removed) EXPECT_FALSE(std::filesystem::exists(name)) << name;
        for (const auto& name : kept) EXPECT_EQ(read_file(name), "kept") << name;
        EXPECT_TRUE(std::filesystem::is_directory(leftover("SAVE.DAT", gone, 2)));
        EXPECT_TRUE(std::filesystem::is_symlink(leftover("SAVE.DAT", gone, 3)));
        // Reading never removes anything.
        write_file(removed[0], "left");
        con::open_file(1, con::FileMode::Input, "SAVE.DAT");
        con::close_files();
        EXPECT_TRUE(std::filesystem::exists(removed[0]));
    }
    if (!root) GTEST_SKIP() << "another user's file is tried as root only";
}

TEST(Files, HostFailuresMapToTheProgramsErrorNumbers) {
    const HostFailure cases[] = {
        {"disk full while writing", con::FileOp::Write, ENOSPC, 67},
        {"quota while closing", con::FileOp::Close, EDQUOT, 67},
        {"read-only at open", con::FileOp::OpenOutput, EROFS, 73},
        {"no permission at open", con::FileOp::OpenOutput, EACCES, 73},
        {"i/o error at open", con::FileOp::OpenOutput, EIO, 72},
        {"no device at open", con::FileOp::OpenOutput, ENODEV, 60},
        {"missing at input", con::FileOp::OpenInput, ENOENT, 63},
        {"protected at kill", con::FileOp::Kill, EPERM, 73},
    };
    for (bool unnamed : {true, false})
        for (const HostFailure& c : cases) {
            ScopedTempDir dir;
            ScopedConsole sc;
            sc.console().files().set_unnamed_files(unnamed);
            write_file("IN.DAT", "1\r\n");
            write_file("GONE.DAT", "1\r\n");
            sc.console().files().inject_failure(c.op, c.host_errno);
            int got = error_number_of([&] {
                switch (c.op) {
                    case con::FileOp::OpenInput: con::open_file(1, con::FileMode::Input, "IN.DAT"); break;
                    case con::FileOp::Kill: con::kill_file("GONE.DAT"); break;
                    default:
                        con::open_file(1, con::FileMode::Output, "OUT.DAT");
                        con::print_to_file(1, 5.0f);
                        con::close_files();
                }
            });
            EXPECT_EQ(got, c.number) << c.name;
            // A failed output never leaves a file under its name, nor a temporary one.
            EXPECT_FALSE(con::file_exists("OUT.DAT")) << c.name;
            EXPECT_FALSE(any_partial_file()) << c.name;
            con::abandon_files();
        }
}

TEST(Files, AbandonedOutputLeavesTheOldFileAndNoPartialOne) {
    for (bool unnamed : {true, false}) {
        ScopedTempDir dir;
        {
            ScopedConsole sc;
            sc.console().files().set_unnamed_files(unnamed);
            write_file("SAVE.DAT", "old save");
            con::open_file(1, con::FileMode::Output, "SAVE.DAT", con::Existing::Replace);
            con::print_to_file(1, 7.0f);
            con::abandon_files();
        }
        EXPECT_EQ(read_file("SAVE.DAT"), "old save") << unnamed;
        EXPECT_FALSE(any_partial_file()) << unnamed;
    }
}

TEST(Files, NameInAMissingDirectoryIsAnUnavailableDevice) {
    ScopedTempDir dir;
    ScopedConsole sc;
    EXPECT_EQ(error_number_of([] { con::open_file(1, con::FileMode::Output, "NO/SUCH.DAT"); }), 60);
    EXPECT_EQ(error_number_of([] { con::open_file(1, con::FileMode::Input, "NO/SUCH.DAT"); }), 63);
}

}  // namespace
