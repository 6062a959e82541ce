// Stored data records: parsing the record files and reading their items in order.
#include "console/records.h"

#include <stdexcept>

#include "console/errors.h"
#include "console/numbers.h"
#include "console/text.h"

namespace con {
namespace {

std::string trim_blanks(std::string_view s) {
    std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string_view::npos) return "";
    std::size_t b = s.find_last_not_of(" \t");
    return std::string(s.substr(a, b - a + 1));
}

}  // namespace

RecordSet::RecordSet(std::string_view file_name, std::string_view text) { parse(file_name, text); }

RecordSet::RecordSet(const std::vector<std::pair<std::string, std::string_view>>& files) {
    for (const auto& [name, text] : files) parse(name, text);
}

void RecordSet::parse(std::string_view file_name, std::string_view text) {
    files_.emplace_back(file_name);
    std::size_t file = files_.size() - 1;
    int line_no = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        std::string_view line = text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        pos = end == std::string_view::npos ? text.size() : end + 1;
        ++line_no;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::string trimmed = trim_blanks(line);
        if (trimmed.empty() || trimmed[0] == '#') continue;
        if (trimmed[0] == '@') {
            groups_.emplace_back(trimmed.substr(1), items_.size());
            continue;
        }
        // Items separated by commas; a quoted item is kept exactly.
        std::size_t i = 0;
        for (;;) {
            while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
            std::string item;
            if (i < line.size() && line[i] == '"') {
                ++i;
                bool closed = false;
                while (i < line.size()) {
                    if (line[i] == '"') {
                        if (i + 1 < line.size() && line[i + 1] == '"') {
                            item += '"';
                            i += 2;
                            continue;
                        }
                        closed = true;
                        ++i;
                        break;
                    }
                    item += line[i++];
                }
                if (!closed)
                    throw std::runtime_error(std::string(file_name) + ":" + std::to_string(line_no) +
                                             ": unclosed quote");
                while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
                if (i < line.size() && line[i] != ',')
                    throw std::runtime_error(std::string(file_name) + ":" + std::to_string(line_no) +
                                             ": text after a quoted item");
            } else {
                std::size_t comma = line.find(',', i);
                item = trim_blanks(line.substr(i, comma == std::string_view::npos ? std::string_view::npos : comma - i));
                i = comma == std::string_view::npos ? line.size() : comma;
            }
            items_.push_back(Item{std::move(item), file, line_no});
            if (i >= line.size()) break;
            ++i;  // past the comma
        }
    }
}

void RecordSet::restore_data(std::string_view group) {
    for (const auto& [name, index] : groups_) {
        if (name == group) {
            pos_ = index;
            return;
        }
    }
    throw std::out_of_range("no record group named " + std::string(group));
}

void RecordSet::restore_data() { pos_ = 0; }

void RecordSet::read_data(float& v, SourceLocation where) {
    if (pos_ >= items_.size()) raise_error(err::kOutOfData, where);
    const Item& item = items_[pos_];
    if (!is_number(item.text)) raise_error(err::kTypeMismatch, where);
    // A number too large for a stored value is refused, as everywhere text becomes a number.
    const float value = store_checked(val(item.text), where);
    ++pos_;
    v = value;
}

void RecordSet::read_data(std::string& s, SourceLocation where) {
    if (pos_ >= items_.size()) raise_error(err::kOutOfData, where);
    s = items_[pos_++].text;
}

float RecordSet::read_number(SourceLocation where) {
    float v;
    read_data(v, where);
    return v;
}

std::string RecordSet::read_text(SourceLocation where) {
    std::string s;
    read_data(s, where);
    return s;
}

std::string RecordSet::where() const {
    if (items_.empty()) return "(empty)";
    const Item& item = items_[pos_ < items_.size() ? pos_ : items_.size() - 1];
    return files_[item.file] + ":" + std::to_string(item.line) + (pos_ >= items_.size() ? " (end)" : "");
}

}  // namespace con
