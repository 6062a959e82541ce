// Sequential text files on numbered channels, with the error numbers the programs test.
#pragma once
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "console/console.h"

namespace con {

/// The largest file the programs read: stored files, and key scripts of the command line.
inline constexpr long kMaxInputBytes = 1L << 20;

/// Reads the whole of `path` into `out` when it is a regular file of at most kMaxInputBytes;
/// never blocks on a FIFO or a device under the name. Returns why it cannot ("" once read).
std::string read_whole_file(const std::string& path, std::string& out);

/// The folder that holds `path` ("." for a bare name; trailing slashes are no part of a name).
std::string folder_of(std::string_view path);

/// The error number of a host failure (errno) for an operation.
enum class FileOp { OpenInput, OpenOutput, Write, Close, Read, Kill };
int error_number_for(int host_errno, FileOp op);

class FileSystem {
public:
    static constexpr int kChannels = 15;
    FileSystem();
    ~FileSystem();

    void open(int channel, FileMode mode, std::string_view name, Existing existing);
    void close(int channel);
    void close_all();
    void abandon_all();
    void write_line(int channel, std::string_view text);
    /// Reads the next comma- or line-separated item (raw text, blanks around it trimmed).
    std::string read_item(int channel);
    void kill(std::string_view name);
    bool exists(std::string_view name) const;
    bool any_open() const;

    /// Tests: the next operation of this kind fails with this host errno (once).
    void inject_failure(FileOp op, int host_errno) { injected_op_ = op, injected_errno_ = host_errno; }
    /// Tests: false writes every output file under a temporary name, as on a file system that
    /// cannot create unnamed files.
    void set_unnamed_files(bool allowed) { unnamed_allowed_ = allowed; }
    /// Tests: runs `hook` with a leftover's name whenever a clean-up before a write holds that
    /// leftover and has found it still under its name, just before it removes it.
    void set_cleanup_hook(std::function<void(const std::string&)> hook) { cleanup_hook_ = std::move(hook); }

private:
    struct Channel {
        std::FILE* fp = nullptr;
        FileMode mode = FileMode::Input;
        std::string name;       // final name
        std::string temp_name;  // output: where the text goes until close ("" while unnamed)
        bool replace = false;
        std::string pending;    // input: rest of the current line
        bool at_eof = false;
        bool line_pending = false;
    };
    Channel& channel(int n);
    [[noreturn]] void fail(FileOp op, int host_errno);
    /// Gives an unnamed output file its name; returns 0 or the host errno.
    static int name_unnamed_file(int fd, const std::string& name, bool replace);
    bool injected(FileOp op);
    Channel channels_[kChannels + 1];
    std::optional<FileOp> injected_op_;
    int injected_errno_ = 0;
    bool unnamed_allowed_ = true;
    std::function<void(const std::string&)> cleanup_hook_;
};

}  // namespace con
