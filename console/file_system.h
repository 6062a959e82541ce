// Sequential text files on numbered channels, with the error numbers the programs test.
#pragma once
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "console/console.h"

namespace con {

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

private:
    struct Channel {
        std::FILE* fp = nullptr;
        FileMode mode = FileMode::Input;
        std::string name;       // final name
        std::string temp_name;  // output: where the text goes until close
        bool replace = false;
        std::string pending;    // input: rest of the current line
        bool at_eof = false;
        bool line_pending = false;
    };
    Channel& channel(int n);
    [[noreturn]] void fail(FileOp op, int host_errno);
    bool injected(FileOp op);
    Channel channels_[kChannels + 1];
    std::optional<FileOp> injected_op_;
    int injected_errno_ = 0;
};

}  // namespace con
