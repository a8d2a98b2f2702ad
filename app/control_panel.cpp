// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The control panel and the button bar: configured from the tables of control_tables
// on every choice of simulation; every change of a control becomes one event for the
// current simulation.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "app/app.h"
#include "app/catalogue.h"
#include "app/control_tables.h"
#include "app/drawing_scale.h"
#include "app/events.h"
#include "app/memo_sync.h"
#include "library/colour_table.h"
#include "library/format.h"
#include "library/world.h"

namespace viv {

namespace {

// The ConfigureButtons bits that show F2..F6.
constexpr int kSlowMotionInterval = 200;  // ms

// The control takes the range minimum..maximum (an empty range collapses onto the
// minimum) and the position held inside it.
void SetRange(RangeControl& c, int minimum, int maximum, int position) {
    c.Min = minimum;
    c.Max = std::max(minimum, maximum);
    c.Position = std::clamp(position, c.Min, c.Max);
}

// Track bars show their selection bar over the whole range.
void SelectWholeRange(RangeControl& c) {
    c.SelStart = c.Min;
    c.SelEnd = c.Max;
}

int StartPosition(const SharedState& s, PositionFrom from, int fixed) {
    switch (from) {
        case PositionFrom::Fixed:
            return fixed;
        case PositionFrom::CurrentColour:
            return s.CurrentColour;
        case PositionFrom::RayDirection:
            return s.RayDirection;
        case PositionFrom::CurrentBow:
            return s.CurrentBow;
    }
    return fixed;
}

bool& ToggleOf(SharedState& s, FKey k) {
    switch (k) {
        case FKey::F2:
            return s.ShowMarks;
        case FKey::F3:
            return s.ShowNormals;
        case FKey::F4:
            return s.ShowAxes;
        case FKey::F5:
            return s.ShowRedRay;
        case FKey::F6:
            return s.ShowRays;
    }
    return s.ShowMarks;
}

MenuItemState& MenuItemOf(MainWindowModel& w, FKey k) {
    switch (k) {
        case FKey::F2:
            return w.HelperMarksItem;
        case FKey::F3:
            return w.NormalsItem;
        case FKey::F4:
            return w.AxesItem;
        case FKey::F5:
            return w.RedRayItem;
        case FKey::F6:
            return w.RaysItem;
    }
    return w.HelperMarksItem;
}

std::size_t IndexOf(FKey k) {
    return static_cast<std::size_t>(k);
}

}  // namespace

void App::SetScrollRange(int minimum, int maximum, int position) {
    SetRange(Window.ScrollBar1, minimum, maximum, position);
}

void App::ConfigureParameters() {
    const int n = State.CurrentSimulation;
    MainWindowModel& w = Window;

    const RangeControl& measure = WidePanelSims.Has(n) ? w.ScrollBar3 : w.ScrollBar1;
    w.ScrollPanelWidth = static_cast<int>(std::lround(measure.Width * 1.8)) + measure.Left;

    // The colour bars with their labels "R", "G", "B" (written by the menu entry), or
    // ScrollBar1's symbol alone.
    const bool colourBars = ColourBarSims.Has(n);
    w.ScrollBar2.Visible = colourBars;
    w.ScrollBar3.Visible = colourBars;
    w.ScrollBar2Symbol.Visible = colourBars;
    w.ScrollBar3Symbol.Visible = colourBars;
    w.ScrollBar1Symbol.Visible = true;
    if (!colourBars) w.ScrollBar1Symbol.Caption.clear();
    if (const ScrollBar1SymbolRow* row = RowFor(ScrollBar1Symbols(), n))
        w.ScrollBar1Symbol.Caption = row->Symbol;

    // The lens simulations: radius and the second lens's substance, which the menu entry
    // has just set to CurrentColour.
    const bool lensBars = LensBarSims.Has(n);
    w.TrackBar3.Visible = lensBars;
    w.TrackBar4.Visible = lensBars;
    if (lensBars) {
        SetRange(w.TrackBar3, w.TrackBar3.Min, w.TrackBar3.Max, 1);
        SetRange(w.TrackBar4, w.TrackBar4.Min, w.TrackBar4.Max, State.CurrentColour);
    }
    SelectWholeRange(w.TrackBar3);
    SelectWholeRange(w.TrackBar4);

    w.Panel1.clear();
    w.Panel2.clear();
    w.Panel3.clear();

    if (const TrackBar1Row* row = RowFor(TrackBar1Rows(), n)) {
        w.TrackBar1.Enabled = true;
        w.TrackBar1.Visible = true;
        w.TrackBar1Caption.Visible = false;
        w.LambdaMark.Visible = false;
        if (row->SetsCurrentColour) State.CurrentColour = row->Position;
        SetRange(w.TrackBar1, 1, row->Max, StartPosition(State, row->From, row->Position));
        w.TrackBar1.Hint = row->Hint;
        if (row->ShowsLambda) {
            w.LambdaMark.Visible = true;
        } else {
            w.TrackBar1Caption.Caption = row->Caption;
            w.TrackBar1Caption.Visible = true;
        }
        if (row->ColourTextInPanel3) w.Panel3 = ColourText();
    } else {
        w.TrackBar1.Visible = false;
        w.TrackBar1Caption.Visible = false;
        w.LambdaMark.Visible = false;
    }
    SelectWholeRange(w.TrackBar1);

    if (const TrackBar2Row* row = RowFor(TrackBar2Rows(), n)) {
        w.TrackBar2.Enabled = true;
        w.TrackBar2.Visible = true;
        w.TrackBar2Caption.Visible = true;
        SetRange(w.TrackBar2, row->Min, row->Max, StartPosition(State, row->From, row->Position));
        w.TrackBar2.Hint = row->Hint;
        w.TrackBar2Caption.Caption = row->Caption;
    } else {
        w.TrackBar2.Visible = false;
        w.TrackBar2Caption.Visible = false;
    }
    SelectWholeRange(w.TrackBar2);

    if (!NoScrollBar1Sims.Has(n)) {
        w.ScrollBar1.Enabled = true;
        w.ScrollBar1.Visible = true;
    } else {
        w.ScrollBar1.Visible =
            false;  // not a bar left from the simulation before that does nothing
    }
    if (const ScrollBar1Row* row = RowFor(ScrollBar1Rows(), n)) {
        switch (row->Rule) {
            case ScrollRule::Fixed:
                SetScrollRange(row->Min, row->Max, row->Position);
                break;
            case ScrollRule::Incidence:
                SetScrollRange(row->Min, State.IncidenceMax,
                               State.IncidenceMax - State.IncidenceValue);
                break;
            case ScrollRule::YoungIncidence:
                SetScrollRange(row->Min, State.IncidenceMax - 1, State.IncidenceMax - 50);
                State.IncidenceValue = w.ScrollBar1.Position;
                break;
            case ScrollRule::Scatter:
                SetScrollRange(row->Min, row->Max, row->Position - State.ScatterAngle);
                break;
        }
    }
    const HintRow* hint = RowFor(ScrollBar1Hints(), n);
    w.ScrollBar1.Hint = hint ? hint->Hint : DefaultScrollBar1Hint;
}

void App::ConfigureButtons(Buttons shown) {
    const int n = State.CurrentSimulation;
    MainWindowModel& w = Window;

    const StartTogglesRow* start = RowFor(StartToggles(), n);
    for (const FKey k : AllFKeys) {
        w.Of(k).Enabled = true;
        ToggleOf(State, k) = start != nullptr && start->On[IndexOf(k)];
        w.Of(k).Visible = Shows(shown, ButtonOf(k));
    }

    const bool animated = Shows(shown, Buttons::Clock);
    w.RunButton.Visible = animated;
    w.StepButton.Visible = animated && !NoStepSims.Has(n);
    w.SlowMotionButton.Visible = animated && !NoSlowMotionSims.Has(n);
    w.ShownButtons = shown;

    const FButtonRow* texts = RowFor(FButtonRows(), n);
    for (const FKey k : AllFKeys) {
        ButtonText text = texts ? texts->Keys[IndexOf(k)] : ButtonText{};
        if (k == FKey::F2 && text.Caption.empty()) text = DefaultF2;
        ToolButton& button = w.Of(k);
        if (!text.Caption.empty()) {
            button.Caption = text.Caption;
            button.Hint = text.Hint;
        }
        button.Down = ToggleOf(State, k);
    }
    // A simulation without a caption of its own shows the item's first caption, not one
    // left over from the simulation before, whose letter could clash with the others'.
    const MainWindowModel atStart;
    const FMenuRow* menus = RowFor(FMenuRows(), n);
    for (const FKey k : {FKey::F3, FKey::F4, FKey::F5, FKey::F6}) {
        const std::string_view caption =
            menus ? menus->Captions[IndexOf(k) - 1] : std::string_view();
        MenuItemOf(w, k).Caption =
            caption.empty() ? MenuItemOf(const_cast<MainWindowModel&>(atStart), k).Caption
                            : std::string(caption);
    }

    SyncViewMenu();

    if (n != StartingUp) SelectGuidance(Memo, w.Caption);
    if (Image) RedrawPicture();
}

void App::ControlChange(Control control, int position) {
    RangeControl& c = Window.Of(control);
    c.Position = std::clamp(position, c.Min, c.Max);
    if (Window.Configuring || !Image) return;
    DrawSimulation(EventOf(control), false, *Image);
    if (control == Control::TrackBar1 && !OwnPanel3Sims.Has(State.CurrentSimulation))
        Window.Panel3 = ColourText();
}

void App::FKeyClick(FKey key) {
    if (Image) DrawSimulation(FunctionKeyEvent(IndexOf(key)), false, *Image);
    Window.Of(key).Down = ToggleOf(State, key);
    SyncViewMenu();
}

void App::OnViewMenuOpened() {
    SyncViewMenu();
}

// The "&Vis" menu's items follow the buttons at all times, not only while the menu is
// open: a disabled item's shortcut (F2..F6, Ctrl+K, Ctrl+F, Ctrl+W) would go dead.
void App::SyncViewMenu() {
    MainWindowModel& w = Window;
    const int n = State.CurrentSimulation;
    w.ShowTableItem.Checked = Table.Visible;
    w.ShowMemoItem.Checked = Memo.Visible;
    w.SmoothItem.Checked = w.SmoothDrawing;
    w.ZoomInItem.Enabled = w.Zoom < MaxZoom;
    w.ZoomOutItem.Enabled = w.Zoom > MinZoom;
    w.ZoomResetItem.Enabled = w.Zoom != MinZoom;
    w.PresentationItem.Checked = w.Presentation;
    for (const FKey k : AllFKeys) {
        MenuItemState& item = MenuItemOf(w, k);
        item.Checked = ToggleOf(State, k);
        item.Enabled = Shows(w.ShownButtons, ButtonOf(k));
    }
    const bool animated = Shows(w.ShownButtons, Buttons::Clock);
    w.RunItem.Checked = w.Clock.Enabled;
    w.RunItem.Enabled = animated;
    w.StepItem.Enabled = animated && !NoStepSims.Has(n);
    w.SlowMotionItem.Checked = w.Clock.Interval == kSlowMotionInterval;
    w.SlowMotionItem.Enabled = animated && !NoSlowMotionSims.Has(n);
}

void App::ImageMouseMove() {
    if (Window.Clock.Enabled) return;
    const std::uint16_t n = State.CurrentSimulation;
    if (PointerReadoutSims.Has(n)) {
        MouseToWorld(Map, host().Pointer());
        // A semicolon between the coordinates, so that they stay apart with a decimal comma.
        Window.MessagePanel = "(" + FormatReal(1, 2, Map.MouseWorld.x) + "; " +
                              FormatReal(1, 2, Map.MouseWorld.y) + ")";
    }
    // The colour circles (31, 32), the double slit (17) and the hydrogen spectrum (18)
    // follow the mouse with routines of their own.
    const CatalogueEntry* entry = catalogue().Find(n);
    if (entry != nullptr && entry->Mouse != nullptr && Image) entry->Mouse(*this, *Image);
}

void App::ImageMouseDown() {
    if (Window.Clock.Enabled || !ClickStepSims.Has(State.CurrentSimulation) || !Image) return;
    DrawSimulation(Event::Tick, false, *Image);
}

std::string App::ColourText() const {
    const ColourRow& colour = Colour(State.CurrentColour);
    return std::string(colour.ColourName) + ": " + FormatReal(3, 1, colour.WaveLength) + " nm";
}

}  // namespace viv
