// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The vector canvas: pen modes mapped to the colours they give on white, the raster
// canvas' geometry, and PDF and SVG output.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <climits>
#include <cmath>

#include "library/canvas/vector_canvas.h"

namespace viv {
namespace {

QImage White(int w = 200, int h = 150) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TColor At(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

int Ink(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += static_cast<int>((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF);
    return n;
}

// The colour a mode gives on white, for the pen and the brush.
TEST(VectorCanvasModes, MappedToTheirColourOnWhite) {
    const struct {
        TPenMode mode;
        TColor expected;
    } cases[] = {
        {pmCopy, clRed}, {pmNotXor, clRed}, {pmMask, clRed}, {pmXor, clAqua}, {pmMerge, clWhite}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        QImage image = White();
        {
            VectorCanvas canvas(image);
            EXPECT_EQ(canvas.Width(), 200);
            EXPECT_EQ(canvas.Height(), 150);
            canvas.Pen = {clRed, 3, psSolid, c.mode};
            canvas.Brush = {clRed, bsSolid};
            canvas.MoveTo(10, 20);
            canvas.LineTo(150, 20);
            canvas.Rectangle(20, 50, 80, 100);
            canvas.Ellipse(100, 50, 180, 130);
            canvas.Polyline({{10, 140}, {190, 140}});
        }
        EXPECT_EQ(At(image, 80, 20), c.expected);
        EXPECT_EQ(At(image, 50, 75), c.expected);   // rectangle interior
        EXPECT_EQ(At(image, 140, 90), c.expected);  // ellipse interior
        EXPECT_EQ(At(image, 100, 140), c.expected);
        if (c.mode == pmMerge) {
            EXPECT_EQ(Ink(image), 0);
        }
    }
}

TEST(VectorCanvasGeometry, BoxesArcsAndHatch) {
    QImage image = White();
    {
        VectorCanvas canvas(image);
        canvas.Pen = {clBlack, 1, psSolid, pmNotXor};
        canvas.Rectangle(10, 10, 30, 20);
    }
    int x0 = INT_MAX, y0 = INT_MAX, x1 = -1, y1 = -1;
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x)
            if (At(image, x, y) != clWhite)
                x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x),
                y1 = std::max(y1, y);
    EXPECT_EQ(x0, 10);
    EXPECT_EQ(y0, 10);
    EXPECT_EQ(x1, 29);
    EXPECT_EQ(y1, 19);

    // From the ray towards 45 degrees to the ray towards 135 degrees on a flat ellipse:
    // the directions, not the parametric angles, bound it.
    image = White();
    {
        VectorCanvas canvas(image);
        canvas.Arc(0, 40, 200, 80, 150, 10, 50, 10);
    }
    EXPECT_GT(Ink(image), 0);
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x)
            if (At(image, x, y) != clWhite) {
                EXPECT_LE(std::abs(x - 99.5), 59.5 - y + 2.0) << x << "," << y;
            }

    // A pie of the upper-right quarter, filled.
    image = White();
    {
        VectorCanvas canvas(image);
        canvas.Brush.Color = clBlue;
        canvas.Pie(0, 0, 200, 100, 300, 50, 100, -100);
    }
    EXPECT_EQ(At(image, 150, 25), clBlue);
    EXPECT_EQ(At(image, 50, 25), clWhite);
    EXPECT_EQ(At(image, 150, 75), clWhite);

    // Hatching: lines only, the gaps keep the page.
    image = White();
    {
        VectorCanvas canvas(image);
        canvas.Pen.Style = psClear;
        canvas.Brush = {clGreen, bsDiagCross};
        canvas.Rectangle(0, 0, 200, 150);
    }
    const int ink = Ink(image);
    EXPECT_GT(ink, 200 * 150 / 8);
    EXPECT_LT(ink, 200 * 150 / 2);
    EXPECT_EQ(At(image, 8, 8), clGreen);
    EXPECT_EQ(At(image, 4, 8), clWhite);
}

TEST(VectorCanvasText, TopLeftAndPixels) {
    QImage image = White(300, 80);
    {
        VectorCanvas canvas(image);
        canvas.Font = {clBlack, 14, false};
        canvas.Brush.Style = bsClear;
        const int tw = canvas.TextWidth("Ærø æøå λ"), th = canvas.TextHeight("Ærø æøå λ");
        EXPECT_GT(tw, 50);
        EXPECT_GT(th, 15);
        canvas.TextOut(20, 30, "Ærø æøå λ");
        canvas.SetPixel(2, 3, clRed);
        EXPECT_EQ(canvas.GetPixel(2, 3), clWhite);
    }
    EXPECT_EQ(At(image, 2, 3), clRed);
    int y0 = INT_MAX, x0 = INT_MAX;
    for (int y = 10; y < 80; ++y)
        for (int x = 10; x < 300; ++x)
            if (At(image, x, y) != clWhite) y0 = std::min(y0, y), x0 = std::min(x0, x);
    EXPECT_GE(x0, 20);
    EXPECT_LE(x0, 23);
    EXPECT_GE(y0, 30);
    EXPECT_LE(y0, 35);
}

void DrawEverything(VectorCanvas& c) {
    const int big = 1 << 30;
    c.Pen = {clBlue, 4, psSolid, pmNotXor};
    c.Brush = {clYellow, bsSolid};
    c.Ellipse(50, 50, 300, 200);
    c.Pen = {clRed, 1, psDash, pmXor};
    c.Brush = {clGreen, bsDiagCross};
    c.Polygon({{10, 10}, {400, 50}, {200, 300}, {-big, big}});
    c.Pie(-big, -big, big, big, 0, 0, 1, 0);
    c.Arc(100, 100, 400, 300, 400, 200, 100, 200);
    c.MoveTo(-big, -big);
    c.LineTo(big, big);
    c.Pen.Style = psDashDot;
    c.Polyline({{0, 400}, {500, 10}, {big, 200}});
    c.Brush.Style = bsSolid;
    c.Rectangle(300, 300, 400, 380);
    c.Font = {clBlack, 12, true};
    c.TextOut(20, 20, "Bølge λ = 656 nm");
    c.FillRect({0, 390, 100, 400});
}

TEST(VectorCanvasOutput, PdfAndSvg) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath("picture.pdf");
    {
        QPdfWriter writer(pdf);
        writer.setResolution(300);
        VectorCanvas canvas(writer);
        ASSERT_TRUE(canvas.IsActive());
        EXPECT_GT(canvas.Width(), 2000);
        DrawEverything(canvas);
        canvas.End();
        EXPECT_FALSE(canvas.IsActive());
        canvas.LineTo(5, 5);  // ignored after End
    }
    QFile pdfFile(pdf);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.readAll().startsWith("%PDF"));

    const QString svg = dir.filePath("picture.svg");
    {
        QSvgGenerator generator;
        generator.setFileName(svg);
        generator.setSize(QSize(500, 400));
        generator.setViewBox(QRect(0, 0, 500, 400));
        VectorCanvas canvas(generator);
        ASSERT_TRUE(canvas.IsActive());
        EXPECT_EQ(canvas.Width(), 500);
        DrawEverything(canvas);
    }
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QByteArray text = svgFile.readAll();
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains("</svg>"));
}

}  // namespace
}  // namespace viv
