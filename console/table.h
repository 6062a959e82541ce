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

/// One index of a table access, made whole, with the position of the access that wrote it (so
/// that an index out of range is reported at the program's line).
struct TableIndex {
    template <typename I>
        requires std::is_arithmetic_v<I> || std::is_enum_v<I>
    TableIndex(I i, SourceLocation at = SourceLocation::current()) : value(whole(i)), where(at) {}
    long value;
    SourceLocation where;

private:
    template <typename I>
    static long whole(I i) {
        if constexpr (std::is_enum_v<I>)
            return static_cast<long>(i);
        else
            return index_of(i);
    }
};

/// A table's index list: one TableIndex per dimension.
template <long>
using TableIndexOf = TableIndex;

/// A table declared with Dims elements per dimension (indices 0 .. Dims-1). An index outside
/// its range raises error 9 instead of reaching memory it does not own.
template <typename T, long... Dims>
class Table {
public:
    static constexpr std::size_t kSize = (static_cast<std::size_t>(Dims) * ...);

    T& operator()(TableIndexOf<Dims>... idx) { return data_[offset(idx...)]; }
    const T& operator()(TableIndexOf<Dims>... idx) const { return data_[offset(idx...)]; }
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
    static std::size_t offset(TableIndexOf<Dims>... idx) {
        const TableIndex ix[] = {idx...};
        const long dims[] = {Dims...};
        std::size_t off = 0;
        for (std::size_t k = 0; k < sizeof...(Dims); ++k) {
            if (ix[k].value < 0 || ix[k].value >= dims[k]) raise_error(err::kSubscript, ix[k].where);
            off = off * static_cast<std::size_t>(dims[k]) + static_cast<std::size_t>(ix[k].value);
        }
        return off;
    }
    std::array<T, kSize> data_{};
};

}  // namespace con
