// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/waves/thin_film.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "app/drag.h"
#include "app/events.h"
#include "app/view_toggles.h"
#include "library/colour_table.h"
#include "library/drawing.h"
#include "library/format.h"
#include "library/trig.h"
#include "library/world.h"
#include "library/world_drawing.h"
#include "sims/waves/moving_picture.h"
#include "sims/waves/waves_motion_state.h"

namespace viv {

namespace {

// The film stands with its front face on the y axis, the light coming from the left.
constexpr double FilmHalfHeight = 4;  // world units
constexpr WorldPoint FilmLabelAt{0, -4.1};
constexpr double RayLength = 5;  // world units in air
constexpr double ArrowAt = 3;    // world units from the film
constexpr double ArrowLength = 0.25;
constexpr double NormalHalfLength = 5;
constexpr double NanometresPerMicrometre = 1000;

// The inset graph: phase across, displacement upwards. Its window reaches beyond the
// waves (0..10 across, -1..1 upwards), so that they stay inside the picture.
constexpr double GraphXMin = 0, GraphXMax = 10.8;  // radians
constexpr double GraphYMin = -1.2, GraphYMax = 1.25;
constexpr int GraphSamples = 51;  // x = 0, 0.2, .., 10
constexpr double GraphStep = 0.2;

constexpr TColor FilmColour = clSilver;
constexpr TColor RayColour = clGreen;
constexpr TColor HelpLineColour = clBlue;
constexpr TColor NormalColour = clRed;
constexpr TColor FirstWaveColour = clBlack;
constexpr TColor SecondWaveColour = clBlue;

double ThicknessOf(const Scene& scene) {
    return 0.1 * scene.Controls.TrackBar2.Position;
}

void DrawFilm(Scene& scene, TCanvas& canvas) {
    const World& world = scene.Map;
    const double t = WavesMotionOf(scene).FilmThickness;
    canvas.Pen.Color = FilmColour;
    canvas.Brush.Color = FilmColour;
    canvas.Brush.Style = bsDiagCross;
    canvas.Rectangle(world.PictureX(0), world.PictureY(FilmHalfHeight), world.PictureX(t),
                     world.PictureY(-FilmHalfHeight));
    canvas.Brush.Style = bsClear;
}

// The incident ray, the ray reflected at the front face and the ray reflected at the back
// face, with their arrow heads.
void DrawRays(const World& world, const FilmRays& f, TCanvas& canvas) {
    const double c = std::cos(f.Incidence), s = std::sin(f.Incidence);
    const double m = f.HalfOffset;
    canvas.Pen.Color = RayColour;
    Line(world, canvas, -RayLength * c, -RayLength * s, 0, 0);
    Line(world, canvas, 0, 0, -RayLength * c, RayLength * s);
    canvas.Polyline({world.Picture(0, 0), world.Picture(f.Thickness, m), world.Picture(0, 2 * m),
                     world.Picture(-RayLength * c, 2 * m + RayLength * s)});
    DrawArrowHead(world, canvas, -ArrowAt * c, -ArrowAt * s, ArrowLength, f.Incidence);
    DrawArrowHead(world, canvas, -ArrowAt * c, ArrowAt * s, ArrowLength, Pi - f.Incidence);
    // At normal incidence both reflected rays run back along the same line: one head for
    // both, as two would cancel in the inverting pen.
    if (m != 0)
        DrawArrowHead(world, canvas, -ArrowAt * c, 2 * m + ArrowAt * s, ArrowLength,
                      Pi - f.Incidence);
}

// From where the second ray leaves the film, perpendicular to the reflected rays, to the
// first reflected ray: beyond this line both rays run the same way, so the path
// difference lies before it.
void DrawPathDifferenceLine(const World& world, const FilmRays& f, TCanvas& canvas) {
    const double c = std::cos(f.Incidence), s = std::sin(f.Incidence);
    const double exitY = 2 * f.HalfOffset;
    const double apart = exitY * c;  // distance of the two parallel rays
    canvas.Pen.Color = HelpLineColour;
    Line(world, canvas, 0, exitY, -apart * s, exitY - apart * c);
}

void DrawNormal(const World& world, TCanvas& canvas) {
    canvas.Pen.Color = NormalColour;
    Line(world, canvas, -NormalHalfLength, 0, NormalHalfLength, 0);
}

// The inset's margins and window while the object lives; then the simulation's own window.
InsetGraph Graph(World& world) {
    return {world, nullptr, {2, 3}, {2, 3}, {GraphXMin, GraphXMax, GraphYMin, GraphYMax}};
}

// y = sin(x - shift) over the graph's width, in the inset's mapping.
void DrawGraphWave(const World& world, double shift, TCanvas& canvas) {
    std::vector<TPoint> points;
    points.reserve(GraphSamples);
    for (int k = 0; k < GraphSamples; ++k) {
        const double x = GraphStep * k;
        points.push_back(world.Picture(x, std::sin(x - shift)));
    }
    canvas.Polyline(points);
}

void DrawGraphFrame(Scene& scene, TCanvas& canvas) {
    World& world = scene.Map;
    const InsetGraph graph = Graph(world);
    canvas.Pen.Color = clBlack;
    canvas.Font.Color = clBlack;
    canvas.Brush.Style = bsClear;
    // The waves cross under the axis; its numbers stand under their troughs instead.
    DrawAxes(world, -1, 0, "", 0, 0, 1, 1, "", false, canvas);
    for (int x = 1; x <= static_cast<int>(GraphStep * (GraphSamples - 1)); ++x)
        WriteXAxisNumber(world, canvas, 0, "", x, world.PictureY(-1));
    canvas.Pen.Color = FirstWaveColour;
    DrawGraphWave(world, 0, canvas);
}

// The wave of the ray reflected at the back face, behind the first by the phase difference.
void DrawSecondWave(Scene& scene, const FilmRays& f, TCanvas& canvas) {
    World& world = scene.Map;
    const InsetGraph graph = Graph(world);
    canvas.Pen.Color = SecondWaveColour;
    DrawGraphWave(world, FloatMod(f.Phase, 2 * Pi), canvas);
}

// Everything that follows the angle, the colour, the thickness and the toggles.
void DrawFigures(Scene& scene, TCanvas& canvas) {
    const FilmRays f = ThinFilmRays(scene.State.IncidenceValue, scene.State.CurrentColour,
                                    WavesMotionOf(scene).FilmThickness);
    DrawRays(scene.Map, f, canvas);
    if (scene.State.ShowMarks) DrawPathDifferenceLine(scene.Map, f, canvas);
    if (scene.State.ShowNormals) DrawNormal(scene.Map, canvas);
    DrawSecondWave(scene, f, canvas);
}

void WriteFilmTable(Scene& scene) {
    const FilmRays f = ThinFilmRays(scene.State.IncidenceValue, scene.State.CurrentColour,
                                    WavesMotionOf(scene).FilmThickness);
    Report& table = scene.Out;
    table.SetCell(1, 1, FormatReal(6, 3, f.Index));
    table.SetCell(0, 2,
                  " bølgelængde/nm, " + std::string(Colour(scene.State.CurrentColour).ColourName));
    table.SetCell(1, 2, FormatReal(6, 1, f.WaveLength));
    const std::string incidence = FormatInteger(scene.State.IncidenceValue, 1);
    table.SetCell(1, 3, incidence);
    table.SetCell(1, 4, FormatReal(1, 1, f.Refraction * DegPerRad));
    const std::string phase = FormatReal(5, 3, f.Phase / Pi);
    table.SetCell(1, 5, phase);
    table.SetCell(1, 6, FormatReal(2, 0, NanometresPerMicrometre * f.Thickness));
    scene.Out.Panel1 = "i: " + incidence + "°";
    scene.Out.Panel2 = "fase:" + phase;
}

void DrawScene(Scene& scene, bool clearFirst, TCanvas& canvas) {
    World& world = scene.Map;
    SetupMarginlessWorld(world, 0, clearFirst, canvas, -10, 10);
    canvas.Pen.Style = psSolid;
    DrawFilm(scene, canvas);
    canvas.Font.Color = clBlack;
    canvas.Brush.Style = bsClear;
    canvas.TextOut(world.PictureX(FilmLabelAt.x), world.PictureY(FilmLabelAt.y), "<-d->");
    DrawGraphFrame(scene, canvas);
}

}  // namespace

FilmRays ThinFilmRays(int incidenceDegrees, int colour, double thickness) {
    FilmRays f;
    const ColourRow& light = Colour(colour);
    f.Incidence = incidenceDegrees / DegPerRad;
    f.Index = light.WaterIndex;
    f.WaveLength = light.WaveLength;
    f.Thickness = thickness;
    f.Refraction = ArcSin(std::sin(f.Incidence) / f.Index);
    f.HalfOffset = thickness * Tan(f.Refraction);
    const double pathDifference =
        2 * f.Index * NanometresPerMicrometre * thickness * std::cos(f.Refraction);  // nm
    f.Phase = 2 * Pi * pathDifference / f.WaveLength + Pi;
    return f;
}

void SetFilmStartValues(Scene& scene) {
    WavesMotionOf(scene).FilmThickness = 1.0;
}

namespace {

// What an event other than Redraw changes, the figures wiped meanwhile.
void TakeChange(Scene& scene, Event event, TCanvas& canvas) {
    WavesMotionState& ws = WavesMotionOf(scene);
    switch (event) {
        case Event::ScrollBar1:
            scene.State.IncidenceValue =
                scene.State.IncidenceMax - scene.Controls.ScrollBar1.Position;
            break;
        case Event::TrackBar1:
            scene.State.CurrentColour = scene.Controls.TrackBar1.Position;
            break;
        case Event::TrackBar2:
            DrawFilm(scene, canvas);
            ws.FilmThickness = ThicknessOf(scene);
            DrawFilm(scene, canvas);
            break;
        case Event::F2:
            FlipViewToggle(scene.State, event);
            break;
        default:
            scene.State.ShowNormals = !scene.State.ShowNormals;
            break;
    }
}

}  // namespace

void DrawThinFilm(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    const bool handled = event == Event::Redraw || event == Event::ScrollBar1 ||
                         event == Event::TrackBar1 || event == Event::TrackBar2 ||
                         event == Event::F2 || event == Event::F3;
    if (!handled) return;
    DrawMovingPicture({&DrawScene, &DrawFigures, &TakeChange}, scene, event, clearFirst, canvas);
    WriteFilmTable(scene);
}

namespace {

// The incident ray arrives from the lower left at the film's front face.
bool GripsIncidentRay(Scene& scene, TPoint p) {
    const double i = scene.State.IncidenceValue / DegPerRad;
    return GripsSegment(scene, p, {-RayLength * std::cos(i), -RayLength * std::sin(i)}, {0, 0});
}

double IncidenceAt(Scene& scene, WorldPoint w) {
    return IncidencePosition(scene, AngleFrom({0, 0}, w, 180, 1));
}

}  // namespace

const DragFigure ThinFilmDrag{.Name = "den indfaldende stråle",
                              .Moves = Control::ScrollBar1,
                              .Grips = &GripsIncidentRay,
                              .PositionAt = &IncidenceAt};

}  // namespace viv
