// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The program's help: a Danish help document lying beside the program ("Vivarnon.html"),
// shown in a window of its own at the topic asked for.
#pragma once

#include <QWidget>
#include <cstddef>
#include <string>

class QTextBrowser;

namespace viv {

class Host;

constexpr const char* HelpFileName = "Vivarnon.html";
constexpr std::size_t MaxHelpBytes = 8u << 20;  // bytes: the help is some 5 kB

// Where the help document is: the start directory, else beside the program; empty when
// it is in neither.
QString FindHelpFile(const std::string& startDirectory);

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int StartWidth = 640;   // pixels, where the screen has room
    static constexpr int StartHeight = 520;  // pixels

    HelpWindow(Host& host, std::string startDirectory, QWidget* parent = nullptr);

    // Shows the help at `topic` (an anchor of the document; empty for its beginning).
    // A missing document is reported each time it is asked for; the window then stays hidden.
    bool ShowTopic(const QString& topic);

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
