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

ImageFormationState& ImageFormationOf(App& app) {
    return app.Sims.Get<ImageFormationState>();
}

void SetLensImageStartValues(App& app) {
    ImageFormationState& s = ImageFormationOf(app);
    s.FocalLength = 2.0;
    s.ObjectX = -8.0;
    s.ObjectHeight = 3.0;
}

void SetMirrorImageStartValues(App& app) {
    ImageFormationState& s = ImageFormationOf(app);
    s.ObjectX = -8.0;
    s.ObjectHeight = 2.0;
    s.MirrorLength = 10.0;
}

double LensFocalLength(App& app) {
    const double f = ImageFormationOf(app).FocalLength;
    return app.State.ShowRays ? -f : f;
}

double MirrorFocalPoint(App& app) {
    const double half = ImageFormationOf(app).MirrorLength / 2;
    return app.State.ShowRays ? half : -half;
}

OpticalImage CurrentLensImage(App& app) {
    const ImageFormationState& s = ImageFormationOf(app);
    return ThinLensImage(s.ObjectX, LensFocalLength(app), s.ObjectHeight);
}

OpticalImage CurrentMirrorImage(App& app) {
    const ImageFormationState& s = ImageFormationOf(app);
    return MirrorImage(s.ObjectX, MirrorFocalPoint(app), s.ObjectHeight);
}

void WriteImageTable(App& app, double a, double f, double G, const OpticalImage& image) {
    const std::string as = FormatReal(1, 2, a);
    const std::string bs = image.Exists ? FormatReal(1, 2, image.b) : "";
    const std::string fs = FormatReal(1, 2, f);
    ResultsTable& t = app.Table;
    t.SetCell(1, 1, as);
    t.SetCell(1, 2, bs);
    t.SetCell(1, 3, fs);
    t.SetCell(1, 4, FormatReal(1, 2, G));
    t.SetCell(1, 5, image.Exists ? FormatReal(1, 2, image.B) : "");
    app.Window.Panel1 = "a=" + as;
    app.Window.Panel2 = "b=" + bs;
    app.Window.Panel3 = "f=" + fs;
}

namespace {

void WriteTable(App& app, const ImageSimulationParts& parts) {
    const ImageFormationState& state = ImageFormationOf(app);
    WriteImageTable(app, state.ObjectX, parts.FocalLength(app), state.ObjectHeight,
                    parts.Image(app));
}

}  // namespace

void DrawImageSimulation(App& app, Event event, bool clearFirst, TCanvas& canvas,
                         const ImageSimulationParts& parts) {
    World& map = app.Map;
    if (event == Event::Redraw) {
        SetupFullHeightWorld(map, 1, clearFirst, canvas, parts.XMin, parts.XMax);
        if (parts.DrawStill != nullptr) parts.DrawStill(app, canvas);
        parts.DrawOptic(app, canvas);
        parts.DrawFigures(app, canvas);
        WriteTable(app, parts);
        return;
    }
    if (event != Event::ScrollBar1 && !IsFunctionKey(event)) return;

    parts.DrawFigures(app, canvas);  // erases them
    if (event == Event::ScrollBar1) {
        ImageFormationOf(app).ObjectX = ObjectPosition(app.Window.ScrollBar1.Position);
    } else if (event == Event::F6) {
        parts.DrawOptic(app, canvas);  // erases it
        FlipViewToggle(app.State, event);
        parts.DrawOptic(app, canvas);
    } else {
        FlipViewToggle(app.State, event);
    }
    parts.DrawFigures(app, canvas);
    WriteTable(app, parts);
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
