// Global tables of the programs: fixed-size arrays whose every access checks its indices.
#pragma once
#include <array>
#include <cstddef>
#include <type_traits>

#include "console/errors.h"
#include "console/numbers.h"

namespace con {

/// An index as a whole number: integers as they are, reals rounded half away from zero.
template <typename I>
long index_of(I i) {
    if constexpr (std::is_floating_point_v<I>)
        return round_half_away(static_cast<real>(i));
    else
        return static_cast<long>(i);
}

/// A table declared with Dims elements per dimension (indices 0 .. Dims-1). An index outside
/// its range raises error 9 instead of reaching memory it does not own.
template <typename T, long... Dims>
class Table {
public:
    static constexpr std::size_t kSize = (static_cast<std::size_t>(Dims) * ...);

    template <typename... I>
    T& operator()(I... idx) {
        return data_[offset(idx...)];
    }
    template <typename... I>
    const T& operator()(I... idx) const {
        return data_[offset(idx...)];
    }
    /// Whether the indices lie within the table.
    template <typename... I>
    static bool contains(I... idx) {
        static_assert(sizeof...(I) == sizeof...(Dims), "wrong number of indices");
        const long ix[] = {index_of(idx)...};
        const long dims[] = {Dims...};
        for (std::size_t k = 0; k < sizeof...(Dims); ++k)
            if (ix[k] < 0 || ix[k] >= dims[k]) return false;
        return true;
    }
    void fill(const T& v) { data_.fill(v); }
    std::array<T, kSize>& raw() { return data_; }
    const std::array<T, kSize>& raw() const { return data_; }
    bool operator==(const Table&) const = default;

private:
    template <typename... I>
    static std::size_t offset(I... idx) {
        static_assert(sizeof...(I) == sizeof...(Dims), "wrong number of indices");
        const long ix[] = {index_of(idx)...};
        const long dims[] = {Dims...};
        std::size_t off = 0;
        for (std::size_t k = 0; k < sizeof...(Dims); ++k) {
            if (ix[k] < 0 || ix[k] >= dims[k]) raise_error(err::kSubscript);
            off = off * static_cast<std::size_t>(dims[k]) + static_cast<std::size_t>(ix[k]);
        }
        return off;
    }
    std::array<T, kSize> data_{};
};

}  // namespace con
