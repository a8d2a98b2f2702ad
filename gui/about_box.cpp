// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gui/about_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include "app/about.h"

namespace viv {

QMessageBox* ShowAboutBox(QWidget* parent, const std::function<QString(std::string_view)>& words) {
    // One box at a time, for the window that asked.
    const QString name = QStringLiteral("OmVivarnon");
    if (parent != nullptr) {
        if (auto* open = parent->findChild<QMessageBox*>(name, Qt::FindDirectChildrenOnly)) {
            open->raise();
            open->activateWindow();
            return open;
        }
    }
    auto* box = new QMessageBox(QMessageBox::Information, words("Om Vivarnon"),
                                words(VersionLine()), QMessageBox::Ok, parent);
    box->setObjectName(name);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (!QApplication::windowIcon().isNull())
        box->setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
    box->setInformativeText(words(AboutDetails()) + words("\nQt %1 (bygget med Qt %2).")
                                                        .arg(QString::fromLatin1(qVersion()),
                                                             QStringLiteral(QT_VERSION_STR)));
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->show();
    return box;
}

}  // namespace viv
