// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/control_tables.h"

#include "app/events.h"

namespace viv {

namespace {

// Indexed by Control.
constexpr Event kControlEvents[] = {Event::ScrollBar1, Event::ScrollBar2, Event::ScrollBar3,
                                    Event::TrackBar1,  Event::TrackBar2,  Event::TrackBar3,
                                    Event::TrackBar4};

}  // namespace

Event EventOf(Control control) {
    return kControlEvents[static_cast<std::size_t>(control)];
}

}  // namespace viv
