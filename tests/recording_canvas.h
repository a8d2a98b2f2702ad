// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A canvas that only records what is drawn on it, for tests of drawing routines that
// care about the figures rather than the pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "library/canvas.h"
#include "library/world.h"

namespace viv::test {

// The mapping of a picture of width x height pixels, its aspect worked out and no world
// window set yet.
inline World PictureWorld(int width, int height) {
    World world;
    world.PictureWidth = static_cast<std::uint16_t>(width);
    world.PictureHeight = static_cast<std::uint16_t>(height);
    world.UpdateAspect();
    return world;
}

struct Figure {
    std::string kind;  // "line", "polyline", "polygon", "rectangle", "ellipse", "arc", "pie",
                       // "fill", "text", "pixel"
    std::vector<TPoint> points;
    std::string text;
    TPen pen;
    TBrush brush;
};

class RecordingCanvas : public TCanvas {
public:
    RecordingCanvas(int width = 600, int height = 400) : width_(width), height_(height) {}
    std::vector<Figure> figures;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void LineTo(int x, int y) override {
        Add("line", {PenPos, {x, y}});
        PenPos = {x, y};
    }
    void Polyline(const TPoint* p, std::size_t n) override { Add("polyline", {p, p + n}); }
    void Polygon(const TPoint* p, std::size_t n) override { Add("polygon", {p, p + n}); }
    void Rectangle(int x1, int y1, int x2, int y2) override {
        Add("rectangle", {{x1, y1}, {x2, y2}});
    }
    void Ellipse(int x1, int y1, int x2, int y2) override { Add("ellipse", {{x1, y1}, {x2, y2}}); }
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override {
        Add("arc", {{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}});
    }
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override {
        Add("pie", {{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}});
    }
    void FillRect(const TRect& r) override { Add("fill", {{r.Left, r.Top}, {r.Right, r.Bottom}}); }
    void TextOut(int x, int y, std::string_view text) override {
        Add("text", {{x, y}});
        figures.back().text = std::string(text);
    }
    int TextWidth(std::string_view text) override { return 6 * static_cast<int>(text.size()); }
    int TextHeight(std::string_view /*text*/) override { return 13; }
    TColor GetPixel(int /*x*/, int /*y*/) const override { return clWhite; }
    void SetPixel(int x, int y, TColor /*colour*/) override { Add("pixel", {{x, y}}); }

    std::vector<Figure> Of(const std::string& kind) const {
        std::vector<Figure> out;
        for (const Figure& f : figures)
            if (f.kind == kind) out.push_back(f);
        return out;
    }

private:
    void Add(const char* kind, std::vector<TPoint> points) {
        figures.push_back({kind, std::move(points), {}, Pen, Brush});
    }
    int width_;
    int height_;
};

}  // namespace viv::test
