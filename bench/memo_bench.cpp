// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The guidance text: reading Vivarnon.rtf into the memo's document and writing it back.
// The file is looked for as $VIVARNON_DATA/Vivarnon.rtf, then data/Vivarnon.rtf and
// ../data/Vivarnon.rtf from the current directory.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/memo_text.h"
#include "bench/data_file.h"
#include "library/rtf_reader.h"
#include "library/rtf_writer.h"

namespace viv {
namespace {

// The bytes of the guidance text, or none where the file is not found.
std::string GuidanceBytes() {
    const std::string path = bench::FindDataFile("Vivarnon.rtf");
    if (path.empty()) return {};
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void BM_ReadGuidance(benchmark::State& state) {
    const std::string bytes = GuidanceBytes();
    if (bytes.empty()) {
        state.SkipWithError("Vivarnon.rtf not found: set VIVARNON_DATA or run from the repository");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(ReadRtf(bytes));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadGuidance)->Unit(benchmark::kMillisecond);

void BM_WriteGuidance(benchmark::State& state) {
    const RtfDocument document = ReadRtf(GuidanceBytes()).Document;
    for (auto _ : state) benchmark::DoNotOptimize(WriteRtf(document));
}
BENCHMARK(BM_WriteGuidance)->Unit(benchmark::kMillisecond);

// "&Kopi" of the whole guidance text.
void BM_CopyGuidance(benchmark::State& state) {
    const std::string text = ReadRtf(GuidanceBytes()).Document.PlainText();
    for (auto _ : state) benchmark::DoNotOptimize(MemoCopyText(text, '\t'));
}
BENCHMARK(BM_CopyGuidance)->Unit(benchmark::kMillisecond);

// Guidance texts at the reader's size limit (8 MB), to show that reading stays linear in
// the input whatever it holds: plain text, a change of font and format at every word, and
// a table of thousands of fonts named again and again.
std::string LargeGuidance(int kind) {
    std::string out = "{\\rtf1\\ansi";
    if (kind == 2) {
        out += "{\\fonttbl";
        for (int f = 0; f < 4096; ++f)
            out += "{\\f" + std::to_string(f) + " Font " + std::to_string(f) + ";}";
        out += "}";
    }
    for (int i = 0; out.size() < MaxGuidanceBytes - 64; ++i) {
        switch (kind) {
            case 0:
                out += "Lyset brydes i dr\\'e5ben og kastes tilbage. ";
                if (i % 8 == 7) out += "\\par\n";
                break;
            case 1:
                out += (i % 2) != 0 ? "{\\b\\i\\fs28 ord} " : "\\ul ord\\ulnone  ";
                break;
            default:
                out += "\\f" + std::to_string(i % 4096) + " ord ";
                break;
        }
    }
    return out + "}";
}

void BM_ReadLargeGuidance(benchmark::State& state) {
    const std::string bytes = LargeGuidance(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(ReadRtf(bytes));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadLargeGuidance)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace viv
