#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace coilwise {

// 10^0 up to 10^(count - 1), exact: integers up to 10^19 fit 64 bits, doubles are exact up to 10^22.
template <typename Number, std::size_t count> constexpr std::array<Number, count> powersOfTen() {
    static_assert(count <= 23, "beyond 10^22 a power of ten is no longer exact");
    std::array<Number, count> powers{};
    Number power = 1;
    for (Number& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}

inline constexpr auto integerPowersOfTen = powersOfTen<std::uint64_t, 20>();
inline constexpr auto exactPowersOfTen = powersOfTen<double, 23>();

} // namespace coilwise
