// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gui/remembered_settings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QSettings>

#include "app/catalogue.h"
#include "app/version.h"
#include "gui/main_window.h"

namespace viv {

namespace {

constexpr char kGeometryKey[] = "window/geometry";      // QWidget::saveGeometry's bytes
constexpr char kSimulationKey[] = "window/simulation";  // 1..43, 1 the start picture

// Saves the settings when the window closes. "&Afslut" closes the core before the window,
// so the simulation shown is followed on the window's events (a new simulation changes
// the window's caption).
class SettingsKeeper : public QObject {
public:
    explicit SettingsKeeper(MainWindow& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // While the window is taken down its base parts still send events (a child
        // removed): it is no main window any more then, and nothing is read from it.
        if (watched != &window_ || qobject_cast<MainWindow*>(watched) == nullptr) return false;
        const std::uint16_t n = window_.app().State.CurrentSimulation;
        if (n >= StartPicture && n < LeavingStartPicture) shown_ = n;
        if (event->type() == QEvent::Close) {
            QSettings settings;
            SaveWindowSettings(window_, shown_, settings);
        }
        return false;
    }

private:
    MainWindow& window_;
    std::uint16_t shown_ = StartPicture;
};

}  // namespace

void NameApplication() {
    // ~/.config/vivarnon/vivarnon.conf; the window class "vivarnon".
    QCoreApplication::setOrganizationName(QStringLiteral("vivarnon"));
    QCoreApplication::setApplicationName(QStringLiteral("vivarnon"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(VersionText));
    QGuiApplication::setDesktopFileName(QStringLiteral("dk.vivarnon.Vivarnon"));
}

Language StartLanguage(std::optional<Language> fromCommandLine, const QSettings& settings) {
    if (fromCommandLine) return *fromCommandLine;
    const std::string remembered =
        settings.value(QLatin1String(LanguageKey)).toString().toStdString();
    if (const std::optional<Language> chosen = LanguageOfCode(remembered)) return *chosen;
    return LanguageOfLocale(QLocale::system().name().toStdString());
}

void RestoreWindowSettings(MainWindow& window, QSettings& settings) {
    const QByteArray geometry = settings.value(QLatin1String(kGeometryKey)).toByteArray();
    if (!geometry.isEmpty()) window.restoreGeometry(geometry);
    bool ok = false;
    const int n = settings.value(QLatin1String(kSimulationKey)).toInt(&ok);
    App& app = window.app();
    if (!ok || n <= StartPicture || n >= LeavingStartPicture) return;
    const auto simulation = static_cast<std::uint16_t>(n);
    if (app.catalogue().Find(simulation) == nullptr) return;
    // As if chosen from its subject menu, which clears the legend of the button bar.
    app.SubjectMenuOpened();
    app.MenuEntry(simulation);
    window.SyncFromModel();
}

void SaveWindowSettings(const MainWindow& window, std::uint16_t simulation, QSettings& settings) {
    settings.setValue(QLatin1String(kGeometryKey), window.saveGeometry());
    if (simulation >= StartPicture && simulation < LeavingStartPicture)
        settings.setValue(QLatin1String(kSimulationKey), static_cast<int>(simulation));
    settings.sync();
}

QObject* KeepWindowSettings(MainWindow& window) {
    return new SettingsKeeper(window);
}

}  // namespace viv
