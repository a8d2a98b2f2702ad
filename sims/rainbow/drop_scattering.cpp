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
#include "library/world_drawing.h"
#include "sims/rainbow/rainbow_state.h"

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

double BowAngle(const Scene& scene, int bow, std::size_t c) {
    const RainbowAngles& r = scene.State.Rainbow;
    return bow == 1 ? r.PrimaryBowAngle[c] : r.SecondaryBowAngle[c];
}

// The point `length` from the gauge's centre in the direction angle + pi: along the light
// that leaves in that direction.
WorldPoint GaugeArmEnd(double angle, double length) {
    return {GaugeCentre.x - length * std::cos(angle), GaugeCentre.y - length * std::sin(angle)};
}

// Two plain axes through the drop's centre, without ticks.
void DrawDropAxes(Scene& scene, TCanvas& canvas) {
    canvas.Pen.Color = clBlack;
    DrawAxes(scene.Map, 0, 0, "", 0, 0, 0, 0, "", false, canvas);
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
void WriteBowNames(Scene& scene, TCanvas& canvas) {
    const int bow = scene.State.CurrentBow;
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = bow == 2 ? BowInUseColour : clBlack;
    TextAt(scene.Map, canvas, SecondaryNameAt, "Sekundær vivarno");
    canvas.Font.Color = bow == 1 ? BowInUseColour : clBlack;
    TextAt(scene.Map, canvas, PrimaryNameAt, "Primær vivarno");
}

// The marker of the graph: a bold green line up from the wavelength axis to the current
// colour's bow angle. Always drawn in pmNotXor, so that moving it never disturbs the axis
// and the curves it crosses.
void DrawBowMarker(Scene& scene, TCanvas& canvas) {
    const std::size_t c = ColourIndex(scene.State.CurrentColour);
    const double lambda = ColourTable[c].WaveLength;
    canvas.Pen.Color = BowInUseColour;
    canvas.Pen.Width = scene.Map.BoldPenWidth;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmNotXor;
    Line(scene.Map, canvas, {lambda, GraphAxisY},
         {lambda, BowAngle(scene, scene.State.CurrentBow, c)});
}

// The ray under the user's control with its readout, and its exit gauge.
void DrawCurrentRay(Scene& scene, TCanvas& canvas) {
    DrawDropRay(scene, canvas, scene.State.CurrentBow, RayControlledColour, true,
                ImpactParameter(RainbowOf(scene)));
    DrawExitGauge(scene, canvas);
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

void FullRedraw(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& map = scene.Map;
    SharedState& s = scene.State;
    if (clearFirst) ClearPicture(map);
    DrawBowAngleGraph(scene, canvas);

    SetDropWorld(map, MainXMin, MainXMax, MainYMinFactor, MainYMaxFactor);

    // Everything in the main window is drawn in pmNotXor, the axes and the drop included,
    // so that the axes toggled later cross the drop exactly as they do here.
    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmNotXor;
    if (s.ShowAxes) DrawDropAxes(scene, canvas);
    DrawCircle(map, canvas, 0, 0, DropRadius);
    WriteDropTable(scene, s.CurrentBow);
    if (s.ShowRays) DrawRayFan(scene, canvas, s.CurrentBow);
    if (s.ShowRedRay) DrawRainbowRayMark(scene, canvas, s.CurrentBow);
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = clBlack;
    TextAt(map, canvas, AngleLabelAt, "vinkel v/°");
    DrawCurrentRay(scene, canvas);
}

}  // namespace

DropRayContext DropContext(const Scene& scene) {
    const SharedState& s = scene.State;
    const RainbowState& rs = RainbowOf(scene);
    return DropRayContext{scene.Map,  s.Rainbow,   s.CurrentColour, rs.RaySteps,
                          rs.RayStep, s.ShowMarks, s.ShowNormals};
}

void ShowRayReadout(Scene& scene, const RayReadout& readout) {
    for (std::size_t k = 0; k < readout.Rows.size(); ++k) {
        if (!readout.Rows[k].empty())
            scene.Out.SetCell(1, RayReadout::FirstRow + static_cast<int>(k), readout.Rows[k]);
    }
    if (!readout.Panel1.empty()) scene.Out.Panel1 = readout.Panel1;
    if (!readout.Panel2.empty()) scene.Out.Panel2 = readout.Panel2;
}

void DrawDropRay(Scene& scene, TCanvas& canvas, int bow, TColor colour, bool withDetails,
                 double p) {
    DropRayState& rays = RainbowOf(scene).DropRays;
    const DropRayContext context = DropContext(scene);
    const RayReadout readout =
        bow == 1 ? DrawPrimaryRay(context, rays, colour, withDetails, canvas, p)
                 : DrawSecondaryRay(context, rays, colour, withDetails, canvas, p);
    if (withDetails) ShowRayReadout(scene, readout);
}

void WriteDropTable(Scene& scene, int bow) {
    const std::size_t c = ColourIndex(scene.State.CurrentColour);
    const ColourRow& colour = ColourTable[c];
    Report& t = scene.Out;
    t.SetCell(1, 1, FormatReal(6, 3, colour.WaterIndex));
    t.SetCell(0, 2, " bølgelængde/nm, " + std::string(colour.ColourName));
    t.SetCell(1, 2, FormatReal(6, 1, colour.WaveLength));
    t.SetCell(0, 3, bow == 1 ? " maksimal vinkel/°" : " minimal vinkel/°");
    t.SetCell(1, 3, FormatReal(6, 1, BowAngle(scene, bow, c)));
}

void DrawRayFan(Scene& scene, TCanvas& canvas, int bow) {
    const int steps = RainbowOf(scene).RaySteps;
    if (steps <= 0) return;
    for (int k = 0; k <= steps / 4; ++k)
        DrawDropRay(scene, canvas, bow, RayBackgroundColour, false,
                    4.0 * k / static_cast<double>(steps));
}

void DrawRainbowRayMark(Scene& scene, TCanvas& canvas, int bow) {
    const std::size_t c = ColourIndex(scene.State.CurrentColour);
    const RainbowAngles& r = scene.State.Rainbow;
    const double q = bow == 1 ? r.PrimaryBowParameter[c] : r.SecondaryBowParameter[c];
    const double d = bow == 1 ? r.PrimaryBowDeviation[c] : r.SecondaryBowDeviation[c];
    DrawDropRay(scene, canvas, bow, RainbowRayColour, false, q);
    canvas.Pen.Color = RainbowRayColour;
    Line(scene.Map, canvas, GaugeCentre, GaugeArmEnd(d, GaugeArm));
}

void DrawBowAngleGraph(Scene& scene, TCanvas& canvas) {
    World& map = scene.Map;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmCopy;
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = clBlack;
    EnterGraph(map);
    DrawAxes(map, 0, 0, "", GraphAxisX, GraphAxisY, GraphStepX, GraphStepY, "°", false, canvas);

    const RainbowAngles& r = scene.State.Rainbow;
    std::vector<TPoint> secondary, primary;
    for (std::size_t c = 1; c <= ColourCount; ++c) {
        secondary.push_back(map.Picture(ColourTable[c].WaveLength, r.SecondaryBowAngle[c]));
        primary.push_back(map.Picture(ColourTable[c].WaveLength, r.PrimaryBowAngle[c]));
    }
    canvas.Polyline(secondary);
    canvas.Polyline(primary);

    canvas.Font.Color = clBlack;
    TextAt(map, canvas, GraphYNameAt, " v");
    WriteBowNames(scene, canvas);
    canvas.Font.Color = clBlack;
    // The axis title under its numbers, ending with the axis or inside the picture where the
    // axis runs off it.
    const std::string_view xName = "bølgelængde/nm";
    canvas.TextOut(std::min(map.PictureX(GraphXMax), canvas.Width() - 2) - canvas.TextWidth(xName),
                   BelowAxisNumbers(map, canvas, map.PictureY(GraphAxisY)), xName);

    DrawBowMarker(scene, canvas);
    LeaveGraph(map, canvas);
}

void ChangeColourOrBow(Scene& scene, TCanvas& canvas, Event event) {
    World& map = scene.Map;
    EnterGraph(map);
    DrawBowMarker(scene, canvas);  // erases it
    if (event == Event::TrackBar1) {
        scene.State.CurrentColour = scene.Controls.TrackBar1.Position;
    } else if (event == Event::TrackBar2) {
        scene.State.CurrentBow = scene.Controls.TrackBar2.Position;
        WriteBowNames(scene, canvas);
        scene.Out.SetCell(0, 0,
                          scene.State.CurrentBow == 1 ? " Primær vivarno" : " Sekundær vivarno");
    }
    DrawBowMarker(scene, canvas);
    LeaveGraph(map, canvas);
    map.SetWorldWindow(map.WorldXMin, map.WorldXMax, map.WorldYMin, map.WorldYMax);
}

void DrawExitGauge(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    const double v = RainbowOf(scene).DropRays.RayExitAngle;
    canvas.Pen.Color = RayControlledColour;
    const WorldPoint out = GaugeArmEnd(v, GaugeArm);
    canvas.Polyline({map.Picture(GaugeIncomingStartX, GaugeCentre.y),
                     map.Picture(GaugeCentre.x, GaugeCentre.y), map.Picture(out.x, out.y)});
    DrawArrowHead(map, canvas, GaugeIncomingArrowX, GaugeCentre.y, GaugeArrowLength, 0);
    const WorldPoint head = GaugeArmEnd(v, 1.0);
    DrawArrowHead(map, canvas, head.x, head.y, GaugeArrowLength, v + Pi);
}

void DrawScatteringInDrop(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    if (event == Event::Redraw) {
        FullRedraw(scene, clearFirst, canvas);
        return;
    }
    const bool control =
        event == Event::ScrollBar1 || event == Event::TrackBar1 || event == Event::TrackBar2;
    const bool toggle = IsFunctionKey(event);
    if (!control && !toggle) return;

    SharedState& s = scene.State;
    canvas.Pen.Style = psSolid;
    DrawCurrentRay(scene, canvas);  // erases it
    switch (event) {
        case Event::ScrollBar1:
            RainbowOf(scene).RayStep =
                RainbowOf(scene).RaySteps - scene.Controls.ScrollBar1.Position;
            break;
        case Event::TrackBar1:
        case Event::TrackBar2:
            // The fan and the rainbow ray belong to the old colour or bow until the change.
            if (s.ShowRays) DrawRayFan(scene, canvas, s.CurrentBow);
            if (s.ShowRedRay) DrawRainbowRayMark(scene, canvas, s.CurrentBow);
            ChangeColourOrBow(scene, canvas, event);
            if (s.ShowRedRay) DrawRainbowRayMark(scene, canvas, s.CurrentBow);
            if (s.ShowRays) DrawRayFan(scene, canvas, s.CurrentBow);
            WriteDropTable(scene, s.CurrentBow);
            break;
        case Event::F2:
        case Event::F3:
            FlipViewToggle(s, event);
            break;
        case Event::F4:
            FlipViewToggle(s, event);
            canvas.Pen.Mode = pmNotXor;
            DrawDropAxes(scene, canvas);
            break;
        case Event::F5:
            FlipViewToggle(s, event);
            DrawRainbowRayMark(scene, canvas, s.CurrentBow);
            break;
        case Event::F6:
            FlipViewToggle(s, event);
            DrawRayFan(scene, canvas, s.CurrentBow);
            break;
        default:
            break;
    }
    DrawCurrentRay(scene, canvas);
}

}  // namespace viv
