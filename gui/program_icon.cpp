// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gui/program_icon.h"

namespace viv {

QIcon ProgramIcon() {
    QIcon own;
    for (int size : {16, 32, 48, 64, 128, 256})
        own.addFile(QStringLiteral(":/icons/dk.vivarnon.Vivarnon-%1.png").arg(size),
                    QSize(size, size));
    return QIcon::fromTheme(QStringLiteral("dk.vivarnon.Vivarnon"), own);
}

}  // namespace viv
