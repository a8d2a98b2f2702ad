// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Dragging figures of the picture with the scripted `drag`, as the mouse does in the
// window: where the control ends (from the geometry of the figure, worked out here from
// the world window), that the figure reaches the pointer, that the table is the one the
// control itself gives, and that the picture is a full redraw's.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/memo_text.h"
#include "app/script.h"
#include "gui/headless_host.h"
#include "library/canvas/raster_canvas.h"
#include "library/colour_table.h"
#include "picture_checks.h"
#include "scripted_app.h"
#include "sims/mechanics/spring_state.h"
#include "sims/optics/image_formation.h"
#include "sims/rainbow/bow_statistics.h"
#include "sims/simulations.h"
#include "sims/waves/refraction_state.h"

namespace viv {
namespace {

constexpr double Deg = 180 / std::numbers::pi;

struct Scripted : test::Scripted {
    Scripted() : test::Scripted({.Memo = true}) {}
    void Run(const std::string& text) {
        ASSERT_EQ(test::Scripted::Run(text), 0) << text << err.str();
    }
    QImage Picture() const { return static_cast<const RasterCanvas&>(*app.Image).Image().copy(); }
    // The table and the status panels; the message panel too unless a mouse read-out may
    // write there.
    std::string Table(bool withMessage = true) {
        out.str("");
        Run("table\npanels\n");
        std::string text = out.str();
        if (!withMessage) text.erase(text.rfind('\t'));
        return text;
    }
};

// The picture pixel of world point w, and back, from the simulation's world window.
TPoint PixelOf(const App& app, WorldPoint w) {
    const World& m = app.Map;
    return {static_cast<int>(std::lround((w.x - m.WorldXMin) * app.Image->Width() /
                                         (m.WorldXMax - m.WorldXMin))),
            static_cast<int>(std::lround((m.WorldYMax - w.y) * app.Image->Height() /
                                         (m.WorldYMax - m.WorldYMin)))};
}
WorldPoint WorldOf(const App& app, TPoint p) {
    const World& m = app.Map;
    return {m.WorldXMin + p.x * (m.WorldXMax - m.WorldXMin) / app.Image->Width(),
            m.WorldYMax - p.y * (m.WorldYMax - m.WorldYMin) / app.Image->Height()};
}

// Degrees of the direction of (x, y): -180..180, and 0..360.
double Direction(double x, double y) {
    return std::atan2(y, x) * Deg;
}
double Direction360(double x, double y) {
    const double d = Direction(x, y);
    return d < 0 ? d + 360 : d;
}
WorldPoint Along(WorldPoint from, double degrees, double length) {
    return {from.x + length * std::cos(degrees / Deg), from.y + length * std::sin(degrees / Deg)};
}

// The drop's primary exit angle v = 4r - 2i at ray parameter p (degrees).
double BandAngle(double p) {
    const double n = Colour(4).WaterIndex;
    return (4 * std::asin(p / n) - 2 * std::asin(p)) * Deg;
}

// The prism's entry point (apex 60°, the middle of the left face) and the ice crystal's
// (the middle of the face from 120° to 180° of a hexagon of radius 3).
const WorldPoint PrismEntry{-3 * std::tan(30 / Deg), 0};
const WorldPoint IceEntry{-2.25, 1.5 * std::sqrt(3.0) / 2};

// The spring's rest elongation with one weight of 0.05 kg on k = 10 N/m, metres; the
// rod's lower end hangs 10 world units lower per metre.
constexpr double SpringRest = 0.05 * 9.816 / 10;
constexpr double WeightGrab = 0.25;  // world units above the rod's end, mid-weight

enum class Pass { Point, Column, None };  // how the figure must reach the release point

struct DragCase {
    std::uint16_t Simulation;
    Control Moves;
    WorldPoint Grab;     // on the figure as the menu entry sets it up
    WorldPoint Release;  // where it is let go
    WorldPoint FarOff;   // far off the picture, past one end of the range
    // The control position the figure's geometry gives for the pointer at w.
    double (*Expected)(const App& app, WorldPoint w);
    Pass Reaches = Pass::Point;
};

double IncidenceFromAir(const App& a, WorldPoint w) {
    return a.State.IncidenceMax - Direction(-w.x, w.y);
}
// The beam's axis ray runs through the origin at -30..30 degrees: ScrollBar1 = angle + 30.
double BeamThroughOrigin(const App& /*app*/, WorldPoint w) {
    return Direction(-w.x, -w.y) + 30;
}

const DragCase kCases[] = {
    {2,
     Control::ScrollBar1,
     {-2.5 * std::cos(45 / Deg), 2.5 * std::sin(45 / Deg)},
     Along({0, 0}, 120, 4),
     {-100, -1},
     &IncidenceFromAir},
    {3,
     Control::ScrollBar1,
     {-2.5 * std::cos(45 / Deg), -2.5 * std::sin(45 / Deg)},
     Along({0, 0}, 200, 4),
     {1, -100},
     [](const App& a, WorldPoint w) { return a.State.IncidenceMax - Direction(-w.x, -w.y); }},
    {4,
     Control::ScrollBar1,
     {-2.5 * std::cos(45 / Deg), 2.5 * std::sin(45 / Deg)},
     Along({0, 0}, 150, 4),
     {1, 100},
     &IncidenceFromAir},
    {5,
     Control::ScrollBar1,
     {-3, 3},
     Along({0, 0}, 110, 4),
     {-100, -1},
     &IncidenceFromAir,
     Pass::None},
    {23, Control::ScrollBar1, {-3, 0}, {-4, -1.5}, {-10, -100}, &BeamThroughOrigin},
    {26,
     Control::ScrollBar1,
     {-4, 0},
     Along(PrismEntry, 200, 2.5),
     Along(PrismEntry, 260, 100),
     [](const App&, WorldPoint w) {
         return 90 - (Direction360(w.x - PrismEntry.x, w.y - PrismEntry.y) - 150);
     }},
    {27, Control::ScrollBar1, {-8, 0}, {-10, 2}, {-10, 100}, &BeamThroughOrigin},
    {29, Control::ScrollBar1, {-8, 0}, {-10, -3}, {-10, -100}, &BeamThroughOrigin},
    {41, Control::ScrollBar1, Along(IceEntry, 180, 1.5), Along(IceEntry, 200, 2.5),
     Along(IceEntry, 260, 100),
     [](const App&, WorldPoint w) {
         return 90 - (Direction360(w.x - IceEntry.x, w.y - IceEntry.y) - 150);
     }},
    {7,
     Control::ScrollBar1,
     {-6, 1.5},
     {-6, 2.4},
     {-6, 100},
     [](const App&, WorldPoint w) { return 100 - w.y / 3 * 100; }},
    {10,
     Control::ScrollBar1,
     {-6, 0.9375 * 3},
     {-6, 2.7},
     {-6, -100},
     [](const App&, WorldPoint w) { return 691 + 799 - w.y / 3 * 800; }},
    {11,
     Control::ScrollBar1,
     {-6, 0.99},
     {-6, 2.1},
     {-6, 100},
     [](const App&, WorldPoint w) { return 100 - w.y / 3 * 100; }},
    {8,
     Control::ScrollBar1,
     {0.51, BandAngle(0.5)},
     {0.8, BandAngle(0.8)},
     {3, 50},
     [](const App&, WorldPoint w) { return 200 - w.x / 0.005; },
     Pass::Column},
    {9,
     Control::ScrollBar1,
     {},
     {35.3, 0},
     {-500, 0},
     [](const App&, WorldPoint w) { return 179 - w.x; },
     Pass::Column},
    {12,
     Control::ScrollBar1,
     {},
     {35.3, 0},
     {400, 0},
     [](const App&, WorldPoint w) { return 101 - w.x; },
     Pass::Column},
    {24,
     Control::ScrollBar1,
     {-8, 1.5},
     {-5.3, 1.5},
     {100, 1.5},
     [](const App&, WorldPoint w) { return w.x >= -8 ? -20 * w.x - 10 : 142 - w.x; }},
    {28,
     Control::ScrollBar1,
     {-8, 1},
     {-3.05, 1},
     {-100, 1},
     [](const App&, WorldPoint w) { return w.x >= -8 ? -20 * w.x - 10 : 142 - w.x; }},
    {6,
     Control::TrackBar2,
     {0, -0.3},
     {4, -0.3},
     {100, -0.3},
     [](const App&, WorldPoint w) { return w.x + 1; }},
    {36,
     Control::ScrollBar1,
     {0, -10 * SpringRest + WeightGrab},
     {0, -10 * (SpringRest + 0.08) + WeightGrab},
     {0, -100},
     [](const App&, WorldPoint w) { return 60 - 600 * (-(w.y - WeightGrab) / 10 - SpringRest); }},
};

std::string DragLine(TPoint a, TPoint b) {
    return "drag " + std::to_string(a.x) + " " + std::to_string(a.y) + " " + std::to_string(b.x) +
           " " + std::to_string(b.y) + "\n";
}

// The angle cursors (9, 12) stand where their data put them: they are taken at their
// cross as drawn, which stands right of the angle it reads by half its bin's offset.
WorldPoint GrabOf(App& app, const DragCase& c, double& shift) {
    shift = 0;
    if (c.Simulation != 9 && c.Simulation != 12) return c.Grab;
    const BowStatistics& st = app.Sims.Get<BowStatistics>();
    shift = st.CursorX - app.State.ScatterAngle;
    return {st.CursorX + 2, st.CursorY};
}

TEST(Drag, EachFigureEndsItsControlWhereTheGeometryPutsIt) {
    for (const DragCase& c : kCases) {
        SCOPED_TRACE("simulation " + std::to_string(c.Simulation));
        Scripted s;
        s.Run("select " + std::to_string(c.Simulation) + "\n");
        App& app = s.app;
        const QImage before = s.Picture();
        const int startPosition = app.Window.Of(c.Moves).Position;
        // The guidance says what the mouse can take hold of.
        s.out.str("");
        s.Run("memo\n");
        EXPECT_NE(s.out.str().find("Med musen kan du"), std::string::npos);

        double shift = 0;
        const WorldPoint grab = GrabOf(app, c, shift);
        const TPoint from = PixelOf(app, grab);
        const TPoint to = PixelOf(app, c.Release);
        WorldPoint released = WorldOf(app, to);
        s.Run(DragLine(from, to));
        // The weight keeps the place it was taken at: the press's pixel counts.
        if (c.Simulation == 36) released.y -= WorldOf(app, from).y - grab.y;

        const RangeControl& control = app.Window.Of(c.Moves);
        const double wanted = c.Expected(app, released) + shift;
        const int expected = static_cast<int>(
            std::lround(std::clamp(wanted, double(control.Min), double(control.Max))));
        EXPECT_EQ(control.Position, expected)
            << "released at (" << released.x << ", " << released.y << ")";
        EXPECT_NE(control.Position, startPosition);

        // The figure reaches the pointer: the picture changed within 3 pixels of it.
        const QImage after = s.Picture();
        bool reached = c.Reaches == Pass::None;
        for (int y = 0; y < after.height() && !reached; ++y) {
            if (c.Reaches == Pass::Point && std::abs(y - to.y) > 3) continue;
            for (int x = to.x - 3; x <= to.x + 3 && !reached; ++x)
                if (x >= 0 && x < after.width() &&
                    std::hypot(x - to.x, c.Reaches == Pass::Point ? y - to.y : 0) <= 3)
                    reached = after.pixel(x, y) != before.pixel(x, y);
        }
        EXPECT_TRUE(reached) << "nothing drawn near (" << to.x << ", " << to.y << ")";

        // The table and the read-outs are those of the control moved there by hand (the
        // spring's clock runs after it is let go: its own test follows).
        if (c.Simulation != 36) {
            Scripted byHand;
            byHand.Run("select " + std::to_string(c.Simulation) + "\n");
            const char* name = c.Moves == Control::TrackBar2 ? "track2 " : "scroll1 ";
            byHand.Run(name + std::to_string(control.Position) + "\n");
            EXPECT_EQ(s.Table(), byHand.Table());
        }
        viv::test::ExpectSamePicture(after, (s.Run("redraw\n"), s.Picture()),
                                     "drag-" + std::to_string(c.Simulation));

        // Off the picture the drag ends at the range's end the geometry points to.
        DragCase letGo = c;
        letGo.Grab = c.Release;
        s.Run(DragLine(PixelOf(app, GrabOf(app, letGo, shift)), PixelOf(app, c.FarOff)));
        const double far = c.Expected(app, c.FarOff) + shift;
        EXPECT_EQ(control.Position, far < control.Min ? control.Min : control.Max);
        EXPECT_TRUE(far < control.Min || far > control.Max);
        const QImage atEnd = s.Picture();
        viv::test::ExpectSamePicture(atEnd, (s.Run("redraw\n"), s.Picture()),
                                     "drag-off-" + std::to_string(c.Simulation));
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(Drag, APressOnNoFigureChangesNothing) {
    for (const DragCase& c : kCases) {
        SCOPED_TRACE("simulation " + std::to_string(c.Simulation));
        Scripted s;
        s.Run("select " + std::to_string(c.Simulation) + "\n");
        const QImage before = s.Picture();
        const std::string table = s.Table(false);
        const int position = s.app.Window.Of(c.Moves).Position;
        const int w = s.app.Image->Width(), h = s.app.Image->Height();
        s.Run(DragLine({w - 3, 3}, {w / 2, h / 2}) + DragLine({w - 3, 3}, {-500, h + 500}));
        EXPECT_EQ(s.app.Window.Of(c.Moves).Position, position);
        EXPECT_EQ(s.Table(false), table);
        viv::test::ExpectSamePicture(s.Picture(), before,
                                     "no-figure-" + std::to_string(c.Simulation));
        EXPECT_EQ(s.app.Window.Cursor, PictureCursor::Arrow);
    }
}

// Random drags, each from a place where the hand shows, mixed with the controls and the
// keys, end in the picture a full redraw makes, with no NaN in a cell or a panel.
TEST(Drag, RandomDragsEndInTheRedrawnPicture) {
    std::mt19937 random(30);
    for (const DragCase& c : kCases) {
        SCOPED_TRACE("simulation " + std::to_string(c.Simulation));
        Scripted s;
        s.Run("select " + std::to_string(c.Simulation) + "\n");
        App& app = s.app;
        const int w = app.Image->Width(), h = app.Image->Height();
        for (int round = 0; round < 4; ++round) {
            std::vector<TPoint> grips;
            for (int y = 0; y < h; y += 6)
                for (int x = 0; x < w; x += 6) {
                    app.PictureMouseMove({x, y});
                    if (app.Window.Cursor == PictureCursor::OpenHand) grips.push_back({x, y});
                }
            // Later a figure may be out of reach: Alexander's band's marker follows the guides
            // while F2 shows them, and the object may stand off the picture.
            ASSERT_TRUE(round > 0 || !grips.empty());
            const TPoint from =
                grips.empty() ? TPoint{w / 2, h / 2} : grips[random() % grips.size()];
            using Draw = std::mt19937::result_type;
            const TPoint to{static_cast<int>(random() % (2 * static_cast<Draw>(w))) - w / 2,
                            static_cast<int>(random() % (2 * static_cast<Draw>(h))) - h / 2};
            s.Run(DragLine(from, to));
            if (round == 1 && app.Window.F2Button.Visible) s.Run("key F2\n");
            if (round == 2) {
                const RangeControl& bar = app.Window.Of(c.Moves);
                s.Run(
                    (c.Moves == Control::TrackBar2 ? "track2 " : "scroll1 ") +
                    std::to_string(bar.Min + static_cast<int>(random() % (bar.Max - bar.Min + 1))) +
                    "\n");
            }
        }
        EXPECT_EQ(s.Table().find("nan"), std::string::npos);
        viv::test::ExpectSamePicture(s.Picture(), (s.Run("redraw\n"), s.Picture()),
                                     "random-drags-" + std::to_string(c.Simulation));
    }
}

// The hand over a figure, closed while dragging; the status line names the figure and
// gets its own text back at the release.
TEST(Drag, CursorAndStatusLine) {
    Scripted s;
    s.Run("select 24\n");
    App& app = s.app;
    const TPoint arrow = PixelOf(app, {-8, 1.5});
    app.PictureMouseMove({3, 3});
    EXPECT_EQ(app.Window.Cursor, PictureCursor::Arrow);
    app.PictureMouseMove(arrow);
    EXPECT_EQ(app.Window.Cursor, PictureCursor::OpenHand);
    app.PictureMouseDown(arrow);
    EXPECT_EQ(app.Window.Cursor, PictureCursor::ClosedHand);
    app.PictureMouseMove({arrow.x + 20, arrow.y});
    EXPECT_EQ(app.Window.MessagePanel, " Trækker genstanden");
    app.PictureMouseUp({arrow.x + 20, arrow.y});
    EXPECT_TRUE(app.Window.MessagePanel.find("Trækker") == std::string::npos);
    EXPECT_EQ(app.Window.Cursor, PictureCursor::OpenHand);
    EXPECT_FALSE(app.Dragging());
    // A press and release on the spot moves nothing.
    const int position = app.Window.ScrollBar1.Position;
    const TPoint moved = PixelOf(app, {app.Sims.Get<ImageFormationState>().ObjectX, 1.5});
    s.Run("click " + std::to_string(moved.x + 2) + " " + std::to_string(moved.y) + "\n");
    EXPECT_EQ(app.Window.ScrollBar1.Position, position);
}

// The clock moves the wave's crests in "Brydningsloven": a drag of the ray while it runs
// turns the ray and leaves the crests' phase to the clock.
TEST(Drag, WhileTheClockRunsTheDragMovesOnlyItsOwnFigure) {
    Scripted s;
    s.Run("select 5\ntick 3\n");
    App& app = s.app;
    app.RunButtonClick();
    ASSERT_TRUE(app.Window.Clock.Enabled);
    const double phase = app.Sims.Get<RefractionState>().Phase;
    const int position = app.Window.ScrollBar1.Position;
    s.Run(DragLine(PixelOf(app, {-3, 3}), PixelOf(app, Along({0, 0}, 160, 4))));
    EXPECT_NE(app.Window.ScrollBar1.Position, position);
    EXPECT_EQ(app.Sims.Get<RefractionState>().Phase, phase);
    viv::test::ExpectSamePicture(s.Picture(), (s.Run("redraw\n"), s.Picture()), "drag-running-5");
}

// The spring's weight: held, it waits for no tick; let go, it swings from there upwards
// with the clock running.
TEST(Drag, TheSpringSwingsFromWhereItIsLetGo) {
    Scripted s;
    s.Run("select 36\n");
    App& app = s.app;
    const TPoint grab = PixelOf(app, {0, -10 * SpringRest + WeightGrab});
    const TPoint down = PixelOf(app, {0, -10 * (SpringRest + 0.06) + WeightGrab});
    // A click on the weight leaves it hanging still.
    const QImage still = s.Picture();
    s.Run("click " + std::to_string(grab.x) + " " + std::to_string(grab.y) + "\n");
    EXPECT_FALSE(app.Window.Clock.Enabled);
    viv::test::ExpectSamePicture(s.Picture(), still, "drag-spring-click");
    app.PictureMouseDown(grab);
    ASSERT_TRUE(app.Dragging());
    app.PictureMouseMove(down);
    const double pull = (WorldOf(app, grab).y - WorldOf(app, down).y) / 10;  // m
    EXPECT_EQ(app.Window.ScrollBar1.Position, std::lround(60 - 600 * pull));
    const double held = app.Sims.Get<SpringState>().SpringPosition;
    EXPECT_NEAR(held - 3, SpringRest + pull, 0.5 / 600);
    app.RunButtonClick();
    for (int k = 0; k < 5; ++k) {
        s.host.AdvanceClock(30);
        app.OnClockTick();
    }
    EXPECT_EQ(app.Sims.Get<SpringState>().SpringPosition, held);
    app.PictureMouseUp(down);
    EXPECT_TRUE(app.Window.Clock.Enabled);
    EXPECT_NEAR(app.Sims.Get<SpringState>().SpringPosition, held, 1e-4);
    viv::test::ExpectSamePicture(s.Picture(), (s.Run("redraw\n"), s.Picture()),
                                 "drag-spring-let-go");
    s.Run("tick 3\n");
    EXPECT_LT(app.Sims.Get<SpringState>().SpringPosition, held);
    // Once let go, a drag starts from wherever the weight is.
    viv::test::ExpectSamePicture(s.Picture(), (s.Run("redraw\n"), s.Picture()),
                                 "drag-spring-swinging");
}

}  // namespace
}  // namespace viv
