// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Linsens egenskaber" (one thick lens, plano-convex or as a doublet) and the sheet of
// lens outlines.
#include "sims/optics/lenses.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/events.h"
#include "library/format.h"
#include "library/substance_table.h"
#include "sims/optics/doublet.h"
#include "sims/optics/lens_figures.h"
#include "sims/optics/optics_choice.h"
#include "sims/optics/optics_figures.h"

namespace viv {

namespace {

constexpr double DoubletThickness = 0.3;  // the second element on the axis
constexpr double NameTop = -2.5;          // world y of the substance names' top
constexpr const char* NamePadding = "     ";

// The sheet of outlines: x from -10 to 10, six lenses.
constexpr double SheetXMin = -10, SheetXMax = 10;
constexpr double SheetX[] = {-7.5, -5, -2.5, 0, 2.5, 5};
constexpr double SheetRadius[] = {10, 5, 5, 10, 4, 3};

int SubstanceOne(const Scene& scene) {
    return std::clamp(OpticsChoiceOf(scene).Substance, 1, SubstanceCount);
}

double IndexOf(int substance, bool blue) {
    const SubstanceRow& s = Substance(substance);
    return blue ? s.SubstanceIndexBlue : s.SubstanceIndexRed;
}

// The lens's right face: the arc of radius r2 or, plano-convex, the plane x = 0.
LensFace RightFace(Scene& scene, double rim) {
    return scene.State.ShowRedRay ? PlaneFace(rim) : ConvexRightFace(rim, LensOf(scene).R2);
}

ElementIndices IndicesOf(int substance) {
    return {IndexOf(substance, true), IndexOf(substance, false)};
}

// The back face of the doublet's second element.
LensFace DoubletBack(Scene& scene) {
    return DoubletBackFace(ConvexLeftFace(0, LensOf(scene).R1), RightFace(scene, 0),
                           IndicesOf(SubstanceOne(scene)), IndicesOf(LensOf(scene).Substance2),
                           DoubletThickness);
}

// --- The outline and the names ---

void DrawLens(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    const LensState& lens = LensOf(scene);
    SetLensPen(canvas, map, clBlack);
    const LensFace left = ConvexLeftFace(0, lens.R1);
    const LensFace right = RightFace(scene, 0);
    if (!scene.State.ShowRays) {
        DrawPath(map, canvas, LensOutline(left, right));
        return;
    }
    // The doublet: one outline round both elements, and the cemented face between them.
    // The outline draws the face's upper end; the face starts one pixel below it (and
    // leaves out its lower end, as every line does), so that no pixel is combined twice.
    std::vector<WorldPoint> outline;
    AppendFace(outline, left, true);
    std::vector<WorldPoint> back;
    AppendFace(back, DoubletBack(scene), false);
    outline.insert(outline.end(), back.begin(), back.end());
    outline.push_back(outline.front());
    DrawPath(map, canvas, outline);
    std::vector<WorldPoint> cemented;
    AppendFace(cemented, right, false);
    std::vector<TPoint> pixels;
    pixels.reserve(cemented.size());
    for (const WorldPoint& p : cemented) pixels.push_back(map.Picture(p.x, p.y));
    ++pixels.front().y;
    canvas.Polyline(pixels);
}

std::string NameText(int substance) {
    return NamePadding + std::string(Substance(substance).SubstanceName) + NamePadding;
}

// The box of name `line` (0 the first, 1 the second substance's) in pixels.
TRect NameBox(const World& map, TCanvas& canvas, int substance, int line) {
    canvas.Font.Bold = true;
    const std::string text = NameText(substance);
    const int width = canvas.TextWidth(text);
    const int height = canvas.TextHeight(text);
    canvas.Font.Bold = false;
    const int left = map.PictureX(0) - width / 2;
    const int top = map.PictureY(NameTop) + line * height;
    return {left, top, left + width, top + height};
}

// The names in bold black on white, the second only for the doublet.
void WriteNames(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clWhite;
    canvas.Font.Color = clBlack;
    const auto write = [&](int substance, int line) {
        const TRect box = NameBox(map, canvas, substance, line);
        canvas.Font.Bold = true;
        canvas.TextOut(box.Left, box.Top, NameText(substance));
        canvas.Font.Bold = false;
    };
    write(SubstanceOne(scene), 0);
    if (scene.State.ShowRays) write(LensOf(scene).Substance2, 1);
    canvas.Brush.Style = bsClear;
}

// Whitens the boxes of the names written before a change (while nothing else lies on
// them) so that the new names can be written as a full redraw writes them.
void ClearNames(Scene& scene, TCanvas& canvas, int substance1, int substance2, bool doublet) {
    const World& map = scene.Map;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clWhite;
    canvas.FillRect(NameBox(map, canvas, substance1, 0));
    if (doublet) canvas.FillRect(NameBox(map, canvas, substance2, 1));
    canvas.Brush.Style = bsClear;
}

// --- Everything drawn in not-xor: drawing it again removes it ---

void DrawFigures(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    const SharedState& s = scene.State;
    DrawLens(scene, canvas);
    if (s.ShowNormals) DrawStop(map, canvas, LensOf(scene).StopX, StopOpeningOf(scene));
    if (s.ShowMarks) {
        const auto fB = LensFocus(scene, true);
        const auto fR = s.ShowAxes ? LensFocus(scene, false) : std::nullopt;
        // Where blue and red meet (the achromat), the blue plane above the axis and the
        // red one below it, each in its own colour.
        const bool together =
            fB && fR && map.PictureX(fB->FocalPoint) == map.PictureX(fR->FocalPoint);
        if (fB)
            DrawFocalLine(map, canvas, fB->FocalPoint, clBlue, psSolid,
                          together ? FocalSpan::Upper : FocalSpan::Whole);
        if (fR)
            DrawFocalLine(map, canvas, fR->FocalPoint, clRed, psSolid,
                          together ? FocalSpan::Lower : FocalSpan::Whole);
    }
    const std::vector<Interface> blue = LensFaces(scene, true);
    const std::vector<Interface> red = LensFaces(scene, false);
    DrawBeam(scene, canvas, blue, red);
}

void WriteTable(Scene& scene) {
    const LensState& lens = LensOf(scene);
    Report& t = scene.Out;
    const int one = SubstanceOne(scene);
    const std::string r1 = FormatReal(1, 1, lens.R1);
    t.SetCell(1, 1, r1);
    t.SetCell(1, 2, FormatReal(1, 1, lens.R2));
    std::string blueLength;
    for (const bool blue : {true, false}) {
        const auto focus = LensFocus(scene, blue);
        const int col = blue ? 1 : 2;
        const std::string length = focus ? FormatReal(1, 2, focus->FocalLength) : "";
        t.SetCell(col, 3, length);
        t.SetCell(col, 4, focus ? FormatReal(1, 2, focus->FocalPoint) : "");
        if (blue) blueLength = length;
    }
    const auto substanceRow = [&](int row, int k) {
        t.SetCell(0, row, " " + std::string(Substance(k).SubstanceName) + ", n");
        t.SetCell(1, row, FormatReal(1, 3, IndexOf(k, true)));
        t.SetCell(2, row, FormatReal(1, 3, IndexOf(k, false)));
    };
    substanceRow(5, one);
    substanceRow(6, lens.Substance2);
    t.SetCell(1, 7, FormatReal(1, 1, lens.Angle));
    Report& w = scene.Out;
    w.Panel1 = "r1=" + r1;
    w.Panel2 = "f=" + blueLength;
    w.Panel3 = "n1=" + FormatReal(1, 3, IndexOf(one, true));
}

}  // namespace

LensState& LensOf(Scene& scene) {
    return scene.Own<LensState>();
}

void SetLensStartValues(SetupScene& scene) {
    // Every field as a fresh state has it, but the second substance equal to the first.
    LensOf(scene) =
        LensState{.Substance2 = std::clamp(OpticsChoiceOf(scene).Substance, 1, SubstanceCount)};
}

void ReadLensControls(Scene& scene) {
    LensState& lens = LensOf(scene);
    const MainWindowModel& w = scene.Controls;
    lens.Angle = std::clamp(w.ScrollBar1.Position, 0, 60) - 30;
    lens.R1 = RadiusFromTrackBar(w.TrackBar2.Position);
    lens.R2 = RadiusFromTrackBar(w.TrackBar3.Position);
    lens.Substance2 = std::clamp(w.TrackBar4.Position, 1, SubstanceCount);
}

void SetupLensSimulation(Scene& scene, bool clearFirst, TCanvas& canvas) {
    SetupFullHeightWorld(scene.Map, 1, clearFirst, canvas, LensWindowXMin, LensWindowXMax);
    ReadLensControls(scene);
}

double RadiusFromTrackBar(int position) {
    return 2.5 * (std::clamp(position, 1, 10) + 1);
}

std::vector<Interface> LensFaces(Scene& scene, bool blue) {
    const LensState& lens = LensOf(scene);
    const double n1 = IndexOf(SubstanceOne(scene), blue);
    std::vector<Interface> faces{{ConvexLeftFace(0, lens.R1), n1}};
    if (scene.State.ShowRays) {
        faces.push_back({RightFace(scene, 0), IndexOf(lens.Substance2, blue)});
        faces.push_back({DoubletBack(scene), 1});
    } else {
        faces.push_back({RightFace(scene, 0), 1});
    }
    return faces;
}

std::optional<ParaxialFocusing> LensFocus(Scene& scene, bool blue) {
    return ParaxialFocalData(LensFaces(scene, blue), LensWindowXMin);
}

void DrawLensProperties(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    SharedState& s = scene.State;
    if (event == Event::Redraw) {
        SetupLensSimulation(scene, clearFirst, canvas);
        WriteNames(scene, canvas);
        DrawFigures(scene, canvas);
        WriteTable(scene);
        return;
    }
    if (!IsLensEvent(event)) return;

    LensState& lens = LensOf(scene);
    const int oldOne = SubstanceOne(scene), oldTwo = lens.Substance2;
    const bool oldDoublet = s.ShowRays;
    DrawFigures(scene, canvas);  // erases them
    TakeLensEvent(scene, event);
    ReadLensControls(scene);
    if (SubstanceOne(scene) != oldOne || lens.Substance2 != oldTwo || s.ShowRays != oldDoublet) {
        ClearNames(scene, canvas, oldOne, oldTwo, oldDoublet);
        WriteNames(scene, canvas);
    }
    DrawFigures(scene, canvas);
    WriteTable(scene);
}

void DrawLensOutlines(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    if (event != Event::Redraw) return;
    World& map = scene.Map;
    SetupFullHeightWorld(map, 0, clearFirst, canvas, SheetXMin, SheetXMax);
    SetLensPen(canvas, map, clBlack);
    for (std::size_t k = 0; k < std::size(SheetX); ++k) {
        // Both faces of radius r, the rim in the plane x = SheetX[k].
        DrawPath(map, canvas,
                 LensOutline(ConvexLeftFace(SheetX[k], SheetRadius[k]),
                             ConvexRightFace(SheetX[k], SheetRadius[k])));
    }
}

}  // namespace viv
