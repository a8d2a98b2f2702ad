// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/print_dialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app.h"
#include "library/canvas/raster_canvas.h"
#include "library/canvas/reduced_picture.h"
#include "windows/page_file.h"
#include "windows/printer_output.h"

namespace viv {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* BlueLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    return label;
}

// The widget with the object name by which scripts and tests find it.
template <class Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The dialog's own small font.
QFont SmallDialogFont(QFont font) {
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")});
    font.setPixelSize(13);
    return font;
}

// The "Orientering" group of the two radio buttons, which it sets.
QGroupBox* OrientationBox(const App& app, QWidget* parent, QRadioButton*& portrait,
                          QRadioButton*& landscape) {
    auto* box = new QGroupBox(Q(app.Words("Orientering")), parent);
    portrait = new QRadioButton(Q(app.Words("portræt")), box);
    portrait->setObjectName(QStringLiteral("Portrait"));
    landscape = new QRadioButton(Q(app.Words("landskab")), box);
    landscape->setObjectName(QStringLiteral("Landscape"));
    auto* column = new QVBoxLayout(box);
    column->addWidget(portrait);
    column->addWidget(landscape);
    return box;
}

// OK, Annuller and Hjælp; OK validates first, and Enter in a field is OK too.
QDialogButtonBox* DialogButtons(const App& app, QWidget* parent) {
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, parent);
    // In the program's language, whatever language the platform's dialogs speak.
    buttons->button(QDialogButtonBox::Cancel)->setText(Q(app.Words("Annuller")));
    buttons->button(QDialogButtonBox::Help)->setText(Q(app.Words("Hjælp")));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    buttons->button(QDialogButtonBox::Help)->setObjectName(QStringLiteral("HelpButton"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    return buttons;
}

// The widgets of one row of a grid, from its first column on.
void AddGridRow(QGridLayout& grid, int row, std::initializer_list<QWidget*> widgets) {
    int column = 0;
    for (QWidget* widget : widgets) grid.addWidget(widget, row, column++);
}

}  // namespace

// --- The dialog ---

PrintDialog::PrintDialog(App& app, QPrinter& printer, int copies, bool tableEnabled,
                         std::function<void()> help, QWidget* parent)
    : QDialog(parent), app_(app), printer_(printer), help_(std::move(help)) {
    setObjectName(QStringLiteral("Vprintgrafform"));
    setWindowTitle(Q(app_.Words("Udskriv graf")));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(SmallDialogFont(font()));

    printSize_ = Named(new QComboBox(this), "PrintSize");
    for (std::string_view item : PrintSizeItems) printSize_->addItem(Q(app_.Words(item)));

    auto* heightLabel = new QLabel(Q(app_.Words("højde / pixels")), this);
    heightEdit_ = Named(new QLineEdit(this), "PrintHeightEdit");
    heightUnit_ = Named(BlueLabel(this), "PrintHeightUnit");
    auto* widthLabel = new QLabel(Q(app_.Words("bredde / pixels")), this);
    widthEdit_ = Named(new QLineEdit(this), "PrintWidthEdit");
    widthUnit_ = Named(BlueLabel(this), "PrintWidthUnit");
    auto* copiesLabel = new QLabel(Q(app_.Words("Antal kopier")), this);
    copies_ = Named(new QSpinBox(this), "Copies");
    copies_->setRange(1, MaxCopies);

    auto* orientationBox = OrientationBox(app_, this, portrait_, landscape_);

    auto* setup =
        Named(new QPushButton(Q(app_.Words("Printeropsætning ...")), this), "PrintersetupButton");
    withTable_ = Named(new QCheckBox(Q(app_.Words("Udskriv tabel")), this), "PrintTableToo");
    auto* titleLabel = new QLabel(Q(app_.Words("Titel:")), this);
    titleEdit_ = Named(new QLineEdit(this), "TitleEdit");

    auto* buttons = DialogButtons(app_, this);

    auto* grid = new QGridLayout;
    grid->addWidget(printSize_, 0, 0, 1, 3);
    AddGridRow(*grid, 1, {heightLabel, heightEdit_, heightUnit_});
    AddGridRow(*grid, 2, {widthLabel, widthEdit_, widthUnit_});
    AddGridRow(*grid, 3, {copiesLabel, copies_});
    auto* right = new QVBoxLayout;
    right->addWidget(orientationBox);
    right->addWidget(setup);
    right->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(grid);
    top->addLayout(right);
    auto* title = new QHBoxLayout;
    title->addWidget(titleLabel);
    title->addWidget(titleEdit_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(withTable_);
    layout->addLayout(title);
    layout->addWidget(buttons);

    ConnectHandlers(setup, buttons);

    StartValues(copies, tableEnabled);
}

void PrintDialog::StartValues(int copies, bool tableEnabled) {
    {
        const QSignalBlocker block(printSize_);
        printSize_->setCurrentIndex(DefaultPrintSize);
    }
    heightEdit_->setEnabled(false);
    widthEdit_->setEnabled(false);
    OrientationFromPrinter();
    withTable_->setEnabled(tableEnabled);
    withTable_->setChecked(app_.State.PrintTableToo);
    ComputePrintSizes();
    copies_->setValue(copies);
    titleEdit_->setText(Q(app_.State.PrintTitle));
}

void PrintDialog::ConnectHandlers(QPushButton* setup, QDialogButtonBox* buttons) {
    connect(printSize_, &QComboBox::currentIndexChanged, this, [this] { PrintSizeChanged(); });
    connect(portrait_, &QRadioButton::clicked, this, [this] { PortraitClicked(); });
    connect(landscape_, &QRadioButton::clicked, this, [this] { LandscapeClicked(); });
    connect(setup, &QPushButton::clicked, this, [this] { PrintersetupButtonClick(); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { OKButtonClick(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { HelpButtonClick(); });
}

int PrintDialog::Copies() const {
    return copies_->value();
}

void PrintDialog::ComputePrintSizes() {
    const int item = printSize_->currentIndex();
    sizes_ = viv::ComputePrintSizes(app_.Map, printer_.width(), printer_.height(), item);
    heightUnit_->setText(Q(sizes_.LabelY));
    widthUnit_->setText(Q(sizes_.LabelX));
    if (sizes_.Width) widthEdit_->setText(QString::number(*sizes_.Width));
    if (sizes_.Height) heightEdit_->setText(QString::number(*sizes_.Height));
}

void PrintDialog::OrientationFromPrinter() {
    const bool landscape = printer_.pageLayout().orientation() == QPageLayout::Landscape;
    portrait_->setChecked(!landscape);
    landscape_->setChecked(landscape);
}

void PrintDialog::PrintSizeChanged() {
    const bool userDefined = printSize_->currentIndex() == UserDefinedSize;
    heightEdit_->setEnabled(userDefined);
    widthEdit_->setEnabled(userDefined);
    ComputePrintSizes();
}

void PrintDialog::PortraitClicked() {
    printer_.setPageOrientation(QPageLayout::Portrait);
    ComputePrintSizes();
}

void PrintDialog::LandscapeClicked() {
    printer_.setPageOrientation(QPageLayout::Landscape);
    ComputePrintSizes();
}

void PrintDialog::PrintersetupButtonClick() {
    // The platform's dialog: the printer (or a PDF file), its paper and orientation. The
    // copies it offers are this dialog's own, so that each copy gets its title and table.
    QPrintDialog dialog(&printer_, this);
    dialog.setWindowTitle(Q(app_.Words("Printeropsætning")));
    printer_.setCopyCount(copies_->value());
    if (dialog.exec() == QDialog::Accepted)
        copies_->setValue(std::clamp(printer_.copyCount(), 1, MaxCopies));
    printer_.setCopyCount(1);
    OrientationFromPrinter();
    ComputePrintSizes();
}

void PrintDialog::HelpButtonClick() {
    if (help_) help_();
}

void PrintDialog::OKButtonClick() {
    const std::optional<int> height =
        ParsePrintSide(heightEdit_->text().toStdString(), sizes_.MaxPrintHeight);
    if (!height) {
        heightEdit_->setFocus();
        return;
    }
    const std::optional<int> width =
        ParsePrintSide(widthEdit_->text().toStdString(), sizes_.MaxPrintWidth);
    if (!width) {
        widthEdit_->setFocus();
        return;
    }
    printHeight_ = *height;
    printWidth_ = *width;
    printer_.setPageOrientation(landscape_->isChecked() ? QPageLayout::Landscape
                                                        : QPageLayout::Portrait);
    app_.State.PrintTableToo = withTable_->isChecked();
    app_.State.PrintTitle = titleEdit_->text().toStdString();
    accept();
}

// --- The commands ---

PrintCommands::PrintCommands(App& app, QWidget* window, std::function<void()> sync,
                             std::function<void(const char*)> help)
    : app_(app),
      window_(window),
      sync_(std::move(sync)),
      help_(std::move(help)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

PrintCommands::~PrintCommands() = default;

void PrintCommands::PrepareOutput() {
    QPrinter& p = *printer_;
    if (p.outputFormat() == QPrinter::PdfFormat && p.outputFileName().isEmpty()) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
        p.setOutputFileName(QDir(folder).filePath(Q(app_.Words("Vivarnon udskrift.pdf"))));
        p.setResolution(PdfResolution);
    }
}

void PrintCommands::Report(bool ok, const char* failure, const std::string& reason) {
    if (!ok) {
        app_.host().ShowMessage(
            reason.empty() ? std::string(failure) : std::string(failure) + " " + reason + ".",
            MessageKind::Warning);
    } else if (printer_->outputFormat() == QPrinter::PdfFormat) {
        const std::string where =
            QDir::toNativeSeparators(printer_->outputFileName()).toStdString();
        app_.host().ShowMessage("Udskriften er gemt i " + where, MessageKind::Information);
    }
}

void PrintCommands::PrintPicture() {
    OnFileMenuOpened(app_);
    const bool tableEnabled = app_.Window.PrintTableItem.Enabled;
    bool printed = false;
    bool ok = false;
    std::string reason;
    {
        PicturePrintScope scope(app_);
        sync_();  // the clock stops while the dialog is open
        PrepareOutput();
        PrintDialog dialog(
            app_, *printer_, copies_, tableEnabled, [this] { help_("udskriv"); }, window_);
        if (dialog.exec() == QDialog::Accepted) {
            copies_ = dialog.Copies();
            PictureRequest request;
            request.PrintWidth = dialog.PrintWidth();
            request.PrintHeight = dialog.PrintHeight();
            request.Copies = copies_;
            request.Title = app_.State.PrintTitle;
            request.TableToo = app_.State.PrintTableToo;
            if (const QScreen* screen = QGuiApplication::primaryScreen())
                request.ScreenWidth = screen->geometry().width();
            printer_->setDocName(Q(app_.Words(app_.Window.Caption)));
            printed = true;
            PrinterOutput output(*printer_);
            try {
                PrinterTarget target(output.Device());
                target.Page().Words = app_.PictureWords();  // the title as the picture's words
                if (target.IsActive()) {
                    ok = scope.Print(target, request);
                    target.End();
                }
            } catch (const std::exception&) {
                ok = false;
            }
            ok = output.Finish(ok, reason);
        }
    }
    sync_();
    if (printed) Report(ok, "Grafen kunne ikke udskrives.", reason);
}

void PrintCommands::PrintDataLists() {
    OnFileMenuOpened(app_);
    std::optional<DataList> list = CurrentDataList(app_);
    if (!list) return;
    PrepareOutput();
    printer_->setDocName(Q(app_.Words(app_.Window.Caption)));
    bool ok = false;
    std::string reason;
    {
        PrinterOutput output(*printer_);
        try {
            PrinterTarget target(output.Device());
            target.Page().Words = app_.PictureWords();
            if (target.IsActive()) {
                ok = PrintDataList(app_, target, *list, app_.State.PrintTitle);
                target.End();
            }
        } catch (const std::exception&) {
            ok = false;
        }
        ok = output.Finish(ok, reason);
    }
    sync_();
    Report(ok, "Data kunne ikke udskrives.", reason);
}

void PrintCommands::CopyBitmap() const {
    const auto* picture = dynamic_cast<const RasterCanvas*>(app_.Image.get());
    if (picture == nullptr) return;
    QGuiApplication::clipboard()->setImage(ShownImage(*picture, app_.Window.DrawingScale));
}

void PrintCommands::CopyVectors() {
    if (!app_.Image) return;
    SvgFile svg("", app_.Image->Width(), app_.Image->Height());
    std::string error;
    if (svg.IsOpen()) DrawVectorCopy(app_, svg.Page());
    const bool ok = svg.Finish(error);
    sync_();
    if (!ok) {
        app_.host().ShowMessage("Grafen kunne ikke kopieres.", MessageKind::Warning);
        return;
    }
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/svg+xml"), svg.SvgBytes());
    // The screen's picture beside the vectors, so that a paste works in any program.
    if (const auto* picture = dynamic_cast<const RasterCanvas*>(app_.Image.get()))
        data->setImageData(ShownImage(*picture, app_.Window.DrawingScale));
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace viv
