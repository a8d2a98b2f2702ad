// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gui/picture_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <utility>

#include "app/app.h"
#include "library/canvas/raster_canvas.h"

namespace viv {

namespace {
const QImage* PictureOf(const App& app) {
    const auto* raster = dynamic_cast<const RasterCanvas*>(app.Image.get());
    return raster != nullptr ? &raster->Image() : nullptr;
}
}  // namespace

PictureView::PictureView(App& app, QWidget* parent) : QWidget(parent), app_(app) {
    setObjectName(QStringLiteral("Image"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setStatusTip(QStringLiteral(" 1"));
}

const QImage* PictureView::ShownPicture() {
    auto* raster = dynamic_cast<RasterCanvas*>(app_.Image.get());
    if (raster == nullptr) return nullptr;
    if (app_.Window.DrawingScale <= 1) return &std::as_const(*raster).Image();
    return &reduced_.Update(*raster, app_.Window.DrawingScale);
}

void PictureView::SyncFromModel() {
    app_.ShowPicture();
    const QImage* picture = PictureOf(app_);
    // The picture is in its own pixels (device pixels times the drawing scale); the
    // widget covers it in layout pixels.
    const qreal ratio = app_.Window.PixelRatio;
    const QSize size = picture != nullptr
                           ? QSize(static_cast<int>(std::ceil(picture->width() / ratio - 1e-9)),
                                   static_cast<int>(std::ceil(picture->height() / ratio - 1e-9)))
                           : QSize(0, 0);
    if (this->size() != size) resize(size);
    switch (app_.Window.Cursor) {
        case PictureCursor::Arrow:
            unsetCursor();
            break;
        case PictureCursor::OpenHand:
            setCursor(Qt::OpenHandCursor);
            break;
        case PictureCursor::ClosedHand:
            setCursor(Qt::ClosedHandCursor);
            break;
    }
    update();
}

void PictureView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    app_.ShowPicture();
    const QImage* picture = ShownPicture();
    if (picture == nullptr) {
        painter.fillRect(area, Qt::white);
        return;
    }
    // Device pixel for device pixel: never scaled by the painter, so never blurred.
    const qreal ratio = devicePixelRatioF();
    const QRectF source(area.left() * ratio, area.top() * ratio, area.width() * ratio,
                        area.height() * ratio);
    painter.drawImage(QRectF(area), *picture, source);
    // The widget may briefly be larger than a freshly made picture.
    const QRect shown(0, 0, static_cast<int>(picture->width() / ratio),
                      static_cast<int>(picture->height() / ratio));
    const QRegion rest = QRegion(area) - QRegion(shown);
    for (const QRect& r : rest) painter.fillRect(r, Qt::white);
}

QPoint PictureView::PicturePixel(const QMouseEvent& event) const {
    const QPointF p = event.position() * app_.Window.PixelRatio;
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
    // A release the widget never saw (a message box took the mouse meanwhile) lets go.
    if (app_.Dragging() && !(event->buttons() & Qt::LeftButton))
        emit MouseReleased(PicturePixel(*event));
    emit MouseMoved(PicturePixel(*event));
}

// The left button takes hold of a figure (a touch comes as the left button).
void PictureView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit MousePressed(PicturePixel(*event));
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit MouseReleased(PicturePixel(*event));
}

}  // namespace viv
