// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "fuzz/fuzz_inputs.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string_view>

#include "app/app.h"
#include "app/script.h"
#include "app/setup_file.h"
#include "gui/headless_host.h"
#include "library/jpeg_image.h"
#include "library/regular_file.h"
#include "library/rtf_reader.h"
#include "library/rtf_writer.h"
#include "sims/simulations.h"
#include "windows/page_file.h"

namespace viv::fuzz {

namespace {

// The input's bytes as a file read from memory: the readers see a file, and no file is
// written anywhere.
FilePtr MemoryFile(const std::uint8_t* data, std::size_t size) {
    static const std::uint8_t none = 0;
    std::FILE* file = ::fmemopen(const_cast<std::uint8_t*>(size > 0 ? data : &none), size, "rb");
    if (file == nullptr && size > 0) std::abort();  // the fuzzing itself is broken, not the reader
    return FilePtr(file);
}

// The scripted mode's host, held to work that ends quickly and leaves no files.
class BoundedHost : public HeadlessHost {
public:
    struct TooMuchWork {};
    static constexpr int kMaxSide = 256;     // pixels
    static constexpr int kMaxTicks = 20000;  // ticks of one input

    void SetPictureArea(MainWindowModel& window, int width, int height) override {
        HeadlessHost::SetPictureArea(window, std::min(width, kMaxSide), std::min(height, kMaxSide));
    }
    void AdvanceClock(std::uint32_t ms) override {
        if (++ticks_ > kMaxTicks) throw TooMuchWork{};
        HeadlessHost::AdvanceClock(ms);
    }
    void ShowMessage(std::string_view /*text*/, MessageKind /*kind*/) override {
    }  // no photograph here: quietly
    bool SavePicture(App& /*app*/, const std::string& /*path*/, std::string& error) override {
        error = "no files are written here";
        return false;
    }
    bool SaveTable(const App& /*app*/, const std::string& /*path*/, std::string& error) override {
        error = "no files are written here";
        return false;
    }
    // Printed pages are drawn as in the program, but kept in memory and let go.
    std::unique_ptr<PageFile> OpenPdf(const std::string& /*path*/, std::string& error) override {
        return OpenPdfFile("", false, error);
    }
    std::unique_ptr<PageFile> OpenSvg(const std::string& /*path*/, int width, int height,
                                      std::string& error) override {
        return HeadlessHost::OpenSvg("", width, height, error);
    }

private:
    int ticks_ = 0;
};

void NeedGuiApplication() {
    // The picture's texts need the fonts of a QGuiApplication.
    if (QGuiApplication::instance() != nullptr) return;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "vivarnon-fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);  // lives for the process
    (void)app;
}

}  // namespace

void PhotographInput(const std::uint8_t* data, std::size_t size) {
    const FilePtr file = MemoryFile(data, size);
    JpegResult result;
    if (file)
        result = DecodeJpeg(file.get(), static_cast<long long>(size), "Vivarnon.jpg");
    else
        result = LoadJpeg("");  // an empty input: nothing to open
    // A picture is whole or absent, never in part.
    if (result.Ok !=
        (result.Image.Width > 0 && result.Image.Height > 0 &&
         result.Image.Pixels.size() == static_cast<std::size_t>(result.Image.Width) *
                                           static_cast<std::size_t>(result.Image.Height)))
        std::abort();
    if (!result.Ok && (result.Error.empty() || result.Failure == JpegFailure::None)) std::abort();
}

void GuidanceTextInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const RtfReadResult first = ReadRtf(bytes);
    if (!first.IsRtf) return;
    (void)first.Document.PlainText();
    const RtfReadResult second = ReadRtf(WriteRtf(first.Document));
    if (!second.IsRtf || !second.Complete || !(second.Document == first.Document)) std::abort();
}

void SetupFileInput(const std::uint8_t* data, std::size_t size) {
    const FilePtr file = MemoryFile(data, size);
    const SetupFileSettings settings = file ? ReadSetupFile(file.get()) : SetupFileSettings{};
    if (!settings.Found && (settings.ListSeparator || settings.OpenDialogDirectory)) std::abort();
    if (settings.ListSeparator && *settings.ListSeparator != '\t' &&
        *settings.ListSeparator != ',' && *settings.ListSeparator != ';')
        std::abort();
}

void ScriptInput(const std::uint8_t* data, std::size_t size) {
    NeedGuiApplication();
    BoundedHost host;
    App app(host, AllSimulations());
    StartupEnvironment env;
    env.StartDirectory = "/nonexistent-vivarnon-fuzz";
    env.SetupFileCandidates.clear();
    host.SetPictureArea(app.Window, 160, 120);
    app.FormCreate(env);
    app.FormResize();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out, err;
    try {
        const int status = RunScript(app, host, in, out, err);
        if (status != 0 && status != 2) std::abort();
        if ((status == 2) != !err.str().empty()) std::abort();  // a bad line is always explained
    } catch (const BoundedHost::TooMuchWork&) {
    }
    app.FormClose();
}

}  // namespace viv::fuzz
