// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The changed tiles of a picture taken row by row of tiles, for copying or filtering them.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "library/canvas.h"

namespace viv {

// Calls run(box) for the tiles listed, each once, joined into boxes of neighbouring
// tiles along a row of tiles and clipped to the picture width x height. `seen` is a
// scratch map the calls leave cleared.
template <class Run>
void ForEachTileRun(const std::vector<std::uint32_t>& tiles, int width, int height,
                    std::vector<std::uint8_t>& seen, Run&& run) {
    const int across = TilesAcross(width);
    const int down = (height + TileSize - 1) / TileSize;
    const auto count = static_cast<std::size_t>(across) * static_cast<std::size_t>(down);
    if (seen.size() != count) seen.assign(count, 0);
    int firstRow = down, lastRow = -1;
    for (const std::uint32_t tile : tiles) {
        if (tile >= count) continue;
        seen[tile] = 1;
        const int row = static_cast<int>(tile) / across;
        firstRow = row < firstRow ? row : firstRow;
        lastRow = row > lastRow ? row : lastRow;
    }
    for (int row = firstRow; row <= lastRow; ++row) {
        std::uint8_t* flags = seen.data() + static_cast<std::size_t>(row) * across;
        for (int col = 0; col < across;) {
            std::uint64_t eight = 0;  // flags col .. col + 7, skipped together when all clear
            if (col + 8 <= across && (std::memcpy(&eight, flags + col, 8), eight == 0)) {
                col += 8;
                continue;
            }
            if (flags[col] == 0) {
                ++col;
                continue;
            }
            const int first = col;
            while (col < across && flags[col] != 0) flags[col++] = 0;
            const int bottom = (row + 1) * TileSize;
            const int right = col * TileSize;
            run(TRect{first * TileSize, row * TileSize, right < width ? right : width,
                      bottom < height ? bottom : height});
        }
    }
}

}  // namespace viv
