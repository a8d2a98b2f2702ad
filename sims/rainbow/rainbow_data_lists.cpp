// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/rainbow_data_lists.h"

#include <cmath>
#include <string>
#include <vector>

#include "app/scene.h"
#include "library/colour_table.h"
#include "library/format.h"
#include "library/trig.h"
#include "sims/rainbow/bow_statistics.h"
#include "sims/rainbow/rainbow_state.h"
#include "sims/rainbow/youngs_interference.h"

namespace viv {

namespace {

double IndexOf(const Scene& scene) {
    return Colour(scene.State.CurrentColour).WaterIndex;
}

std::string BowLine(const Scene& scene) {
    return std::string(scene.State.CurrentBow == 2 ? "Sekundær vivarno" : "Primær vivarno") + ", " +
           ColourLine(scene);
}

// The deviation of the ray with impact parameter p, degrees: 4b - 2i for the primary bow,
// 180 - (6b - 2i) for the secondary.
double ScatteringAngle(double p, double n, int bow) {
    const double i = ArcSin(p);
    const double b = ArcSin(p / n);
    return bow == 2 ? 180 - (6 * b - 2 * i) * DegPerRad : (4 * b - 2 * i) * DegPerRad;
}

// The rays p = k / kMax, k = 0..kMax, and their deviations.
DataList ParameterList(Scene& scene, int kMax) {
    DataList list;
    list.Headers = {"parameter p", "vinkel v/°"};
    list.Subtitle = BowLine(scene);
    const double n = IndexOf(scene);
    const int bow = scene.State.CurrentBow;
    for (int k = 0; k <= kMax; ++k) {
        const double p = static_cast<double>(k) / kMax;
        list.Rows.push_back({FormatReal(1, 2, p), FormatReal(1, 1, ScatteringAngle(p, n, bow))});
    }
    return list;
}

// How many steps of p the lists of the drop's rays take: the scroll bar's, at least one.
int ListedRays(const Scene& scene) {
    return std::max(RainbowOf(scene).RaySteps, 1);
}

int ColourSlot(const Scene& scene) {
    const int c = scene.State.CurrentColour;
    return (c < 1 ? 1 : (c > ColourCount ? ColourCount : c)) - 1;
}

}  // namespace

Reflectances FresnelReflectances(double i, double b, double n) {
    Reflectances r;
    if (i == 0) {
        const double normal = (n - 1) / (n + 1);
        r.Perpendicular = r.Parallel = normal * normal;
        return r;
    }
    const double s = std::sin(i - b) / std::sin(i + b);
    r.Perpendicular = s * s;
    const double c = std::cos(i + b) / std::cos(i - b);
    r.Parallel = r.Perpendicular * c * c;
    return r;
}

DataList WaterPolarisationData(Scene& scene) {
    DataList list;
    list.Headers = {"vinkel i/°", "vinkel b/°", "spejlet vinkelret/%", "spejlet parallelt/%"};
    list.Subtitle = ColourLine(scene);
    const double n = IndexOf(scene);
    for (int degrees = 0; degrees <= scene.State.IncidenceMax; ++degrees) {
        const double i = degrees / DegPerRad;
        const double b = ArcSin(std::sin(i) / n);
        const Reflectances r = FresnelReflectances(i, b, n);
        list.Rows.push_back({FormatInteger(degrees, 1), FormatReal(2, 1, b * DegPerRad),
                             FormatReal(2, 2, 100 * r.Perpendicular),
                             FormatReal(2, 2, 100 * r.Parallel)});
    }
    return list;
}

DataList DropScatteringData(Scene& scene) {
    return ParameterList(scene, ListedRays(scene));
}

DataList AlexandersBandData(Scene& scene) {
    return ParameterList(scene, 100);
}

DataList BowColoursData(Scene& scene) {
    DataList list;
    list.Headers = {"vinkel v/°", "antal stråler N pr grad", "korrigeret"};
    const bool withSum = scene.State.ShowRedRay;
    if (withSum) list.Headers.emplace_back("korrigeret sum");
    list.Subtitle = ColourLine(scene);
    if (!scene.Buffers()) return list;
    const WorkBuffers& wb = *scene.Buffers();
    const std::size_t c = static_cast<std::size_t>(ColourSlot(scene));
    for (std::size_t v = 0; v < 180; ++v) {
        std::vector<std::string> row{FormatInteger(static_cast<long long>(v), 1),
                                     FormatInteger(wb.RayCount[c][v], 1),
                                     FormatReal(1, 1, wb.IntensityBelow[c][v])};
        if (withSum) row.push_back(FormatReal(1, 1, wb.ColourSumIntensity[v] * 0.1));
        list.Rows.push_back(std::move(row));
    }
    return list;
}

DataList YoungsInterferenceData(Scene& scene) {
    DataList list;
    list.Headers = {"parameter p1", "parameter p2", "vinkel v/°", "faseforskel/pi"};
    const YoungState& y = YoungOf(scene);
    list.Subtitle =
        "diameter d = " + FormatReal(1, 2, y.DropSize * 2 * 1000) + "mm, " + ColourLine(scene);
    const ColourRow& colour = Colour(scene.State.CurrentColour);
    const double n = colour.WaterIndex;
    const PathScales scales = InterferencePathScales(y.DropSize, colour.WaveLength, n);
    const double pr =
        scene.State.Rainbow.PrimaryBowParameter[static_cast<std::size_t>(ColourSlot(scene) + 1)];
    const int kMax = std::max(RainbowOf(scene).RaySteps, 1);
    const RangeControl& bar = scene.Controls.ScrollBar1;
    for (int k = bar.Min; k <= bar.Max; ++k) {
        const double p1 = static_cast<double>(k) / kMax;
        const InterferenceRays r = SolveSecondRay(p1, SecondRayGuess(p1, pr), n, scales);
        // The path difference is in wavelengths: 2 pi phi radians, 2 phi in units of pi.
        list.Rows.push_back({FormatReal(2, 3, r.Ray1Parameter), FormatReal(2, 3, r.Ray2Parameter),
                             FormatReal(1, 1, r.ExitAngle),
                             FormatReal(2, 2, 2 * r.PathDifference)});
    }
    return list;
}

DataList BowPolarisationData(Scene& scene) {
    const int kMax = ListedRays(scene);
    DataList list = ParameterList(scene, kMax);
    list.Headers.insert(list.Headers.end(), {"spejlet vinkelret/%", "spejlet parallelt/%"});
    const double n = IndexOf(scene);
    const int bow = scene.State.CurrentBow;
    // The light leaving after one inner reflection carries R (1 - R)^2, after two R^2 (1 - R)^2.
    const auto scattered = [bow](double R) {
        const double once = R * (1 - R) * (1 - R);
        return 100 * (bow == 2 ? once * R : once);
    };
    for (int k = 0; k <= kMax; ++k) {
        const double p = static_cast<double>(k) / kMax;
        const Reflectances r = FresnelReflectances(ArcSin(p), ArcSin(p / n), n);
        std::vector<std::string>& row = list.Rows[static_cast<std::size_t>(k)];
        row.push_back(FormatReal(2, 2, scattered(r.Perpendicular)));
        row.push_back(FormatReal(2, 2, scattered(r.Parallel)));
    }
    return list;
}

DataList PolarisedColoursData(Scene& scene) {
    DataList list;
    list.Headers = {"vinkel v/°", "antal N1", "antal N2"};
    list.Subtitle =
        std::string(BowStatsOf(scene).PolarisationMode == 1 ? "vinkelret polariseret "
                                                            : "parallelt polariseret ") +
        ", " + ColourLine(scene);
    if (!scene.Buffers()) return list;
    const WorkBuffers& wb = *scene.Buffers();
    const std::size_t c = static_cast<std::size_t>(ColourSlot(scene));
    for (std::size_t v = 0; v <= 100; ++v)
        list.Rows.push_back({FormatInteger(static_cast<long long>(v), 1),
                             FormatReal(1, 1, wb.IntensityBelow[c][v]),
                             FormatReal(1, 1, wb.IntensityAbove[c][v])});
    return list;
}

}  // namespace viv
