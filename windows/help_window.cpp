// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/help_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "app/host.h"
#include "library/regular_file.h"

namespace viv {

namespace {

// The window's title until a document gives it its own.
constexpr const char* UntitledHelp = "Vivarnon - hjælp";

}  // namespace

QString FindHelpFile(const std::string& startDirectory, Language language) {
    const QString name = QString::fromLatin1(HelpFileNameIn(language));
    for (const QString& folder :
         {QString::fromStdString(startDirectory), QCoreApplication::applicationDirPath()}) {
        if (folder.isEmpty()) continue;
        QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

HelpWindow::HelpWindow(Host& host, std::string startDirectory, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host), startDirectory_(std::move(startDirectory)) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QString::fromUtf8(UntitledHelp));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(StartWidth, StartHeight);
}

void HelpWindow::FitOnScreen() {
    const QScreen* where = parentWidget() != nullptr ? parentWidget()->screen() : screen();
    if (where == nullptr) return;
    // The whole window with its frame inside the screen's free area, at most its start size.
    const QRect area = where->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    const int titleBar =
        frame.height() > 0 ? frame.height() : style()->pixelMetric(QStyle::PM_TitleBarHeight);
    resize(std::min(StartWidth, area.width() - frame.width()),
           std::min(StartHeight, area.height() - titleBar));
    const QRect inside = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                             size() + QSize(frame.width(), titleBar), area);
    move(inside.topLeft());
}

bool HelpWindow::ShowTopic(const QString& topic, Language language) {
    const QString path = FindHelpFile(startDirectory_, language);
    // Read through the one reader of regular files, within a generous size.
    const FileBytes file =
        path.isEmpty() ? FileBytes{} : ReadRegularFile(path.toStdString(), MaxHelpBytes);
    if (file.Status != ReadStatus::Ok) {
        const std::string name(HelpFileNameIn(language));
        host_.ShowMessage(file.Status == ReadStatus::TooLarge     ? name + " er for stor"
                          : file.Status == ReadStatus::Unreadable ? name + " kunne ikke læses"
                                                                  : name + " ikke fundet",
                          MessageKind::Information);
        return false;
    }
    if (path != shownPath_ || file.Bytes != shownBytes_) {
        browser_->setSearchPaths({QFileInfo(path).absolutePath()});
        browser_->setHtml(
            QString::fromUtf8(file.Bytes.data(), static_cast<qsizetype>(file.Bytes.size())));
        shownPath_ = path;
        shownBytes_ = file.Bytes;
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QString::fromUtf8(UntitledHelp) : title);
    }
    if (!topic.isEmpty())
        browser_->scrollToAnchor(topic);
    else
        browser_->scrollToAnchor(QString());
    if (!isVisible()) FitOnScreen();
    show();
    raise();
    activateWindow();
    return true;
}

}  // namespace viv
