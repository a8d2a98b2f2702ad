// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The scripted mode: each command, and bad lines that stop it with nothing lost.
#include "app/script.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/app.h"
#include "gui/headless_host.h"
#include "library/canvas/raster_canvas.h"
#include "scripted_app.h"
#include "sims/simulations.h"

namespace viv {
namespace {

namespace fs = std::filesystem;

using test::Scripted;

class ScriptFiles : public ::testing::Test {
protected:
    // One folder per test: CTest runs the tests in parallel processes.
    fs::path dir = fs::temp_directory_path() /
                   ("vivarnon-script-test-" +
                    std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
};

TEST(Script, SelectCaptionTablePanels) {
    Scripted s;
    EXPECT_EQ(s.Run("# a comment\n\nselect 7\ncaption\ntable\npanels\n"), 0);
    std::istringstream lines(s.out.str());
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "Spredning i en dråbe");
    std::getline(lines, line);
    EXPECT_EQ(line.substr(0, 16), " Primær vivarno");
    int rows = 1;
    while (std::getline(lines, line) && rows < 8) ++rows;
    EXPECT_EQ(rows, 8);
    // The panels line: four fields joined by tabs.
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 3) << line;
    EXPECT_TRUE(s.err.str().empty());
}

TEST(Script, TheMillisecondClockIsVirtualAndMovesOnlyWithTheTicks) {
    Scripted s;
    EXPECT_EQ(s.host.Milliseconds(), 0u);
    EXPECT_EQ(s.Run("select 14\nstep\n"), 0) << s.err.str();
    EXPECT_EQ(s.host.Milliseconds(), 0u);
    EXPECT_EQ(s.Run("tick 3\n"), 0) << s.err.str();
    EXPECT_EQ(s.host.Milliseconds(), 3u * static_cast<unsigned>(s.app.Window.Clock.Interval));
    EXPECT_FALSE(s.app.Window.Clock.Enabled);  // ticks leave a stopped clock stopped
}

TEST(Script, ControlsKeysTicksAndMouse) {
    Scripted s;
    EXPECT_EQ(s.Run("select 7\nscroll1 20\ntrack1 2\nkey F5\nredraw\n"), 0) << s.err.str();
    EXPECT_EQ(s.app.Window.ScrollBar1.Position, 20);
    EXPECT_EQ(s.app.Window.TrackBar1.Position, 2);
    EXPECT_TRUE(s.app.Window.F5Button.Down);
    EXPECT_EQ(s.Run("select 14\ntick 3\nstep\nmouse 10 20\nclick 5 5\ndrag 5 5 -20 900\n"), 0)
        << s.err.str();
}

TEST(Script, SizeRecreatesThePicture) {
    Scripted s;
    EXPECT_EQ(s.Run("size 300 200\nselect 2\n"), 0);
    EXPECT_EQ(s.app.Image->Width(), 300);
    EXPECT_EQ(s.app.Image->Height(), 200);
    EXPECT_EQ(s.Run("select 20\n"), 0);  // a wider control panel keeps the size asked for
    EXPECT_EQ(s.app.Image->Width(), 300);
}

// The default picture is the window's picture area at its start size.
TEST(Script, DefaultPictureIsTheWindowsStartArea) {
    Scripted s;
    EXPECT_EQ(s.Run("select 7\n"), 0);
    EXPECT_EQ(s.app.Image->Width(), 684);
    EXPECT_EQ(s.app.Image->Height(), 473);
}

// The window's controls send nothing when moved to where they stand; nor does a script.
TEST(Script, AMoveToTheSamePositionSendsNothing) {
    for (const char* setup :
         {"select 8\nkey F2\n", "select 7\nscroll1 9\n", "select 8\ntrack2 2\n"}) {
        Scripted s;
        ASSERT_EQ(s.Run(setup), 0) << s.err.str();
        const QImage before = static_cast<const RasterCanvas&>(*s.app.Image).Image();
        s.Run("table\npanels\n");
        const std::string cells = s.out.str();
        const auto& w = s.app.Window;
        const std::string again = "scroll1 " + std::to_string(w.ScrollBar1.Position) +
                                  "\nscroll1 " + std::to_string(w.ScrollBar1.Position) +
                                  "\ntrack1 " + std::to_string(w.TrackBar1.Position) + "\ntrack2 " +
                                  std::to_string(w.TrackBar2.Position) + "\n";
        ASSERT_EQ(s.Run(again + "table\npanels\n"), 0) << s.err.str();
        EXPECT_EQ(static_cast<const RasterCanvas&>(*s.app.Image).Image(), before) << setup;
        EXPECT_EQ(s.out.str(), cells + cells) << setup;
    }
}

// "select 1" gives the start picture again, as the program starts.
TEST(Script, SelectOneGivesTheStartPicture) {
    Scripted s;
    s.app.ShowPicture();  // as a save would, the start picture is built when first seen
    const QImage start = static_cast<const RasterCanvas&>(*s.app.Image).Image();
    ASSERT_EQ(s.Run("select 7\nscroll1 3\nselect 1\ncaption\n"), 0) << s.err.str();
    EXPECT_EQ(static_cast<const RasterCanvas&>(*s.app.Image).Image(), start);
    EXPECT_EQ(s.out.str(), "Vivarnon\n");
    EXPECT_EQ(s.Run("scroll1 4\n"), 2);  // no controls at the start picture
}

struct BadCase {
    const char* script;
    int line;
    const char* fragment;
};

TEST(Script, BadLinesStopWithTheLineNumber) {
    const BadCase cases[] = {
        {"select 7\nfly 3\n", 2, "unknown command"},
        {"select\n", 1, "missing"},
        {"select seven\n", 1, "not a whole number"},
        {"select 13\n", 1, "no simulation"},
        {"select 44\n", 1, "no simulation"},
        {"select 0\n", 1, "no simulation"},
        {"size 0 10\n", 1, "at least"},
        {"size 10\n", 1, "missing"},
        {"select 7\nscroll1 101\n", 2, "outside"},
        {"select 7\nscroll2 5\n", 2, "not shown"},
        {"select 6\nkey F6\n", 2, "not shown"},
        {"select 7\nkey F7\n", 2, "no key"},
        {"tick 0\n", 1, "tick count"},
        {"mouse 5000 5\n", 1, "outside the picture"},
        {"select 2\ndrag 5000 5 6 6\n", 2, "outside the picture"},
        {"select 2\ndrag 5 5 9000 6\n", 2, "too far off"},
        {"select 2\ndrag 5 5 6\n", 2, "missing"},
        {"caption extra\n", 1, "unexpected argument"},
        {"save /nonexistent-dir/x.png\n", 1, "cannot write"},
        // Arguments read by the command's kind: a bad one before a missing one, on or off.
        {"select 2\ndrag x 5 6\n", 2, "x1 is not a whole number: x"},
        {"key\n", 1, "missing key (F2..F6)"},
        {"present\n", 1, "present takes on or off"},
        {"smooth yes\n", 1, "smooth takes on or off"},
        {"zoom 1.3\n", 1, "zoom takes 1 to 4 in steps of 0.25"},
        {"print x.pdf tabel\n", 1, "unexpected argument: tabel"},
        {"tick 1 2\n", 1, "unexpected argument: 2"},
    };
    for (const BadCase& c : cases) {
        Scripted s;
        EXPECT_EQ(s.Run(c.script), 2) << c.script;
        const std::string prefix = "line " + std::to_string(c.line) + ": ";
        EXPECT_EQ(s.err.str().substr(0, prefix.size()), prefix) << c.script << s.err.str();
        EXPECT_NE(s.err.str().find(c.fragment), std::string::npos) << c.script << s.err.str();
    }
}

TEST_F(ScriptFiles, NothingBeforeABadLineIsLost) {
    Scripted s;
    const std::string png = (dir / "seven.png").string();
    EXPECT_EQ(s.Run("select 7\ncaption\nsave " + png + "\nselect 13\ncaption\n"), 2);
    EXPECT_EQ(s.out.str(), "Spredning i en dråbe\n");
    QImage saved(QString::fromStdString(png));
    EXPECT_EQ(saved.width(), s.app.Image->Width());
    // A failed save leaves nothing behind.
    Scripted t;
    EXPECT_EQ(t.Run("save " + (dir / "nested" / "x.png").string() + "\n"), 2);
    EXPECT_FALSE(fs::exists(dir / "nested"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(ScriptFiles, TheProgramRunsScriptsAndExplainsItself) {
    const fs::path script = dir / "s.txt";
    const fs::path out = dir / "out.txt", err = dir / "err.txt";
    std::ofstream(script) << "select 2\ncaption\nselect 99\n";
    const std::string command = std::string(VIV_BINARY) + " --script " + script.string() + " >" +
                                out.string() + " 2>" + err.string();
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
    std::stringstream o, e;
    o << std::ifstream(out).rdbuf();
    e << std::ifstream(err).rdbuf();
    EXPECT_EQ(o.str(), "Brydning i vand\n");
    EXPECT_NE(e.str().find("line 3: no simulation 99"), std::string::npos) << e.str();
    const int help = std::system((std::string(VIV_BINARY) + " --help >" + out.string()).c_str());
    EXPECT_EQ(WEXITSTATUS(help), 0);
    std::stringstream h;
    h << std::ifstream(out).rdbuf();
    EXPECT_NE(h.str().find("save FILE.png"), std::string::npos);
    // In English on request, every line of it, and so is the scripted mode.
    EXPECT_EQ(
        std::system((std::string(VIV_BINARY) + " --help --language en >" + out.string()).c_str()),
        0);
    std::stringstream english;
    english << std::ifstream(out).rdbuf();
    EXPECT_EQ(english.str().rfind("Usage: vivarnon", 0), 0u) << english.str();
    EXPECT_EQ(english.str().find_first_of("æøå"), std::string::npos) << english.str();
    EXPECT_NE(std::system((std::string(VIV_BINARY) + " --language en --script " + script.string() +
                           " >" + out.string() + " 2>/dev/null")
                              .c_str()),
              0);  // the script's third line is wrong
    std::stringstream caption;
    caption << std::ifstream(out).rdbuf();
    EXPECT_EQ(caption.str(), "Refraction in water\n");

    // A script that is no regular file is an error at once: a folder, a named pipe (which
    // would wait for a writer for ever) or nothing at all.
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    for (const fs::path& bad : {dir, dir / "pipe", dir / "missing.txt"}) {
        SCOPED_TRACE(bad.string());
        const int s = std::system(("timeout 60 " + std::string(VIV_BINARY) + " --script " +
                                   bad.string() + " >" + out.string() + " 2>" + err.string())
                                      .c_str());
        ASSERT_TRUE(WIFEXITED(s));
        EXPECT_EQ(WEXITSTATUS(s), 2);
        std::stringstream m;
        m << std::ifstream(err).rdbuf();
        EXPECT_NE(m.str().find("cannot read " + bad.string() + ": "), std::string::npos) << m.str();
    }
}

}  // namespace
}  // namespace viv
