// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/table_print.h"

#include <string>

#include "app/app.h"

namespace viv {

namespace {

// The screen drawing needs both offsets at 0, also when printing stops halfway.
class PrintOffsets {
public:
    explicit PrintOffsets(World& map) : map_(map) {
        map_.PrintOffsetX = TablePrintOffset;
        map_.PrintOffsetY = TablePrintOffset;
    }
    PrintOffsets(const PrintOffsets&) = delete;
    PrintOffsets& operator=(const PrintOffsets&) = delete;
    ~PrintOffsets() {
        map_.PrintOffsetX = 0;
        map_.PrintOffsetY = 0;
    }

private:
    World& map_;
};

std::string_view WithoutLeadingBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

}  // namespace

bool PrintResultsTable(App& app, TCanvas& page, int pageHeight, std::string_view title,
                       const std::function<bool()>& newPage) {
    const PrintOffsets offsets(app.Map);
    const ResultsTable& table = app.Table;

    const int lineHeight = page.TextHeight("t");
    // The values of column c end at valueEnd + (c - 1) * columnStep.
    const int valueEnd = TablePrintLeft + 2 * page.TextWidth("bølgelængde,orange");
    const int columnStep = page.TextWidth("123456789012");

    int y = 5 * lineHeight;
    std::string heading(title);
    heading += ", ";
    heading += table.Caption;
    page.TextOut(TablePrintLeft, TablePrintTitleTop, heading);

    for (int r = 0; r < table.RowCount(); ++r) {
        page.TextOut(TablePrintLeft, y, table.Cell(0, r));
        for (int c = 1; c < table.ColCount(); ++c) {
            const std::string_view value = WithoutLeadingBlanks(table.Cell(c, r));
            const int right = valueEnd + (c - 1) * columnStep;
            page.TextOut(right - page.TextWidth(value), y, value);
        }
        y += lineHeight;
        if (y >= pageHeight - 2 * lineHeight) {
            if (!newPage()) return false;
            y = lineHeight;
        }
    }
    return true;
}

}  // namespace viv
