// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A set of simulation numbers (0..63), the key of every per-simulation row of the
// control panel's tables.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace viv {

class SimSet {
public:
    constexpr SimSet() = default;
    constexpr SimSet(std::initializer_list<int> numbers) {
        for (const int n : numbers) bits_ |= Bit(n);
    }
    // The numbers first..last, both included.
    static constexpr SimSet Range(int first, int last) {
        SimSet s;
        for (int n = first; n <= last; ++n) s.bits_ |= Bit(n);
        return s;
    }

    constexpr bool Has(int n) const { return (bits_ & Bit(n)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }

    friend constexpr SimSet operator|(SimSet a, SimSet b) {
        SimSet s;
        s.bits_ = a.bits_ | b.bits_;
        return s;
    }

private:
    static constexpr std::uint64_t Bit(int n) {
        return n >= 0 && n < 64 ? std::uint64_t{1} << n : 0;
    }
    std::uint64_t bits_ = 0;
};

}  // namespace viv
