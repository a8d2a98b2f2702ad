// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Printing and copying: the data lists, the whole picture printed on a PDF page and the
// vector copy of the picture, at the program's largest picture size (720 x 540).
#include <benchmark/benchmark.h>

#include "app/app.h"
#include "app/print_layout.h"
#include "gui/headless_host.h"
#include "sims/simulations.h"
#include "windows/page_file.h"

namespace viv {
namespace {

constexpr int kW = 720;
constexpr int kH = 540;

struct BenchApp {
    HeadlessHost host;
    App app{host, AllSimulations()};
    explicit BenchApp(std::uint16_t simulation) {
        StartupEnvironment env;
        env.SetupFileCandidates.clear();
        host.SetPictureArea(app.Window, kW, kH);
        app.FormCreate(env);
        app.FormResize();
        app.MenuEntry(simulation);
    }
};

// Filling the data list of one simulation (10 solves a ray pair for every row).
void BM_DataList(benchmark::State& state) {
    BenchApp b(static_cast<std::uint16_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(CurrentDataList(b.app));
}
BENCHMARK(BM_DataList)
    ->Arg(3)
    ->Arg(4)
    ->Arg(7)
    ->Arg(9)
    ->Arg(10)
    ->Arg(11)
    ->Unit(benchmark::kMicrosecond);

// "Udskriv &Graf..." of the drop with its table on a PDF page, with the screen redrawn after.
void BM_PrintPictureToPdf(benchmark::State& state) {
    BenchApp b(7);
    const std::string path = "/tmp/vivarnon-print-bench.pdf";
    for (auto _ : state) {
        std::string error;
        std::unique_ptr<PageFile> pdf = OpenPdfFile(path, false, error);
        {
            PicturePrintScope scope(b.app);
            PictureRequest request;
            request.PrintWidth = 3400;
            request.PrintHeight = 2550;
            request.TableToo = true;
            scope.Print(*pdf, request);
        }
        pdf->Finish(error);
    }
}
BENCHMARK(BM_PrintPictureToPdf)->Unit(benchmark::kMillisecond);

// "Kopi som &Metafile" of the drop: the SVG kept in memory, the screen redrawn after.
void BM_VectorCopy(benchmark::State& state) {
    BenchApp b(7);
    for (auto _ : state) {
        SvgFile svg("", kW, kH);
        DrawVectorCopy(b.app, svg.Page());
        std::string error;
        svg.Finish(error);
        benchmark::DoNotOptimize(svg.SvgBytes().size());
    }
}
BENCHMARK(BM_VectorCopy)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace viv
