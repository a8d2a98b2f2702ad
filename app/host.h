// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What the program's core asks of the windowing layer around it: pictures to draw on,
// message boxes, the clock, the cursor. The Qt window provides one; the scripted mode
// and the tests another.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "library/canvas.h"
#include "library/world.h"

namespace viv {

struct MainWindowModel;

enum class MessageKind : std::uint8_t { Information, Warning };

class Host {
public:
    virtual ~Host() = default;

    // A white picture of the given size, pixels.
    virtual std::unique_ptr<TCanvas> CreatePicture(int width, int height) = 0;
    // A copy of `picture`, a picture this host made. The hosts' raster pictures share
    // the pixels until either is drawn on, so a copy costs at most copying the memory.
    virtual std::unique_ptr<TCanvas> CopyPicture(const TCanvas& picture) {
        auto copy = CreatePicture(picture.Width(), picture.Height());
        std::vector<TColor> row(static_cast<std::size_t>(std::max(picture.Width(), 0)));
        for (int y = 0; y < picture.Height(); ++y) {
            for (int x = 0; x < picture.Width(); ++x)
                row[static_cast<std::size_t>(x)] = picture.GetPixel(x, y);
            copy->SetPixelRow(0, y, row.data(), picture.Width());
        }
        return copy;
    }

    // A message box with one OK button; the program carries on after it.
    virtual void ShowMessage(std::string_view text, MessageKind kind) = 0;

    // The control panel changed its width: lay the window out again so that the model's
    // ScrollBoxWidth and ScrollBoxHeight give the picture's new area.
    virtual void LayoutChanged(MainWindowModel& window) = 0;

    // Milliseconds of a steady clock (the spring follows real time).
    virtual std::uint32_t Milliseconds() = 0;

    // The cursor and the picture's place on the screen, for MouseToWorld.
    virtual const PointerSource& Pointer() = 0;

    // ScrollBar1 takes the keyboard focus, so that the arrow keys move it.
    virtual void FocusScrollBar1() {}
};

}  // namespace viv
