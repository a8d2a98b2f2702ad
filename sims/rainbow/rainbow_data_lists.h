// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The data lists ("Udskriv &Data") of the rainbow simulations: the numbers behind each
// picture, row by row, as printed in two page columns.
#pragma once

#include "app/data_list.h"

namespace viv {

class Scene;

// The reflectances of light perpendicular (Rs) and parallel (Rp) to the plane of
// incidence, for an angle of incidence i and of refraction b (radians) into water of
// index n; at normal incidence both are ((n - 1) / (n + 1))^2.
struct Reflectances {
    double Perpendicular = 0;  // Rs
    double Parallel = 0;       // Rp
};
Reflectances FresnelReflectances(double i, double b, double n);

DataList WaterPolarisationData(Scene& scene);   // "Polarisation i vand"
DataList DropScatteringData(Scene& scene);      // "Spredning i en dråbe"
DataList AlexandersBandData(Scene& scene);      // "Alexanders bånd"
DataList BowColoursData(Scene& scene);          // "Vivarnons farver"
DataList YoungsInterferenceData(Scene& scene);  // "Youngs interferens"
DataList BowPolarisationData(Scene& scene);     // "Vivarnons polarisation"
DataList PolarisedColoursData(Scene& scene);    // "Polarisation og farver"

}  // namespace viv
