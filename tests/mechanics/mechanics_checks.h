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

// Random use with runs of up to 30 clock ticks some random milliseconds apart.
inline void ExpectRandomRunMatchesRedraw(StartedApp& started, std::uint32_t seed,
                                         std::initializer_list<Control> controls,
                                         std::initializer_list<FKey> keys, const std::string& name,
                                         int sequences = 50, int length = 12) {
    ExpectRandomClockUseMatchesRedraw(started, seed, controls, keys, name, sequences, length,
                                      {.MaxTicks = 30, .MillisecondsMove = true});
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
