// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/bow_polarisation.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

#include "app/events.h"
#include "library/colour_table.h"
#include "library/drawing.h"
#include "library/drop_rays.h"
#include "library/format.h"
#include "library/trig.h"
#include "library/world.h"
#include "library/world_drawing.h"
#include "sims/rainbow/drop_scattering.h"
#include "sims/rainbow/rainbow_state.h"
#include "sims/rainbow/reflectance_inset.h"

namespace viv {

namespace {

// The main window: the drop's centre at the origin, equal scales in x and y.
constexpr double MainXMin = -8.5, MainXMax = 11.5;
constexpr double MainYMinFactor = -0.8, MainYMaxFactor = 1.2;  // of AspectHeight

constexpr TColor PerpendicularColour = clMaroon;
constexpr TColor ParallelColour = clOlive;
constexpr TColor RainbowRayColour = clRed;

// Light leaving the drop below this share (per cent) counts as none: the grazing ray.
constexpr double NoLight = 1e-9;

constexpr std::size_t Perp = 0, Par = 1;

// Column 0 of the rows that differ between the bows, and the caption cell.
void WriteBowLabels(Scene& scene) {
    Report& t = scene.Out;
    if (scene.State.CurrentBow == 2) {
        t.SetCell(0, 0, "Sekundær vivarno");
        t.SetCell(0, 7, " lys igen efter spejling");
        t.SetCell(0, 8, " lys igen efter brydning");
    } else {
        t.SetCell(0, 0, "Primær vivarno");
        t.SetCell(0, 7, " lys igen efter brydning");
        for (int col = 0; col <= 2; ++col) t.SetCell(col, 8, "");
    }
}

// The red ray of extreme deviation of the current colour and bow, without details.
void DrawRedRainbowRay(Scene& scene, TCanvas& canvas) {
    const SharedState& s = scene.State;
    const std::size_t c = static_cast<std::size_t>(std::clamp(s.CurrentColour, 1, ColourCount));
    const double q =
        s.CurrentBow == 1 ? s.Rainbow.PrimaryBowParameter[c] : s.Rainbow.SecondaryBowParameter[c];
    DrawDropRay(scene, canvas, s.CurrentBow, RainbowRayColour, false, q);
}

// Two olive bars across the incoming ray for the parallel polarisation and two maroon
// crosses for the perpendicular one.
void DrawIncomingPolarisation(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    double y0 = ImpactParameter(RainbowOf(scene)) * DropRadius;
    if (scene.State.CurrentBow == 2) y0 = -y0;  // the secondary ray enters the lower half
    canvas.Pen.Color = ParallelColour;
    for (const double x : {-5.0, -5.5}) Line(map, canvas, x, y0 - 0.5, x, y0 + 0.5);
    canvas.Pen.Color = PerpendicularColour;
    for (const double x : {-8.0, -7.0}) {
        Line(map, canvas, x - 0.25, y0 + 0.25, x + 0.25, y0 - 0.25);
        Line(map, canvas, x + 0.25, y0 + 0.25, x - 0.25, y0 - 0.25);
    }
}

void WriteBowPolarisationTable(Scene& scene) {
    const SharedState& s = scene.State;
    const double p = ImpactParameter(RainbowOf(scene));
    scene.Out.Panel1 = "p: " + FormatReal(3, 3, p);
    const PolarisationShares shares =
        BowPolarisationShares(p, Colour(s.CurrentColour).WaterIndex, s.CurrentBow);
    Report& t = scene.Out;
    const auto row = [&t](int r, const double(&v)[2]) {
        t.SetCell(1, r, FormatReal(6, 2, v[Perp]));
        t.SetCell(2, r, FormatReal(8, 2, v[Par]));
    };
    row(5, shares.AfterEntry);
    row(6, shares.AfterReflection);
    row(7, shares.AfterSecond);
    if (s.CurrentBow == 2) row(8, shares.Leaving);
    scene.Out.Panel2 =
        shares.RatioDefined ? "Ip/Iv: " + FormatReal(3, 3, shares.Ratio) : std::string("-----");
}

// The ray under the user's control with its partial rays and readout, the polarisation
// symbols on the incoming light and the inset's marker. Drawing it again removes it.
void DrawCurrentRay(Scene& scene, TCanvas& canvas) {
    SharedState& s = scene.State;
    canvas.Pen.Mode = pmNotXor;
    canvas.Pen.Style = psSolid;
    DropRayState& rays = RainbowOf(scene).DropRays;
    const DropRayContext context = DropContext(scene);
    const double p = ImpactParameter(RainbowOf(scene));
    const RayReadout readout =
        s.CurrentBow == 1
            ? DrawPrimaryRaySplit(context, rays, RayControlledColour, true, canvas, p)
            : DrawSecondaryRaySplit(context, rays, RayControlledColour, true, canvas, p);
    ShowRayReadout(scene, readout);
    DrawIncomingPolarisation(scene, canvas);
    DrawRefractionMarker(scene, RefractionMarkerKind::Drop, canvas);
}

void DrawDropAxes(Scene& scene, TCanvas& canvas) {
    canvas.Pen.Color = clBlack;
    canvas.Pen.Mode = pmNotXor;
    DrawAxes(scene.Map, 0, 0, "", 0, 0, 0, 0, "", false, canvas);
}

void FullRedraw(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& map = scene.Map;
    SharedState& s = scene.State;
    if (clearFirst) ClearPicture(map);
    SetDropWorld(map, MainXMin, MainXMax, MainYMinFactor, MainYMaxFactor);
    // The simulation may be chosen while the secondary bow is set.
    WriteBowLabels(scene);

    SetThinBlackPen(map, canvas, pmNotXor);
    canvas.Brush.Style = bsClear;
    if (s.ShowAxes) DrawDropAxes(scene, canvas);
    canvas.Pen.Color = clBlack;
    DrawCircle(map, canvas, 0, 0, DropRadius);
    WriteDropTable(scene, s.CurrentBow);
    DrawReflectanceInset(scene, canvas);
    DrawReflectanceCurves(scene, canvas);
    canvas.Pen.Mode = pmNotXor;
    DrawBowRayMarker(scene, canvas);
    if (s.ShowRedRay) DrawRedRainbowRay(scene, canvas);
    DrawCurrentRay(scene, canvas);
    WriteBowPolarisationTable(scene);
}

// The colour (event 34) or the bow (event 35) of the control that sent the event, with
// the figures that depend on it.
void ChangeBowPolarisationColourOrBow(Scene& scene, TCanvas& canvas, Event event) {
    SharedState& s = scene.State;
    if (s.ShowRedRay) DrawRedRainbowRay(scene, canvas);  // erases it
    canvas.Pen.Mode = pmNotXor;
    if (event == Event::TrackBar1) {
        DrawBowRayMarker(scene, canvas);
        DrawReflectanceCurves(scene, canvas);
        s.CurrentColour = scene.Controls.TrackBar1.Position;
        DrawReflectanceCurves(scene, canvas);
        DrawBowRayMarker(scene, canvas);
    } else {
        DrawBowRayMarker(scene, canvas);
        s.CurrentBow = scene.Controls.TrackBar2.Position;
        DrawBowRayMarker(scene, canvas);
    }
    if (s.ShowRedRay) DrawRedRainbowRay(scene, canvas);
    WriteBowLabels(scene);
    WriteDropTable(scene, s.CurrentBow);
}

}  // namespace

PolarisationShares BowPolarisationShares(double p, double n, int bow) {
    const Reflectance r = WaterReflectance(ArcSin(p), ArcSin(p / n), n);
    const double R[2] = {r.Perpendicular, r.Parallel};
    PolarisationShares out{};
    for (std::size_t k : {Perp, Par}) {
        out.AfterEntry[k] = (1 - R[k]) * 100;
        out.AfterReflection[k] = out.AfterEntry[k] * R[k];
        if (bow == 2) {
            out.AfterSecond[k] = out.AfterReflection[k] * R[k];
            out.Leaving[k] = out.AfterSecond[k] * (1 - R[k]);
        } else {
            out.AfterSecond[k] = out.AfterReflection[k] * (1 - R[k]);
            out.Leaving[k] = out.AfterSecond[k];
        }
    }
    out.RatioDefined = out.Leaving[Perp] > NoLight;
    out.Ratio = out.RatioDefined ? out.Leaving[Par] / out.Leaving[Perp] : 0;
    return out;
}

void DrawBowRayMarker(Scene& scene, TCanvas& canvas) {
    const SharedState& s = scene.State;
    const std::size_t c = static_cast<std::size_t>(std::clamp(s.CurrentColour, 1, ColourCount));
    const double beta =
        s.CurrentBow == 1 ? s.Rainbow.PrimaryBowRefraction[c] : s.Rainbow.SecondaryBowRefraction[c];
    const InsetGraph inset = ReflectanceInset(scene, canvas);
    canvas.Pen.Mode = pmNotXor;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = ColourTable[c].ScreenColour;
    canvas.Pen.Width = scene.Map.BoldPenWidth;
    Line(scene.Map, canvas, beta, 0, beta, 3);  // above the axis, clear of its numbers
}

void DrawBowPolarisation(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    if (event == Event::Redraw) {
        FullRedraw(scene, clearFirst, canvas);
        return;
    }
    SharedState& s = scene.State;
    if (event == Event::F5) {
        FlipViewToggle(s, event);
        DrawRedRainbowRay(scene, canvas);
        return;
    }
    const bool control =
        event == Event::ScrollBar1 || event == Event::TrackBar1 || event == Event::TrackBar2;
    const bool toggle = event >= Event::F2 && event <= Event::F4;
    if (!control && !toggle) return;

    DrawCurrentRay(scene, canvas);  // erases it
    switch (event) {
        case Event::ScrollBar1:
            RainbowOf(scene).RayStep =
                RainbowOf(scene).RaySteps - scene.Controls.ScrollBar1.Position;
            break;
        case Event::TrackBar1:
        case Event::TrackBar2:
            ChangeBowPolarisationColourOrBow(scene, canvas, event);
            break;
        case Event::F2:
        case Event::F3:
            FlipViewToggle(s, event);
            break;
        case Event::F4:
            FlipViewToggle(s, event);
            DrawDropAxes(scene, canvas);
            break;
        default:
            break;
    }
    DrawCurrentRay(scene, canvas);
    WriteBowPolarisationTable(scene);
}

}  // namespace viv
