// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The main window as a new user meets it: a control panel that names its controls and
// shows their values, buttons that show their state, keys that reach the simulation
// wherever the focus is, menus whose letters are unique, and the memo and the table as
// dock panels of the window.
#include <gtest/gtest.h>

#include <QAbstractSlider>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTextEdit>
#include <QToolButton>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "app/control_readout.h"
#include "app/main_menu.h"
#include "app/script.h"
#include "gui/headless_host.h"
#include "gui/main_window.h"
#include "library/canvas/raster_canvas.h"
#include "main_window_checks.h"
#include "sims/simulations.h"
#include "windows/memo_window.h"
#include "windows/results_grid.h"
#include "windows/table_window.h"

namespace viv {
namespace {

// The program as it starts, with the memo and the table docked, on a system whose
// decimal separator is a comma.
struct Program {
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<MemoWindow> memo;
    std::unique_ptr<TableWindow> table;

    Program() {
        StartupEnvironment env;
        env.StartDirectory = VIV_SOURCE_DIR "/data";
        env.ListSeparatorSetting = ";";
        env.DecimalSeparatorSetting = ",";
        env.SetupFileCandidates.clear();
        window = std::make_unique<MainWindow>(AllSimulations(), env);
        memo = std::make_unique<MemoWindow>(window->app());
        table = std::make_unique<TableWindow>(window->app());
        window->AttachTableWindow(table.get());
        window->AttachMemoWindow(memo.get());
        window->show();
        QApplication::setActiveWindow(window.get());
        QApplication::processEvents();
    }
    ~Program() {
        table.reset();
        memo.reset();
        window.reset();
    }
    App& app() const { return window->app(); }
    template <class T>
    T* Find(const QString& name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    void Choose(std::uint16_t simulation) const {
        test::ChooseFromMenu(*window, simulation);
        QApplication::processEvents();
    }
    // A key pressed while `target` has the focus, as the keyboard delivers it.
    static void Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        target->setFocus(Qt::OtherFocusReason);
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QApplication::sendEvent(target, &release);
        QApplication::processEvents();
    }
};

std::vector<std::uint16_t> MenuSimulations() {
    std::vector<std::uint16_t> all;
    for (const MenuDef& menu : MainMenu(AllSimulations()))
        for (const MenuItemDef& item : menu.Items)
            if (item.Simulation != 0 && !item.Hidden) all.push_back(item.Simulation);
    return all;
}

// The letters of the shown actions; a letter used twice fails.
void ExpectUniqueMnemonics(const QList<QAction*>& actions, const std::string& where) {
    std::map<QString, QString> used;
    for (const QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible()) continue;
        const QString letter = QKeySequence::mnemonic(action->text()).toString().toLower();
        EXPECT_FALSE(letter.isEmpty())
            << where << ": " << action->text().toStdString() << " has no letter";
        if (letter.isEmpty()) continue;
        const auto [at, fresh] = used.emplace(letter, action->text());
        EXPECT_TRUE(fresh) << where << ": " << action->text().toStdString() << " and "
                           << at->second.toStdString() << " share " << letter.toStdString();
    }
}

TEST(WindowMenus, EveryLetterIsUniqueWithinItsMenuAndRunsItsItem) {
    Program p;
    std::vector<std::uint16_t> sims = MenuSimulations();
    sims.insert(sims.begin(), StartPicture);
    for (const std::uint16_t n : sims) {
        p.Choose(n);
        // The menu bar: the main window's menus and those of its dock panels share the Alt keys.
        QList<QAction*> top = p.window->menuBar()->actions();
        top += p.table->MainMenu()->actions();
        top += p.memo->MainMenu()->actions();
        ExpectUniqueMnemonics(top, "menu bar, simulation " + std::to_string(n));
        for (const QAction* menu : top) {
            emit menu->menu()->aboutToShow();
            ExpectUniqueMnemonics(menu->menu()->actions(),
                                  menu->text().toStdString() + ", simulation " + std::to_string(n));
        }
    }

    // The scripted mode prints the same menus with their letters.
    HeadlessHost host;
    App app(host, AllSimulations());
    host.LayoutChanged(app.Window);
    StartupEnvironment env;
    env.SetupFileCandidates.clear();
    app.FormCreate(env);
    app.FormResize();
    std::istringstream in("select 24\nmenus\n");
    std::ostringstream out, err;
    ASSERT_EQ(RunScript(app, host, in, out, err), 0) << err.str();
    const std::string menus = out.str();
    for (const char* line : {"&Filer\tF\n", "F&arver\ta\n", "V&is\ti\n", "\tGem ta&bel...\tb\t\n",
                             "\tKopiér som b&illede\ti\tCtrl+C\n", "\tM&idterstråle\ti\tF4\n",
                             "\t&Langsomt\tL\tCtrl+W\n", "\t&Om Vivarnon\tO\t\n"})
        EXPECT_NE(menus.find(line), std::string::npos) << line << " not in\n" << menus;
}

TEST(WindowKeys, TheSimulationsKeysWorkWithTheFocusInTheTableOrTheMemo) {
    Program p;
    App& app = p.app();
    p.Choose(14);  // F2..F5 and the clock
    app.ShowTableClick();
    p.window->SyncFromModel();
    ASSERT_FALSE(p.table->Frame()->isHidden());
    ASSERT_FALSE(p.memo->Frame()->isHidden());
    for (QWidget* focus :
         {static_cast<QWidget*>(p.table->Grid()), static_cast<QWidget*>(p.memo->TextView())}) {
        SCOPED_TRACE(focus->objectName().toStdString());
        const std::pair<int, bool*> keys[] = {{Qt::Key_F2, &app.State.ShowMarks},
                                              {Qt::Key_F3, &app.State.ShowNormals},
                                              {Qt::Key_F4, &app.State.ShowAxes},
                                              {Qt::Key_F5, &app.State.ShowRedRay}};
        for (const auto& [key, toggle] : keys) {
            const bool before = *toggle;
            Program::Press(focus, key);
            EXPECT_NE(*toggle, before) << "F" << key - Qt::Key_F1 + 1;
        }
        const int interval = app.Window.Clock.Interval;
        Program::Press(focus, Qt::Key_W, Qt::ControlModifier);
        EXPECT_NE(app.Window.Clock.Interval, interval);
        Program::Press(focus, Qt::Key_K, Qt::ControlModifier);
        EXPECT_TRUE(app.Window.Clock.Enabled);
        Program::Press(focus, Qt::Key_K, Qt::ControlModifier);
        EXPECT_FALSE(app.Window.Clock.Enabled);
        const std::int32_t step = app.State.AnimationStep;
        Program::Press(focus, Qt::Key_F, Qt::ControlModifier);
        EXPECT_NE(app.State.AnimationStep, step);
    }

    // Ctrl+A and Ctrl+C in the table select and copy the table, not the picture.
    Program::Press(p.table->Grid(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(app.Table.Selection().Right, app.Table.ColCount() - 1);
    EXPECT_EQ(app.Table.Selection().Bottom, app.Table.RowCount() - 1);
    QApplication::clipboard()->clear();
    Program::Press(p.table->Grid(), Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_EQ(copied.toStdString(), app.Table.CopyText(';', ','));
    EXPECT_EQ(copied.count(QLatin1Char('\n')), app.Table.RowCount());
}

TEST(WindowReadouts, StatusPanelsShowAtOnceAndControlValuesEqualThem) {
    Program p;
    App& app = p.app();
    QWidget* panels = p.Find<QWidget>(QStringLiteral("StatusPanels"));
    for (const std::uint16_t n : MenuSimulations()) {
        app.DisplayHint("Menuens hjælpetekst");  // a menu's hint hides the read-outs
        p.Choose(n);
        EXPECT_FALSE(panels->isHidden()) << n;
        QString shown;
        for (const char* name : {"Panel1", "Panel2", "Panel3", "MessagePanel"})
            shown += p.Find<QLabel>(QString::fromLatin1(name))->text().trimmed();
        EXPECT_FALSE(shown.isEmpty()) << n;
        // One decimal separator throughout: the system's comma.
        EXPECT_FALSE(shown.contains(QRegularExpression(QStringLiteral("\\d\\.\\d"))))
            << n << shown.toStdString();
    }

    // The value beside a control is what the status line reads out, at several positions.
    const struct {
        std::uint16_t Simulation;
        const char* Control;
        std::vector<int> Positions;
        const char* Panel;
    } cases[] = {
        {2, "ScrollBar1", {0, 20, 45, 89}, "Panel1"}, {7, "ScrollBar1", {1, 13, 24}, "Panel1"},
        {7, "TrackBar1", {1, 4, 8}, "Panel3"},        {26, "TrackBar2", {0, 3, 5}, "Panel1"},
        {26, "ScrollBar1", {1, 30, 89}, "Panel2"},    {24, "ScrollBar1", {0, 150, 200}, "Panel1"},
        {36, "TrackBar1", {1, 6, 11}, "Panel3"},
    };
    for (const auto& c : cases) {
        p.Choose(c.Simulation);
        auto* control = p.Find<QAbstractSlider>(QString::fromLatin1(c.Control));
        auto* value = p.Find<QLabel>(QString::fromLatin1(c.Control) + QStringLiteral("Value"));
        for (const int position : c.Positions) {
            control->setValue(position);
            const QString panel = p.Find<QLabel>(QString::fromLatin1(c.Panel))->text();
            EXPECT_FALSE(value->text().isEmpty());
            EXPECT_TRUE(panel.endsWith(value->text()))
                << c.Simulation << " " << c.Control << " at " << position << ": "
                << value->text().toStdString() << " vs " << panel.toStdString();
        }
    }
    p.Choose(2);
    EXPECT_EQ(p.Find<QLabel>(QStringLiteral("ScrollBar1Name"))->text().toStdString(),
              "Indfaldsvinkel (i)");

    // The pointer's world coordinates stay apart with a decimal comma.
    p.Choose(24);
    app.ImageMouseMove();
    p.window->SyncFromModel();
    EXPECT_TRUE(
        p.Find<QLabel>(QStringLiteral("MessagePanel"))
            ->text()
            .contains(QRegularExpression(QStringLiteral("^\\(-?\\d+,\\d\\d; -?\\d+,\\d\\d\\)$"))))
        << p.Find<QLabel>(QStringLiteral("MessagePanel"))->text().toStdString();
}

TEST(ControlPanel, TabVisitsEveryShownControlAndButtonAndSimulationsWithoutControlsShowNone) {
    Program p;
    for (const std::uint16_t n : {7, 14, 23, 20}) {
        p.Choose(n);
        std::set<QWidget*> stops;
        for (QWidget* w : p.window->findChildren<QWidget*>())
            if (w->isVisible() && ((w->focusPolicy() & Qt::TabFocus) != 0) &&
                (qobject_cast<QAbstractSlider*>(w) != nullptr ||
                 qobject_cast<QToolButton*>(w) != nullptr ||
                 qobject_cast<QPushButton*>(w) != nullptr) &&
                !p.window->findChild<QWidget*>(QStringLiteral("StatusBar"))->isAncestorOf(w) &&
                (p.Find<QWidget>(QStringLiteral("ButtonPanel"))->isAncestorOf(w) ||
                 p.Find<QWidget>(QStringLiteral("ScrollPanel"))->isAncestorOf(w)))
                stops.insert(w);
        EXPECT_GE(stops.size(), 3u) << n;
        QWidget* first = p.Find<QWidget>(QStringLiteral("NulstilButton"));
        first->setFocus(Qt::TabFocusReason);
        std::set<QWidget*> visited;
        for (std::size_t i = 0; i < 4 * stops.size() && visited.size() < stops.size(); ++i) {
            if (stops.contains(QApplication::focusWidget()))
                visited.insert(QApplication::focusWidget());
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(QApplication::focusWidget(), &tab);
        }
        EXPECT_EQ(visited, stops) << n;
    }
    // The after-image has no control: no panel, the picture takes the width.
    p.Choose(21);
    EXPECT_EQ(p.Find<QScrollArea>(QStringLiteral("ScrollPanelBox"))->width(), 0);
    EXPECT_EQ(p.app().Image->Width(),
              p.Find<QScrollArea>(QStringLiteral("ScrollBox1"))->maximumViewportSize().width());
}

TEST(ControlPanel, NulstilGivesThePictureAndTableOfAFreshChoice) {
    Program p;
    App& app = p.app();
    for (const std::uint16_t n : {7, 24, 36}) {
        p.Choose(n);
        for (const char* name : {"ScrollBar1", "TrackBar2"}) {
            auto* control = p.Find<QAbstractSlider>(QString::fromLatin1(name));
            if (!control->isHidden()) control->setValue(control->minimum() + 1);
        }
        p.Find<QToolButton>(QStringLiteral("F2Button"))->click();
        p.Find<QPushButton>(QStringLiteral("NulstilButton"))->click();
        const QImage reset = static_cast<RasterCanvas&>(*app.Image).Image();
        const std::vector<std::string> resetCells = [&] {
            std::vector<std::string> cells;
            for (int r = 0; r < app.Table.RowCount(); ++r)
                for (int c = 0; c < app.Table.ColCount(); ++c)
                    cells.push_back(app.Table.Cell(c, r));
            return cells;
        }();
        EXPECT_FALSE(p.Find<QToolButton>(QStringLiteral("F2Button"))->isChecked()) << n;
        p.Choose(n);
        EXPECT_EQ(static_cast<RasterCanvas&>(*app.Image).Image(), reset) << n;
        std::vector<std::string> fresh;
        for (int r = 0; r < app.Table.RowCount(); ++r)
            for (int c = 0; c < app.Table.ColCount(); ++c) fresh.push_back(app.Table.Cell(c, r));
        EXPECT_EQ(fresh, resetCells) << n;
    }
}

}  // namespace
}  // namespace viv
