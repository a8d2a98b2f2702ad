// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/script_commands.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>

#include "app/about.h"
#include "app/catalogue.h"
#include "app/drawing_scale.h"
#include "app/language.h"
#include "app/memo_text.h"
#include "app/menu_items.h"

namespace viv::script {

namespace {

constexpr int MaxPictureSide = 8192;  // pixels
constexpr long MaxTicks = 1000000;    // clock ticks on one line

// --- The picture and the simulation ---

void SizePicture(Session& s, const Line& line) {
    const long width = line.Numbers[0], height = line.Numbers[1];  // pixels
    if (width < 1 || height < 1) throw BadLine{"a picture needs at least 1 x 1 pixels"};
    if (width > MaxPictureSide || height > MaxPictureSide)
        throw BadLine{"a picture of at most " + std::to_string(MaxPictureSide) + " pixels a side"};
    s.host.SetPictureArea(s.app.Window, static_cast<int>(width), static_cast<int>(height));
    s.app.FormResize();
}

void SelectSimulation(Session& s, const Line& line) {
    const std::vector<std::string>& w = line.Words;
    const long n = line.Numbers[0];
    if (!s.app.catalogue().Has(n))
        throw BadLine{"no simulation " + w[1] + " (" + s.app.catalogue().NumbersText() + ")"};
    s.app.MenuEntry(static_cast<std::uint16_t>(n));
}

// A scroll bar or track bar moved to a position; as in the window, a control moved to where
// it stands already sends nothing.
template <Control Moved>
void MoveControl(Session& s, const Line& line) {
    const std::string& name = line.Words[0];
    const long position = line.Numbers[0];
    const RangeControl& control = s.app.Window.Of(Moved);
    if (!control.Visible) throw BadLine{name + " is not shown in this simulation"};
    if (position < control.Min || position > control.Max)
        throw BadLine{"position " + line.Words[1] + " outside " + name + "'s range " +
                      std::to_string(control.Min) + ".." + std::to_string(control.Max)};
    if (position != control.Position) s.app.ControlChange(Moved, static_cast<int>(position));
}

constexpr std::array<std::string_view, 5> KeyNames{"F2", "F3", "F4", "F5", "F6"};

FKey KeyNamed(const std::string& name) {
    for (std::size_t i = 0; i < KeyNames.size(); ++i)
        if (name == KeyNames[i]) return static_cast<FKey>(i);
    throw BadLine{"no key " + name + " (F2..F6)"};
}

void PressKey(Session& s, const Line& line) {
    const FKey key = KeyNamed(line.Words[1]);
    if (!s.app.Window.Of(key).Visible)
        throw BadLine{line.Words[1] + " is not shown in this simulation"};
    s.app.FKeyClick(key);
}

// The ticks arrive as from the running clock, whether or not it was started, each one
// interval after the one before. A simulation that stops its own clock gets no more ticks,
// and its clock stays stopped, as in the window.
void TickClock(Session& s, const Line& line) {
    const long ticks = line.Words.size() > 1 ? line.Numbers[0] : 1;
    if (ticks < 1 || ticks > MaxTicks)
        throw BadLine{"tick count outside 1.." + std::to_string(MaxTicks)};
    ClockModel& clock = s.app.Window.Clock;
    const bool running = clock.Enabled;
    clock.Enabled = true;
    for (long i = 0; i < ticks && clock.Enabled; ++i) {
        s.host.AdvanceClock(static_cast<std::uint32_t>(clock.Interval));
        s.app.OnClockTick();
    }
    if (clock.Enabled) clock.Enabled = running;
}

void Step(Session& s, const Line& /*line*/) {
    s.app.StepButtonClick();
}

// "Nulstil": the simulation's start values, as a fresh choice of its entry.
void Reset(Session& s, const Line& /*line*/) {
    s.app.ResetClick();
}

// --- The mouse over the picture ---

// Whether (x, y), in pixels of the picture as shown, lies on it.
bool OnPicture(const App& app, long x, long y) {
    const int k = std::max(app.Window.DrawingScale, 1);
    return x >= 0 && y >= 0 && x < app.Image->Width() / k && y < app.Image->Height() / k;
}

// The picture's pixel at the middle of shown pixel (x, y): with smooth drawing the picture
// is drawn DrawingScale times larger than it is shown.
TPoint PicturePixel(const App& app, long x, long y) {
    const long k = std::max(app.Window.DrawingScale, 1);
    return {static_cast<int>(x * k + k / 2), static_cast<int>(y * k + k / 2)};
}

// The picture pixel under the line's shown pixel (x, y), with the cursor moved there.
TPoint CursorToLinesPixel(Session& s, const Line& line) {
    const long x = line.Numbers[0], y = line.Numbers[1];
    if (!OnPicture(s.app, x, y))
        throw BadLine{"(" + line.Words[1] + ", " + line.Words[2] + ") is outside the picture"};
    const TPoint p = PicturePixel(s.app, x, y);
    s.host.MoveCursorToPicture(p.x, p.y);
    return p;
}

void MoveMouse(Session& s, const Line& line) {
    s.app.PictureMouseMove(CursorToLinesPixel(s, line));
}

void Click(Session& s, const Line& line) {
    const TPoint p = CursorToLinesPixel(s, line);
    s.app.PictureMouseDown(p);
    s.app.PictureMouseUp(p);
}

// Press, moves of at most a few pixels each, release: as the mouse in the window.
void DragBetween(Session& s, TPoint from, TPoint to) {
    const int stepPixels = 4 * std::max(s.app.Window.DrawingScale, 1);
    const int steps = std::max({1, (std::abs(to.x - from.x) + stepPixels - 1) / stepPixels,
                                (std::abs(to.y - from.y) + stepPixels - 1) / stepPixels});
    s.host.MoveCursorToPicture(from.x, from.y);
    s.app.PictureMouseDown(from);
    for (int i = 1; i <= steps; ++i) {
        const TPoint p{from.x + static_cast<int>(std::lround(double(to.x - from.x) * i / steps)),
                       from.y + static_cast<int>(std::lround(double(to.y - from.y) * i / steps))};
        s.host.MoveCursorToPicture(p.x, p.y);
        s.app.PictureMouseMove(p);
    }
    s.app.PictureMouseUp(to);
}

// From a pixel on the picture to one that may lie off it.
void Drag(Session& s, const Line& line) {
    const std::vector<std::string>& w = line.Words;
    const long x1 = line.Numbers[0], y1 = line.Numbers[1];
    const long x2 = line.Numbers[2], y2 = line.Numbers[3];
    if (!OnPicture(s.app, x1, y1))
        throw BadLine{"(" + w[1] + ", " + w[2] + ") is outside the picture"};
    if (std::abs(x2) > MaxPictureSide || std::abs(y2) > MaxPictureSide)
        throw BadLine{"(" + w[3] + ", " + w[4] + ") is too far off the picture"};
    DragBetween(s, PicturePixel(s.app, x1, y1), PicturePixel(s.app, x2, y2));
}

// --- How the picture is drawn ---

void Zoom(Session& s, const Line& line) {
    const std::string& text = line.Words[1];
    double zoom = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), zoom);
    if (ec != std::errc() || end != text.data() + text.size() || !(zoom >= MinZoom) ||
        !(zoom <= MaxZoom) || ZoomWithin(zoom) != zoom)
        throw BadLine{std::string(line.Usage)};
    s.app.SetZoom(zoom);
}

void Present(Session& s, const Line& line) {
    s.app.SetPresentation(line.Words[1] == "on");
}

void Smooth(Session& s, const Line& line) {
    s.app.SetSmoothDrawing(line.Words[1] == "on");
}

void SetLanguage(Session& s, const Line& line) {
    const std::optional<Language> language = LanguageOfCode(line.Words[1]);
    if (!language) throw BadLine{"language takes da or en"};
    s.app.SetLanguage(*language);
}

void Redraw(Session& s, const Line& /*line*/) {
    s.app.RedrawPicture();
}

// --- Files ---

void SavePicture(Session& s, const Line& line) {
    std::string error;
    if (!s.host.SavePicture(s.app, line.Words[1], error))
        throw BadLine{"cannot write " + line.Words[1] + ": " + error};
}

void SaveTable(Session& s, const Line& line) {
    std::string error;
    if (!s.host.SaveTable(s.app, line.Words[1], error))
        throw BadLine{"cannot write " + line.Words[1] + ": " + error};
}

std::unique_ptr<PageFile> OpenPdf(Session& s, const std::string& path) {
    std::string error;
    std::unique_ptr<PageFile> pdf = s.host.OpenPdf(path, error);
    if (!pdf) throw BadLine{"cannot write " + path + ": " + error};
    return pdf;
}

void Finish(PageFile& file, bool drawn, const std::string& path) {
    std::string error = "the printer refused a page";
    if (!drawn || !file.Finish(error)) throw BadLine{"cannot write " + path + ": " + error};
}

// "Udskriv &Graf..." with the dialog's first choice and the title and copies last given,
// the table under the picture when the line ends in "table".
void PrintPicture(Session& s, const Line& line) {
    const std::vector<std::string>& w = line.Words;
    if (w.size() > 2 && w[2] != "table") throw BadLine{"unexpected argument: " + w[2]};
    const bool withTable = w.size() > 2;
    App& app = s.app;
    if (!app.Image) throw BadLine{"there is no picture yet"};
    OnFileMenuOpened(app);
    if (withTable && !app.Window.PrintTableItem.Enabled)
        throw BadLine{"this simulation fills no table"};
    std::unique_ptr<PageFile> pdf = OpenPdf(s, w[1]);
    bool drawn = false;
    {
        PicturePrintScope scope(app);
        const TCanvas& page = pdf->Page();
        const PrintSizes sizes =
            ComputePrintSizes(app.Map, page.Width(), page.Height(), DefaultPrintSize);
        PictureRequest request;
        request.PrintWidth = *sizes.Width;
        request.PrintHeight = *sizes.Height;
        request.Title = app.State.PrintTitle;
        request.TableToo = withTable;
        drawn = scope.Print(*pdf, request);
    }
    Finish(*pdf, drawn, w[1]);
}

// "Udskriv &Data".
void PrintData(Session& s, const Line& line) {
    OnFileMenuOpened(s.app);
    std::optional<DataList> list = CurrentDataList(s.app);
    if (!s.app.Window.PrintDataItem.Enabled || !list)
        throw BadLine{"this simulation has no data list"};
    std::unique_ptr<PageFile> pdf = OpenPdf(s, line.Words[1]);
    const bool drawn = PrintDataList(s.app, *pdf, *list, s.app.State.PrintTitle);
    Finish(*pdf, drawn, line.Words[1]);
}

// --- What the program shows, as text ---

// The results table, a line a row, the cells separated by tabs.
void Table(Session& s, const Line& /*line*/) {
    const ResultsTable& table = s.app.Table;
    for (int row = 0; row < table.RowCount(); ++row) {
        for (int col = 0; col < table.ColCount(); ++col) {
            if (col > 0) s.out << '\t';
            s.out << s.app.Words(table.Cell(col, row));
        }
        s.out << '\n';
    }
}

// The status panels 1, 2, 3 and the message panel.
void Panels(Session& s, const Line& /*line*/) {
    const MainWindowModel& m = s.app.Window;
    s.out << s.app.Words(m.Panel1) << '\t' << s.app.Words(m.Panel2) << '\t' << s.app.Words(m.Panel3)
          << '\t' << s.app.Words(m.MessagePanel) << '\n';
}

// The "&Vis" menu as the window shows it when opened; its F-entries are chosen with "key",
// which runs the same code.
void ViewMenu(Session& s, const Line& /*line*/) {
    s.app.OnViewMenuOpened();
    const MainWindowModel& m = s.app.Window;
    for (const MenuItemState* item :
         {&m.ShowTableItem, &m.ShowMemoItem, &m.HelperMarksItem, &m.NormalsItem, &m.AxesItem,
          &m.RedRayItem, &m.RaysItem, &m.RunItem, &m.StepItem, &m.SlowMotionItem})
        s.out << s.app.Words(item->Caption) << '\t' << (item->Enabled ? "enabled" : "disabled")
              << '\t' << (item->Checked ? "checked" : "") << '\n';
}

// Every menu of the menu bar as it stands: its caption and mnemonic letter, then each shown
// entry indented with its mnemonic letter and shortcut.
void Menus(Session& s, const Line& /*line*/) {
    s.app.OnViewMenuOpened();
    for (const MenuDef& menu : MainMenu(s.app.catalogue())) {
        const std::string_view menuCaption = s.app.Words(menu.Caption);
        s.out << menuCaption << '\t' << MnemonicOf(menuCaption) << '\n';
        for (const MenuItemDef& item : menu.Items) {
            if (item.Caption == "-" || item.Hidden) continue;
            const std::string_view caption = s.app.Words(ShownCaption(s.app.Window, item));
            s.out << '\t' << caption << '\t' << MnemonicOf(caption) << '\t' << item.Shortcut
                  << '\n';
        }
    }
}

void Caption(Session& s, const Line& /*line*/) {
    s.out << s.app.Words(s.app.Window.Caption) << '\n';
}

// The guidance the memo shows marked, as plain text.
void Memo(Session& s, const Line& /*line*/) {
    s.out << SelectedGuidance(s.app.Memo);
}

// What "Om Vivarnon" shows.
void About(Session& s, const Line& /*line*/) {
    s.out << VersionLine() << '\n' << AboutDetails();
}

using enum ArgumentKind;

constexpr std::string_view Position = "position";
constexpr std::string_view FileName = "file name";

constexpr std::array<Command, 32> AllCommands{{
    // name, required and most arguments, their kind and names, usage line, routine
    {"size", 2, 2, WholeNumbers, {"width", "height"}, "", SizePicture},
    {"select", 1, 1, WholeNumbers, {"simulation number"}, "", SelectSimulation},
    {"scroll1", 1, 1, WholeNumbers, {Position}, "", MoveControl<Control::ScrollBar1>},
    {"scroll2", 1, 1, WholeNumbers, {Position}, "", MoveControl<Control::ScrollBar2>},
    {"scroll3", 1, 1, WholeNumbers, {Position}, "", MoveControl<Control::ScrollBar3>},
    {"track1", 1, 1, WholeNumbers, {Position}, "", MoveControl<Control::TrackBar1>},
    {"track2", 1, 1, WholeNumbers, {Position}, "", MoveControl<Control::TrackBar2>},
    {"track3", 1, 1, WholeNumbers, {Position}, "", MoveControl<Control::TrackBar3>},
    {"track4", 1, 1, WholeNumbers, {Position}, "", MoveControl<Control::TrackBar4>},
    {"key", 1, 1, Words, {"key (F2..F6)"}, "", PressKey},
    {"tick", 0, 1, WholeNumbers, {"tick count"}, "", TickClock},
    {"step", 0, 0, Words, {}, "", Step},
    {"mouse", 2, 2, WholeNumbers, {"x", "y"}, "", MoveMouse},
    {"click", 2, 2, WholeNumbers, {"x", "y"}, "", Click},
    {"drag", 4, 4, WholeNumbers, {"x1", "y1", "x2", "y2"}, "", Drag},
    {"zoom", 1, 1, Words, {"zoom"}, "zoom takes 1 to 4 in steps of 0.25", Zoom},
    {"present", 1, 1, OnOff, {}, "present takes on or off", Present},
    {"smooth", 1, 1, OnOff, {}, "smooth takes on or off", Smooth},
    {"language", 1, 1, Words, {"da|en"}, "", SetLanguage},
    {"redraw", 0, 0, Words, {}, "", Redraw},
    {"save", 1, 1, Words, {FileName}, "", SavePicture},
    {"savetable", 1, 1, Words, {FileName}, "", SaveTable},
    {"print", 1, 2, Words, {FileName, "table"}, "", PrintPicture},
    {"data", 1, 1, Words, {FileName}, "", PrintData},
    {"table", 0, 0, Words, {}, "", Table},
    {"panels", 0, 0, Words, {}, "", Panels},
    {"caption", 0, 0, Words, {}, "", Caption},
    {"vis", 0, 0, Words, {}, "", ViewMenu},
    {"memo", 0, 0, Words, {}, "", Memo},
    {"menus", 0, 0, Words, {}, "", Menus},
    {"reset", 0, 0, Words, {}, "", Reset},
    {"about", 0, 0, Words, {}, "", About},
}};

// Every command can tell what it misses, and no name is given twice.
constexpr bool WellFormed(const Command& command) {
    if (command.RequiredArguments > command.MaxArguments ||
        command.MaxArguments > command.ArgumentNames.size() || command.Run == nullptr)
        return false;
    if (command.Kind == OnOff) return !command.Usage.empty() && command.MaxArguments == 1;
    for (std::size_t i = 0; i < command.MaxArguments; ++i)
        if (command.ArgumentNames[i].empty()) return false;
    return true;
}
constexpr bool WellFormed(const std::array<Command, AllCommands.size()>& commands) {
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (!WellFormed(commands[i])) return false;
        for (std::size_t j = 0; j < i; ++j)
            if (commands[j].Name == commands[i].Name) return false;
    }
    return true;
}
static_assert(WellFormed(AllCommands));

}  // namespace

const Command* FindCommand(std::string_view name) {
    const auto* const found = std::ranges::find(AllCommands, name, &Command::Name);
    return found == AllCommands.end() ? nullptr : &*found;
}

}  // namespace viv::script
