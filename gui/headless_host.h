// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The host of the scripted mode: raster pictures with no window and no display;
// messages go to standard error.
#pragma once

#include <functional>
#include <string_view>
#include <utility>

#include "app/script.h"

namespace viv {

class HeadlessHost : public ScriptHost {
public:
    // The picture area of the main window at its start size of 720 x 540: the whole
    // width less the control panel, the height less the menu bar, the button bar and the
    // status line; so a figure made by script matches the screen.
    static constexpr int ClientWidth = 720;    // pixels
    static constexpr int PictureHeight = 473;  // pixels

    HeadlessHost();

    std::unique_ptr<TCanvas> CreatePicture(int width, int height) override;
    std::unique_ptr<TCanvas> CopyPicture(const TCanvas& picture) override;
    // Written to standard error in the language of SetWords.
    void ShowMessage(std::string_view danish, MessageKind kind) override;
    // The program's texts in its language: the messages, given in Danish, are written in it.
    void SetWords(std::function<std::string_view(std::string_view)> words) {
        words_ = std::move(words);
    }
    void LayoutChanged(MainWindowModel& window) override;
    std::uint32_t Milliseconds() override { return now_; }
    void AdvanceClock(std::uint32_t ms) override { now_ += ms; }  // wraps as the system's clock
    const PointerSource& Pointer() override { return pointer_; }

    void SetPictureArea(MainWindowModel& window, int width, int height) override;
    void MoveCursorToPicture(int x, int y) override;
    bool SavePicture(App& app, const std::string& path, std::string& error) override;
    bool SaveTable(const App& app, const std::string& path, std::string& error) override;
    std::unique_ptr<PageFile> OpenPdf(const std::string& path, std::string& error) override;
    std::unique_ptr<PageFile> OpenSvg(const std::string& path, int width, int height,
                                      std::string& error) override;

private:
    class Cursor : public PointerSource {
    public:
        TPoint cursor;
        TPoint size;
        TPoint CursorPos() const override { return cursor; }
        TPoint PictureOrigin() const override { return {0, 0}; }
        TPoint PictureSize() const override { return size; }
    };
    Cursor pointer_;
    std::uint32_t now_ = 0;  // ms of the virtual clock
    int fixedWidth_ = 0;     // a picture size set by the script, 0 while none is
    int fixedHeight_ = 0;
    std::function<std::string_view(std::string_view)> words_;
    int scale_ = 1;    // picture pixels per shown pixel: 2 with smooth drawing
    double zoom_ = 1;  // text grows by it
};

}  // namespace viv
