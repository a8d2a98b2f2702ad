// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/table_csv.h"

namespace viv {

namespace {

void AppendField(std::string& out, const std::string& field, char listSeparator) {
    const bool quote =
        field.find_first_of(std::string{listSeparator, '"', '\r', '\n'}) != std::string::npos;
    if (!quote) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string TableCsv(const ResultsTable& table, char listSeparator, char decimalSeparator) {
    std::string out = "\xEF\xBB\xBF";
    for (int row = 0; row < table.RowCount(); ++row) {
        for (int col = 0; col < table.ColCount(); ++col) {
            if (col > 0) out += listSeparator;
            // The grid pads its numbers with blanks to align them; a spreadsheet wants none.
            std::string field = Trimmed(table.Cell(col, row));
            if (row > 0 && col > 0)
                if (const auto dot = field.find('.'); dot != std::string::npos)
                    field[dot] = decimalSeparator;
            AppendField(out, field, listSeparator);
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace viv
