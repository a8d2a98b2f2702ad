// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The program as a school's machines run it: its command line, its exit statuses without a
// window, the settings it keeps between runs, its shortcuts and its one version.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/about.h"
#include "app/command_line.h"
#include "app/version.h"
#include "gui/main_window.h"
#include "gui/remembered_settings.h"
#include "sims/simulations.h"

namespace viv {
namespace {

using Mode = CommandLine::Mode;

TEST(CommandLine, OptionsAndQtsOwnAndErrors) {
    struct Case {
        std::vector<const char*> args;
        Mode what;
        std::string scriptOrError;  // the script file, or a part of the error
    };
    const Case cases[] = {
        {{}, Mode::Window, ""},
        {{"--version"}, Mode::Version, ""},
        {{"--help"}, Mode::Help, ""},
        {{"-h"}, Mode::Help, ""},
        {{"--script", "-"}, Mode::Script, "-"},
        {{"--script=fig.txt"}, Mode::Script, "fig.txt"},
        {{"-platform", "offscreen", "--script", "a b.txt"}, Mode::Script, "a b.txt"},
        {{"-style", "fusion", "-reverse", "--platform=xcb"}, Mode::Window, ""},
        {{"--script"}, Mode::Error, "--script kræver"},
        {{"-style"}, Mode::Error, "kræver en værdi"},
        {{"--versio"}, Mode::Error, "ukendt tilvalg: --versio"},
        {{"-stylesheetx"}, Mode::Error, "ukendt tilvalg"},
        {{"-reverse=1"}, Mode::Error, "ukendt tilvalg"},
        {{"picture.png"}, Mode::Error, "uventet argument: picture.png"},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        std::string joined;
        for (const char* a : c.args) joined += std::string(a) + " ";
        EXPECT_EQ(line.What, c.what) << joined;
        if (c.what == Mode::Script) {
            EXPECT_EQ(line.ScriptFile, c.scriptOrError) << joined;
        } else if (c.what == Mode::Error) {
            EXPECT_NE(line.Error.find(c.scriptOrError), std::string::npos) << joined << line.Error;
        }
    }
    // The language: given, or taken from the system's locale where it is not.
    EXPECT_EQ(ParseCommandLine(std::vector<const char*>{"--language", "en"}).StartLanguage,
              Language::English);
    EXPECT_EQ(ParseCommandLine(std::vector<const char*>{"--language=da"}).StartLanguage,
              Language::Danish);
    EXPECT_EQ(ParseCommandLine(std::vector<const char*>{}).StartLanguage, std::nullopt);
    for (const std::vector<const char*>& bad :
         {std::vector<const char*>{"--language"}, std::vector<const char*>{"--language=de"}})
        EXPECT_EQ(ParseCommandLine(bad).What, Mode::Error);
    for (const auto& [locale, language] :
         {std::pair{"da_DK.UTF-8", Language::Danish}, std::pair{"da", Language::Danish},
          std::pair{"en_GB", Language::English}, std::pair{"C", Language::English},
          std::pair{"dan", Language::English}, std::pair{"", Language::English}})
        EXPECT_EQ(LanguageOfLocale(locale), language) << locale;
    // The help tells of the window and the scripted mode, in Danish.
    const std::string help = UsageText(AllSimulations());
    for (const char* part : {"Uden tilvalg åbner programmet sit vindue", "--script FIL",
                             "--version", "Ctrl+Q", "save FILE.png", "Kommandoer til --script"})
        EXPECT_NE(help.find(part), std::string::npos) << part;
}

// One version everywhere: the build's project version, the package's changelog and the
// metainfo's latest release.
TEST(CommandLine, OneVersionEverywhere) {
    EXPECT_EQ(VersionAnswer(), std::string("vivarnon ") + VersionText);
    EXPECT_EQ(VersionLine(), "Vivarnon, version " + std::to_string(VersionMajor) + "." +
                                 std::to_string(VersionMinor));
    std::ifstream changelog(VIV_SOURCE_DIR "/packaging/changelog");
    std::string first;
    std::getline(changelog, first);
    EXPECT_EQ(first.rfind(std::string("vivarnon (") + VersionText + ")", 0), 0u) << first;
    std::stringstream metainfo;
    metainfo << std::ifstream(VIV_SOURCE_DIR "/data/dk.vivarnon.Vivarnon.metainfo.xml").rdbuf();
    std::smatch release;
    const std::string text = metainfo.str();
    ASSERT_TRUE(std::regex_search(text, release, std::regex("<release version=\"([^\"]+)\"")));
    EXPECT_EQ(release[1].str(), VersionText);
}

struct ProgramRun {
    int status = -1;
    std::string out, err;
};

// The built program started with `env` before it (an `env` command line) and `args`.
ProgramRun RunProgram(const std::string& env, const std::string& args) {
    QTemporaryDir dir;
    const std::string out = dir.filePath("out").toStdString(),
                      err = dir.filePath("err").toStdString();
    // A window that opened by mistake is ended by the timeout (status 124).
    const std::string command = "env " + env + " timeout 20 " + VIV_BINARY + " " + args + " >" +
                                out + " 2>" + err + " </dev/null";
    ProgramRun run;
    const int status = std::system(command.c_str());
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::stringstream o, e;
    o << std::ifstream(out).rdbuf();
    e << std::ifstream(err).rdbuf();
    run.out = o.str();
    run.err = e.str();
    return run;
}

TEST(ProgramExit, AnswersWithoutAWindow) {
    struct Case {
        std::string env, args;
        int status;
        std::string out, err;  // parts of standard output and standard error
    };
    const std::string noDisplay = "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM";
    const Case cases[] = {
        {noDisplay, "--version", 0, std::string("vivarnon ") + VersionText + "\n", ""},
        {noDisplay, "--help", 0, "Brug: vivarnon", ""},
        {"QT_QPA_PLATFORM=offscreen", "--bogus", UsageErrorStatus, "", "ukendt tilvalg: --bogus"},
        {noDisplay, "extra", UsageErrorStatus, "", "uventet argument"},
        // No display at all, and a display that does not answer: a message, not an abort.
        {noDisplay, "", NoDisplayStatus, "", "ingen skærm"},
        {"-u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:97.0", "", NoDisplayStatus, "",
         "ingen skærm"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunProgram(c.env, c.args);
        EXPECT_EQ(run.status, c.status) << c.env << " " << c.args << ": " << run.err;
        EXPECT_NE(run.out.find(c.out), std::string::npos) << c.args << ": " << run.out;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << c.args << ": " << run.err;
    }
    // The scripted mode needs no display either; "about" tells what the About box does.
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("about.txt"));
    std::ofstream(script.toStdString()) << "about\n";
    const ProgramRun about = RunProgram(noDisplay, "--script " + script.toStdString());
    EXPECT_EQ(about.status, 0) << about.err;
    EXPECT_EQ(about.out.rfind(VersionLine() + "\n", 0), 0u) << about.out;
    EXPECT_NE(about.out.find("GPL-2.0-or-later"), std::string::npos);
}

// Qt's settings in a temporary configuration folder: the user's and the system-wide
// defaults an administrator places under the XDG folder.
class RememberedSettings : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(user.isValid() && system.isValid());
        oldOrganisation = QCoreApplication::organizationName();
        oldApplication = QCoreApplication::applicationName();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, user.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, system.path());
        NameApplication();
    }
    void TearDown() override {
        QCoreApplication::setOrganizationName(oldOrganisation);
        QCoreApplication::setApplicationName(oldApplication);
    }
    static std::unique_ptr<MainWindow> Start() {
        StartupEnvironment env;
        env.StartDirectory = VIV_SOURCE_DIR "/data";
        env.SetupFileCandidates.clear();
        auto window = std::make_unique<MainWindow>(AllSimulations(), env);
        QSettings settings;
        RestoreWindowSettings(*window, settings);
        KeepWindowSettings(*window);
        window->show();
        QApplication::processEvents();
        return window;
    }
    QTemporaryDir user, system;
    QString oldOrganisation, oldApplication;
};

TEST_F(RememberedSettings, SurviveARestartOverTheAdministratorsDefaults) {
    EXPECT_EQ(QSettings().fileName(), user.filePath(QStringLiteral("vivarnon/vivarnon.conf")));
    {
        // The administrator's default simulation for every user.
        QSettings defaults(system.filePath(QStringLiteral("vivarnon/vivarnon.conf")),
                           QSettings::IniFormat);
        defaults.setValue(QStringLiteral("window/simulation"), 24);
    }
    auto first = Start();
    EXPECT_EQ(first->app().State.CurrentSimulation, 24);
    EXPECT_TRUE(
        first->app().Window.ButtonPanelCaption.empty());  // the legend would cover the buttons
    first->resize(760, 580);
    first->move(40, 30);
    first->findChild<QAction*>(QStringLiteral("Draben1"))->trigger();  // simulation 7
    QApplication::processEvents();
    const QRect geometry = first->geometry();
    // Closed with Ctrl+Q ("Afslut"): the window goes, its settings stay.
    first->findChild<QAction*>(QStringLiteral("exit1"))->trigger();
    EXPECT_FALSE(first->isVisible());
    first.reset();

    auto second = Start();
    EXPECT_EQ(second->app().State.CurrentSimulation, 7);
    EXPECT_EQ(second->geometry().size(), geometry.size());
    EXPECT_EQ(second->app().Window.Caption, AllSimulations().Find(7)->Caption);
    // Back on the start picture: the next start shows it, and numbers that are no
    // simulation are ignored.
    second->app().MenuEntry(StartPicture);
    second->close();
    second.reset();
    for (int stored : {1, 13, 99, 100, -3}) {
        QSettings().setValue(QStringLiteral("window/simulation"), stored);
        EXPECT_EQ(Start()->app().State.CurrentSimulation, StartPicture) << stored;
    }
}

TEST(DesktopConventions, ShortcutsOfTheFileMenu) {
    StartupEnvironment env;
    env.StartDirectory = VIV_SOURCE_DIR "/data";
    env.SetupFileCandidates.clear();
    MainWindow window(AllSimulations(), env);
    const std::pair<const char*, const char*> shortcuts[] = {{"Udskrivgraf1", "Ctrl+P"},
                                                             {"exit1", "Ctrl+Q"},
                                                             {"Gembillede1", "Ctrl+S"},
                                                             {"Copy1", "Ctrl+C"}};
    for (const auto& [name, keys] : shortcuts) {
        const QAction* action = window.findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(keys))) << name;
    }
}

}  // namespace
}  // namespace viv
