// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The results table window: its grid follows the table model, the selection goes back to
// the model, the clipboard copy, the menus and when the window shows itself.
#include "windows/table_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <cerrno>

#include "app/cell_layout.h"
#include "library/safe_save.h"
#include "test_host.h"
#include "windows/results_grid.h"

namespace viv {
namespace {

// --- Text placement in a cell ---

TEST(CellLayout, KindsByRowAndColumn) {
    EXPECT_EQ(KindOfCell(0, 0), CellKind::Header);
    EXPECT_EQ(KindOfCell(2, 0), CellKind::Header);
    EXPECT_EQ(KindOfCell(0, 1), CellKind::RowHeader);
    EXPECT_EQ(KindOfCell(0, 11), CellKind::RowHeader);
    EXPECT_EQ(KindOfCell(1, 1), CellKind::Value);
    EXPECT_EQ(KindOfCell(2, 5), CellKind::Value);
}

TEST(CellLayout, HeaderCentredByTruncatedHalving) {
    const TRect cell{163, 2, 223, 26};  // 60 x 24
    // 60 - 25 = 35 free: 17 to the left; 24 - 13 = 11 free: 5 above.
    EXPECT_EQ(CellTextOrigin(cell, 25, 13, CellKind::Header), (TPoint{180, 7}));
    // Text wider than the cell: -5 / 2 rounds toward zero, to -2.
    EXPECT_EQ(CellTextOrigin(cell, 65, 13, CellKind::Header), (TPoint{161, 7}));
    // Taller than the cell: -3 / 2 gives -1.
    EXPECT_EQ(CellTextOrigin(cell, 20, 27, CellKind::Header), (TPoint{183, 1}));
}

TEST(CellLayout, RowHeaderAtLeftEdgeValueThreeInsideRight) {
    const TRect cell{2, 27, 162, 51};  // 160 x 24
    EXPECT_EQ(CellTextOrigin(cell, 90, 13, CellKind::RowHeader), (TPoint{2, 32}));
    EXPECT_EQ(CellTextOrigin(cell, 90, 13, CellKind::Value), (TPoint{162 - 90 - 3, 32}));
    // A value wider than its cell still ends 3 pixels inside, and starts left of it.
    EXPECT_EQ(CellTextOrigin({163, 27, 223, 51}, 70, 14, CellKind::Value), (TPoint{150, 32}));
}

// --- The window ---

void Press(QWidget* w, QPoint at, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(at), QPointF(w->mapToGlobal(at)),
                  Qt::LeftButton, Qt::LeftButton, mods);
    QApplication::sendEvent(w, &e);
}
void Move(QWidget* w, QPoint at) {
    QMouseEvent e(QEvent::MouseMove, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::NoButton,
                  Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
void Release(QWidget* w, QPoint at) {
    QMouseEvent e(QEvent::MouseButtonRelease, QPointF(at), QPointF(w->mapToGlobal(at)),
                  Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
void Drag(QWidget* w, QPoint from, QPoint to) {
    Press(w, from);
    Move(w, to);
    Release(w, to);
}

QAction* MenuItem(TableWindow& form, const QString& menu, const QString& item) {
    for (QAction* top : form.MainMenu()->actions()) {
        if (top->text() != menu || top->menu() == nullptr) continue;
        for (QAction* a : top->menu()->actions())
            if (a->text() == item) return a;
    }
    return nullptr;
}

class TableForm : public ::testing::Test {
protected:
    test::StartedApp started;
    App& app = started.app;
    TableWindow form{app};
    ResultsGrid* grid = form.Grid();

    void SetupTable(int rows, int columns) {
        app.SetupTable(rows, columns, false);
        form.SyncFromModel();
    }
    std::string Copied() {
        form.CopyTable();
        return QGuiApplication::clipboard()->text().toStdString();
    }
    // A filled table: "n" header with a point, values with points, one cell left empty.
    void FillSample() {
        app.Window.Caption = "Brydning";
        SetupTable(4, 3);
        app.Table.SetCell(0, 0, "farve");
        app.Table.SetCell(1, 0, "n 1.5");
        app.Table.SetCell(2, 0, " v/°");
        app.Table.SetCell(0, 1, "rød");
        app.Table.SetCell(1, 1, "1.333");
        app.Table.SetCell(2, 1, " 41.2");
        app.Table.SetCell(0, 2, "grøn");
        app.Table.SetCell(1, 2, "2.5.1");
        app.Table.SetCell(0, 3, "blå");
        app.Table.SetCell(1, 3, "1.343");
        app.Table.SetCell(2, 3, "40.6");
        form.SyncFromModel();
    }
};

TEST_F(TableForm, StartsHiddenWithCaptionTabel) {
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tabel"));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form.font().pixelSize(), 13);
}

TEST_F(TableForm, GridTakesTheModelsShape) {
    SetupTable(3, 2);
    EXPECT_EQ(grid->width(), 225);
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(grid->ColWidth(0), 160);
    EXPECT_EQ(grid->ColWidth(1), 60);
    EXPECT_EQ(grid->pos(), QPoint(10, 12));
    EXPECT_EQ(grid->height(), app.Table.GridHeight());
    EXPECT_EQ(form.width(), 245);
    EXPECT_EQ(form.height() - form.MainMenu()->sizeHint().height(), app.Table.ClientHeight());

    SetupTable(12, 3);
    EXPECT_EQ(grid->width(), 286);
    EXPECT_EQ(grid->RowCount(), 12);
    EXPECT_EQ(grid->ColCount(), 3);
    EXPECT_EQ(grid->ColWidth(2), 60);
    EXPECT_EQ(form.width(), 306);
}

TEST_F(TableForm, GridShowsTheModelsCellsAndCaption) {
    FillSample();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Brydning"));
    EXPECT_EQ(grid->Cell(0, 1), QStringLiteral("rød"));
    EXPECT_EQ(grid->Cell(2, 0), QStringLiteral(" v/°"));
    EXPECT_EQ(grid->Cell(1, 3), QStringLiteral("1.343"));
    EXPECT_EQ(grid->Cell(2, 2), QString());

    // A new simulation empties the cells; the sync shows that too.
    app.Window.Caption = "Prisme";
    SetupTable(3, 2);
    EXPECT_EQ(grid->Cell(0, 1), QString());
    EXPECT_EQ(grid->Cell(1, 1), QString());
    EXPECT_EQ(grid->Cell(2, 0), QString());  // that column is gone
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Prisme"));
}

TEST_F(TableForm, CopyUsesTheSystemsSeparators) {
    FillSample();
    app.State.ListSeparator = ';';
    app.State.DecimalSeparator = ',';
    form.SelectAllCells();
    EXPECT_EQ(app.Table.Selection().Right, 2);
    EXPECT_EQ(app.Table.Selection().Bottom, 3);
    // Headers as they stand; values with the first point replaced, empty as 0,0.
    EXPECT_EQ(Copied(),
              "farve;n 1.5; v/°\r\n"
              "rød;1,333; 41,2\r\n"
              "grøn;2,5.1;0,0\r\n"
              "blå;1,343;40,6\r\n");
}

TEST_F(TableForm, MouseSelectionReachesTheModel) {
    FillSample();
    app.State.ListSeparator = ';';
    app.State.DecimalSeparator = ',';
    // Column 2, rows 2 and 3, dragged upwards from the lower cell.
    Drag(grid, grid->CellRect(2, 3).center(), grid->CellRect(2, 2).center());
    const CellBlock sel = app.Table.Selection();
    EXPECT_EQ(sel.Left, 2);
    EXPECT_EQ(sel.Right, 2);
    EXPECT_EQ(sel.Top, 2);
    EXPECT_EQ(sel.Bottom, 3);
    // Every line still starts with the row header.
    EXPECT_EQ(Copied(), "farve; v/°\r\ngrøn;0,0\r\nblå;40,6\r\n");

    // A sync keeps the user's block; a drag beyond the grid keeps to the last cells.
    form.SyncFromModel();
    EXPECT_EQ(grid->Selection().Top, 2);
    Drag(grid, grid->CellRect(1, 1).center(), QPoint(grid->width() + 50, grid->height() + 50));
    EXPECT_EQ(app.Table.Selection().Right, 2);
    EXPECT_EQ(app.Table.Selection().Bottom, 3);
    // A click on a header cell selects nothing new.
    Drag(grid, grid->CellRect(0, 2).center(), grid->CellRect(0, 2).center());
    EXPECT_EQ(app.Table.Selection().Left, 1);
    EXPECT_EQ(app.Table.Selection().Top, 1);
}

TEST_F(TableForm, ArrowKeysMoveAndShiftExtends) {
    FillSample();
    grid->setFocus();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(grid, &down);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::ShiftModifier);
    QApplication::sendEvent(grid, &right);
    QApplication::sendEvent(grid, &right);  // held at the last column
    const CellBlock sel = app.Table.Selection();
    EXPECT_EQ(sel.Left, 1);
    EXPECT_EQ(sel.Right, 2);
    EXPECT_EQ(sel.Top, 2);
    EXPECT_EQ(sel.Bottom, 2);
}

TEST_F(TableForm, RowsResizeByDraggingTheirLineInTheHeaderColumn) {
    FillSample();
    const QRect row1 = grid->CellRect(0, 1);
    const QPoint line(row1.left() + 20, row1.bottom() + 1);
    Drag(grid, line, line + QPoint(0, 10));
    EXPECT_EQ(grid->RowHeight(1), ResultsGrid::DefaultRowHeight + 10);
    EXPECT_EQ(grid->CellRect(0, 2).top(), row1.bottom() + 2 + 10);
    // The same drag among the values does not resize.
    const QPoint inValues(grid->CellRect(1, 2).left() + 5, grid->CellRect(1, 2).bottom() + 1);
    Drag(grid, inValues, inValues + QPoint(0, 10));
    EXPECT_EQ(grid->RowHeight(2), ResultsGrid::DefaultRowHeight);
    // The model's next sync keeps the user's row height.
    form.SyncFromModel();
    EXPECT_EQ(grid->RowHeight(1), ResultsGrid::DefaultRowHeight + 10);
}

// "Marker alt" belongs to one table: the next simulation's table starts with its first
// value selected; and a grid without the focus shows no highlighted cell.
TEST_F(TableForm, ASelectionDoesNotCarryOverAndShowsOnlyWithTheFocus) {
    FillSample();
    form.SelectAllCells();
    ASSERT_EQ(app.Table.Selection().Bottom, 3);
    const QColor highlight = grid->palette().color(QPalette::Highlight);
    const QImage unfocused = grid->grab().toImage();
    int highlighted = 0;
    for (int y = 0; y < unfocused.height(); ++y)
        for (int x = 0; x < unfocused.width(); ++x)
            highlighted += static_cast<int>(unfocused.pixelColor(x, y) == highlight);
    EXPECT_EQ(highlighted, 0);
    SetupTable(8, 3);
    const CellBlock fresh = app.Table.Selection();
    EXPECT_EQ(fresh.Left, 1);
    EXPECT_EQ(fresh.Right, 1);
    EXPECT_EQ(fresh.Top, 1);
    EXPECT_EQ(fresh.Bottom, 1);
    EXPECT_EQ(grid->Selection().Bottom, 1);
}

// The window's size follows the grid: it can be minimised, not maximised or resized.
TEST_F(TableForm, TheWindowsSizeIsFixedByTheGrid) {
    SetupTable(5, 3);
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    const QSize five = form.size();
    SetupTable(12, 3);
    EXPECT_GT(form.height(), five.height());
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
}

TEST_F(TableForm, HiddenUntilVisTabelThenShownOnEverySetup) {
    SetupTable(3, 2);
    EXPECT_FALSE(form.isVisible());
    SetupTable(5, 3);
    EXPECT_FALSE(form.isVisible());

    app.ShowTableClick();
    form.SyncFromModel();
    EXPECT_TRUE(form.isVisible());
    app.ShowTableClick();
    form.SyncFromModel();
    EXPECT_FALSE(form.isVisible());

    SetupTable(4, 2);
    EXPECT_TRUE(form.isVisible());

    // Closing only hides, and the next simulation shows it again.
    form.close();
    EXPECT_FALSE(app.Table.Visible);
    EXPECT_FALSE(form.isVisible());
    SetupTable(3, 2);
    EXPECT_TRUE(form.isVisible());

    QAction* luk = MenuItem(form, "Fi&ler", "&Luk");
    ASSERT_NE(luk, nullptr);
    int changes = 0;
    QObject::connect(&form, &TableWindow::ModelChanged, [&] { ++changes; });
    luk->trigger();
    EXPECT_FALSE(app.Table.Visible);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(changes, 1);
}

TEST_F(TableForm, ShownAtTheScreensBottomRightCorner) {
    SetupTable(3, 2);
    app.ShowTableClick();
    form.SyncFromModel();
    const QRect area = form.screen()->availableGeometry();
    const QRect frame = form.frameGeometry();
    EXPECT_LE(frame.right(), area.right());
    EXPECT_LE(frame.bottom(), area.bottom());
    EXPECT_GE(frame.right(), area.right() - 2);
    EXPECT_GE(frame.bottom(), area.bottom() - 40);
}

TEST_F(TableForm, MenuItemsAndTheirHints) {
    QAction* kopi = MenuItem(form, "R&ediger", "&Kopi");
    ASSERT_NE(kopi, nullptr);
    EXPECT_EQ(kopi->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    ASSERT_NE(MenuItem(form, "Fi&ler", "&Udskriv"), nullptr);
    ASSERT_NE(MenuItem(form, "R&ediger", "&Marker alt"), nullptr);

    int changes = 0;
    QObject::connect(&form, &TableWindow::ModelChanged, [&] { ++changes; });
    kopi->hover();
    EXPECT_EQ(app.Window.StatusCaption,
              "    Kopierer den markerede del af tabellen til klippebordet.");
    EXPECT_FALSE(app.Window.PanelsVisible);  // a menu hint hides the read-outs
    MenuItem(form, "Fi&ler", "&Luk")->hover();
    EXPECT_EQ(app.Window.StatusCaption, "    Luk tabel, det betyder blot, at tabellen ikke vises.");
    EXPECT_EQ(changes, 2);

    const QList<QAction*> top = form.MainMenu()->actions();
    ASSERT_EQ(top.size(), 2);
    emit form.MainMenu()->hovered(top[0]);
    EXPECT_EQ(app.Window.StatusCaption, "    Udskriv tabel, ...");
    emit form.MainMenu()->hovered(top[1]);
    EXPECT_EQ(app.Window.StatusCaption, "    Rediger: kopier,...");
}

TEST_F(TableForm, PrintingToAFileLeavesOffsetsAtZero) {
    FillSample();
    const QString path = QDir::temp().filePath("vivarnon-table-print-test.pdf");
    QFile::remove(path);
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    const std::size_t before = started.host.messages.size();  // the missing photograph
    EXPECT_TRUE(form.PrintOn(printer));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(app.Map.PrintOffsetX, 0);
    EXPECT_EQ(app.Map.PrintOffsetY, 0);
    EXPECT_EQ(started.host.messages.size(), before);
    QFile::remove(path);
}

TEST_F(TableForm, APrinterThatCannotStartIsReportedOnce) {
    FillSample();
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("/nonexistent-vivarnon-dir/table.pdf");
    const std::size_t before = started.host.messages.size();
    EXPECT_FALSE(form.PrintOn(printer));
    ASSERT_EQ(started.host.messages.size(), before + 1);
    EXPECT_EQ(started.host.messages.back().first,
              "Tabellen kunne ikke udskrives. Mappen findes ikke.");
    EXPECT_EQ(started.host.messages.back().second, MessageKind::Warning);
    EXPECT_EQ(app.Map.PrintOffsetX, 0);
    EXPECT_EQ(app.Map.PrintOffsetY, 0);
}

// Printing to a file on a full disk: the old file stays as it was, and the message says why.
TEST_F(TableForm, PrintingToAFileOnAFullDiskKeepsTheOldFile) {
    FillSample();
    QTemporaryDir dir;
    const QString path = dir.filePath("table.pdf");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the teacher's table");
    }
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    const SaveWriteFunction before =
        ReplaceSaveWriteFunction([](int, const void*, std::size_t) -> ssize_t {
            errno = ENOSPC;
            return -1;
        });
    EXPECT_FALSE(form.PrintOn(printer));
    ReplaceSaveWriteFunction(before);
    EXPECT_EQ(started.host.messages.back().first,
              "Tabellen kunne ikke udskrives. Der er ikke plads på disken.");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the teacher's table");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"table.pdf"});
}

}  // namespace
}  // namespace viv
