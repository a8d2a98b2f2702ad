// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The printed pages and the vector copy as files: every simulation's picture in a PDF
// (looked at through pdftoppm), the table under it, the data lists in two page columns,
// and the SVG copy against the screen picture.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "app/catalogue.h"
#include "app/print_layout.h"
#include "app/script.h"
#include "gui/headless_host.h"
#include "library/canvas/raster_canvas.h"
#include "scripted_app.h"
#include "sims/simulations.h"
#include "windows/page_file.h"

namespace viv {
namespace {

namespace fs = std::filesystem;

constexpr int RenderDpi = 50;
constexpr double Scale =
    static_cast<double>(RenderDpi) / PdfResolution;  // rendered / printer pixels

using test::Scripted;

class PrintFiles : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() /
                   ("vivarnon-print-test-" +
                    std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    // Page `page` of the PDF as a picture, or a null image without pdftoppm.
    QImage Render(const fs::path& pdf, int page = 1) {
        if (std::system("command -v pdftoppm >/dev/null 2>&1") != 0) return {};
        const fs::path stem = dir / ("page" + std::to_string(page));
        const std::string command = "pdftoppm -r " + std::to_string(RenderDpi) + " -f " +
                                    std::to_string(page) + " -l " + std::to_string(page) +
                                    " -singlefile -png " + pdf.string() + " " + stem.string();
        if (std::system(command.c_str()) != 0) return {};
        return QImage(QString::fromStdString(stem.string() + ".png"));
    }
};

// Non-white pixels of `image` in the rows y0..y1 and columns x0..x1 (rendered pixels).
int Ink(const QImage& image, int x0, int y0, int x1, int y1) {
    int count = 0;
    for (int y = std::max(y0, 0); y < std::min(y1, image.height()); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, image.width()); ++x)
            if (qGray(image.pixel(x, y)) < 200) ++count;
    return count;
}

std::vector<int> DrawnSimulations() {
    std::vector<int> drawn;
    const Catalogue& catalogue = AllSimulations();
    for (int n = 2; n <= 43; ++n) {
        const CatalogueEntry* e = catalogue.Find(static_cast<std::uint16_t>(n));
        if (e != nullptr && e->Draw != nullptr) drawn.push_back(n);
    }
    return drawn;
}

TEST_F(PrintFiles, EverySimulationPrintsItsPictureAndItsTableUnderIt) {
    const double margin = PdfMarginMillimetres / 25.4 * RenderDpi;  // rendered pixels
    for (int n : DrawnSimulations()) {
        Scripted s;
        const fs::path pdf = dir / ("sim" + std::to_string(n) + ".pdf");
        ASSERT_EQ(s.Run("select " + std::to_string(n) + "\n"), 0);
        OnFileMenuOpened(s.app);
        const bool table = s.app.Window.PrintTableItem.Enabled;
        ASSERT_EQ(s.Run(std::string("print ") + pdf.string() + (table ? " table" : "") + "\n"), 0)
            << n << s.err.str();
        ASSERT_TRUE(fs::exists(pdf)) << n;
        const QImage page = Render(pdf);
        if (page.isNull()) GTEST_SKIP() << "pdftoppm is not installed";
        // The picture " 75% skalatro" below the title line, 200 printer pixels in.
        const PrintSizes sizes = ComputePrintSizes(
            s.app.Map, static_cast<int>(std::lround((page.width() - 2 * margin) / Scale)),
            static_cast<int>(std::lround((page.height() - 2 * margin) / Scale)), DefaultPrintSize);
        const int top = static_cast<int>(margin + 200 * Scale);
        const int bottom = static_cast<int>(margin + (200 + *sizes.Height) * Scale);
        const int left = static_cast<int>(margin + 200 * Scale);
        const int right = static_cast<int>(margin + (200 + *sizes.Width) * Scale);
        EXPECT_GT(Ink(page, left, top, right, bottom), 50) << "no picture printed in " << n;
        EXPECT_GT(Ink(page, left, 0, page.width(), top), 5) << "no title line in " << n;
        if (table) {
            EXPECT_GT(Ink(page, left, bottom + 4, page.width(), page.height()), 20)
                << "no table under " << n;
        }
        // The screen is drawn as before.
        EXPECT_EQ(s.app.Map.PrintOffsetX, 0);
        EXPECT_EQ(s.app.Map.PictureWidth, s.app.Image->Width());
    }
}

TEST_F(PrintFiles, DataListsFillTwoPageColumns) {
    for (int n : {3, 4, 7, 8, 9, 10, 11, 12}) {
        Scripted s;
        const fs::path pdf = dir / ("data" + std::to_string(n) + ".pdf");
        ASSERT_EQ(s.Run("select " + std::to_string(n) + "\ndata " + pdf.string() + "\n"), 0)
            << n << s.err.str();
        const QImage page = Render(pdf);
        if (page.isNull()) GTEST_SKIP() << "pdftoppm is not installed";
        const int half = page.width() / 2;
        const int rowsTop = page.height() / 8;
        EXPECT_GT(Ink(page, 0, rowsTop, half, page.height()), 100) << n;
        EXPECT_GT(Ink(page, half, rowsTop, page.width(), page.height()), 100)
            << "no second column in " << n;
    }
}

TEST_F(PrintFiles, DataWithoutAListIsABadLineAsTheMenuItemIsDisabled) {
    Scripted s;
    const fs::path pdf = dir / "two.pdf";
    EXPECT_EQ(s.Run("select 2\ndata " + pdf.string() + "\n"), 2);
    EXPECT_EQ(s.err.str().rfind("line 2: ", 0), 0u) << s.err.str();
    EXPECT_FALSE(fs::exists(pdf));
    Scripted t;
    EXPECT_EQ(t.Run("select 7\nprint " + pdf.string() + " tables\n"), 2);
    Scripted u;
    EXPECT_EQ(u.Run("select 7\nprint /nonexistent-dir/x.pdf\n"), 2);
    EXPECT_NE(u.err.str().find("cannot write"), std::string::npos);
    // The failed print left the screen as it was.
    EXPECT_EQ(u.app.Map.PrintOffsetX, 0);
}

TEST_F(PrintFiles, TheVectorCopyShowsTheFiguresOfTheScreenPicture) {
    for (int n : DrawnSimulations()) {
        Scripted s;
        const fs::path svg = dir / ("sim" + std::to_string(n) + ".svg");
        ASSERT_EQ(s.Run("select " + std::to_string(n) + "\nsave " + svg.string() + "\n"), 0)
            << n << s.err.str();
        QSvgRenderer renderer(QString::fromStdString(svg.string()));
        ASSERT_TRUE(renderer.isValid()) << n;
        const QImage& screen = dynamic_cast<RasterCanvas&>(*s.app.Image).Image();
        QImage drawn(screen.size(), QImage::Format_RGB32);
        drawn.fill(Qt::white);
        {
            QPainter painter(&drawn);
            renderer.render(&painter);
        }
        // Most inked pixels of the screen have ink near them in the copy.
        int inked = 0, matched = 0;
        for (int y = 2; y < screen.height() - 2; y += 2)
            for (int x = 2; x < screen.width() - 2; x += 2) {
                if (qGray(screen.pixel(x, y)) >= 200) continue;
                ++inked;
                if (Ink(drawn, x - 2, y - 2, x + 3, y + 3) > 0) ++matched;
            }
        ASSERT_GT(inked, 0) << n;
        EXPECT_GT(matched, inked * 8 / 10) << n << ": " << matched << " of " << inked;
    }
}

}  // namespace
}  // namespace viv
