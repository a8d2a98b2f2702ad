// Start-up, resizes and closing of the main window's core.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "sims/simulations.h"
#include "app/file_paths.h"
#include "app/setup_file.h"
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
        for (int x = 0; x < picture.width(); ++x) red += picture.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_GT(red, 50);
}

TEST(Startup, PhotographGivesThePictureItsSize) {
    test::StartedApp s(VIV_SOURCE_DIR "/data");
    EXPECT_TRUE(s.host.messages.empty());
    EXPECT_EQ(s.app.Image->Width(), 720);
    EXPECT_EQ(s.app.Image->Height(), 540);
    // The first simulation chosen replaces it by a white picture of the scroll box.
    s.app.MenuEntry(2);
    EXPECT_EQ(s.app.Image->Width(), s.app.Window.ScrollBoxWidth);
    EXPECT_EQ(s.app.Image->Height(), s.app.Window.ScrollBoxHeight);
    EXPECT_EQ(s.app.State.CurrentSimulation, 2);
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
    s.app.VisTabelClick();
    EXPECT_TRUE(s.app.Table.Visible);
    s.app.VisTabelClick();
    EXPECT_FALSE(s.app.Table.Visible);
    s.app.MenuEntry(2);
    EXPECT_TRUE(s.app.Table.Visible);
    EXPECT_EQ(s.app.Table.Caption, "Brydning i vand");
    EXPECT_EQ(s.app.Window.MessagePanel, " Se flere data i tabellen.");
}

TEST(About, ShowsTheVersion) {
    test::StartedApp s;
    s.host.messages.clear();
    s.app.Omvivarnon1Click();
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
    const auto a = ReadSetupFile({Write("a.ini", "vivarnon.ini\r\nSEPARATOR,;\r\nSTI,C:\\opgaver\r\n")});
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
