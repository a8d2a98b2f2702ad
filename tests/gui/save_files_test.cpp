// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Saving the picture and the table for worksheets: the formats, the separators, files
// written whole or not at all, and the scripted mode's commands on the same code.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QImage>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/app.h"
#include "app/script.h"
#include "app/table_cells.h"
#include "app/table_csv.h"
#include "gui/headless_host.h"
#include "gui/picture_files.h"
#include "library/canvas/raster_canvas.h"
#include "library/safe_save.h"
#include "scripted_app.h"
#include "sims/simulations.h"

namespace viv {
namespace {

namespace fs = std::filesystem;

struct Program : test::Scripted {
    Program() : test::Scripted({.ListSeparator = ";", .DecimalSeparator = ","}) {}
    QImage Screen() const { return dynamic_cast<const RasterCanvas&>(*app.Image).Image().copy(); }
};

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SaveFiles : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() /
                   ("vivarnon-save-test-" +
                    std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string At(const char* name) const { return (dir / name).string(); }
    // Only the files named are in the folder: no temporary file is left behind.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST(TableCsv, EveryCellWithTheSystemsSeparatorsAndQuotesWhereNeeded) {
    ResultsTable t;
    test::FillTable(
        t, 4, 3,
        {{"Farve", "n", "vinkel/°"}, {"rød", "1.331", "  42.37"}, {"a;b \"c\"", "", "-0.5"}});
    const std::string csv = TableCsv(t, ';', ',');
    EXPECT_EQ(csv,
              "\xEF\xBB\xBF"
              "Farve;n;vinkel/°\r\n"
              "rød;1,331;42,37\r\n"
              "\"a;b \"\"c\"\"\";;-0,5\r\n"
              ";;\r\n");
    // With a decimal point the list separator is a comma, and a decimal comma in a header
    // is left alone.
    t.SetCell(1, 0, "n.1");
    EXPECT_EQ(TableCsv(t, ',', '.').substr(3, 21), "Farve,n.1,vinkel/°\r\n");
}

TEST_F(SaveFiles, PngIsTheExactScreenRaster) {
    Program p;
    ASSERT_EQ(p.Run("select 7\nscroll1 14\nkey F5\n"), 0) << p.err.str();
    std::string error;
    ASSERT_TRUE(SavePicture(p.app, At("drop.PNG"), error)) << error;
    QImage saved(QString::fromStdString(At("drop.PNG")));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), p.Screen());
    EXPECT_EQ(Files(), std::vector<std::string>{"drop.PNG"});
}

TEST_F(SaveFiles, SvgAndPdfAreVectorPagesOfThePicturesSizeAndLeaveTheScreenAsItWas) {
    Program p;
    ASSERT_EQ(p.Run("select 7\nscroll1 14\nredraw\n"), 0) << p.err.str();
    const QImage before = p.Screen();
    std::string error;
    ASSERT_TRUE(SavePicture(p.app, At("drop.svg"), error)) << error;
    ASSERT_TRUE(SavePicture(p.app, At("drop.pdf"), error)) << error;
    EXPECT_EQ(p.Screen(), before);

    const std::string svg = Read(dir / "drop.svg");
    const std::string size = "width=\"" + std::to_string(before.width()) + "\"";
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find(size), std::string::npos) << svg.substr(0, 400);
    // The drawing is there, not just a white page.
    std::size_t paths = 0;
    for (std::size_t at = svg.find("<path"); at != std::string::npos;
         at = svg.find("<path", at + 1))
        ++paths;
    EXPECT_GT(paths, 20u);
    EXPECT_NE(svg.find("fill=\"#ffffff\""), std::string::npos);  // the white page

    const std::string pdf = Read(dir / "drop.pdf");
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    // One page of the picture's size at 96 pixels an inch, in points.
    const std::string box = "/MediaBox [0 0 " + std::to_string(before.width() * 3 / 4);
    EXPECT_NE(pdf.find(box), std::string::npos);
}

TEST_F(SaveFiles, AFailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    Program p;
    ASSERT_EQ(p.Run("select 7\n"), 0);
    { std::ofstream(dir / "old.png") << "the teacher's file"; }
    std::string error;
    // An extension no format has.
    EXPECT_FALSE(SavePicture(p.app, At("old.png.bmp"), error));
    EXPECT_FALSE(error.empty());
    // A folder where the file should be.
    fs::create_directories(dir / "folder.svg");
    EXPECT_FALSE(SavePicture(p.app, At("folder.svg"), error));
    EXPECT_FALSE(SaveTable(p.app, (dir / "missing" / "t.csv").string(), error));
    EXPECT_EQ(Read(dir / "old.png"), "the teacher's file");
    EXPECT_EQ(Files(), (std::vector<std::string>{"folder.svg", "old.png"}));
}

TEST_F(SaveFiles, TheScriptedModeSavesThroughTheSameCode) {
    Program p;
    const std::string script =
        "select 7\nsave " + At("a.svg") + "\nsavetable " + At("t.csv") + "\n";
    ASSERT_EQ(p.Run(script), 0) << p.err.str();
    EXPECT_EQ(Read(dir / "t.csv"), TableCsv(p.app.Table, ';', ','));
    EXPECT_NE(Read(dir / "t.csv").find(','), std::string::npos);  // decimal commas
    EXPECT_EQ(Read(dir / "a.svg").substr(0, 5), "<?xml");

    EXPECT_EQ(p.Run("save " + At("b.gif") + "\n"), 2);
    EXPECT_NE(p.err.str().find("line 1: cannot write"), std::string::npos) << p.err.str();
    EXPECT_EQ(p.Run("savetable\n"), 2);
    EXPECT_FALSE(fs::exists(dir / "b.gif"));
}

// What a save does with each kind of target: a new file, an old file replaced with its
// permissions, the file a link names (the link stays), and no folder, device, pipe or
// dangling link written over.
TEST_F(SaveFiles, EachKindOfTargetIsWrittenSafelyOrRefused) {
    std::ofstream(dir / "old.csv") << "old";
    fs::permissions(dir / "old.csv", fs::perms(0640));
    std::ofstream(dir / "linked.csv") << "old";
    fs::create_symlink(dir / "linked.csv", dir / "link.csv");
    fs::create_symlink("/dev/null", dir / "device.png");
    fs::create_symlink(dir / "gone.csv", dir / "dangling.csv");
    ASSERT_EQ(::mkfifo(At("pipe.csv").c_str(), 0600), 0);
    fs::create_directory(dir / "folder.csv");
    struct Case {
        const char* name;
        bool ok;
        const char* reason;
    };
    const Case cases[] = {
        {"new.csv", true, ""},
        {"old.csv", true, ""},
        {"link.csv", true, ""},
        {"device.png", false, "Navnet er ikke en almindelig fil"},
        {"dangling.csv", false, "Linket fører ikke til nogen fil"},
        {"pipe.csv", false, "Navnet er ikke en almindelig fil"},
        {"folder.csv", false, "Navnet er en mappe"},
        {"missing/new.csv", false, "Mappen findes ikke"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SaveResult saved = SaveFileWhole(At(c.name), "new");
        EXPECT_EQ(saved.Ok, c.ok);
        EXPECT_EQ(saved.Reason, c.reason);
    }
    EXPECT_EQ(Read(dir / "new.csv"), "new");
    EXPECT_EQ(Read(dir / "old.csv"), "new");
    EXPECT_EQ(fs::status(dir / "old.csv").permissions() & fs::perms::all, fs::perms(0640));
    EXPECT_TRUE(fs::is_symlink(dir / "link.csv"));
    EXPECT_EQ(Read(dir / "linked.csv"), "new");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_TRUE(fs::is_symlink(dir / "device.png"));
    EXPECT_TRUE(fs::is_fifo(dir / "pipe.csv"));
    EXPECT_FALSE(fs::exists(dir / "gone.csv"));
    EXPECT_EQ(Files(),
              (std::vector<std::string>{"dangling.csv", "device.png", "folder.csv", "link.csv",
                                        "linked.csv", "new.csv", "old.csv", "pipe.csv"}));
}

// Writes a little, then finds the disk full, as write(2) does on a full file system.
ssize_t WriteUntilFull(int fd, const void* data, std::size_t size) {
    if (size > 100) return ::write(fd, data, 100);
    errno = ENOSPC;
    return -1;
}

// Every save and print to a file of the scripted mode (and so of the window, which calls the
// same functions) on a full disk: exit status 2 with the reason in Danish, the old file as
// it was, and no temporary file left behind.
const std::vector<std::string> kOldFiles = {"results.csv", "x.png",     "x.svg",
                                            "x.pdf",       "print.pdf", "data.pdf"};

void PutOldFiles(const fs::path& folder) {
    for (const std::string& name : kOldFiles)
        std::ofstream(folder / name) << "the teacher's " << name;
}

void ExpectEverySaveRefusedOnAFullDisk(Program& p, const fs::path& folder,
                                       const std::string& filler) {
    const std::vector<std::string>& names = kOldFiles;
    for (const std::string command : {"savetable results.csv", "save x.png", "save x.svg",
                                      "save x.pdf", "print print.pdf", "data data.pdf"}) {
        SCOPED_TRACE(command);
        p.err.str("");
        const std::string target = (folder / command.substr(command.find(' ') + 1)).string();
        EXPECT_EQ(p.Run("select 7\n" + command.substr(0, command.find(' ') + 1) + target + "\n"),
                  2);
        EXPECT_EQ(p.err.str(),
                  "line 2: cannot write " + target + ": Der er ikke plads på disken\n");
    }
    std::vector<std::string> left;
    for (const auto& e : fs::directory_iterator(folder))
        left.push_back(e.path().filename().string());
    std::sort(left.begin(), left.end());
    std::vector<std::string> expected = names;
    if (!filler.empty()) expected.push_back(filler);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
    for (const std::string& name : names) EXPECT_EQ(Read(folder / name), "the teacher's " + name);
}

TEST_F(SaveFiles, AFullDiskLeavesEveryOldFileAndSaysSo) {
    Program p;
    PutOldFiles(dir);
    const SaveWriteFunction before = ReplaceSaveWriteFunction(&WriteUntilFull);
    ExpectEverySaveRefusedOnAFullDisk(p, dir, "");
    ReplaceSaveWriteFunction(before);
    // With room on the disk again the same save succeeds.
    std::string error;
    EXPECT_TRUE(SaveTable(p.app, At("results.csv"), error)) << error;
}

// The same on a real full file system, where one can be mounted (as root).
TEST_F(SaveFiles, AFullSmallFileSystemLeavesEveryOldFile) {
    const fs::path small = dir / "small";
    fs::create_directory(small);
    if (::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here: " << std::strerror(errno);
    struct Unmount {
        fs::path Path;
        ~Unmount() { ::umount2(Path.c_str(), MNT_DETACH); }
    } unmount{small};
    Program p;
    PutOldFiles(small);  // then the disk fills up
    {
        std::FILE* fill = std::fopen((small / "filler").c_str(), "wb");
        ASSERT_NE(fill, nullptr);
        const std::string block(4096, 'x');
        while (std::fwrite(block.data(), 1, block.size(), fill) == block.size() &&
               std::fflush(fill) == 0) {
        }
        std::fclose(fill);
    }
    ExpectEverySaveRefusedOnAFullDisk(p, small, "filler");
}

TEST(PictureFormat, ByExtensionInAnyCase) {
    EXPECT_EQ(PictureFormatOf("a.png"), PictureFormat::Png);
    EXPECT_EQ(PictureFormatOf("/x/A.Svg"), PictureFormat::Svg);
    EXPECT_EQ(PictureFormatOf("figur.PDF"), PictureFormat::Pdf);
    EXPECT_EQ(PictureFormatOf("png"), PictureFormat::Unknown);
    EXPECT_EQ(PictureFormatOf("a.png.txt"), PictureFormat::Unknown);
}

}  // namespace
}  // namespace viv
