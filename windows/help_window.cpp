#include "windows/help_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

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
    resize(640, 520);
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
    show();
    raise();
    activateWindow();
    return true;
}

}  // namespace viv
