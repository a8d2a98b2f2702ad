// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Program entry: the main window, or with --script the same core with no window;
// --version and --help answer without starting Qt.
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <span>
#include <sstream>
#ifdef __linux__
#include <malloc.h>
#endif

#include "app/command_line.h"
#include "app/file_paths.h"
#include "app/memo_text.h"
#include "app/script.h"
#include "gui/headless_host.h"
#include "gui/remembered_settings.h"
#include "gui/startup.h"
#include "library/regular_file.h"
#include "library/system_calls.h"
#include "library/translation.h"
#include "sims/simulations.h"

namespace {

constexpr char kNoDisplay[] =
    "vivarnon: der er ingen skærm at vise vinduet på (hverken DISPLAY eller\n"
    "WAYLAND_DISPLAY er sat, eller skærmen svarer ikke). Start programmet på\n"
    "skrivebordet, eller lav billeder uden vindue med vivarnon --script FIL\n"
    "(se vivarnon --help).\n";

constexpr std::size_t kMaxScriptBytes = 64u << 20;  // bytes: far more than any worksheet's script

int RunScripted(int argc, char** argv, const std::string& file,
                std::optional<viv::Language> language) {
    viv::SetEnvironmentDefault("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    viv::NameApplication();
    std::istringstream stream;
    std::istream* in = &std::cin;
    if (file != "-") {
        // Only a regular file: a folder, a device or a named pipe is no script.
        viv::FileBytes script = viv::ReadRegularFile(file, kMaxScriptBytes);
        if (script.Status != viv::ReadStatus::Ok) {
            std::cerr << "cannot read " << file << ": "
                      << (script.Status == viv::ReadStatus::NotFound && script.Error.empty()
                              ? "no such file"
                              : script.Error)
                      << '\n';
            return viv::UsageErrorStatus;
        }
        stream.str(std::move(script.Bytes));
        in = &stream;
    }
    viv::HeadlessHost host;
    viv::App core(host, viv::AllSimulations());
    host.SetWords([&core](std::string_view danish) { return core.Words(danish); });
    host.LayoutChanged(core.Window);
    core.FormCreate(viv::SystemStartupEnvironment());
    if (language) core.SetLanguage(*language);
    viv::MemoFormCreate(core);
    core.FormResize();
    const int status = viv::RunScript(core, host, *in, std::cout, std::cerr);
    core.FormClose();
    return status;
}

// True where a window can plainly not be shown: on a Unix desktop system with neither an
// X nor a Wayland display named and no other platform chosen.
// The help of --help, in Danish unless "--language en" asks for English, whose texts are
// read from where the guidance lies.
std::string HelpText(int argc, char** argv, std::optional<viv::Language> language) {
    std::string text = viv::UsageText(viv::AllSimulations());
    if (language != viv::Language::English) return text;
    const QCoreApplication app(argc, argv);
    viv::Translation english;
    const viv::StartupEnvironment env = viv::SystemStartupEnvironment();
    english.Load(viv::JoinPath(env.CatalogueDirectory, viv::EnglishCatalogueName));
    return std::string(english.Translate(text));
}

bool NoDisplayNamed(int argc, char** argv) {
#if defined(_WIN32) || defined(__APPLE__)
    (void)argc;
    (void)argv;
    return false;
#else
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    if (set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY")) return false;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "-platform", 9) == 0 ||
            std::strncmp(argv[i], "--platform", 10) == 0)
            return false;
    return true;
#endif
}

// A display that is named but does not answer makes Qt give up while the application
// starts: the program says why in its own words and ends, instead of aborting.
bool startingQt = false;
void StartupMessages(QtMsgType type, const QMessageLogContext& /*context*/,
                     const QString& message) {
    if (type == QtFatalMsg && startingQt) {
        std::fputs(kNoDisplay, stderr);
        std::fflush(stderr);
        std::_Exit(viv::NoDisplayStatus);
    }
    if (type != QtDebugMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
#if defined(__GLIBC__) && defined(M_MMAP_THRESHOLD)
    // Pictures of 16 MB and more (a large screen's) get pages of their own that go back
    // to the system when the picture goes, so a resize or a change of simulation never
    // keeps a third picture's memory. Left to itself the allocator would keep them on
    // its heap after the first one is freed.
    mallopt(M_MMAP_THRESHOLD, 16 << 20);
#endif
    const char* const* args = argv + 1;
    const viv::CommandLine line = viv::ParseCommandLine(
        std::span<const char* const>(args, static_cast<std::size_t>(argc > 1 ? argc - 1 : 0)));
    switch (line.What) {
        case viv::CommandLine::Mode::Help:
            std::cout << HelpText(argc, argv, line.StartLanguage);
            return 0;
        case viv::CommandLine::Mode::Version:
            std::cout << viv::VersionAnswer() << '\n';
            return 0;
        case viv::CommandLine::Mode::Error:
            std::cerr << "vivarnon: " << line.Error << "\nSe vivarnon --help.\n";
            return viv::UsageErrorStatus;
        case viv::CommandLine::Mode::Script:
            return RunScripted(argc, argv, line.ScriptFile, line.StartLanguage);
        case viv::CommandLine::Mode::Window:
            break;
    }
    if (NoDisplayNamed(argc, argv)) {
        std::fputs(kNoDisplay, stderr);
        return viv::NoDisplayStatus;
    }
    startingQt = true;
    const QtMessageHandler previous = qInstallMessageHandler(StartupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    startingQt = false;
    viv::NameApplication();
    return viv::RunMainWindow(viv::AllSimulations(), line.StartLanguage);
}
