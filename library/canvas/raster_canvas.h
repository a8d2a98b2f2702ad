// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The canvas of the on-screen picture: a QImage (Format_RGB32) drawn pixel-exactly, with
// no antialiasing, keeping the classic raster semantics of TCanvas (see canvas.h):
// - every figure is first collected as pixel coverage (its outline apart from its
//   interior) and then combined with the picture once per pixel in Pen.Mode, so a
//   figure drawn twice in pmNotXor leaves no trace;
// - one-pixel lines are Bresenham lines clipped exactly (the pixels inside the picture do
//   not depend on how far outside the end points lie); LineTo leaves out its end pixel,
//   so that a chain of LineTo calls hits each joint once; Polyline draws its last point;
// - wider pens are solid with round caps and joins;
// - TextOut, FillRect and SetPixel copy.
#pragma once

#include <QFont>
#include <QImage>
#include <climits>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "library/canvas.h"
#include "library/rgb_image.h"

namespace viv {

// A text written on the picture: the box its glyphs' ink covers (pixels) and the text.
struct WrittenText {
    TRect ink;
    std::string text;
};

class RasterCanvas : public TCanvas {
public:
    // A white picture.
    RasterCanvas(int width, int height);
    explicit RasterCanvas(const RgbImage& image);
    // Any QImage; converted to Format_RGB32.
    explicit RasterCanvas(const QImage& image);
    ~RasterCanvas() override;

    // The picture. It may be replaced or painted on directly; a replacement in another
    // format is converted to Format_RGB32 at the next drawing operation.
    const QImage& Image() const { return image_; }
    QImage& Image() {  // whoever paints on it directly may change any pixel
        MarkAllChanged();
        return image_;
    }
    RgbImage ToRgbImage() const;
    bool SavePng(const std::string& path) const;
    // The resolution text is sized at: 96 pixels an inch on a screen of ratio 1, 192 on a
    // screen of device pixel ratio 2, so that a picture drawn in device pixels keeps its
    // proportions.
    void SetPixelsPerInch(double pixelsPerInch) { pixelsPerInch_ = pixelsPerInch; }

    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }

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
    TColor GetPixel(int x, int y) const override;
    void SetPixel(int x, int y, TColor colour) override;
    void SetPixelRow(int x, int y, const TColor* colours, int count) override;
    void CopyRect(const TRect& rect, const TCanvas& source) override;

    void LogTiles(TileLog* log) override;
    void CopyTiles(const TileLog& tiles, const TCanvas& source) override;

    // The box of the pixels changed since the last call (empty if none), for a view that
    // shows the picture reduced and filters again only what changed. Conservative: it may
    // hold pixels that did not change. Where every change since was a wide pen's outline
    // or a copy of tiles, *tiles (if given) lists the changed tiles (with repeats), which
    // the box holds; otherwise it is left empty.
    TRect TakeChanged(std::vector<std::uint32_t>* tiles = nullptr);
    void MarkAllChanged() { Changed(INT32_MIN / 2, INT32_MIN / 2, INT32_MAX / 2, INT32_MAX / 2); }

    // While a log is set, every TextOut with visible glyphs adds where they lie, inside
    // the picture or not; with `hide` the texts are logged but not written, which leaves
    // the picture as it is beneath them.
    void LogTexts(std::vector<WrittenText>* log, bool hide = false) {
        textLog_ = log;
        hideTexts_ = hide;
    }

    using TCanvas::Polygon;
    using TCanvas::Polyline;

    class Figure;  // the coverage of one figure being drawn (raster_canvas.cpp)

private:
    struct CachedFont;
    struct FontCache;
    Figure& BeginFigure();
    // Forgets the changed tiles, keeping the box, once they are more than the picture has.
    void LetGoOfLongTileList();
    void EllipticFigure(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, int kind);
    const CachedFont& CurrentFont();
    // How many times larger than its layout the picture is drawn (smooth drawing, zoom),
    // by which a wide pen's dashes grow.
    int DashScale() const;
    // Adds the box [left, right) x [top, bottom) to the changed pixels; unless the
    // figure changing them logs its tiles itself (tileByTile), the changed tiles are known
    // no longer.
    void Changed(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                 bool tileByTile = false);
    // The same for a figure's box with the pen's reach beyond it.
    void FigureChanged(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                       bool tileByTile = false);

    QImage image_;
    std::unique_ptr<Figure> figure_;
    std::unique_ptr<FontCache> font_;
    double pixelsPerInch_ = 96.0;
    TRect changed_{0, 0, INT32_MAX, INT32_MAX};  // empty while Left >= Right; new: all
    std::vector<std::uint32_t> changedTiles_;    // since TakeChanged, while changedTilesExact_
    bool changedTilesExact_ = false;
    TileLog* tileLog_ = nullptr;
    std::vector<std::uint8_t> tileSeen_;  // scratch for CopyTiles
    std::vector<WrittenText>* textLog_ = nullptr;
    bool hideTexts_ = false;
};

}  // namespace viv
