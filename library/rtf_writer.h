// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Writes a rich-text document as a word processor reads it: code page 1252 characters
// as "\'hh", all others as "\uN" with "?" for readers that know no Unicode.
#pragma once

#include <string>

#include "library/rtf_document.h"

namespace viv {

std::string WriteRtf(const RtfDocument& document);

}  // namespace viv
