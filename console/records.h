// Stored data records: the built-in tables a program carries, read item by item.
//
// A record file is UTF-8 text: one record per line, items separated by commas. An item is
// taken with the blanks around it trimmed, or exactly as written between double quotes
// (for texts with blanks at their ends or commas; "" inside quotes is one quote). A line
// "@Name" starts the named group that restore_data("Name") points to; a line starting
// with "#" is a comment; blank lines are ignored. CR LF, LF and a missing final line end are
// all accepted.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "console/source_location.h"

namespace con {

/// One record set (a program module's stored records) with its read position.
class RecordSet {
public:
    /// Parses a record file; a malformed file throws std::runtime_error naming file and line.
    RecordSet(std::string_view file_name, std::string_view text);
    /// Parses several files in order as one set (their groups keep their names).
    RecordSet(const std::vector<std::pair<std::string, std::string_view>>& files);

    /// Sets the read position to the first item of a named group; an unknown name throws
    /// std::out_of_range (a program fault, not a run-time error).
    void restore_data(std::string_view group);
    /// Sets the read position to the first item of the set.
    void restore_data();
    /// Reads the next item as a number (whole or decimal). Past the last item: error 4;
    /// an item that is not a number: error 13; a number too large for a float: error 6.
    void read_data(float& v, SourceLocation where = SourceLocation::current());
    /// Reads the next item as a text (a number item gives its text). Past the last item: error 4.
    void read_data(std::string& s, SourceLocation where = SourceLocation::current());
    /// Reads the next number and returns it.
    float read_number(SourceLocation where = SourceLocation::current());
    /// Reads the next text and returns it.
    std::string read_text(SourceLocation where = SourceLocation::current());

    /// The position for diagnostics: "file:line".
    std::string where() const;
    /// Number of items left from the read position.
    std::size_t remaining() const { return items_.size() - pos_; }

private:
    struct Item {
        std::string text;
        std::size_t file;
        int line;
    };
    void parse(std::string_view file_name, std::string_view text);
    std::vector<Item> items_;
    std::vector<std::string> files_;
    std::vector<std::pair<std::string, std::size_t>> groups_;
    std::size_t pos_ = 0;
};

}  // namespace con
