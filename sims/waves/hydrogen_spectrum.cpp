// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/hydrogen_spectrum.h"

#include <cmath>
#include <string>
#include <vector>

#include "app/events.h"
#include "app/view_toggles.h"
#include "library/format.h"
#include "library/world.h"
#include "sims/waves/moving_picture.h"
#include "sims/waves/slit_physics.h"

namespace viv {

namespace {

constexpr std::array<std::string_view, 5> SeriesNames{"Lyman", "Balmer", "Paschen", "Brackett",
                                                      "Pfund"};
constexpr int Lines = 4;   // lines drawn of every series
constexpr int Levels = 9;  // levels drawn in the diagram
constexpr double EnergyAxisX = -8.5;
constexpr double GratingHalf = 0.25;    // the grating's half-length, world units
constexpr double LevelsEnd = -4;        // world x where the level lines end
constexpr double GroundEnergy = -13.6;  // eV
constexpr double ScreenLineEnd = 8.2;   // the coloured lines on the screen, world x
constexpr double ScaleAt = 9;
constexpr double ScaleFactor = 10;  // labels in centimetres

// The Balmer lines in the colours they are seen in: H-alpha red, H-beta cyan, H-gamma
// blue, H-delta violet (navy on the screen).
constexpr std::array<TColor, Lines> BalmerColours{clRed, clAqua, clBlue, clNavy};
constexpr int Balmer = 2;

struct Drawing {
    Scene& scene;
    const World& world;
    TCanvas& canvas;
    double h;
};

void Line(const Drawing& sc, double x1, double y1, double x2, double y2) {
    sc.canvas.MoveTo(sc.world.PictureX(x1), sc.world.PictureY(y1));
    sc.canvas.LineTo(sc.world.PictureX(x2), sc.world.PictureY(y2));
}

// The height of level n in the diagram: the ground state at -0.9 h, the ionisation limit
// at 0.9 h, world units.
double LevelY(double h, int n) {
    return 0.9 * h - 1.8 * h / (n * n);
}

// The binding energy of level n in units of hc R_H: 1 / n^2 and the level's mean fine
// structure.
double LevelTerm(int n) {
    const double n2 = static_cast<double>(n) * n;
    return 1 / n2 + FineStructureConstant * FineStructureConstant * (1.25 - 1.0 / n) / (n2 * n2);
}

double GratingSpacingNm(double X) {
    return X * LaserWaveLength;
}

TColor LineColour(int k, int i) {
    return k == Balmer ? BalmerColours[static_cast<std::size_t>(i - 1)] : clBlack;
}

// The pair of rays of one line in order m, up and down from the grating to the screen,
// or to the picture's edge where the ray leaves it first.
void DrawRayPair(const Drawing& sc, int m, double lambda, double d) {
    double y = 0;
    if (!ScreenHeight(m, lambda, d, y)) return;
    const World& w = sc.world;
    double x = GratingToScreen;
    if (std::abs(y) >= sc.h) {
        x = GratingToScreen * sc.h / std::abs(y);
        y = std::copysign(sc.h, y);
    }
    sc.canvas.Polyline({w.Picture(x, -y), w.Picture(0, 0), w.Picture(x, y)});
}

// --- The fixed figures ---

void WriteTexts(const Drawing& sc) {
    const World& w = sc.world;
    TCanvas& c = sc.canvas;
    const double h = sc.h;
    c.Brush.Style = bsClear;
    c.Font.Color = clBlack;
    const int th = c.TextHeight("G");
    c.TextOut(w.PictureX(-2) - c.TextWidth("Hydrogenlampe") / 2, w.PictureY(-0.05 * h),
              "Hydrogenlampe");
    // Above the lamp's beam, left of the grating: the orders (F4) fan out on its right.
    c.TextOut(w.PictureX(0) - c.TextWidth("G ") - 1, w.PictureY(0) - th - 1, "G");
    c.Font.Color = clGray;  // darker than the diagram's lines, to be read from afar
    const int axis = w.PictureX(EnergyAxisX);
    // Left of the axis's arrow head, which reaches th / 2 either side.
    c.TextOut(axis - th / 2 - c.TextWidth("E/eV "), w.PictureY(0.9 * h) - th, "E/eV");
    for (int n = 1; n <= 4; ++n) {
        const std::string label = FormatReal(2, 1, GroundEnergy / (n * n));
        c.TextOut(axis - c.TextWidth(label + " "), w.PictureY(LevelY(h, n)) - th / 2, label);
    }
    c.Font.Color = clBlack;
}

void DrawFixedFigures(const Drawing& sc) {
    const World& w = sc.world;
    TCanvas& c = sc.canvas;
    const double h = sc.h;
    // The screen.
    c.Pen.Color = clSilver;
    c.Pen.Width = w.BoldPenWidth;
    Line(sc, GratingToScreen, -h, GratingToScreen, h);
    c.Pen.Width = w.PenWidth;
    // The lamp.
    c.Pen.Color = clBlack;
    c.Brush.Color = clGreen;
    c.Brush.Style = bsDiagCross;
    c.Rectangle(w.PictureX(-3), w.PictureY(0.03 * h), w.PictureX(-1), w.PictureY(-0.03 * h));
    c.Brush.Style = bsClear;
    Line(sc, 0, -GratingHalf, 0, GratingHalf);
    // The energy diagram.
    c.Pen.Color = clSilver;
    const int axis = w.PictureX(EnergyAxisX);
    const int top = w.PictureY(h);
    const int th = c.TextHeight("E");
    c.MoveTo(axis, w.PictureY(-h));
    c.LineTo(axis, top);
    c.Polyline({{axis - th / 2, top + th}, {axis, top}, {axis + th / 2, top + th}});
    Line(sc, -10, 0.9 * h, LevelsEnd, 0.9 * h);
    for (int n = 1; n <= Levels; ++n) Line(sc, EnergyAxisX, LevelY(h, n), LevelsEnd, LevelY(h, n));
}

// --- The figures that follow the view ---

// The four transitions of the series as arrows down to the lower level.
void DrawArrows(const Drawing& sc, const HydrogenView& v) {
    const World& w = sc.world;
    TCanvas& c = sc.canvas;
    c.Pen.Color = clBlack;
    const int q = static_cast<int>(std::lround(0.25 * w.MapScaleX));  // pixels
    for (int i = 1; i <= Lines; ++i) {
        const int x = w.PictureX(i - 9);
        const int tip = w.PictureY(LevelY(sc.h, v.Series));
        c.MoveTo(x, w.PictureY(LevelY(sc.h, v.Series + i)));
        c.LineTo(x, tip);
        c.Polyline({{x - q, tip - q}, {x, tip}, {x + q, tip - q}});
    }
}

// The rays of the chosen order; the straight-through light is one line.
void DrawOrderRays(const Drawing& sc, const HydrogenView& v) {
    TCanvas& c = sc.canvas;
    if (v.Order == 0) {
        c.Pen.Color = clBlack;
        Line(sc, 0, 0, GratingToScreen, 0);
        return;
    }
    const double d = GratingSpacingNm(v.X);
    for (int i = 1; i <= Lines; ++i) {
        c.Pen.Color = LineColour(v.Series, i);
        DrawRayPair(sc, v.Order, SeriesWaveLength(v.Series, i), d);
    }
}

// F4: the lamp's beam and, dotted, every order of every line.
void DrawAllOrders(const Drawing& sc, const HydrogenView& v) {
    if (!v.AllOrders) return;
    TCanvas& c = sc.canvas;
    c.Pen.Color = v.Series == Balmer ? clRed : clSilver;
    Line(sc, -1, 0, 0, 0);
    c.Pen.Color = clSilver;
    c.Pen.Style = psDot;
    Line(sc, 0, 0, GratingToScreen, 0);
    const double d = GratingSpacingNm(v.X);
    for (int i = 1; i <= Lines; ++i) {
        const double lambda = SeriesWaveLength(v.Series, i);
        for (int j = 1; j * lambda < d; ++j) DrawRayPair(sc, j, lambda, d);
    }
    c.Pen.Style = psSolid;
}

// The Balmer lines where they meet the screen, in every order that reaches it.
void DrawScreenLines(const Drawing& sc, const HydrogenView& v) {
    if (v.Series != Balmer) return;
    const World& w = sc.world;
    TCanvas& c = sc.canvas;
    c.Pen.Width = w.BoldPenWidth;
    const double d = GratingSpacingNm(v.X);
    for (int i = 1; i <= Lines; ++i) {
        c.Pen.Color = LineColour(v.Series, i);
        const double lambda = SeriesWaveLength(v.Series, i);
        double y = 0;
        for (int j = 1; ScreenHeight(j, lambda, d, y); ++j) {
            if (!(std::abs(y) < sc.h)) continue;
            Line(sc, GratingToScreen, y, ScreenLineEnd, y);
            Line(sc, GratingToScreen, -y, ScreenLineEnd, -y);
        }
    }
    c.Pen.Width = w.PenWidth;
}

void DrawScale(const Drawing& sc, bool shown) {
    ScaleUnderlay* underlay =
        sc.scene.OnScreen(sc.canvas) ? &HydrogenOf(sc.scene).UnderScale : nullptr;
    sc.canvas.Pen.Color = clBlack;
    DrawMeasuringScale(sc.world, sc.canvas, shown, "", ScaleFactor, ScaleAt, sc.h, underlay);
}

HydrogenView CurrentView(Scene& scene) {
    const HydrogenState& st = HydrogenOf(scene);
    HydrogenView v;
    v.Series = st.Series;
    v.X = st.X;
    v.Order = st.Order;
    v.AllOrders = scene.State.ShowAxes;
    v.Scale = scene.State.ShowRays;
    return v;
}

void WriteReadings(Scene& scene, const HydrogenView& v) {
    const std::string name(SeriesName(v.Series));
    const std::string d = FormatReal(2, 1, GratingSpacingNm(v.X));
    scene.Out.Panel1 = "Orden: " + FormatInteger(v.Order, 1);
    scene.Out.Panel2 = "d=" + d + "nm";
    scene.Out.Panel3 = name;
    Report& t = scene.Out;
    t.SetCell(1, 2, FormatInteger(v.Order, 1));
    t.SetCell(1, 3, FormatReal(1, 1, GratingSpacingNm(v.X)));
    t.SetCell(1, 4, name);
    for (int i = 1; i <= Lines; ++i)
        t.SetCell(2, i, FormatReal(1, 2, SeriesWaveLength(v.Series, i)));
}

void FullRedraw(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& w = scene.Map;
    canvas.Pen.Mode = pmCopy;
    canvas.Pen.Style = psSolid;
    SetupMarginlessWorld(w, 0, clearFirst, canvas, -10, 10);
    const double h = w.WorldYMax;  // the half height it was set up with
    const Drawing sc{scene, w, canvas, h};
    const HydrogenView v = CurrentView(scene);
    // The texts first: the figures drawn over them in not-xor leave them whole when they
    // are taken away again.
    WriteTexts(sc);
    DrawFixedFigures(sc);
    DrawAllOrders(sc, v);
    DrawOrderRays(sc, v);
    DrawScreenLines(sc, v);
    DrawArrows(sc, v);
    if (v.Scale) DrawScale(sc, true);
    canvas.Pen.Color = clBlack;
    if (scene.OnScreen(canvas)) HydrogenOf(scene).Drawn = v;
    WriteReadings(scene, v);
}

}  // namespace

std::string_view SeriesName(int k) {
    return k >= 1 && k <= 5 ? SeriesNames[static_cast<std::size_t>(k - 1)] : std::string_view{};
}

double AirIndex(double vacuum) {
    const double sigma = 1000 / vacuum;  // vacuum wavenumber, 1/µm
    const double s2 = sigma * sigma;
    return 1 + 1e-8 * (8060.51 + 2480990 / (132.274 - s2) + 17455.7 / (39.32957 - s2));
}

double SeriesWaveLength(int k, int i) {
    const double vacuum = 1e9 / (RydbergHydrogen * (LevelTerm(k) - LevelTerm(k + i)));  // nm
    return vacuum > AirWaveLengthsFrom ? vacuum / AirIndex(vacuum) : vacuum;
}

bool ScreenHeight(int m, double lambda, double d, double& y) {
    const double sine = m * lambda / d;
    if (!(m >= 1 && sine < 1)) return false;
    y = GratingToScreen * sine / std::sqrt(1 - sine * sine);  // 8 tan θ
    return true;
}

void DrawHydrogenSpectrum(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    if (event == Event::Redraw) {
        FullRedraw(scene, clearFirst, canvas);
        return;
    }
    HydrogenState& st = HydrogenOf(scene);
    const MainWindowModel& win = scene.Controls;
    switch (event) {
        case Event::ScrollBar1:
            st.LinesPerMm = 10 * win.ScrollBar1.Position + 300;
            st.X = GratingSpacing(st.LinesPerMm);
            break;
        case Event::TrackBar1:
            st.Series = win.TrackBar1.Position;
            break;
        case Event::TrackBar2:
            st.Order = win.TrackBar2.Position;
            break;
        case Event::F4:
        case Event::F6:
            FlipViewToggle(scene.State, event);
            break;
        default:
            return;
    }
    canvas.Pen.Mode = pmNotXor;
    canvas.Pen.Style = psSolid;
    canvas.Brush.Style = bsClear;
    const Drawing sc{scene, scene.Map, canvas, scene.Map.AspectHeight};
    const HydrogenView was = st.Drawn;
    const HydrogenView now = CurrentView(scene);
    const bool newGrating = was.X != now.X, newSeries = was.Series != now.Series;
    if (newGrating || newSeries || was.AllOrders != now.AllOrders) {
        DrawAllOrders(sc, was);
        DrawAllOrders(sc, now);
    }
    if (newGrating || newSeries || was.Order != now.Order) {
        DrawOrderRays(sc, was);
        DrawOrderRays(sc, now);
    }
    if (newGrating || newSeries) {
        DrawScreenLines(sc, was);
        DrawScreenLines(sc, now);
    }
    if (newSeries) {
        DrawArrows(sc, was);
        DrawArrows(sc, now);
    }
    if (was.Scale != now.Scale) DrawScale(sc, now.Scale);
    canvas.Pen.Color = clBlack;
    st.Drawn = now;
    WriteReadings(scene, now);
}

void HydrogenMouse(Scene& scene, TCanvas& /*canvas*/) {
    MouseToWorld(scene.Map, scene.Pointer());
    const WorldPoint p = scene.Map.MouseWorld;
    const HydrogenState& st = HydrogenOf(scene);
    std::string& panel = scene.Out.MessagePanel;
    if (p.x >= 0) {
        panel = "(" + FormatReal(1, 1, 10 * p.x) + "; " + FormatReal(1, 1, 10 * p.y) + ")";
        return;
    }
    const double h = scene.Map.AspectHeight;
    panel.clear();
    if (!(LevelY(h, st.Series) < p.y && p.y < LevelY(h, st.Series + Lines))) return;
    const long i = std::lround(p.x) + 9;
    if (i >= 1 && i <= Lines)
        panel = FormatReal(1, 1, SeriesWaveLength(st.Series, static_cast<int>(i))) + " nm";
}

void SetHydrogenStartValues(Scene& scene) {
    HydrogenState& st = HydrogenOf(scene);
    st.Series = 2;
    st.LinesPerMm = 600;
    st.X = 2.6337968815844923;
    st.Order = 1;
}

}  // namespace viv
