// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The memo's text in the core: the guidance file, the copy for the clipboard, the guidance
// of the chosen simulation, and the scripted "memo" command.
#include "app/memo_text.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/catalogue.h"
#include "app/file_paths.h"
#include "app/memo_sync.h"
#include "app/script.h"
#include "gui/headless_host.h"
#include "library/rtf_reader.h"
#include "test_host.h"

namespace viv {
namespace {

namespace fs = std::filesystem;

TEST(MemoFiles, GuidancePathHasOneSeparator) {
    EXPECT_EQ(GuidancePath("C:\\"), "C:\\Vivarnon.rtf");
    EXPECT_EQ(GuidancePath("C:\\VIVARNON"), "C:\\VIVARNON\\Vivarnon.rtf");
    EXPECT_EQ(GuidancePath("/"), "/Vivarnon.rtf");
    EXPECT_EQ(GuidancePath("/home/elev/"), "/home/elev/Vivarnon.rtf");
    EXPECT_EQ(GuidancePath(""), "Vivarnon.rtf");
}

class DataDirectories : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() /
                   ("vivarnon-memo-test-" +
                    std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir / "start");
        fs::create_directories(dir / "bin");
        fs::create_directories(dir / "share");
    }
    void TearDown() override { fs::remove_all(dir); }
    static void Put(const fs::path& file, std::string_view text) {
        std::ofstream(file, std::ios::binary) << text;
    }
};

TEST_F(DataDirectories, TheFirstDirectoryHoldingTheDataIsTaken) {
    const std::array<std::string, 3> candidates{(dir / "start").string(), (dir / "bin").string(),
                                                (dir / "share").string()};
    constexpr std::array<std::string_view, 2> names{"Vivarnon.jpg", "Vivarnon.rtf"};
    EXPECT_EQ(FirstDirectoryHolding(candidates, names), candidates[0]);  // none holds any
    Put(dir / "share" / "Vivarnon.rtf", "{\\rtf1}");
    EXPECT_EQ(FirstDirectoryHolding(candidates, names), candidates[2]);
    Put(dir / "bin" / "Vivarnon.jpg", "jpeg");
    EXPECT_EQ(FirstDirectoryHolding(candidates, names), candidates[1]);
    Put(dir / "start" / "Vivarnon.jpg", "jpeg");
    EXPECT_EQ(FirstDirectoryHolding(candidates, names), candidates[0]);
    EXPECT_EQ(FirstDirectoryHolding({}, names), "");
}

TEST_F(DataDirectories, MissingOrForeignGuidanceIsReportedOnceAndLeavesTheMemoEmpty) {
    test::StartedApp s((dir / "start").string());
    s.host.messages.clear();  // the missing photograph
    s.app.Memo.Text = U"old";
    const RtfDocument none = MemoFormCreate(s.app);
    EXPECT_TRUE(none.Paragraphs.empty());
    EXPECT_TRUE(s.app.Memo.Text.empty());
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].first, (dir / "start" / "Vivarnon.rtf").string() + " ikke fundet");
    EXPECT_EQ(s.host.messages[0].second, MessageKind::Information);
    EXPECT_TRUE(s.app.Memo.Visible);  // created while the start picture shows

    Put(dir / "start" / "Vivarnon.rtf", "plain words, no rich text");
    s.host.messages.clear();
    MemoFormCreate(s.app);
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].first,
              (dir / "start" / "Vivarnon.rtf").string() + " er ikke en RTF-fil");

    // A named pipe of that name is no file: "not found" at once, never a wait for a writer.
    fs::remove(dir / "start" / "Vivarnon.rtf");
    ASSERT_EQ(::mkfifo((dir / "start" / "Vivarnon.rtf").c_str(), 0600), 0);
    s.host.messages.clear();
    MemoFormCreate(s.app);
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].first, (dir / "start" / "Vivarnon.rtf").string() + " ikke fundet");
    fs::remove(dir / "start" / "Vivarnon.rtf");

    // Past the generous limit: said so, and nothing of it is read.
    {
        std::ofstream big(dir / "start" / "Vivarnon.rtf", std::ios::binary);
        big << "{\\rtf1 ";
    }
    fs::resize_file(dir / "start" / "Vivarnon.rtf", MaxGuidanceBytes + 1);
    s.host.messages.clear();
    MemoFormCreate(s.app);
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].first,
              (dir / "start" / "Vivarnon.rtf").string() + " er for stor (over 8 MB)");

    Put(dir / "start" / "Vivarnon.rtf", "{\\rtf1 Brydning i vand:\\par Lys\\'e6");  // cut short
    s.host.messages.clear();
    const RtfDocument cut = MemoFormCreate(s.app);
    EXPECT_TRUE(s.host.messages.empty());
    EXPECT_EQ(s.app.Memo.Text, U"Brydning i vand:\nLysæ");
}

TEST(MemoCopy, SemicolonsBecomeTheListSeparatorAndLinesEndInCrLf) {
    EXPECT_EQ(MemoCopyText("a;b;c\nx; y\n\nslut", '\t'), "a\tb\tc\r\nx\t y\r\n\r\nslut\r\n");
    EXPECT_EQ(MemoCopyText("a;b", ';'), "a;b\r\n");
    EXPECT_EQ(MemoCopyText("", '\t'), "");
    EXPECT_EQ(MemoCopyText("æ;ø", ','), "æ,ø\r\n");
}

TEST(MemoCopy, TextBeyondSixtyFourKilobytesIsCopiedWhole) {
    std::string big;
    for (int i = 0; i < 20000; ++i) big += "linje " + std::to_string(i) + ";x\n";
    big += "sidste";
    const std::string copy = MemoCopyText(big, '\t');
    EXPECT_GT(copy.size(), 65535u);
    EXPECT_EQ(copy.substr(0, 11), "linje 0\tx\r\n");
    EXPECT_EQ(copy.substr(copy.size() - 8), "sidste\r\n");
    EXPECT_EQ(std::count(copy.begin(), copy.end(), '\n'), 20001);
}

TEST(MemoGuidance, TheSelectionsSectionRunsToTheNextHeading) {
    MemoModel memo;
    memo.Visible = true;
    memo.Text =
        U"Vejledning\n\nBrydning i vand:\nLys brydes.\nØvelser\n1. Mål:\n\n"
        U"Spredning i en dråbe:\nEn dråbe.\n\nMere om dråben.\n";
    EXPECT_EQ(SelectedGuidance(memo), "");  // nothing selected
    SelectGuidance(memo, 2, "Brydning i vand");
    EXPECT_EQ(SelectedGuidance(memo), "Brydning i vand:\nLys brydes.\nØvelser\n1. Mål:\n");
    SelectGuidance(memo, 7, "Spredning i en dråbe");
    EXPECT_EQ(SelectedGuidance(memo), "Spredning i en dråbe:\nEn dråbe.\n\nMere om dråben.\n");
    // The heading marked with the simulation's number wins over the caption, so a
    // guidance in another language is found all the same.
    memo.Headings[2] = U"Brydning i vand:";
    SelectGuidance(memo, 2, "Refraction in water");
    EXPECT_EQ(SelectedGuidance(memo), "Brydning i vand:\nLys brydes.\nØvelser\n1. Mål:\n");
    memo.SelStart = 1000;
    EXPECT_EQ(SelectedGuidance(memo), "");
}

// The menu captions of every simulation, hidden entries included.
constexpr std::array<std::string_view, 40> kAllCaptions{"Brydning i vand",
                                                        "Interferens i en tynd film",
                                                        "Polarisation i vand",
                                                        "Brydningsloven",
                                                        "Vivarnons kegle",
                                                        "Spredning i en dråbe",
                                                        "Alexanders bånd",
                                                        "Vivarnons farver",
                                                        "Youngs interferens",
                                                        "Vivarnons polarisation",
                                                        "Polarisation og farver",
                                                        "Superposition",
                                                        "Vinkelret refleksion og transmission",
                                                        "Optisk gitter",
                                                        "Dobbeltspalte",
                                                        "Hydrogenspektret",
                                                        "Dopplereffekt",
                                                        "Farveblanding",
                                                        "Øjets træthed",
                                                        "Komplementærfarve",
                                                        "Linsens egenskaber",
                                                        "Billeddannelse",
                                                        "Linsesystemer",
                                                        "Prismet",
                                                        "Hulspejlet",
                                                        "Spejlbilledet",
                                                        "Parabol",
                                                        "Goethes farvetrekant",
                                                        "Den tolvdelte farvecirkel",
                                                        "Komplementært mønster",
                                                        "Simultan kontrast",
                                                        "Enkeltspalte",
                                                        "Fjedersvingning",
                                                        "Bølgeudbredelse",
                                                        "Stående bølger",
                                                        "Sonar",
                                                        "Vandbølger",
                                                        "Iskrystallen",
                                                        "Kvadrant",
                                                        "Jakobsstav"};

std::string GuidanceText() {
    const std::optional<RtfDocument> d = ReadRtfFile(VIV_SOURCE_DIR "/data/Vivarnon.rtf");
    EXPECT_TRUE(d.has_value());
    return d ? d->PlainText() : std::string();
}

TEST(GuidanceText, EverySimulationHasItsSection) {
    const std::string text = GuidanceText();
    // The first place a caption stands followed by ":" is its own heading, a paragraph of
    // its own, so that the memo shows the right guidance.
    for (const std::string_view caption : kAllCaptions) {
        const std::size_t heading = text.find("\n" + std::string(caption) + ":\n");
        ASSERT_NE(heading, std::string::npos) << caption;
        EXPECT_EQ(text.find(std::string(caption) + ":"), heading + 1) << caption;
    }
    const Catalogue& catalogue = AllSimulations();
    for (std::uint16_t n = 2; n <= 43; ++n) {
        const CatalogueEntry* e = catalogue.Find(n);
        if (e == nullptr || e->Caption.empty()) continue;
        EXPECT_NE(text.find(std::string(e->Caption) + ":"), std::string::npos) << n;
        EXPECT_NE(std::find(kAllCaptions.begin(), kAllCaptions.end(), e->Caption),
                  kAllCaptions.end())
            << n;
    }
    // Both guidance texts mark each simulation's heading with its number: the Danish
    // heading is the caption, the English one a heading of its own.
    for (const char* file : {"/data/Vivarnon.rtf", "/data/Vivarnon.en.rtf"}) {
        const std::optional<RtfDocument> d = ReadRtfFile(std::string(VIV_SOURCE_DIR) + file);
        ASSERT_TRUE(d.has_value()) << file;
        std::map<int, std::string> headings;
        for (const RtfParagraph& p : d->Paragraphs)
            if (p.SimulationMark != 0)
                for (const RtfRun& run : p.Runs) headings[p.SimulationMark] += run.Text;
        for (std::uint16_t n = 2; n <= 43; ++n) {
            const CatalogueEntry* e = catalogue.Find(n);
            if (e == nullptr || e->Caption.empty()) continue;
            ASSERT_EQ(headings.count(n), 1u) << file << " " << n;
            EXPECT_EQ(headings[n].back(), ':') << file << " " << n;
            if (std::string(file).find(".en.") == std::string::npos) {
                EXPECT_EQ(headings[n], std::string(e->Caption) + ":") << n;
            }
        }
    }
}

TEST(GuidanceText, ChoosingEachSimulationSelectsItsOwnSection) {
    HeadlessHost host;
    App app{host, AllSimulations()};
    StartupEnvironment env;
    env.StartDirectory = VIV_SOURCE_DIR "/data";
    env.SetupFileCandidates.clear();
    host.LayoutChanged(app.Window);
    app.FormCreate(env);
    MemoFormCreate(app);
    app.FormResize();
    ASSERT_TRUE(app.Memo.Visible);
    const Catalogue& catalogue = AllSimulations();
    for (std::uint16_t n = 2; n <= 43; ++n) {
        const CatalogueEntry* e = catalogue.Find(n);
        if (e == nullptr || e->Caption.empty()) continue;
        std::istringstream in("select " + std::to_string(n) + "\nmemo\n");
        std::ostringstream out, err;
        ASSERT_EQ(RunScript(app, host, in, out, err), 0) << err.str();
        const std::string section = out.str();
        EXPECT_EQ(section.rfind(std::string(e->Caption) + ":\n", 0), 0u) << n << ": " << section;
        EXPECT_NE(section.find("Øvelser"), std::string::npos) << n;
        EXPECT_GT(section.size(), 400u) << n;
    }
}

}  // namespace
}  // namespace viv
