// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A plain model of the main window: what the simulations and the handlers read and
// write. The Qt window is a thin view of it; the scripted mode drives it alone.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace viv {

// A vertical scroll bar or track bar. For a scroll bar the minimum is at the top.
struct RangeControl {
    int Min = 0;
    int Max = 0;
    int Position = 0;
    int LargeChange = 1;
    int SelStart = 0;  // track bars: the selection bar, kept equal to the whole range
    int SelEnd = 0;
    bool Visible = false;
    bool Enabled = true;
    std::string Hint;
    int Left = 0;   // pixels within the control panel
    int Width = 0;  // pixels
};

struct LabelControl {
    std::string Caption;
    bool Visible = true;
};

// A flat button on the button bar; the F-buttons and the run and slow-motion buttons
// are toggles whose Down state the view shows.
struct ToolButton {
    std::string Caption;
    std::string Hint;
    bool Visible = false;
    bool Enabled = true;
    bool Down = false;
};

struct MenuItemState {
    std::string Caption;
    bool Enabled = true;
    bool Checked = false;
};

// The animation clock.
struct ClockModel {
    bool Enabled = false;
    int Interval = 20;  // ms
};

// Which control or button sends which event.
enum class Control : std::uint8_t {
    ScrollBar1,
    ScrollBar2,
    ScrollBar3,
    TrackBar1,
    TrackBar2,
    TrackBar3,
    TrackBar4
};
enum class FKey : std::uint8_t { F2, F3, F4, F5, F6 };
// Every control and every function key, for going through them all.
constexpr std::array<Control, 7> AllControls{
    Control::ScrollBar1, Control::ScrollBar2, Control::ScrollBar3, Control::TrackBar1,
    Control::TrackBar2,  Control::TrackBar3,  Control::TrackBar4};
constexpr std::array<FKey, 5> AllFKeys{FKey::F2, FKey::F3, FKey::F4, FKey::F5, FKey::F6};

// The buttons and menu items a simulation shows, as flags combined with |: the five
// function keys, the clock's buttons and the table's print item.
enum class Buttons : std::uint16_t {
    None = 0,
    F2 = 2,
    F3 = 4,
    F4 = 8,
    F5 = 16,
    F6 = 32,
    Clock = 128,
    Table = 256,
};
constexpr Buttons operator|(Buttons a, Buttons b) {
    return static_cast<Buttons>(static_cast<std::uint16_t>(a) | static_cast<std::uint16_t>(b));
}
// Whether every button of `these` is among `shown`.
constexpr bool Shows(Buttons shown, Buttons these) {
    const auto wanted = static_cast<std::uint16_t>(these);
    return (static_cast<std::uint16_t>(shown) & wanted) == wanted;
}
constexpr Buttons ButtonOf(FKey key) {
    return static_cast<Buttons>(2u << static_cast<unsigned>(key));
}

// The mouse cursor over the picture.
enum class PictureCursor : std::uint8_t { Arrow, OpenHand, ClosedHand };

struct MainWindowModel {
    std::string Caption = "Vivarnon";

    RangeControl ScrollBar1{0, 25, 5, 2, 0, 0, false, true, " Parameter", 7, 16};
    RangeControl ScrollBar2{0, 255, 0, 1, 0, 0, false, true, "", 33, 15};
    RangeControl ScrollBar3{0, 255, 0, 1, 0, 0, false, true, "", 57, 15};
    RangeControl TrackBar1{1, 8, 1, 1, 1, 8, false, true, " Skift farve", 5, 26};
    RangeControl TrackBar2{1, 2, 1, 1, 1, 2, false, true, " Stråleretning", 5, 26};
    RangeControl TrackBar3{1, 10, 1, 1, 1, 10, false, true, " radius", 41, 26};
    RangeControl TrackBar4{1, 8, 1, 1, 1, 8, false, true, " Skift stof", 41, 26};
    LabelControl TrackBar2Caption{"bue", false};
    LabelControl TrackBar1Caption{"farve", false};
    LabelControl LambdaMark{"λ", false};
    LabelControl ScrollBar1Symbol{"L4", false};
    LabelControl ScrollBar2Symbol{"L5", false};
    LabelControl ScrollBar3Symbol{"L6", false};
    int ScrollPanelWidth = 81;  // pixels

    ToolButton RunButton{"Kør", " Start/Stop"};
    ToolButton SlowMotionButton{"", " Speedometer"};
    ToolButton StepButton{"", " Kør et billede frem"};
    ToolButton F2Button{"Mærke, F2", " Hjælpebuer, -streger"};
    ToolButton F3Button{"Lodder, F3", " Tegn indfaldslod"};
    ToolButton F4Button{"Akser, F4", " Koordinatsystem"};
    ToolButton F5Button{"Rød , F5", " Strålen som »ses«"};
    ToolButton F6Button{"Stråler, F6", " Mange stråler"};

    // Menu items whose caption, check mark or enabling changes at run time.
    MenuItemState HelperMarksItem{"&Hjælpemærker"};
    MenuItemState NormalsItem{"&Indfaldslodder"};
    MenuItemState AxesItem{"&Koordinatakser"};
    MenuItemState RedRayItem{"&Rød stråle"};
    MenuItemState RaysItem{"&Stråler"};
    MenuItemState RunItem{"K&ør"};
    MenuItemState StepItem{"Fr&em"};
    MenuItemState SlowMotionItem{"&Langsomt"};
    MenuItemState ShowTableItem{"Vis &Tabel"};
    MenuItemState ShowMemoItem{"Vis &Memo"};
    MenuItemState PrintTableItem{"Udskriv &Tabel"};
    MenuItemState PrintDataItem{"Udskriv &Data"};
    MenuItemState SmoothItem{"Glat tegni&ng"};
    MenuItemState ZoomInItem{"&Zoom ind"};
    MenuItemState ZoomOutItem{"Zoom &ud"};
    MenuItemState ZoomResetItem{"F&jern zoom"};
    MenuItemState PresentationItem{"Pr&æsentation"};
    MenuItemState DanishItem{"&Dansk"};
    MenuItemState EnglishItem{"&English"};

    // The status line.
    std::string Panel1, Panel2, Panel3, MessagePanel;
    bool PanelsVisible = true;  // Panel1..3 and MessagePanel, hidden by a menu hint
    std::string StatusCaption;  // shown across the line while the panels are hidden
    // The legend of the button bar, until a subject menu is opened.
    std::string ButtonPanelCaption =
        " Ifølge sagnet findes en skat af guld ved vivarnons fod. Den findes næppe ved pc'en, "
        "men det gør viden om vivarnon!";

    ClockModel Clock;

    // An open hand over a figure that can be dragged, a closed one while it is dragged.
    PictureCursor Cursor = PictureCursor::Arrow;

    bool Configuring = true;
    Buttons ShownButtons = Buttons::None;

    // The area the picture fills, in the picture's pixels; the view keeps it up to date
    // on resizes.
    int ScrollBoxWidth = 0;
    int ScrollBoxHeight = 0;

    // Smooth drawing: the picture is drawn DrawingScale times larger in each direction
    // than it is shown, and shown reduced (1 while off). PixelRatio is the picture's
    // pixels per pixel of the window's layout: the screen's device pixel ratio times
    // DrawingScale. The hosts set both with the area.
    bool SmoothDrawing = false;
    int DrawingScale = 1;
    double PixelRatio = 1.0;
    // Lines, text and arrow heads grow by Zoom (1 to 4 in steps of 0.25) while the world
    // window stays, as a browser zooms a page.
    double Zoom = 1.0;
    // Presentation mode: full screen, the zoom chosen so that picture text can be read at
    // the back of a classroom, the panel and the status line in a larger font.
    bool Presentation = false;

    RangeControl& Of(Control c);
    const RangeControl& Of(Control c) const { return const_cast<MainWindowModel*>(this)->Of(c); }
    ToolButton& Of(FKey k);
};

}  // namespace viv
