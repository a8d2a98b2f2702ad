// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The canvas of printer pages and vector pictures: a QPainter on any QPaintDevice (a
// QPdfWriter, a QSvgGenerator, a QPrinter, or a QImage used as a device).
//
// Vector engines know no raster operations, and the page is white, so each pen mode is
// drawn as the colour it would give on white: pmCopy, pmNotXor and pmMask draw the colour
// itself, pmXor its complement, and pmMerge gives white, so nothing is drawn. TextOut,
// FillRect and SetPixel draw their colours as they are. The geometry follows the raster
// canvas (boxes without their right and bottom edges, arcs by direction, hatch aligned to
// the origin, text by its top-left corner); one device pixel is one canvas pixel, fonts
// are sized in points at the device's resolution, and the dash and hatch patterns are
// scaled by the device's resolution / 96 so that they look as on the screen.
#pragma once

#include <QPainter>
#include <optional>
#include <string_view>
#include <vector>

#include "library/canvas.h"

class QPaintDevice;
class QPainterPath;

namespace viv {

namespace canvas_internal {
struct PointD;
struct EllipseBox;
struct AngleRange;
}  // namespace canvas_internal

class VectorCanvas : public TCanvas {
public:
    // Begins painting on the device; painting ends with End() or on destruction.
    explicit VectorCanvas(QPaintDevice& device);
    ~VectorCanvas() override;

    bool IsActive() const { return painter_.isActive(); }
    // Ends painting (needed before a QPdfWriter's or QSvgGenerator's file is complete).
    // Drawing afterwards does nothing.
    void End();
    QPainter& Painter() { return painter_; }

    int Width() const override;
    int Height() const override;

    void LineTo(int x, int y) override;
    void Polyline(const TPoint* points, std::size_t count) override;
    void Polygon(const TPoint* points, std::size_t count) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void FillRect(const TRect& rect) override;
    void TextOut(int x, int y, std::string_view text) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;
    // A vector target cannot be read: always white.
    TColor GetPixel(int x, int y) const override;
    void SetPixel(int x, int y, TColor colour) override;

    using TCanvas::Polygon;
    using TCanvas::Polyline;

private:
    std::optional<TColor> ModeColour(TColor colour) const;
    double PatternScale() const;
    // Strokes a path given in pixel-index coordinates with the pen (mode mapped), clipped
    // to the page; one-pixel dashed pens are dashed here, continuing over the segments.
    void Stroke(const std::vector<canvas_internal::PointD>& points, bool closed);
    // Fills an area given in page coordinates with the brush (mode mapped).
    void Fill(const QPainterPath& area);
    void Hatch(const QPainterPath& area, const QColor& colour);
    void EllipticFigure(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, int kind);
    QFont CurrentFont() const;

    QPaintDevice& device_;
    QPainter painter_;
};

}  // namespace viv
