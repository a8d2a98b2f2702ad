// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Dragging a figure of the picture: the press takes hold of the figure under the pointer,
// every move sets the figure's control to the position the pointer gives, and the release
// lets go. All drawing is the control's own event.
#include "app/drag.h"

#include <algorithm>
#include <cmath>

#include "app/app.h"
#include "app/catalogue.h"
#include "app/scene.h"
#include "library/trig.h"

namespace viv {

namespace {

constexpr std::string_view kDraggingPrefix = " Trækker ";

}  // namespace

WorldPoint PictureToWorld(const World& world, TPoint p) {
    const double width = world.WorldXMax - world.WorldXMin;   // world units
    const double height = world.WorldYMax - world.WorldYMin;  // world units
    if (world.PictureWidth == 0 || world.PictureHeight == 0)
        return {world.WorldXMin, world.WorldYMax};
    return {world.WorldXMin + p.x * width / world.PictureWidth,
            world.WorldYMax - p.y * height / world.PictureHeight};
}

double PixelDistanceToSegment(const World& world, TPoint p, WorldPoint a, WorldPoint b) {
    const double ax = world.PictureX(a.x), ay = world.PictureY(a.y);
    const double bx = world.PictureX(b.x), by = world.PictureY(b.y);
    const double dx = bx - ax, dy = by - ay;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - ax) * dx + (p.y - ay) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (ax + t * dx), p.y - (ay + t * dy));
}

double AngleFrom(WorldPoint centre, WorldPoint w, double zeroAngle, int sense) {
    const double degrees = std::atan2(w.y - centre.y, w.x - centre.x) * 180 / Pi;
    double a = sense * (degrees - zeroAngle);
    a = std::remainder(a, 360.0);
    return a <= -180 ? a + 360 : a;
}

double HoldAngle(double degrees, double lo, double hi) {
    if (degrees >= lo && degrees <= hi) return degrees;
    const auto around = [](double d) { return std::abs(std::remainder(d, 360.0)); };
    return around(degrees - lo) <= around(degrees - hi) ? lo : hi;
}

bool GripsSegment(const Scene& scene, TPoint p, WorldPoint a, WorldPoint b) {
    return PixelDistanceToSegment(scene.Map, p, a, b) <= GripPixels;
}

double IncidencePosition(const Scene& scene, double degrees) {
    const double maximum = scene.State.IncidenceMax;
    return maximum - HoldAngle(degrees, 0, maximum);
}

const DragFigure* App::FigureAt(TPoint p) {
    const CatalogueEntry* entry = catalogue_.Find(State.CurrentSimulation);
    if (entry == nullptr || entry->Drag == nullptr || !Image || Window.Configuring) return nullptr;
    const DragFigure& figure = *entry->Drag;
    const RangeControl& control = Window.Of(figure.Moves);
    if (!control.Visible || !control.Enabled || figure.Grips == nullptr ||
        figure.PositionAt == nullptr)
        return nullptr;
    Scene scene(*this);
    return figure.Grips(scene, p) ? &figure : nullptr;
}

void App::DragTo(TPoint p) {
    if (!moved_ && p == pressedAt_) return;
    moved_ = true;
    const RangeControl& control = Window.Of(held_->Moves);
    Scene scene(*this);
    const double wanted = held_->PositionAt(scene, PictureToWorld(Map, p));
    if (std::isnan(wanted)) return;
    // Rounded to the control's step and held in its range.
    const int position =
        static_cast<int>(std::lround(std::clamp(wanted, double(control.Min), double(control.Max))));
    Window.MessagePanel = underDrag_;
    if (position != control.Position) ControlChange(held_->Moves, position);
    underDrag_ = Window.MessagePanel;
    Window.MessagePanel = std::string(kDraggingPrefix) + std::string(held_->Name);
}

void App::PictureMouseDown(TPoint p) {
    if (held_ != nullptr) PictureMouseUp(p);
    const DragFigure* figure = FigureAt(p);
    if (figure == nullptr) {
        ImageMouseDown();
        return;
    }
    held_ = figure;
    heldIn_ = State.CurrentSimulation;
    pressedAt_ = p;
    moved_ = false;
    Window.Cursor = PictureCursor::ClosedHand;
    if (figure->Take) {
        Scene scene(*this);
        figure->Take(scene);
    }
    underDrag_ = Window.MessagePanel;
    Window.MessagePanel = std::string(kDraggingPrefix) + std::string(figure->Name);
}

void App::PictureMouseMove(TPoint p) {
    // Another simulation chosen meanwhile (with the keyboard) ends the drag.
    if (held_ != nullptr && heldIn_ != State.CurrentSimulation) {
        held_ = nullptr;
        Window.Cursor = PictureCursor::Arrow;
    }
    if (held_ != nullptr) {
        DragTo(p);
        return;
    }
    ImageMouseMove();
    Window.Cursor = FigureAt(p) != nullptr ? PictureCursor::OpenHand : PictureCursor::Arrow;
}

void App::PictureMouseUp(TPoint p) {
    if (held_ == nullptr) return;
    const DragFigure* figure = held_;
    if (heldIn_ == State.CurrentSimulation) {
        DragTo(p);
        Window.MessagePanel = underDrag_;
        held_ = nullptr;
        if (figure->LetGo) {
            Scene scene(*this);
            figure->LetGo(scene, moved_);
        }
    }
    held_ = nullptr;
    Window.Cursor = FigureAt(p) != nullptr ? PictureCursor::OpenHand : PictureCursor::Arrow;
}

}  // namespace viv
