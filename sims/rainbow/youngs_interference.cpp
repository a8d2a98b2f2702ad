// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/youngs_interference.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "app/events.h"
#include "library/colour_table.h"
#include "library/drawing.h"
#include "library/format.h"
#include "library/trig.h"
#include "sims/rainbow/airy_bow.h"
#include "sims/rainbow/drop_scattering.h"
#include "sims/rainbow/rainbow_state.h"
#include "sims/world_setup.h"

namespace viv {

namespace {

// The main window: the drop's centre at the origin, equal scales in x and y.
constexpr double MainXMin = -8, MainXMax = 12;
constexpr double MainYMinFactor = -0.8, MainYMaxFactor = 1.2;  // of AspectHeight

// The inset: exit angle v in degrees across, the interference term upwards.
constexpr double InsetXMin = 36, InsetXMax = 45;
// Above the curves' highest values (2) the inset keeps room for its legend.
constexpr double InsetYMin = -0.65, InsetYMax = 2.8;  // room under the axis for two rows
// The y axis at the inset's left, so that the curves never cross its numbers and every
// whole degree from 37° on is numbered.
constexpr double InsetAxisX = 36;
constexpr double LegendX = 36.3, LegendY = 2.55;  // right of the axis, under its arrow
constexpr double BoxLeft = 35.8, BoxRight = 43.5, BoxTop = 2.8, BoxBottom = InsetYMin;
// Points of the curves are kept inside the white box, so that redrawing the inset
// always covers them.
constexpr double CurveLowest = -0.35, CurveHighest = 2.5, CurveLeftmost = 35.85;
constexpr double SweepEnd = 36;  // degrees: the sweep stops below the inset's left edge
constexpr int SweepStepLimit = 20000;
constexpr double LossCurveScale = 20;
// Airy's curve runs across the inset on both sides of the bow angle, inside the white box.
constexpr double AiryFrom = 36, AiryTo = 43.4;
constexpr double AiryLegendX = 36.1;  // under the axis's numbers, at the inset's left

// Newton's iteration for ray 2.
constexpr int NewtonSteps = 11;
constexpr double NewtonTolerance = 0.0001;  // radians

// One step of the scroll bar in p1, and how near a change must come to count as one.
constexpr double ScrollStep = 0.00125;
constexpr double ScrollStepTolerance = 0.00001;

constexpr TColor Ray1Colour = clGreen;
constexpr TColor MarkerColour = clGreen;
constexpr TColor LossCurveColour = clMaroon;
constexpr TColor AiryCurveColour = clFuchsia;
constexpr TColor ConstructionColour = clBlue;
constexpr TColor RainbowRayColour = clRed;

std::size_t ColourIndex(int colour) {
    return static_cast<std::size_t>(std::clamp(colour, 1, ColourCount));
}

void EnterInset(World& map) {
    EnterInsetWindow(map, (3 * map.PictureWidth) / 5, map.PictureHeight / 2, InsetXMin, InsetXMax,
                     InsetYMin, InsetYMax);
}

void LeaveInset(World& map, TCanvas& canvas) {
    canvas.Pen.Width = map.PenWidth;
    LeaveInsetWindow(map);
}

double WaterIndexOf(const Scene& scene) {
    return ColourTable[ColourIndex(scene.State.CurrentColour)].WaterIndex;
}

double RainbowParameter(const Scene& scene) {
    return scene.State.Rainbow.PrimaryBowParameter[ColourIndex(scene.State.CurrentColour)];
}

double Ray1ParameterOf(const SharedState& s) {
    return s.IncidenceMax > 0 ? static_cast<double>(s.IncidenceValue) / s.IncidenceMax : 0.0;
}

double AiryScaleOf(const Scene& scene, const YoungState& y) {
    const ColourRow& colour = ColourTable[ColourIndex(scene.State.CurrentColour)];
    return AiryScale(y.DropSize, colour.WaveLength, colour.WaterIndex);
}

void UpdatePathScales(Scene& scene) {
    YoungState& y = YoungOf(scene);
    const ColourRow& colour = ColourTable[ColourIndex(scene.State.CurrentColour)];
    y.Scales = InterferencePathScales(y.DropSize, colour.WaveLength, colour.WaterIndex);
}

// Ray 2 for the ray 1 the scroll bar sets, keeping the rays shown before as the previous.
void SolveCurrentRays(Scene& scene) {
    YoungState& y = YoungOf(scene);
    const SharedState& s = scene.State;
    const double p1 = Ray1ParameterOf(s);
    y.PreviousRay1Parameter = y.Rays.Ray1Parameter;
    y.PreviousRay2Parameter = y.Rays.Ray2Parameter;
    y.Rays = SolveSecondRay(p1, SecondRayGuess(p1, RainbowParameter(scene)), WaterIndexOf(scene),
                            y.Scales);
    y.OneStep = !y.PreviousStale &&
                std::fabs(std::fabs(y.Rays.Ray1Parameter - y.PreviousRay1Parameter) - ScrollStep) <
                    ScrollStepTolerance;
    y.PreviousStale = false;
}

// The green marker in the inset at the exit angle of the rays, while it lies in the inset.
void DrawInterferenceMarker(Scene& scene, TCanvas& canvas) {
    const double v = YoungOf(scene).Rays.ExitAngle;
    if (v < InsetXMin) return;
    World& map = scene.Map;
    EnterInset(map);
    canvas.Pen.Mode = pmNotXor;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = MarkerColour;
    canvas.Pen.Width = map.BoldPenWidth;
    Line(map, canvas, v, 2, v, 0);
    LeaveInset(map, canvas);
}

// The incoming wavefront through ray 2's entry point, and the outgoing one, meeting on the
// line through the centre and the point of reflection, about which the path is symmetric.
void DrawPathConstruction(Scene& scene, TCanvas& canvas) {
    const InterferenceRays& r = YoungOf(scene).Rays;
    const World& map = scene.Map;
    const double e = std::cos(Pi - r.I2) * DropRadius;
    const double s = Tan(2 * r.R2 - r.I2);
    const double w = 4 * r.R2 - Pi - r.I2 - r.I2 - Pi / 2;
    canvas.Pen.Color = ConstructionColour;
    canvas.Polyline({map.Picture(e, e * s + 4), map.Picture(e, e * s),
                     map.Picture(e - 4 * std::cos(w), e * s - 4 * std::sin(w))});
    canvas.Pen.Color = Ray1Colour;
}

// Both rays from their cached paths (recomputed first when asked), the marker and the
// construction. Drawn again without recomputing, it removes what it drew.
void DrawRays(Scene& scene, TCanvas& canvas, bool recompute) {
    YoungState& y = YoungOf(scene);
    const InterferenceRays& r = y.Rays;
    const DropRayState& rays = RainbowOf(scene).DropRays;
    canvas.Pen.Mode = pmNotXor;
    canvas.Pen.Style = psSolid;
    DrawPrimaryRayPath(scene.Map, rays, recompute, y.Ray1Xs, y.Ray1Ys, r.Ray1Parameter, r.I1, r.R1,
                       std::cos(r.I1), canvas);
    DrawInterferenceMarker(scene, canvas);
    canvas.Pen.Style = psDash;
    DrawPrimaryRayPath(scene.Map, rays, recompute, y.Ray2Xs, y.Ray2Ys, r.Ray2Parameter, r.I2, r.R2,
                       std::cos(r.I2), canvas);
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmNotXor;
    if (scene.State.ShowMarks) DrawPathConstruction(scene, canvas);
}

// The top row of a text under the inset's axis ("vinkel v", "Airy"): under its numbers,
// but never lower than the white box reaches, so that redrawing the inset covers the
// text whole (in a low picture its descenders would otherwise hang below the box and stay
// when the text goes).
int UnderAxisTextTop(const World& map, TCanvas& canvas, std::string_view text) {
    const int height = canvas.TextHeight(text);
    return std::min(BelowAxisNumbers(map, canvas, map.PictureY(0)),
                    map.PictureY(BoxBottom) - height);
}

void DrawDropAxes(Scene& scene, TCanvas& canvas) {
    canvas.Pen.Color = clBlack;
    canvas.Pen.Mode = pmNotXor;
    DrawAxes(scene.Map, 0, 0, "", 0, 0, 0, 0, "", false, canvas);
}

void DrawRedRainbowRay(Scene& scene, TCanvas& canvas) {
    DrawDropRay(scene, canvas, 1, RainbowRayColour, false, RainbowParameter(scene));
}

// Airy's curve for the current drop and colour, with its name in the curve's colour under
// the axis at the inset's left, in line with "vinkel v".
void DrawAiryCurve(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    const std::size_t c = ColourIndex(scene.State.CurrentColour);
    const double bow = scene.State.Rainbow.PrimaryBowAngle[c];
    canvas.Pen.Color = AiryCurveColour;
    canvas.Polyline(BuildAiryCurve(map, bow, AiryScaleOf(scene, YoungOf(scene)), AiryFrom, AiryTo));
    canvas.Pen.Color = clBlack;
    const std::string_view name = "Airy";
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = AiryCurveColour;
    canvas.TextOut(map.PictureX(AiryLegendX), UnderAxisTextTop(map, canvas, name), name);
    canvas.Font.Color = clBlack;
}

// The inset graph, drawn whole over a white box: the bow angles of the colours along its
// axis, the interference term against v, with F6 the term corrected for losses and with
// F3 Airy's curve.
void DrawInterferenceInset(Scene& scene, TCanvas& canvas) {
    World& map = scene.Map;
    YoungState& y = YoungOf(scene);
    const std::size_t c = ColourIndex(scene.State.CurrentColour);
    const RainbowAngles& angles = scene.State.Rainbow;
    EnterInset(map);
    canvas.Pen.Mode = pmCopy;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = map.PenWidth;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clWhite;
    canvas.FillRect({map.PictureX(BoxLeft), map.PictureY(BoxTop), map.PictureX(BoxRight),
                     map.PictureY(BoxBottom)});
    canvas.Pen.Color = clBlack;
    canvas.Font.Color = clBlack;
    DrawAxes(map, 0, 0, "°", InsetAxisX, 0, 1, 1, "", false, canvas);
    // The legend stands above the curves; it is held on the picture.
    canvas.Brush.Style = bsClear;
    // In two lines right of the axis, so that the axis crosses neither.
    const int lineHeight = canvas.TextHeight("2");
    const int legendTop = std::max(map.PictureY(LegendY), map.PrintOffsetY);
    const int legendRight = map.PrintOffsetX + map.PictureWidth - 2;  // inside the picture
    int row = 0;
    for (const std::string_view line : {"2: konstruktiv,", "0: destruktiv interferens"})
        canvas.TextOut(std::min(map.PictureX(LegendX), legendRight - canvas.TextWidth(line)),
                       legendTop + lineHeight * row++, line);
    const std::string_view name = "vinkel v  ";
    canvas.TextOut(map.PictureX(BoxRight) - canvas.TextWidth(name),
                   UnderAxisTextTop(map, canvas, name), name.substr(0, name.size() - 2));

    canvas.Pen.Width = map.BoldPenWidth;
    for (std::size_t k = 1; k < ColourCount; ++k) {
        canvas.Pen.Color = ColourTable[k + 1].ScreenColour;
        Line(map, canvas, angles.PrimaryBowAngle[k], 0, angles.PrimaryBowAngle[k + 1], 0);
    }
    canvas.Pen.Width = map.PenWidth;
    canvas.Pen.Color = clBlack;

    const std::vector<SweepSample> samples =
        SweepInterference(ColourTable[c].WaterIndex, angles.PrimaryBowParameter[c],
                          angles.PrimaryBowAngle[c], y.Scales);
    y.PreviousStale = true;
    const InterferenceCurves curves =
        BuildInterferenceCurves(map, angles.PrimaryBowAngle[c], samples, scene.State.ShowRays);
    canvas.Polyline(curves.Interference);
    if (scene.State.ShowRays) {
        canvas.Pen.Color = LossCurveColour;
        canvas.Polyline(curves.LossCorrected);
        canvas.Pen.Color = clBlack;
    }
    if (scene.State.ShowNormals) DrawAiryCurve(scene, canvas);  // F3's toggle in this simulation
    canvas.Brush.Style = bsClear;
    LeaveInset(map, canvas);
}

void WriteInterferenceTable(Scene& scene) {
    const YoungState& y = YoungOf(scene);
    const InterferenceRays& r = y.Rays;
    Report& t = scene.Out;
    const double light1 = 100 * r.Light1, light2 = 100 * r.Light2;
    t.SetCell(1, 4, FormatReal(6, 1, r.ExitAngle));
    t.SetCell(1, 5, FormatReal(6, 2, y.DropSize * 2 * 1000));
    t.SetCell(1, 6, FormatReal(7, 2, r.Ray2Path + r.PathDifference));
    t.SetCell(2, 6, FormatReal(7, 2, r.Ray2Path));
    t.SetCell(1, 7, FormatReal(6, 2, light1));
    t.SetCell(2, 7, FormatReal(6, 2, light2));
    t.SetCell(1, 8, FormatReal(8, 5, r.Ray1Parameter));
    t.SetCell(2, 8, FormatReal(8, 5, r.Ray2Parameter));
    const double dp1 = r.Ray1Parameter - y.PreviousRay1Parameter;
    const double dp2 = r.Ray2Parameter - y.PreviousRay2Parameter;
    if (y.OneStep && dp2 != 0 && light2 != 0) {
        t.SetCell(1, 9, FormatReal(8, 5, dp1));
        t.SetCell(2, 9, FormatReal(9, 5, dp2));
        t.SetCell(1, 10, FormatReal(8, 5, dp1 * light1));
        t.SetCell(2, 10, FormatReal(8, 5, dp2 * light2));
        t.SetCell(1, 11, FormatReal(6, 3, std::fabs(dp1 / dp2 * light1 / light2)));
    } else {
        for (int row : {9, 10}) {
            t.SetCell(1, row, "");
            t.SetCell(2, row, "");
        }
        t.SetCell(1, 11, "");
    }
    // Airy's first maximum beside the geometrical bow angle.
    const double bow = scene.State.Rainbow.PrimaryBowAngle[ColourIndex(scene.State.CurrentColour)];
    t.SetCell(1, 12, FormatReal(6, 2, AiryMaximumAngle(bow, AiryScaleOf(scene, y), 1)));
    t.SetCell(2, 12, FormatReal(6, 2, bow));
    scene.Out.Panel1 = "p: " + FormatReal(3, 3, r.Ray1Parameter);
    scene.Out.Panel2 = "fase: " + FormatReal(3, 3, r.PathDifference);
}

void FullRedraw(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& map = scene.Map;
    const SharedState& s = scene.State;
    if (clearFirst) ClearPicture(map);
    SetDropWorld(map, MainXMin, MainXMax, MainYMinFactor, MainYMaxFactor);
    const double a = map.AspectHeight;

    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = map.PenWidth;
    canvas.Pen.Mode = pmNotXor;
    canvas.Font.Color = clBlack;
    if (s.ShowAxes) DrawDropAxes(scene, canvas);
    canvas.Pen.Color = clBlack;
    DrawCircle(map, canvas, 0, 0, DropRadius);
    canvas.Brush.Style = bsClear;
    // Right of the incoming rays' arrow heads, which end at x = -7 and grow with the zoom.
    const int namesLeft = map.PictureX(-7) + 4 * static_cast<int>(map.Zoom);
    canvas.TextOut(namesLeft, map.PictureY(0.6 * a), "stråle 1");
    canvas.TextOut(namesLeft, map.PictureY(0.3 * a), "stråle 2 (stiplet)");

    UpdatePathScales(scene);
    DrawInterferenceInset(scene, canvas);
    WriteDropTable(scene, 1);
    SolveCurrentRays(scene);
    YoungOf(scene).OneStep = false;  // the inset's sweep ran
    if (s.ShowRedRay) DrawRedRainbowRay(scene, canvas);
    DrawRays(scene, canvas, true);
    // A printed picture leaves the table as it is.
    if (map.PrintOffsetX == 0 && map.PrintOffsetY == 0) WriteInterferenceTable(scene);
}

}  // namespace

PathScales InterferencePathScales(double dropSize, double waveLength, double n) {
    if (!(waveLength > 0)) return {};
    return {4 * dropSize * n / waveLength * 1e9, 2 * dropSize / waveLength * 1e9};
}

double SecondRayGuess(double p1, double pr) {
    return pr - (p1 - pr) * ((p1 - pr) / (1 - pr) + 1);
}

double ScatteredLight(double i, double r, double n) {
    double R;
    const double sum = std::sin(i + r);
    if (std::fabs(sum) < 1e-12) {
        R = (n - 1) / (n + 1);
        R *= R;
    } else {
        R = std::sin(i - r) / sum;
        R *= R;
    }
    return R * (1 - R) * (1 - R);
}

InterferenceRays SolveSecondRay(double p1, double p2Guess, double n, const PathScales& scales) {
    InterferenceRays out;
    p1 = std::clamp(p1, 0.0, 1.0);
    out.Ray1Parameter = p1;
    out.I1 = ArcSin(p1);
    out.R1 = ArcSin(p1 / n);
    const double D = 2 * out.R1 - out.I1;  // half the deviation from the antisolar point
    const double first = 1 / std::cos(out.I1) - (2 / n) / std::cos(out.R1);
    out.Light1 = ScatteredLight(out.I1, out.R1, n);

    // Ray 2 enters between the axis and the rainbow ray, where cos^2 i = (n^2 - 1) / 3.
    const double rainbowIncidence = ArcCos(std::sqrt(std::max(0.0, (n * n - 1) / 3)));
    double i2 = std::clamp(ArcSin(p2Guess), 0.0, rainbowIncidence);
    for (int step = 0; step < NewtonSteps; ++step) {
        const double r2 = ArcSin(std::sin(i2) / n);
        const double slope = 1 - (2 / n) * std::cos(i2) / std::cos(r2);
        if (!(std::fabs(slope) > 1e-12)) break;  // at the rainbow ray itself
        const double next = std::clamp(i2 - (i2 + D - 2 * r2) / slope, 0.0, rainbowIncidence);
        const double change = std::fabs(next - i2);
        i2 = next;
        if (change < NewtonTolerance) break;
    }
    out.I2 = i2;
    out.Ray2Parameter = std::sin(i2);
    out.R2 = ArcSin(out.Ray2Parameter / n);
    out.ExitAngle = 2 * D * DegPerRad;

    const double cosR2 =
        std::sqrt(std::max(0.0, 1 - (out.Ray2Parameter / n) * (out.Ray2Parameter / n)));
    const double second = -1 / std::cos(i2) + (2 / n) / cosR2;
    const double g = first / second;
    out.Divergence = std::isfinite(g) && std::fabs(second) > 1e-12 ? g : 1.0;
    out.Light2 = ScatteredLight(i2, out.R2, n);

    out.Ray2Path = scales.Inner * cosR2;
    out.PathDifference = scales.Outer * (std::cos(i2) - std::cos(out.I1)) +
                         scales.Inner * std::cos(out.R1) - scales.Inner * cosR2;
    return out;
}

std::vector<SweepSample> SweepInterference(double n, double pr, double bowAngle,
                                           const PathScales& scales) {
    std::vector<SweepSample> samples;
    double p1 = pr, p2 = pr, phi = 0, g = 1;
    double previousP1 = pr;
    double previousV = bowAngle;
    const double s = (1 - pr) * 0.04;
    for (int k = 0; k < SweepStepLimit && p1 < 1; ++k) {
        // The step shrinks as the phase difference grows, so that the fringes stay smooth.
        const double shrink = s / (3 * std::fabs(phi) + 1);
        const double guess = p2 - shrink * g * 1.01;
        p1 = std::min(1.0, p1 + shrink);
        const InterferenceRays r = SolveSecondRay(p1, guess, n, scales);
        const double dv = r.ExitAngle - previousV;
        const double q = dv != 0 ? -(p1 - previousP1) / dv : 0;
        previousV = r.ExitAngle;
        previousP1 = p1;
        p2 = r.Ray2Parameter;
        phi = r.PathDifference;
        g = r.Divergence;
        samples.push_back({r.ExitAngle, phi, q, g, r.Light1, r.Light2});
        if (r.ExitAngle < SweepEnd) break;
    }
    return samples;
}

InterferenceCurves BuildInterferenceCurves(const World& insetMap, double bowAngle,
                                           const std::vector<SweepSample>& samples,
                                           bool lossCorrected) {
    const auto row = [&insetMap](double y) {
        return insetMap.PictureY(std::clamp(y, CurveLowest, CurveHighest));
    };
    const auto column = [&insetMap](double v) {
        return insetMap.PictureX(std::max(v, CurveLeftmost));
    };
    InterferenceCurves curves;
    curves.Interference.reserve(2 * samples.size() + 1);
    int previousColumn = column(bowAngle);
    double previousPhi = 0;
    curves.Interference.push_back({previousColumn, row(2)});
    for (const SweepSample& s : samples) {
        const int x = column(s.ExitAngle);
        const double midPhi = (s.PathDifference + previousPhi) / 2;
        curves.Interference.push_back(
            {(x + previousColumn) / 2, row(1 + std::cos(2 * Pi * midPhi))});
        curves.Interference.push_back({x, row(1 + std::cos(2 * Pi * s.PathDifference))});
        if (lossCorrected && s.Divergence != 0 && s.Light2 != 0) {
            const double y =
                LossCurveScale * s.Slope *
                (std::cos(2 * Pi * s.PathDifference) / s.Divergence * s.Light1 / s.Light2 + 1);
            if (std::isfinite(y)) curves.LossCorrected.push_back({x, row(y)});
        }
        previousPhi = s.PathDifference;
        previousColumn = x;
    }
    return curves;
}

YoungState& YoungOf(Scene& scene) {
    return scene.Own<YoungState>();
}

void SetYoungStartValues(SetupScene& scene) {
    YoungOf(scene).DropSize = 0.0001;
}

void DrawYoungsInterference(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    if (event == Event::Redraw) {
        FullRedraw(scene, clearFirst, canvas);
        SolveCurrentRays(scene);
        return;
    }
    const bool handled = event == Event::ScrollBar1 || event == Event::TrackBar1 ||
                         event == Event::TrackBar2 || IsFunctionKey(event);
    if (!handled) return;

    SharedState& s = scene.State;
    YoungState& y = YoungOf(scene);
    DrawRays(scene, canvas, false);  // erases them
    switch (event) {
        case Event::TrackBar1:
        case Event::TrackBar2:
            if (event == Event::TrackBar1) {
                if (s.ShowRedRay) DrawRedRainbowRay(scene, canvas);
                s.CurrentColour = scene.Controls.TrackBar1.Position;
                if (s.ShowRedRay) DrawRedRainbowRay(scene, canvas);
            } else {
                y.DropSize = scene.Controls.TrackBar2.Position * 0.0001;
            }
            UpdatePathScales(scene);
            WriteDropTable(scene, 1);
            DrawInterferenceInset(scene, canvas);
            break;
        case Event::F6:
        case Event::F3:
            FlipViewToggle(s, event);
            DrawInterferenceInset(scene, canvas);
            break;
        case Event::F5:
            FlipViewToggle(s, event);
            DrawRedRainbowRay(scene, canvas);
            break;
        case Event::F4:
            FlipViewToggle(s, event);
            DrawDropAxes(scene, canvas);
            break;
        case Event::F2:
            FlipViewToggle(s, event);
            break;
        case Event::ScrollBar1: {
            const RangeControl& bar = scene.Controls.ScrollBar1;
            s.IncidenceValue = bar.Position;
            const int reversed = bar.Min + bar.Max - bar.Position;
            if (reversed >= 691 && reversed <= 800) s.IncidenceValue = reversed;
            break;
        }
        default:
            break;
    }
    SolveCurrentRays(scene);
    DrawRays(scene, canvas, true);
    WriteInterferenceTable(scene);
}

}  // namespace viv
