// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A host for the program's core in tests: raster pictures, recorded messages, a clock
// and a cursor the test sets.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/host.h"
#include "app/scene.h"
#include "library/canvas/raster_canvas.h"
#include "sims/simulations.h"

namespace viv::test {

class TestPointer : public PointerSource {
public:
    TPoint cursor, origin, size{631, 445};
    TPoint CursorPos() const override { return cursor; }
    TPoint PictureOrigin() const override { return origin; }
    TPoint PictureSize() const override { return size; }
};

class TestHost : public Host {
public:
    std::vector<std::pair<std::string, MessageKind>> messages;
    std::uint32_t now = 0;  // ms
    TestPointer pointer;
    int layoutChanges = 0;
    int scrollBar1Focus = 0;
    int clientWidth =
        712;  // pixels right of the window frame; the picture gets the rest of the panel

    std::unique_ptr<TCanvas> CreatePicture(int width, int height) override {
        return std::make_unique<RasterCanvas>(width, height);
    }
    std::unique_ptr<TCanvas> CopyPicture(const TCanvas& picture) override {
        return std::make_unique<RasterCanvas>(static_cast<const RasterCanvas&>(picture).Image());
    }
    void ShowMessage(std::string_view text, MessageKind kind) override {
        messages.emplace_back(std::string(text), kind);
    }
    void LayoutChanged(MainWindowModel& window) override {
        ++layoutChanges;
        window.ScrollBoxWidth = clientWidth - window.ScrollPanelWidth;
    }
    std::uint32_t Milliseconds() override { return now; }
    const PointerSource& Pointer() override { return pointer; }
    void FocusScrollBar1() override { ++scrollBar1Focus; }
};

// A started program: main window created and shown with the start picture, with no
// photograph and no set-up file around.
struct StartedApp {
    TestHost host;
    App app{host, AllSimulations()};
    Scene scene{app};  // what the simulations' routines get
    explicit StartedApp(std::string startDirectory = "/nonexistent-vivarnon-dir") {
        StartupEnvironment env;
        env.StartDirectory = std::move(startDirectory);
        env.ListSeparatorSetting = ",";
        env.DecimalSeparatorSetting = ".";
        env.SetupFileCandidates.clear();
        app.Window.ScrollBoxWidth = host.clientWidth - app.Window.ScrollPanelWidth;
        app.Window.ScrollBoxHeight = 445;
        app.FormCreate(env);
        app.FormResize();
        app.ShowPicture();
    }
    RasterCanvas& picture() const { return static_cast<RasterCanvas&>(*app.Image); }
};

}  // namespace viv::test
