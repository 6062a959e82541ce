// PNG output of the composed screen.
#pragma once
#include <string>

#include "console/screen.h"

namespace con {

/// Writes the composed screen (plane and text) as a 640 x 432 PNG; throws std::runtime_error
/// when the file cannot be written.
void write_png(const Screen& screen, const std::string& path);

}  // namespace con
