// Saving the picture and the table for worksheets: the formats, the separators, files
// written whole or not at all, and the scripted mode's commands on the same code.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <QImage>

#include "app/app.h"
#include "app/gui/headless_host.h"
#include "app/gui/picture_files.h"
#include "app/script.h"
#include "app/table_csv.h"
#include "library/canvas/raster_canvas.h"
#include "sims/simulations.h"

namespace viv {
namespace {

namespace fs = std::filesystem;

struct Program {
    HeadlessHost host;
    App app{host, AllSimulations()};
    std::ostringstream out, err;
    Program() {
        StartupEnvironment env;
        env.StartDirectory = VIV_SOURCE_DIR "/data";
        env.SetupFileCandidates.clear();
        env.ListSeparatorSetting = ";";
        env.DecimalSeparatorSetting = ",";
        host.LayoutChanged(app.Window);
        app.FormCreate(env);
        app.FormResize();
    }
    int Run(const std::string& text) {
        std::istringstream in(text);
        return RunScript(app, host, in, out, err);
    }
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
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST(TableCsv, EveryCellWithTheSystemsSeparatorsAndQuotesWhereNeeded) {
    ResultsTable t;
    t.Setup(4, 3);
    t.SetCell(0, 0, "Farve");
    t.SetCell(1, 0, "n");
    t.SetCell(2, 0, "vinkel/°");
    t.SetCell(0, 1, "rød");
    t.SetCell(1, 1, "1.331");
    t.SetCell(2, 1, "  42.37");
    t.SetCell(0, 2, "a;b \"c\"");
    t.SetCell(1, 2, "");
    t.SetCell(2, 2, "-0.5");
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
    for (std::size_t at = svg.find("<path"); at != std::string::npos; at = svg.find("<path", at + 1)) ++paths;
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
    {
        std::ofstream(dir / "old.png") << "the teacher's file";
    }
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
    const std::string script = "select 7\nsave " + At("a.svg") + "\nsavetable " + At("t.csv") + "\n";
    ASSERT_EQ(p.Run(script), 0) << p.err.str();
    EXPECT_EQ(Read(dir / "t.csv"), TableCsv(p.app.Table, ';', ','));
    EXPECT_NE(Read(dir / "t.csv").find(','), std::string::npos);  // decimal commas
    EXPECT_EQ(Read(dir / "a.svg").substr(0, 5), "<?xml");

    EXPECT_EQ(p.Run("save " + At("b.gif") + "\n"), 2);
    EXPECT_NE(p.err.str().find("line 1: cannot write"), std::string::npos) << p.err.str();
    EXPECT_EQ(p.Run("savetable\n"), 2);
    EXPECT_FALSE(fs::exists(dir / "b.gif"));
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
