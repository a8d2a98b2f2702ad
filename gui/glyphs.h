// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The glyphs of the animation buttons on the button bar, drawn rather than loaded.
#pragma once

#include <QIcon>

namespace viv {

// "Kør": a triangle while the clock stands, a stop square while it runs (the checked state).
QIcon RunStopGlyph();
// Slow motion: a speedometer whose needle stands at full speed, or low while checked.
QIcon SpeedometerGlyph();
// "Frem": one frame forward, a triangle against a bar.
QIcon StepGlyph();

constexpr int GlyphSize = 16;  // pixels

}  // namespace viv
