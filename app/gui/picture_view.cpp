#include "app/gui/picture_view.h"

#include <QPaintEvent>
#include <QPainter>

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

void PictureView::SyncFromModel() {
    const QImage* picture = PictureOf(app_);
    const QSize size = picture != nullptr ? picture->size() : QSize(0, 0);
    if (this->size() != size) resize(size);
    update();
}

void PictureView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    const QImage* picture = PictureOf(app_);
    if (picture == nullptr) {
        painter.fillRect(area, Qt::white);
        return;
    }
    painter.drawImage(area.topLeft(), *picture, area);
    // The widget may briefly be larger than a freshly made picture.
    const QRegion rest = QRegion(area) - QRegion(picture->rect());
    for (const QRect& r : rest) painter.fillRect(r, Qt::white);
}

void PictureView::mouseMoveEvent(QMouseEvent* /*event*/) {
    emit MouseMoved();
}

void PictureView::mousePressEvent(QMouseEvent* /*event*/) {
    emit MousePressed();
}

}  // namespace viv
