// Sequential text files: CP932 on disk, CR LF line ends, host failures mapped to the error
// numbers the programs test. An output file is written beside its name and takes the name only
// when closed complete, so a failed write never leaves a partial file under the name.
#include "console/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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

std::string temp_name_for(std::string_view name) { return "~" + std::string(name) + ".partial"; }

void check_channel_number(int n) {
    if (n < 1 || n > FileSystem::kChannels) raise_error(err::kBadFileNumber);
}

}  // namespace

FileSystem::FileSystem() = default;
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
        std::FILE* fp = std::fopen(path.c_str(), "rb");
        if (!fp) fail(FileOp::OpenInput, errno);
        ch = Channel{};
        ch.fp = fp;
        ch.mode = mode;
        ch.name = path;
        return;
    }
    if (injected(FileOp::OpenOutput)) fail(FileOp::OpenOutput, injected_errno_);
    // Opening an existing file for output does not truncate it: it fails with 64.
    if (existing == Existing::Refuse && exists(path)) raise_error(err::kFileExists);
    std::string temp = temp_name_for(path);
    ::unlink(temp.c_str());  // a leftover of an interrupted earlier run
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) fail(FileOp::OpenOutput, errno);
    std::FILE* fp = ::fdopen(fd, "wb");
    if (!fp) {
        int e = errno;
        ::close(fd);
        ::unlink(temp.c_str());
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
    if (std::fclose(ch.fp) != 0 && !e) e = errno;
    std::string temp = ch.temp_name, name = ch.name;
    bool replace = ch.replace;
    ch = Channel{};
    if (!e) {
        if (replace) {
            if (::rename(temp.c_str(), name.c_str()) != 0) e = errno;
        } else {
            // link() refuses a name that appeared meanwhile: the old file is never overwritten.
            if (::link(temp.c_str(), name.c_str()) != 0) e = errno;
        }
    }
    ::unlink(temp.c_str());
    if (e) fail(FileOp::Close, e);
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
        std::fclose(ch.fp);
        if (ch.mode == FileMode::Output) ::unlink(ch.temp_name.c_str());
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
        std::fclose(ch.fp);
        ::unlink(ch.temp_name.c_str());
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
