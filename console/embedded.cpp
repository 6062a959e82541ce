// Lookup of embedded files by base name.
#include "console/embedded.h"

#include <stdexcept>
#include <string>

namespace con {

std::string_view EmbeddedSet::get(std::string_view name) const {
    for (std::size_t i = 0; i < count; ++i)
        if (files[i].data && name == files[i].name) return std::string_view(files[i].data, files[i].size);
    throw std::out_of_range("no embedded file named " + std::string(name));
}

}  // namespace con
