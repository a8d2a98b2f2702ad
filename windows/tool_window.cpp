// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/tool_window.h"

#include <QAction>
#include <QDockWidget>
#include <QFont>
#include <QMenu>
#include <QMenuBar>
#include <QVariant>
#include <string>
#include <string_view>

namespace viv {

QFont ToolWindowFont(int pixelHeight) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    return font;
}

QMenuBar* SetUpToolWindow(QWidget* window, const QFont& font) {
    window->setFont(font);
    window->setMouseTracking(true);
    auto* menu = new QMenuBar(window);
    menu->setNativeMenuBar(false);
    return menu;
}

QWidget* FrameOf(QWidget* window) {
    if (auto* dock = qobject_cast<QDockWidget*>(window->parentWidget())) return dock;
    return window;
}

void TakeFocusFor(QWidget* window, QWidget* view) {
    if (!window->isVisible()) return;
    if (!window->isActiveWindow() && FrameOf(window) == window) window->activateWindow();
    if (!view->hasFocus()) view->setFocus(Qt::MouseFocusReason);
}

namespace {

// The property that keeps a menu item's Danish caption.
constexpr const char* DanishCaption = "danishCaption";

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void KeepCaptionAndHint(QAction* action, const char* caption, const char* hint) {
    action->setProperty(DanishCaption, QByteArray(caption));
    action->setData(QString::fromUtf8(hint));
}

void ShowCaptions(const QList<QAction*>& actions, const App& app) {
    for (QAction* action : actions) {
        const QVariant kept = action->property(DanishCaption);
        if (kept.isValid()) {
            const std::string danish = kept.toByteArray().toStdString();
            action->setText(FromUtf8(app.Words(danish)));
        }
        if (const QMenu* menu = action->menu()) ShowCaptions(menu->actions(), app);
    }
}

}  // namespace

QAction* AddHintedItem(QMenu* menu, const char* caption, const char* hint) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    KeepCaptionAndHint(action, caption, hint);
    return action;
}

QMenu* AddHintedMenu(QMenuBar* bar, const char* caption, const char* hint) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    KeepCaptionAndHint(menu->menuAction(), caption, hint);
    return menu;
}

void ShowMenuCaptions(const QMenuBar& bar, const App& app) {
    ShowCaptions(bar.actions(), app);
}

bool ShowItemHint(App& app, const QAction* action) {
    if (action == nullptr) return false;
    app.DisplayHint(action->data().toString().toStdString());
    return true;
}

}  // namespace viv
