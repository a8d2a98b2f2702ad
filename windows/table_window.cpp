// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/table_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <string>
#include <string_view>

#include "app/table_print.h"
#include "library/canvas/vector_canvas.h"
#include "library/format.h"
#include "windows/printer_output.h"
#include "windows/results_grid.h"
#include "windows/results_grid_accessible.h"
#include "windows/tool_window.h"

namespace viv {

namespace {

// A window of its own that can be minimised but not maximised: its size follows the grid.
constexpr Qt::WindowFlags TableWindowFlags =
    Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
    Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

constexpr int kHeaderSpace = 4;  // pixels after the longest row header

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TableWindow::TableWindow(App& app, QWidget* parent) : QWidget(parent, TableWindowFlags), app_(app) {
    setWindowTitle(FromUtf8(app_.Table.Caption));
    menu_ = SetUpToolWindow(this, ToolWindowFont(FontPixelHeight));
    // Letters of their own: as a dock panel the menus share the main window's Alt keys.
    QMenu* filer = AddHintedMenu(menu_, "Fi&ler", "Udskriv tabel, ...");
    connect(AddHintedItem(filer, "&Udskriv", "Udskriver tabellen på printer"), &QAction::triggered,
            this, &TableWindow::PrintTable);
    filer->addSeparator();
    connect(AddHintedItem(filer, "&Luk", "Luk tabel, det betyder blot, at tabellen ikke vises."),
            &QAction::triggered, this, &TableWindow::exit1Click);

    QMenu* rediger = AddHintedMenu(menu_, "R&ediger", "Rediger: kopier,...");
    QAction* kopi =
        AddHintedItem(rediger, "&Kopi", "Kopierer den markerede del af tabellen til klippebordet.");
    kopi->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    // The table's own keys work while the table has the focus, also as a dock panel of the
    // main window, whose "Kopiér som billede" has the same key.
    kopi->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(kopi, &QAction::triggered, this, &TableWindow::CopyTable);
    QAction* markerAlt = AddHintedItem(
        rediger, "&Marker alt", "Marker hele tabellen. bruges fx før kopiering til klippebord");
    markerAlt->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    markerAlt->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(markerAlt, &QAction::triggered, this, &TableWindow::SelectAllCells);
    // The menus' keys reach the form also while its menu bar is not in a window of its own.
    addAction(kopi);
    addAction(markerAlt);
    ownKeys_ = {kopi, markerAlt};

    connect(menu_, &QMenuBar::hovered, this, &TableWindow::ShowHint);
    connect(filer, &QMenu::hovered, this, &TableWindow::ShowHint);
    connect(rediger, &QMenu::hovered, this, &TableWindow::ShowHint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menu_);
    client_ = new QWidget(this);
    client_->setMouseTracking(true);
    layout->addWidget(client_);

    InstallResultsGridAccessibility();
    grid_ = new ResultsGrid(client_);
    grid_->setObjectName(QStringLiteral("Grid"));
    grid_->move(GridLeft, GridTop);
    connect(grid_, &ResultsGrid::MouseMoved, this, &TableWindow::TakeFocus);
    grid_->installEventFilter(this);
    connect(grid_, &ResultsGrid::SelectionChanged, this,
            [this](CellBlock block) { app_.Table.Select(block); });

    ShowLanguage();
    SyncFromModel();
}

void TableWindow::ShowLanguage() {
    shownLanguage_ = app_.CurrentLanguage();
    ShowMenuCaptions(*menu_, app_);
    grid_->setAccessibleName(FromUtf8(app_.Words("Tabel")));
}

void TableWindow::SyncFromModel() {
    if (app_.CurrentLanguage() != shownLanguage_) ShowLanguage();
    const ResultsTable table = app_.ShownTable();
    setWindowTitle(FromUtf8(table.Caption));

    // The row headers' column grows where a header is longer than it (in English, say).
    int wider = 0;
    for (int r = 0; r < table.RowCount(); ++r)
        wider = std::max(wider, grid_->fontMetrics().horizontalAdvance(FromUtf8(table.Cell(0, r))) +
                                    kHeaderSpace - table.ColumnWidthOf(0));
    grid_->SetSize(table.ColCount(), table.RowCount());
    for (int c = 0; c < table.ColCount(); ++c) {
        grid_->SetColWidth(c, table.ColumnWidthOf(c) + (c == 0 ? wider : 0));
        // The numbers with the language's decimal separator, as the status line and a copy
        // have them.
        for (int r = 0; r < table.RowCount(); ++r)
            grid_->SetCell(
                c, r,
                FromUtf8(WithDecimalSeparator(table.Cell(c, r), app_.State.DecimalSeparator)));
    }
    grid_->SetSelection(table.Selection());
    grid_->resize(table.GridWidth() + wider, table.GridHeight());

    // The model gives the client area; the menu bar lies above it.
    const QSize client(table.ClientWidth() + wider, table.ClientHeight());
    if (client != clientSize_) {
        clientSize_ = client;
        // A fixed size: the window managers then offer no maximising either.
        setFixedSize(client.width(), client.height() + menu_->sizeHint().height());
    }

    QWidget* frame = Frame();
    if (table.Visible == frame->isHidden()) frame->setVisible(table.Visible);
}

namespace {

// The one of the table's own menu items whose key the key event names, or none.
QAction* OwnKeyAction(const std::vector<QAction*>& ownKeys, const QKeyEvent& key) {
    const QKeySequence pressed(key.keyCombination());
    for (QAction* action : ownKeys)
        if (action->shortcut() == pressed) return action;
    return nullptr;
}

}  // namespace

QWidget* TableWindow::Frame() {
    return FrameOf(this);
}

bool TableWindow::eventFilter(QObject* watched, QEvent* event) {
    // The table's own keys go to its menu, before the main window's keys of the same name.
    const bool overrides = event->type() == QEvent::ShortcutOverride;
    if (watched == grid_ && (overrides || event->type() == QEvent::KeyPress)) {
        if (QAction* action = OwnKeyAction(ownKeys_, *static_cast<QKeyEvent*>(event))) {
            if (overrides)
                event->accept();
            else
                action->trigger();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TableWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window restored from the task bar stays where it was; a dock panel stays in its place.
    if (!event->spontaneous() && Frame() == this) FormShow();
}

void TableWindow::FormShow() {
    const QScreen* where = screen();
    if (where == nullptr) return;
    // The bottom-right corner of the screen's free area.
    const QRect area = where->availableGeometry();
    QSize frame = frameGeometry().size();
    if (frame == size())  // the window manager has not told the frame yet
        frame.rheight() += style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    move(area.left() + area.width() - frame.width(), area.top() + area.height() - frame.height());
}

void TableWindow::closeEvent(QCloseEvent* event) {
    // Closing only hides the window; it lives as long as the program.
    app_.Table.Visible = false;
    QWidget::closeEvent(event);
    emit ModelChanged();
}

void TableWindow::exit1Click() {
    app_.Table.Visible = false;
    hide();
    emit ModelChanged();
}

void TableWindow::mouseMoveEvent(QMouseEvent* event) {
    TakeFocus();
    QWidget::mouseMoveEvent(event);
}

void TableWindow::TakeFocus() {
    TakeFocusFor(this, grid_);
}

void TableWindow::ShowHint(QAction* action) {
    if (ShowItemHint(app_, action)) emit ModelChanged();
}

void TableWindow::CopyTable() const {
    // The words as the grid shows them, in the program's language.
    const std::string text =
        app_.ShownTable().CopyText(app_.State.ListSeparator, app_.State.DecimalSeparator);
    QGuiApplication::clipboard()->setText(FromUtf8(text));
}

void TableWindow::SelectAllCells() {
    app_.Table.SelectAll();
    grid_->SetSelection(app_.Table.Selection());
    // The selection shows while the grid has the focus.
    grid_->setFocus(Qt::OtherFocusReason);
    grid_->update();
}

void TableWindow::PrintTable() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    PrintOn(printer);
}

bool TableWindow::PrintOn(QPrinter& printer) {
    printer.setDocName(FromUtf8(app_.Words(app_.Table.Caption)));
    bool ok = false;
    PrinterOutput output(printer);
    try {
        QPagedPaintDevice& device = output.Device();
        VectorCanvas page(device);
        page.Words = app_.PictureWords();  // the table's words as the grid shows them
        if (page.IsActive()) {
            ok = PrintResultsTable(app_, page, page.Height(), app_.State.PrintTitle,
                                   [&device] { return device.newPage(); });
            page.End();
        }
    } catch (const std::exception&) {
        ok = false;
    }
    std::string reason;
    ok = output.Finish(ok, reason);
    if (!ok)
        app_.host().ShowMessage(reason.empty() ? std::string("Tabellen kunne ikke udskrives.")
                                               : "Tabellen kunne ikke udskrives. " + reason + ".",
                                MessageKind::Warning);
    return ok;
}

}  // namespace viv
