// The program's random generator.
#include "console/random.h"

namespace con {

float Random::next() {
    ++draws_;
    if (scripted_pos_ < scripted_.size()) return scripted_[scripted_pos_++];
    for (;;) {
        state_ = state_ * 2058568021u + 1276750819u;
        std::uint32_t k = state_ >> 9;
        if (k != 0) return static_cast<float>(k) / 8388608.0f;
    }
}

void Random::script(std::vector<float> fractions) {
    scripted_ = std::move(fractions);
    scripted_pos_ = 0;
}

}  // namespace con
