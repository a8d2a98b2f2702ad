#include "app/gui/startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/file_paths.h"

namespace viv {

bool LoadQtTranslations(const QLocale& locale, QTranslator& translator) {
    // "qtbase" holds the dialogs' texts; "qt" is the older name, which still gathers them.
    const QString where = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase", "qt"})
        if (translator.load(locale, QString::fromLatin1(name), QStringLiteral("_"), where)) return true;
    return false;
}

StartupEnvironment SystemStartupEnvironment() {
    StartupEnvironment env;
    // The data files lie in the current directory, beside the program, or in the data
    // directory of an installed program.
    const std::string current = QDir::currentPath().toStdString();
    const std::string own = QCoreApplication::applicationDirPath().toStdString();
    const std::string installed = InstalledDataDirectory(own);
    const std::string start = FindDataDirectory(
        {current, own, installed}, "Vivarnon.jpg",
        [](const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); });
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
