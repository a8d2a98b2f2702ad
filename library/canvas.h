// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The drawing surface every simulation draws on: the on-screen picture, a printer
// page or a vector picture. The interface mirrors the classic raster canvas the
// simulations were designed on; implementations live in library/canvas.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "library/translation.h"

namespace viv {

// A colour laid out 0x00BBGGRR: red in the low byte.
using TColor = std::uint32_t;

constexpr TColor RGB(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(TColor c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(TColor c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(TColor c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr TColor clBlack = RGB(0, 0, 0);
constexpr TColor clWhite = RGB(255, 255, 255);
constexpr TColor clRed = RGB(255, 0, 0);
constexpr TColor clLime = RGB(0, 255, 0);
constexpr TColor clGreen = RGB(0, 128, 0);
constexpr TColor clBlue = RGB(0, 0, 255);
constexpr TColor clYellow = RGB(255, 255, 0);
constexpr TColor clAqua = RGB(0, 255, 255);
constexpr TColor clFuchsia = RGB(255, 0, 255);
constexpr TColor clNavy = RGB(0, 0, 128);
constexpr TColor clMaroon = RGB(128, 0, 0);
constexpr TColor clOlive = RGB(128, 128, 0);
constexpr TColor clPurple = RGB(128, 0, 128);
constexpr TColor clTeal = RGB(0, 128, 128);
constexpr TColor clGray = RGB(128, 128, 128);
constexpr TColor clSilver = RGB(192, 192, 192);

enum TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psClear };
enum TPenMode : std::uint8_t { pmCopy, pmNotXor, pmXor, pmMask, pmMerge };
enum TBrushStyle : std::uint8_t { bsSolid, bsClear, bsDiagCross };

// The result of combining pen colour p with the colour d already in the picture.
constexpr TColor CombinePenMode(TPenMode mode, TColor p, TColor d) {
    switch (mode) {
        case pmCopy:
            return p & 0xFFFFFFu;
        case pmNotXor:
            return ~(p ^ d) & 0xFFFFFFu;
        case pmXor:
            return (p ^ d) & 0xFFFFFFu;
        case pmMask:
            return (p & d) & 0xFFFFFFu;
        case pmMerge:
            return (p | d) & 0xFFFFFFu;
    }
    return p & 0xFFFFFFu;
}

struct TPoint {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(TPoint, TPoint) = default;
};

// Right and bottom edges are excluded, as in every box of this interface.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

struct TPen {
    TColor Color = clBlack;
    int Width = 1;  // pixels; 0 draws one-pixel lines like 1
    TPenStyle Style = psSolid;
    TPenMode Mode = pmCopy;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

struct TFont {
    TColor Color = clBlack;
    int Size = 8;  // points (at 96 pixels per inch)
    bool Bold = false;
};

// The 8 x 8 tiles of a picture that its figures change: what an animation puts back from
// its still picture, and what the smooth view filters again, where a box about the
// figures would hold every pixel between the crests of a wave as well.
constexpr int TileSize = 8;  // pixels a side

// Tiles are numbered row by row, TilesAcross(width) to a row.
constexpr int TilesAcross(int width) {
    return (width + TileSize - 1) / TileSize;
}

// The tiles some figures changed. `Exact` only when every changed pixel lies in a listed
// tile; otherwise the list says nothing.
struct TileLog {
    std::vector<std::uint32_t> Tiles;  // may repeat
    bool Exact = false;
};

// Semantics every implementation keeps:
// - the pen mode applies to every line, outline and brush interior; TextOut, FillRect
//   and Pixels always copy;
// - every pixel of one figure is combined exactly once: LineTo leaves out its end
//   pixel, a polyline's joints appear once, an outline is combined over the fill;
// - Rectangle and Ellipse boxes exclude their right and bottom edges;
// - Arc and Pie run counter-clockwise as seen on the picture, from the ray towards
//   (x3, y3) to the ray towards (x4, y4), the points taken as directions;
// - a hatched brush combines only its lines, never its gaps;
// - TextOut with a solid brush fills the text's box with the brush colour first, with
//   a clear brush it draws the glyphs alone.
class TCanvas {
public:
    TPen Pen;
    TBrush Brush;
    TFont Font;
    TPoint PenPos;
    // The catalogue the texts are shown in; none: as the program writes them (Danish).
    const Translation* Words = nullptr;

    TCanvas() = default;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    virtual ~TCanvas() = default;

    // Size of the drawing target in pixels.
    virtual int Width() const = 0;
    virtual int Height() const = 0;

    void MoveTo(int x, int y) { PenPos = {x, y}; }
    virtual void LineTo(int x, int y) = 0;
    virtual void Polyline(const TPoint* points, std::size_t count) = 0;
    virtual void Polygon(const TPoint* points, std::size_t count) = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void FillRect(const TRect& rect) = 0;
    // Text in UTF-8, as the program writes it; a canvas shows and measures it in Words.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;
    // Pixels[x, y]: outside the target a read gives white and a write does nothing.
    virtual TColor GetPixel(int x, int y) const = 0;
    virtual void SetPixel(int x, int y, TColor colour) = 0;
    // The pixels of `rect` (clipped to both targets) := those of `source` at the same
    // place, as SetPixel one by one.
    virtual void CopyRect(const TRect& rect, const TCanvas& source) {
        const int x1 = std::min({rect.Right, Width(), source.Width()});
        const int y1 = std::min({rect.Bottom, Height(), source.Height()});
        for (int y = std::max(rect.Top, 0); y < y1; ++y)
            for (int x = std::max(rect.Left, 0); x < x1; ++x) SetPixel(x, y, source.GetPixel(x, y));
    }
    // Starts (log) or ends (nullptr) a log of the tiles the figures drawn meanwhile
    // change. A canvas that cannot tell leaves the log not exact.
    virtual void LogTiles(TileLog* log) {
        if (log != nullptr) *log = {};
    }
    // The pixels of the tiles of an exact log := those of `source`, as CopyRect tile by
    // tile.
    virtual void CopyTiles(const TileLog& tiles, const TCanvas& source);
    // Pixels[x .. x + count - 1, y] := colours[0 .. count - 1], as SetPixel one by one.
    virtual void SetPixelRow(int x, int y, const TColor* colours, int count) {
        for (int i = 0; i < count; ++i) SetPixel(x + i, y, colours[i]);
    }

    // `text` as this canvas shows it: in Words, if any.
    std::string_view Shown(std::string_view text) const {
        return Words != nullptr ? Words->Translate(text) : text;
    }

    void Polyline(const std::vector<TPoint>& points) { Polyline(points.data(), points.size()); }
    void Polyline(std::initializer_list<TPoint> points) { Polyline(points.begin(), points.size()); }
    void Polygon(const std::vector<TPoint>& points) { Polygon(points.data(), points.size()); }
    void Polygon(std::initializer_list<TPoint> points) { Polygon(points.begin(), points.size()); }
};

}  // namespace viv
