// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The picture and the results table saved as files, for worksheets: the picture as PNG
// (the exact screen raster) or as SVG or PDF (vectors, drawn anew on a white page of the
// picture's size), the table as CSV. The menu and the scripted mode save through these.
// A file is written whole or not at all: it goes to a temporary file that replaces the
// old one only when everything was written.
#pragma once

#include <string>
#include <string_view>

namespace viv {

class App;

enum class PictureFormat { Png, Svg, Pdf, Unknown };

// The format a file name asks for by its extension (in any case).
PictureFormat PictureFormatOf(std::string_view path);

// Saves the current picture of `app` in the format of `path`'s extension. SVG and PDF draw
// the simulation again on the vector canvas as the metafile copy does, on a white page of
// the picture's size, after which the screen picture is redrawn.
// False with a reason in `error` on failure; an existing file is then left as it was.
bool SavePicture(App& app, const std::string& path, std::string& error);

// Saves the whole results table of `app` as CSV with the system's list separator and
// decimal point (UTF-8 with a byte-order mark, so that spreadsheets read the Danish
// letters; lines end in CR LF).
bool SaveTable(const App& app, const std::string& path, std::string& error);

// Writes `bytes` to `path` whole or not at all.
bool SaveBytes(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace viv
