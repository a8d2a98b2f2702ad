// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The simulation picture on the screen: shows the core's picture unscaled at its own size
// inside the scroll box and reports the mouse over it, in picture pixels.
#pragma once

#include <QPoint>
#include <QWidget>

#include "library/canvas/reduced_picture.h"

namespace viv {

class App;

class PictureView : public QWidget {
    Q_OBJECT

public:
    explicit PictureView(App& app, QWidget* parent = nullptr);

    // Takes the size of the core's current picture and the cursor the core asks for, and
    // repaints the picture.
    void SyncFromModel();

signals:
    // Picture pixels; while a button is held they may lie off the picture.
    void MouseMoved(QPoint picturePixel);
    void MousePressed(QPoint picturePixel);
    void MouseReleased(QPoint picturePixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint PicturePixel(const QMouseEvent& event) const;
    // The picture as shown, in device pixels: the core's picture, or its reduction when
    // it is drawn larger for smooth drawing; nullptr while there is none.
    const QImage* ShownPicture();

    App& app_;
    ReducedPicture reduced_;
};

}  // namespace viv
