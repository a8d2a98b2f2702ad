// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Whether an action reached the drawing dispatcher. The dispatcher sets the picture's pen
// width before it calls the current simulation, so a width no drawing uses shows it ran,
// whether or not the simulation draws anything.
#pragma once

#include <functional>

#include "app/app.h"

namespace viv::test {

inline bool ReachesDispatcher(App& app, const std::function<void()>& action) {
    constexpr int kUnusedWidth = 97;
    app.Image->Pen.Width = kUnusedWidth;
    action();
    return app.Image->Pen.Width != kUnusedWidth;
}

}  // namespace viv::test
