// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The picture at the screen's device pixel ratio: drawn in device pixels and shown 1:1,
// with pens and fonts scaled as on a printer page. CTest runs these once more with
// QT_SCALE_FACTOR=2; at ratio 1 they check the same rules.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QWidget>
#include <memory>

#include "app/main_menu.h"
#include "gui/main_window.h"
#include "gui/qt_host.h"
#include "library/canvas/raster_canvas.h"
#include "main_window_checks.h"
#include "sims/simulations.h"

namespace viv {
namespace {

const QImage& Picture(App& app) {
    return dynamic_cast<RasterCanvas&>(*app.Image).Image();
}

using test::ChooseFromMenu;

TEST(HighDpi, DevicePixelsRoundDownSoThatNoScrollBarIsNeeded) {
    EXPECT_EQ(DevicePixels(QSize(613, 473), 1.0), QSize(613, 473));
    EXPECT_EQ(DevicePixels(QSize(613, 473), 2.0), QSize(1226, 946));
    EXPECT_EQ(DevicePixels(QSize(613, 473), 1.5), QSize(919, 709));
    EXPECT_EQ(DevicePixels(QSize(3, 3), 1.25), QSize(3, 3));
}

TEST(HighDpi, TextIsSizedAtTheScreensResolution) {
    RasterCanvas normal(200, 100), twice(200, 100);
    twice.SetPixelsPerInch(192.0);
    normal.Font.Size = twice.Font.Size = 10;
    const int h1 = normal.TextHeight("Primær vivarno"), h2 = twice.TextHeight("Primær vivarno");
    EXPECT_NEAR(h2, 2 * h1, 2);
    // Widths follow within the hinting of the face's two sizes.
    const int w1 = normal.TextWidth("Primær vivarno");
    EXPECT_NEAR(twice.TextWidth("Primær vivarno"), 2 * w1, 0.1 * 2 * w1);
}

TEST(HighDpi, ThePictureIsDrawnInDevicePixelsAndShownOneToOne) {
    auto window = std::make_unique<MainWindow>(AllSimulations(), test::DataEnvironment());
    window->show();
    QApplication::processEvents();
    const double ratio = window->devicePixelRatioF();
    EXPECT_EQ(window->host().DevicePixelRatio(), ratio);
    ChooseFromMenu(*window, 7);
    App& app = window->app();
    QWidget* view = nullptr;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->metaObject()->className() == std::string("viv::PictureView")) view = w;
    ASSERT_NE(view, nullptr);
    // The picture fills the area in device pixels; its widget covers it in layout pixels.
    EXPECT_EQ(QSize(Picture(app).width(), Picture(app).height()), window->host().PictureArea());
    EXPECT_NEAR(view->width() * ratio, Picture(app).width(), ratio);
    EXPECT_NEAR(view->height() * ratio, Picture(app).height(), ratio);
    EXPECT_EQ(app.Map.PenWidth, std::max(1, static_cast<int>(std::lround(ratio))));

    // The widget shows the picture pixel for pixel.
    const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.size(), Picture(app).size());
    if (shown.size() == Picture(app).size()) {
        EXPECT_EQ(shown, Picture(app));
    }

    // The cursor over a layout pixel of the picture reads as the device pixel under it.
    QCursor::setPos(view->mapToGlobal(QPoint(30, 40)));
    if (QCursor::pos() == view->mapToGlobal(QPoint(30, 40))) {
        const PointerSource& pointer = window->host().Pointer();
        const TPoint at{pointer.CursorPos().x - pointer.PictureOrigin().x,
                        pointer.CursorPos().y - pointer.PictureOrigin().y};
        EXPECT_NEAR(at.x, 30 * ratio, 1);
        EXPECT_NEAR(at.y, 40 * ratio, 1);
    }

    // A figure drawn twice leaves no trace at this ratio too.
    const QImage before = Picture(app).copy();
    app.FKeyClick(FKey::F5);
    app.FKeyClick(FKey::F5);
    EXPECT_EQ(Picture(app), before);
    // Moved and moved back, the bar's figures are erased and drawn anew without a trace.
    const int start = app.Window.ScrollBar1.Position;
    const int other = start + 5 <= app.Window.ScrollBar1.Max ? start + 5 : start - 5;
    app.ControlChange(Control::ScrollBar1, other);
    app.ControlChange(Control::ScrollBar1, start);
    EXPECT_EQ(Picture(app), before);
}

}  // namespace
}  // namespace viv
