// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Checks shared by the tests of the thin film, the reflection, the superposition and the
// Doppler effect: random use with the clock running ends in the picture a full redraw
// makes; no read-out is ever "nan" or "inf"; the figures of a redraw on a large page.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/events.h"
#include "app/scene.h"
#include "picture_checks.h"
#include "recording_canvas.h"
#include "test_host.h"
#include "waves/random_use.h"

namespace viv::test {

// How the clock runs in ExpectRandomClockUseMatchesRedraw.
struct ClockRun {
    int MaxTicks = 40;              // a run is 1..MaxTicks ticks
    bool MillisecondsMove = false;  // the host's clock moves on 1..60 ms before each tick
};

// `sequences` sequences of `length` random actions — a run of clock ticks, a single step,
// a control moved to a random place of its range, a toggle pressed — each ending in the
// picture of a full redraw of the same state, with no read-out ever "nan" or "inf".
inline void ExpectRandomClockUseMatchesRedraw(StartedApp& started, std::uint32_t seed,
                                              std::initializer_list<Control> controls,
                                              std::initializer_list<FKey> keys,
                                              const std::string& name, int sequences, int length,
                                              ClockRun clock) {
    App& app = started.app;
    Scene scene{app};
    std::mt19937 random(seed);
    // The clock runs where the simulation is animated; elsewhere ticks and steps do nothing.
    if (!app.Window.Clock.Enabled) app.RunButtonClick();
    const auto choices = static_cast<std::uint32_t>(2 + controls.size() + keys.size());
    for (int sequence = 0; sequence < sequences; ++sequence) {
        std::string events;
        for (int e = 0; e < length; ++e) {
            const std::uint32_t k = random() % choices;
            if (k == 0) {
                const int ticks =
                    1 + static_cast<int>(random() % static_cast<std::uint32_t>(clock.MaxTicks));
                for (int t = 0; t < ticks; ++t) {
                    if (clock.MillisecondsMove) started.host.now += 1 + random() % 60;
                    app.OnClockTick();
                }
                events += " tick*" + std::to_string(ticks);
            } else if (k == 1) {
                app.StepButtonClick();
                events += " step";
            } else if (k < 2 + controls.size()) {
                MoveToRandomPlace(app, random, controls.begin()[k - 2], events);
            } else {
                const FKey key = keys.begin()[k - 2 - controls.size()];
                app.FKeyClick(key);
                events += " F" + std::to_string(static_cast<int>(key) + 2);
            }
            ExpectNoNanShown(app, name);
        }
        SCOPED_TRACE("sequence " + std::to_string(sequence) + ":" + events);
        const QImage drawn = started.picture().Image().copy();
        ExpectSamePicture(drawn, Redrawn(started), name + "-sequence-" + std::to_string(sequence));
        if (::testing::Test::HasFailure()) return;
    }
}

// Random use with runs of up to 40 clock ticks.
inline void ExpectRandomAnimationMatchesRedraw(StartedApp& started, std::uint32_t seed,
                                               std::initializer_list<Control> controls,
                                               std::initializer_list<FKey> keys,
                                               const std::string& name, int sequences = 50,
                                               int length = 12) {
    ExpectRandomClockUseMatchesRedraw(started, seed, controls, keys, name, sequences, length, {});
}

// World coordinates of a recorded pixel in the simulation's own mapping.
struct Unmapped {
    double x0 = 0, y0 = 0, scaleX = 1, scaleY = 1;  // world window's left and top, pixels per unit
    double X(int px) const { return x0 + px / scaleX; }
    double Y(int py) const { return y0 - py / scaleY; }
    double X(TPoint p) const { return X(p.x); }
    double Y(TPoint p) const { return Y(p.y); }
};

struct LargeRecording {
    std::vector<Figure> figures;
    Unmapped world;
};

// The figures of a full redraw on a page `scale` times the picture's size, so that world
// coordinates read back from the pixels are good to a small fraction of a unit; the
// picture's own size and mapping are restored afterwards.
inline LargeRecording RecordedAtScale(App& app, int scale = 20) {
    World& map = app.Map;
    const auto width = map.PictureWidth, height = map.PictureHeight;
    map.PictureWidth = static_cast<std::uint16_t>(width * scale);
    map.PictureHeight = static_cast<std::uint16_t>(height * scale);
    RecordingCanvas canvas(map.PictureWidth, map.PictureHeight);
    app.DrawSimulation(Event::Redraw, false, canvas);
    LargeRecording out{canvas.figures, {map.WorldXMin, map.WorldYMax, 0, 0}};
    map.PictureWidth = width;
    map.PictureHeight = height;
    // The simulation's own window again, as the last full redraw left it.
    map.PictureMarginX = 0;
    map.PictureMarginY = 0;
    map.SetWorldWindow(map.WorldXMin, map.WorldXMax, map.WorldYMin, map.WorldYMax);
    const double sx = (map.WorldXMax - map.WorldXMin), sy = (map.WorldYMax - map.WorldYMin);
    out.world.scaleX = width * scale / sx;
    out.world.scaleY = height * scale / sy;
    return out;
}

inline std::vector<Figure> InColour(const std::vector<Figure>& figures, TColor c,
                                    const std::string& kind = "") {
    std::vector<Figure> out;
    for (const Figure& f : figures)
        if (f.pen.Color == c && (kind.empty() || f.kind == kind)) out.push_back(f);
    return out;
}

// A full redraw drawn as the printer draws it: on a page of 2400 x 1800 pixels 200 pixels
// in from its corner, the pens 3 (bold 9) pixels wide. The mapping is left as the page left
// it, for the caller to check and put back. Every point drawn lies from `leftmost` to
// `rightmost` across the page.
inline void ExpectDrawnOnPage(App& app, int leftmost, int rightmost) {
    World& map = app.Map;
    map.PictureWidth = 2400;
    map.PictureHeight = 1800;
    map.PrintOffsetX = map.PrintOffsetY = 200;
    map.PenWidth = 3;
    map.BoldPenWidth = 9;
    RecordingCanvas page(2800, 2200);
    app.DrawSimulation(Event::Redraw, false, page);
    EXPECT_FALSE(page.figures.empty());
    for (const Figure& f : page.figures)
        for (const TPoint p : f.points) {
            EXPECT_GE(p.x, leftmost) << f.kind;
            EXPECT_LE(p.x, rightmost) << f.kind;
        }
}

// The fixture of one simulation's tests: the program started on `entry`, single steps of its
// clock, and a copy of its picture.
class StartedOn : public ::testing::Test {
protected:
    explicit StartedOn(std::uint16_t entry) { app.MenuEntry(entry); }

    void Steps(int n) {
        for (int k = 0; k < n; ++k) app.StepButtonClick();
    }
    QImage Picture() { return started.picture().Image().copy(); }

    StartedApp started;
    App& app = started.app;
    Scene scene{app};
};

}  // namespace viv::test
