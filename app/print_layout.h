// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Printing the picture, the table under it and the data list: the sizes offered by the
// print dialog, the switch of the mapping to the printer's page and back, and the page
// layouts. No windowing code: the Qt window prints on a printer, the scripted mode on a
// PDF file, both through PrintTarget.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/data_list.h"
#include "library/canvas.h"

namespace viv {

class App;
struct World;

constexpr int PrintOffset = 200;   // PrintOffsetX and PrintOffsetY while printing, pixels
constexpr int MinPrintSide = 200;  // the smallest printed width or height, pixels
constexpr int PrintTitleTop = 10;  // the title line's top, pixels
constexpr int MaxCopies = 10;
constexpr int PrintFontSize = 10;  // points, all printed text outside the picture

// The sizes of the print dialog's list, in order.
constexpr std::array<std::string_view, 9> PrintSizeItems{
    "brugerdefineret", "100%",          " 75%",          " 50%",         " 25%",
    "100% skalatro",   " 75% skalatro", " 50% skalatro", " 25% skalatro"};
constexpr int UserDefinedSize = 0;
constexpr int DefaultPrintSize = 6;  // " 75% skalatro"

// What the dialog shows for a page of pageWidth x pageHeight printer pixels.
struct PrintSizes {
    int MaxPrintWidth = 0;
    int MaxPrintHeight = 0;
    std::string LabelX;  // "200.." + MaxPrintWidth
    std::string LabelY;  // "200.." + MaxPrintHeight
    // The width and height the selected item proposes; none for "brugerdefineret".
    std::optional<int> Width, Height;
};

// The plain percentages stretch the picture over the page; the "skalatro" ones keep the
// screen picture's proportion, so that angles and circles print true. `map` holds the
// screen picture's size, its margins and the print offsets.
PrintSizes ComputePrintSizes(const World& map, int pageWidth, int pageHeight, int item);

// The whole number in `text` (blanks around it allowed) if it lies in 200..maximum.
std::optional<int> ParsePrintSide(std::string_view text, int maximum);

// A print job as the core sees it: pages one after another, each a canvas of the page's
// size in printer pixels.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    virtual TCanvas& Page() = 0;
    // Moves on to a fresh page; false when the printer refuses, which ends the job.
    virtual bool NewPage() = 0;
};

// A file of pages being written (a PDF of printer pages, an SVG picture): complete only
// after Finish.
class PageFile : public PrintTarget {
public:
    // Ends the drawing and puts the file in place, whole or not at all; false with a
    // reason when it could not be written.
    virtual bool Finish(std::string& error) = 0;
};

struct PictureRequest {
    int PrintWidth = 0;   // printer pixels
    int PrintHeight = 0;  // printer pixels
    int Copies = 1;
    std::string Title;
    bool TableToo = false;   // the results table under the picture
    int ScreenWidth = 1024;  // the screen's width in pixels: the pens grow by page / screen
};

// "Udskriv &Graf...". While a scope lives the animation clock is stopped and the mapping
// has the print offsets; when it ends, however printing went, the picture size, offsets
// and pens are those of the screen again, the screen picture is redrawn and the clock
// runs again if it ran.
class PicturePrintScope {
public:
    explicit PicturePrintScope(App& app);
    PicturePrintScope(const PicturePrintScope&) = delete;
    PicturePrintScope& operator=(const PicturePrintScope&) = delete;
    ~PicturePrintScope();

    // Draws the picture, with the title above it and the table under it if asked, once a
    // copy. Returns whether every page was delivered.
    bool Print(PrintTarget& target, const PictureRequest& request);

private:
    App& app_;
    bool timerRan_;
    std::uint16_t width_, height_;
    const TCanvas* image_;  // the screen picture when printing began
};

// The results table under a picture printHeight high, starting on the current page; no
// row is written below page height - 2 text heights.
bool PrintTableUnderPicture(App& app, PrintTarget& target, int printHeight);

// "Udskriv &Data": the list in two page columns under the title line.
bool PrintDataList(App& app, PrintTarget& target, const DataList& list, std::string_view title);

// "Kopi som &Metafile": the picture drawn once more on a vector canvas of the screen
// picture's size, with the screen picture's font; the screen picture is redrawn after.
void DrawVectorCopy(App& app, TCanvas& canvas);

// The data list of the current simulation, if it has one.
std::optional<DataList> CurrentDataList(App& app);

// The "&Filer" menu opens: "Udskriv &Data" is enabled for the simulations with a data
// list, "Udskriv &Tabel" for those that fill the results table.
void OnFileMenuOpened(App& app);

}  // namespace viv
