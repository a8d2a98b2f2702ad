// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Every simulation of the program: the catalogue the program's windows, the scripted mode
// and the tests start the core with.
#pragma once

#include "app/catalogue.h"

namespace viv {

// The full catalogue: the start picture and the rows of every subject. Built once; it
// never changes.
const Catalogue& AllSimulations();

}  // namespace viv
