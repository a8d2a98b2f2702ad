// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Printing the picture, the table under it and the data lists: the dialog's sizes, the
// screen state after a print however it ends, and the page layouts.
#include "app/print_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/catalogue.h"
#include "picture_checks.h"
#include "print_pages.h"
#include "test_host.h"

namespace viv {
namespace {

using test::RecordingPages;
using test::StartedApp;

World PageMap(int pictureWidth, int pictureHeight) {
    World map;
    map.PictureWidth = static_cast<std::uint16_t>(pictureWidth);
    map.PictureHeight = static_cast<std::uint16_t>(pictureHeight);
    map.PrintOffsetX = PrintOffset;
    map.PrintOffsetY = PrintOffset;
    return map;
}

TEST(PrintSizes, TheDialogOffersThePageLessOffsetAndMargins) {
    const World map = PageMap(600, 400);
    const PrintSizes s = ComputePrintSizes(map, 4800, 6600, UserDefinedSize);
    EXPECT_EQ(s.LabelX, "200..4600");
    EXPECT_EQ(s.LabelY, "200..6400");
    EXPECT_FALSE(s.Width);  // "brugerdefineret" leaves the fields as the user typed them
    EXPECT_FALSE(s.Height);

    World inset = map;
    inset.PictureMarginX = 40;
    inset.PictureMarginY = 30;
    const PrintSizes m = ComputePrintSizes(inset, 4800, 6600, UserDefinedSize);
    EXPECT_EQ(m.MaxPrintWidth, 4560);
    EXPECT_EQ(m.MaxPrintHeight, 6370);
}

TEST(PrintSizes, PlainPercentagesStretchAndTrueScaleKeepsTheScreensProportion) {
    const World map = PageMap(600, 400);
    const PrintSizes quarter = ComputePrintSizes(map, 4800, 6600, 4);  // " 25%"
    EXPECT_EQ(*quarter.Width, 1150);
    EXPECT_EQ(*quarter.Height, 1600);
    const PrintSizes full = ComputePrintSizes(map, 4800, 6600, 5);  // "100% skalatro"
    EXPECT_EQ(*full.Width, 4600);
    EXPECT_EQ(*full.Height, 3067);
    const PrintSizes half = ComputePrintSizes(map, 4800, 6600, 7);  // " 50% skalatro"
    EXPECT_EQ(*half.Width, 2300);
    EXPECT_EQ(*half.Height, 1533);

    // A tall picture is limited by the page's height; the rounding of its width never
    // makes the height one pixel too high for the dialog to take.
    const PrintSizes tall = ComputePrintSizes(PageMap(400, 600), 4800, 6600, 5);
    EXPECT_EQ(*tall.Width, 4267);
    EXPECT_EQ(*tall.Height, 6400);
    EXPECT_TRUE(ParsePrintSide(std::to_string(*tall.Height), tall.MaxPrintHeight));
    // Landscape.
    const PrintSizes wide = ComputePrintSizes(map, 6600, 4800, 5);
    EXPECT_EQ(*wide.Width, 6400);
    EXPECT_EQ(*wide.Height, 4267);
    // Every proposal is one the dialog takes.
    for (int item = 1; item < 9; ++item)
        for (const auto& [w, h] :
             {std::pair{600, 400}, {400, 600}, {631, 445}, {1, 999}, {999, 1}}) {
            const PrintSizes p = ComputePrintSizes(PageMap(w, h), 4800, 6600, item);
            EXPECT_LE(*p.Width, p.MaxPrintWidth) << item << " " << w << "x" << h;
            EXPECT_LE(*p.Height, p.MaxPrintHeight) << item << " " << w << "x" << h;
        }
}

TEST(PrintSizes, OnlyWholeNumbersFrom200ToTheMaximumAreTaken) {
    EXPECT_FALSE(ParsePrintSide("150", 6400));
    EXPECT_FALSE(ParsePrintSide("199", 6400));
    EXPECT_EQ(ParsePrintSide("200", 6400), 200);
    EXPECT_EQ(ParsePrintSide(" 6400 ", 6400), 6400);
    EXPECT_FALSE(ParsePrintSide("6401", 6400));
    EXPECT_FALSE(ParsePrintSide("", 6400));
    EXPECT_FALSE(ParsePrintSide("12.5", 6400));
    EXPECT_FALSE(ParsePrintSide("3000x", 6400));
    EXPECT_FALSE(ParsePrintSide("99999999999999", 6400));
}

TEST(FilerMenu, DataIsOnlyForTheSimulationsWithAListAndTableOnlyWithATable) {
    StartedApp s;
    const std::set<int> withList{3, 4, 7, 8, 9, 10, 11, 12};
    for (int n = 2; n <= 43; ++n) {
        if (n == 13) continue;
        s.app.MenuEntry(static_cast<std::uint16_t>(n));
        OnFileMenuOpened(s.app);
        EXPECT_EQ(s.app.Window.PrintDataItem.Enabled, withList.count(n) == 1) << n;
        EXPECT_EQ(s.app.Window.PrintTableItem.Enabled,
                  Shows(s.app.Window.ShownButtons, Buttons::Table))
            << n;
    }
    s.app.MenuEntry(2);
    OnFileMenuOpened(s.app);
    EXPECT_FALSE(s.app.Window.PrintDataItem.Enabled);
}

PictureRequest Request(int width, int height) {
    PictureRequest r;
    r.PrintWidth = width;
    r.PrintHeight = height;
    r.Title = "3.b";
    r.ScreenWidth = 1024;
    return r;
}

TEST(PicturePrint, TheScreenPictureAndTheMappingAreAsBeforeAfterPrinting) {
    for (int n : {4, 7, 10, 17, 19}) {
        StartedApp s;
        s.app.MenuEntry(static_cast<std::uint16_t>(n));
        const QImage before = s.picture().Image().copy();
        const World map = s.app.Map;
        RecordingPages pages(4800, 6600);
        {
            PicturePrintScope scope(s.app);
            EXPECT_TRUE(scope.Print(pages, Request(3000, 2000)));
        }
        test::ExpectSamePicture(s.picture().Image(), before, "print-restores-" + std::to_string(n));
        EXPECT_EQ(s.app.Map.PictureWidth, map.PictureWidth);
        EXPECT_EQ(s.app.Map.PictureHeight, map.PictureHeight);
        EXPECT_DOUBLE_EQ(s.app.Map.AspectHeight, map.AspectHeight);
        EXPECT_EQ(s.app.Map.PrintOffsetX, 0);
        EXPECT_EQ(s.app.Map.PrintOffsetY, 0);
        EXPECT_EQ(s.app.Map.PenWidth, 1);
        EXPECT_EQ(s.app.Map.BoldPenWidth, 3);
        EXPECT_EQ(s.app.Map.AxisPenWidth, 1);
        // The page got the picture, drawn on the page's scale beside the offsets.
        EXPECT_GT(pages.pages[0]->figures.size(), 5u) << n;
    }
}

TEST(PicturePrint, PensGrowWithThePageAndTheTitleHeadsEveryCopy) {
    StartedApp s;
    s.app.MenuEntry(7);
    RecordingPages pages(4800, 6600);
    int penWidth = 0, boldWidth = 0, axisWidth = 0, pictureWidth = 0;
    pages.onPage = [&] {
        penWidth = s.app.Map.PenWidth;
        boldWidth = s.app.Map.BoldPenWidth;
        axisWidth = s.app.Map.AxisPenWidth;
        pictureWidth = s.app.Map.PictureWidth;
    };
    PictureRequest r = Request(3000, 2000);
    r.Copies = 3;
    {
        PicturePrintScope scope(s.app);
        EXPECT_TRUE(scope.Print(pages, r));
    }
    EXPECT_EQ(penWidth, 2);  // round(4800 / 1024) div 2
    EXPECT_EQ(axisWidth, 5);
    EXPECT_EQ(boldWidth, static_cast<int>(std::lround(3.0 * 3000 / s.app.Image->Width())));
    EXPECT_EQ(pictureWidth, 3000);
    ASSERT_EQ(pages.pages.size(), 3u);
    for (const auto& page : pages.pages) {
        const std::vector<test::Figure> texts = page->Of("text");
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.front().text, "3.b, Spredning i en dråbe");
        EXPECT_EQ(texts.front().points[0], (TPoint{200, 10}));
        // The drop lies inside the printed picture's area.
        for (const test::Figure& f : page->Of("ellipse")) {
            EXPECT_GE(f.points[0].x, 200 - 50);
            EXPECT_LE(f.points[1].x, 200 + 3000 + 50);
        }
    }
}

TEST(PicturePrint, ARunningAnimationStopsWhilePrintingAndGoesOnAfter) {
    StartedApp s;
    s.app.MenuEntry(19);
    s.app.RunButtonClick();
    ASSERT_TRUE(s.app.Window.Clock.Enabled);
    for (int k = 0; k < 5; ++k) s.app.OnClockTick();
    const QImage before = s.picture().Image().copy();
    RecordingPages pages(4800, 6600);
    bool ranWhilePrinting = false;
    pages.onPage = [&] { ranWhilePrinting |= s.app.Window.Clock.Enabled; };
    {
        PicturePrintScope scope(s.app);
        // A tick queued while the dialog is open does nothing.
        s.app.OnClockTick();
        EXPECT_TRUE(scope.Print(pages, Request(4000, 3000)));
    }
    EXPECT_FALSE(ranWhilePrinting);
    EXPECT_TRUE(s.app.Window.Clock.Enabled);
    test::ExpectSamePicture(s.picture().Image(), before, "print-animation");
    s.app.OnClockTick();  // and it goes on from where it was
    EXPECT_NE(s.picture().Image(), before);
}

TEST(PicturePrint, ARefusedOrCancelledJobStillRestoresTheScreen) {
    StartedApp s;
    s.app.MenuEntry(10);
    const QImage before = s.picture().Image().copy();
    RecordingPages pages(4800, 6600, /*acceptedPages=*/1);
    PictureRequest r = Request(3000, 2000);
    r.Copies = 2;
    {
        PicturePrintScope scope(s.app);
        EXPECT_FALSE(scope.Print(pages, r));
    }
    test::ExpectSamePicture(s.picture().Image(), before, "print-refused");
    EXPECT_EQ(s.app.Map.PrintOffsetX, 0);
    EXPECT_EQ(s.app.Map.PenWidth, 1);
    { PicturePrintScope cancelled(s.app); }  // Cancel: nothing printed
    test::ExpectSamePicture(s.picture().Image(), before, "print-cancelled");
}

TEST(TableUnderPicture, NoRowFallsOffThePageNotEvenTheFirst) {
    StartedApp s;
    s.app.MenuEntry(10);  // a table of 12 rows
    ASSERT_GT(s.app.Table.RowCount(), 10);
    s.app.Map.PrintOffsetX = PrintOffset;
    const int pageHeight = 600;
    // The picture ends so low that the table's first row would be below the foot.
    RecordingPages pages(4800, pageHeight);
    ASSERT_TRUE(PrintTableUnderPicture(s.app, pages, 540));
    s.app.Map.PrintOffsetX = 0;
    const int lineHeight = 13;
    std::vector<std::string> headers;
    for (std::size_t k = 0; k < pages.pages.size(); ++k)
        for (const test::Figure& f : pages.Texts(k)) {
            EXPECT_LT(f.points[0].y, pageHeight - 2 * lineHeight) << f.text;
            if (f.points[0].x == 200) headers.push_back(f.text);
        }
    // Every row header once, in order, none on the picture's page.
    EXPECT_TRUE(pages.Texts(0).empty());
    ASSERT_EQ(static_cast<int>(headers.size()), s.app.Table.RowCount());
    for (int r = 0; r < s.app.Table.RowCount(); ++r)
        EXPECT_EQ(headers[static_cast<std::size_t>(r)], s.app.Table.Cell(0, r));
    // The rule under the header row.
    ASSERT_FALSE(pages.pages[1]->Of("line").empty());
}

TEST(TableUnderPicture, ValuesEndAtTheirColumnsRightEdge) {
    StartedApp s;
    s.app.MenuEntry(4);
    s.app.Map.PrintOffsetX = PrintOffset;
    RecordingPages pages(4800, 6600);
    ASSERT_TRUE(PrintTableUnderPicture(s.app, pages, 3000));
    const int valueEnd = 200 + 2 * 6 * static_cast<int>(std::string("bølgelængde,orange").size());
    for (const test::Figure& f : pages.Texts(0)) {
        EXPECT_GE(f.points[0].y, 5 * 13 + 3000);
        if (f.points[0].x == 200 || f.text.empty()) continue;
        const int end = f.points[0].x + 6 * static_cast<int>(f.text.size());
        EXPECT_TRUE(end == valueEnd || end == valueEnd + 72) << f.text << " ends at " << end;
        EXPECT_NE(f.text.front(), ' ');
    }
}

TEST(DataListPrint, TwoColumnsAPageWithTheValuesUnderTheirHeaders) {
    StartedApp s;
    s.app.MenuEntry(4);
    DataList list;
    list.Headers = {"vinkel i/°", "spejlet/%"};
    list.Subtitle = "undertitel";
    for (int k = 0; k < 100; ++k)
        list.Rows.push_back({std::to_string(k), std::to_string(1000 + k)});
    const int pageWidth = 2000, pageHeight = 13 * 30;  // 30 lines a page
    RecordingPages pages(pageWidth, pageHeight);
    ASSERT_TRUE(PrintDataList(s.app, pages, list, "Titel"));
    EXPECT_EQ(s.app.Map.PrintOffsetX, 0);
    EXPECT_EQ(s.app.Map.PrintOffsetY, 0);

    const int rightColumn = (pageWidth + 200) / 2;
    const auto width = [](const std::string& t) { return 6 * static_cast<int>(t.size()); };
    const int end1 = 200 + width("vinkel i/°");
    const int end2 = end1 + width("spejlet/%  ");
    std::vector<int> seen;
    for (std::size_t p = 0; p < pages.pages.size(); ++p) {
        const std::vector<test::Figure> texts = pages.Texts(p);
        ASSERT_GE(texts.size(), 3u);
        EXPECT_EQ(texts[0].text, "Titel, " + s.app.Window.Caption);
        EXPECT_EQ(texts[1].text, "undertitel");
        EXPECT_EQ(texts[2].text, "vinkel i/°  spejlet/%");
        int heads = 0;
        for (const test::Figure& f : texts) {
            EXPECT_LT(f.points[0].y, pageHeight - 13) << f.text;
            if (f.text == "vinkel i/°  spejlet/%") {
                ++heads;
                continue;
            }
            const int x0 = f.points[0].x >= rightColumn ? rightColumn : 0;
            const int end = f.points[0].x + width(f.text) - x0;
            if (f.text.size() == 4 && f.text[0] == '1') {
                EXPECT_EQ(end, end2) << f.text;
                seen.push_back(std::stoi(f.text) - 1000);
            } else if (f.text != texts[0].text && f.text != "undertitel") {
                EXPECT_EQ(end, end1) << f.text;
            }
        }
        EXPECT_LE(heads, 2);  // the full head and the short head of the right column
    }
    ASSERT_EQ(seen.size(), 100u);
    for (int k = 0; k < 100; ++k) EXPECT_EQ(seen[static_cast<std::size_t>(k)], k);
    EXPECT_GE(pages.pages.size(), 2u);
}

}  // namespace
}  // namespace viv
