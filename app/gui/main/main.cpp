// Program entry: the main window, or with --script the same core with no window.
#include <malloc.h>

#include <QApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>

#include "app/gui/headless_host.h"
#include "app/gui/startup.h"
#include "app/memo_text.h"
#include "app/script.h"
#include "sims/simulations.h"

namespace {

int RunScripted(int argc, char** argv, const char* file) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    std::ifstream stream;
    std::istream* in = &std::cin;
    if (std::strcmp(file, "-") != 0) {
        stream.open(file);
        if (!stream) {
            std::cerr << "cannot read " << file << '\n';
            return 2;
        }
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
    // Pictures of 16 MB and more (a large screen's) get pages of their own that go back
    // to the system when the picture goes, so a resize or a change of simulation never
    // keeps a third picture's memory. Left to itself the allocator would keep them on
    // its heap after the first one is freed.
    mallopt(M_MMAP_THRESHOLD, 16 << 20);
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
