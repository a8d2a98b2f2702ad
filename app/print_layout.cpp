// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/print_layout.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "app/app.h"
#include "app/catalogue.h"
#include "app/scene.h"
#include "library/colour_table.h"
#include "library/format.h"

namespace viv {

namespace {

int Round(double v) {
    return static_cast<int>(std::lround(v));
}

constexpr std::array<double, 9> SizeFactors{0, 1, 0.75, 0.5, 0.25, 1, 0.75, 0.5, 0.25};

void UsePrintFont(TCanvas& page, bool bold) {
    page.Font = TFont{};
    page.Font.Size = PrintFontSize;
    page.Font.Bold = bold;
    page.Brush.Style = bsClear;
    page.Pen.Mode = pmCopy;
}

std::string_view WithoutLeadingBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string TitleLine(const App& app, std::string_view title) {
    std::string line(title);
    line += ", ";
    line += app.Window.Caption;
    return line;
}

// Both print offsets at 200 while a data list is laid out, 0 again however it ends.
class DataListOffsets {
public:
    explicit DataListOffsets(World& map) : map_(map) {
        map_.PrintOffsetX = PrintOffset;
        map_.PrintOffsetY = PrintOffset;
    }
    DataListOffsets(const DataListOffsets&) = delete;
    DataListOffsets& operator=(const DataListOffsets&) = delete;
    ~DataListOffsets() {
        map_.PrintOffsetX = 0;
        map_.PrintOffsetY = 0;
    }

private:
    World& map_;
};

}  // namespace

std::string ColourLine(const Scene& scene) {
    const ColourRow& colour = Colour(scene.State.CurrentColour);
    return "bølgelængde " + FormatReal(2, 1, colour.WaveLength) + "nm, " +
           std::string(colour.ColourName);
}

PrintSizes ComputePrintSizes(const World& map, int pageWidth, int pageHeight, int item) {
    PrintSizes s;
    s.MaxPrintWidth = pageWidth - map.PictureMarginX - map.PrintOffsetX;
    s.MaxPrintHeight = pageHeight - map.PictureMarginY - map.PrintOffsetY;
    s.LabelY = "200.." + FormatInteger(s.MaxPrintHeight, 1);
    s.LabelX = "200.." + FormatInteger(s.MaxPrintWidth, 1);
    if (item <= UserDefinedSize || item >= static_cast<int>(SizeFactors.size())) return s;

    const double f = SizeFactors[static_cast<std::size_t>(item)];
    if (item <= 4) {
        s.Width = Round(f * s.MaxPrintWidth);
        s.Height = Round(f * s.MaxPrintHeight);
        return s;
    }
    // The widest print with the screen picture's proportion.
    const double r =
        map.PictureHeight > 0 ? static_cast<double>(map.PictureWidth) / map.PictureHeight : 1.0;
    double c = s.MaxPrintWidth;
    if (s.MaxPrintHeight * r < s.MaxPrintWidth) c = Round(s.MaxPrintHeight * r);
    // Rounding c can push the height half a pixel past the page; the dialog would refuse it.
    s.Width = std::min(Round(f * c), s.MaxPrintWidth);
    s.Height = std::min(Round(f * c / r), s.MaxPrintHeight);
    return s;
}

std::optional<int> ParsePrintSide(std::string_view text, int maximum) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < MinPrintSide || value > maximum) return std::nullopt;
    return value;
}

// --- The picture ---

PicturePrintScope::PicturePrintScope(App& app)
    : app_(app),
      timerRan_(app.Window.Clock.Enabled),
      width_(app.Map.PictureWidth),
      height_(app.Map.PictureHeight),
      image_(app.Image.get()) {
    app_.Window.Clock.Enabled = false;
    app_.Map.PrintOffsetX = PrintOffset;
    app_.Map.PrintOffsetY = PrintOffset;
}

PicturePrintScope::~PicturePrintScope() {
    World& map = app_.Map;
    // A resize while the dialog was open made a new picture of another size.
    const bool resized = app_.Image && app_.Image.get() != image_;
    map.PictureWidth = resized ? static_cast<std::uint16_t>(app_.Image->Width()) : width_;
    map.PictureHeight = resized ? static_cast<std::uint16_t>(app_.Image->Height()) : height_;
    map.PrintOffsetX = 0;
    map.PrintOffsetY = 0;
    map.PenWidth = 1;
    map.BoldPenWidth = 3;
    map.AxisPenWidth = 1;
    map.UpdateAspect();
    if (app_.State.CurrentSimulation != Closed) {
        app_.RedrawPicture();
        app_.Window.Clock.Enabled = timerRan_;
    }
}

bool PicturePrintScope::Print(PrintTarget& target, const PictureRequest& request) {
    World& map = app_.Map;
    if (request.PrintWidth < 1 || request.PrintHeight < 1 || width_ == 0 || height_ == 0)
        return false;
    const int pageWidth = target.Page().Width();
    const double s = static_cast<double>(pageWidth) / std::max(request.ScreenWidth, 1);
    map.PenWidth = std::max(Round(s) / 2, 1);
    map.BoldPenWidth = std::max(Round(3.0 * request.PrintWidth / width_), 3);
    map.AxisPenWidth = std::max(Round(s), 1);
    // The world window keeps its ranges: AspectHeight stays as on the screen.
    map.PictureWidth = static_cast<std::uint16_t>(std::min(request.PrintWidth, 0xFFFF));
    map.PictureHeight = static_cast<std::uint16_t>(std::min(request.PrintHeight, 0xFFFF));

    const bool withTable = request.TableToo && app_.Window.PrintTableItem.Enabled;
    const int copies = std::clamp(request.Copies, 1, MaxCopies);
    for (int copy = 1; copy <= copies; ++copy) {
        TCanvas& page = target.Page();
        UsePrintFont(page, false);
        page.TextOut(map.PrintOffsetX, PrintTitleTop, TitleLine(app_, request.Title));
        page.Font = TFont{};
        page.Pen = TPen{};
        page.Brush = TBrush{};
        app_.DrawSimulation(Event::Redraw, false, page);
        if (withTable && !PrintTableUnderPicture(app_, target, request.PrintHeight)) return false;
        if (copy < copies && !target.NewPage()) return false;
    }
    return true;
}

// --- The table under the picture ---

bool PrintTableUnderPicture(App& app, PrintTarget& target, int printHeight) {
    const ResultsTable& table = app.Table;
    const int left = app.Map.PrintOffsetX;
    TCanvas* page = &target.Page();
    UsePrintFont(*page, false);
    const int lineHeight = std::max(page->TextHeight("t"), 1);
    const int pageHeight = page->Height();
    const int valueEnd = left + 2 * page->TextWidth("bølgelængde,orange");
    const int columnStep = page->TextWidth("123456789012");
    int headerEnd = left;

    int y = 5 * lineHeight + printHeight;
    for (int r = 0; r < table.RowCount(); ++r) {
        // A row that would reach the page's foot goes to the next page.
        if (y >= pageHeight - 2 * lineHeight) {
            if (!target.NewPage()) return false;
            page = &target.Page();
            UsePrintFont(*page, false);
            y = lineHeight;
        }
        page->TextOut(left, y, table.Cell(0, r));
        int rowEnd = left + page->TextWidth(table.Cell(0, r));
        for (int c = 1; c < table.ColCount(); ++c) {
            const std::string_view value = WithoutLeadingBlanks(table.Cell(c, r));
            const int right = valueEnd + (c - 1) * columnStep;
            page->TextOut(right - page->TextWidth(value), y, value);
            if (!value.empty()) rowEnd = std::max(rowEnd, right);
        }
        if (r == 0) {
            headerEnd = rowEnd;
            y += lineHeight;
            page->Pen = TPen{};
            page->Pen.Width = 1;
            page->MoveTo(left, y + 10);
            page->LineTo(headerEnd, y + 10);
            y += 20;
        } else {
            y += lineHeight;
        }
    }
    return true;
}

// --- The data list ---

namespace {

class DataListPrinter {
public:
    DataListPrinter(App& app, PrintTarget& target, const DataList& list, std::string_view title)
        : app_(app), target_(target), list_(list), title_(title) {}

    bool Run() {
        TCanvas& page = target_.Page();
        UsePrintFont(page, false);
        lineHeight_ = std::max(page.TextHeight("t"), 1);
        pageWidth_ = page.Width();
        pageHeight_ = page.Height();
        for (std::size_t k = 0; k < list_.Headers.size(); ++k) {
            if (k > 0) headerLine_ += "  ";
            headerLine_ += list_.Headers[k];
        }
        FullHead();
        // NOLINTNEXTLINE(readability-use-anyofallof): every row is printed, not only tested
        for (const std::vector<std::string>& row : list_.Rows) {
            if (y_ >= pageHeight_ - 2 * lineHeight_) {
                if (x0_ != 0) {
                    if (!target_.NewPage()) return false;
                    x0_ = 0;
                    FullHead();
                } else {
                    x0_ = (pageWidth_ + Left()) / 2;
                    ShortHead();
                }
            }
            Row(row);
        }
        return true;
    }

private:
    int Left() const { return app_.Map.PrintOffsetX; }

    void FullHead() {
        TCanvas& page = target_.Page();
        UsePrintFont(page, true);
        page.TextOut(Left(), PrintTitleTop, TitleLine(app_, title_));
        UsePrintFont(page, false);
        y_ = 2 * lineHeight_;
        page.TextOut(Left(), y_, list_.Subtitle);
        y_ += 2 * lineHeight_;
        page.TextOut(Left() + x0_, y_, headerLine_);
        y_ += 2 * lineHeight_;
    }

    void ShortHead() {
        TCanvas& page = target_.Page();
        y_ = 4 * lineHeight_;
        page.TextOut(Left() + x0_, y_, headerLine_);
        y_ += 2 * lineHeight_;
    }

    // Each value ends under the end of its header.
    void Row(const std::vector<std::string>& values) {
        TCanvas& page = target_.Page();
        const std::size_t n = std::min(values.size(), list_.Headers.size());
        int x = 0;
        int previousWidth = 0;
        for (std::size_t k = 0; k < n; ++k) {
            const int width = page.TextWidth(values[k]);
            if (k == 0)
                x = Left() + page.TextWidth(list_.Headers[0]) - width;
            else
                x = x + previousWidth + page.TextWidth(list_.Headers[k] + "  ") - width;
            page.TextOut(x0_ + x, y_, values[k]);
            previousWidth = width;
        }
        y_ += lineHeight_;
    }

    App& app_;
    PrintTarget& target_;
    const DataList& list_;
    std::string_view title_;
    std::string headerLine_;
    int lineHeight_ = 1;
    int pageWidth_ = 0;
    int pageHeight_ = 0;
    int x0_ = 0;  // 0 on the left half of a page
    int y_ = 0;
};

}  // namespace

bool PrintDataList(App& app, PrintTarget& target, const DataList& list, std::string_view title) {
    const DataListOffsets offsets(app.Map);
    return DataListPrinter(app, target, list, title).Run();
}

void DrawVectorCopy(App& app, TCanvas& canvas) {
    if (app.Image) canvas.Font = app.Image->Font;
    app.DrawSimulation(Event::Redraw, false, canvas);
    app.RedrawPicture();
}

std::optional<DataList> CurrentDataList(App& app) {
    const CatalogueEntry* entry = app.catalogue().Find(app.State.CurrentSimulation);
    if (entry == nullptr || entry->Data == nullptr) return std::nullopt;
    Scene scene(app);
    return entry->Data(scene);
}

void OnFileMenuOpened(App& app) {
    const CatalogueEntry* entry = app.catalogue().Find(app.State.CurrentSimulation);
    app.Window.PrintDataItem.Enabled = entry != nullptr && entry->Data != nullptr;
    app.Window.PrintTableItem.Enabled = Shows(app.Window.ShownButtons, Buttons::Table);
}

}  // namespace viv
