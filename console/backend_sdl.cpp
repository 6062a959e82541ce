// Window backend placeholder (replaced by the SDL2 backend).
#include <stdexcept>

#include "console/runner.h"

namespace con {

std::unique_ptr<Backend> make_window_backend(const std::string&) {
    throw std::runtime_error("this build has no window; run with --headless");
}

}  // namespace con
