// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The scripted mode: the program's core driven by a text of commands, one a line, with
// no window and no display. Teachers use it to make worksheet figures; the tests use it
// to drive the same code the window drives.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "app/app.h"
#include "app/host.h"
#include "app/print_layout.h"

namespace viv {

// What the scripted mode needs of its host beyond the window's services.
class ScriptHost : public Host {
public:
    // The picture becomes width x height pixels, as a resize of the window would make it,
    // and stays so whatever the control panel's width.
    virtual void SetPictureArea(MainWindowModel& window, int width, int height) = 0;
    // The cursor moves over picture pixel (x, y).
    virtual void MoveCursorToPicture(int x, int y) = 0;
    // The millisecond clock moves on by `ms`. The scripted mode's clock is virtual: it starts
    // at 0 and moves only with the ticks, so a script gives the same picture every time.
    virtual void AdvanceClock(std::uint32_t ms) = 0;
    // Writes the picture as PNG, SVG or PDF, by the file name's extension, whole or not at
    // all; false with a reason on failure.
    virtual bool SavePicture(App& app, const std::string& path, std::string& error) = 0;
    // Writes the results table as CSV, whole or not at all; false with a reason on failure.
    virtual bool SaveTable(const App& app, const std::string& path, std::string& error) = 0;
    // A PDF file of printer pages, as a printer with no dialog would print them; nullptr
    // with a reason when it cannot be started.
    virtual std::unique_ptr<PageFile> OpenPdf(const std::string& path, std::string& error) {
        (void)path;
        error = "no PDF output here";
        return nullptr;
    }
    // An SVG picture of width x height pixels.
    virtual std::unique_ptr<PageFile> OpenSvg(const std::string& path, int width, int height,
                                              std::string& error) {
        (void)path, (void)width, (void)height;
        error = "no SVG output here";
        return nullptr;
    }
};

// Runs the commands of `in` against a started program. Output of "table", "panels" and
// "caption" goes to `out`. A bad line stops the script with "line N: <what is wrong>" on
// `err`; the result is then 2, else 0.
int RunScript(App& app, ScriptHost& host, std::istream& in, std::ostream& out, std::ostream& err);

// The list of commands, for --help (in Danish, as the program).
std::string ScriptHelp(const Catalogue& catalogue);

}  // namespace viv
