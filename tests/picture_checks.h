// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Checks on whole pictures shared by the simulations' tests: two pictures equal pixel for
// pixel, and random use of the controls ending in the picture a full redraw makes, each toggle
// pressed twice leaving the picture as it was, events not taken drawing nothing; and
// the texts of the table's cells and the status panels.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <initializer_list>
#include <random>
#include <string>

#include "app/app.h"
#include "app/scene.h"
#include "test_host.h"

namespace viv::test {

// Saves both pictures to /tmp when they differ, so that the difference can be looked at.
inline void ExpectSamePicture(const QImage& got, const QImage& want, const std::string& name) {
    if (got == want) return;
    int differing = 0;
    for (int y = 0; y < got.height() && y < want.height(); ++y)
        for (int x = 0; x < got.width() && x < want.width(); ++x)
            if (got.pixel(x, y) != want.pixel(x, y)) ++differing;
    got.save(QString::fromStdString("/tmp/" + name + "-got.png"));
    want.save(QString::fromStdString("/tmp/" + name + "-want.png"));
    ADD_FAILURE() << name << ": " << differing << " pixels differ; see /tmp/" << name
                  << "-got.png and -want.png";
}

// The picture after a full redraw of the current state.
inline QImage Redrawn(StartedApp& started) {
    started.app.RedrawPicture();
    return started.picture().Image().copy();
}

// The picture drawn so far equals a full redraw of the current state.
inline void ExpectSameAsRedrawn(StartedApp& started, const std::string& name) {
    const QImage drawn = started.picture().Image().copy();  // taken before the redraw
    ExpectSamePicture(drawn, Redrawn(started), name);
}

// Runs `sequences` sequences of `length` random user actions — a control of `controls`
// moved to a random position of its range, or a key of `keys` pressed — and after each
// sequence compares the picture with a full redraw of the same state.
inline void ExpectRandomUseMatchesRedraw(StartedApp& started, std::uint32_t seed,
                                         std::initializer_list<Control> controls,
                                         std::initializer_list<FKey> keys, const std::string& name,
                                         int sequences = 50, int length = 10) {
    App& app = started.app;
    Scene scene{app};
    std::mt19937 random(seed);
    const auto choices = static_cast<std::uint32_t>(controls.size() + keys.size());
    for (int sequence = 0; sequence < sequences; ++sequence) {
        std::string events;
        for (int e = 0; e < length; ++e) {
            const std::uint32_t k = random() % choices;
            if (k < controls.size()) {
                const Control control = controls.begin()[k];
                const RangeControl& range = app.Window.Of(control);
                const int position =
                    range.Min + static_cast<int>(random() % static_cast<std::uint32_t>(
                                                                range.Max - range.Min + 1));
                app.ControlChange(control, position);
                events += " control" + std::to_string(static_cast<int>(control)) + "=" +
                          std::to_string(position);
            } else {
                const FKey key = keys.begin()[k - controls.size()];
                app.FKeyClick(key);
                events += " F" + std::to_string(static_cast<int>(key) + 2);
            }
        }
        SCOPED_TRACE("sequence " + std::to_string(sequence) + ":" + events);
        const QImage drawn = started.picture().Image().copy();
        ExpectSamePicture(drawn, Redrawn(started), name + "-sequence-" + std::to_string(sequence));
        if (::testing::Test::HasFailure()) return;
    }
}

// Each key pressed twice leaves the picture as it was; the first press changes it, unless
// the key is one of `mayKeep` (a figure the current state does not show).
inline void ExpectTogglesTwiceRestore(StartedApp& started, std::initializer_list<FKey> keys,
                                      const std::string& name,
                                      std::initializer_list<FKey> mayKeep = {}) {
    for (FKey key : keys) {
        const QImage before = started.picture().Image().copy();
        started.app.FKeyClick(key);
        if (std::find(mayKeep.begin(), mayKeep.end(), key) == mayKeep.end()) {
            EXPECT_NE(started.picture().Image(), before)
                << name << " F" << static_cast<int>(key) + 2;
        }
        started.app.FKeyClick(key);
        ExpectSamePicture(started.picture().Image().copy(), before,
                          name + "-toggle-" + std::to_string(static_cast<int>(key) + 2));
    }
}

// Events the simulation does not take leave its picture as it is.
inline void ExpectEventsDrawNothing(StartedApp& started, std::initializer_list<Event> events,
                                    const std::string& name) {
    const QImage before = started.picture().Image().copy();
    for (Event event : events) started.app.DrawSimulation(event, false, *started.app.Image);
    ExpectSamePicture(started.picture().Image().copy(), before, name + "-other-events");
}

// One cell of the results table and the text it shows.
struct CellText {
    int Col = 0, Row = 0;
    std::string Text;
};

// Each listed cell shows its text.
inline void ExpectCells(const App& app, std::initializer_list<CellText> cells) {
    for (const CellText& c : cells)
        EXPECT_EQ(app.Table.Cell(c.Col, c.Row), c.Text) << "cell " << c.Col << "," << c.Row;
}

// Column `col` of the results table shows these texts from row `firstRow` down.
inline void ExpectColumn(const App& app, int col, int firstRow,
                         std::initializer_list<std::string> texts) {
    int row = firstRow;
    for (const std::string& text : texts) {
        EXPECT_EQ(app.Table.Cell(col, row), text) << "cell " << col << "," << row;
        ++row;
    }
}

// The three status panels show these texts.
inline void ExpectPanels(const App& app, const std::string& panel1, const std::string& panel2,
                         const std::string& panel3) {
    EXPECT_EQ(app.Window.Panel1, panel1);
    EXPECT_EQ(app.Window.Panel2, panel2);
    EXPECT_EQ(app.Window.Panel3, panel3);
}

}  // namespace viv::test
