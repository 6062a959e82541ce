// Saves under kill: MORVA95F's binary saves at the start of turns 2-4 of a campaign and is
// killed (SIGKILL) at each moment its saves change the disk: right after every system call that
// writes a file (a write open, a write, an fsync, the close of a written file, a link, a
// rename). Only those calls change what a kill leaves, so killing after each of them in turn
// covers every state a kill at any moment can leave. The save file must always be the old
// complete file or one of the new complete ones, the next start must load that file, and at
// most the killed run's own temporary file may be left beside it, which the next save removes.
// Both ways of writing are killed: unnamed files (O_TMPFILE) and, with O_TMPFILE refused as on
// a file system without it, named temporary files. Each time the save takes its name, the
// folder is flushed afterwards (so that the new name survives a power cut).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <vector>

#include "tests/detailed/detailed_support.h"

using detailed_test::opening_keys;
using detailed_test::stay_home;
using testing_support::read_file;
using testing_support::run_binary;
using testing_support::ScopedTempDir;
using testing_support::write_file;

namespace {

// Saves a run makes: the start of turns 2-4 (the first replaces another campaign's file, the
// next ones the run's own).
constexpr int kSaves = 3;
constexpr const char* kSave = "MORDATAF.DAT";

// A new game of scenario 1 that saves at the start of turns 2, 3, ... (`saves` saves).
std::string saving_campaign(int saves) {
    std::string keys = opening_keys(1) + stay_home();
    for (int k = 1; k <= saves; ++k) keys += "y{ENTER}" + (k < saves ? stay_home() : std::string());
    return keys;
}

std::string binary_path() { return std::string(BINARY_DIR) + "/detailed/MORVA95F"; }

// Makes every open with O_TMPFILE fail with EOPNOTSUPP in this process and the program it
// starts, as on a file system that cannot create unnamed files.
bool refuse_unnamed_files() {
#if defined(__x86_64__)
    constexpr unsigned arch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
    constexpr unsigned arch = AUDIT_ARCH_AARCH64;
#else
    return false;
#endif
    constexpr unsigned tmpfile_bit = O_TMPFILE & ~O_DIRECTORY;
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, arch, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_openat, 0, 3),
        // The low half of the flags (little-endian).
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])),
        BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, tmpfile_bit, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (EOPNOTSUPP & SECCOMP_RET_DATA)),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

// What a run did to the save's name and its folder, in order.
constexpr const char* kSaveNamed = "save named";
constexpr const char* kFolderFlushed = "folder flushed";

// How a traced run went.
struct TracedRun {
    std::string refused;  // why the system refused the tracing or the seccomp filter ("" if not)
    int stops = 0;        // system calls that wrote a file, each seen once it had returned
    bool killed = false;
    long killed_after = -1;  // the system call the run was killed after
    pid_t pid = 0;
    int exit_code = -1;  // when it ended by itself
    std::vector<std::string> names;  // kSaveNamed, kFolderFlushed
};

// The text at `address` in the memory of the stopped process `pid` (a path: at most PATH_MAX).
std::string string_in(pid_t pid, unsigned long long address) {
    std::string text;
    while (text.size() < PATH_MAX) {
        errno = 0;
        const long word = ptrace(PTRACE_PEEKDATA, pid, address + text.size(), nullptr);
        if (errno != 0) break;
        const char* bytes = reinterpret_cast<const char*>(&word);
        for (std::size_t i = 0; i < sizeof word; ++i) {
            if (bytes[i] == '\0') return text;
            text += bytes[i];
        }
    }
    return text;
}

// Follows the system calls of a run and tells which ones write a file; notes when the save
// takes its name (a link or rename to it) and when its folder (`folder`) is flushed.
class FileCalls {
public:
    FileCalls(pid_t pid, std::string folder) : pid_(pid), folder_(std::move(folder)) {}
    // At a call's entry: remembers it when it writes a file or flushes the folder.
    void enter(const __ptrace_syscall_info& info) {
        const long nr = static_cast<long>(info.entry.nr);
        const auto& a = info.entry.args;
        pending_ = -1;
        fd_ = -1;
        names_save_ = false;
        flushes_folder_ = false;
        if (nr == SYS_openat) {
            const long flags = static_cast<long>(a[2]);
            if ((flags & O_ACCMODE) != O_RDONLY || (flags & O_CREAT)) pending_ = nr;
        } else if (nr == SYS_write || nr == SYS_writev || nr == SYS_pwrite64 || nr == SYS_fsync ||
                   nr == SYS_fdatasync || nr == SYS_close) {
            if (written_.count(static_cast<long>(a[0]))) pending_ = nr, fd_ = static_cast<long>(a[0]);
            else if (nr == SYS_fsync) flushes_folder_ = descriptor_path(a[0]) == folder_;
        } else if (nr == SYS_linkat || nr == SYS_renameat || nr == SYS_renameat2) {
            pending_ = nr;
            names_save_ = names_save(a[3]);
#ifdef SYS_link
        } else if (nr == SYS_link || nr == SYS_rename) {
            pending_ = nr;
            names_save_ = names_save(a[1]);
#endif
        }
    }
    // At a call's exit: whether it was one that writes a file (and it did what it was asked).
    bool exit(const __ptrace_syscall_info& info) {
        if (flushes_folder_ && !info.exit.is_error) events_.push_back(kFolderFlushed);
        flushes_folder_ = false;
        const long nr = pending_;
        pending_ = -1;
        if (nr < 0) return false;
        if (nr == SYS_openat) {
            if (info.exit.is_error) return false;
            written_.insert(info.exit.rval);
        }
        if (nr == SYS_close) written_.erase(fd_);
        if (names_save_ && !info.exit.is_error) events_.push_back(kSaveNamed);
        last_ = nr;
        return true;
    }
    long last() const { return last_; }
    const std::vector<std::string>& events() const { return events_; }

private:
    bool names_save(unsigned long long path_address) const {
        const std::string path = string_in(pid_, path_address);
        return path == kSave || path.ends_with(std::string("/") + kSave);
    }
    std::string descriptor_path(unsigned long long fd) const {
        std::error_code error;
        return std::filesystem::read_symlink("/proc/" + std::to_string(pid_) + "/fd/" + std::to_string(fd), error)
            .string();
    }
    pid_t pid_;
    std::string folder_;
    std::set<long> written_;
    long pending_ = -1, fd_ = -1, last_ = -1;
    bool names_save_ = false, flushes_folder_ = false;
    std::vector<std::string> events_;
};

// Why tracing may be refused here: the Yama setting, when it restricts tracing.
std::string yama_setting() {
    const std::string scope = read_file("/proc/sys/kernel/yama/ptrace_scope");
    return scope.empty() || scope[0] == '0' ? "" : " (kernel.yama.ptrace_scope = " + scope.substr(0, 1) + ")";
}

// Runs MORVA95F on `keys` under ptrace and kills it right after its `kill_after`-th system call
// that writes a file (counted from 0; -1 never). `named` refuses unnamed files to it.
TracedRun run_traced(const std::string& keys, bool named, int kill_after) {
    TracedRun run;
    int why[2];
    if (pipe2(why, O_CLOEXEC) != 0) {
        run.refused = std::string("pipe: ") + std::strerror(errno);
        return run;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(why[0]);
        const auto refuse = [&](const std::string& what, int error) {
            const std::string text = what + ": " + std::strerror(error);
            (void)!::write(why[1], text.data(), text.size());
            _exit(125);
        };
        if (!std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "w", stderr)) _exit(126);
        // The sanitizers' leak check traces the process itself at its end, which a traced
        // process cannot allow.
        const char* asan = std::getenv("ASAN_OPTIONS");
        setenv("ASAN_OPTIONS", (std::string(asan ? asan : "") + ":detect_leaks=0").c_str(), 1);
        if (named && !refuse_unnamed_files()) refuse("a seccomp filter refusing O_TMPFILE", errno);
        if (ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) {
            const int error = errno;
            refuse("tracing a child (PTRACE_TRACEME)" + yama_setting(), error);
        }
        raise(SIGSTOP);
        execl(binary_path().c_str(), "MORVA95F", "--headless", "--keys", keys.c_str(), "--clock-seconds", "7",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    ::close(why[1]);
    run.pid = pid;
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFSTOPPED(status)) {
        // Ended: it wrote why (its end of the pipe is closed now).
        char text[256] = {};
        const ssize_t n = ::read(why[0], text, sizeof text - 1);
        run.refused = n > 0 ? std::string(text, static_cast<std::size_t>(n)) : "the traced child ended at its start";
    }
    ::close(why[0]);
    if (!run.refused.empty()) return run;
    ptrace(PTRACE_SETOPTIONS, pid, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL | PTRACE_O_TRACEEXEC);
    FileCalls calls(pid, std::filesystem::canonical(".").string());
    int deliver = 0;
    for (;;) {
        ptrace(PTRACE_SYSCALL, pid, nullptr, deliver);
        deliver = 0;
        waitpid(pid, &status, 0);
        if (WIFEXITED(status) || WIFSIGNALED(status)) {
            run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            run.names = calls.events();
            return run;
        }
        const int sig = WSTOPSIG(status);
        if (sig == (SIGTRAP | 0x80)) {
            __ptrace_syscall_info info{};
            if (ptrace(PTRACE_GET_SYSCALL_INFO, pid, sizeof info, &info) <= 0) {
                run.refused = std::string("reading a traced system call (PTRACE_GET_SYSCALL_INFO): ") +
                              std::strerror(errno);
                kill(pid, SIGKILL);
                waitpid(pid, &status, 0);
                return run;
            }
            if (info.op == PTRACE_SYSCALL_INFO_ENTRY) calls.enter(info);
            if (info.op == PTRACE_SYSCALL_INFO_EXIT && calls.exit(info) && run.stops++ == kill_after) {
                kill(pid, SIGKILL);
                waitpid(pid, &status, 0);
                run.killed = true;
                run.killed_after = calls.last();
                return run;
            }
        } else if (sig != SIGTRAP) {
            deliver = sig;  // a signal of the program's own goes on to it
        }
    }
}

// Why the current folder's file system cannot hold an unnamed file (O_TMPFILE); "" when it can.
std::string no_unnamed_files_here() {
    const int fd = ::open(".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) return std::strerror(errno);
    ::close(fd);
    return "";
}

// The turn a save file holds on its first line (" 5 " -> "5").
std::string saved_turn(const std::string& file) {
    const std::string first = file.substr(0, file.find("\r\n"));
    return first.substr(first.find_first_not_of(' '), first.find_last_not_of(' ') - first.find_first_not_of(' ') + 1);
}

// The temporary files beside the save.
std::vector<std::string> leftovers() {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator("."))
        if (e.path().filename().string().starts_with("~")) names.push_back(e.path().filename().string());
    return names;
}

class SaveUnderKill : public testing::TestWithParam<bool> {};

TEST_P(SaveUnderKill, TheSaveIsAlwaysAWholeFileAndLeftoversAreNeverRead) {
    const bool named = GetParam();
    ScopedTempDir dir;
    if (const std::string why = named ? "" : no_unnamed_files_here(); !why.empty())
        GTEST_SKIP() << "the test folder's file system cannot hold an unnamed file (O_TMPFILE: " << why
                     << "): saves there always use named temporary files";
    // The old save: another campaign (scenario 4) at the start of turn 2.
    ASSERT_EQ(run_binary("MORVA95F", opening_keys(4) + stay_home() + "y{ENTER}").exit_code, 0);
    const std::string old_file = read_file(kSave);
    ASSERT_FALSE(old_file.empty());
    // Every complete file the saving campaign writes, one per save.
    std::set<std::string> whole_files = {old_file};
    std::string last_file;
    for (int saves = 1; saves <= kSaves; ++saves) {
        write_file(kSave, old_file);
        ASSERT_EQ(run_binary("MORVA95F", saving_campaign(saves), 7).exit_code, 0);
        last_file = read_file(kSave);
        whole_files.insert(last_file);
    }
    ASSERT_EQ(whole_files.size(), kSaves + 1u) << "the old file and each new one";
    // The whole run, traced: how many system calls write a file.
    write_file(kSave, old_file);
    const std::string keys = saving_campaign(kSaves);
    const TracedRun whole = run_traced(keys, named, -1);
    if (!whole.refused.empty()) GTEST_SKIP() << "this system refuses " << whole.refused;
    ASSERT_EQ(whole.exit_code, 0);
    ASSERT_EQ(read_file(kSave), last_file);
    // Each save takes its name once, and the folder is flushed after it, before the next.
    std::vector<std::string> flushed_saves;
    for (int k = 0; k < kSaves; ++k) flushed_saves.insert(flushed_saves.end(), {kSaveNamed, kFolderFlushed});
    EXPECT_EQ(whole.names, flushed_saves);
    // At least an open, a write and a rename or link per save.
    ASSERT_GE(whole.stops, 3 * kSaves);
    int kept_old = 0, replaced = 0, left_behind = 0, left_after_write = 0;
    std::set<std::string> tried_loads, tried_without_save;
    int leaving_kill = -1;  // the first kill that left a temporary file
    for (int kill_after = 0; kill_after < whole.stops; ++kill_after) {
        SCOPED_TRACE("killed after file call " + std::to_string(kill_after));
        write_file(kSave, old_file);
        const TracedRun run = run_traced(keys, named, kill_after);
        ASSERT_TRUE(run.killed);
        const std::string file = read_file(kSave);
        ASSERT_TRUE(whole_files.count(file)) << "a save file that is neither the old nor a new whole one ("
                                             << file.size() << " bytes)";
        ++(file == old_file ? kept_old : replaced);
        // Only the killed run's own temporary file can be left: an earlier run's is removed by
        // the next save. Written unnamed, a file has a name of its own only between its link
        // and its rename.
        const auto left = leftovers();
        ASSERT_LE(left.size(), 1u) << left[0] << ", " << left[1];
        if (!left.empty()) {
            EXPECT_NE(left[0].find("." + std::to_string(run.pid) + "-"), std::string::npos) << left[0];
            if (!named) {
                EXPECT_EQ(run.killed_after, SYS_linkat) << left[0];
            }
        }
        // The next start loads the save file, whatever the killed run left beside it (once
        // for each save file and leftover: the same files load the same way).
        const std::string beside = left.empty() ? std::string("none") : "'" + read_file(left[0]) + "'";
        if (tried_loads.insert(file + "\n" + beside).second) {
            auto resumed = run_binary("MORVA95F", opening_keys(7));
            EXPECT_NE(testing_support::dump_line(resumed.screen, 0).find("第  " + saved_turn(file) + "  ターン"),
                      std::string::npos)
                << testing_support::dump_line(resumed.screen, 0);
        }
        // Without the save file, a temporary file is no save.
        left_behind += !left.empty();
        left_after_write += !left.empty() && run.killed_after == SYS_write;
        if (!left.empty() && leaving_kill < 0) leaving_kill = kill_after;
        if (!left.empty() && tried_without_save.insert(beside).second) {
            std::filesystem::remove(kSave);
            auto none = run_binary("MORVA95F", opening_keys(7));
            EXPECT_NE(none.screen.find("Data File not found"), std::string::npos);
        }
    }
    EXPECT_GT(kept_old, 0);
    EXPECT_GT(replaced, 0);
    // Named temporary files were written: a kill after a write left one.
    if (named) {
        EXPECT_GT(left_after_write, 0);
    }
    // The next whole save leaves nothing beside it.
    ASSERT_GE(leaving_kill, 0) << "a kill between a temporary name and its rename";
    write_file(kSave, old_file);
    ASSERT_TRUE(run_traced(keys, named, leaving_kill).killed);
    ASSERT_EQ(leftovers().size(), 1u);
    EXPECT_EQ(run_traced(saving_campaign(1), named, -1).exit_code, 0);
    EXPECT_TRUE(leftovers().empty()) << leftovers()[0];
    std::cout << whole.stops << " kills (" << (named ? "named" : "unnamed") << " temporary files): " << kept_old
              << " left the old file, " << replaced << " a new whole one; " << left_behind
              << " left a temporary file, removed by the next save\n";
}

INSTANTIATE_TEST_SUITE_P(TemporaryFiles, SaveUnderKill, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& p) { return p.param ? "Named" : "Unnamed"; });

}  // namespace
