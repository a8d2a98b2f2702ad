// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The "&Filer" menu in the main window: its enabling as it opens, and the print dialog
// leaving the screen and a running animation as they were when it is cancelled.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <memory>

#include "app/catalogue.h"
#include "gui/main_window.h"
#include "library/canvas/raster_canvas.h"
#include "sims/simulations.h"
#include "windows/print_dialog.h"

namespace viv {
namespace {

struct Window {
    std::unique_ptr<MainWindow> window;
    Window() {
        StartupEnvironment env;
        env.StartDirectory = VIV_SOURCE_DIR "/data";
        env.SetupFileCandidates.clear();
        window = std::make_unique<MainWindow>(AllSimulations(), env);
    }
    QAction* Action(const char* name) const {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    }
    void Choose(std::uint16_t simulation) const {
        for (const MenuDef& menu : MainMenu(AllSimulations()))
            for (const MenuItemDef& item : menu.Items)
                if (item.Simulation == simulation)
                    Action(std::string(item.Name).c_str())->trigger();
    }
    void OpenFiler() const {
        QMenu* filer = window->findChild<QMenu*>(QStringLiteral("Filer1"));
        ASSERT_NE(filer, nullptr);
        emit filer->aboutToShow();
    }
    const QImage& Picture() const {
        return dynamic_cast<RasterCanvas&>(*window->app().Image).Image();
    }
};

TEST(FilerMenuWindow, DataIsDisabledWhereThereIsNoListAsTheMenuOpens) {
    Window w;
    w.Choose(2);
    w.OpenFiler();
    EXPECT_FALSE(w.Action("PrintDataItem")->isEnabled());
    EXPECT_TRUE(w.Action("PrintTableItem")->isEnabled());
    EXPECT_TRUE(w.Action("Udskrivgraf1")->isEnabled());
    w.Choose(7);
    w.OpenFiler();
    EXPECT_TRUE(w.Action("PrintDataItem")->isEnabled());
}

TEST(FilerMenuWindow, CancellingThePrintDialogLeavesTheAnimationRunningAndThePictureAsItWas) {
    Window w;
    w.Choose(19);
    App& app = w.window->app();
    app.RunButtonClick();
    w.window->SyncFromModel();
    ASSERT_TRUE(app.Window.Clock.Enabled);
    const QImage before = w.Picture().copy();
    bool stoppedDuringDialog = false;
    bool sawDialog = false;
    QTimer::singleShot(50, [&] {
        auto* dialog = qobject_cast<PrintDialog*>(QApplication::activeModalWidget());
        sawDialog = dialog != nullptr;
        stoppedDuringDialog = !app.Window.Clock.Enabled;
        if (dialog) dialog->reject();
    });
    w.Action("Udskrivgraf1")->trigger();
    EXPECT_TRUE(sawDialog);
    EXPECT_TRUE(stoppedDuringDialog);
    EXPECT_TRUE(app.Window.Clock.Enabled);
    EXPECT_EQ(w.Picture(), before);
    EXPECT_EQ(app.Map.PrintOffsetX, 0);
}

}  // namespace
}  // namespace viv
