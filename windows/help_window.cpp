#include "windows/help_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "app/host.h"

namespace viv {

QString FindHelpFile(const std::string& startDirectory) {
    const QString name = QString::fromLatin1(HelpFileName);
    for (const QString& folder :
         {QString::fromStdString(startDirectory), QCoreApplication::applicationDirPath()}) {
        if (folder.isEmpty()) continue;
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

THelpForm::THelpForm(Host& host, std::string startDirectory, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host), startDirectory_(std::move(startDirectory)) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Vivarnon - hjælp"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(StartWidth, StartHeight);
}

void THelpForm::FitOnScreen() {
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

bool THelpForm::ShowTopic(const QString& topic) {
    const QString path = FindHelpFile(startDirectory_);
    if (path.isEmpty()) {
        host_.ShowMessage(std::string(HelpFileName) + " ikke fundet", MessageKind::Information);
        return false;
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (!topic.isEmpty()) url.setFragment(topic);
    if (browser_->source().adjusted(QUrl::RemoveFragment) != url.adjusted(QUrl::RemoveFragment))
        browser_->setSource(url);
    if (!topic.isEmpty()) browser_->scrollToAnchor(topic);
    else browser_->scrollToAnchor(QString());
    if (!isVisible()) FitOnScreen();
    show();
    raise();
    activateWindow();
    return true;
}

}  // namespace viv
