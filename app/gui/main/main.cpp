// Program entry: the main window, or with --script the same core with no window.
#include <QApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>

#include "app/gui/headless_host.h"
#include "app/gui/startup.h"
#include "app/memo_text.h"
#include "app/script.h"
#include "library/regular_file.h"
#include "sims/simulations.h"

namespace {

constexpr std::size_t kMaxScriptBytes = 64u << 20;  // bytes: far more than any worksheet's script

int RunScripted(int argc, char** argv, const char* file) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    std::istringstream stream;
    std::istream* in = &std::cin;
    if (std::strcmp(file, "-") != 0) {
        // Only a regular file: a folder, a device or a named pipe is no script.
        viv::FileBytes script = viv::ReadRegularFile(file, kMaxScriptBytes);
        if (script.Status != viv::ReadStatus::Ok) {
            std::cerr << "cannot read " << file << ": "
                      << (script.Status == viv::ReadStatus::NotFound && script.Error.empty()
                              ? "no such file"
                              : script.Error)
                      << '\n';
            return 2;
        }
        stream.str(std::move(script.Bytes));
        in = &stream;
    }
    viv::HeadlessHost host;
    viv::App core(host, viv::AllSimulations());
    host.LayoutChanged(core.Window);
    core.FormCreate(viv::SystemStartupEnvironment());
    viv::MemoFormCreate(core);
    core.FormResize();
    const int status = viv::RunScript(core, host, *in, std::cout, std::cerr);
    core.FormClose();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << viv::ScriptHelp();
            return 0;
        }
        if (std::strcmp(argv[i], "--script") == 0) {
            if (i + 1 >= argc) {
                std::cerr << "--script needs a file (- for standard input)\n";
                return 2;
            }
            return RunScripted(argc, argv, argv[i + 1]);
        }
    }
    QApplication app(argc, argv);
    return viv::RunMainWindow(viv::AllSimulations());
}
