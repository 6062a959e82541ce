// Data files compiled into a program (built-in tables, the glyph table).
#pragma once
#include <cstddef>
#include <string_view>

namespace con {

/// One embedded file: its base name and its bytes.
struct EmbeddedFile {
    const char* name;
    const char* data;
    std::size_t size;
};

/// The files one `embed_files` call compiled in.
struct EmbeddedSet {
    const EmbeddedFile* files;
    std::size_t count;

    /// The bytes of the file with this base name; throws std::out_of_range when absent.
    std::string_view get(std::string_view name) const;
};

}  // namespace con
