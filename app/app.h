// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The program's core: the shared state, the model of the main window and the handlers
// of every menu entry, control and clock tick. No windowing code: the Qt window, the
// scripted mode and the tests all drive this same object.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/events.h"
#include "app/host.h"
#include "app/language.h"
#include "app/memo_model.h"
#include "app/results_table.h"
#include "app/shared_state.h"
#include "app/start_photograph.h"
#include "app/subject_states.h"
#include "app/window_model.h"
#include "app/work_buffers.h"
#include "library/canvas.h"
#include "library/translation.h"
#include "library/world.h"

namespace viv {

// What the program finds around it when it starts.
struct StartupEnvironment {
    std::string StartDirectory;  // where the photograph and the guidance text are looked up
    // The system's separators ([intl] sList and sDecimal); each defaults to ",".
    std::string ListSeparatorSetting = ",";
    std::string DecimalSeparatorSetting = ",";
    // Where the English catalogue lies (EnglishCatalogueName in it): the first of the start
    // directory's candidates that holds it; empty for the start directory.
    std::string CatalogueDirectory;
    // The set-up file is looked for in these places, in order.
    std::vector<std::string> SetupFileCandidates = {"VIVARNON.INI", "/VIVARNON.INI"};
};

class App;
class Catalogue;
struct CatalogueEntry;
struct DragFigure;
class Scene;
class SetupScene;
using DrawRoutine = void (*)(Scene& scene, Event code, bool clearFirst, TCanvas& canvas);

class App {
public:
    // The core of a program whose simulations are those of `catalogue`, which outlives it.
    App(Host& host, const Catalogue& catalogue);
    App(const App&) = delete;
    App& operator=(const App&) = delete;
    ~App();

    SharedState State;
    World Map;  // the world-to-picture mapping
    MainWindowModel Window;
    ResultsTable Table;
    MemoModel Memo;
    std::unique_ptr<WorkBuffers> Buffers;
    SubjectStates Sims;  // each subject's own state
    // The picture every simulation draws into.
    std::unique_ptr<TCanvas> Image;
    // The picture without its moving figures, kept by an animation from one clock tick to
    // the next (the grating's waves); let go at every change of simulation and of size.
    std::unique_ptr<TCanvas> StillPicture;
    // "Vivarnon.jpg", read once and kept across resizes.
    StartPhotograph Photo;
    // The English texts, read at start from the start directory (EnglishCatalogueName).
    Translation English;

    Host& host() { return host_; }
    const Catalogue& catalogue() const { return catalogue_; }

    // --- Start-up, resize, close ---
    void FormCreate(const StartupEnvironment& env);
    // The window's size changed (and the first time it is shown).
    void FormResize(bool minimised = false);
    // "Glat tegning": the picture drawn larger and shown reduced, or drawn as shown.
    void SetSmoothDrawing(bool on);
    // "Zoom ind", "Zoom ud", "Fjern zoom": lines, text and arrow heads at `zoom` times
    // their size (held within 1..4 in steps of 0.25).
    void SetZoom(double zoom);
    // Presentation mode on or off: on, the zoom fits the picture's height (again at every
    // new size, FitPresentationZoom); off, the zoom from before comes back.
    void SetPresentation(bool on);
    void FitPresentationZoom();
    void FormClose();
    // "&Afslut": hides the memo and the table, then closes the main window.
    void ExitProgram();

    // --- Language ---
    Language CurrentLanguage() const { return language_; }
    // Shows the program in `language` at once: the picture drawn anew with its texts in
    // that language, numbers copied and saved with the decimal point in English and the
    // system's separators in Danish. The simulation keeps its state.
    void SetLanguage(Language language);
    // `danish` as the program shows it now.
    std::string_view Words(std::string_view danish) const;
    // The catalogue the picture's texts are shown in; nullptr for Danish.
    const Translation* PictureWords() const;
    // The results table as the user sees it: its caption and words in the program's
    // language. Shown, copied and saved as such.
    ResultsTable ShownTable() const;

    // --- Catalogue and dispatch ---
    // The menu entry of simulation n: start values, selection, caption, table, buttons.
    void MenuEntry(std::uint16_t n);
    void SelectSimulation(std::uint16_t n);
    // "Nulstil": the current simulation's start values, as a fresh choice of its entry.
    void ResetClick();
    void DrawSimulation(Event code, bool clearFirst, TCanvas& canvas);
    void RedrawPicture();
    // The picture is about to be seen (painted, saved, copied): a start picture still due
    // after a resize is built now. A resize only marks it due, so a script that selects
    // another simulation at once never builds it.
    void ShowPicture();
    void SetupTable(int rows, int columns, bool message);

    // --- Control panel ---
    void ConfigureParameters();
    void ConfigureButtons(Buttons shown);
    void SetScrollRange(int minimum, int maximum, int position);
    // The user moved a control to `position` (held inside its range).
    void ControlChange(Control control, int position);
    void FKeyClick(FKey key);
    void OnViewMenuOpened();  // the "&Vis" menu opens: check marks and enabling
    // The check marks and enabling of the "&Vis" menu's items from the buttons, the
    // toggles and the clock.
    void SyncViewMenu();
    void ImageMouseMove();
    void ImageMouseDown();
    // The mouse over the picture, in picture pixels: a press on a figure that can be
    // dragged takes hold of it, a move drags it (its control follows, rounded and held in
    // range) or shows the read-outs and the hand over such a figure, a release lets go.
    // A press on no figure is a click (ImageMouseDown).
    void PictureMouseDown(TPoint p);
    void PictureMouseMove(TPoint p);
    void PictureMouseUp(TPoint p);
    // A figure is held.
    bool Dragging() const { return held_ != nullptr; }

    // --- Animation clock ---
    void OnClockTick();
    void RunButtonClick();
    void StepButtonClick();
    void SlowMotionButtonClick();

    // --- Windows and hints ---
    void ShowTableClick();     // "Vis &Tabel"
    void ShowMemoClick();      // "Vis &Memo"
    void SubjectMenuOpened();  // a subject menu clears the legend of the button bar
    void DisplayHint(std::string_view hint);
    // "&Om Vivarnon".
    void ShowAbout();

    // The colour text of the status line: name, ": ", wavelength and " nm".
    std::string ColourText() const;

private:
    // A white picture of the picture area's size, with the pens and the mapping set for it.
    void NewPictureForArea();
    // The start picture anew at the picture's size: the photograph scaled to cover it (or
    // white when there is none) with the bows drawn over it.
    void DrawStartPictureAnew();
    // Back to what the user sees at start: no controls, no buttons, the legend.
    void ReturnToStartPicture();

    // The figure the mouse is over, if it can be dragged now.
    const DragFigure* FigureAt(TPoint p);
    // The held figure follows the pointer at p.
    void DragTo(TPoint p);
    // Smooth drawing or the zoom changed: the menu, the picture's area and the picture.
    void PictureScaleChanged();

    Host& host_;
    const Catalogue& catalogue_;
    const DragFigure* held_ = nullptr;  // the figure being dragged
    std::uint16_t heldIn_ = 0;          // the simulation it belongs to
    TPoint pressedAt_{};                // a press and release on the spot move nothing
    bool moved_ = false;
    std::string underDrag_;         // the message panel's own text while the drag names the figure
    bool startPictureDue_ = false;  // the picture is white, the start picture not yet built
    double zoomBeforePresentation_ = 1.0;  // the zoom presentation mode gives back
    Language language_ = Language::Danish;
    // The system's separators, which Danish shows and English replaces by "." and ",".
    char systemDecimal_ = ',';
    char systemList_ = ',';
};

}  // namespace viv
