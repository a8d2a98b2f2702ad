// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/app.h"

#include <cmath>

#include "app/about.h"
#include "app/catalogue.h"
#include "app/drawing_scale.h"
#include "app/file_paths.h"
#include "app/memo_text.h"
#include "app/scene.h"
#include "app/setup_file.h"
#include "library/jpeg_image.h"

namespace viv {

namespace {

// A fresh picture as the main window prepares it: white brush, solid pen and brush.
std::unique_ptr<TCanvas> NewPicture(Host& host, int width, int height) {
    auto picture = host.CreatePicture(std::max(width, 1), std::max(height, 1));
    picture->Brush.Color = clWhite;
    picture->Pen.Style = psSolid;
    picture->Brush.Style = bsSolid;
    return picture;
}

// The pens of the screen picture, as wide in its pixels as one pixel of the layout at
// the zoom, and the zoom of its arrow heads.
void SetPens(World& map, double pixelRatio, double zoom) {
    map.Zoom = zoom;
    const int scale = PenScale(pixelRatio * zoom);
    map.PenWidth = scale;
    map.BoldPenWidth = 3 * scale;
    map.AxisPenWidth = scale > 1 ? scale : 0;  // 0: one-pixel lines, also in vector files
}

char FirstOr(const std::string& text, char fallback) {
    return text.empty() ? fallback : text[0];
}

// What the user is told when the start photograph cannot be shown.
std::string PhotographProblem(JpegFailure failure) {
    switch (failure) {
        case JpegFailure::Damaged:
            return "Vivarnon.jpg er beskadiget og kan ikke vises";
        case JpegFailure::TooLarge:
            return "Vivarnon.jpg er for stort til at blive vist";
        case JpegFailure::Unreadable:
            return "Vivarnon.jpg kunne ikke læses";
        case JpegFailure::Unsupported:
            return "Vivarnon.jpg er gemt i en form, der ikke kan vises";
        case JpegFailure::None:
        case JpegFailure::NotFound:
            break;
    }
    return "Vivarnon.jpg ikke fundet";
}

}  // namespace

App::App(Host& host, const Catalogue& catalogue) : host_(host), catalogue_(catalogue) {}

App::~App() = default;

void App::FormCreate(const StartupEnvironment& env) {
    State.CurrentBow = 1;
    Window.Configuring = true;

    Image = NewPicture(host_, Window.ScrollBoxWidth, Window.ScrollBoxHeight);
    Map.Screen = Image.get();
    Map.PictureWidth = static_cast<std::uint16_t>(Image->Width());
    Map.PictureHeight = static_cast<std::uint16_t>(Image->Height());

    // The system's separators.
    State.ListSeparator = FirstOr(env.ListSeparatorSetting, ',');
    State.DecimalSeparator = FirstOr(env.DecimalSeparatorSetting, ',');

    State.StartDirectory = env.StartDirectory;
    Buffers = std::make_unique<WorkBuffers>();
    const SetupFileSettings setup = ReadSetupFile(env.SetupFileCandidates);
    if (setup.OpenDialogDirectory) State.OpenDialogDirectory = *setup.OpenDialogDirectory;
    if (setup.ListSeparator) State.ListSeparator = *setup.ListSeparator;
    systemDecimal_ = State.DecimalSeparator;
    systemList_ = State.ListSeparator;
    // Without its catalogue the program speaks Danish in English too.
    English.Load(
        JoinPath(env.CatalogueDirectory.empty() ? State.StartDirectory : env.CatalogueDirectory,
                 EnglishCatalogueName));

    // The bow statistics start empty.
    for (auto& counts : Buffers->RayCount) counts.fill(0);
    Buffers->ColourSumCount.fill(0);
    Buffers->ColourSumIntensity.fill(0);

    State.CurrentColour = 4;
    State.Rainbow = ComputeRainbowAngles();

    Map.PictureMarginX = 0;
    Map.PictureMarginY = 0;
    Map.PrintOffsetX = 0;
    Map.PrintOffsetY = 0;
    State.PrintTableToo = false;
    SetPens(Map, Window.PixelRatio, Window.Zoom);

    State.IncidenceValue = (State.IncidenceMax + State.IncidenceMin) / 2;
    Map.UpdateAspect();
    Map.SetWorldWindow(-10, 10, -5, 5);
    State.ScatterAngle = 25;
    State.RayDirection = 1;

    ConfigureButtons(Buttons::None);  // nothing is drawn while CurrentSimulation is 0

    Window.ScrollPanelWidth =
        static_cast<int>(std::lround(Window.ScrollBar1.Width * 1.8)) + Window.ScrollBar1.Left;
    host_.LayoutChanged(Window);
    State.CurrentSimulation = StartPicture;
}

void App::SetLanguage(Language language) {
    if (language == language_) return;
    language_ = language;
    State.DecimalSeparator = language == Language::English ? '.' : systemDecimal_;
    State.ListSeparator = language == Language::English ? ',' : systemList_;
    SyncViewMenu();
    ReloadGuidance(*this);
    RedrawPicture();
}

std::string_view App::Words(std::string_view danish) const {
    return language_ == Language::English ? English.Translate(danish) : danish;
}

ResultsTable App::ShownTable() const {
    ResultsTable shown = Table;
    if (language_ == Language::Danish) return shown;
    shown.Caption = Words(Table.Caption);
    for (int c = 0; c < shown.ColCount(); ++c)
        for (int r = 0; r < shown.RowCount(); ++r)
            shown.SetCell(c, r, std::string(Words(Table.Cell(c, r))));
    return shown;
}

const Translation* App::PictureWords() const {
    return language_ == Language::English ? &English : nullptr;
}

void App::SetSmoothDrawing(bool on) {
    if (Window.SmoothDrawing == on) return;
    Window.SmoothDrawing = on;
    PictureScaleChanged();
}

void App::PictureScaleChanged() {
    SyncViewMenu();
    // The host gives the picture its new scale and text size with its area; the picture
    // is drawn anew.
    host_.LayoutChanged(Window);
    FormResize();
}

void App::SetZoom(double zoom) {
    zoom = ZoomWithin(zoom);
    if (Window.Zoom == zoom) return;
    Window.Zoom = zoom;
    PictureScaleChanged();
}

void App::SetPresentation(bool on) {
    if (Window.Presentation == on) return;
    Window.Presentation = on;
    SyncViewMenu();
    if (on) {
        zoomBeforePresentation_ = Window.Zoom;
        FitPresentationZoom();
    } else {
        SetZoom(zoomBeforePresentation_);
    }
}

void App::FitPresentationZoom() {
    if (!Window.Presentation || !Image) return;
    // The height of the picture's ordinary text at zoom 1, in pixels as shown.
    const TFont font = Image->Font;
    Image->Font = TFont{};
    const double textHeight =
        Image->TextHeight("Xg") / Window.Zoom / std::max(Window.DrawingScale, 1);
    Image->Font = font;
    SetZoom(
        PresentationZoom(Window.ScrollBoxHeight / std::max(Window.DrawingScale, 1), textHeight));
}

void App::FormResize(bool minimised) {
    if (Map.MapWidth == 0 || Map.MapHeight == 0) return;
    if (State.CurrentSimulation == Closed || minimised) return;

    // The picture is always recreated, never resized in place; the old one goes first, so
    // that no more than two pictures are ever held.
    StillPicture.reset();
    NewPictureForArea();

    if (State.CurrentSimulation == StartPicture) {
        startPictureDue_ = true;  // built when it is seen
    } else {
        ClearPicture(Map);
        DrawSimulation(Event::Redraw, true, *Image);
    }
}

void App::ShowPicture() {
    if (startPictureDue_ && State.CurrentSimulation == StartPicture && Image)
        DrawStartPictureAnew();
    startPictureDue_ = false;
}

void App::DrawStartPictureAnew() {
    startPictureDue_ = false;
    const StartPhotograph::Result photo = Photo.Get(JoinPath(State.StartDirectory, "Vivarnon.jpg"));
    const int width = Image ? Image->Width() : Window.ScrollBoxWidth;
    const int height = Image ? Image->Height() : Window.ScrollBoxHeight;
    if (photo.Photo != nullptr) {
        // The photograph covers the whole picture, so the bows lie on it at any size. The
        // old picture goes first, so that no more than two pictures are ever held.
        Map.Screen = nullptr;
        Image.reset();
        Image = host_.CopyPicture(Photo.Ready(host_, width, height));
        Image->Brush.Color = clWhite;
        Image->Pen.Style = psSolid;
        Image->Brush.Style = bsSolid;
    } else {
        Image = NewPicture(host_, width, height);
        // Reported once for each state of the file, not at every resize.
        // A file that is there but cannot be shown is read once more to say why.
        if (photo.Fresh)
            host_.ShowMessage(
                PhotographProblem(LoadJpeg(JoinPath(State.StartDirectory, "Vivarnon.jpg")).Failure),
                MessageKind::Information);
    }
    Map.Screen = Image.get();
    DrawSimulation(Event::Redraw, false, *Image);
}

void App::ReturnToStartPicture() {
    State.CurrentSimulation = StartPicture;
    StillPicture.reset();
    Window.Configuring = true;
    Window.Clock.Enabled = false;
    Window.RunButton.Down = false;
    for (const Control c : AllControls) Window.Of(c).Visible = false;
    for (LabelControl* label :
         {&Window.TrackBar2Caption, &Window.TrackBar1Caption, &Window.LambdaMark,
          &Window.ScrollBar1Symbol, &Window.ScrollBar2Symbol, &Window.ScrollBar3Symbol})
        label->Visible = false;
    Window.Panel1.clear();
    Window.Panel2.clear();
    Window.Panel3.clear();
    Window.MessagePanel.clear();
    const MainWindowModel atStart;
    Window.Caption = atStart.Caption;
    Window.ButtonPanelCaption = atStart.ButtonPanelCaption;
    Window.ScrollPanelWidth =
        static_cast<int>(std::lround(Window.ScrollBar1.Width * 1.8)) + Window.ScrollBar1.Left;
    Window.Configuring = false;
    // The table as at start: empty, whether shown or not.
    const bool visible = Table.Visible, wanted = Table.TableWanted;
    Table = ResultsTable{};
    Table.Visible = visible;
    Table.TableWanted = wanted;
    host_.LayoutChanged(Window);
    // The buttons, the memo and the picture (RedrawPicture builds the start picture anew
    // at the new area's size).
    NewPictureForArea();
    ConfigureButtons(Buttons::None);
}

void App::NewPictureForArea() {
    // The old picture goes first, so that no more than two pictures are ever held.
    Map.Screen = nullptr;
    Image.reset();
    SetPens(Map, Window.PixelRatio, Window.Zoom);
    Image = NewPicture(host_, Window.ScrollBoxWidth, Window.ScrollBoxHeight);
    Map.Screen = Image.get();
    Map.PictureWidth = static_cast<std::uint16_t>(Image->Width());
    Map.PictureHeight = static_cast<std::uint16_t>(Image->Height());
    Map.UpdateAspect();
}

void App::FormClose() {
    State.CurrentSimulation = Closed;
    Buffers.reset();
}

void App::ExitProgram() {
    Memo.Visible = false;
    Table.Visible = false;
    FormClose();
}

void App::MenuEntry(std::uint16_t n) {
    const CatalogueEntry* entry = catalogue_.Find(n);
    if (entry == nullptr || State.CurrentSimulation == Closed) return;
    if (n == StartPicture) {
        ReturnToStartPicture();
        return;
    }
    SetupScene setup(*this);
    if (entry->BeforeSelect) entry->BeforeSelect(setup);
    if (entry->HideScrollBar1) Window.ScrollBar1.Visible = false;
    SelectSimulation(n);
    if (!entry->Caption.empty()) Window.Caption = std::string(entry->Caption);
    if (entry->AfterSelect) entry->AfterSelect(setup);
    if (entry->Table.Rows > 0) {
        SetupTable(entry->Table.Rows, entry->Table.Columns, entry->Table.Message);
        for (int c = 0; c < 3; ++c) {
            const std::string_view header = entry->ColumnHeaders[static_cast<std::size_t>(c)];
            Table.SetCell(c, 0, header == CaptionHeader ? Window.Caption : std::string(header));
        }
        int row = 1;
        for (std::string_view header : entry->RowHeaders)
            Table.SetCell(0, row++, std::string(header));
    }
    if (entry->AfterTable) entry->AfterTable(setup);
    // The read-outs of the new simulation show at once, not only once the mouse has
    // brought them back from behind the menu's hint.
    Window.PanelsVisible = true;
    ConfigureButtons(entry->Shown);
}

void App::ResetClick() {
    const std::uint16_t n = State.CurrentSimulation;
    if (n == StartPicture || n == Closed || catalogue_.Find(n) == nullptr) return;
    MenuEntry(n);
}

void App::SelectSimulation(std::uint16_t n) {
    StillPicture.reset();
    if (State.CurrentSimulation == StartPicture) {
        // Leave the photograph for a white picture of the scroll box's size.
        State.CurrentSimulation = LeavingStartPicture;
        startPictureDue_ = false;
        Photo.ReleaseReady();
        FormResize();
    }
    State.CurrentSimulation = n;
    Window.Configuring = true;
    Window.Clock.Enabled = false;
    Window.RunButton.Down = false;
    const int panelWidth = Window.ScrollPanelWidth;
    ConfigureParameters();
    Window.Configuring = false;
    if (Window.ScrollBar1.Visible) host_.FocusScrollBar1();
    if (Window.ScrollPanelWidth != panelWidth) {
        host_.LayoutChanged(Window);
        FormResize();
    }
}

void App::DrawSimulation(Event code, bool clearFirst, TCanvas& canvas) {
    canvas.Pen.Width = Map.PenWidth;
    const CatalogueEntry* entry = catalogue_.Find(State.CurrentSimulation);
    if (entry == nullptr || entry->Draw == nullptr) return;
    canvas.Words = PictureWords();
    Scene scene(*this);
    entry->Draw(scene, code, clearFirst, canvas);
}

void App::RedrawPicture() {
    if (!Image) return;
    if (State.CurrentSimulation == StartPicture)
        DrawStartPictureAnew();
    else
        DrawSimulation(Event::Redraw, true, *Image);
}

void App::SetupTable(int rows, int columns, bool message) {
    Table.Setup(rows, columns);
    Window.MessagePanel = message ? " Se flere data i tabellen." : "";
    Table.Caption = Window.Caption;
    if (Table.TableWanted || Table.Visible) Table.Visible = true;
}

void App::ShowTableClick() {
    Table.TableWanted = true;
    Table.Visible = !Table.Visible;
}

void App::ShowMemoClick() {
    Memo.Visible = !Memo.Visible;
}

void App::SubjectMenuOpened() {
    Window.ButtonPanelCaption.clear();
}

void App::DisplayHint(std::string_view hint) {
    if (!hint.empty()) Window.PanelsVisible = hint.front() == ' ';
    Window.StatusCaption = "    " + std::string(hint);
}

void App::ShowAbout() {
    host_.ShowMessage(VersionLine(), MessageKind::Information);
}

}  // namespace viv
