// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The main window as the user drives it: menus, controls, buttons, the clock, hints,
// resizes and closing, checked against the core's model and the catalogue.
#include "gui/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/catalogue.h"
#include "app/control_readout.h"
#include "gui/glyphs.h"
#include "gui/headless_host.h"
#include "gui/startup.h"
#include "gui/window_sizing.h"
#include "library/canvas/raster_canvas.h"
#include "sims/simulations.h"
#include "windows/results_grid.h"
#include "windows/table_window.h"

namespace viv {
namespace {

StartupEnvironment Environment(std::string startDirectory) {
    StartupEnvironment env;
    env.StartDirectory = std::move(startDirectory);
    env.ListSeparatorSetting = ",";
    env.DecimalSeparatorSetting = ".";
    env.SetupFileCandidates.clear();
    return env;
}

// The program as it starts: main window, then the table window.
struct Program {
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TableWindow> table;

    explicit Program(std::string startDirectory = VIV_SOURCE_DIR "/data") {
        window =
            std::make_unique<MainWindow>(AllSimulations(), Environment(std::move(startDirectory)));
        table = std::make_unique<TableWindow>(window->app());
        window->AttachTableWindow(table.get());
    }
    ~Program() {
        table.reset();
        window.reset();
    }

    App& app() const { return window->app(); }
    template <class T>
    T* Find(const char* name) {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QAction* Action(std::string_view name) const {
        return window->findChild<QAction*>(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    void Choose(std::uint16_t simulation) const {
        for (const MenuDef& menu : MainMenu(AllSimulations()))
            for (const MenuItemDef& item : menu.Items)
                if (item.Simulation == simulation) Action(item.Name)->trigger();
    }
    QString Text(const char* label) { return Find<QLabel>(label)->text(); }
};

std::string Str(const QString& s) {
    return s.toStdString();
}

// The English catalogue the build compiles beside the program.
std::string EnglishCatalogue() {
    return (std::filesystem::path(VIV_BINARY).parent_path() / EnglishCatalogueName).string();
}

TEST(WindowSizing, FollowsTheScreen) {
    const WindowSizing vga = SizeForScreen(640, 480);
    EXPECT_TRUE(vga.Maximised);
    EXPECT_EQ(vga.Width, 640);
    EXPECT_TRUE(vga.WideTrackBars);

    const WindowSizing between = SizeForScreen(700, 500);
    EXPECT_FALSE(between.Maximised);
    EXPECT_EQ(between.Width, 640);
    EXPECT_EQ(between.Height, 480);

    const WindowSizing svga = SizeForScreen(800, 600);
    EXPECT_FALSE(svga.Maximised);
    EXPECT_EQ(svga.Width, 720);
    EXPECT_EQ(svga.Height, 540);
    EXPECT_TRUE(svga.WideTrackBars);

    EXPECT_FALSE(SizeForScreen(1024, 768).WideTrackBars);
    EXPECT_TRUE(SizeForScreen(900, 700).WideTrackBars);
    EXPECT_FALSE(SizeForScreen(651, 480).Maximised);
}

TEST(MainWindowStart, ShowsTheStartPictureWithTheLegendAndNoControls) {
    Program p;
    App& app = p.app();
    EXPECT_EQ(app.State.CurrentSimulation, StartPicture);
    EXPECT_EQ(Str(p.window->windowTitle()), "Vivarnon");
    EXPECT_EQ(Str(p.Text("ButtonPanelCaption")), app.Window.ButtonPanelCaption);
    EXPECT_FALSE(app.Window.ButtonPanelCaption.empty());
    for (const char* name : {"RunButton", "SlowMotionButton", "StepButton", "F2Button", "F3Button",
                             "F4Button", "F5Button", "F6Button"})
        EXPECT_TRUE(p.Find<QToolButton>(name)->isHidden()) << name;
    for (const char* name : {"ScrollBar1", "ScrollBar2", "ScrollBar3"})
        EXPECT_TRUE(p.Find<QScrollBar>(name)->isHidden()) << name;
    // The photograph is scaled to the picture area: the first screen needs no scroll bars.
    EXPECT_EQ(app.Image->Width(), app.Window.ScrollBoxWidth);
    EXPECT_EQ(app.Image->Height(), app.Window.ScrollBoxHeight);
    QWidget* picture = p.Find<QWidget>("Image");
    EXPECT_EQ(picture->size(), QSize(app.Image->Width(), app.Image->Height()));
    EXPECT_TRUE(p.window->host().OpenMessages().empty());
    // The core knows the area the layout gives the picture.
    EXPECT_EQ(QSize(app.Window.ScrollBoxWidth, app.Window.ScrollBoxHeight),
              p.Find<QScrollArea>("ScrollBox1")->maximumViewportSize());
    // No control at the start picture: no panel.
    EXPECT_EQ(p.Find<QScrollArea>("ScrollPanelBox")->width(), 0);
}

TEST(MainWindowStart, MissingPhotographIsReportedOnce) {
    Program p("/nonexistent-vivarnon-dir");
    p.window->show();
    p.window->resize(p.window->width() + 30, p.window->height());
    QApplication::processEvents();
    const auto messages = p.window->host().OpenMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(Str(messages[0]->text()), "Vivarnon.jpg ikke fundet");
    EXPECT_EQ(messages[0]->icon(), QMessageBox::Information);
    EXPECT_EQ(messages[0]->standardButtons(), QMessageBox::Ok);
    // The program carries on behind the message.
    p.Choose(7);
    EXPECT_EQ(p.app().State.CurrentSimulation, 7);
    messages[0]->close();
    // "Om Vivarnon": one box however often it is asked for, with the version, the licence,
    // the credits and the Qt it runs on.
    p.Action("Omvivarnon1")->trigger();
    p.Action("Omvivarnon1")->trigger();
    const auto about = p.window->findChildren<QMessageBox*>(QStringLiteral("OmVivarnon"));
    ASSERT_EQ(about.size(), 1);
    EXPECT_EQ(Str(about[0]->windowTitle()), "Om Vivarnon");
    EXPECT_EQ(Str(about[0]->text()), "Vivarnon, version 2.0");
    for (const char* part :
         {"GPL-2.0-or-later", "Qt ", qVersion(), "libjpeg-turbo", "Boost.Math", "Sergey Nazarov"})
        EXPECT_TRUE(about[0]->informativeText().contains(QString::fromUtf8(part))) << part;
    about[0]->close();
}

// Every simulation's menu entry: the caption, the table's shape and the controls and
// buttons the window shows agree with the model and the catalogue.
TEST(MainWindowMenu, EverySimulationEntryShowsItsSetUp) {
    Program p;
    App& app = p.app();
    const MainWindowModel& w = app.Window;
    int entries = 0;
    for (const MenuDef& menu : MainMenu(AllSimulations())) {
        for (const MenuItemDef& item : menu.Items) {
            if (item.Simulation == 0) continue;
            SCOPED_TRACE(std::string(item.Name));
            ++entries;
            const CatalogueEntry* entry = AllSimulations().Find(item.Simulation);
            ASSERT_NE(entry, nullptr);
            const std::string captionBefore = w.Caption;
            const int rowsBefore = app.Table.RowCount();
            QAction* action = p.Action(item.Name);
            ASSERT_NE(action, nullptr);
            EXPECT_EQ(action->isVisible(), !item.Hidden);
            action->trigger();

            EXPECT_EQ(app.State.CurrentSimulation, item.Simulation);
            EXPECT_EQ(Str(p.window->windowTitle()),
                      entry->Caption.empty() ? captionBefore : std::string(entry->Caption));
            if (entry->Table.Rows > 0) {
                EXPECT_EQ(app.Table.RowCount(), entry->Table.Rows);
                EXPECT_EQ(app.Table.ColCount(), entry->Table.Columns == 3 ? 3 : 2);
            } else {
                EXPECT_EQ(app.Table.RowCount(), rowsBefore);
            }
            EXPECT_EQ(p.table->Grid()->RowCount(), app.Table.RowCount());
            EXPECT_EQ(p.table->Grid()->ColCount(), app.Table.ColCount());

            const Buttons shown = entry->Shown;
            const std::pair<const char*, Buttons> fButtons[] = {{"F2Button", Buttons::F2},
                                                                {"F3Button", Buttons::F3},
                                                                {"F4Button", Buttons::F4},
                                                                {"F5Button", Buttons::F5},
                                                                {"F6Button", Buttons::F6}};
            for (const auto& [name, button] : fButtons)
                EXPECT_EQ(!p.Find<QToolButton>(name)->isHidden(), Shows(shown, button)) << name;
            EXPECT_EQ(!p.Find<QToolButton>("RunButton")->isHidden(), Shows(shown, Buttons::Clock));
            EXPECT_EQ(!p.Find<QToolButton>("StepButton")->isHidden(), w.StepButton.Visible);
            EXPECT_EQ(!p.Find<QToolButton>("SlowMotionButton")->isHidden(),
                      w.SlowMotionButton.Visible);

            const std::pair<const char*, Control> ranges[] = {
                {"ScrollBar1", Control::ScrollBar1}, {"ScrollBar2", Control::ScrollBar2},
                {"ScrollBar3", Control::ScrollBar3}, {"TrackBar1", Control::TrackBar1},
                {"TrackBar2", Control::TrackBar2},   {"TrackBar3", Control::TrackBar3},
                {"TrackBar4", Control::TrackBar4}};
            for (const auto& [name, control] : ranges) {
                const RangeControl& model = app.Window.Of(control);
                const auto* widget = p.Find<QAbstractSlider>(name);
                EXPECT_EQ(!widget->isHidden(), model.Visible) << name;
                if (!model.Visible) continue;
                EXPECT_EQ(widget->minimum(), model.Min) << name;
                EXPECT_EQ(widget->maximum(), model.Max) << name;
                EXPECT_EQ(widget->value(), model.Position) << name;
                EXPECT_EQ(Str(widget->statusTip()), model.Hint) << name;
            }
            // Each shown control's row names it and shows its value.
            for (const auto& [name, control] : ranges) {
                if (!app.Window.Of(control).Visible) continue;
                EXPECT_EQ(Str(p.Text((std::string(name) + "Name").c_str())),
                          ControlName(w, control))
                    << name;
                EXPECT_EQ(Str(p.Text((std::string(name) + "Value").c_str())),
                          ControlValue(w, control))
                    << name;
            }
            EXPECT_EQ(Str(p.Find<QToolButton>("F3Button")->text()), w.F3Button.Caption);
            EXPECT_EQ(Str(p.Action("RedRayItem")->text()), w.RedRayItem.Caption);
            EXPECT_EQ(Str(p.Text("MessagePanel")), w.MessagePanel);
            EXPECT_EQ(Str(p.Text("Panel3")), w.Panel3);
            // The picture fills the area the control panel leaves.
            EXPECT_EQ(QSize(app.Image->Width(), app.Image->Height()),
                      p.Find<QScrollArea>("ScrollBox1")->maximumViewportSize());
            EXPECT_EQ(p.Find<QWidget>("Image")->size(),
                      QSize(app.Image->Width(), app.Image->Height()));
        }
    }
    EXPECT_EQ(entries, 41);
}

TEST(MainWindowMenu, TenShowsTheYoungRangeAndFourteenStartsWithItsTogglesDown) {
    Program p;
    p.Choose(10);
    auto* bar = p.Find<QScrollBar>("ScrollBar1");
    EXPECT_EQ(bar->minimum(), 691);
    EXPECT_EQ(bar->maximum(), 799);
    EXPECT_EQ(bar->value(), 750);
    p.Choose(14);
    EXPECT_FALSE(p.Find<QToolButton>("F2Button")->isChecked());
    EXPECT_TRUE(p.Find<QToolButton>("F3Button")->isChecked());
    EXPECT_TRUE(p.Find<QToolButton>("F4Button")->isChecked());
    p.Choose(15);
    EXPECT_FALSE(p.Find<QToolButton>("F3Button")->isChecked());
    EXPECT_TRUE(p.Find<QToolButton>("F4Button")->isChecked());
}

TEST(MainWindowControls, MovedControlsReachTheCore) {
    Program p;
    App& app = p.app();
    p.Choose(7);
    auto* bar = p.Find<QScrollBar>("ScrollBar1");
    bar->setValue(bar->minimum() + 3);
    EXPECT_EQ(app.Window.ScrollBar1.Position, bar->minimum() + 3);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(app.Window.ScrollBar1.Position,
              bar->minimum() + 3 + app.Window.ScrollBar1.LargeChange);

    // The colour bar writes the colour text, which the status line shows.
    auto* colour = p.Find<QSlider>("TrackBar1");
    colour->setValue(colour->value() == 2 ? 3 : 2);
    EXPECT_EQ(app.Window.TrackBar1.Position, colour->value());
    EXPECT_EQ(Str(p.Text("Panel3")), app.Window.Panel3);
    EXPECT_NE(app.Window.Panel3.find(" nm"), std::string::npos);

    // The colour bars of the colour mixing.
    p.Choose(20);
    auto* blue = p.Find<QScrollBar>("ScrollBar3");
    EXPECT_FALSE(blue->isHidden());
    blue->setValue(100);
    EXPECT_EQ(app.Window.ScrollBar3.Position, 100);
}

TEST(MainWindowControls, AnFKeyTheSimulationDoesNotUsePopsUp) {
    Program p;
    App& app = p.app();
    p.Choose(3);  // uses F2 and F3 only
    auto* f5 = p.Find<QToolButton>("F5Button");
    f5->click();
    EXPECT_FALSE(f5->isChecked());
    EXPECT_FALSE(app.State.ShowRedRay);
    p.Action("RedRayItem")->trigger();
    EXPECT_FALSE(f5->isChecked());
    EXPECT_FALSE(app.State.ShowRedRay);
    EXPECT_FALSE(p.Action("RedRayItem")->isChecked());
}

TEST(MainWindowControls, MouseOverThePictureShowsWorldCoordinatesUnlessRunning) {
    Program p;
    App& app = p.app();
    p.Choose(14);
    QWidget* picture = p.Find<QWidget>("Image");
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), picture->mapToGlobal(QPointF(10, 10)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
    EXPECT_EQ(app.Window.MessagePanel.front(), '(');
    EXPECT_EQ(Str(p.Text("MessagePanel")), app.Window.MessagePanel);

    p.Find<QToolButton>("RunButton")->click();
    app.Window.MessagePanel = "uændret";
    QApplication::sendEvent(picture, &move);
    EXPECT_EQ(app.Window.MessagePanel, "uændret");
}

// The object arrow taken with the mouse: the hand opens over it and closes on it, the
// status line names it, and the scroll bar follows the drag.
TEST(MainWindowControls, DraggingTheObjectMovesItsScrollBar) {
    Program p;
    App& app = p.app();
    p.Choose(24);
    QWidget* picture = p.Find<QWidget>("Image");
    const QPointF arrow(app.Map.PictureX(-8), app.Map.PictureY(1.5));
    const QPointF there(app.Map.PictureX(-4), app.Map.PictureY(1.5));
    const auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButton button,
                          Qt::MouseButtons held) {
        QMouseEvent event(type, at, picture->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(picture, &event);
    };
    send(QEvent::MouseMove, arrow, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(picture->cursor().shape(), Qt::OpenHandCursor);
    send(QEvent::MouseButtonPress, arrow, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(picture->cursor().shape(), Qt::ClosedHandCursor);
    send(QEvent::MouseMove, there, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Str(p.Text("MessagePanel")), " Trækker genstanden");
    send(QEvent::MouseButtonRelease, there, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(app.Window.ScrollBar1.Position, 70);  // a = -4 = -(10 + 70) / 20
    EXPECT_EQ(p.Find<QAbstractSlider>("ScrollBar1")->value(), 70);
    EXPECT_NE(Str(p.Text("MessagePanel")), " Trækker genstanden");
    send(QEvent::MouseMove, QPointF(3, 3), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(picture->cursor().shape(), Qt::ArrowCursor);
}

TEST(MainWindowClock, FollowsKorAndStopsOnAChoice) {
    Program p;
    App& app = p.app();
    auto* timer = p.window->findChild<QTimer*>(QStringLiteral("Clock"));
    ASSERT_NE(timer, nullptr);
    p.Choose(14);
    auto* run = p.Find<QToolButton>("RunButton");
    EXPECT_FALSE(timer->isActive());
    run->click();
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(run->isChecked());
    EXPECT_EQ(timer->interval(), app.Window.Clock.Interval);

    auto* slow = p.Find<QToolButton>("SlowMotionButton");
    slow->click();
    EXPECT_EQ(timer->interval(), 200);
    EXPECT_TRUE(slow->isChecked());
    EXPECT_TRUE(timer->isActive());
    slow->click();
    EXPECT_EQ(timer->interval(), 30);
    EXPECT_FALSE(slow->isChecked());

    // "Kør" of the menu stops it, and starts it again.
    p.Action("RunItem")->trigger();
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(run->isChecked());
    p.Action("RunItem")->trigger();
    EXPECT_TRUE(timer->isActive());

    // Choosing a simulation stops the clock; the new one starts still.
    p.Choose(16);
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(run->isChecked());
    EXPECT_FALSE(p.Find<QToolButton>("RunButton")->isHidden());

    // A simulation without animation does not start it.
    p.Choose(7);
    p.Action("RunItem")->trigger();
    EXPECT_FALSE(timer->isActive());
}

TEST(MainWindowMenu, VisMenuShowsChecksAndEnabling) {
    Program p;
    p.Choose(14);  // F3 and F4 on; F6 unused
    QMenu* vis = p.window->findChild<QMenu*>(QStringLiteral("Vis1"));
    ASSERT_NE(vis, nullptr);
    emit vis->aboutToShow();
    EXPECT_FALSE(p.Action("HelperMarksItem")->isChecked());
    EXPECT_TRUE(p.Action("NormalsItem")->isChecked());
    EXPECT_TRUE(p.Action("AxesItem")->isChecked());
    EXPECT_TRUE(p.Action("RedRayItem")->isEnabled());
    EXPECT_FALSE(p.Action("RaysItem")->isEnabled());
    EXPECT_TRUE(p.Action("RunItem")->isEnabled());
    EXPECT_FALSE(p.Action("RunItem")->isChecked());
    EXPECT_EQ(Str(p.Action("NormalsItem")->text()), "&Delt bølgemønster");

    // Every subject menu clears the legend when it opens.
    QMenu* optik = p.window->findChild<QMenu*>(QStringLiteral("Optik1"));
    ASSERT_NE(optik, nullptr);
    emit optik->aboutToShow();
    EXPECT_TRUE(p.Text("ButtonPanelCaption").isEmpty());
}

TEST(MainWindowMenu, VisTabelShowsAndHidesTheTableWindow) {
    Program p;
    p.window->show();
    p.Choose(7);
    EXPECT_FALSE(p.table->isVisible());
    p.Action("ShowTableItem")->trigger();
    EXPECT_TRUE(p.app().Table.Visible);
    EXPECT_TRUE(p.table->isVisible());
    EXPECT_EQ(Str(p.table->windowTitle()), "Spredning i en dråbe");
    // Once wanted, the table comes back with the next simulation, with its caption.
    p.Choose(38);
    EXPECT_TRUE(p.table->isVisible());
    EXPECT_EQ(Str(p.table->windowTitle()), "Stående bølger");
    p.Action("ShowTableItem")->trigger();
    EXPECT_FALSE(p.table->isVisible());
}

TEST(MainWindowHints, ControlHintsKeepThePanelsMenuHintsHideThem) {
    Program p;
    p.Choose(7);
    QWidget* panels = p.Find<QWidget>("StatusPanels");
    QLabel* caption = p.Find<QLabel>("StatusCaption");

    // A menu hint hides the panels and shows across the status line.
    QStatusTipEvent menuHint(QStringLiteral("Afslut program"));
    QApplication::sendEvent(p.window->menuBar(), &menuHint);
    EXPECT_TRUE(panels->isHidden());
    EXPECT_FALSE(caption->isHidden());
    EXPECT_EQ(Str(caption->text()), "    Afslut program");

    // Entering a control reports its hint, which begins with a blank.
    auto* bar = p.Find<QScrollBar>("ScrollBar1");
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(bar, &enter);
    EXPECT_EQ(p.app().Window.StatusCaption, "    " + p.app().Window.ScrollBar1.Hint);
    EXPECT_FALSE(panels->isHidden());
    EXPECT_TRUE(caption->isHidden());

    QApplication::sendEvent(p.window->menuBar(), &menuHint);
    QApplication::sendEvent(p.Find<QWidget>("Image"), &enter);
    EXPECT_EQ(p.app().Window.StatusCaption, "     1");
    EXPECT_FALSE(panels->isHidden());
}

TEST(MainWindowResize, RecreatesThePictureForTheNewAreaButNotWhileMinimised) {
    Program p;
    App& app = p.app();
    p.window->show();
    p.Choose(7);
    const int width = app.Image->Width();
    p.window->resize(p.window->width() + 40, p.window->height() + 20);
    EXPECT_EQ(app.Image->Width(), width + 40);
    EXPECT_EQ(app.Window.ScrollBoxWidth, width + 40);
    EXPECT_EQ(p.Find<QWidget>("Image")->width(), width + 40);

    // A mark on the picture tells whether it was made anew (the new one may well lie
    // where the old one was freed).
    app.Image->SetPixel(0, 0, clFuchsia);
    p.window->setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(app.Image->GetPixel(0, 0), clFuchsia);
    p.window->setWindowState(Qt::WindowNoState);
    EXPECT_NE(app.Image->GetPixel(0, 0), clFuchsia);
    EXPECT_EQ(app.Image->Width(), app.Window.ScrollBoxWidth);

    // No control panel leaves a wider picture.
    const int panel = p.Find<QScrollArea>("ScrollPanelBox")->width();
    EXPECT_GT(panel, 0);
    p.Choose(21);
    EXPECT_EQ(app.Image->Width(), width + 40 + panel);
}

TEST(MainWindowClose, ClosingEndsTheCoreAndTheTable) {
    Program p;
    p.window->show();
    p.Choose(14);
    p.Action("ShowTableItem")->trigger();
    p.Find<QToolButton>("RunButton")->click();
    ASSERT_TRUE(p.table->isVisible());
    p.window->close();
    EXPECT_EQ(p.app().State.CurrentSimulation, Closed);
    EXPECT_FALSE(p.window->findChild<QTimer*>(QStringLiteral("Clock"))->isActive());
    EXPECT_FALSE(p.table->isVisible());

    Program q;
    q.window->show();
    q.Action("ShowTableItem")->trigger();
    q.Action("exit1")->trigger();
    EXPECT_EQ(q.app().State.CurrentSimulation, Closed);
    EXPECT_FALSE(q.window->isVisible());
    EXPECT_FALSE(q.table->isVisible());
    EXPECT_FALSE(q.app().Table.Visible);
}

// The "&Vis" menu opened in one simulation must not leave the next one's keys dead:
// a disabled item's shortcut does nothing.
TEST(MainWindowMenu, EveryShownKeyWorksAfterTheVisMenuOpenedElsewhere) {
    Program p;
    QMenu* vis = p.window->findChild<QMenu*>(QStringLiteral("Vis1"));
    ASSERT_NE(vis, nullptr);
    emit vis->aboutToShow();  // at the start picture: every key disabled
    emit vis->aboutToHide();
    p.Choose(7);
    const struct {
        const char* Button;
        const char* Item;
    } keys[] = {{"F2Button", "HelperMarksItem"},
                {"F3Button", "NormalsItem"},
                {"F4Button", "AxesItem"},
                {"F5Button", "RedRayItem"},
                {"F6Button", "RaysItem"}};
    int shown = 0;
    for (const auto& key : keys) {
        const bool visible = !p.Find<QToolButton>(key.Button)->isHidden();
        EXPECT_EQ(p.Action(key.Item)->isEnabled(), visible) << key.Item;
        if (!visible) continue;
        ++shown;
        // Pressing the key through its menu item presses the button.
        const bool before = p.Find<QToolButton>(key.Button)->isChecked();
        p.Action(key.Item)->trigger();
        EXPECT_NE(p.Find<QToolButton>(key.Button)->isChecked(), before) << key.Item;
    }
    EXPECT_EQ(shown, 5);
    // The check marks follow the toggles without the menu being opened.
    EXPECT_TRUE(p.Action("RedRayItem")->isChecked());

    // From a simulation without the clock to one with it.
    emit vis->aboutToShow();
    emit vis->aboutToHide();
    p.Choose(14);
    for (const char* item : {"RunItem", "StepItem", "SlowMotionItem"})
        EXPECT_TRUE(p.Action(item)->isEnabled()) << item;
    QTimer* timer = p.window->findChild<QTimer*>(QStringLiteral("Clock"));
    p.Action("RunItem")->trigger();
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(p.Action("RunItem")->isChecked());
    p.Action("SlowMotionItem")->trigger();
    EXPECT_EQ(timer->interval(), 200);
    p.Action("RunItem")->trigger();
    EXPECT_FALSE(timer->isActive());
    // And back to one without: the clock's keys go quiet again.
    p.Choose(7);
    for (const char* item : {"RunItem", "StepItem", "SlowMotionItem"})
        EXPECT_FALSE(p.Action(item)->isEnabled()) << item;
}

// A figure made by script has the size the picture had on the screen at the start size
// before the control panel named its controls (684 x 473), so that scripts give the same
// pictures as before; the window's own picture fills the area its layout leaves.
TEST(MainWindowStart, ScriptedPictureHasTheWindowsStartSize) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const WindowSizing sizing = SizeForScreen(screen->size().width(), screen->size().height());
    if (sizing.Width != 720 || sizing.Maximised)
        GTEST_SKIP() << "the screen gives another start size";
    Program p;
    HeadlessHost headless;
    App scripted(headless, AllSimulations());
    headless.LayoutChanged(scripted.Window);
    scripted.FormCreate(Environment(VIV_SOURCE_DIR "/data"));
    scripted.FormResize();
    EXPECT_EQ(scripted.Image->Width(), 684);
    EXPECT_EQ(scripted.Image->Height(), 473);
    EXPECT_EQ(p.app().Image->Width(), p.app().Window.ScrollBoxWidth);
    EXPECT_EQ(p.app().Image->Height(), p.app().Window.ScrollBoxHeight);
}

// The hints of the scroll bars and track bars show beside them; the read-outs cover the
// status line's caption.
TEST(MainWindowHints, ControlHintsShowAsToolTips) {
    Program p;
    p.Choose(7);
    EXPECT_EQ(Str(p.Find<QScrollBar>("ScrollBar1")->toolTip()), "Indfaldsparameter");
    EXPECT_EQ(Str(p.Find<QSlider>("TrackBar2")->toolTip()), "Primær/Sekundær");
    p.Choose(6);
    EXPECT_EQ(Str(p.Find<QScrollBar>("ScrollBar1")->toolTip()), "Solhøjde");
    EXPECT_EQ(Str(p.Find<QToolButton>("F2Button")->toolTip()), "Vivarnovinkler (F2)");
}

// Only the shown controls of the panel take the keyboard focus, each marked when it has it;
// the picture's box and the panel's box are no stops of the tab key.
TEST(MainWindowControls, OnlyShownControlsAreTabStops) {
    Program p;
    p.window->show();
    p.Choose(23);  // two scroll bars' worth of track bars and the lens bars
    for (QWidget* w : p.window->findChildren<QWidget*>()) {
        if (((w->focusPolicy() & Qt::TabFocus) == 0) || !w->isVisible()) continue;
        EXPECT_TRUE(qobject_cast<QAbstractSlider*>(w) != nullptr ||
                    qobject_cast<QAbstractButton*>(w) != nullptr)
            << Str(w->objectName()) << " " << w->metaObject()->className();
    }
    EXPECT_EQ(p.Find<QScrollArea>("ScrollBox1")->focusPolicy(), Qt::NoFocus);
}

// At the smallest window every control of every simulation can still be reached: the
// control panel scrolls instead of cutting a track bar off, and the button bar keeps
// every button.
TEST(MainWindowLayout, TheSmallestWindowKeepsEveryControlReachable) {
    Program p;
    p.window->show();
    p.window->resize(1, 1);
    QApplication::processEvents();
    EXPECT_EQ(p.window->size(), QSize(MinimumWindowWidth, MinimumWindowHeight));
    auto* box = p.Find<QScrollArea>("ScrollPanelBox");
    ASSERT_TRUE(p.app().English.Load(EnglishCatalogue()));
    for (const Language language : {Language::English, Language::Danish}) {
        p.window->SetLanguage(language);
        for (std::uint16_t n : {2, 7, 20, 23}) {
            p.Choose(n);
            QApplication::processEvents();
            // The box scrolls where the panel is higher than the window leaves it.
            EXPECT_EQ(
                box->verticalScrollBar()->isVisible(),
                p.Find<QWidget>("ScrollPanel")->sizeHint().height() > box->viewport()->height())
                << n;
            // The picture keeps the area right of the panel and its scroll bar.
            EXPECT_EQ(p.app().Window.ScrollBoxWidth,
                      p.Find<QScrollArea>("ScrollBox1")->maximumViewportSize().width());
            for (QAbstractSlider* control : p.window->findChildren<QAbstractSlider*>()) {
                if (control->isHidden() || !p.Find<QWidget>("ScrollPanel")->isAncestorOf(control))
                    continue;
                box->ensureWidgetVisible(control, 0, 0);
                const QRect shown(control->mapTo(box->viewport(), QPoint(0, 0)), control->size());
                EXPECT_TRUE(shown.top() >= 0 && shown.bottom() < box->viewport()->height())
                    << n << " " << Str(control->objectName());
            }
        }
    }
    const QToolButton* f6 = p.Find<QToolButton>("F6Button");
    EXPECT_LE(f6->geometry().right(), p.Find<QWidget>("ButtonPanel")->width());
    // At the start size there is room for the whole panel.
    p.window->resize(720, 540);
    QApplication::processEvents();
    EXPECT_FALSE(box->verticalScrollBar()->isVisible());
    EXPECT_EQ(box->width(), p.Find<QWidget>("ScrollPanel")->width());
    // There the panel is as wide as its longest name needs, in either language.
    for (const Language language : {Language::English, Language::Danish}) {
        p.window->SetLanguage(language);
        for (std::uint16_t n : {2, 7, 20, 23}) {
            p.Choose(n);
            QApplication::processEvents();
            for (const QLabel* name : p.Find<QWidget>("ScrollPanel")->findChildren<QLabel*>()) {
                if (name->isVisible() && name->objectName().endsWith(QStringLiteral("Name"))) {
                    EXPECT_GE(name->width(), name->sizeHint().width()) << n << Str(name->text());
                }
            }
        }
    }
}

// "select 1" in a script and the start: the same picture, caption and legend.
TEST(MainWindowStart, BackToTheStartPictureShowsWhatTheStartShowed) {
    Program p;
    App& app = p.app();
    const QImage start = static_cast<RasterCanvas&>(*app.Image).Image();
    const std::string legend = app.Window.ButtonPanelCaption;
    emit p.window->findChild<QMenu*>(QStringLiteral("Simuler1"))->aboutToShow();
    p.Choose(7);
    app.MenuEntry(1);
    p.window->SyncFromModel();
    EXPECT_EQ(static_cast<RasterCanvas&>(*app.Image).Image(), start);
    EXPECT_EQ(Str(p.window->windowTitle()), "Vivarnon");
    EXPECT_EQ(Str(p.Text("ButtonPanelCaption")), legend);
    for (QAbstractSlider* control : p.window->findChildren<QAbstractSlider*>()) {
        if (p.Find<QWidget>("ScrollPanel")->isAncestorOf(control)) {
            EXPECT_TRUE(control->isHidden()) << Str(control->objectName());
        }
    }
    for (const char* name : {"F2Button", "F3Button", "F4Button", "F5Button", "F6Button"})
        EXPECT_TRUE(p.Find<QToolButton>(name)->isHidden()) << name;
}

// The standard dialogs speak Danish on a Danish system (Qt's own translations).
TEST(MainWindowStart, QtsOwnTextsInDanish) {
    QTranslator translator;
    if (!LoadQtTranslations(QLocale(QLocale::Danish, QLocale::Denmark), translator))
        GTEST_SKIP() << "Qt's Danish translations are not installed";
    QCoreApplication::installTranslator(&translator);
    EXPECT_EQ(Str(QCoreApplication::translate("QPrintDialog", "Print")), "Udskriv");
    EXPECT_EQ(Str(QCoreApplication::translate("QPlatformTheme", "Cancel")), "Annuller");
    QCoreApplication::removeTranslator(&translator);
    QTranslator none;
    EXPECT_FALSE(LoadQtTranslations(QLocale(QLocale::Zulu, QLocale::SouthAfrica), none));
}

// "Sprog / Language" switches every text of the window at once, and back to the very same
// Danish window, picture and all.
TEST(MainWindowLanguage, EnglishAtOnceAndBackToTheSameDanish) {
    Program p;
    ASSERT_TRUE(p.app().English.Load(EnglishCatalogue()));
    p.Choose(7);
    const auto texts = [&p] {
        std::vector<QString> all = {p.window->windowTitle(),
                                    p.Text("ScrollBar1Name"),
                                    p.Text("Panel1"),
                                    p.Text("Panel3"),
                                    p.Find<QWidget>("ScrollBar1")->toolTip(),
                                    p.Find<QWidget>("NulstilButton")->property("text").toString(),
                                    p.Find<QToolButton>("F3Button")->text()};
        for (QAction* menu : p.window->menuBar()->actions()) all.push_back(menu->text());
        return all;
    };
    const std::vector<QString> danish = texts();
    const QImage picture = static_cast<RasterCanvas&>(*p.app().Image).Image().copy();

    p.Action("EnglishItem")->trigger();
    const std::vector<QString> english = texts();
    const std::vector<std::string> expected = {
        "Scattering in a drop", "Impact parameter (p)", "p: 0.50",
        "green: 546.1 nm",      "Impact parameter",     "Reset",
        "Normals, F3"};
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(Str(english[i]), expected[i]);
    EXPECT_EQ(Str(english[expected.size()]), "&File");
    EXPECT_TRUE(p.Action("EnglishItem")->isChecked());
    EXPECT_FALSE(p.Action("DanishItem")->isChecked());
    EXPECT_NE(static_cast<RasterCanvas&>(*p.app().Image).Image(), picture);

    p.Action("DanishItem")->trigger();
    EXPECT_EQ(texts(), danish);
    EXPECT_EQ(static_cast<RasterCanvas&>(*p.app().Image).Image(), picture);
    EXPECT_EQ(p.app().State.CurrentSimulation, 7);
}

TEST(Glyphs, CheckedStateShowsAnotherGlyph) {
    for (const QIcon& icon : {RunStopGlyph(), SpeedometerGlyph()}) {
        const QImage off = icon.pixmap(GlyphSize, QIcon::Normal, QIcon::Off).toImage();
        const QImage on = icon.pixmap(GlyphSize, QIcon::Normal, QIcon::On).toImage();
        EXPECT_FALSE(off.isNull());
        EXPECT_NE(off, on);
    }
    EXPECT_FALSE(StepGlyph().isNull());
}

}  // namespace
}  // namespace viv
