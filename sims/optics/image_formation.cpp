// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/optics/image_formation.h"

#include <string>

#include "app/events.h"
#include "app/view_toggles.h"
#include "library/format.h"
#include "library/world.h"

namespace viv {

ImageFormationState& ImageFormationOf(Scene& scene) {
    return scene.Own<ImageFormationState>();
}

void SetLensImageStartValues(SetupScene& scene) {
    ImageFormationState& s = ImageFormationOf(scene);
    s.FocalLength = 2.0;
    s.ObjectX = -8.0;
    s.ObjectHeight = 3.0;
}

void SetMirrorImageStartValues(SetupScene& scene) {
    ImageFormationState& s = ImageFormationOf(scene);
    s.ObjectX = -8.0;
    s.ObjectHeight = 2.0;
    s.MirrorLength = 10.0;
}

double LensFocalLength(Scene& scene) {
    const double f = ImageFormationOf(scene).FocalLength;
    return scene.State.ShowRays ? -f : f;
}

double MirrorFocalPoint(Scene& scene) {
    const double half = ImageFormationOf(scene).MirrorLength / 2;
    return scene.State.ShowRays ? half : -half;
}

OpticalImage CurrentLensImage(Scene& scene) {
    const ImageFormationState& s = ImageFormationOf(scene);
    return ThinLensImage(s.ObjectX, LensFocalLength(scene), s.ObjectHeight);
}

OpticalImage CurrentMirrorImage(Scene& scene) {
    const ImageFormationState& s = ImageFormationOf(scene);
    return MirrorImage(s.ObjectX, MirrorFocalPoint(scene), s.ObjectHeight);
}

void WriteImageTable(Scene& scene, double a, double f, double G, const OpticalImage& image) {
    const std::string as = FormatReal(1, 2, a);
    const std::string bs = image.Exists ? FormatReal(1, 2, image.b) : "";
    const std::string fs = FormatReal(1, 2, f);
    Report& t = scene.Out;
    t.SetCell(1, 1, as);
    t.SetCell(1, 2, bs);
    t.SetCell(1, 3, fs);
    t.SetCell(1, 4, FormatReal(1, 2, G));
    t.SetCell(1, 5, image.Exists ? FormatReal(1, 2, image.B) : "");
    scene.Out.Panel1 = "a=" + as;
    scene.Out.Panel2 = "b=" + bs;
    scene.Out.Panel3 = "f=" + fs;
}

namespace {

void WriteTable(Scene& scene, const ImageSimulationParts& parts) {
    const ImageFormationState& state = ImageFormationOf(scene);
    WriteImageTable(scene, state.ObjectX, parts.FocalLength(scene), state.ObjectHeight,
                    parts.Image(scene));
}

}  // namespace

void DrawImageSimulation(Scene& scene, Event event, bool clearFirst, TCanvas& canvas,
                         const ImageSimulationParts& parts) {
    World& map = scene.Map;
    if (event == Event::Redraw) {
        SetupFullHeightWorld(map, 1, clearFirst, canvas, parts.XMin, parts.XMax);
        if (parts.DrawStill != nullptr) parts.DrawStill(scene, canvas);
        parts.DrawOptic(scene, canvas);
        parts.DrawFigures(scene, canvas);
        WriteTable(scene, parts);
        return;
    }
    if (event != Event::ScrollBar1 && !IsFunctionKey(event)) return;

    parts.DrawFigures(scene, canvas);  // erases them
    if (event == Event::ScrollBar1) {
        ImageFormationOf(scene).ObjectX = ObjectPosition(scene.Controls.ScrollBar1.Position);
    } else if (event == Event::F6) {
        parts.DrawOptic(scene, canvas);  // erases it
        FlipViewToggle(scene.State, event);
        parts.DrawOptic(scene, canvas);
    } else {
        FlipViewToggle(scene.State, event);
    }
    parts.DrawFigures(scene, canvas);
    WriteTable(scene, parts);
}

void DrawPrincipalRay(const World& map, TCanvas& canvas, const PrincipalRay& ray,
                      const WorldBox& box) {
    canvas.Pen.Style = psSolid;
    DrawClippedPath(map, canvas, ray.Solid, box);
    if (ray.HasContinuation) {
        canvas.Pen.Style = psDot;
        DrawClippedSegment(map, canvas, ray.ContinuationFrom, ray.ContinuationTo, box);
        canvas.Pen.Style = psSolid;
    }
}

}  // namespace viv
