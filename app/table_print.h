// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The results table on the printer: a title line, then one line per row with the row
// header at the left and the values right-aligned in columns, over as many pages as needed.
#pragma once

#include <functional>
#include <string_view>

#include "library/canvas.h"

namespace viv {

class App;

// Left edge of the printed table and of its title, printer pixels.
constexpr int TablePrintLeft = 200;
constexpr int TablePrintTitleTop = 10;  // printer pixels
constexpr int TablePrintOffset = 200;   // PrintOffsetX and PrintOffsetY during the job

// Lays the table of `app` out on `page` (printer pixels; pages `pageHeight` high) under the
// line "<title>, <caption>". `newPage` moves the job on to a fresh page and returns false
// when the printer refuses; the job then stops. The print offsets of the mapping are
// 200 while the table is laid out and 0 again afterwards, however the job ends.
// Returns whether every page was delivered.
bool PrintResultsTable(App& app, TCanvas& page, int pageHeight, std::string_view title,
                       const std::function<bool()>& newPage);

}  // namespace viv
