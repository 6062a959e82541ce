// The random generator: a 32-bit linear congruential state, one per program.
#pragma once
#include <cstdint>
#include <vector>

namespace con {

/// state = state x 2058568021 + 1276750819 (mod 2^32), starting at 204; a draw returns the
/// top 23 bits as a fraction in (0, 1), stepping again when they are 0.
class Random {
public:
    static constexpr std::uint32_t kStart = 204;
    /// The next fraction, 0 < r < 1 (exact as a 4-byte float).
    float next();
    /// XORs the state with the clock's seconds (0-59).
    void randomize(std::uint32_t seconds) { state_ ^= seconds; }
    std::uint32_t state() const { return state_; }
    void set_state(std::uint32_t s) { state_ = s; }
    /// Tests: the next draws return these fractions instead (then the generator resumes).
    void script(std::vector<float> fractions);
    /// How many draws were made since start (for tests that count draws).
    std::uint64_t draws() const { return draws_; }

private:
    std::uint32_t state_ = kStart;
    std::vector<float> scripted_;
    std::size_t scripted_pos_ = 0;
    std::uint64_t draws_ = 0;
};

}  // namespace con
