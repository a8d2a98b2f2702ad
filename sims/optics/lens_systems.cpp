// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Linsesystemer": two lenses one behind the other, the second optionally concave; the
// beam is traced through all four faces.
#include <algorithm>
#include <cmath>
#include <string>

#include "app/events.h"
#include "library/format.h"
#include "library/substance_table.h"
#include "sims/optics/lens_figures.h"
#include "sims/optics/lenses.h"
#include "sims/optics/optics_choice.h"
#include "sims/optics/optics_figures.h"

namespace viv {

namespace {

constexpr double SecondLensGap = 1.1;           // the second lens's leftmost abscissa
constexpr double ConcaveCentreThickness = 0.2;  // the concave lens at its middle

constexpr TColor DividerColour = clSilver;

int SubstanceOf(Scene& scene, int lens) {
    return std::clamp(lens == 1 ? OpticsChoiceOf(scene).Substance : LensOf(scene).Substance2, 1,
                      SubstanceCount);
}

double IndexOf(int substance, bool blue) {
    const SubstanceRow& s = Substance(substance);
    return blue ? s.SubstanceIndexBlue : s.SubstanceIndexRed;
}

// The focal length and the back focal point of one lens alone, for blue light; nothing
// when the paraxial ray leaves it parallel.
std::optional<ParaxialFocusing> FocusOf(Scene& scene, int lens) {
    return ParaxialFocalData(SystemLensOf(scene, lens, true).Faces, LensWindowXMin);
}

// The line across the picture through the first lens's rim plane; drawn once.
void DrawDivider(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    SetLensPen(canvas, map, DividerColour);
    DrawPath(map, canvas, {{0, map.WorldYMin}, {0, map.WorldYMax}});
}

void DrawFigures(Scene& scene, TCanvas& canvas) {
    const World& map = scene.Map;
    const SharedState& s = scene.State;
    SetLensPen(canvas, map, clBlack);
    for (int lens = 1; lens <= 2; ++lens) {
        const SystemLens element = SystemLensOf(scene, lens, true);
        DrawPath(map, canvas, LensOutline(element.Faces[0].Face, element.Faces[1].Face));
    }
    if (s.ShowNormals) DrawStop(map, canvas, LensOf(scene).StopX, StopOpeningOf(scene));
    if (s.ShowMarks)
        for (int lens = 1; lens <= 2; ++lens)
            if (const auto f = FocusOf(scene, lens))
                DrawFocalLine(map, canvas, f->FocalPoint, clBlue, psDot);
    std::vector<Interface> blue, red;
    for (int lens = 1; lens <= 2; ++lens) {
        const SystemLens b = SystemLensOf(scene, lens, true), r = SystemLensOf(scene, lens, false);
        blue.insert(blue.end(), b.Faces.begin(), b.Faces.end());
        red.insert(red.end(), r.Faces.begin(), r.Faces.end());
    }
    DrawBeam(scene, canvas, blue, red);
}

void WriteTable(Scene& scene) {
    const LensState& state = LensOf(scene);
    Report& t = scene.Out;
    const std::string r1 = FormatReal(1, 1, state.R1), r2 = FormatReal(1, 1, state.R2);
    t.SetCell(1, 1, r1);
    t.SetCell(2, 1, r2);
    for (int lens = 1; lens <= 2; ++lens) {
        const auto f = FocusOf(scene, lens);
        const int k = SubstanceOf(scene, lens);
        t.SetCell(lens, 2, f ? FormatReal(1, 2, f->FocalLength) : "-");
        t.SetCell(lens, 3, f ? FormatReal(1, 2, f->FocalPoint) : "-");
        t.SetCell(lens, 4, std::string(Substance(k).SubstanceName));
        t.SetCell(lens, 5, FormatReal(1, 3, IndexOf(k, true)));
        t.SetCell(lens, 6, FormatReal(1, 3, IndexOf(k, false)));
    }
    scene.Out.Panel1 = "r1=" + r1;
    scene.Out.Panel2 = "r2=" + r2;
}

}  // namespace

SystemLens SystemLensOf(Scene& scene, int lens, bool blue) {
    const LensState& state = LensOf(scene);
    const double n = IndexOf(SubstanceOf(scene, lens), blue);
    SystemLens element;
    if (lens == 1) {
        element.Faces = {{ConvexLeftFace(0, state.R1), n}, {ConvexRightFace(0, state.R1), 1}};
        element.Centre = 0;
        return element;
    }
    const double sag = FaceSag(state.R2);
    if (!scene.State.ShowRays) {
        element.Centre = SecondLensGap + sag;
        element.Faces = {{ConvexLeftFace(element.Centre, state.R2), n},
                         {ConvexRightFace(element.Centre, state.R2), 1}};
    } else {
        // Concave: both faces bend inwards; the lens is thinnest at its middle.
        element.Centre = SecondLensGap + sag + ConcaveCentreThickness / 2;
        element.Faces = {
            {ConcaveLeftFace(SecondLensGap, state.R2), n},
            {ConcaveRightFace(SecondLensGap + 2 * sag + ConcaveCentreThickness, state.R2), 1}};
    }
    return element;
}

void DrawLensSystems(Scene& scene, Event event, bool clearFirst, TCanvas& canvas) {
    if (event == Event::Redraw) {
        SetupLensSimulation(scene, clearFirst, canvas);
        DrawDivider(scene, canvas);
        DrawFigures(scene, canvas);
        WriteTable(scene);
        return;
    }
    if (!IsLensEvent(event) || event == Event::F5) return;
    DrawFigures(scene, canvas);  // erases them
    TakeLensEvent(scene, event);
    ReadLensControls(scene);
    DrawFigures(scene, canvas);
    WriteTable(scene);
}

}  // namespace viv
