#include "app/gui/startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <string>
#include <string_view>

#include "app/file_paths.h"

namespace viv {

StartupEnvironment SystemStartupEnvironment() {
    StartupEnvironment env;
    // The photograph and the guidance text are looked up in the current directory, then
    // beside the program, then in the installed data directory.
    const QString own = QCoreApplication::applicationDirPath();
    const std::string candidates[] = {
        QDir::currentPath().toStdString(), own.toStdString(),
        QDir::cleanPath(own + QStringLiteral("/../share/vivarnon")).toStdString(),
#ifdef VIV_DATA_DIR
        std::string(VIV_DATA_DIR),
#endif
    };
    constexpr std::string_view dataFiles[] = {"Vivarnon.jpg", "Vivarnon.rtf"};
    const std::string start = FirstDirectoryHolding(candidates, dataFiles);
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
