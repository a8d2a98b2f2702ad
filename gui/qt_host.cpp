// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gui/qt_host.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <QLayout>
#include <QMessageBox>
#include <QWidget>
#include <cmath>
#include <utility>

#include "app/drawing_scale.h"
#include "app/window_model.h"
#include "gui/control_panel_view.h"
#include "library/canvas/raster_canvas.h"

namespace viv {

namespace {

// Lays out the widget's own layout and then those of the widgets down to `target`, so
// that sizes are right at once, even before the window is first shown.
void LayOutDownTo(QWidget* top, QWidget* target) {
    std::vector<QWidget*> chain;
    for (QWidget* w = target; w != nullptr; w = w->parentWidget()) {
        chain.push_back(w);
        if (w == top) break;
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        if (QLayout* layout = (*it)->layout()) layout->activate();
}

}  // namespace

QSize DevicePixels(QSize layout, double ratio) {
    return {static_cast<int>(std::floor(layout.width() * ratio + 1e-9)),
            static_cast<int>(std::floor(layout.height() * ratio + 1e-9))};
}

QtHost::QtHost() {
    clock_.start();
}

QtHost::~QtHost() = default;

void QtHost::Bind(const Widgets& widgets) {
    widgets_ = widgets;
    pointer_.picture = widgets.Picture;
}

std::unique_ptr<TCanvas> QtHost::CreatePicture(int width, int height) {
    auto picture = std::make_unique<RasterCanvas>(width, height);
    picture->SetPixelsPerInch(96.0 * pointer_.ratio * zoom_);
    return picture;
}

std::unique_ptr<TCanvas> QtHost::CopyPicture(const TCanvas& picture) {
    const auto* raster = dynamic_cast<const RasterCanvas*>(&picture);
    if (raster == nullptr) return Host::CopyPicture(picture);
    auto copy =
        std::make_unique<RasterCanvas>(raster->Image());  // shares the pixels until drawn on
    copy->SetPixelsPerInch(96.0 * pointer_.ratio * zoom_);
    return copy;
}

QString QtHost::Words(std::string_view danish) const {
    const std::string_view text = words_ ? words_(danish) : danish;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void QtHost::ShowMessage(std::string_view danish, MessageKind kind) {
    const QString message = Words(danish);
    std::erase_if(messages_, [](const QPointer<QMessageBox>& box) { return box.isNull(); });
    for (const QPointer<QMessageBox>& box : messages_) {
        if (box->isVisible() && box->text() == message) {
            box->raise();
            return;
        }
    }
    const bool warning = kind == MessageKind::Warning;
    auto* box = new QMessageBox(warning ? QMessageBox::Warning : QMessageBox::Information,
                                Words(warning ? "Advarsel" : "Information"), message,
                                QMessageBox::Ok, widgets_.Window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    messages_.emplace_back(box);
    box->show();
}

void QtHost::SetDevicePixelRatio(double ratio) {
    devicePixelRatio_ = ratio > 0 ? ratio : 1.0;
    pointer_.ratio = devicePixelRatio_ * drawingScale_;
}

QSize QtHost::PictureArea() {
    if (widgets_.ScrollBox == nullptr) return {};
    LayOutDownTo(widgets_.Window, widgets_.ScrollBox);
    if (widgets_.ScrollPanel != nullptr) {
        // The control panel takes a scroll bar while the window is too low for it.
        const int before = widgets_.ScrollPanel->Box()->width();
        widgets_.ScrollPanel->FitBox();
        if (widgets_.ScrollPanel->Box()->maximumWidth() != before)
            LayOutDownTo(widgets_.Window, widgets_.ScrollBox);
    }
    // The whole area, as if no scroll bars were needed: a picture of this size needs none.
    const QSize area = widgets_.ScrollBox->maximumViewportSize();
    const QSize shown = DevicePixels(area, devicePixelRatio_);
    drawingScale_ = smooth_ ? SmoothScale(shown.width(), shown.height()) : 1;
    pointer_.ratio = devicePixelRatio_ * drawingScale_;
    return shown * drawingScale_;
}

void QtHost::StoreArea(MainWindowModel& window, QSize area) const {
    window.ScrollBoxWidth = area.width();
    window.ScrollBoxHeight = area.height();
    window.DrawingScale = drawingScale_;
    window.PixelRatio = pointer_.ratio;
}

void QtHost::LayoutChanged(MainWindowModel& window) {
    smooth_ = window.SmoothDrawing;
    zoom_ = window.Zoom;
    // The panel takes the width its rows need, whatever the model's width.
    if (widgets_.ScrollPanel != nullptr) widgets_.ScrollPanel->FitBox();
    StoreArea(window, PictureArea());
}

std::uint32_t QtHost::Milliseconds() {
    return static_cast<std::uint32_t>(clock_.elapsed());
}

bool QtHost::TakeScrollBar1Focus() {
    return std::exchange(scrollBar1FocusWanted_, false);
}

std::vector<QMessageBox*> QtHost::OpenMessages() const {
    std::vector<QMessageBox*> open;
    for (const QPointer<QMessageBox>& box : messages_)
        if (!box.isNull() && box->isVisible()) open.push_back(box.data());
    return open;
}

// The cursor and the picture's place in device pixels, so that the cursor's offset from
// the origin is a pixel of the picture at any ratio.
TPoint QtHost::Cursor::CursorPos() const {
    const QPointF p = QPointF(QCursor::pos()) * ratio;
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

TPoint QtHost::Cursor::PictureOrigin() const {
    if (picture.isNull()) return {};
    const QPointF p = QPointF(picture->mapToGlobal(QPoint(0, 0))) * ratio;
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

TPoint QtHost::Cursor::PictureSize() const {
    if (picture.isNull()) return {};
    const QSize size = DevicePixels(picture->size(), ratio);
    return {size.width(), size.height()};
}

}  // namespace viv
