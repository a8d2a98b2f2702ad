// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Checks shared by the tests of the thin film, the reflection, the superposition and the
// Doppler effect: random use with the clock running ends in the picture a full redraw
// makes; no read-out is ever "nan" or "inf"; the figures of a redraw on a large page.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <initializer_list>
#include <random>
#include <string>

#include "app/app.h"
#include "app/events.h"
#include "picture_checks.h"
#include "recording_canvas.h"
#include "test_host.h"

namespace viv::test {

// Every panel and table cell free of "nan" and "inf".
inline void ExpectNoNonNumbers(App& app) {
    const auto bad = [](const std::string& s) {
        return s.find("nan") != std::string::npos || s.find("inf") != std::string::npos;
    };
    for (const std::string* p :
         {&app.Window.Panel1, &app.Window.Panel2, &app.Window.Panel3, &app.Window.MessagePanel})
        EXPECT_FALSE(bad(*p)) << *p;
    for (int c = 0; c < app.Table.ColCount(); ++c)
        for (int r = 0; r < app.Table.RowCount(); ++r)
            EXPECT_FALSE(bad(app.Table.Cell(c, r)))
                << "cell " << c << "," << r << ": " << app.Table.Cell(c, r);
}

// `sequences` sequences of `length` random actions — a run of clock ticks, a single step,
// a control moved to a random place of its range, a toggle pressed — each ending in the
// picture of a full redraw of the same state.
inline void ExpectRandomAnimationMatchesRedraw(StartedApp& started, std::uint32_t seed,
                                               std::initializer_list<Control> controls,
                                               std::initializer_list<FKey> keys,
                                               const std::string& name, int sequences = 50,
                                               int length = 12) {
    App& app = started.app;
    std::mt19937 random(seed);
    // The clock runs where the simulation is animated; elsewhere ticks and steps do nothing.
    if (!app.Window.Clock.Enabled) app.RunButtonClick();
    const auto choices = static_cast<std::uint32_t>(2 + controls.size() + keys.size());
    for (int sequence = 0; sequence < sequences; ++sequence) {
        std::string events;
        for (int e = 0; e < length; ++e) {
            const std::uint32_t k = random() % choices;
            if (k == 0) {
                const int ticks = 1 + static_cast<int>(random() % 40);
                for (int t = 0; t < ticks; ++t) app.OnClockTick();
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

}  // namespace viv::test
