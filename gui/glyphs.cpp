// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gui/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QtMath>
#include <cmath>

namespace viv {

namespace {

constexpr QColor kRunGreen{0, 128, 0};
constexpr QColor kStopRed{176, 0, 0};
constexpr QColor kInk{0, 0, 0};
constexpr QColor kDialFace{255, 255, 224};

// Paints a glyph on a 16 x 16 grid at the given pixel size.
template <class Paint>
QPixmap Glyph(int size, Paint paint) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / double(GlyphSize), size / double(GlyphSize));
    paint(p);
    return pixmap;
}

void PaintRun(QPainter& p) {
    const QPolygonF triangle{{4.0, 2.5}, {13.0, 8.0}, {4.0, 13.5}};
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kRunGreen);
    p.drawPolygon(triangle);
}

void PaintStop(QPainter& p) {
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kStopRed);
    p.drawRect(QRectF(3.5, 3.5, 9.0, 9.0));
}

// needleDegrees: 0 points right, 180 left.
void PaintSpeedometer(QPainter& p, double needleDegrees, QColor needle) {
    const QPointF centre(8.0, 11.0);
    const double radius = 7.0;
    QPainterPath dial;
    dial.moveTo(centre);
    dial.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 0, 180);
    dial.closeSubpath();
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kDialFace);
    p.drawPath(dial);
    // The scale: five ticks along the rim.
    for (int i = 0; i <= 4; ++i) {
        const double a = qDegreesToRadians(180.0 - 45.0 * i);
        const QPointF dir(std::cos(a), -std::sin(a));
        p.drawLine(centre + dir * (radius - 2.0), centre + dir * (radius - 0.5));
    }
    const double a = qDegreesToRadians(needleDegrees);
    p.setPen(QPen(needle, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(std::cos(a), -std::sin(a)) * (radius - 1.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(centre, 1.2, 1.2);
}

void PaintStep(QPainter& p) {
    const QPolygonF triangle{{3.0, 3.0}, {10.0, 8.0}, {3.0, 13.0}};
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kRunGreen);
    p.drawPolygon(triangle);
    p.setBrush(kInk);
    p.drawRect(QRectF(11.0, 3.0, 2.0, 10.0));
}

template <class Paint>
void AddSizes(QIcon& icon, QIcon::State state, Paint paint) {
    for (const int size : {GlyphSize, 2 * GlyphSize})
        icon.addPixmap(Glyph(size, paint), QIcon::Normal, state);
}

}  // namespace

QIcon RunStopGlyph() {
    QIcon icon;
    AddSizes(icon, QIcon::Off, PaintRun);
    AddSizes(icon, QIcon::On, PaintStop);
    return icon;
}

QIcon SpeedometerGlyph() {
    QIcon icon;
    AddSizes(icon, QIcon::Off, [](QPainter& p) { PaintSpeedometer(p, 30.0, kRunGreen); });
    AddSizes(icon, QIcon::On, [](QPainter& p) { PaintSpeedometer(p, 150.0, kStopRed); });
    return icon;
}

QIcon StepGlyph() {
    QIcon icon;
    AddSizes(icon, QIcon::Off, PaintStep);
    return icon;
}

}  // namespace viv
