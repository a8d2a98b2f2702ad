#include "app/gui/startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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
    QString start = QDir::currentPath();
    if (!QFileInfo::exists(QDir(start).filePath("Vivarnon.jpg"))) {
        const QString own = QCoreApplication::applicationDirPath();
        if (QFileInfo::exists(QDir(own).filePath("Vivarnon.jpg"))) start = own;
    }
    env.StartDirectory = QDir::toNativeSeparators(start).toStdString();
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
