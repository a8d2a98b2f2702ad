// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/changed_tiles.h"

namespace viv {

void TCanvas::CopyTiles(const TileLog& tiles, const TCanvas& source) {
    if (!tiles.Exact) return;
    std::vector<std::uint8_t> seen;
    ForEachTileRun(tiles.Tiles, Width(), Height(), seen,
                   [&](const TRect& box) { CopyRect(box, source); });
}

}  // namespace viv
