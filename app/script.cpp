// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/script.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <vector>

#include "app/about.h"
#include "app/catalogue.h"
#include "app/drawing_scale.h"
#include "app/memo_text.h"
#include "app/menu_items.h"

namespace viv {

namespace {

constexpr int MaxPictureSide = 8192;  // pixels
constexpr long MaxTicks = 1000000;

struct BadLine {
    std::string what;
};

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

long Number(const std::vector<std::string>& words, std::size_t index, const char* what) {
    if (index >= words.size()) throw BadLine{"missing " + std::string(what)};
    const std::string& text = words[index];
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        throw BadLine{std::string(what) + " is not a whole number: " + text};
    return value;
}

void NoMoreThan(const std::vector<std::string>& words, std::size_t count) {
    if (words.size() > count) throw BadLine{"unexpected argument: " + words[count]};
}

struct ControlName {
    const char* name;
    Control control;
};
constexpr std::array<ControlName, 7> Controls{{{"scroll1", Control::ScrollBar1},
                                               {"scroll2", Control::ScrollBar2},
                                               {"scroll3", Control::ScrollBar3},
                                               {"track1", Control::TrackBar1},
                                               {"track2", Control::TrackBar2},
                                               {"track3", Control::TrackBar3},
                                               {"track4", Control::TrackBar4}}};

constexpr std::array<const char*, 5> KeyNames{"F2", "F3", "F4", "F5", "F6"};

class Runner {
public:
    Runner(App& app, ScriptHost& host, std::ostream& out) : app_(app), host_(host), out_(out) {}

    void Execute(const std::vector<std::string>& w) {
        const std::string& command = w[0];
        if (command == "size") {
            NoMoreThan(w, 3);
            const long width = Number(w, 1, "width");
            const long height = Number(w, 2, "height");
            if (width < 1 || height < 1) throw BadLine{"a picture needs at least 1 x 1 pixels"};
            if (width > MaxPictureSide || height > MaxPictureSide)
                throw BadLine{"a picture of at most " + std::to_string(MaxPictureSide) +
                              " pixels a side"};
            host_.SetPictureArea(app_.Window, static_cast<int>(width), static_cast<int>(height));
            app_.FormResize();
        } else if (command == "select") {
            NoMoreThan(w, 2);
            const long n = Number(w, 1, "simulation number");
            if (!app_.catalogue().Has(n))
                throw BadLine{"no simulation " + w[1] + " (" + app_.catalogue().NumbersText() +
                              ")"};
            app_.MenuEntry(static_cast<std::uint16_t>(n));
        } else if (const ControlName* c = FindControl(command)) {
            NoMoreThan(w, 2);
            const long p = Number(w, 1, "position");
            const RangeControl& control = app_.Window.Of(c->control);
            if (!control.Visible) throw BadLine{command + " is not shown in this simulation"};
            if (p < control.Min || p > control.Max)
                throw BadLine{"position " + w[1] + " outside " + command + "'s range " +
                              std::to_string(control.Min) + ".." + std::to_string(control.Max)};
            // As in the window, a control moved to where it stands already sends nothing.
            if (p != control.Position) app_.ControlChange(c->control, static_cast<int>(p));
        } else if (command == "key") {
            NoMoreThan(w, 2);
            if (w.size() < 2) throw BadLine{"missing key (F2..F6)"};
            const FKey key = FindKey(w[1]);
            if (!app_.Window.Of(key).Visible)
                throw BadLine{w[1] + " is not shown in this simulation"};
            app_.FKeyClick(key);
        } else if (command == "tick") {
            NoMoreThan(w, 2);
            const long k = w.size() > 1 ? Number(w, 1, "tick count") : 1;
            if (k < 1 || k > MaxTicks)
                throw BadLine{"tick count outside 1.." + std::to_string(MaxTicks)};
            // The ticks arrive as from the running clock, whether or not it was started, each
            // one interval after the one before. A simulation that stops its own clock gets
            // no more ticks, and its clock stays stopped, as in the window.
            const bool running = app_.Window.Clock.Enabled;
            app_.Window.Clock.Enabled = true;
            for (long i = 0; i < k && app_.Window.Clock.Enabled; ++i) {
                host_.AdvanceClock(static_cast<std::uint32_t>(app_.Window.Clock.Interval));
                app_.OnClockTick();
            }
            if (app_.Window.Clock.Enabled) app_.Window.Clock.Enabled = running;
        } else if (command == "step") {
            NoMoreThan(w, 1);
            app_.StepButtonClick();
        } else if (command == "mouse" || command == "click") {
            NoMoreThan(w, 3);
            const long x = Number(w, 1, "x");
            const long y = Number(w, 2, "y");
            if (!OnPicture(x, y))
                throw BadLine{"(" + w[1] + ", " + w[2] + ") is outside the picture"};
            const TPoint p = PicturePixel(x, y);
            host_.MoveCursorToPicture(p.x, p.y);
            if (command == "mouse") {
                app_.PictureMouseMove(p);
            } else {
                app_.PictureMouseDown(p);
                app_.PictureMouseUp(p);
            }
        } else if (command == "drag") {
            NoMoreThan(w, 5);
            const long x1 = Number(w, 1, "x1"), y1 = Number(w, 2, "y1");
            const long x2 = Number(w, 3, "x2"), y2 = Number(w, 4, "y2");
            if (!OnPicture(x1, y1))
                throw BadLine{"(" + w[1] + ", " + w[2] + ") is outside the picture"};
            if (std::abs(x2) > MaxPictureSide || std::abs(y2) > MaxPictureSide)
                throw BadLine{"(" + w[3] + ", " + w[4] + ") is too far off the picture"};
            Drag(PicturePixel(x1, y1), PicturePixel(x2, y2));
        } else if (command == "zoom") {
            NoMoreThan(w, 2);
            if (w.size() < 2) throw BadLine{"missing zoom"};
            double zoom = 0;
            const auto [end, ec] = std::from_chars(w[1].data(), w[1].data() + w[1].size(), zoom);
            if (ec != std::errc() || end != w[1].data() + w[1].size() || !(zoom >= MinZoom) ||
                !(zoom <= MaxZoom) || ZoomWithin(zoom) != zoom)
                throw BadLine{"zoom takes 1 to 4 in steps of 0.25"};
            app_.SetZoom(zoom);
        } else if (command == "present") {
            NoMoreThan(w, 2);
            if (w.size() < 2 || (w[1] != "on" && w[1] != "off"))
                throw BadLine{"present takes on or off"};
            app_.SetPresentation(w[1] == "on");
        } else if (command == "smooth") {
            NoMoreThan(w, 2);
            if (w.size() < 2 || (w[1] != "on" && w[1] != "off"))
                throw BadLine{"smooth takes on or off"};
            app_.SetSmoothDrawing(w[1] == "on");
        } else if (command == "redraw") {
            NoMoreThan(w, 1);
            app_.RedrawPicture();
        } else if (command == "save") {
            NoMoreThan(w, 2);
            if (w.size() < 2) throw BadLine{"missing file name"};
            std::string error;
            if (!host_.SavePicture(app_, w[1], error))
                throw BadLine{"cannot write " + w[1] + ": " + error};
        } else if (command == "savetable") {
            NoMoreThan(w, 2);
            if (w.size() < 2) throw BadLine{"missing file name"};
            std::string error;
            if (!host_.SaveTable(app_, w[1], error))
                throw BadLine{"cannot write " + w[1] + ": " + error};
        } else if (command == "print") {
            NoMoreThan(w, 3);
            if (w.size() < 2) throw BadLine{"missing file name"};
            if (w.size() > 2 && w[2] != "table") throw BadLine{"unexpected argument: " + w[2]};
            PrintPicture(w[1], w.size() > 2);
        } else if (command == "data") {
            NoMoreThan(w, 2);
            if (w.size() < 2) throw BadLine{"missing file name"};
            PrintData(w[1]);
        } else if (command == "table") {
            NoMoreThan(w, 1);
            for (int r = 0; r < app_.Table.RowCount(); ++r) {
                for (int col = 0; col < app_.Table.ColCount(); ++col) {
                    if (col > 0) out_ << '\t';
                    out_ << app_.Table.Cell(col, r);
                }
                out_ << '\n';
            }
        } else if (command == "panels") {
            NoMoreThan(w, 1);
            const MainWindowModel& m = app_.Window;
            out_ << m.Panel1 << '\t' << m.Panel2 << '\t' << m.Panel3 << '\t' << m.MessagePanel
                 << '\n';
        } else if (command == "vis") {
            // The "&Vis" menu as the window shows it when opened; its F-entries are
            // chosen with "key", which runs the same code.
            NoMoreThan(w, 1);
            app_.OnViewMenuOpened();
            const MainWindowModel& m = app_.Window;
            for (const MenuItemState* item :
                 {&m.ShowTableItem, &m.ShowMemoItem, &m.HelperMarksItem, &m.NormalsItem,
                  &m.AxesItem, &m.RedRayItem, &m.RaysItem, &m.RunItem, &m.StepItem,
                  &m.SlowMotionItem})
                out_ << item->Caption << '\t' << (item->Enabled ? "enabled" : "disabled") << '\t'
                     << (item->Checked ? "checked" : "") << '\n';
        } else if (command == "menus") {
            // Every menu of the menu bar as it stands: its caption and mnemonic letter, then
            // each shown entry indented with its mnemonic letter and shortcut.
            NoMoreThan(w, 1);
            app_.OnViewMenuOpened();
            for (const MenuDef& menu : MainMenu(app_.catalogue())) {
                out_ << menu.Caption << '\t' << MnemonicOf(menu.Caption) << '\n';
                for (const MenuItemDef& item : menu.Items) {
                    if (item.Caption == "-" || item.Hidden) continue;
                    const std::string_view caption = ShownCaption(app_.Window, item);
                    out_ << '\t' << caption << '\t' << MnemonicOf(caption) << '\t' << item.Shortcut
                         << '\n';
                }
            }
        } else if (command == "reset") {
            // "Nulstil": the simulation's start values, as a fresh choice of its entry.
            NoMoreThan(w, 1);
            app_.ResetClick();
        } else if (command == "caption") {
            NoMoreThan(w, 1);
            out_ << app_.Window.Caption << '\n';
        } else if (command == "memo") {
            NoMoreThan(w, 1);
            out_ << SelectedGuidance(app_.Memo);
        } else if (command == "about") {
            NoMoreThan(w, 1);
            out_ << VersionLine() << '\n' << AboutDetails();
        } else {
            throw BadLine{"unknown command: " + command};
        }
        out_.flush();
    }

private:
    std::unique_ptr<PageFile> OpenPdf(const std::string& path) {
        std::string error;
        std::unique_ptr<PageFile> pdf = host_.OpenPdf(path, error);
        if (!pdf) throw BadLine{"cannot write " + path + ": " + error};
        return pdf;
    }

    static void Finish(PageFile& file, bool drawn, const std::string& path) {
        std::string error = "the printer refused a page";
        if (!drawn || !file.Finish(error)) throw BadLine{"cannot write " + path + ": " + error};
    }

    // "Udskriv &Graf..." with the dialog's first choice and the title and copies last given.
    void PrintPicture(const std::string& path, bool withTable) {
        if (!app_.Image) throw BadLine{"there is no picture yet"};
        Filer1Click(app_);
        if (withTable && !app_.Window.PrintTableItem.Enabled)
            throw BadLine{"this simulation fills no table"};
        std::unique_ptr<PageFile> pdf = OpenPdf(path);
        bool drawn = false;
        {
            PicturePrintScope scope(app_);
            const TCanvas& page = pdf->Page();
            const PrintSizes sizes =
                ComputePrintSizes(app_.Map, page.Width(), page.Height(), DefaultPrintSize);
            PictureRequest request;
            request.PrintWidth = *sizes.Width;
            request.PrintHeight = *sizes.Height;
            request.Title = app_.State.PrintTitle;
            request.TableToo = withTable;
            drawn = scope.Print(*pdf, request);
        }
        Finish(*pdf, drawn, path);
    }

    // "Udskriv &Data".
    void PrintData(const std::string& path) {
        Filer1Click(app_);
        std::optional<DataList> list = CurrentDataList(app_);
        if (!app_.Window.PrintDataItem.Enabled || !list)
            throw BadLine{"this simulation has no data list"};
        std::unique_ptr<PageFile> pdf = OpenPdf(path);
        const bool drawn = PrintDataList(app_, *pdf, *list, app_.State.PrintTitle);
        Finish(*pdf, drawn, path);
    }

    // Whether (x, y), in pixels of the picture as shown, lies on it.
    bool OnPicture(long x, long y) const {
        const int k = std::max(app_.Window.DrawingScale, 1);
        return x >= 0 && y >= 0 && x < app_.Image->Width() / k && y < app_.Image->Height() / k;
    }

    // The picture's pixel at the middle of shown pixel (x, y): with smooth drawing the
    // picture is drawn DrawingScale times larger than it is shown.
    TPoint PicturePixel(long x, long y) const {
        const long k = std::max(app_.Window.DrawingScale, 1);
        return {static_cast<int>(x * k + k / 2), static_cast<int>(y * k + k / 2)};
    }

    // Press, moves of at most a few pixels each, release: as the mouse in the window.
    void Drag(TPoint from, TPoint to) {
        const int stepPixels = 4 * std::max(app_.Window.DrawingScale, 1);
        const int steps = std::max({1, (std::abs(to.x - from.x) + stepPixels - 1) / stepPixels,
                                    (std::abs(to.y - from.y) + stepPixels - 1) / stepPixels});
        host_.MoveCursorToPicture(from.x, from.y);
        app_.PictureMouseDown(from);
        for (int i = 1; i <= steps; ++i) {
            const TPoint p{
                from.x + static_cast<int>(std::lround(double(to.x - from.x) * i / steps)),
                from.y + static_cast<int>(std::lround(double(to.y - from.y) * i / steps))};
            host_.MoveCursorToPicture(p.x, p.y);
            app_.PictureMouseMove(p);
        }
        app_.PictureMouseUp(to);
    }

    static const ControlName* FindControl(const std::string& name) {
        for (const ControlName& c : Controls)
            if (name == c.name) return &c;
        return nullptr;
    }
    static FKey FindKey(const std::string& name) {
        for (std::size_t i = 0; i < KeyNames.size(); ++i)
            if (name == KeyNames[i]) return static_cast<FKey>(i);
        throw BadLine{"no key " + name + " (F2..F6)"};
    }

    App& app_;
    ScriptHost& host_;
    std::ostream& out_;
};

}  // namespace

int RunScript(App& app, ScriptHost& host, std::istream& in, std::ostream& out, std::ostream& err) {
    Runner runner(app, host, out);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::vector<std::string> words = Words(line);
        if (words.empty() || words[0][0] == '#') continue;
        try {
            runner.Execute(words);
        } catch (const BadLine& bad) {
            out.flush();
            err << "line " << number << ": " << bad.what << '\n';
            return 2;
        }
    }
    return 0;
}

std::string ScriptHelp() {
    return "Kommandoer til --script, én pr. linje (tomme linjer og linjer, der begynder med #,\n"
           "springes over):\n"
           "  size B H          billedet bliver B x H pixel og tegnes igen (fra start 684 x 473,\n"
           "                    hovedvinduets billede i startstørrelsen)\n"
           "  select N          menupunktet for simulation N (1..43, ikke 13); 1 giver\n"
           "                    startbilledet, som når programmet starter\n"
           "  scroll1 P .. scroll3 P, track1 P .. track4 P\n"
           "                    flyt rullepanelet eller skyderen til position P (står den der\n"
           "                    allerede, sker der intet, som i vinduet)\n"
           "  key F2 .. key F6  tryk på tasten (dens knap eller dens punkt i menuen \"Vis\")\n"
           "  tick [K]          K tik af animationsuret (1, hvis K mangler)\n"
           "  step              ét billede frem (\"Frem\")\n"
           "  mouse X Y         musen flyttes hen over billedets pixel (X, Y)\n"
           "  click X Y         et museklik der\n"
           "  drag X1 Y1 X2 Y2  tryk ved (X1, Y1), flyt i små skridt til (X2, Y2) (gerne uden\n"
           "                    for billedet) og slip: figuren under musen trækkes med\n"
           "  zoom Z            linjer, tekst og pile Z gange større (1 til 4 i trin på 0.25;\n"
           "                    fra start 1), verdensvinduet det samme\n"
           "  present on|off    præsentation (F11): zoom, så billedets tekst er mindst 1/40\n"
           "                    af billedets højde; off giver den tidligere zoom tilbage\n"
           "  smooth on|off     glat tegning (\"Glat tegning\" i menuen \"Vis\"): billedet\n"
           "                    tegnes dobbelt så stort og vises og gemmes formindsket; fra\n"
           "                    start off, så billederne er pixeltro\n"
           "  redraw            tegn hele billedet igen\n"
           "  save FILE.png     gem billedet som PNG (skærmens pixel); FILE.svg eller\n"
           "                    FILE.pdf tegner det igen som vektorgrafik på en hvid side i\n"
           "                    samme størrelse\n"
           "  savetable FILE.csv  gem tabellen som CSV (systemets listeseparator og\n"
           "                    decimaltegn, UTF-8)\n"
           "  print FILE.pdf [table]\n"
           "                    udskriv billedet på A4-sider i en PDF-fil, \" 75% skalatro\", med\n"
           "                    tabellen under, hvis det ønskes (\"Udskriv Graf\")\n"
           "  data FILE.pdf     udskriv »sildeben« i en PDF-fil (\"Udskriv Data\")\n"
           "  table             tabellen, en linje pr. række, cellerne adskilt af tabulator\n"
           "  panels            statuspanel 1, 2, 3 og meddelelsespanelet, adskilt af tabulator\n"
           "  caption           vinduets titel\n"
           "  vis               menuen \"Vis\" åbnet: en linje pr. punkt, med titel,\n"
           "                    enabled eller disabled og checked, adskilt af tabulator\n"
           "  memo              den vejledning, memoet viser markeret, som ren tekst\n"
           "  menus             alle menuer og deres viste punkter, som de står, adskilt af\n"
           "                    tabulator: titel og genvejsbogstav, punkterne indrykket med\n"
           "                    deres genvejstast\n"
           "  reset             \"Nulstil\": simulationens startværdier, som et nyt valg\n"
           "  about             hvad \"Om Vivarnon\" viser: version, licens og tak\n"
           "En forkert linje standser kørslen med \"line N: ...\" på standard-fejl og status 2.\n";
}

}  // namespace viv
