// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/mechanics/spring.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/drag.h"
#include "app/events.h"
#include "app/view_toggles.h"
#include "library/drawing.h"
#include "library/format.h"
#include "library/measuring_scale.h"
#include "library/trig.h"
#include "library/world.h"
#include "library/world_drawing.h"
#include "sims/mechanics/spring_state.h"

namespace viv {

namespace {

// The picture: one world unit is 0.1 m; the spring hangs from the ceiling at y = 5.5 and,
// unstretched, reaches down to y = 0, so an elongation x puts its lower end at y = -10 x.
constexpr double WorldLeft = -6, WorldRight = 14;
constexpr double CeilingY = 5.5, CeilingTop = 6, CeilingHalfWidth = 2;
constexpr double RestY = 3;           // SpringPosition of the unstretched spring
constexpr double UnitsPerMetre = 10;  // world units
constexpr int Coils = 5;
constexpr double CoilHalfWidth = 1;  // world units
constexpr double HookLength = 1;
constexpr double WeightHalfWidth = 0.5, WeightHeight = 0.5;

// The phase circle, centred at (-4, 0).
constexpr double PhaseX = -4, PhaseRadius = 2;
constexpr double PhaseAxisLeft = -6, PhaseAxisRight = -2;
constexpr double ArrowHeadLength = 0.25;

// The measuring scale: centimetres from the unstretched end of the spring, right of the
// ceiling, its labels clear of the energy diagram's.
constexpr double ScaleAt = 3.1;     // the labels; the line stands ScaleWidth (0.8) left of them
constexpr double ScaleFactor = 10;  // centimetres per world unit
constexpr std::string_view ScaleUnit = " cm";

// The energy diagram in the upper right: elongation in metres across, energy in joules
// upwards.
constexpr double InsetXMin = -0.2, InsetXMax = 0.5, InsetYMin = -0.02, InsetYMax = 0.11;
constexpr double InsetXStep = 0.01;        // m between the parabola's points
constexpr double ParabolaCut = InsetYMax;  // J: the parabola ends at the diagram's top
constexpr double MarkerBottom = -0.02, MarkerTop = 0.1;  // J
// The rest level's arrow points at the weight from the right, "Epot=0" above its line and
// right of its head: in the room between the weight and the scale, clear of the phase
// diagram's axis on the left.
constexpr double RestArrowX = 0.6, RestLabelX = 1.4, RestArrowLength = 0.3;

// The phase pointer and the energy marker show the moment; in red they stay visible where
// they run along a black axis (not-xor turns the crossing cyan instead of white).
constexpr TColor MomentColour = clRed;

// The phase pointer at the lowest point of the swing, a quarter period in.
constexpr double LowestPhase = 1.5 * Pi;

enum class PointerMode { Stored, New };
enum class DiagramMode { Draw, Erase };

bool Running(const Scene& scene) {
    return scene.Clock.Enabled;
}

// "-0.000" for a value that rounds to nothing reads as a fault; it is shown as 0.
std::string Fixed(int width, int decimals, double value) {
    std::string text = FormatReal(width, decimals, value);
    const std::size_t minus = text.find('-');
    if (minus != std::string::npos && text.find_first_not_of("-0.", minus) == std::string::npos)
        text[minus] = ' ';
    if (width <= 1 && !text.empty() && text.front() == ' ') text.erase(0, 1);
    return text;
}

SpringMotion MotionOf(const SpringState& s) {
    return SpringMotionFor(s.WeightCount, s.SpringConstant, s.SpringAmplitude);
}

double Elongation(const SpringState& s) {
    return s.SpringPosition - RestY;
}

void WritePanelsAndTable(Scene& scene) {
    const SpringState& s = SpringOf(scene);
    const double x = Elongation(s);
    const double m = s.WeightCount * WeightMass;
    scene.Out.Panel1 = "dx=" + Fixed(7, 3, x) + "m";
    scene.Out.Panel2 = "m=" + FormatReal(1, 2, m) + " kg";
    scene.Out.Panel3 = "k=" + FormatReal(1, 1, s.SpringConstant) + " N/m";
    scene.Out.SetCell(1, 1, Fixed(1, 3, x));
    // Two decimals: the weights come in steps of 0.05 kg.
    scene.Out.SetCell(1, 2, FormatReal(1, 2, m));
    scene.Out.SetCell(1, 3, FormatReal(1, 1, s.SpringConstant));
}

// The energies at the elongation shown; while the clock is stopped only the potential
// energy, which the position alone gives.
void WriteEnergies(Scene& scene) {
    const SpringState& s = SpringOf(scene);
    const SpringEnergies en = SpringEnergiesAt(MotionOf(s), s.SpringConstant, Elongation(s));
    scene.Out.SetCell(1, 4, Fixed(1, 3, en.Potential));
    scene.Out.SetCell(1, 5, Running(scene) ? Fixed(1, 3, en.Kinetic) : std::string());
    scene.Out.SetCell(1, 6, Running(scene) ? Fixed(1, 3, en.Mechanical) : std::string());
}

// The period and the position at the time reached; at rest while the clock is stopped.
void UpdateSpringState(Scene& scene) {
    SpringState& s = SpringOf(scene);
    const SpringMotion motion = MotionOf(s);
    s.SpringPeriod = motion.Period;
    // Held by the mouse, the weight hangs at the lowest point of the swing it will start.
    const double x = s.Held && motion.Oscillates() ? motion.Equilibrium + motion.Amplitude
                     : Running(scene)              ? motion.ElongationAt(s.SpringTime)
                                                   : motion.Equilibrium;
    s.SpringPosition = RestY + x;
    WritePanelsAndTable(scene);
}

// --- The moving figure ---

// The zigzag of the spring from the ceiling, the rod down to its lower end and the hook.
void DrawSpring(const World& world, TCanvas& canvas, double x0, double top, double y) {
    const double x = y - RestY;
    const double h = (UnitsPerMetre * x + RestY) / 12;  // the spring's length in twelfths
    const double bottom = -UnitsPerMetre * x;
    std::vector<TPoint> points;
    points.reserve(2 * Coils + 6);
    points.push_back(world.Picture(x0, top));
    points.push_back(world.Picture(x0, top - h / 2));
    points.push_back(world.Picture(x0 - CoilHalfWidth, top - h));
    for (int i = 1; i <= Coils; ++i) {
        points.push_back(world.Picture(x0 + CoilHalfWidth, top - 2 * i * h));
        points.push_back(world.Picture(x0 - CoilHalfWidth, top - (2 * i + 1) * h));
    }
    points.push_back(world.Picture(x0, top - 11.5 * h));
    points.push_back(world.Picture(x0, bottom));
    points.push_back(world.Picture(x0 + HookLength, bottom));
    canvas.Pen.Color = clBlack;
    canvas.Polyline(points);
}

// The weights stack upwards on the rod from its lower end.
void DrawWeights(const World& world, TCanvas& canvas, int n, double x0, double y) {
    const double bottom = -UnitsPerMetre * (y - RestY);
    canvas.Pen.Color = clBlack;
    canvas.Brush.Color = clBlack;
    canvas.Brush.Style = bsDiagCross;
    for (int i = 1; i <= n; ++i) {
        canvas.Rectangle(
            world.PictureX(x0 - WeightHalfWidth), world.PictureY(bottom + WeightHeight * i),
            world.PictureX(x0 + WeightHalfWidth), world.PictureY(bottom + WeightHeight * (i - 1)));
    }
    canvas.Brush.Style = bsClear;
}

// Stored: at the angle last drawn (to erase it). New: at the phase the time has reached,
// or at 0 while the clock is stopped or nothing oscillates.
void DrawPhasePointer(Scene& scene, TCanvas& canvas, PointerMode mode) {
    SpringState& s = SpringOf(scene);
    if (mode == PointerMode::New) {
        const SpringMotion motion = MotionOf(s);
        s.SpringPhase = 0;
        if (s.Held && motion.Oscillates())
            s.SpringPhase = LowestPhase;
        else if (Running(scene) && motion.Oscillates())
            s.SpringPhase = 2 * Pi * std::fmod(s.SpringTime / motion.Period, 1.0) + Pi;
    }
    const World& world = scene.Map;
    canvas.Pen.Color = MomentColour;
    Line(world, canvas, PhaseX, 0, PhaseX + PhaseRadius * std::cos(s.SpringPhase),
         PhaseRadius * std::sin(s.SpringPhase));
}

// Sets the mapping of the energy diagram: the right two fifths and upper two thirds.
InsetGraph Inset(World& world) {
    return {world, nullptr, {3, 5}, {1, 3}, {InsetXMin, InsetXMax, InsetYMin, InsetYMax}};
}

// A vertical line in the energy diagram at the current elongation.
void DrawEnergyMarker(Scene& scene, TCanvas& canvas) {
    World& world = scene.Map;
    const double x = Elongation(SpringOf(scene));
    const InsetGraph inset = Inset(world);
    canvas.Pen.Color = MomentColour;
    Line(world, canvas, x, MarkerBottom, x, MarkerTop);
}

void DrawFigure(Scene& scene, TCanvas& canvas, PointerMode pointer) {
    const SpringState& s = SpringOf(scene);
    const World& world = scene.Map;
    canvas.Pen.Style = psSolid;
    DrawSpring(world, canvas, 0, CeilingY, s.SpringPosition);
    DrawWeights(world, canvas, s.WeightCount, 0, s.SpringPosition);
    if (scene.State.ShowMarks) DrawPhasePointer(scene, canvas, pointer);
    if (scene.State.ShowRedRay) DrawEnergyMarker(scene, canvas);
}

// --- The energy diagram ---

// The parabola of the potential energy about the rest position and the level of the
// mechanical energy across the swing.
void DrawEnergyCurves(Scene& scene, TCanvas& canvas) {
    const SpringState& s = SpringOf(scene);
    const World& world = scene.Map;
    const SpringMotion motion = MotionOf(s);
    const double e = motion.Equilibrium;
    std::vector<TPoint> parabola;
    for (int i = 0;; ++i) {
        const double x = InsetXMin + i * InsetXStep;
        if (!(x < InsetXMax)) break;
        const double potential = s.SpringConstant * (x - e) * (x - e) / 2;
        if (potential < ParabolaCut) parabola.push_back(world.Picture(x, potential));
    }
    canvas.Pen.Color = clBlack;
    canvas.Polyline(parabola);
    const double mechanical = SpringEnergiesAt(motion, s.SpringConstant, e).Mechanical;
    Line(world, canvas, e - motion.Amplitude, mechanical, e + motion.Amplitude, mechanical);
}

// Draws the diagram, or erases it: the lines are drawn again in not-xor and the texts,
// which that cannot take away, are overwritten in white after the lines, so that where a
// line crossed a text the white is left.
void DrawEnergyDiagram(Scene& scene, TCanvas& canvas, DiagramMode mode) {
    World& world = scene.Map;
    const TColor font = mode == DiagramMode::Draw ? clBlack : clWhite;
    {
        const InsetGraph inset = Inset(world);
        canvas.Pen.Color = clBlack;
        canvas.Pen.Style = psSolid;
        canvas.Brush.Style = bsClear;
        canvas.Font.Color = font;
        if (mode == DiagramMode::Erase) DrawEnergyCurves(scene, canvas);
        // The energy axis at the diagram's left edge, so that its numbers lie left of the
        // parabola's branches; the elongation's numbers 0.2 m apart.
        DrawAxes(world, 1, 2, " m", InsetXMin, 0, 0.2, 0.02, " J", false, canvas);
        if (mode == DiagramMode::Draw) DrawEnergyCurves(scene, canvas);
    }

    // The rest level in the picture, where the potential energy is counted from.
    const double level = -UnitsPerMetre * MotionOf(SpringOf(scene)).Equilibrium;
    canvas.Pen.Color = clBlack;
    DrawArrowHead(world, canvas, RestArrowX, level, RestArrowLength, Pi);
    Line(world, canvas, RestLabelX, level, RestArrowX, level);
    canvas.Font.Color = font;
    constexpr std::string_view restLabel = "Epot=0";
    // Right of the arrow head's barbs and above the line, clear of the pen's width.
    canvas.TextOut(
        world.PictureX(RestArrowX + RestArrowLength * world.Zoom * std::sqrt(0.5)) + world.PenWidth,
        world.PictureY(level) - canvas.TextHeight(restLabel) - world.PenWidth, restLabel);
    canvas.Font.Color = clBlack;
}

void DrawScale(Scene& scene, TCanvas& canvas, bool shown) {
    ScaleUnderlay* underlay = scene.OnScreen(canvas) ? &SpringOf(scene).UnderScale : nullptr;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = clBlack;
    const World& world = scene.Map;
    DrawMeasuringScale(world, canvas, shown, ScaleUnit, ScaleFactor, ScaleAt, world.WorldYMax,
                       underlay);
}

// The rest level of the diagram reaches under the scale's labels: while both are shown,
// the scale is taken away before the diagram changes and laid on again after, as a full
// redraw lays it over the diagram.
void ChangeDiagram(Scene& scene, TCanvas& canvas, DiagramMode mode) {
    if (scene.State.ShowRays) DrawScale(scene, canvas, false);
    DrawEnergyDiagram(scene, canvas, mode);
    if (scene.State.ShowRays) DrawScale(scene, canvas, true);
}

void FullRedraw(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& world = scene.Map;
    const double a = world.AspectHeight;
    world.PictureMarginX = 0;
    world.PictureMarginY = 0;
    // A wide picture shows the ceiling whole (and the scale, which reaches as far down).
    const WorldWindow view =
        ShowingHeights({WorldLeft, WorldRight, -a, a}, -CeilingTop - 0.3, CeilingTop + 0.3);
    SetupWorld(world, 0, clearFirst, canvas, view.xmin, view.xmax, view.ymin, view.ymax);
    canvas.Pen.Style = psSolid;
    UpdateSpringState(scene);
    if (scene.State.ShowRedRay) DrawEnergyDiagram(scene, canvas, DiagramMode::Draw);
    canvas.Pen.Color = clBlack;
    Line(world, canvas, PhaseAxisLeft, 0, PhaseAxisRight, 0);
    Line(world, canvas, PhaseX, -PhaseRadius, PhaseX, PhaseRadius);
    canvas.Brush.Color = clBlack;
    canvas.Brush.Style = bsDiagCross;
    canvas.Rectangle(world.PictureX(-CeilingHalfWidth), world.PictureY(CeilingTop),
                     world.PictureX(CeilingHalfWidth), world.PictureY(CeilingY));
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = clBlack;
    // Right of the arrow head's barbs.
    canvas.TextOut(world.PictureX(PhaseX + ArrowHeadLength * world.Zoom) + 1,
                   world.PictureY(PhaseRadius), "fase");
    DrawArrowHead(world, canvas, PhaseAxisRight, 0, ArrowHeadLength, 0);
    DrawArrowHead(world, canvas, PhaseX, PhaseRadius, ArrowHeadLength, Pi / 2);
    if (scene.State.ShowRays) DrawScale(scene, canvas, true);
    DrawFigure(scene, canvas, PointerMode::Stored);
}

}  // namespace

double SpringMotion::ElongationAt(double t) const {
    if (!Oscillates()) return Equilibrium;
    // The phase from the fraction of the period reached, exact however long the clock has run.
    return Equilibrium + Amplitude * std::sin(2 * Pi * std::fmod(t / Period, 1.0));
}

SpringMotion SpringMotionFor(int weights, double k, double amplitude) {
    SpringMotion m;
    m.Mass = std::max(weights, 0) * WeightMass;
    m.Equilibrium = m.Mass * Gravity / k;
    if (m.Mass > 0) {
        m.Period = 2 * Pi * std::sqrt(m.Mass / k);
        m.Amplitude = amplitude;
    }
    return m;
}

SpringEnergies SpringEnergiesAt(const SpringMotion& motion, double k, double x) {
    SpringEnergies en;
    en.Potential = k * (x - motion.Equilibrium) * (x - motion.Equilibrium) / 2;
    if (motion.Oscillates()) {
        const double speed = 2 * Pi * motion.Amplitude / motion.Period;  // the greatest, m/s
        en.Mechanical = motion.Mass * speed * speed / 2;
        en.Kinetic = std::max(en.Mechanical - en.Potential, 0.0);
    }
    return en;
}

void SetSpringStartValues(Scene& scene) {
    SpringState& s = SpringOf(scene);
    s.SpringPosition = RestY;
    s.WeightCount = 1;
    s.SpringConstant = 10.0;
    s.SpringAmplitude = 0.05;
    s.SpringPeriod = 0;
    s.SpringTime = 0;
    s.SpringPhase = 0;
    s.Held = false;
    s.SpringStartTime = scene.Milliseconds();
}

namespace {

// The amplitude (ScrollBar1), the spring constant (TrackBar1) or the number of weights
// (TrackBar2) moved: the state follows, and the energy diagram with it.
void FollowSpringControl(Scene& scene, TCanvas& canvas, Event event) {
    SpringState& s = SpringOf(scene);
    if (scene.State.ShowRedRay) ChangeDiagram(scene, canvas, DiagramMode::Erase);
    const MainWindowModel& w = scene.Controls;
    if (event == Event::ScrollBar1)
        s.SpringAmplitude = (w.ScrollBar1.Max - w.ScrollBar1.Position) / 600.0;
    if (event == Event::TrackBar1) s.SpringConstant = w.TrackBar1.Position + 9;
    if (event == Event::TrackBar2)
        s.WeightCount = static_cast<std::uint16_t>(std::max(w.TrackBar2.Position, 0));
    UpdateSpringState(scene);
    if (scene.State.ShowRedRay) ChangeDiagram(scene, canvas, DiagramMode::Draw);
}

}  // namespace

void DrawSpringSimulation(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    SpringState& s = SpringOf(scene);
    SharedState& st = scene.State;
    switch (event) {
        case Event::Redraw:
            FullRedraw(scene, clearFirst, canvas);
            WriteEnergies(scene);
            return;
        case Event::ScrollBar1:
        case Event::TrackBar1:
        case Event::TrackBar2:
        case Event::Tick:
        case Event::Step:
        case Event::F2:
        case Event::F5:
        case Event::F6:
            break;
        default:
            return;
    }
    canvas.Pen.Mode = pmNotXor;
    canvas.Pen.Style = psSolid;
    DrawFigure(scene, canvas, PointerMode::Stored);
    switch (event) {
        case Event::ScrollBar1:
        case Event::TrackBar1:
        case Event::TrackBar2:
            FollowSpringControl(scene, canvas, event);
            break;
        case Event::Tick:
        case Event::Step: {
            // Unsigned: the difference is right across the clock's wrap after 49.7 days.
            const std::uint32_t elapsed = scene.Milliseconds() - s.SpringStartTime;
            s.SpringTime = elapsed / 1000.0;
            UpdateSpringState(scene);
            break;
        }
        case Event::F2:
            FlipViewToggle(st, event);
            break;
        case Event::F5:
            FlipViewToggle(st, event);
            ChangeDiagram(scene, canvas, st.ShowRedRay ? DiagramMode::Draw : DiagramMode::Erase);
            break;
        default:  // F6
            st.ShowRays = !st.ShowRays;
            DrawScale(scene, canvas, st.ShowRays);
            break;
    }
    DrawFigure(scene, canvas, PointerMode::New);
    WriteEnergies(scene);
}

namespace {

// The weights on the hanger rod; the place taken, above the rod's lower end, is kept so
// that the weight does not jump to the pointer.
bool GripsWeight(Scene& scene, TPoint p) {
    SpringState& s = SpringOf(scene);
    if (s.WeightCount == 0) return false;
    const double bottom = -UnitsPerMetre * (s.SpringPosition - RestY);
    const double top = bottom + WeightHeight * s.WeightCount;
    const World& world = scene.Map;
    const bool inside = p.x >= world.PictureX(-WeightHalfWidth) - GripPixels &&
                        p.x <= world.PictureX(WeightHalfWidth) + GripPixels &&
                        p.y >= world.PictureY(top) - GripPixels &&
                        p.y <= world.PictureY(bottom) + GripPixels;
    if (inside) s.GripOffset = PictureToWorld(world, p).y - bottom;
    return inside;
}

// The weight goes at once to the lowest point of the swing the amplitude gives.
void TakeWeight(Scene& scene) {
    SpringOf(scene).Held = true;
    scene.DrawOnScreen(Event::ScrollBar1);
}

// The amplitude is the pull below the rest level, in metres; ScrollBar1 shows Max - 600 A.
double WeightPositionAt(Scene& scene, WorldPoint w) {
    const SpringState& s = SpringOf(scene);
    const double bottom = w.y - s.GripOffset;
    const double elongation = -bottom / UnitsPerMetre;  // m
    const double amplitude = elongation - MotionOf(s).Equilibrium;
    return scene.Controls.ScrollBar1.Max - 600 * amplitude;
}

// Let go at the lowest point: the swing starts there, a quarter period in, and the clock
// runs. A click that did not pull puts the weight back as it was.
void LetGoWeight(Scene& scene, bool moved) {
    SpringState& s = SpringOf(scene);
    const SpringMotion motion = MotionOf(s);
    s.Held = false;
    if (!moved) {
        scene.DrawOnScreen(Event::ScrollBar1);
        return;
    }
    s.SpringStartTime =
        scene.Milliseconds() - static_cast<std::uint32_t>(std::lround(motion.Period * 250));
    scene.RunClock();
    scene.DrawOnScreen(Event::Tick);
}

}  // namespace

const DragFigure SpringWeightDrag{.Name = "loddet",
                                  .Moves = Control::ScrollBar1,
                                  .Grips = &GripsWeight,
                                  .PositionAt = &WeightPositionAt,
                                  .MovedByClock = true,
                                  .Take = &TakeWeight,
                                  .LetGo = &LetGoWeight};

}  // namespace viv
