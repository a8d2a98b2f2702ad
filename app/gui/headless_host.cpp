#include "app/gui/headless_host.h"

#include <QSaveFile>
#include <iostream>

#include "app/window_model.h"
#include "library/canvas/raster_canvas.h"
#include "windows/page_file.h"

namespace viv {

HeadlessHost::HeadlessHost() = default;

std::unique_ptr<TCanvas> HeadlessHost::CreatePicture(int width, int height) {
    pointer_.size = {width, height};
    return std::make_unique<RasterCanvas>(width, height);
}

std::unique_ptr<TCanvas> HeadlessHost::CreatePicture(const RgbImage& photo) {
    pointer_.size = {photo.Width, photo.Height};
    return std::make_unique<RasterCanvas>(photo);
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

void HeadlessHost::MoveCursorToPicture(int x, int y) { pointer_.cursor = {x, y}; }

bool HeadlessHost::SavePng(const TCanvas& picture, const std::string& path, std::string& error) {
    const auto* raster = dynamic_cast<const RasterCanvas*>(&picture);
    if (raster == nullptr) {
        error = "the picture is not a raster picture";
        return false;
    }
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString().toStdString();
        return false;
    }
    if (!raster->Image().save(&file, "PNG")) {
        file.cancelWriting();
        error = "the PNG could not be encoded";
        return false;
    }
    if (!file.commit()) {
        error = file.errorString().toStdString();
        return false;
    }
    return true;
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
