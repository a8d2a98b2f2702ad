// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gui/headless_host.h"

#include <iostream>

#include "app/drawing_scale.h"
#include "app/window_model.h"
#include "gui/picture_files.h"
#include "library/canvas/raster_canvas.h"
#include "windows/page_file.h"

namespace viv {

HeadlessHost::HeadlessHost() = default;

std::unique_ptr<TCanvas> HeadlessHost::CreatePicture(int width, int height) {
    pointer_.size = {width, height};
    auto picture = std::make_unique<RasterCanvas>(width, height);
    picture->SetPixelsPerInch(96.0 * scale_ * zoom_);  // text as large as shown, zoomed
    return picture;
}

std::unique_ptr<TCanvas> HeadlessHost::CopyPicture(const TCanvas& picture) {
    const auto* raster = dynamic_cast<const RasterCanvas*>(&picture);
    if (raster == nullptr) return Host::CopyPicture(picture);
    pointer_.size = {picture.Width(), picture.Height()};
    auto copy =
        std::make_unique<RasterCanvas>(raster->Image());  // shares the pixels until drawn on
    copy->SetPixelsPerInch(96.0 * scale_ * zoom_);
    return copy;
}

void HeadlessHost::ShowMessage(std::string_view danish, MessageKind kind) {
    std::cerr << (kind == MessageKind::Warning ? "warning: " : "message: ")
              << (words_ ? words_(danish) : danish) << '\n';
}

void HeadlessHost::LayoutChanged(MainWindowModel& window) {
    const int width = fixedWidth_ > 0 ? fixedWidth_ : ClientWidth - window.ScrollPanelWidth;
    const int height = fixedWidth_ > 0 ? fixedHeight_ : PictureHeight;
    scale_ = window.SmoothDrawing ? SmoothScale(width, height) : 1;
    zoom_ = window.Zoom;
    window.DrawingScale = scale_;
    window.PixelRatio = scale_;
    window.ScrollBoxWidth = width * scale_;
    window.ScrollBoxHeight = height * scale_;
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
