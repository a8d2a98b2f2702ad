// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The program's help: a help document lying beside the program ("Vivarnon.html" in Danish,
// "Vivarnon.en.html" in English), shown in a window of its own at the topic asked for.
#pragma once

#include <QWidget>
#include <cstddef>
#include <string>

#include "app/language.h"

class QTextBrowser;

namespace viv {

class Host;

constexpr const char* HelpFileName = "Vivarnon.html";
constexpr const char* EnglishHelpFileName = "Vivarnon.en.html";
constexpr std::size_t MaxHelpBytes = 8u << 20;  // bytes: the help is some 5 kB

// The help document of `language`.
constexpr const char* HelpFileNameIn(Language language) {
    return language == Language::English ? EnglishHelpFileName : HelpFileName;
}

// Where the help document of `language` is: the start directory, else beside the program;
// empty when it is in neither.
QString FindHelpFile(const std::string& startDirectory, Language language = Language::Danish);

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int StartWidth = 640;   // pixels, where the screen has room
    static constexpr int StartHeight = 520;  // pixels

    HelpWindow(Host& host, std::string startDirectory, QWidget* parent = nullptr);

    // Shows the help of `language` at `topic` (an anchor of the document; empty for its
    // beginning), the window titled as the document is. A missing document is reported each
    // time it is asked for; the window then stays as it was.
    bool ShowTopic(const QString& topic, Language language = Language::Danish);

    QTextBrowser* Browser() { return browser_; }

private:
    // Sized and placed so that the whole window is on the screen.
    void FitOnScreen();

    Host& host_;
    std::string startDirectory_;
    QTextBrowser* browser_;
    QString shownPath_;  // the document the browser shows, and its text
    std::string shownBytes_;
};

}  // namespace viv
