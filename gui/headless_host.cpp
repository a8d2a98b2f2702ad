// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gui/headless_host.h"

#include <iostream>

#include "app/window_model.h"
#include "gui/picture_files.h"
#include "library/canvas/raster_canvas.h"
#include "windows/page_file.h"

namespace viv {

HeadlessHost::HeadlessHost() = default;

std::unique_ptr<TCanvas> HeadlessHost::CreatePicture(int width, int height) {
    pointer_.size = {width, height};
    return std::make_unique<RasterCanvas>(width, height);
}

std::unique_ptr<TCanvas> HeadlessHost::CopyPicture(const TCanvas& picture) {
    const auto* raster = dynamic_cast<const RasterCanvas*>(&picture);
    if (raster == nullptr) return Host::CopyPicture(picture);
    pointer_.size = {picture.Width(), picture.Height()};
    return std::make_unique<RasterCanvas>(raster->Image());  // shares the pixels until drawn on
}

void HeadlessHost::ShowMessage(std::string_view text, MessageKind kind) {
    std::cerr << (kind == MessageKind::Warning ? "warning: " : "message: ") << text << '\n';
}

void HeadlessHost::LayoutChanged(MainWindowModel& window) {
    if (fixedWidth_ > 0) {
        window.ScrollBoxWidth = fixedWidth_;
        window.ScrollBoxHeight = fixedHeight_;
    } else {
        window.ScrollBoxWidth = ClientWidth - window.ScrollPanelWidth;
        window.ScrollBoxHeight = PictureHeight;
    }
}

void HeadlessHost::SetPictureArea(MainWindowModel& window, int width, int height) {
    fixedWidth_ = width;
    fixedHeight_ = height;
    LayoutChanged(window);
}

void HeadlessHost::MoveCursorToPicture(int x, int y) {
    pointer_.cursor = {x, y};
}

bool HeadlessHost::SavePicture(App& app, const std::string& path, std::string& error) {
    return viv::SavePicture(app, path, error);
}

bool HeadlessHost::SaveTable(const App& app, const std::string& path, std::string& error) {
    return viv::SaveTable(app, path, error);
}

std::unique_ptr<PageFile> HeadlessHost::OpenPdf(const std::string& path, std::string& error) {
    return OpenPdfFile(path, false, error);
}

std::unique_ptr<PageFile> HeadlessHost::OpenSvg(const std::string& path, int width, int height,
                                                std::string& error) {
    auto svg = std::make_unique<SvgFile>(path, width, height);
    if (!svg->IsOpen()) return svg->Finish(error), nullptr;
    return svg;
}

}  // namespace viv
