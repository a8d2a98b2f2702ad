// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Checks shared by the tests of the diffraction and spectrum simulations: random use
// including clock ticks and mouse moves, and read-outs free of NaN.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/scene.h"
#include "picture_checks.h"
#include "recording_canvas.h"
#include "test_host.h"
#include "waves/random_use.h"

namespace viv::test {

struct RandomUse {
    std::vector<Control> controls;
    std::vector<FKey> keys;
    bool ticks = false;  // clock ticks and single steps
    bool mouse = false;  // the mouse moves over the picture
};

// `sequences` sequences of ten random actions, each ending in the picture of a full
// redraw of the same state.
inline void ExpectRandomUseEndsAsRedraw(StartedApp& started, std::uint32_t seed,
                                        const RandomUse& use, const std::string& name,
                                        int sequences = 50) {
    App& app = started.app;
    Scene scene{app};
    std::mt19937 random(seed);
    const std::uint32_t kinds = static_cast<std::uint32_t>(use.controls.size() + use.keys.size()) +
                                (use.ticks ? 2u : 0u) + (use.mouse ? 1u : 0u);
    for (int sequence = 0; sequence < sequences; ++sequence) {
        std::string events;
        for (int e = 0; e < 10; ++e) {
            std::uint32_t k = random() % kinds;
            if (k < use.controls.size()) {
                MoveToRandomPlace(app, random, use.controls[k], events);
                continue;
            }
            k -= static_cast<std::uint32_t>(use.controls.size());
            if (k < use.keys.size()) {
                app.FKeyClick(use.keys[k]);
                events += " F" + std::to_string(static_cast<int>(use.keys[k]) + 2);
                continue;
            }
            k -= static_cast<std::uint32_t>(use.keys.size());
            if (use.ticks && k < 2) {
                const int count = 1 + static_cast<int>(random() % 40);
                if (k == 0) {
                    app.Window.Clock.Enabled = true;
                    for (int i = 0; i < count; ++i) app.OnClockTick();
                    app.Window.Clock.Enabled = false;
                    events += " tick*" + std::to_string(count);
                } else {
                    app.StepButtonClick();
                    events += " step";
                }
                continue;
            }
            const int x =
                static_cast<int>(random() % static_cast<std::uint32_t>(app.Image->Width()));
            const int y =
                static_cast<int>(random() % static_cast<std::uint32_t>(app.Image->Height()));
            started.host.pointer.cursor = {x, y};
            started.host.pointer.size = {app.Image->Width(), app.Image->Height()};
            app.ImageMouseMove();
            events += " mouse(" + std::to_string(x) + "," + std::to_string(y) + ")";
        }
        SCOPED_TRACE("sequence " + std::to_string(sequence) + ":" + events);
        const QImage drawn = started.picture().Image().copy();
        ExpectSamePicture(drawn, Redrawn(started), name + "-sequence-" + std::to_string(sequence));
        if (::testing::Test::HasFailure()) return;
    }
}

// No figure of the recording has a point mapped from a NaN or an unbounded value.
inline void ExpectNoRunawayPoints(const RecordingCanvas& canvas, const std::string& where) {
    constexpr int far = 1 << 24;  // pixels
    for (const Figure& f : canvas.figures)
        for (const TPoint& p : f.points)
            ASSERT_TRUE(std::abs(p.x) < far && std::abs(p.y) < far)
                << where << ": " << f.kind << " at " << p.x << "," << p.y;
}

}  // namespace viv::test
