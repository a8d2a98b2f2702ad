// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Checks shared by the tests of the spring, the waves on a string, the standing waves,
// the sonar and the water waves: random use with the clock running (and its milliseconds
// moving on) ends in the picture of a full redraw; pictures compared region by region.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <initializer_list>
#include <random>
#include <string>

#include "app/app.h"
#include "picture_checks.h"
#include "test_host.h"
#include "waves/motion_checks.h"

namespace viv::test {

// `sequences` sequences of `length` random actions — a run of clock ticks some random
// milliseconds apart, a single step, a control moved to a random place of its range, a
// toggle pressed — each ending in the picture of a full redraw of the same state, with no
// read-out ever "nan".
inline void ExpectRandomRunMatchesRedraw(StartedApp& started, std::uint32_t seed,
                                         std::initializer_list<Control> controls,
                                         std::initializer_list<FKey> keys, const std::string& name,
                                         int sequences = 50, int length = 12) {
    App& app = started.app;
    std::mt19937 random(seed);
    if (!app.Window.Clock.Enabled) app.RunButtonClick();
    const auto choices = static_cast<std::uint32_t>(2 + controls.size() + keys.size());
    for (int sequence = 0; sequence < sequences; ++sequence) {
        std::string events;
        for (int e = 0; e < length; ++e) {
            const std::uint32_t k = random() % choices;
            if (k == 0) {
                const int ticks = 1 + static_cast<int>(random() % 30);
                for (int t = 0; t < ticks; ++t) {
                    started.host.now += 1 + random() % 60;
                    app.OnClockTick();
                }
                events += " tick*" + std::to_string(ticks);
            } else if (k == 1) {
                app.StepButtonClick();
                events += " step";
            } else if (k < 2 + controls.size()) {
                const Control control = controls.begin()[k - 2];
                const RangeControl& range = app.Window.Of(control);
                const int position =
                    range.Min + static_cast<int>(random() % static_cast<std::uint32_t>(
                                                                range.Max - range.Min + 1));
                app.ControlChange(control, position);
                events += " control" + std::to_string(static_cast<int>(control)) + "=" +
                          std::to_string(position);
            } else {
                const FKey key = keys.begin()[k - 2 - controls.size()];
                app.FKeyClick(key);
                events += " F" + std::to_string(static_cast<int>(key) + 2);
            }
            ExpectNoNonNumbers(app);
        }
        SCOPED_TRACE("sequence " + std::to_string(sequence) + ":" + events);
        const QImage drawn = started.picture().Image().copy();
        ExpectSamePicture(drawn, Redrawn(started), name + "-sequence-" + std::to_string(sequence));
        if (::testing::Test::HasFailure()) return;
    }
}

// Pressing `key` twice leaves the picture as it was.
inline void ExpectToggleTwiceRestores(StartedApp& started, FKey key, const std::string& name) {
    const QImage before = started.picture().Image().copy();
    started.app.FKeyClick(key);
    const QImage between = started.picture().Image().copy();
    EXPECT_NE(between, before) << name << ": the toggle changed nothing";
    started.app.FKeyClick(key);
    const QImage after = started.picture().Image().copy();
    ExpectSamePicture(after, before, name);
}

// Pixels of `image` in the box that are not white.
inline int InkIn(const QImage& image, int left, int top, int right, int bottom) {
    int ink = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y)
        for (int x = std::max(left, 0); x < std::min(right, image.width()); ++x)
            if ((image.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu) ++ink;
    return ink;
}

}  // namespace viv::test
