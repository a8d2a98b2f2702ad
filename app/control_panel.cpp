// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The control panel and the button bar: configured from the current simulation's catalogue
// row on every choice of simulation; every change of a control becomes one event for the
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
#include "app/scene.h"
#include "app/view_toggles.h"
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

int StartPosition(App& app, PositionFrom from, int fixed, int (*own)(Scene&) = nullptr) {
    const SharedState& s = app.State;
    switch (from) {
        case PositionFrom::Fixed:
            return fixed;
        case PositionFrom::Own: {
            if (own == nullptr) return fixed;
            Scene scene(app);
            return own(scene);
        }
        case PositionFrom::CurrentColour:
            return s.CurrentColour;
        case PositionFrom::RayDirection:
            return s.RayDirection;
        case PositionFrom::CurrentBow:
            return s.CurrentBow;
    }
    return fixed;
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

// The row of simulation n; a row that shows nothing for the states that are no simulation.
const CatalogueEntry& RowOf(const Catalogue& catalogue, std::uint16_t n) {
    static constexpr CatalogueEntry kNone{};
    const CatalogueEntry* row = catalogue.Find(n);
    return row != nullptr ? *row : kNone;
}

void ConfigureTrackBars(App& app, const CatalogueEntry& entry) {
    MainWindowModel& w = app.Window;
    if (const std::optional<TrackBar1Setup>& row = entry.TrackBar1) {
        w.TrackBar1.Enabled = true;
        w.TrackBar1.Visible = true;
        w.TrackBar1Caption.Visible = false;
        w.LambdaMark.Visible = false;
        if (row->SetsCurrentColour) app.State.CurrentColour = row->Position;
        SetRange(w.TrackBar1, 1, row->Max,
                 StartPosition(app, row->From, row->Position, row->StartAt));
        w.TrackBar1.Hint = row->Hint;
        if (row->ShowsLambda) {
            w.LambdaMark.Visible = true;
        } else {
            w.TrackBar1Caption.Caption = row->Caption;
            w.TrackBar1Caption.Visible = true;
        }
        if (row->ColourTextInPanel3) w.Panel3 = app.ColourText();
    } else {
        w.TrackBar1.Visible = false;
        w.TrackBar1Caption.Visible = false;
        w.LambdaMark.Visible = false;
    }
    SelectWholeRange(w.TrackBar1);

    if (const std::optional<TrackBar2Setup>& row = entry.TrackBar2) {
        w.TrackBar2.Enabled = true;
        w.TrackBar2.Visible = true;
        w.TrackBar2Caption.Visible = true;
        SetRange(w.TrackBar2, row->Min, row->Max, StartPosition(app, row->From, row->Position));
        w.TrackBar2.Hint = row->Hint;
        w.TrackBar2Caption.Caption = row->Caption;
    } else {
        w.TrackBar2.Visible = false;
        w.TrackBar2Caption.Visible = false;
    }
    SelectWholeRange(w.TrackBar2);
}

void ConfigureScrollBar1(App& app, const CatalogueEntry& entry) {
    MainWindowModel& w = app.Window;
    // Hidden where the simulation has no use for it: not a bar left from the simulation
    // before that does nothing.
    w.ScrollBar1.Visible = entry.ScrollBar1.has_value();
    if (const std::optional<ScrollBar1Setup>& row = entry.ScrollBar1) {
        w.ScrollBar1.Enabled = true;
        switch (row->Rule) {
            case ScrollRule::Fixed:
                app.SetScrollRange(row->Min, row->Max, row->Position);
                break;
            case ScrollRule::Incidence:
                app.SetScrollRange(row->Min, app.State.IncidenceMax,
                                   app.State.IncidenceMax - app.State.IncidenceValue);
                break;
            case ScrollRule::Scatter:
                app.SetScrollRange(row->Min, row->Max, row->Position - app.State.ScatterAngle);
                break;
        }
    }
    w.ScrollBar1.Hint = entry.ScrollBar1 ? entry.ScrollBar1->Hint : DefaultScrollBar1Hint;
}

}  // namespace

void App::SetScrollRange(int minimum, int maximum, int position) {
    SetRange(Window.ScrollBar1, minimum, maximum, position);
}

void App::ConfigureParameters() {
    const CatalogueEntry& row = RowOf(catalogue_, State.CurrentSimulation);
    MainWindowModel& w = Window;

    // The colour bars and the lens bars widen the panel to ScrollBar3's measure.
    const bool colourBars = row.ColourBars;
    const bool lensBars = row.LensBars;
    const RangeControl& measure = colourBars || lensBars ? w.ScrollBar3 : w.ScrollBar1;
    w.ScrollPanelWidth = static_cast<int>(std::lround(measure.Width * 1.8)) + measure.Left;

    // The colour bars with their labels "R", "G", "B" (written by the menu entry), or
    // ScrollBar1's symbol alone.
    w.ScrollBar2.Visible = colourBars;
    w.ScrollBar3.Visible = colourBars;
    w.ScrollBar2Symbol.Visible = colourBars;
    w.ScrollBar3Symbol.Visible = colourBars;
    w.ScrollBar1Symbol.Visible = true;
    if (!colourBars) w.ScrollBar1Symbol.Caption.clear();
    if (row.ScrollBar1 && !row.ScrollBar1->Symbol.empty())
        w.ScrollBar1Symbol.Caption = row.ScrollBar1->Symbol;

    // The lens simulations: radius and the second lens's substance.
    w.TrackBar3.Visible = lensBars;
    w.TrackBar4.Visible = lensBars;
    if (lensBars) SetRange(w.TrackBar3, w.TrackBar3.Min, w.TrackBar3.Max, 1);
    SelectWholeRange(w.TrackBar3);
    SelectWholeRange(w.TrackBar4);

    w.Panel1.clear();
    w.Panel2.clear();
    w.Panel3.clear();

    ConfigureTrackBars(*this, row);
    // The second lens's substance starts as the first's.
    if (lensBars) SetRange(w.TrackBar4, w.TrackBar4.Min, w.TrackBar4.Max, w.TrackBar1.Position);
    ConfigureScrollBar1(*this, row);
}

void App::ConfigureButtons(Buttons shown) {
    const std::uint16_t n = State.CurrentSimulation;
    const CatalogueEntry& row = RowOf(catalogue_, n);
    MainWindowModel& w = Window;

    for (const FKey k : AllFKeys) {
        w.Of(k).Enabled = true;
        ViewToggleOf(State, IndexOf(k)) = Shows(row.StartOn, ButtonOf(k));
        w.Of(k).Visible = Shows(shown, ButtonOf(k));
    }

    const bool animated = Shows(shown, Buttons::Clock);
    w.RunButton.Visible = animated;
    w.StepButton.Visible = animated && row.StepButton;
    w.SlowMotionButton.Visible = animated && row.SlowMotionButton;
    w.ShownButtons = shown;

    for (const FKey k : AllFKeys) {
        ButtonText text = row.FKeys[IndexOf(k)];
        if (k == FKey::F2 && text.Caption.empty()) text = DefaultF2;
        ToolButton& button = w.Of(k);
        if (!text.Caption.empty()) {
            button.Caption = text.Caption;
            button.Hint = text.Hint;
        }
        button.Down = ViewToggleOf(State, IndexOf(k));
    }
    // A simulation without a caption of its own shows the item's first caption, not one
    // left over from the simulation before, whose letter could clash with the others'.
    const MainWindowModel atStart;
    for (const FKey k : {FKey::F3, FKey::F4, FKey::F5, FKey::F6}) {
        const std::string_view caption = row.FMenuCaptions[IndexOf(k) - 1];
        MenuItemOf(w, k).Caption =
            caption.empty() ? MenuItemOf(const_cast<MainWindowModel&>(atStart), k).Caption
                            : std::string(caption);
    }

    SyncViewMenu();

    if (n != StartingUp) SelectGuidance(Memo, n, w.Caption);
    if (Image) RedrawPicture();
}

void App::ControlChange(Control control, int position) {
    RangeControl& c = Window.Of(control);
    c.Position = std::clamp(position, c.Min, c.Max);
    if (Window.Configuring || !Image) return;
    DrawSimulation(EventOf(control), false, *Image);
    // Panel3 is the simulation's own where its TrackBar1 does not show the colour text.
    const std::optional<TrackBar1Setup>& bar = RowOf(catalogue_, State.CurrentSimulation).TrackBar1;
    if (control == Control::TrackBar1 && (!bar || bar->ColourTextInPanel3))
        Window.Panel3 = ColourText();
}

void App::FKeyClick(FKey key) {
    if (Image) DrawSimulation(FunctionKeyEvent(IndexOf(key)), false, *Image);
    Window.Of(key).Down = ViewToggleOf(State, IndexOf(key));
    SyncViewMenu();
}

void App::OnViewMenuOpened() {
    SyncViewMenu();
}

// The "&Vis" menu's items follow the buttons at all times, not only while the menu is
// open: a disabled item's shortcut (F2..F6, Ctrl+K, Ctrl+F, Ctrl+W) would go dead.
void App::SyncViewMenu() {
    MainWindowModel& w = Window;
    const CatalogueEntry& row = RowOf(catalogue_, State.CurrentSimulation);
    w.ShowTableItem.Checked = Table.Visible;
    w.ShowMemoItem.Checked = Memo.Visible;
    w.SmoothItem.Checked = w.SmoothDrawing;
    w.ZoomInItem.Enabled = w.Zoom < MaxZoom;
    w.ZoomOutItem.Enabled = w.Zoom > MinZoom;
    w.ZoomResetItem.Enabled = w.Zoom != MinZoom;
    w.PresentationItem.Checked = w.Presentation;
    w.DanishItem.Checked = language_ == Language::Danish;
    w.EnglishItem.Checked = language_ == Language::English;
    for (const FKey k : AllFKeys) {
        MenuItemState& item = MenuItemOf(w, k);
        item.Checked = ViewToggleOf(State, IndexOf(k));
        item.Enabled = Shows(w.ShownButtons, ButtonOf(k));
    }
    const bool animated = Shows(w.ShownButtons, Buttons::Clock);
    w.RunItem.Checked = w.Clock.Enabled;
    w.RunItem.Enabled = animated;
    w.StepItem.Enabled = animated && row.StepButton;
    w.SlowMotionItem.Checked = w.Clock.Interval == kSlowMotionInterval;
    w.SlowMotionItem.Enabled = animated && row.SlowMotionButton;
}

void App::ImageMouseMove() {
    if (Window.Clock.Enabled) return;
    const CatalogueEntry& row = RowOf(catalogue_, State.CurrentSimulation);
    if (row.PointerReadout) {
        MouseToWorld(Map, host().Pointer());
        // A semicolon between the coordinates, so that they stay apart with a decimal comma.
        Window.MessagePanel = "(" + FormatReal(1, 2, Map.MouseWorld.x) + "; " +
                              FormatReal(1, 2, Map.MouseWorld.y) + ")";
    }
    // Some simulations follow the mouse with routines of their own.
    if (row.Mouse != nullptr && Image) {
        Scene scene(*this);
        row.Mouse(scene, *Image);
    }
}

void App::ImageMouseDown() {
    if (Window.Clock.Enabled || !RowOf(catalogue_, State.CurrentSimulation).ClickSteps || !Image)
        return;
    DrawSimulation(Event::Tick, false, *Image);
}

std::string App::ColourText() const {
    const ColourRow& colour = Colour(State.CurrentColour);
    return std::string(colour.ColourName) + ": " + FormatReal(3, 1, colour.WaveLength) + " nm";
}

}  // namespace viv
