// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Checks shared by the tests of the refraction pictures: pixels counted in a world box,
// pictures compared apart from given pixels, and random use including the clock.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <initializer_list>
#include <random>
#include <set>
#include <string>
#include <utility>

#include "app/app.h"
#include "app/scene.h"
#include "library/protractor.h"
#include "library/trig.h"
#include "picture_checks.h"
#include "test_host.h"
#include "waves/random_use.h"

namespace viv::test {

// Pixels of `colour` in the box of world points (x1, y1)..(x2, y2), any corners.
inline int CountColour(StartedApp& started, TColor colour, double x1, double y1, double x2,
                       double y2) {
    const World& m = started.app.Map;
    const int left = std::min(m.PictureX(x1), m.PictureX(x2));
    const int right = std::max(m.PictureX(x1), m.PictureX(x2));
    const int top = std::min(m.PictureY(y1), m.PictureY(y2));
    const int bottom = std::max(m.PictureY(y1), m.PictureY(y2));
    int count = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (started.picture().GetPixel(x, y) == colour) ++count;
    return count;
}

// The pixels of the protractor's red dots, every 2 degrees between the ticks every 10:
// where a ray crosses one, a dot drawn over the ray and the ray drawn over the dot differ.
inline std::set<std::pair<int, int>> ProtractorDots(const World& m) {
    std::set<std::pair<int, int>> dots;
    for (int k = 0; k < 180; ++k) {
        if (k % 5 == 0) continue;
        const TPoint dot = ProtractorDot(m, k);
        dots.insert({dot.x, dot.y});
    }
    return dots;
}

// Two pictures equal but for the pixels in `ignored`.
inline void ExpectSamePictureBut(const QImage& got, const QImage& want,
                                 const std::set<std::pair<int, int>>& ignored,
                                 const std::string& name) {
    QImage a = got, b = want;
    for (const auto& [x, y] : ignored)
        if (a.valid(x, y) && b.valid(x, y)) a.setPixel(x, y, b.pixel(x, y));
    ExpectSamePicture(a, b, name);
}

// The user's actions a random sequence is made of.
struct RandomUse {
    std::initializer_list<Control> controls;
    std::initializer_list<FKey> keys;
    bool clock = false;  // ticks of the running clock and single steps too
    bool ignoreProtractorDots = false;
};

// `sequences` random sequences of `length` actions; after each the picture must equal a
// full redraw of the same state.
inline void ExpectRandomUseMatchesRedrawing(StartedApp& started, std::uint32_t seed,
                                            const RandomUse& use, const std::string& name,
                                            int sequences = 50, int length = 12) {
    App& app = started.app;
    Scene scene{app};
    std::mt19937 random(seed);
    const auto controls = static_cast<std::uint32_t>(use.controls.size());
    const auto keys = static_cast<std::uint32_t>(use.keys.size());
    const std::uint32_t choices = controls + keys + (use.clock ? 2 : 0);
    for (int sequence = 0; sequence < sequences; ++sequence) {
        std::string events;
        for (int e = 0; e < length; ++e) {
            const std::uint32_t k = random() % choices;
            if (k < controls) {
                MoveToRandomPlace(app, random, use.controls.begin()[k], events);
            } else if (k < controls + keys) {
                const FKey key = use.keys.begin()[k - controls];
                app.FKeyClick(key);
                events += " F" + std::to_string(static_cast<int>(key) + 2);
            } else if (k == controls + keys) {
                const int ticks = 1 + static_cast<int>(random() % 30);
                app.Window.Clock.Enabled = true;
                for (int t = 0; t < ticks; ++t) app.OnClockTick();
                app.Window.Clock.Enabled = false;
                events += " tick" + std::to_string(ticks);
            } else {
                app.StepButtonClick();
                events += " step";
            }
        }
        SCOPED_TRACE("sequence " + std::to_string(sequence) + ":" + events);
        const QImage drawn = started.picture().Image().copy();
        const QImage redrawn = Redrawn(started);
        const std::string label = name + "-sequence-" + std::to_string(sequence);
        if (use.ignoreProtractorDots)
            ExpectSamePictureBut(drawn, redrawn, ProtractorDots(app.Map), label);
        else
            ExpectSamePicture(drawn, redrawn, label);
        if (::testing::Test::HasFailure()) return;
    }
}

// The fixture of the two refraction pictures' tests: the program started on `entry`, and
// what their tests ask of it.
class RefractionFixture : public ::testing::Test {
protected:
    explicit RefractionFixture(int entry) { app.MenuEntry(entry); }

    const QImage& Picture() { return started.picture().Image(); }
    // The picture as it stands against a full redraw of the same state (taken first: the
    // redraw replaces it).
    void ExpectLikeRedraw(const std::string& name, bool ignoreProtractorDots = false) {
        const QImage drawn = Picture().copy();
        const QImage redrawn = Redrawn(started);
        if (ignoreProtractorDots)
            ExpectSamePictureBut(drawn, redrawn, ProtractorDots(app.Map), name);
        else
            ExpectSamePicture(drawn, redrawn, name);
    }
    const std::string& Cell(int col, int row) const { return app.Table.Cell(col, row); }
    // Whole degrees of incidence through the scroll bar, which shows 90 - i.
    void Incidence(int degrees) { app.ControlChange(Control::ScrollBar1, 90 - degrees); }
    int Count(TColor colour, double x1, double y1, double x2, double y2) {
        return CountColour(started, colour, x1, y1, x2, y2);
    }

    StartedApp started;
    App& app = started.app;
    Scene scene{app};
};

}  // namespace viv::test
