// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The event codes the dispatcher passes to a simulation's drawing routine.
#pragma once

#include <cstdint>

namespace viv {

constexpr std::uint16_t evRedraw = 32;      // full redraw: selected, resized, printed, copied
constexpr std::uint16_t evScrollBar1 = 33;
constexpr std::uint16_t evTrackBar1 = 34;
constexpr std::uint16_t evTrackBar2 = 35;
constexpr std::uint16_t evTick = 36;        // a tick of the animation clock (21: a mouse click)
constexpr std::uint16_t evStep = 37;        // one frame forward
constexpr std::uint16_t evScrollBar2 = 38;
constexpr std::uint16_t evScrollBar3 = 39;
constexpr std::uint16_t evTrackBar3 = 40;
constexpr std::uint16_t evTrackBar4 = 41;
constexpr std::uint16_t evF2 = 113;         // F2 .. F6 are 113 .. 117
constexpr std::uint16_t evF6 = 117;

}  // namespace viv
