// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/slits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "app/events.h"
#include "app/view_toggles.h"
#include "library/drawing.h"
#include "library/format.h"
#include "library/measuring_scale.h"
#include "library/trig.h"
#include "library/world.h"
#include "sims/waves/moving_picture.h"
#include "sims/waves/slit_physics.h"
#include "sims/waves/slits_state.h"

namespace viv {

namespace {

enum class SlitKind { Grating, DoubleSlit, SingleSlit };

constexpr double Degree = Pi / 180;
constexpr int Wavelets = 8;     // crests about every slit, one wavelength apart
constexpr double MarkerX = -6;  // where the period is marked and the path difference built
constexpr double GratingOpening = 1.0 / 7;  // half the width of a grating's opening, wavelengths
constexpr double DoubleSlitOpening = DoubleSlitHalfWidth;
constexpr double ScaleAt = 9;  // the measuring scale's labels, world x
constexpr double ScaleFactor = 10;
constexpr double CrestSpan = 60 * Degree;  // the single slit's wavelets run +-60°
constexpr double PointerScaleX = -9;       // the double slit's read-out bar
constexpr double PointerScaleHalf = 2;     // its scale runs -2..2

constexpr TColor WaveColour = clBlack;
constexpr TColor TroughColour = clGray;
constexpr TColor LightColour = clRed;
constexpr TColor MarkColour = clBlue;

// One drawing: the picture, its mapping, the simulation.
struct Drawing {
    Scene& scene;
    const World& world;
    TCanvas& canvas;
    SlitKind kind;
    double h;      // half-height of the picture, world units
    double scale;  // pixels per wavelength
};

Drawing DrawingOf(Scene& scene, TCanvas& canvas, SlitKind kind) {
    return {scene, scene.Map, canvas, kind, scene.Map.AspectHeight, scene.Map.MapScaleX};
}

// The whole number of pixels the waves move on in one wavelength, at least 1.
int PixelsPerWave(const World& world) {
    return std::max(1, static_cast<int>(std::lround(world.MapScaleX)));
}

void Line(const Drawing& sc, double x1, double y1, double x2, double y2) {
    sc.canvas.MoveTo(sc.world.PictureX(x1), sc.world.PictureY(y1));
    sc.canvas.LineTo(sc.world.PictureX(x2), sc.world.PictureY(y2));
}

void Pen(const Drawing& sc, TColor colour, int width, TPenStyle style = psSolid) {
    sc.canvas.Pen.Color = colour;
    sc.canvas.Pen.Width = width;
    sc.canvas.Pen.Style = style;
}

bool Exists(const SlitView& v) {
    return OrderExists(v.Order, v.X);
}

double Angle(const SlitView& v) {
    return OrderAngle(v.Order, v.X);
}

// --- The fixed figures of a full redraw ---

void DrawLaser(const Drawing& sc, std::string_view label) {
    const World& w = sc.world;
    TCanvas& c = sc.canvas;
    const double h = sc.h;
    c.Brush.Style = bsClear;
    c.Font.Color = clBlack;
    c.TextOut(w.PictureX(-9), w.PictureY(0.7 * h), "Laser");
    c.TextOut(w.PictureX(MarkerX) - c.TextWidth(label) / 2, w.PictureY(0.74 * h), label);
    Pen(sc, clBlack, w.PenWidth);
    c.Brush.Color = clGreen;
    c.Brush.Style = bsDiagCross;
    c.Rectangle(w.PictureX(-9), w.PictureY(0.8 * h), w.PictureX(-7), w.PictureY(0.75 * h));
    c.Brush.Style = bsClear;
    Line(sc, MarkerX, 0.75 * h, MarkerX, 0.8 * h);
    c.Pen.Color = LightColour;
    Line(sc, -7, 0.775 * h, -4, 0.775 * h);
}

// "d" beside the marker of one period, right-aligned against "d " and standing on its
// middle, clear of the axis through it; black, or white to take it away.
void WritePeriodLabel(const Drawing& sc, double y, TColor colour) {
    TCanvas& c = sc.canvas;
    c.Brush.Style = bsClear;
    c.Font.Color = colour;
    c.TextOut(sc.world.PictureX(MarkerX) - c.TextWidth("d "),
              sc.world.PictureY(y) - c.TextHeight("d"), "d");
    c.Font.Color = clBlack;
}

double PeriodLabelY(SlitKind kind, double X) {
    return kind == SlitKind::Grating ? -X / 2 : 0;
}

// The silver frame of the double slit's read-out: its scale line and its name.
void DrawPointerFrame(const Drawing& sc) {
    const World& w = sc.world;
    TCanvas& c = sc.canvas;
    c.Brush.Style = bsClear;
    c.Font.Color = clBlack;
    c.TextOut(w.PictureX(-9.5), w.PictureY(-2.1), "y(»mus«)");
    Pen(sc, clSilver, w.PenWidth);
    const int x = w.PictureX(PointerScaleX) - 2;
    c.MoveTo(x, w.PictureY(-PointerScaleHalf));
    c.LineTo(x, w.PictureY(PointerScaleHalf));
}

// --- The figures that follow the view ---

// The slits or the grating's bars and the marker of one period, thick.
void DrawSlits(const Drawing& sc, const SlitView& v) {
    const World& w = sc.world;
    const double X = v.X;
    const double h = sc.h;
    Pen(sc, clBlack, w.BoldPenWidth);
    switch (sc.kind) {
        case SlitKind::Grating: {
            const int n = static_cast<int>(std::floor(h / X));
            for (int i = 0; i <= n; ++i) {
                const double from = GratingOpening + i * X;
                const double to = std::min((i + 1) * X - GratingOpening, h);
                if (from >= to) continue;
                Line(sc, 0, from, 0, to);
                Line(sc, 0, -from, 0, -to);
            }
            Line(sc, MarkerX, 0, MarkerX, -X);
            break;
        }
        case SlitKind::DoubleSlit:
            Line(sc, 0, h, 0, X / 2 + DoubleSlitOpening);
            Line(sc, 0, X / 2 - DoubleSlitOpening, 0, -X / 2 + DoubleSlitOpening);
            Line(sc, 0, -X / 2 - DoubleSlitOpening, 0, -h);
            Line(sc, MarkerX, X / 2, MarkerX, -X / 2);
            break;
        case SlitKind::SingleSlit:
            Line(sc, 0, h, 0, X / 2);
            Line(sc, 0, -X / 2, 0, -h);
            Line(sc, MarkerX, X / 2, MarkerX, -X / 2);
            break;
    }
    sc.canvas.Pen.Width = w.PenWidth;
}

// The small fan at the laser: two rays of length 2 for every order the grating or the
// slits let through.
void DrawOrderRays(const Drawing& sc, const SlitView& v) {
    const World& w = sc.world;
    const double y0 = 0.775 * sc.h;
    Pen(sc, LightColour, w.PenWidth);
    const int orders = static_cast<int>(std::floor(v.X));
    for (int i = 1; i <= orders; ++i) {
        const double t = ArcSin(i / v.X);
        const double dx = 2 * std::cos(t), dy = 2 * std::sin(t);
        sc.canvas.Polyline({w.Picture(MarkerX + dx, y0 - dy), w.Picture(MarkerX, y0),
                            w.Picture(MarkerX + dx, y0 + dy)});
    }
}

// std::lround of a value well inside the range of int (half away from zero), without the
// library call: the clock ticks round two coordinates for every point of every wavelet.
int RoundToInt(double v) {
    const auto whole = static_cast<int>(v);  // towards zero
    const double rest = v - whole;           // exact
    return whole + static_cast<int>(rest >= 0.5) - static_cast<int>(rest <= -0.5);
}

// An arc of radius `radius` pixels about `centre` (world) from angle `from` to `to`
// (radians, increasing), cut where it would leave the picture at the top or the bottom.
// Drawn as one polyline through points two pen widths apart, which the many wavelets of
// every clock tick need to be quick.
void ClippedArc(const Drawing& sc, WorldPoint centre, int radius, double from, double to,
                std::vector<TPoint>& points) {
    if (radius <= 0) return;
    const double r = radius / sc.scale;  // world units
    if (centre.y + r > sc.h)
        to = std::min(to, std::asin(std::clamp((sc.h - centre.y) / r, -1.0, 1.0)));
    if (centre.y - r < -sc.h)
        from = std::max(from, -std::asin(std::clamp((sc.h + centre.y) / r, -1.0, 1.0)));
    if (!(from < to)) return;
    // Two pixels for the one-pixel pen. A wide pen (a picture drawn larger) takes chords
    // of two to four pen widths, as long as keeps them within a quarter pixel of the arc
    // (sagitta s^2 / 8r).
    const int pen = sc.world.PenWidth;
    const double pointSpacing =
        pen <= 1 ? 2.0 : std::clamp(std::sqrt(2.0 * radius), 2.0 * pen, 4.0 * pen);  // pixels
    const TPoint c = sc.world.Picture(centre.x, centre.y);
    const int steps = std::max(2, static_cast<int>(std::ceil((to - from) * radius / pointSpacing)));
    const double step = (to - from) / steps;
    const double turnCos = std::cos(step), turnSin = std::sin(step);
    double ux = std::cos(from),
           uy = std::sin(from);  // the unit vector to the point, turned step by step
    points.clear();
    for (int i = 0; i <= steps; ++i) {
        const TPoint p{c.x + RoundToInt(radius * ux), c.y - RoundToInt(radius * uy)};
        if (points.empty() || !(points.back() == p)) points.push_back(p);
        const double x = ux * turnCos - uy * turnSin;
        uy = ux * turnSin + uy * turnCos;
        ux = x;
    }
    if (points.size() >= 2) sc.canvas.Polyline(points);
}

// The radius of crest j, pixels: j wavelengths and the s pixels the waves have moved on.
int CrestRadius(const Drawing& sc, int j, int s) {
    return static_cast<int>(std::lround(j * sc.scale)) + s;
}

// The incident plane crests and the wavelets leaving the slits.
void DrawWaves(const Drawing& sc, const SlitView& v) {
    const World& w = sc.world;
    TCanvas& c = sc.canvas;
    const double X = v.X;
    const int s = v.Step;
    Pen(sc, LightColour, w.PenWidth);
    for (int i = 1; i <= 3; ++i) {
        const int x = w.PictureX(-i) + s;
        c.MoveTo(x, w.PictureY(sc.h));
        c.LineTo(x, w.PictureY(-sc.h));
    }
    c.Pen.Color = WaveColour;
    std::vector<TPoint> points;
    const auto halfCircles = [&](double y, int count) {
        for (int j = 0; j < count; ++j)
            ClippedArc(sc, {0, y}, CrestRadius(sc, j, s), -Pi / 2, Pi / 2, points);
    };
    switch (sc.kind) {
        case SlitKind::Grating: {
            const int n = static_cast<int>(std::floor(sc.h / X));
            for (int i = -n; i <= n; ++i)
                halfCircles(i * X, i >= 1 ? Wavelets : std::max(0, Wavelets - 2 * std::abs(i)));
            break;
        }
        case SlitKind::DoubleSlit:
            halfCircles(X / 2, Wavelets);
            halfCircles(-X / 2, Wavelets);
            break;
        case SlitKind::SingleSlit: {
            // Two centres X / 2m apart: where the crests of one meet the troughs of the
            // other, the two zones cancel.
            const double y2 = 0.1 * v.ZoneOffset * X;
            const double y1 = y2 - X / (2.0 * v.Order);
            const int P = PixelsPerWave(w);
            const double half = s + sc.scale / 2 < P ? 0.5 : -0.5;  // wavelengths
            for (const double y : {y1, y2}) {
                for (int j = 0; j < Wavelets; ++j) {
                    c.Pen.Color = WaveColour;
                    ClippedArc(sc, {0, y}, CrestRadius(sc, j, s), -CrestSpan, CrestSpan, points);
                    c.Pen.Color = TroughColour;
                    ClippedArc(sc, {0, y}, static_cast<int>(std::lround((j + half) * sc.scale)) + s,
                               -CrestSpan, CrestSpan, points);
                }
            }
            break;
        }
    }
}

// The grating's crests of order m (F3): for the straight-through light vertical lines,
// otherwise straight crests at right angles to the direction of the order.
void DrawFronts(const Drawing& sc, const SlitView& v) {
    if (sc.kind != SlitKind::Grating || !v.Fronts) return;
    const World& w = sc.world;
    TCanvas& c = sc.canvas;
    Pen(sc, LightColour, w.PenWidth);
    if (v.Order == 0) {
        for (int j = 0; j <= 4; ++j) {
            const int x = w.PictureX(j) + v.Step;
            c.MoveTo(x, w.PictureY(sc.h));
            c.LineTo(x, w.PictureY(-sc.h));
        }
        return;
    }
    if (!Exists(v)) return;
    const double m = v.Order;
    const double f = m + v.Step / sc.scale;
    const double t = std::tan(Angle(v));
    const double spacing = v.X / m;  // along the grating
    for (double y0 = (1 - std::floor(f)) * v.X - f * spacing; y0 < sc.h; y0 += spacing)
        Line(sc, 0, y0, (sc.h - y0) * t, sc.h);
}

// The right triangle whose hypotenuse is one period (the whole slit for the single slit)
// and whose short side is the path difference of m wavelengths, and the whole
// wavelengths marked on it.
void DrawConstruction(const Drawing& sc, const SlitView& v) {
    if (!Exists(v)) return;
    const World& w = sc.world;
    const double X = v.X;
    const double a = Angle(v);
    const double along = X * std::sin(a) * std::cos(a);
    const double across = X * std::sin(a) * std::sin(a);
    Pen(sc, LightColour, w.PenWidth);
    if (sc.kind == SlitKind::Grating) {
        // The order leaves downwards: the path difference starts at the upper slit.
        sc.canvas.Polyline(
            {w.Picture(MarkerX, -X), w.Picture(MarkerX + along, -across), w.Picture(MarkerX, 0)});
        sc.canvas.Pen.Color = clSilver;
        for (int i = 1; i <= v.Order; ++i) DrawAngleArc(w, {MarkerX, 0}, sc.canvas, i, -Pi / 2, -a);
        return;
    }
    // Upwards: the path difference starts at the lower slit (the lower edge of the slit).
    for (const double x : {MarkerX, 0.0}) {
        sc.canvas.Polyline(
            {w.Picture(x, -X / 2), w.Picture(x + along, -X / 2 + across), w.Picture(x, X / 2)});
        if (sc.kind != SlitKind::SingleSlit) break;
    }
    if (sc.kind == SlitKind::DoubleSlit) {
        sc.canvas.Pen.Color = clSilver;
        for (int i = 1; i <= v.Order; ++i)
            DrawAngleArc(w, {MarkerX, -X / 2}, sc.canvas, i, a, Pi / 2);
    }
}

// F2: the angle v at the slit and, with F3 or F4, at the origin; in the single slit also
// every second of the 2m zones of the slit.
void DrawMarks(const Drawing& sc, const SlitView& v) {
    if (!v.Marks || !Exists(v)) return;
    const World& w = sc.world;
    const double X = v.X;
    const double a = Angle(v);
    Pen(sc, MarkColour, w.PenWidth);
    if (sc.kind == SlitKind::Grating) {
        DrawAngleArc(w, {MarkerX, -X}, sc.canvas, 1, Pi / 2 - a, Pi / 2);
        if (v.Fronts) DrawAngleArc(w, {0, 0}, sc.canvas, 2, Pi / 2 - a, Pi / 2);
        if (v.Direction) DrawAngleArc(w, {0, 0}, sc.canvas, 2, -a, 0);
        return;
    }
    DrawAngleArc(w, {MarkerX, X / 2}, sc.canvas, 1, -Pi / 2, a - Pi / 2);
    if (v.Direction) DrawAngleArc(w, {0, 0}, sc.canvas, 2, 0, a);
    if (sc.kind == SlitKind::SingleSlit) {
        const double zone = X / (2.0 * v.Order);
        for (int i = 0; i < v.Order; ++i)
            Line(sc, -0.1, (2 * i + 1) * zone - X / 2, -0.1, (2 * i + 2) * zone - X / 2);
    }
}

// The maximum's hyperbola stops at the screen, clear of the measuring scale's labels.
constexpr double CurveEnd = SlitScreenDistance;

// F4: the grating's direction of order m, the double slit's curve of the m-th maximum,
// the single slit's direction of the m-th minimum. Drawn for the straight-through light
// and for orders that exist.
void DrawDirection(const Drawing& sc, const SlitView& v) {
    if (!v.Direction || !(v.Order == 0 || Exists(v))) return;
    const World& w = sc.world;
    TCanvas& c = sc.canvas;
    const double a = v.Order == 0 ? 0.0 : Angle(v);
    const double t = std::tan(a);
    Pen(sc, LightColour, w.PenWidth);
    switch (sc.kind) {
        case SlitKind::Grating:
            c.Polyline({w.Picture(0, 0), w.Picture(6, -6 * t)});
            DrawArrowHead(w, c, 6, -6 * t, 0.5, -a);
            break;
        case SlitKind::DoubleSlit: {
            if (v.Order == 0) {
                Line(sc, 0, 0, 8, 0);
                break;
            }
            const double L = v.Order / 4.0;
            const double H = L / t;
            std::vector<TPoint> points;
            WorldPoint last{0, 2 * L};
            points.push_back(w.Picture(last.x, last.y));
            for (const double r : {1.2, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 9.0, 10.0, 11.0, 12.0}) {
                const WorldPoint p{H * (r - 1 / r), L * (r + 1 / r)};
                if (p.x > CurveEnd) {
                    const double u = (CurveEnd - last.x) / (p.x - last.x);
                    points.push_back(w.Picture(CurveEnd, last.y + u * (p.y - last.y)));
                    break;
                }
                points.push_back(w.Picture(p.x, p.y));
                last = p;
            }
            c.Polyline(points);
            c.Pen.Style = psDot;
            Line(sc, 0, 0, 9, 9 * t);
            c.Pen.Style = psSolid;
            break;
        }
        case SlitKind::SingleSlit:
            c.Pen.Style = psDot;
            Line(sc, 0, 0, 9, 9 * t);
            c.Pen.Style = psSolid;
            break;
    }
}

// F5: the intensity on a screen 8.2 wavelengths behind the slits.
void DrawSpectrum(const Drawing& sc, const SlitView& v) {
    if (!v.Spectrum || sc.kind == SlitKind::Grating) return;
    const World& w = sc.world;
    Pen(sc, LightColour, w.PenWidth);
    const bool single = sc.kind == SlitKind::SingleSlit;
    // One point for every pixel row of the screen.
    const std::vector<WorldPoint> curve =
        IntensityCurve(single ? SlitScreen::SingleSlit : SlitScreen::DoubleSlit, v.X,
                       single ? -sc.h - 1 : -sc.h, sc.h, 1 / w.MapScaleY);
    if (curve.empty()) return;
    // The curve and the screen line as one figure: where the faint side maxima lie on
    // the screen line, the pixels they share are drawn once and stay red. From the top of
    // the curve the path turns back above the picture, down the screen line.
    std::vector<TPoint> points;
    points.reserve(curve.size() + 3);
    for (const WorldPoint& p : curve) points.push_back(w.Picture(p.x, p.y));
    const double above = sc.h + 1;
    points.push_back(w.Picture(curve.back().x, above));
    points.push_back(w.Picture(SlitScreenDistance, above));
    points.push_back(w.Picture(SlitScreenDistance, -sc.h));
    sc.canvas.Polyline(points);
}

void DrawScale(const Drawing& sc, bool shown) {
    ScaleUnderlay* underlay =
        sc.scene.OnScreen(sc.canvas) ? &SlitsOf(sc.scene).UnderScale : nullptr;
    Pen(sc, clBlack, sc.world.PenWidth);
    DrawMeasuringScale(sc.world, sc.canvas, shown, "", ScaleFactor, ScaleAt, sc.h, underlay);
}

// The double slit's read-out: a blue bar from 0 to the displacement.
void DrawPointerBar(const Drawing& sc, const SlitView& v) {
    if (sc.kind != SlitKind::DoubleSlit) return;
    const World& w = sc.world;
    const int x = w.PictureX(PointerScaleX);
    const int y0 = w.PictureY(0);
    const int y1 = w.PictureY(v.PointerValue);
    if (y0 == y1) return;
    Pen(sc, MarkColour, w.BoldPenWidth);
    sc.canvas.MoveTo(x, y0);
    sc.canvas.LineTo(x, y1);
    sc.canvas.Pen.Width = w.PenWidth;
}

// --- The view, the panels and the table ---

SlitView CurrentView(Scene& scene) {
    const SlitsState& st = SlitsOf(scene);
    const SharedState& s = scene.State;
    SlitView v;
    v.X = st.X;
    v.Order = st.Order;
    v.ZoneOffset = st.ZoneOffset;
    v.Step = s.AnimationStep;
    v.Marks = s.ShowMarks;
    v.Fronts = s.ShowNormals;
    v.Direction = s.ShowAxes;
    v.Spectrum = s.ShowRedRay;
    v.Scale = s.ShowRays;
    v.PointerValue = st.PointerValue;
    return v;
}

void WriteReadings(Scene& scene, SlitKind kind, const SlitView& v) {
    const SlitsState& st = SlitsOf(scene);
    const std::string order = FormatInteger(v.Order, 1);
    const double d = v.X * LaserWaveLength;  // nm
    const std::string angle = Exists(v) ? FormatReal(1, 2, Angle(v) * DegPerRad) : "";
    scene.Out.Panel1 = "Orden: " + order;
    scene.Out.Panel2 = "d=" + FormatReal(kind == SlitKind::Grating ? 2 : 8, 1, d) + "nm";
    scene.Out.Panel3 = angle.empty() ? "" : "v=" + angle + "°";
    Report& t = scene.Out;
    t.SetCell(1, 1, order);
    if (kind == SlitKind::Grating) {
        t.SetCell(1, 2, FormatInteger(st.LinesPerMm, 1));
        t.SetCell(1, 3, FormatReal(1, 1, d));
        t.SetCell(1, 4, angle);
    } else {
        t.SetCell(1, 2, FormatReal(1, 1, d));
        t.SetCell(1, 3, angle);
    }
}

// Every figure that follows the view, drawn for view v.
void DrawViewFigures(const Drawing& sc, const SlitView& v) {
    DrawSlits(sc, v);
    DrawOrderRays(sc, v);
    DrawWaves(sc, v);
    DrawFronts(sc, v);
    DrawConstruction(sc, v);
    DrawSpectrum(sc, v);
    DrawMarks(sc, v);
    DrawDirection(sc, v);
    DrawPointerBar(sc, v);
}

// The double slit's displacement under the pointer last seen over the picture.
double PointerValueOf(Scene& scene, const SlitView& v) {
    const SlitsState& st = SlitsOf(scene);
    if (!st.Pointer) return 0;
    return DoubleSlitDisplacement(*st.Pointer, v.X, v.Step / scene.Map.MapScaleX);
}

void FullRedraw(Scene& scene, SlitKind kind, bool clearFirst, TCanvas& canvas) {
    World& w = scene.Map;
    canvas.Pen.Mode = pmCopy;
    canvas.Pen.Style = psSolid;
    SetupMarginlessWorld(w, 0, clearFirst, canvas, -10, 10);
    const double h = w.WorldYMax;  // the half height it was set up with
    // The dotted axis ends at the measuring scale's line, clear of the scale's zero.
    canvas.Pen.Color = clSilver;
    canvas.Pen.Style = psDot;
    canvas.MoveTo(w.PictureX(-10), w.PictureY(0));
    canvas.LineTo(w.PictureX(ScaleAt - MeasuringScaleReach), w.PictureY(0));
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmNotXor;
    SlitsState& st = SlitsOf(scene);
    const int P = PixelsPerWave(w);
    if (scene.OnScreen(canvas) && scene.State.AnimationStep >= P) scene.State.AnimationStep %= P;
    const Drawing sc = DrawingOf(scene, canvas, kind);
    SlitView v = CurrentView(scene);
    if (kind == SlitKind::DoubleSlit) v.PointerValue = st.PointerValue = PointerValueOf(scene, v);

    // The texts first: the figures drawn over them in not-xor leave them whole when they
    // are taken away again.
    DrawLaser(sc, kind == SlitKind::Grating ? "G" : "S");
    WritePeriodLabel(sc, PeriodLabelY(kind, v.X), clBlack);
    if (kind == SlitKind::DoubleSlit) DrawPointerFrame(sc);
    Pen(sc, clSilver, w.PenWidth);
    Line(sc, 0, -h, 0, h);
    DrawViewFigures(sc, v);
    if (v.Scale && kind != SlitKind::Grating) DrawScale(sc, true);
    canvas.Pen.Color = clBlack;
    if (scene.OnScreen(canvas)) st.Drawn = v;
    WriteReadings(scene, kind, v);
}

// The columns the moving figures of view v cover: a strip about each incident crest,
// and right of the slits the wavelets (at most the last crest's radius at the largest
// offset) and the grating's fronts.
std::array<TRect, 4> MovingAreas(const Drawing& sc, const SlitView& v) {
    const World& w = sc.world;
    const int margin = w.PenWidth + 2;  // pixels a pen reaches beyond a figure's line
    const int height = sc.canvas.Height();
    std::array<TRect, 4> areas{};
    for (int i = 1; i <= 3; ++i) {
        const int x = w.PictureX(-i) + v.Step;
        areas[static_cast<std::size_t>(i - 1)] = {x - margin, 0, x + margin + 1, height};
    }
    const int right =
        v.Fronts ? sc.canvas.Width()
                 : w.PictureX(0) + CrestRadius(sc, Wavelets - 1, PixelsPerWave(w)) + margin + 1;
    areas[3] = {w.PictureX(0) - margin, 0, right, height};
    return areas;
}

// A clock tick of the grating or the single slit on the screen picture: the picture
// without its moving figures is kept as the still picture (made at the first tick after
// any other change), so every tick puts back what the last waves covered and draws the
// new ones once, where taking the old ones away in not-xor would draw them all twice.
// What the last waves covered: the tiles they changed, where the canvas could tell
// (wide pens, as in a picture drawn larger), else the columns they can reach.
void MoveWaves(const Drawing& sc, SlitsState& st, const SlitView& now) {
    Scene& scene = sc.scene;
    TCanvas& picture = sc.canvas;
    if (!scene.StillPicture()) {
        scene.StillPicture() = scene.CopyPicture(picture);
        TCanvas& still = *scene.StillPicture();
        still.Pen = picture.Pen;
        still.Brush = picture.Brush;
        const Drawing onStill{scene, sc.world, still, sc.kind, sc.h, sc.scale};
        DrawWaves(onStill, st.Drawn);
        DrawFronts(onStill, st.Drawn);
        st.WaveTiles = {};
    }
    if (st.WaveTiles.Exact) {
        picture.CopyTiles(st.WaveTiles, *scene.StillPicture());
    } else {
        for (const TRect& area : MovingAreas(sc, st.Drawn))
            picture.CopyRect(area, *scene.StillPicture());
    }
    picture.LogTiles(&st.WaveTiles);
    DrawWaves(sc, now);
    DrawFronts(sc, now);
    picture.LogTiles(nullptr);
}

// Takes the figures of `was` away and draws those of `now`, only where they differ.
void Update(const Drawing& sc, const SlitView& was, const SlitView& now) {
    const bool newX = was.X != now.X;
    const bool newOrder = was.Order != now.Order;
    const bool newStep = was.Step != now.Step;
    using Draw = void (*)(const Drawing&, const SlitView&);
    const std::pair<bool, Draw> figures[] = {
        {newX, DrawSlits},
        {newX, DrawOrderRays},
        {newX || newStep || newOrder || was.ZoneOffset != now.ZoneOffset, DrawWaves},
        {was.Fronts != now.Fronts || newX || newOrder || newStep, DrawFronts},
        {newX || newOrder, DrawConstruction},
        {was.Spectrum != now.Spectrum || newX, DrawSpectrum},
        {was.Marks != now.Marks || was.Fronts != now.Fronts || was.Direction != now.Direction ||
             newX || newOrder,
         DrawMarks},
        {was.Direction != now.Direction || newX || newOrder, DrawDirection},
        {was.PointerValue != now.PointerValue, DrawPointerBar},
    };
    for (const auto& [changed, draw] : figures)
        if (changed) draw(sc, was);
    // The grating's period label lies under the figures, as in a full redraw: it is
    // written anew while the figures that may cross it are away (the white of the old
    // label would otherwise cut into them).
    if (newX && sc.kind == SlitKind::Grating) {
        WritePeriodLabel(sc, PeriodLabelY(sc.kind, was.X), clWhite);
        WritePeriodLabel(sc, PeriodLabelY(sc.kind, now.X), clBlack);
    }
    for (const auto& [changed, draw] : figures)
        if (changed) draw(sc, now);
    if (was.Scale != now.Scale && sc.kind != SlitKind::Grating) DrawScale(sc, now.Scale);
}

// The state after a control, a switch or the clock moved; false where the event changes
// nothing in this picture.
bool FollowSlitEvent(Scene& scene, SlitKind kind, Event event) {
    SlitsState& st = SlitsOf(scene);
    SharedState& s = scene.State;
    const MainWindowModel& win = scene.Controls;
    const bool grating = kind == SlitKind::Grating;
    switch (event) {
        case Event::ScrollBar1:
            if (grating) {
                st.LinesPerMm = 10 * win.ScrollBar1.Position + 300;
                st.X = GratingSpacing(st.LinesPerMm);
            } else {
                st.X = kind == SlitKind::DoubleSlit ? DoubleSlitSpacing(win.ScrollBar1.Position)
                                                    : SingleSlitWidth(win.ScrollBar1.Position);
            }
            break;
        case Event::TrackBar1:
            if (kind != SlitKind::SingleSlit) return false;
            st.ZoneOffset = win.TrackBar1.Position - 1;
            break;
        case Event::TrackBar2:
            st.Order = win.TrackBar2.Position;
            break;
        case Event::Tick:
        case Event::Step:
            s.AnimationStep =
                s.AnimationStep + 1 >= PixelsPerWave(scene.Map) ? 0 : s.AnimationStep + 1;
            break;
        case Event::F3:
            if (!grating) return false;
            FlipViewToggle(s, event);
            break;
        case Event::F5:
        case Event::F6:
            if (grating) return false;
            [[fallthrough]];
        case Event::F2:
        case Event::F4:
            FlipViewToggle(s, event);
            break;
        default:
            return false;
    }
    return true;
}

void DrawSlitSimulation(Scene& scene, SlitKind kind, Event event, bool clearFirst,
                        TCanvas& canvas) {
    const bool onScreen = scene.OnScreen(canvas);
    const bool tick = event == Event::Tick || event == Event::Step;
    // The ticks of the grating and the single slit move nothing but the waves: they keep
    // the still picture, which anything else changes. The double slit's ticks move its
    // pointer bar too.
    const bool wavesAlone = tick && onScreen && kind != SlitKind::DoubleSlit;
    if (!wavesAlone) scene.StillPicture().reset();
    if (event == Event::Redraw) {
        FullRedraw(scene, kind, clearFirst, canvas);
        return;
    }
    if (!FollowSlitEvent(scene, kind, event)) return;
    SlitsState& st = SlitsOf(scene);
    canvas.Pen.Mode = pmNotXor;
    canvas.Pen.Style = psSolid;
    canvas.Brush.Style = bsClear;
    const Drawing sc = DrawingOf(scene, canvas, kind);
    SlitView now = CurrentView(scene);
    if (kind == SlitKind::DoubleSlit)
        now.PointerValue = st.PointerValue = PointerValueOf(scene, now);
    if (wavesAlone)
        MoveWaves(sc, st, now);
    else
        Update(sc, st.Drawn, now);
    canvas.Pen.Color = clBlack;
    st.Drawn = now;
    WriteReadings(scene, kind, now);
}

void SetSlitStartValues(Scene& scene, double X) {
    SlitsState& st = SlitsOf(scene);
    scene.State.AnimationStep = 0;
    st.X = X;
    st.Order = 1;
    st.ZoneOffset = 0;
    st.Pointer.reset();
    st.PointerValue = 0;
}

}  // namespace

double DoubleSlitDisplacement(WorldPoint p, double X, double tau) {
    if (!(p.x > 0)) return 0;
    const double r1 = std::hypot(p.x, p.y - X / 2);
    const double r2 = std::hypot(p.x, p.y + X / 2);
    return std::cos(2 * Pi * (r1 - tau)) + std::cos(2 * Pi * (r2 - tau));
}

void DrawOpticalGrating(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    DrawSlitSimulation(scene, SlitKind::Grating, event, clearFirst, canvas);
}

void DrawDoubleSlit(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    DrawSlitSimulation(scene, SlitKind::DoubleSlit, event, clearFirst, canvas);
}

void DrawSingleSlit(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    DrawSlitSimulation(scene, SlitKind::SingleSlit, event, clearFirst, canvas);
}

void DoubleSlitMouse(Scene& scene, TCanvas& canvas) {
    SlitsState& st = SlitsOf(scene);
    MouseToWorld(scene.Map, scene.Pointer());
    st.Pointer = scene.Map.MouseWorld;
    SlitView now = st.Drawn;
    now.PointerValue = st.PointerValue = PointerValueOf(scene, now);
    if (now.PointerValue == st.Drawn.PointerValue) return;
    canvas.Pen.Mode = pmNotXor;
    const Drawing sc = DrawingOf(scene, canvas, SlitKind::DoubleSlit);
    DrawPointerBar(sc, st.Drawn);
    DrawPointerBar(sc, now);
    canvas.Pen.Color = clBlack;
    st.Drawn = now;
}

void SetGratingStartValues(Scene& scene) {
    SetSlitStartValues(scene, 2.6337968815844923);
    SlitsOf(scene).LinesPerMm = 600;
}

void SetDoubleSlitStartValues(Scene& scene) {
    SetSlitStartValues(scene, 2.53);
}

void SetSingleSlitStartValues(Scene& scene) {
    SetSlitStartValues(scene, 3.3871428571428571);
}

}  // namespace viv
