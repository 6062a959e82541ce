// Sequential files: what a print to a file writes, reading items back, the error numbers of
// host failures, that an unfinished output file never takes its name, written unnamed or under
// a temporary name, and which leftovers of killed runs a write removes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

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
    // A run killed between giving a new file its name and removing its temporary name left
    // that second name of the file: the refused open removes it all the same.
    const std::string left = "~A-DATA.DAT.1-1.partial";
    write_file(left, "old");
    EXPECT_EQ(error_number_of([] { con::open_file(1, con::FileMode::Output, "A-DATA.DAT"); }), 64);
    EXPECT_EQ(read_file("A-DATA.DAT"), "old");
    EXPECT_FALSE(std::filesystem::exists(left));
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

// The temporary files in the current folder.
std::vector<std::string> partial_files() {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator("."))
        if (e.path().filename().string().starts_with("~")) names.push_back(e.path().filename().string());
    return names;
}

// Saves `name` in the current folder as a player's run does, with unnamed files refused.
void save(const std::string& name, float value) {
    ScopedConsole sc;
    sc.console().files().set_unnamed_files(false);
    con::open_file(1, con::FileMode::Output, name, con::Existing::Replace);
    con::print_to_file(1, value);
    con::close_files();
}

TEST(Files, AWriteRemovesTheUnheldLeftoversOfItsNameOwnedByThePlayer) {
    // Temporary files that killed runs left under the save's name are removed before the
    // save, in either way of writing, whatever process number their name holds (a live
    // process's and this one's too: a number proves nothing). Another name's, anything not a
    // plain file or not named as a write names its file stays.
    for (bool unnamed : {true, false}) {
        SCOPED_TRACE(unnamed ? "unnamed" : "named");
        ScopedTempDir dir;
        ScopedConsole sc;
        sc.console().files().set_unnamed_files(unnamed);
        const pid_t gone = gone_process();
        const std::string removed[] = {leftover("SAVE.DAT", gone, 1), leftover("SAVE.DAT", gone, 27),
                                       leftover("SAVE.DAT", 1, 1), leftover("SAVE.DAT", ::getpid(), 999)};
        const std::string kept[] = {leftover("OTHER.DAT", gone, 1),
                                    "~SAVE.DAT." + std::to_string(gone) + "x-1.partial",
                                    "~SAVE.DAT." + std::to_string(gone) + "-1.partia",
                                    "~SAVE.DAT.-1-1.partial",
                                    "~SAVE.DAT.0-1.partial"};
        for (const auto& name : removed) write_file(name, "left");
        for (const auto& name : kept) write_file(name, "kept");
        // Not plain files: a folder and a link under a leftover's name.
        std::filesystem::create_directory(leftover("SAVE.DAT", gone, 2));
        std::filesystem::create_symlink("OTHER.DAT", leftover("SAVE.DAT", gone, 3));
        write_file("SAVE.DAT", "old");
        con::open_file(1, con::FileMode::Output, "SAVE.DAT", con::Existing::Replace);
        con::print_to_file(1, 1.0f);
        con::close_files();
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
}

// Why the current folder's file system takes no open file description locks ("" when it does).
std::string no_locks_here() {
    const int fd = ::open("lock-probe", O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return std::string("cannot make a file: ") + std::strerror(errno);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    const bool locked = ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
    const std::string why = locked ? "" : std::string("the file system refuses locks: ") + std::strerror(errno);
    ::close(fd);
    ::unlink("lock-probe");
    return why;
}

TEST(Files, TwoCleanUpsNeverHoldOneLeftover) {
    // Two saves of one name clean up at the same moment. While the first holds a leftover to
    // remove it, the second must leave it alone: were both to hold it, the first would remove
    // it, a writer with the same process number and count would take the name for its live
    // file, and the second would remove that file.
    ScopedTempDir dir;
    if (const std::string why = no_locks_here(); !why.empty()) GTEST_SKIP() << why;
    const std::string left = leftover("SAVE.DAT", gone_process(), 1);
    write_file(left, "left");
    int held_by_second = 0;
    int writer = -1;
    con::FileSystem first;
    first.set_unnamed_files(false);
    first.set_cleanup_hook([&](const std::string& name) {
        ASSERT_EQ(name, left);
        con::FileSystem second;
        second.set_unnamed_files(false);
        second.set_cleanup_hook([&](const std::string&) {
            ++held_by_second;
            // The first clean-up removes it, and the writer takes the name and locks its file.
            ::unlink(left.c_str());
            writer = ::open(left.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            struct flock lock {};
            lock.l_type = F_WRLCK;
            lock.l_whence = SEEK_SET;
            if (writer >= 0) ::fcntl(writer, F_OFD_SETLK, &lock);
        });
        second.open(1, con::FileMode::Output, "SAVE.DAT", con::Existing::Replace);
        second.write_line(1, "second");
        second.close(1);
    });
    first.open(1, con::FileMode::Output, "SAVE.DAT", con::Existing::Replace);
    first.write_line(1, "first");
    first.close(1);
    EXPECT_EQ(held_by_second, 0) << "the second clean-up held the leftover the first was removing";
    if (writer >= 0) {
        EXPECT_TRUE(std::filesystem::exists(left)) << "the writer's live file was removed";
        ::close(writer);
    } else {
        EXPECT_FALSE(std::filesystem::exists(left)) << "removed by the first clean-up";
    }
    EXPECT_EQ(read_file("SAVE.DAT"), "first\r\n");
}

TEST(Files, AnotherUsersLeftoverStays) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving a file to another user needs root";
    ScopedTempDir dir;
    const std::string theirs = leftover("SAVE.DAT", gone_process(), 1);
    write_file(theirs, "kept");
    ASSERT_EQ(::chown(theirs.c_str(), 54321, 54321), 0);  // a uid no account has
    save("SAVE.DAT", 1.0f);
    EXPECT_EQ(read_file(theirs), "kept");
}

// A pipe, both ends closed with it.
struct Pipe {
    int read_end = -1, write_end = -1;
    Pipe() {
        int fds[2];
        if (::pipe(fds) == 0) read_end = fds[0], write_end = fds[1];
    }
    ~Pipe() {
        if (read_end >= 0) ::close(read_end);
        if (write_end >= 0) ::close(write_end);
    }
};

// How a held write ends: its run closes the file, or ends without closing it (as killed).
enum class WriteEnd : char { Close = 'c', Die = 'd' };

// Another run's save of `name`, with unnamed files refused (as on a network file system): it
// tells `up` when it is writing, waits for a word on `down`, then ends as told. Exits with 0
// when its save succeeded, or with the error number the save raised.
[[noreturn]] void write_and_hold(const std::string& name, int up, int down) {
    int status = 0;
    try {
        con::FileSystem files;
        files.set_unnamed_files(false);
        files.open(1, con::FileMode::Output, name, con::Existing::Replace);
        files.write_line(1, "held");
        char word = 'w';
        if (::write(up, &word, 1) != 1 || ::read(down, &word, 1) != 1) _exit(100);
        if (word == static_cast<char>(WriteEnd::Die)) _exit(0);  // the file stays open to the end
        files.close(1);
    } catch (const con::RuntimeError& e) {
        status = e.number();
    }
    _exit(status);
}

// A save of another run, held in its writing until end(). `start` runs in the new process
// first; it returns why the write cannot be made there ("" to go on), or starts the write
// itself and never returns.
class HeldWrite {
public:
    explicit HeldWrite(const std::string& name, const std::function<std::string(const HeldWrite&)>& start = {})
        : name_(name) {
        pid_ = fork();
        // Each side keeps its own ends only: a side that ends is seen to end (end of file).
        close_end(pid_ == 0 ? up_.read_end : up_.write_end);
        close_end(pid_ == 0 ? down_.write_end : down_.read_end);
        if (pid_ != 0) return;
        if (start) {
            const std::string why = start(*this);
            (void)!::write(up_.write_end, why.data(), why.size());
            _exit(101);
        }
        write();
    }
    ~HeldWrite() {
        // Not ended: its run reads the end of the pipe and ends without closing its file.
        close_end(down_.write_end);
        if (pid_ > 0) waitpid(pid_, nullptr, 0);
    }
    HeldWrite(const HeldWrite&) = delete;
    HeldWrite& operator=(const HeldWrite&) = delete;
    /// The new process starts writing (in whichever process `start` chose).
    [[noreturn]] void write() const { write_and_hold(name_, up_.write_end, down_.read_end); }
    /// Waits until the write is being made; else why it cannot be.
    std::string writing() {
        char word[200] = {};
        const ssize_t n = ::read(up_.read_end, word, sizeof word - 1);
        if (n == 1 && word[0] == 'w') return "";
        return n > 0 ? std::string(word, static_cast<std::size_t>(n)) : "the writer ended before writing";
    }
    /// Tells the run, once writing, how to end and returns its exit status.
    int end(WriteEnd how) {
        const char word = static_cast<char>(how);
        (void)!::write(down_.write_end, &word, 1);
        int status = 0;
        const pid_t pid = std::exchange(pid_, 0);
        if (pid <= 0 || waitpid(pid, &status, 0) != pid) return -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

private:
    static void close_end(int& fd) {
        ::close(fd);
        fd = -1;
    }
    std::string name_;
    Pipe up_, down_;
    pid_t pid_ = 0;
};

TEST(Files, ALiveRunsTemporaryFileStaysUntilItsRunHasGone) {
    // Another run saving the same name holds its temporary file: a save meanwhile leaves it,
    // and that run's save still succeeds. Ended without closing (killed), its run no longer
    // holds it, and the next save removes it.
    for (WriteEnd how : {WriteEnd::Close, WriteEnd::Die}) {
        SCOPED_TRACE(how == WriteEnd::Close ? "closed" : "killed");
        ScopedTempDir dir;
        HeldWrite other("SAVE.DAT");
        ASSERT_EQ(other.writing(), "");
        const auto held = partial_files();
        ASSERT_EQ(held.size(), 1u) << "the other run writes under a temporary name";
        save("SAVE.DAT", 1.0f);
        EXPECT_EQ(read_file("SAVE.DAT"), " 1 \r\n");
        EXPECT_EQ(partial_files(), held);
        EXPECT_EQ(other.end(how), 0);
        if (how == WriteEnd::Close) {
            EXPECT_EQ(read_file("SAVE.DAT"), "held\r\n");
            EXPECT_TRUE(partial_files().empty());
        } else {
            EXPECT_EQ(partial_files(), held);
            save("SAVE.DAT", 2.0f);
            EXPECT_TRUE(partial_files().empty());
        }
    }
}

// In a new pid namespace (and, not being root, a new user namespace in which this user is
// root): the write is made by a process whose number there is `number`. Returns why not when
// the system refuses; else the write is made and this never returns.
std::string write_as_number_in_new_pid_namespace(const HeldWrite& write, pid_t number) {
    const uid_t uid = ::geteuid();
    if (uid != 0) {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWPID) != 0)
            return std::string("a new user and pid namespace is refused: ") + std::strerror(errno);
        // This user is root in the new namespace, to choose process numbers there.
        const std::string map = "0 " + std::to_string(uid) + " 1\n";
        const int fd = ::open("/proc/self/uid_map", O_WRONLY | O_CLOEXEC);
        const bool mapped = fd >= 0 && ::write(fd, map.data(), map.size()) == static_cast<ssize_t>(map.size());
        if (fd >= 0) ::close(fd);
        if (!mapped) return std::string("mapping the user in a new user namespace is refused: ") + std::strerror(errno);
    } else if (::unshare(CLONE_NEWPID) != 0) {
        return std::string("a new pid namespace is refused: ") + std::strerror(errno);
    }
    // The namespace's first process (its number 1) makes the writer under `number`.
    const pid_t first = fork();
    if (first < 0) return std::string("fork in the new pid namespace: ") + std::strerror(errno);
    if (first > 0) {
        int status = 0;
        waitpid(first, &status, 0);
        _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 102);
    }
    const std::string last = std::to_string(number - 1);
    const int fd = ::open("/proc/sys/kernel/ns_last_pid", O_WRONLY | O_CLOEXEC);
    const bool chosen = fd >= 0 && ::write(fd, last.data(), last.size()) == static_cast<ssize_t>(last.size());
    if (fd >= 0) ::close(fd);
    if (!chosen) return std::string("choosing a process number in a new pid namespace is refused: ") + std::strerror(errno);
    const pid_t writer = fork();
    if (writer == 0) {
        if (::getpid() != number) _exit(103);
        write.write();
    }
    int status = 0;
    waitpid(writer, &status, 0);
    _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 102);
}

TEST(Files, ARunInAnotherPidNamespaceKeepsItsTemporaryFile) {
    // A run in a container sharing the folder names its temporary file with a process number
    // that, here, belongs to no process: its file is still its own while it writes.
    ScopedTempDir dir;
    const pid_t number = gone_process();
    HeldWrite other("SAVE.DAT", [&](const HeldWrite& w) { return write_as_number_in_new_pid_namespace(w, number); });
    if (const std::string why = other.writing(); !why.empty()) GTEST_SKIP() << why;
    const auto held = partial_files();
    ASSERT_EQ(held.size(), 1u);
    ASSERT_TRUE(held[0].starts_with("~SAVE.DAT." + std::to_string(number) + "-")) << held[0];
    if (::kill(number, 0) == 0 || errno != ESRCH) GTEST_SKIP() << "process number " << number << " was taken again";
    save("SAVE.DAT", 1.0f);
    EXPECT_EQ(partial_files(), held);
    EXPECT_EQ(other.end(WriteEnd::Close), 0) << "its save failed";
    EXPECT_EQ(read_file("SAVE.DAT"), "held\r\n");
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
