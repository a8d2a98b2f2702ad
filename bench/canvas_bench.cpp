// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The raster canvas on the picture size of the program (720 x 540) in pmNotXor, the mode
// of every incremental redraw.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "library/canvas/raster_canvas.h"

namespace viv {
namespace {

constexpr int kW = 720;
constexpr int kH = 540;

std::vector<TPoint> SineCurve(int n) {
    std::vector<TPoint> pts;
    pts.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double x = i * (kW - 1.0) / (n - 1);
        pts.push_back({static_cast<int>(std::lround(x)),
                       static_cast<int>(std::lround(kH / 2.0 + 200.0 * std::sin(x * 0.05)))});
    }
    return pts;
}

void BM_Polyline1000NotXor(benchmark::State& state) {
    RasterCanvas canvas(kW, kH);
    canvas.Pen = {clRed, static_cast<int>(state.range(0)), psSolid, pmNotXor};
    const std::vector<TPoint> pts = SineCurve(1000);
    for (auto _ : state) {
        canvas.Polyline(pts);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Polyline1000NotXor)->Arg(1)->Arg(3);

void BM_LineToChain10NotXor(benchmark::State& state) {
    RasterCanvas canvas(kW, kH);
    canvas.Pen = {clBlue, 1, psSolid, pmNotXor};
    for (auto _ : state) {
        canvas.MoveTo(20, 20);
        for (int i = 1; i <= 10; ++i) canvas.LineTo(20 + i * 68, i % 2 == 0 ? 20 : 520);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_LineToChain10NotXor);

void BM_FilledEllipseR100NotXor(benchmark::State& state) {
    RasterCanvas canvas(kW, kH);
    canvas.Pen = {clBlue, static_cast<int>(state.range(0)), psSolid, pmNotXor};
    canvas.Brush = {clYellow, bsSolid};
    for (auto _ : state) {
        canvas.Ellipse(260, 170, 460, 370);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FilledEllipseR100NotXor)->Arg(1)->Arg(3);

// Large filled figures should cost about as much as writing their pixels: a quarter
// sector and the whole disc of radius 1000 on a picture that holds them.
void BM_FilledPieR1000(benchmark::State& state) {
    RasterCanvas canvas(2048, 2048);
    canvas.Pen = {clBlue, 1, psSolid, pmNotXor};
    canvas.Brush = {clYellow, bsSolid};
    // From the east counter-clockwise to the north (a quarter) or to the south (three quarters).
    const int endY = state.range(0) == 0 ? 24 : 2024;
    for (auto _ : state) {
        canvas.Pie(24, 24, 2024, 2024, 2024, 1024, 1024, endY);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FilledPieR1000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_FilledEllipseR1000(benchmark::State& state) {
    RasterCanvas canvas(2048, 2048);
    canvas.Pen = {clBlue, 1, psSolid, pmNotXor};
    canvas.Brush = {clYellow, bsSolid};
    for (auto _ : state) {
        canvas.Ellipse(24, 24, 2024, 2024);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FilledEllipseR1000)->Unit(benchmark::kMillisecond);

void BM_FilledPolygonR1000(benchmark::State& state) {
    RasterCanvas canvas(2048, 2048);
    canvas.Pen = {clBlue, 1, psSolid, pmNotXor};
    canvas.Brush = {clYellow, bsSolid};
    std::vector<TPoint> star;
    for (int i = 0; i < 64; ++i) {
        const double a = i * 2.0 * 3.14159265358979 / 64.0;
        const double r = i % 2 == 0 ? 1000.0 : 400.0;
        star.push_back({static_cast<int>(std::lround(1024 + r * std::cos(a))),
                        static_cast<int>(std::lround(1024 - r * std::sin(a)))});
    }
    for (auto _ : state) {
        canvas.Polygon(star);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FilledPolygonR1000)->Unit(benchmark::kMillisecond);

void BM_TextOut(benchmark::State& state) {
    RasterCanvas canvas(kW, kH);
    canvas.Font = {clBlack, 10, false};
    canvas.Brush = {clWhite, bsSolid};
    for (auto _ : state) {
        canvas.TextOut(100, 100, "Brydningsvinkel λ = 41,3° (æøå)");
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TextOut);

}  // namespace
}  // namespace viv
