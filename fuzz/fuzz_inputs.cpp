#include "fuzz/fuzz_inputs.h"

#include <unistd.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string_view>

#include "app/app.h"
#include "app/gui/headless_host.h"
#include "app/script.h"
#include "app/setup_file.h"
#include "library/jpeg_image.h"
#include "library/rtf_reader.h"
#include "library/rtf_writer.h"
#include "sims/simulations.h"

namespace viv::fuzz {

namespace {

void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) std::abort();  // the fuzzing itself is broken, not the reader
    if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
}

// The scripted mode's host, held to work that ends quickly and leaves no files.
class BoundedHost : public HeadlessHost {
public:
    struct TooMuchWork {};
    static constexpr int kMaxSide = 256;      // pixels
    static constexpr int kMaxTicks = 20000;   // ticks of one input

    void SetPictureArea(MainWindowModel& window, int width, int height) override {
        HeadlessHost::SetPictureArea(window, std::min(width, kMaxSide), std::min(height, kMaxSide));
    }
    void AdvanceClock(std::uint32_t ms) override {
        if (++ticks_ > kMaxTicks) throw TooMuchWork{};
        HeadlessHost::AdvanceClock(ms);
    }
    void ShowMessage(std::string_view, MessageKind) override {}  // no photograph here: quietly
    bool SavePicture(App&, const std::string&, std::string& error) override {
        error = "no files are written here";
        return false;
    }
    bool SaveTable(const App&, const std::string&, std::string& error) override {
        error = "no files are written here";
        return false;
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

std::string ScratchFile(const char* name) {
    // Removed with everything in it when the process ends.
    static const struct Folder {
        std::filesystem::path Path = std::filesystem::temp_directory_path() /
                                     ("vivarnon-fuzz-" + std::to_string(::getpid()));
        Folder() { std::filesystem::create_directories(Path); }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(Path, ignored);
        }
    } folder;
    return (folder.Path / name).string();
}

void PhotographInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = ScratchFile("Vivarnon.jpg");
    WriteFile(path, data, size);
    const JpegResult result = LoadJpeg(path);
    // A picture is whole or absent, never in part.
    if (result.Ok != (result.Image.Width > 0 && result.Image.Height > 0 &&
                      result.Image.Pixels.size() ==
                          static_cast<std::size_t>(result.Image.Width) * static_cast<std::size_t>(result.Image.Height)))
        std::abort();
    if (!result.Ok && result.Error.empty()) std::abort();
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
    static const std::string path = ScratchFile("VIVARNON.INI");
    WriteFile(path, data, size);
    const SetupFileSettings settings = ReadSetupFile({path});
    if (!settings.Found && (settings.ListSeparator || settings.OpenDialogDirectory)) std::abort();
    if (settings.ListSeparator && *settings.ListSeparator != '\t' && *settings.ListSeparator != ',' &&
        *settings.ListSeparator != ';')
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
