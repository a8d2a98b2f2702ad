// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/drop_scattering.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/events.h"
#include "library/colour_table.h"
#include "library/drawing.h"
#include "library/format.h"
#include "library/trig.h"
#include "library/world.h"
#include "sims/rainbow/rainbow_state.h"
#include "sims/world_setup.h"

namespace viv {

namespace {

// The gauge of the exit direction at the top left of the picture, world units.
constexpr WorldPoint GaugeCentre{-4.0, 5.3};
constexpr double GaugeArm = 1.5;
constexpr double GaugeIncomingStartX = -5.5;
constexpr double GaugeIncomingArrowX = -4.75;
constexpr double GaugeArrowLength = 0.25;
constexpr WorldPoint AngleLabelAt{-8.0, 5.3};

// The main window: the drop's centre at the origin, equal scales in x and y.
constexpr double MainXMin = -9.0, MainXMax = 11.0;
constexpr double MainYMinFactor = -0.9, MainYMaxFactor = 1.1;  // of AspectHeight

// The inset graph: wavelength in nm across, bow angle in degrees upwards.
constexpr double GraphXMin = 320, GraphXMax = 800;  // nm
constexpr double GraphYMin = 30, GraphYMax = 60;    // degrees
constexpr double GraphAxisX = 400;                  // nm, where the angle axis stands
constexpr double GraphAxisY = 35;                   // degrees, where the wavelength axis lies
constexpr double GraphStepX = 100;                  // nm
constexpr double GraphStepY = 5;                    // degrees
constexpr WorldPoint GraphYNameAt{405, 58};
constexpr WorldPoint SecondaryNameAt{500, 57};
constexpr WorldPoint PrimaryNameAt{500, 47};

constexpr TColor BowInUseColour = clGreen;
constexpr TColor RainbowRayColour = clRed;

std::size_t ColourIndex(int colour) {
    return static_cast<std::size_t>(std::clamp(colour, 1, ColourCount));
}

double BowAngle(const App& app, int bow, std::size_t c) {
    const RainbowAngles& r = app.State.Rainbow;
    return bow == 1 ? r.PrimaryBowAngle[c] : r.SecondaryBowAngle[c];
}

double CurrentParameter(const SharedState& s) {
    return s.IncidenceMax > 0 ? static_cast<double>(s.IncidenceValue) / s.IncidenceMax : 0.0;
}

// The point `length` from the gauge's centre in the direction angle + pi: along the light
// that leaves in that direction.
WorldPoint GaugeArmEnd(double angle, double length) {
    return {GaugeCentre.x - length * std::cos(angle), GaugeCentre.y - length * std::sin(angle)};
}

// Two plain axes through the drop's centre, without ticks.
void DrawDropAxes(App& app, TCanvas& canvas) {
    canvas.Pen.Color = clBlack;
    DrawAxes(app.Map, 0, 0, "", 0, 0, 0, 0, "", false, canvas);
}

// The inset graph's margins and window.
void EnterGraph(World& map) {
    EnterInsetWindow(map, (2 * map.PictureWidth) / 3, (2 * map.PictureHeight) / 3, GraphXMin,
                     GraphXMax, GraphYMin, GraphYMax);
}

void LeaveGraph(World& map, TCanvas& canvas) {
    canvas.Pen.Width = map.PenWidth;
    map.PictureMarginX = 0;
    map.PictureMarginY = 0;
}

void TextAt(const World& map, TCanvas& canvas, WorldPoint at, std::string_view text) {
    canvas.TextOut(map.PictureX(at.x), map.PictureY(at.y), text);
}

// The names of the two bows, the one in use in green.
void WriteBowNames(App& app, TCanvas& canvas) {
    const int bow = app.State.CurrentBow;
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = bow == 2 ? BowInUseColour : clBlack;
    TextAt(app.Map, canvas, SecondaryNameAt, "Sekundær vivarno");
    canvas.Font.Color = bow == 1 ? BowInUseColour : clBlack;
    TextAt(app.Map, canvas, PrimaryNameAt, "Primær vivarno");
}

// The marker of the graph: a bold green line up from the wavelength axis to the current
// colour's bow angle. Always drawn in pmNotXor, so that moving it never disturbs the axis
// and the curves it crosses.
void DrawBowMarker(App& app, TCanvas& canvas) {
    const std::size_t c = ColourIndex(app.State.CurrentColour);
    const double lambda = ColourTable[c].WaveLength;
    canvas.Pen.Color = BowInUseColour;
    canvas.Pen.Width = app.Map.BoldPenWidth;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmNotXor;
    Line(app.Map, canvas, {lambda, GraphAxisY}, {lambda, BowAngle(app, app.State.CurrentBow, c)});
}

// The ray under the user's control with its readout, and its exit gauge.
void DrawCurrentRay(App& app, TCanvas& canvas) {
    DrawDropRay(app, canvas, app.State.CurrentBow, RayControlledColour, true,
                CurrentParameter(app.State));
    DrawExitGauge(app, canvas);
}

}  // namespace

void SetDropWorld(World& map, double xMin, double xMax, double yMinFactor, double yMaxFactor) {
    const double a = map.AspectHeight;
    map.WorldXMin = xMin;
    map.WorldXMax = xMax;
    map.WorldYMin = yMinFactor * a;
    map.WorldYMax = yMaxFactor * a;
    map.SetWorldWindow(map.WorldXMin, map.WorldXMax, map.WorldYMin, map.WorldYMax);
}

namespace {

void FullRedraw(App& app, bool clearFirst, TCanvas& canvas) {
    World& map = app.Map;
    SharedState& s = app.State;
    if (clearFirst) ClearPicture(map);
    DrawBowAngleGraph(app, canvas);

    SetDropWorld(map, MainXMin, MainXMax, MainYMinFactor, MainYMaxFactor);

    // Everything in the main window is drawn in pmNotXor, the axes and the drop included,
    // so that the axes toggled later cross the drop exactly as they do here.
    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmNotXor;
    if (s.ShowAxes) DrawDropAxes(app, canvas);
    DrawCircle(map, canvas, 0, 0, DropRadius);
    WriteDropTable(app, s.CurrentBow);
    if (s.ShowRays) DrawRayFan(app, canvas, s.CurrentBow);
    if (s.ShowRedRay) DrawRainbowRayMark(app, canvas, s.CurrentBow);
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = clBlack;
    TextAt(map, canvas, AngleLabelAt, "vinkel v/°");
    DrawCurrentRay(app, canvas);
}

}  // namespace

DropRayContext DropContext(const App& app) {
    const SharedState& s = app.State;
    return DropRayContext{app.Map,          s.Rainbow,   s.CurrentColour, s.IncidenceMax,
                          s.IncidenceValue, s.ShowMarks, s.ShowNormals};
}

void ShowRayReadout(App& app, const RayReadout& readout) {
    for (std::size_t k = 0; k < readout.Rows.size(); ++k) {
        if (!readout.Rows[k].empty())
            app.Table.SetCell(1, RayReadout::FirstRow + static_cast<int>(k), readout.Rows[k]);
    }
    if (!readout.Panel1.empty()) app.Window.Panel1 = readout.Panel1;
    if (!readout.Panel2.empty()) app.Window.Panel2 = readout.Panel2;
}

void DrawDropRay(App& app, TCanvas& canvas, int bow, TColor colour, bool withDetails, double p) {
    DropRayState& rays = RainbowOf(app).DropRays;
    const DropRayContext context = DropContext(app);
    const RayReadout readout =
        bow == 1 ? DrawPrimaryRay(context, rays, colour, withDetails, canvas, p)
                 : DrawSecondaryRay(context, rays, colour, withDetails, canvas, p);
    if (withDetails) ShowRayReadout(app, readout);
}

void WriteDropTable(App& app, int bow) {
    const std::size_t c = ColourIndex(app.State.CurrentColour);
    const ColourRow& colour = ColourTable[c];
    ResultsTable& t = app.Table;
    t.SetCell(1, 1, FormatReal(6, 3, colour.WaterIndex));
    t.SetCell(0, 2, " bølgelængde/nm, " + std::string(colour.ColourName));
    t.SetCell(1, 2, FormatReal(6, 1, colour.WaveLength));
    t.SetCell(0, 3, bow == 1 ? " maksimal vinkel/°" : " minimal vinkel/°");
    t.SetCell(1, 3, FormatReal(6, 1, BowAngle(app, bow, c)));
}

void DrawRayFan(App& app, TCanvas& canvas, int bow) {
    const SharedState& s = app.State;
    if (s.IncidenceMax <= 0) return;
    for (int k = s.IncidenceMin; k <= s.IncidenceMax / 4; ++k)
        DrawDropRay(app, canvas, bow, RayBackgroundColour, false,
                    4.0 * k / static_cast<double>(s.IncidenceMax));
}

void DrawRainbowRayMark(App& app, TCanvas& canvas, int bow) {
    const std::size_t c = ColourIndex(app.State.CurrentColour);
    const RainbowAngles& r = app.State.Rainbow;
    const double q = bow == 1 ? r.PrimaryBowParameter[c] : r.SecondaryBowParameter[c];
    const double d = bow == 1 ? r.PrimaryBowDeviation[c] : r.SecondaryBowDeviation[c];
    DrawDropRay(app, canvas, bow, RainbowRayColour, false, q);
    canvas.Pen.Color = RainbowRayColour;
    Line(app.Map, canvas, GaugeCentre, GaugeArmEnd(d, GaugeArm));
}

void DrawBowAngleGraph(App& app, TCanvas& canvas) {
    World& map = app.Map;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmCopy;
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = clBlack;
    EnterGraph(map);
    DrawAxes(map, 0, 0, "", GraphAxisX, GraphAxisY, GraphStepX, GraphStepY, "°", false, canvas);

    const RainbowAngles& r = app.State.Rainbow;
    std::vector<TPoint> secondary, primary;
    for (std::size_t c = 1; c <= ColourCount; ++c) {
        secondary.push_back(map.Picture(ColourTable[c].WaveLength, r.SecondaryBowAngle[c]));
        primary.push_back(map.Picture(ColourTable[c].WaveLength, r.PrimaryBowAngle[c]));
    }
    canvas.Polyline(secondary);
    canvas.Polyline(primary);

    canvas.Font.Color = clBlack;
    TextAt(map, canvas, GraphYNameAt, " v");
    WriteBowNames(app, canvas);
    canvas.Font.Color = clBlack;
    // The axis title under its numbers, ending with the axis or inside the picture where the
    // axis runs off it.
    const std::string_view xName = "bølgelængde/nm";
    canvas.TextOut(std::min(map.PictureX(GraphXMax), canvas.Width() - 2) - canvas.TextWidth(xName),
                   BelowAxisNumbers(map, canvas, map.PictureY(GraphAxisY)), xName);

    DrawBowMarker(app, canvas);
    LeaveGraph(map, canvas);
}

void ChangeColourOrBow(App& app, TCanvas& canvas, Event event) {
    World& map = app.Map;
    EnterGraph(map);
    DrawBowMarker(app, canvas);  // erases it
    if (event == Event::TrackBar1) {
        app.State.CurrentColour = app.Window.TrackBar1.Position;
    } else if (event == Event::TrackBar2) {
        app.State.CurrentBow = app.Window.TrackBar2.Position;
        WriteBowNames(app, canvas);
        app.Table.SetCell(0, 0,
                          app.State.CurrentBow == 1 ? " Primær vivarno" : " Sekundær vivarno");
    }
    DrawBowMarker(app, canvas);
    LeaveGraph(map, canvas);
    map.SetWorldWindow(map.WorldXMin, map.WorldXMax, map.WorldYMin, map.WorldYMax);
}

void DrawExitGauge(App& app, TCanvas& canvas) {
    const World& map = app.Map;
    const double v = RainbowOf(app).DropRays.RayExitAngle;
    canvas.Pen.Color = RayControlledColour;
    const WorldPoint out = GaugeArmEnd(v, GaugeArm);
    canvas.Polyline({map.Picture(GaugeIncomingStartX, GaugeCentre.y),
                     map.Picture(GaugeCentre.x, GaugeCentre.y), map.Picture(out.x, out.y)});
    DrawArrowHead(map, canvas, GaugeIncomingArrowX, GaugeCentre.y, GaugeArrowLength, 0);
    const WorldPoint head = GaugeArmEnd(v, 1.0);
    DrawArrowHead(map, canvas, head.x, head.y, GaugeArrowLength, v + Pi);
}

void DrawScatteringInDrop(App& app, Event event, bool clearFirst, TCanvas& canvas) {
    if (event == Event::Redraw) {
        FullRedraw(app, clearFirst, canvas);
        return;
    }
    const bool control =
        event == Event::ScrollBar1 || event == Event::TrackBar1 || event == Event::TrackBar2;
    const bool toggle = IsFunctionKey(event);
    if (!control && !toggle) return;

    SharedState& s = app.State;
    canvas.Pen.Style = psSolid;
    DrawCurrentRay(app, canvas);  // erases it
    switch (event) {
        case Event::ScrollBar1:
            s.IncidenceValue = s.IncidenceMax - app.Window.ScrollBar1.Position;
            break;
        case Event::TrackBar1:
        case Event::TrackBar2:
            // The fan and the rainbow ray belong to the old colour or bow until the change.
            if (s.ShowRays) DrawRayFan(app, canvas, s.CurrentBow);
            if (s.ShowRedRay) DrawRainbowRayMark(app, canvas, s.CurrentBow);
            ChangeColourOrBow(app, canvas, event);
            if (s.ShowRedRay) DrawRainbowRayMark(app, canvas, s.CurrentBow);
            if (s.ShowRays) DrawRayFan(app, canvas, s.CurrentBow);
            WriteDropTable(app, s.CurrentBow);
            break;
        case Event::F2:
        case Event::F3:
            FlipViewToggle(s, event);
            break;
        case Event::F4:
            FlipViewToggle(s, event);
            canvas.Pen.Mode = pmNotXor;
            DrawDropAxes(app, canvas);
            break;
        case Event::F5:
            FlipViewToggle(s, event);
            DrawRainbowRayMark(app, canvas, s.CurrentBow);
            break;
        case Event::F6:
            FlipViewToggle(s, event);
            DrawRayFan(app, canvas, s.CurrentBow);
            break;
        default:
            break;
    }
    DrawCurrentRay(app, canvas);
}

}  // namespace viv
