// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The data list ("Udskriv &Data") of the thin film: the phase difference of the two
// reflected rays for every angle of incidence.
#pragma once

#include "app/data_list.h"

namespace viv {

class Scene;

DataList ThinFilmData(Scene& scene);  // "Interferens i en tynd film"

}  // namespace viv
