// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gui/startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>
#include <string_view>

#include "app/file_paths.h"

namespace viv {

bool LoadQtTranslations(const QLocale& locale, QTranslator& translator) {
    // "qtbase" holds the dialogs' texts; "qt" is the older name, which still gathers them.
    const QString where = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase", "qt"})
        if (translator.load(locale, QString::fromLatin1(name), QStringLiteral("_"), where))
            return true;
    return false;
}

StartupEnvironment SystemStartupEnvironment() {
    StartupEnvironment env;
    // The photograph and the guidance text are looked up in the current directory, then
    // beside the program, then in the installed data directory.
    const QString own = QCoreApplication::applicationDirPath();
    const std::string candidates[] = {
        QDir::currentPath().toStdString(),
        own.toStdString(),
        QDir::cleanPath(own + QStringLiteral("/../share/vivarnon")).toStdString(),
#ifdef VIV_DATA_DIR
        std::string(VIV_DATA_DIR),
#endif
    };
    constexpr std::string_view dataFiles[] = {"Vivarnon.jpg", "Vivarnon.rtf"};
    const std::string start = FirstDirectoryHolding(candidates, dataFiles);
    // The English texts go with the program even where the current directory holds a
    // photograph and guidance of its own.
    constexpr std::string_view catalogue[] = {EnglishCatalogueName};
    env.CatalogueDirectory = FirstDirectoryHolding(candidates, catalogue);
    env.StartDirectory = QDir::toNativeSeparators(QString::fromStdString(start)).toStdString();
    // The decimal point of the system's number format; where it is a comma, lists are
    // separated by semicolons.
    const QString decimal = QLocale::system().decimalPoint();
    env.DecimalSeparatorSetting = decimal.isEmpty() ? "." : decimal.left(1).toStdString();
    const char list = env.DecimalSeparatorSetting == "," ? ';' : ',';
    env.ListSeparatorSetting.assign(1, list);
    env.SetupFileCandidates = {"VIVARNON.INI",
                               QDir(QDir::rootPath()).filePath("VIVARNON.INI").toStdString()};
    return env;
}

}  // namespace viv
