// Built without the window backend: only headless runs are possible.
#include <stdexcept>

#include "console/runner.h"

namespace con {

std::unique_ptr<Backend> make_window_backend(const std::string&) {
    throw std::runtime_error("this build has no window; run with --headless");
}

}  // namespace con
