// Sequential text files: CP932 on disk, CR LF line ends, host failures mapped to the error
// numbers the programs test. An output file is written beside its name and takes the name only
// when closed complete, so a failed write never leaves a partial file under the name. Where the
// file system allows, it is written unnamed (O_TMPFILE), so a run killed while writing leaves
// nothing behind; elsewhere it has a temporary name, and a later write to the same name removes
// the leftovers of runs that are gone. Once it has its name, the folder is flushed too, so
// that a save survives a power cut.
#include "console/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>

#include "console/console_state.h"

namespace con {

int error_number_for(int host_errno, FileOp op) {
    switch (host_errno) {
        case ENOENT:
            return (op == FileOp::OpenOutput || op == FileOp::Write || op == FileOp::Close)
                       ? err::kDeviceUnavailable
                       : err::kFileNotFound;
        case EEXIST:
            return err::kFileExists;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return err::kDiskFull;
        case EROFS:
        case EACCES:
        case EPERM:
            return err::kWriteProtected;
        case EIO:
            return err::kDriveNotReady;
        default:
            return err::kDeviceUnavailable;
    }
}

namespace {

// kMaxInputBytes is well above every stored file the programs write (a few kilobytes), far
// below what would fill memory.
static_assert(kMaxInputBytes >= 1 << 16);

// Opens `path` for reading only when it is a regular file of a sane size. The open never
// blocks (a FIFO or a device under the name); anything else is taken as no file at all.
// `why` says which, when given.
std::FILE* open_regular_for_input(const std::string& path, std::string* why = nullptr) {
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (why) *why = std::strerror(errno);
        return nullptr;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxInputBytes) {
        if (why)
            *why = !S_ISREG(st.st_mode) ? "not a regular file"
                                        : "larger than " + std::to_string(kMaxInputBytes) + " bytes";
        ::close(fd);
        errno = ENOENT;
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* fp = ::fdopen(fd, "rb");
    if (!fp) {
        if (why) *why = std::strerror(errno);
        ::close(fd);
    }
    return fp;
}

// How many names a write tries for its temporary file before it gives up.
constexpr int kTempAttempts = 16;

constexpr std::string_view kTempSuffix = ".partial";

// Where the last part of `name` starts.
std::size_t base_start(std::string_view name) {
    const std::size_t slash = name.rfind('/');
    return slash == std::string_view::npos ? 0 : slash + 1;
}

// A temporary name of this write's own beside `name` (same directory, so the rename stays on
// one disk): "~NAME.<pid>-<n>.partial". The process and a count of writes make it unique, so
// two runs saving in one directory, or a leftover of a killed run, never share it.
std::string temp_name_for(std::string_view name) {
    static unsigned long serial = 0;
    const std::size_t base = base_start(name);
    return std::string(name.substr(0, base)) + "~" + std::string(name.substr(base)) + "." + std::to_string(::getpid()) +
           "-" + std::to_string(++serial) + std::string(kTempSuffix);
}

// Whether `entry` is a temporary name of a write to `base`: "~BASE.<pid>-<n>.partial".
bool is_temp_name_of(std::string_view entry, std::string_view base) {
    const std::string prefix = "~" + std::string(base) + ".";
    if (!entry.starts_with(prefix) || !entry.ends_with(kTempSuffix)) return false;
    const std::string_view middle = entry.substr(prefix.size(), entry.size() - prefix.size() - kTempSuffix.size());
    const std::size_t dash = middle.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash > 9 || dash + 1 == middle.size() ||
        middle.find_first_not_of("0123456789") != dash ||
        middle.find_first_not_of("0123456789", dash + 1) != std::string_view::npos)
        return false;
    long pid = 0;
    for (char c : middle.substr(0, dash)) pid = pid * 10 + (c - '0');
    return pid > 0 && pid <= INT_MAX;
}

// Who is still writing a temporary file is told by a lock that its writer holds, never by the
// process number in its name: a number means nothing in another pid namespace (a container
// sharing the folder) or on another host (a network file system, which cannot make unnamed
// files, so every write there has a temporary name).
//
// The lock is an open file description lock (fcntl F_OFD_SETLK) on the whole file. It belongs
// to the open file, so it conflicts with another open of the file in the same process too and
// is not dropped when some other descriptor of the file is closed (as a process's record lock
// would be); it holds across pid namespaces and, on a network file system, across hosts (the
// client takes it on the server, where flock() is emulated by the same locks, so taking both
// would add nothing); and the kernel drops it however the writer ends.
//
// - The writer creates its temporary name exclusively (O_CREAT | O_EXCL), locks the file
//   (write lock), then checks that the name still names the file it locked. Between the
//   creation and the lock the new file is unlocked and looks abandoned: a clean-up may hold it
//   or have removed it. Then the writer leaves it (a clean-up removes it) and takes a fresh
//   name. Once the check passes, no clean-up can remove the file before the writer is done.
//   An unnamed file is locked as soon as it is made, before it has any name.
// - The writer keeps the file open, and so locked, until it has its final name or has been
//   removed: every name change and removal of its own is made before the close.
// - A clean-up opens the file for writing (never truncating it), takes a write lock without
//   waiting, skips the file when it cannot, checks that the name still names the file it
//   locked, removes it, and only then closes it. So whoever removes a temporary name holds its
//   write lock: two clean-ups never hold one leftover together, and once one has removed it,
//   the other finds the name gone or naming another file.
// - Where the file system refuses locks altogether, the writer writes unlocked, and clean-ups,
//   unable to lock either, remove nothing: a leftover there costs only its room.
enum class LockResult { Taken, Held, Unsupported };

LockResult lock_whole_file(int fd, short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;  // l_start 0, l_len 0: the whole file, however long it grows
    if (::fcntl(fd, F_OFD_SETLK, &lock) == 0) return LockResult::Taken;
    return errno == EAGAIN || errno == EACCES ? LockResult::Held : LockResult::Unsupported;
}

// Whether `entry` of the folder `dir_fd` (not followed if a link) is the file `file`.
bool names_file(int dir_fd, const char* entry, const struct stat& file) {
    struct stat st {};
    return ::fstatat(dir_fd, entry, &st, AT_SYMLINK_NOFOLLOW) == 0 && st.st_dev == file.st_dev &&
           st.st_ino == file.st_ino;
}

// Creates this write's temporary file beside `path` and locks it (see above); sets `temp` to
// its name. Returns the descriptor, or -1 with errno.
int create_temp_file(const std::string& path, std::string& temp) {
    for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
        temp = temp_name_for(path);
        // A taken name is never removed (it may be another run's file).
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return -1;
        }
        struct stat st {};
        switch (lock_whole_file(fd, F_WRLCK)) {
            case LockResult::Unsupported: return fd;
            case LockResult::Taken:
                if (::fstat(fd, &st) == 0 && names_file(AT_FDCWD, temp.c_str(), st)) return fd;
                break;
            case LockResult::Held: break;
        }
        ::close(fd);  // a clean-up holds it or has removed it
    }
    errno = EBUSY;
    return -1;
}

// Removes the temporary files that earlier writes to `name` left behind (a run killed while
// writing): regular files of this user that no writer or other clean-up holds (see above).
// Another user's file, a locked one, a link or anything else stays. Nothing here is an error:
// a leftover that cannot be removed costs nothing but its room. `hook` (tests) runs just before
// each removal.
void remove_leftovers(std::string_view name, const std::function<void(const std::string&)>& hook) {
    const std::string dir = folder_of(name), base(name.substr(base_start(name)));
    DIR* d = ::opendir(dir.c_str());
    if (!d) return;
    const int dir_fd = ::dirfd(d);
    const auto removable = [&](const char* entry, int fd) {
        struct stat st {};
        return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
               lock_whole_file(fd, F_WRLCK) == LockResult::Taken && names_file(dir_fd, entry, st);
    };
    while (const dirent* e = ::readdir(d)) {
        if (!is_temp_name_of(e->d_name, base)) continue;
        // Only a plain file of this user is opened at all (never a device under the name);
        // the opened file is checked again, as the name may have changed meanwhile.
        struct stat st {};
        if (::fstatat(dir_fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != ::geteuid())
            continue;
        const int fd = ::openat(dir_fd, e->d_name, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) continue;
        if (removable(e->d_name, fd)) {
            if (hook) hook(e->d_name);
            ::unlinkat(dir_fd, e->d_name, 0);
        }
        ::close(fd);  // releases the lock, only after the removal
    }
    ::closedir(d);
}

// An unnamed file in the directory of `name`, or -1 where the file system cannot make one or
// the system cannot name it later (no /proc/self/fd).
int open_unnamed(std::string_view name) {
#ifdef O_TMPFILE
    static const bool can_name = ::access("/proc/self/fd", X_OK) == 0;
    if (!can_name) return -1;
    return ::open(folder_of(name).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644);
#else
    (void)name;
    return -1;
#endif
}

// Makes the name changes in the folder of `name` last through a power cut; returns 0 or the
// host errno of a failure. The file has its name by now, whole: a folder this user may not
// read, or a file system that cannot flush a folder (EINVAL, EOPNOTSUPP), leaves the rest to
// the system; a disk that fails the flush is reported like a failed write.
int flush_folder(std::string_view name) {
    const int fd = ::open(folder_of(name).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno == EACCES || errno == EPERM ? 0 : errno;
    const int e = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    static_assert(ENOTSUP == EOPNOTSUPP);
    return e == EINVAL || e == EOPNOTSUPP ? 0 : e;
}

// Gives the unnamed file `fd` the name `path`; fails (errno) when the name is taken.
int name_unnamed(int fd, const std::string& path) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW);
}

// Gives the file written under the temporary name `temp` the name `name`; returns 0 or the
// host errno.
int name_temp_file(const std::string& temp, const std::string& name, bool replace) {
    if (replace) return ::rename(temp.c_str(), name.c_str()) == 0 ? 0 : errno;
    // link() refuses a name that appeared meanwhile: the old file is never overwritten.
    if (::link(temp.c_str(), name.c_str()) != 0) return errno;
    ::unlink(temp.c_str());
    return 0;
}

// A write past the file-size limit (ulimit -f) must fail like a full disk (EFBIG), not end
// the program on SIGXFSZ with its temporary file left behind.
void ignore_file_size_signal() { std::signal(SIGXFSZ, SIG_IGN); }

void check_channel_number(int n) {
    if (n < 1 || n > FileSystem::kChannels) raise_error(err::kBadFileNumber);
}

}  // namespace

std::string folder_of(std::string_view path) {
    while (path.size() > 1 && path.ends_with('/')) path.remove_suffix(1);
    const std::size_t base = base_start(path);
    if (base == 0) return ".";
    return base == 1 ? "/" : std::string(path.substr(0, base - 1));
}

std::string read_whole_file(const std::string& path, std::string& out) {
    std::string why;
    std::FILE* fp = open_regular_for_input(path, &why);
    if (!fp) return why;
    // Read to a bound, never to the end: the file may have grown since it was measured.
    out.assign(static_cast<std::size_t>(kMaxInputBytes) + 1, '\0');
    const std::size_t n = std::fread(out.data(), 1, out.size(), fp);
    const bool failed = std::ferror(fp);
    std::fclose(fp);
    out.resize(n);
    if (failed) return "read error";
    if (n > static_cast<std::size_t>(kMaxInputBytes)) return "larger than " + std::to_string(kMaxInputBytes) + " bytes";
    return "";
}

FileSystem::FileSystem() { ignore_file_size_signal(); }
FileSystem::~FileSystem() { abandon_all(); }

FileSystem::Channel& FileSystem::channel(int n) {
    check_channel_number(n);
    return channels_[n];
}

bool FileSystem::injected(FileOp op) {
    if (injected_op_ && *injected_op_ == op) {
        injected_op_.reset();
        return true;
    }
    return false;
}

void FileSystem::fail(FileOp op, int host_errno) { raise_error(error_number_for(host_errno, op)); }

bool FileSystem::exists(std::string_view name) const {
    struct stat st;
    return ::stat(std::string(name).c_str(), &st) == 0;
}

bool FileSystem::any_open() const {
    for (const auto& c : channels_)
        if (c.fp) return true;
    return false;
}

void FileSystem::open(int n, FileMode mode, std::string_view name, Existing existing) {
    Channel& ch = channel(n);
    if (ch.fp) raise_error(err::kBadFileNumber);
    std::string path(name);
    if (mode == FileMode::Input) {
        if (injected(FileOp::OpenInput)) fail(FileOp::OpenInput, injected_errno_);
        std::FILE* fp = open_regular_for_input(path);
        if (!fp) fail(FileOp::OpenInput, errno);
        ch = Channel{};
        ch.fp = fp;
        ch.mode = mode;
        ch.name = path;
        return;
    }
    if (injected(FileOp::OpenOutput)) fail(FileOp::OpenOutput, injected_errno_);
    // Every leftover of the name goes at each write of it, refused or not: a run killed between
    // naming a new file and removing its temporary name leaves that name beside a taken one.
    remove_leftovers(path, cleanup_hook_);
    // Opening an existing file for output does not truncate it: it fails with 64.
    if (existing == Existing::Refuse && exists(path)) raise_error(err::kFileExists);
    std::string temp;
    int fd = unnamed_allowed_ ? open_unnamed(path) : -1;
    // Locked before it has any name: a clean-up never takes it for a leftover once it has one.
    if (fd >= 0) (void)lock_whole_file(fd, F_WRLCK);
    // Else a temporary name of its own (a taken name's failure is never taken for the
    // target's own "exists").
    if (fd < 0 && (fd = create_temp_file(path, temp)) < 0) fail(FileOp::OpenOutput, errno);
    std::FILE* fp = ::fdopen(fd, "wb");
    if (!fp) {
        int e = errno;
        if (!temp.empty()) ::unlink(temp.c_str());
        ::close(fd);
        fail(FileOp::OpenOutput, e);
    }
    ch = Channel{};
    ch.fp = fp;
    ch.mode = mode;
    ch.name = path;
    ch.temp_name = temp;
    ch.replace = existing == Existing::Replace;
}

void FileSystem::close(int n) {
    Channel& ch = channel(n);
    if (!ch.fp) return;
    if (ch.mode == FileMode::Input) {
        std::fclose(ch.fp);
        ch = Channel{};
        return;
    }
    int e = 0;
    if (injected(FileOp::Close)) e = injected_errno_;
    if (std::fflush(ch.fp) != 0 && !e) e = errno;
    if (::fsync(::fileno(ch.fp)) != 0 && !e && errno != EINVAL) e = errno;
    std::FILE* fp = ch.fp;
    std::string temp = ch.temp_name, name = ch.name;
    bool replace = ch.replace;
    ch = Channel{};
    // Named while still open (its lock keeps clean-ups away until it has its name); its data
    // are on disk already, so a failing close afterwards cannot cost the file. Dropped on a
    // failure, an unnamed file leaves nothing and a temporary name is removed.
    if (!e) e = temp.empty() ? name_unnamed_file(::fileno(fp), name, replace) : name_temp_file(temp, name, replace);
    if (e && !temp.empty()) ::unlink(temp.c_str());
    if (!e) e = flush_folder(name);
    std::fclose(fp);
    if (e) fail(FileOp::Close, e);
}

int FileSystem::name_unnamed_file(int fd, const std::string& name, bool replace) {
    // A new name: linkat refuses one that appeared meanwhile, so the old file is never lost.
    if (!replace) return name_unnamed(fd, name) == 0 ? 0 : errno;
    // linkat cannot replace a name: the file takes a temporary name of its own and is renamed
    // over the old one at once. A run killed between the two leaves that name behind, which
    // the next write to `name` removes.
    for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
        const std::string temp = temp_name_for(name);
        if (name_unnamed(fd, temp) != 0) {
            if (errno == EEXIST) continue;
            return errno;
        }
        if (::rename(temp.c_str(), name.c_str()) == 0) return 0;
        const int e = errno;
        ::unlink(temp.c_str());
        return e;
    }
    return EBUSY;
}

void FileSystem::close_all() {
    // Every channel is closed even when one fails; the first failure is raised afterwards.
    int first_error = 0;
    for (int n = 1; n <= kChannels; ++n) {
        try {
            close(n);
        } catch (const RuntimeError& e) {
            if (!first_error) first_error = e.number();
        }
    }
    if (first_error) raise_error(first_error);
}

void FileSystem::abandon_all() {
    for (auto& ch : channels_) {
        if (!ch.fp) continue;
        if (ch.mode == FileMode::Output && !ch.temp_name.empty()) ::unlink(ch.temp_name.c_str());
        std::fclose(ch.fp);
        ch = Channel{};
    }
}

void FileSystem::write_line(int n, std::string_view text) {
    Channel& ch = channel(n);
    if (!ch.fp || ch.mode != FileMode::Output) raise_error(err::kBadFileNumber);
    std::string bytes = to_cp932(text);
    bytes += "\r\n";
    int e = 0;
    if (injected(FileOp::Write)) e = injected_errno_;
    else if (std::fwrite(bytes.data(), 1, bytes.size(), ch.fp) != bytes.size()) e = errno ? errno : EIO;
    if (e) {
        // A failed write ends the file: the partial text is removed, never committed.
        if (!ch.temp_name.empty()) ::unlink(ch.temp_name.c_str());
        std::fclose(ch.fp);
        ch = Channel{};
        fail(FileOp::Write, e);
    }
}

std::string FileSystem::read_item(int n) {
    Channel& ch = channel(n);
    if (!ch.fp || ch.mode != FileMode::Input) raise_error(err::kBadFileNumber);
    if (injected(FileOp::Read)) fail(FileOp::Read, injected_errno_);
    if (!ch.line_pending) {
        // Read the next line (CR LF or LF).
        std::string line;
        int c;
        bool any = false;
        while ((c = std::fgetc(ch.fp)) != EOF) {
            any = true;
            if (c == '\n') break;
            line += static_cast<char>(c);
        }
        if (std::ferror(ch.fp)) fail(FileOp::Read, errno ? errno : EIO);
        if (!any) raise_error(err::kInputPastEnd);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        ch.pending = from_cp932(line);
        ch.line_pending = true;
    }
    std::string& rest = ch.pending;
    std::size_t comma = rest.find(',');
    std::string item;
    if (comma == std::string::npos) {
        item = rest;
        rest.clear();
        ch.line_pending = false;
    } else {
        item = rest.substr(0, comma);
        rest.erase(0, comma + 1);
    }
    std::size_t first = item.find_first_not_of(' ');
    item.erase(0, first == std::string::npos ? item.size() : first);
    return item;
}

void FileSystem::kill(std::string_view name) {
    if (injected(FileOp::Kill)) fail(FileOp::Kill, injected_errno_);
    if (::unlink(std::string(name).c_str()) != 0) fail(FileOp::Kill, errno);
}

// ---------------------------------------------------------------------------------------------
// Free functions

void open_file(int channel, FileMode mode, std::string_view name, Existing existing, SourceLocation where) {
    const CallSite site(where);
    Console& c = current();
    c.enter_call();
    c.files().open(channel, mode, name, existing);
}

void close_file(int channel, SourceLocation where) {
    const CallSite site(where);
    Console& c = current();
    c.enter_call();
    c.files().close(channel);
}

void close_files(SourceLocation where) {
    const CallSite site(where);
    Console& c = current();
    c.enter_call();
    c.files().close_all();
}

void abandon_files() { current().files().abandon_all(); }

void print_to_file(int channel, std::string_view text, SourceLocation where) {
    const CallSite site(where);
    Console& c = current();
    c.enter_call();
    c.files().write_line(channel, text);
}

void print_to_file(int channel, float v, SourceLocation where) {
    const CallSite site(where);
    print_to_file(channel, format_single(v));
}

void input_from_file(int channel, std::string& out, SourceLocation where) {
    const CallSite site(where);
    Console& c = current();
    c.enter_call();
    out = c.files().read_item(channel);
}

void input_from_file(int channel, float& out, SourceLocation where) {
    const CallSite site(where);
    Console& c = current();
    c.enter_call();
    std::string item = c.files().read_item(channel);
    if (!is_number(item)) raise_error(err::kTypeMismatch);
    out = store_checked(val(item));
}

void kill_file(std::string_view name, SourceLocation where) {
    const CallSite site(where);
    Console& c = current();
    c.enter_call();
    c.files().kill(name);
}

bool file_exists(std::string_view name) { return current().files().exists(name); }

}  // namespace con
