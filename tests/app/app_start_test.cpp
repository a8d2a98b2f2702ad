// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Start-up, resizes and closing of the main window's core.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/file_paths.h"
#include "app/setup_file.h"
#include "app/start_photograph.h"
#include "library/jpeg_image.h"
#include "picture_checks.h"
#include "sims/simulations.h"
#include "test_host.h"

namespace viv {
namespace {

namespace fs = std::filesystem;

TEST(Startup, SharedStateStartValues) {
    test::StartedApp s;
    const App& app = s.app;
    EXPECT_EQ(app.State.CurrentSimulation, 1);
    EXPECT_EQ(app.State.CurrentColour, 4);
    EXPECT_EQ(app.State.CurrentBow, 1);
    EXPECT_EQ(app.State.IncidenceValue, 12);
    EXPECT_EQ(app.State.ScatterAngle, 25);
    EXPECT_EQ(app.State.RayDirection, 1);
    EXPECT_EQ(app.Map.PenWidth, 1);
    EXPECT_EQ(app.Map.BoldPenWidth, 3);
    EXPECT_NE(app.Buffers, nullptr);
    EXPECT_EQ(app.Buffers->ArcSinTable.size(), 20001u);
    EXPECT_NEAR(app.State.Rainbow.PrimaryBowAngle[5], 42.08, 0.005);
}

TEST(Startup, MissingPhotographIsReportedOnceAndTheBowsDrawOnWhite) {
    test::StartedApp s;
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].first, "Vivarnon.jpg ikke fundet");
    EXPECT_EQ(s.host.messages[0].second, MessageKind::Information);
    // The picture keeps the scroll box's size and shows the bows.
    EXPECT_EQ(s.app.Image->Width(), s.app.Window.ScrollBoxWidth);
    EXPECT_EQ(s.app.Image->Height(), 445);
    const QImage& picture = s.picture().Image();
    int red = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            red += static_cast<int>(picture.pixel(x, y) == qRgb(255, 0, 0));
    EXPECT_GT(red, 50);
}

// The start picture at a picture area of width x height with the photograph of data/.
QImage StartPictureAt(int width, int height, test::StartedApp& s) {
    s.app.Window.ScrollBoxWidth = width;
    s.app.Window.ScrollBoxHeight = height;
    s.app.FormResize();
    s.app.ShowPicture();
    return s.picture().Image();
}

// The photograph covers the picture at every size, and the bows lie on it: where the bows
// drawn on white leave white, the start picture shows the scaled photograph; where they
// drew, it shows the same bows.
TEST(Startup, TheBowsLieOnThePhotographAtEverySize) {
    test::StartedApp s(VIV_SOURCE_DIR "/data");
    EXPECT_TRUE(s.host.messages.empty());
    const JpegResult photo = LoadJpeg(VIV_SOURCE_DIR "/data/Vivarnon.jpg");
    ASSERT_TRUE(photo.Ok);
    test::StartedApp white;  // no photograph
    for (const QSize area :
         {QSize(640, 480), QSize(1280, 800), QSize(1920, 1080), QSize(300, 900)}) {
        const QImage picture = StartPictureAt(area.width(), area.height(), s);
        ASSERT_EQ(picture.size(), area);
        const QImage bows = StartPictureAt(area.width(), area.height(), white);
        const RgbImage cover = CoverPicture(photo.Image, area.width(), area.height());
        int onPhoto = 0, drawn = 0, wrong = 0;
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x) {
                const QRgb got = picture.pixel(x, y) & 0xFFFFFF;
                const QRgb bow = bows.pixel(x, y) & 0xFFFFFF;
                const TColor c = cover.At(x, y);
                const QRgb scaled = qRgb(RedOf(c), GreenOf(c), BlueOf(c)) & 0xFFFFFF;
                if (bow == 0xFFFFFF) {
                    onPhoto += static_cast<int>(got == scaled);
                    wrong += static_cast<int>(got != scaled && got != 0xFFFFFF);
                } else {
                    ++drawn;
                    wrong += static_cast<int>(got != bow);
                }
            }
        EXPECT_EQ(wrong, 0) << area.width() << "x" << area.height();
        EXPECT_GT(drawn, area.width() * area.height() / 200);
        EXPECT_GT(onPhoto, area.width() * area.height() / 2);
    }
}

// The photograph is read once, not at every resize; the first simulation chosen leaves
// it for a white picture of the same area.
TEST(Startup, ThePhotographIsReadOnceAndKeptAcrossResizes) {
    test::StartedApp s(VIV_SOURCE_DIR "/data");
    for (int w = 400; w <= 800; w += 100) StartPictureAt(w, 500, s);
    s.app.MenuEntry(7);
    EXPECT_FALSE(s.app.Photo.HasReady());  // the scaled photograph goes with the start picture
    s.app.MenuEntry(1);
    EXPECT_EQ(s.app.Photo.Loads(), 1);
    s.app.MenuEntry(2);
    EXPECT_EQ(s.app.Image->Width(), s.app.Window.ScrollBoxWidth);
    EXPECT_EQ(s.app.Image->Height(), s.app.Window.ScrollBoxHeight);
    EXPECT_EQ(s.app.State.CurrentSimulation, 2);
    EXPECT_EQ(s.picture().Image().pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
}

// The start picture is built when it is first seen: a script that chooses another
// simulation at once never reads the photograph. Once built, a redraw at the same size
// copies the ready picture and gives the same pixels.
TEST(Startup, TheStartPictureIsBuiltOnlyWhenSeen) {
    test::TestHost host;
    App app(host, AllSimulations());
    StartupEnvironment env;
    env.StartDirectory = VIV_SOURCE_DIR "/data";
    env.SetupFileCandidates.clear();
    app.FormCreate(env);
    app.FormResize();
    app.MenuEntry(2);
    EXPECT_EQ(app.Photo.Loads(), 0);
    EXPECT_FALSE(app.Photo.HasReady());

    test::StartedApp s(VIV_SOURCE_DIR "/data");
    const QImage shown = s.picture().Image().copy();
    EXPECT_TRUE(s.app.Photo.HasReady());
    s.app.RedrawPicture();
    s.app.RedrawPicture();
    test::ExpectSamePicture(s.picture().Image(), shown, "start-redrawn-from-the-ready-picture");
    EXPECT_EQ(s.app.Photo.Loads(), 1);
}

// A missing photograph is reported once, not at every resize, and again only when it
// has come and gone.
TEST(Startup, AMissingPhotographIsReportedOncePerStateOfTheFile) {
    const fs::path dir =
        fs::temp_directory_path() / ("vivarnon-photo-comes-and-goes-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    test::StartedApp s(dir.string());
    ASSERT_EQ(s.host.messages.size(), 1u);
    for (int w = 400; w <= 700; w += 100) StartPictureAt(w, 400, s);
    EXPECT_EQ(s.host.messages.size(), 1u);
    fs::copy_file(VIV_SOURCE_DIR "/data/Vivarnon.jpg", dir / "Vivarnon.jpg");
    StartPictureAt(500, 400, s);
    EXPECT_EQ(s.host.messages.size(), 1u);
    EXPECT_NE(s.picture().Image().pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);  // the photograph
    fs::remove(dir / "Vivarnon.jpg");
    StartPictureAt(500, 400, s);
    EXPECT_EQ(s.host.messages.size(), 2u);
    fs::remove_all(dir);
}

// Back at the start picture: what the user saw at start, whatever was chosen before.
TEST(Startup, BackToTheStartPictureAfterASimulation) {
    test::StartedApp s(VIV_SOURCE_DIR "/data");
    const QImage start = s.picture().Image();
    const MainWindowModel atStart = s.app.Window;
    s.app.SubjectMenuOpened();
    s.app.MenuEntry(8);
    s.app.FKeyClick(FKey::F2);
    s.app.MenuEntry(20);  // a wider control panel
    s.app.MenuEntry(1);
    EXPECT_EQ(s.app.State.CurrentSimulation, StartPicture);
    test::ExpectSamePicture(s.picture().Image(), start, "back-to-start");
    EXPECT_EQ(s.app.Window.Caption, "Vivarnon");
    EXPECT_EQ(s.app.Window.ButtonPanelCaption, atStart.ButtonPanelCaption);
    EXPECT_EQ(s.app.Window.ScrollPanelWidth, atStart.ScrollPanelWidth);
    EXPECT_FALSE(s.app.Window.ScrollBar1.Visible);
    EXPECT_FALSE(s.app.Window.ScrollBar2.Visible);
    EXPECT_FALSE(s.app.Window.TrackBar1.Visible);
    EXPECT_FALSE(s.app.Window.F2Button.Visible);
    EXPECT_FALSE(s.app.Window.HelperMarksItem.Enabled);
    EXPECT_TRUE(s.app.Window.Panel1.empty());
    EXPECT_TRUE(s.app.Table.Cell(0, 0).empty());
    // A redraw and a resize to the same area give the same picture again.
    s.app.RedrawPicture();
    test::ExpectSamePicture(s.picture().Image(), start, "start-redrawn");
}

TEST(Resize, RecreatesThePictureUnlessMinimisedOrClosed) {
    test::StartedApp s;
    s.app.MenuEntry(2);
    const TCanvas* before = s.app.Image.get();
    s.app.Window.ScrollBoxWidth = 500;
    s.app.FormResize(true);  // minimised
    EXPECT_EQ(s.app.Image.get(), before);
    s.app.FormResize(false);
    EXPECT_EQ(s.app.Image->Width(), 500);
    EXPECT_EQ(s.app.Map.PictureWidth, 500);
    EXPECT_DOUBLE_EQ(s.app.Map.AspectHeight, 10.0 * 445 / 500);
    s.app.FormClose();
    EXPECT_EQ(s.app.State.CurrentSimulation, 100);
    EXPECT_EQ(s.app.Buffers, nullptr);
    const TCanvas* closed = s.app.Image.get();
    s.app.FormResize(false);
    EXPECT_EQ(s.app.Image.get(), closed);
    s.app.MenuEntry(7);  // nothing is chosen once the window has closed
    EXPECT_EQ(s.app.State.CurrentSimulation, 100);
}

TEST(Resize, ControlPanelWidthChangeRecreatesThePictureToTheNewArea) {
    test::StartedApp s;
    s.app.MenuEntry(7);
    const int narrow = s.app.Window.ScrollPanelWidth;
    const int width7 = s.app.Image->Width();
    s.app.MenuEntry(20);  // three scroll bars: a wider panel
    EXPECT_GT(s.app.Window.ScrollPanelWidth, narrow);
    EXPECT_EQ(s.app.Image->Width(), width7 - (s.app.Window.ScrollPanelWidth - narrow));
}

TEST(Hints, LeadingBlankKeepsThePanels) {
    test::StartedApp s;
    s.app.DisplayHint("Afslut program");
    EXPECT_FALSE(s.app.Window.PanelsVisible);
    EXPECT_EQ(s.app.Window.StatusCaption, "    Afslut program");
    s.app.DisplayHint(" 1");
    EXPECT_TRUE(s.app.Window.PanelsVisible);
    s.app.DisplayHint("");
    EXPECT_TRUE(s.app.Window.PanelsVisible);
}

TEST(TableWindow, HiddenUntilAskedForOnceThenShownOnEveryChoice) {
    test::StartedApp s;
    s.app.MenuEntry(7);
    EXPECT_FALSE(s.app.Table.Visible);
    s.app.ShowTableClick();
    EXPECT_TRUE(s.app.Table.Visible);
    s.app.ShowTableClick();
    EXPECT_FALSE(s.app.Table.Visible);
    s.app.MenuEntry(2);
    EXPECT_TRUE(s.app.Table.Visible);
    EXPECT_EQ(s.app.Table.Caption, "Brydning i vand");
    EXPECT_EQ(s.app.Window.MessagePanel, " Se flere data i tabellen.");
}

TEST(About, ShowsTheVersion) {
    test::StartedApp s;
    s.host.messages.clear();
    s.app.ShowAbout();
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].first, "Vivarnon, version 2.0");
}

class SetupFileTest : public ::testing::Test {
protected:
    // One folder per test: CTest runs the tests in parallel processes.
    fs::path dir = fs::temp_directory_path() /
                   ("vivarnon-setup-test-" +
                    std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::string Write(const std::string& name, const std::string& text) {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
};

TEST_F(SetupFileTest, LowerCaseNameAcceptedLowerCaseKeyIgnored) {
    const auto a =
        ReadSetupFile({Write("a.ini", "vivarnon.ini\r\nSEPARATOR,;\r\nSTI,C:\\opgaver\r\n")});
    EXPECT_TRUE(a.Found);
    EXPECT_EQ(a.ListSeparator, ';');
    EXPECT_EQ(a.OpenDialogDirectory, "C:\\opgaver");
    const auto b = ReadSetupFile({Write("b.ini", "VIVARNON.INI\nseparator,;\n")});
    EXPECT_TRUE(b.Found);
    EXPECT_FALSE(b.ListSeparator.has_value());
}

TEST_F(SetupFileTest, SeparatorChoicesAndStops) {
    EXPECT_EQ(ReadSetupFile({Write("t.ini", "VIVARNON.INI\nSEPARATOR,#\n")}).ListSeparator, '\t');
    EXPECT_EQ(ReadSetupFile({Write("c.ini", "VIVARNON.INI\nSEPARATOR,,\n")}).ListSeparator, ',');
    EXPECT_FALSE(ReadSetupFile({Write("x.ini", "VIVARNON.INI\nSEPARATOR,x\n")}).ListSeparator);
    // An empty value ends the reading.
    EXPECT_FALSE(ReadSetupFile({Write("e.ini", "VIVARNON.INI\n\nSEPARATOR,;\n")}).ListSeparator);
    // A first line that is not the file's name: ignored without a word.
    EXPECT_FALSE(ReadSetupFile({Write("w.ini", "[settings]\nSEPARATOR,;\n")}).Found);
    EXPECT_FALSE(ReadSetupFile({Write("s.ini", "VIV\n")}).Found);
    EXPECT_FALSE(ReadSetupFile({(dir / "missing.ini").string()}).Found);
}

TEST_F(SetupFileTest, SecondPlaceIsTriedAndTheSeparatorReachesTheClipboardText) {
    test::TestHost host;
    App app(host, AllSimulations());
    StartupEnvironment env;
    env.StartDirectory = dir.string();
    env.ListSeparatorSetting = ",";
    env.DecimalSeparatorSetting = ",";
    env.SetupFileCandidates = {(dir / "missing.ini").string(),
                               Write("VIVARNON.INI", "VIVARNON.INI\nSEPARATOR,;\n")};
    app.Window.ScrollBoxWidth = 600;
    app.Window.ScrollBoxHeight = 400;
    app.FormCreate(env);
    EXPECT_EQ(app.State.ListSeparator, ';');
    EXPECT_EQ(app.State.DecimalSeparator, ',');
    app.Table.Setup(3, 2);
    app.Table.SetCell(0, 1, " n");
    app.Table.SetCell(1, 1, "1.333");
    app.Table.Select({1, 1, 1, 2});
    EXPECT_EQ(app.Table.CopyText(app.State.ListSeparator, app.State.DecimalSeparator),
              ";\r\n n;1,333\r\n;0,0\r\n");
}

TEST(FilePaths, OneSeparatorBetweenDirectoryAndName) {
    EXPECT_EQ(JoinPath("/", "Vivarnon.jpg"), "/Vivarnon.jpg");
    EXPECT_EQ(JoinPath("C:\\", "Vivarnon.jpg"), "C:\\Vivarnon.jpg");
    EXPECT_EQ(JoinPath("/home/elev", "Vivarnon.jpg"), "/home/elev/Vivarnon.jpg");
    EXPECT_EQ(JoinPath("", "Vivarnon.rtf"), "Vivarnon.rtf");
}

}  // namespace
}  // namespace viv
