// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The events the dispatcher passes to a simulation's drawing routine.
#pragma once

#include <cstddef>
#include <cstdint>

namespace viv {

enum class Event : std::uint16_t {
    Redraw = 32,  // full redraw: selected, resized, printed, copied
    ScrollBar1 = 33,
    TrackBar1 = 34,
    TrackBar2 = 35,
    Tick = 36,  // a tick of the animation clock (and a mouse click where one steps)
    Step = 37,  // one frame forward
    ScrollBar2 = 38,
    ScrollBar3 = 39,
    TrackBar3 = 40,
    TrackBar4 = 41,
    F2 = 113,  // the function keys' toggles, F2 .. F6
    F3 = 114,
    F4 = 115,
    F5 = 116,
    F6 = 117,
};

constexpr bool IsFunctionKey(Event event) {
    return event >= Event::F2 && event <= Event::F6;
}

// The event of the function key F(2 + index), index 0 .. 4.
constexpr Event FunctionKeyEvent(std::size_t index) {
    return static_cast<Event>(static_cast<std::size_t>(Event::F2) + index);
}

}  // namespace viv
