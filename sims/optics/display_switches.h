// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The display switches the function keys flip in the simulations of prisms, lenses and
// mirrors: F2 the marks, F3 the normals, F4 the axes, F5 the red ray, F6 the rays.
#pragma once

#include <array>
#include <cstddef>

#include "app/events.h"
#include "app/shared_state.h"

namespace viv {

// The switch of each function key, F2 first.
inline constexpr std::array<bool SharedState::*, 5> kDisplaySwitchOfKey{
    &SharedState::ShowMarks, &SharedState::ShowNormals, &SharedState::ShowAxes,
    &SharedState::ShowRedRay, &SharedState::ShowRays};

// Flips the switch of the function key F2..F6; any other event flips nothing and gives
// false.
inline bool FlipDisplaySwitch(SharedState& s, Event event) {
    if (!IsFunctionKey(event)) return false;
    const auto key = static_cast<std::size_t>(event) - static_cast<std::size_t>(Event::F2);
    bool& on = s.*kDisplaySwitchOfKey[key];
    on = !on;
    return true;
}

}  // namespace viv
