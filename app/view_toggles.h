// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The view toggles the function keys flip: F2 the marks, F3 the normals, F4 the axes,
// F5 the red ray, F6 the rays.
#pragma once

#include <array>
#include <cstddef>

#include "app/events.h"
#include "app/shared_state.h"

namespace viv {

// The toggle of each function key, F2 first.
inline constexpr std::array<bool SharedState::*, 5> kViewToggleOfKey{
    &SharedState::ShowMarks, &SharedState::ShowNormals, &SharedState::ShowAxes,
    &SharedState::ShowRedRay, &SharedState::ShowRays};

// The toggle of the function key F(2 + keyIndex), keyIndex 0 .. 4.
inline bool& ViewToggleOf(SharedState& s, std::size_t keyIndex) {
    return s.*kViewToggleOfKey[keyIndex];
}

// Flips the toggle of the function key F2..F6; any other event flips nothing and gives
// false.
inline bool FlipViewToggle(SharedState& s, Event event) {
    if (!IsFunctionKey(event)) return false;
    bool& on =
        ViewToggleOf(s, static_cast<std::size_t>(event) - static_cast<std::size_t>(Event::F2));
    on = !on;
    return true;
}

}  // namespace viv
