// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/about.h"

#include "app/version.h"

namespace viv {

std::string VersionLine() {
    return "Vivarnon, version " + std::to_string(VersionMajor) + "." + std::to_string(VersionMinor);
}

std::string AboutDetails() {
    return "Et undervisningsprogram i fysik om lys, farver og bølger med regnbuen som "
           "gennemgående tema.\n"
           "\n"
           "Copyright © 2026 Vivarnons udviklere.\n"
           "Vivarnon er fri software: du må videregive og ændre det under betingelserne i GNU "
           "General Public License, version 2 eller (efter dit valg) enhver senere version "
           "(GPL-2.0-or-later). Programmet gives UDEN NOGEN GARANTI.\n"
           "\n"
           "Bygger på:\n"
           "  Qt (The Qt Company og bidragydere), LGPL-3.0, GPL-2.0 eller GPL-3.0\n"
           "  libjpeg-turbo (Independent JPEG Group og libjpeg-turbo), IJG, BSD-3-Clause og zlib\n"
           "  Boost.Math, Boost Software License 1.0\n"
           "Startfotografiet »Storm«: Sergey Nazarov, 2008, GPL-2.0-or-later.\n";
}

}  // namespace viv
