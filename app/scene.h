// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What a simulation's routines work with: the mapping, the shared parameters, the
// controls' positions (to read), the subject's own state and the panels and table cells
// it writes. The core makes a scene for every call; a simulation sees no more of the
// program than this.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/events.h"
#include "app/shared_state.h"
#include "app/subject_states.h"
#include "app/window_model.h"
#include "app/work_buffers.h"
#include "library/canvas.h"
#include "library/world.h"

namespace viv {

class App;
class ResultsTable;
struct PointerSource;

// The texts a simulation reports: the status panels and the results table's cells.
class Report {
public:
    Report(MainWindowModel& window, ResultsTable& table);
    std::string& Panel1;
    std::string& Panel2;
    std::string& Panel3;
    std::string& MessagePanel;
    // The labels under the scroll bars, which name what each bar sets.
    LabelControl& ScrollBar1Symbol;
    LabelControl& ScrollBar2Symbol;
    LabelControl& ScrollBar3Symbol;
    void SetCell(int col, int row, std::string text);
    const std::string& Cell(int col, int row) const;  // as written

private:
    ResultsTable& table_;
};

class Scene {
public:
    explicit Scene(App& app);
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    World& Map;                       // the world-to-picture mapping
    SharedState& State;               // the parameters every simulation shares
    const MainWindowModel& Controls;  // the controls' positions and captions
    Report Out;
    // The animation clock, which a simulation that times itself starts and stops.
    ClockModel& Clock;

    // The subject's own state of type T.
    template <class T>
    T& Own() const {
        return sims_.Get<T>();
    }

    // The work buffers of the ray statistics; nullptr before the window is made and after
    // it closed.
    WorkBuffers* Buffers() const;

    // Whether `canvas` is the window's picture (not a printed or copied one).
    bool OnScreen(const TCanvas& canvas) const;
    // The window's picture; nullptr before the window has one.
    const TCanvas* WindowPicture() const;
    // The picture without its moving figures, kept from one clock tick to the next; let go
    // at every change of simulation and of size.
    std::unique_ptr<TCanvas>& StillPicture();
    std::unique_ptr<TCanvas> CreatePicture(int width, int height) const;
    std::unique_ptr<TCanvas> CopyPicture(const TCanvas& picture) const;

    std::uint32_t Milliseconds() const;  // ms, the host's clock
    const PointerSource& Pointer() const;

    // Draws the window's picture for `code` (a simulation's own steps: a weight let go).
    void DrawOnScreen(Event code);
    // The clock runs, as a press of "Kør" starts it; running, it goes on.
    void RunClock();
    // The clock stops and "Kør" comes up.
    void StopClock();

protected:
    App& app_;

private:
    SubjectStates& sims_;
};

// What a menu entry's set-up routines work with: a scene whose controls they may set up
// (ranges, positions, captions).
class SetupScene : public Scene {
public:
    explicit SetupScene(App& app);
    MainWindowModel& Window;
};

}  // namespace viv
