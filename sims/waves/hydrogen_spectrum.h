// "Hydrogenspektret": the light of a hydrogen lamp passes a grating. The first four lines
// of the chosen series are computed from the Rydberg formula, drawn as transitions in an
// energy-level diagram on the left and as diffracted rays reaching a screen 0.8 m behind
// the grating on the right, where the lines of the Balmer series appear in colour. One
// world unit is 0.1 m.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "app/app.h"
#include "library/canvas.h"
#include "library/measuring_scale.h"

namespace viv {

constexpr double RydbergConstant = 10973731;  // m^-1
constexpr double GratingToScreen = 8;         // world units (0.8 m)

// The series whose lower level is n = k (1..5).
std::string_view SeriesName(int k);

// Line i (1..4) of series k: the transition from level k + i down to level k, nm.
double SeriesWaveLength(int k, int i);

// The height on the screen of order m of a line of wavelength `lambda` (nm) behind a
// grating of spacing `d` (nm), world units; none when the order does not exist.
bool ScreenHeight(int m, double lambda, double d, double& y);

// What the changing figures are drawn from.
struct HydrogenView {
    int Series = 2;  // k
    double X = 2.6337968815844923;  // grating spacing in laser wavelengths (632.8 nm)
    int Order = 1;
    bool AllOrders = false;  // F4
    bool Scale = false;      // F6
};

struct HydrogenState {
    int Series = 2;
    int LinesPerMm = 600;
    double X = 2.6337968815844923;
    int Order = 1;
    HydrogenView Drawn;        // the view the picture shows
    ScaleUnderlay UnderScale;  // the picture under the measuring scale's labels
};

inline HydrogenState& HydrogenOf(App& app) {
    return app.Sims.Get<HydrogenState>();
}

// The drawing routine: events 32 (full redraw), 33 (ScrollBar1: lines per millimetre),
// 34 (TrackBar1: the series), 35 (TrackBar2: the order), F4 (all orders) and F6 (the
// measuring scale).
void DrawHydrogenSpectrum(App& app, std::uint16_t event, bool clearFirst, TCanvas& canvas);

// The pointer over the picture: right of the grating its position in the measuring
// scale's units (cm), over a transition arrow the line's wavelength.
void HydrogenMouse(App& app, TCanvas& canvas);

// The menu entry's start values: the Balmer series, 600 lines per millimetre, order 1.
void SetHydrogenStartValues(App& app);

}  // namespace viv
