// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The results table as a CSV file for spreadsheets.
#pragma once

#include <string>

#include "app/results_table.h"

namespace viv {

// Every row and column of `table`, headers included, as CSV: UTF-8 after a byte-order
// mark, fields joined by `listSeparator`, lines ended by CR LF. In the value cells the
// decimal point becomes `decimalSeparator`, as in the table's copy; the blanks that align
// the grid's numbers are left out, and an empty cell stays empty. A field holding the separator, a
// quote or a line break is quoted, its quotes doubled.
std::string TableCsv(const ResultsTable& table, char listSeparator, char decimalSeparator);

}  // namespace viv
