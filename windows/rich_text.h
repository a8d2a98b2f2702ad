// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The memo's rich text between the plain document the reader and writer use and the
// QTextDocument the text widget edits.
#pragma once

#include "library/rtf_document.h"

class QTextDocument;

namespace viv {

// Replaces the content of `target` by `document`. Runs with the reader's default font take
// the target's default font.
void FillTextDocument(const RtfDocument& document, QTextDocument& target);

// The text and formatting of `source`: fonts and colours collected into the tables.
RtfDocument FromTextDocument(const QTextDocument& source);

}  // namespace viv
