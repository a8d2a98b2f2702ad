// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Farveblanding": the mixtures in the picture against the lights and filters worked
// out from the three levels, the change of mode, and moves of one bar at a time.
#include "sims/colour/colour_mixing.h"

#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <map>
#include <random>
#include <string>

#include "app/catalogue.h"
#include "app/events.h"
#include "colour_checks.h"
#include "library/canvas/vector_canvas.h"
#include "picture_checks.h"
#include "rainbow/cell_checks.h"
#include "recording_canvas.h"
#include "sims/colour/colour_state.h"
#include "sims/simulations.h"

namespace viv {
namespace {

using test::ExpectNoNan;
using test::ExpectSamePicture;
using test::InConvex;
using test::InPie;
using test::Rgb;
using test::Steadily;

struct LightGeometry {
    WorldPoint centre, start, end, label;
    int channel;  // 0 red, 1 green, 2 blue
};
const std::array<LightGeometry, 3> kLights{{
    {{-2, 3.5}, {-7, -1.5}, {5, 7.5}, {-2.5, 2.5}, 0},
    {{-2, -3.5}, {3, -6.5}, {-7, 1.5}, {-2.5, -2.5}, 1},
    {{4, 0}, {4, 5}, {4, -5}, {2.5, 0}, 2},
}};

struct FilterGeometry {
    std::vector<WorldPoint> corners;
    WorldPoint label;
    int removes;  // the channel the filter takes away
    int bar;      // 1..3
};
const std::array<FilterGeometry, 3> kFilters{{
    {{{-4, 5}, {-5, 1}, {4, -5}, {5, -1}}, {-4, 2}, 2, 1},  // yellow
    {{{-2, -6}, {2, -6}, {2, 6}, {-2, 6}}, {0, 5}, 0, 2},   // cyan
    {{{-5, -1}, {-4, -5}, {5, 1}, {4, 5}}, {3, 2}, 1, 3},   // magenta
}};

class ColourMixing : public test::ColourFixture {
protected:
    ColourMixing() : ColourFixture(20) {}

    int Level(int bar) {
        const RangeControl& b = bar == 1   ? app.Window.ScrollBar1
                                : bar == 2 ? app.Window.ScrollBar2
                                           : app.Window.ScrollBar3;
        return 255 - b.Position;
    }
    // Near a label's box (or the title) nothing is compared.
    bool NearLabel(int px, int py, WorldPoint label) {
        const int x = app.Map.PictureX(label.x), y = app.Map.PictureY(label.y);
        return px >= x - 3 && px <= x + 75 && py >= y - 14 && py <= y + 14;
    }
    bool NearAnyLabel(int px, int py, bool additive) {
        for (int k = 0; k < 3; ++k)
            if (NearLabel(px, py,
                          additive ? kLights[static_cast<std::size_t>(k)].label
                                   : kFilters[static_cast<std::size_t>(k)].label))
                return true;
        return false;
    }

    // The mixtures at six random settings of the levels, as moved and as redrawn.
    void ExpectRandomMixtures(bool additive, unsigned seed) {
        std::mt19937 random(seed);
        std::uniform_int_distribution<int> level(0, 255);
        for (int trial = 0; trial < 6; ++trial) {
            SetLevels(level(random), level(random), level(random));
            ExpectMixtures(additive, "moved, trial " + std::to_string(trial));
            Redrawn();
            ExpectMixtures(additive, "redrawn, trial " + std::to_string(trial));
            if (HasFailure()) return;
        }
    }

    // Every pixel of a grid over the figure whose neighbourhood lies wholly inside or
    // outside each shape shows the mixture worked out for that point: the OR of the lights
    // on the black screen, or white times the transmissions of the filters.
    void ExpectMixtures(bool additive, const std::string& what) {
        const World& w = app.Map;
        int checked = 0;
        std::map<TColor, int> seen;
        for (int py = w.PictureY(6.8); py <= w.PictureY(-6.8); py += 3) {
            for (int px = w.PictureX(-6.8); px <= w.PictureX(6.8); px += 3) {
                if (NearAnyLabel(px, py, additive)) continue;
                const WorldPoint p = test::WorldOf(w, px, py);
                std::array<double, 3> channel{};
                bool steady = true;
                if (additive) {
                    const auto onScreen = Steadily(w, p, 3, [](WorldPoint q) {
                        return std::abs(q.x) < 6 && std::abs(q.y) < 6;
                    });
                    if (!onScreen || !*onScreen) continue;
                    for (const LightGeometry& l : kLights) {
                        const auto in = Steadily(w, p, 3, [&](WorldPoint q) {
                            return InPie(q, l.centre, 5, l.start, l.end);
                        });
                        if (!in)
                            steady = false;
                        else if (*in)
                            channel[static_cast<std::size_t>(l.channel)] = Level(l.channel + 1);
                    }
                } else {
                    channel = {255, 255, 255};
                    for (const FilterGeometry& f : kFilters) {
                        const auto in =
                            Steadily(w, p, 3, [&](WorldPoint q) { return InConvex(q, f.corners); });
                        if (!in)
                            steady = false;
                        else if (*in) {
                            // The filter passes its two other channels whole and this one at
                            // level/255.
                            std::array<double, 3> transmission{1, 1, 1};
                            transmission[static_cast<std::size_t>(f.removes)] =
                                (255 - Level(f.bar)) / 255.0;
                            for (int c = 0; c < 3; ++c)
                                channel[static_cast<std::size_t>(c)] *=
                                    transmission[static_cast<std::size_t>(c)];
                        }
                    }
                }
                if (!steady) continue;
                const TColor want = RGB(static_cast<int>(std::lround(channel[0])),
                                        static_cast<int>(std::lround(channel[1])),
                                        static_cast<int>(std::lround(channel[2])));
                const TColor got = started.picture().GetPixel(px, py);
                ++checked;
                ++seen[want];
                if (got != want) {
                    ADD_FAILURE() << what << ": pixel (" << px << ", " << py << ") at world ("
                                  << p.x << ", " << p.y << ") is " << Rgb(got) << ", not "
                                  << Rgb(want);
                    return;
                }
            }
        }
        EXPECT_GT(checked, 1000) << what;
        lastSeen = seen;
    }

    std::map<TColor, int> lastSeen;
};

TEST_F(ColourMixing, FullLightsMixToWhiteAndTheSecondaryColours) {
    EXPECT_TRUE(ColourOf(scene).AdditiveMode);
    ExpectMixtures(true, "start");
    for (TColor c : {clRed, clLime, clBlue, clYellow, clAqua, clFuchsia, clWhite})
        EXPECT_GT(lastSeen[c], 10) << Rgb(c);
    EXPECT_EQ(app.Table.Cell(0, 0), "Additiv");
    for (int row = 1; row <= 3; ++row) EXPECT_EQ(app.Table.Cell(1, row), "100.0");
    EXPECT_EQ(app.Window.Panel1, "R=100.0%");
    EXPECT_EQ(app.Window.Panel2, "G=100.0%");
    EXPECT_EQ(app.Window.Panel3, "B=100.0%");
    EXPECT_EQ(app.Window.ScrollBar1Symbol.Caption, "R");
}

TEST_F(ColourMixing, LabelsShowEachLevelAsPercent) {
    test::RecordingCanvas canvas(Picture().width(), Picture().height());
    SetLevels(255, 128, 0);
    app.DrawSimulation(Event::Redraw, false, canvas);
    std::vector<std::string> texts;
    for (const auto& f : canvas.Of("text")) texts.push_back(f.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Additiv", "  0.0% ", " 50.2% ", "100.0% "}));
    EXPECT_EQ(app.Table.Cell(1, 2), "50.2");
    EXPECT_EQ(app.Window.Panel2, "G=50.2%");
}

TEST_F(ColourMixing, EveryOverlapIsTheOrOfTheLights) {
    ExpectRandomMixtures(true, 20);
}

TEST_F(ColourMixing, EveryOverlapIsTheProductOfTheFilters) {
    app.ControlChange(Control::TrackBar2, 1);
    ExpectMixtures(false, "full filters");
    ExpectRandomMixtures(false, 21);
}

TEST_F(ColourMixing, NoLightIsBlackOnTheScreenAndNoFilterIsWhite) {
    SetLevels(0, 0, 0);
    ExpectMixtures(true, "no light");
    EXPECT_EQ(lastSeen.size(), 1u);
    EXPECT_EQ(lastSeen.begin()->first, clBlack);
    EXPECT_EQ(app.Window.Panel3, "B=0.0%");
    app.ControlChange(Control::TrackBar2, 1);
    // Nothing in the picture but white and the black of the texts.
    for (int y = 0; y < Picture().height(); ++y)
        for (int x = 0; x < Picture().width(); ++x) {
            const TColor c = started.picture().GetPixel(x, y);
            ASSERT_TRUE(c == clWhite || (RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c)))
                << x << "," << y << " " << Rgb(c);
        }
}

TEST_F(ColourMixing, TheModeRelabelsBarsTableAndPanels) {
    SetLevels(51, 102, 204);
    app.ControlChange(Control::TrackBar2, 1);
    EXPECT_FALSE(ColourOf(scene).AdditiveMode);
    EXPECT_EQ(app.Window.ScrollBar1Symbol.Caption, "gul");
    EXPECT_EQ(app.Window.ScrollBar2Symbol.Caption, "cyan");
    EXPECT_EQ(app.Window.ScrollBar3Symbol.Caption, "mag.");
    test::ExpectCells(
        app, {{0, 0, "Subtraktiv"}, {0, 1, " gul /%"}, {0, 2, " cyan /%"}, {0, 3, " magenta /%"}});
    test::ExpectPanels(app, "gul=20.0%", "cyan=40.0%", "mag.=80.0%");
    app.ControlChange(Control::TrackBar2, 0);
    EXPECT_EQ(app.Window.ScrollBar1Symbol.Caption, "R");
    EXPECT_EQ(app.Table.Cell(0, 3), " Blå /%");
    EXPECT_EQ(app.Window.Panel1, "R=20.0%");
    // Chosen again, the simulation starts additive whatever it showed last.
    app.ControlChange(Control::TrackBar2, 1);
    app.MenuEntry(20);
    EXPECT_TRUE(ColourOf(scene).AdditiveMode);
    EXPECT_EQ(app.Window.TrackBar2.Position, 0);
    EXPECT_EQ(app.Table.Cell(0, 0), "Additiv");
    ExpectNoNan(app);
}

// A moved bar changes its own light or filter and the overlaps with it, nothing else.
TEST_F(ColourMixing, OneBarChangesOnlyItsOwnShape) {
    for (const bool additive : {true, false}) {
        app.ControlChange(Control::TrackBar2, additive ? 0 : 1);
        SetLevels(200, 150, 100);
        for (int bar = 1; bar <= 3; ++bar) {
            const QImage before = Picture().copy();
            app.ControlChange(bar == 1   ? Control::ScrollBar1
                              : bar == 2 ? Control::ScrollBar2
                                         : Control::ScrollBar3,
                              200);
            const QImage after = Picture().copy();
            int changed = 0;
            const World& w = app.Map;
            for (int y = 0; y < after.height(); ++y)
                for (int x = 0; x < after.width(); ++x) {
                    if (before.pixel(x, y) == after.pixel(x, y)) continue;
                    ++changed;
                    const WorldPoint p = test::WorldOf(w, x, y);
                    bool own = false;
                    if (additive) {
                        const LightGeometry& l = kLights[static_cast<std::size_t>(bar - 1)];
                        own = NearLabel(x, y, l.label) ||
                              !Steadily(w, p, 2, [&](WorldPoint q) {
                                   return !InPie(q, l.centre, 5, l.start, l.end);
                               }).value_or(false);
                    } else {
                        const FilterGeometry& f = kFilters[static_cast<std::size_t>(bar - 1)];
                        own = NearLabel(x, y, f.label) || !Steadily(w, p, 2, [&](WorldPoint q) {
                                                               return !InConvex(q, f.corners);
                                                           }).value_or(false);
                    }
                    ASSERT_TRUE(own) << (additive ? "light " : "filter ") << bar
                                     << " changed pixel " << x << "," << y;
                }
            EXPECT_GT(changed, 1000) << bar;
        }
    }
}

// On a printer page or a vector picture, which cannot OR or XOR colours, the lights and
// the filters still show every mixture, as on the screen (the lights on their black
// screen).
TEST_F(ColourMixing, PrintedPictureShowsTheSameMixtures) {
    for (const bool additive : {true, false}) {
        app.ControlChange(Control::TrackBar2, additive ? 0 : 1);
        SetLevels(230, 140, 60);
        const QImage screen = Redrawn();
        QImage page(screen.size(), QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            VectorCanvas canvas(page);
            app.DrawSimulation(Event::Redraw, false, canvas);
        }
        const World& w = app.Map;
        int compared = 0;
        for (int y = w.PictureY(6.8); y <= w.PictureY(-6.8); ++y)
            for (int x = w.PictureX(-6.8); x <= w.PictureX(6.8); ++x) {
                if (NearAnyLabel(x, y, additive)) continue;
                ++compared;
                ASSERT_EQ(page.pixel(x, y) & 0xFFFFFFu, screen.pixel(x, y) & 0xFFFFFFu)
                    << (additive ? "additive" : "subtractive") << " pixel " << x << "," << y;
            }
        EXPECT_GT(compared, 100000);
    }
}

TEST_F(ColourMixing, PictureAfterAnyControlSequenceEqualsItsFullRedraw) {
    test::ExpectRandomUseMatchesRedraw(
        started, 20,
        {Control::ScrollBar1, Control::ScrollBar2, Control::ScrollBar3, Control::TrackBar2}, {},
        "mixing", 40, 8);
    ExpectNoNan(app);
}

}  // namespace
}  // namespace viv
