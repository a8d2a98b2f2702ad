// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A flat tool button that shows its caption on the left and its glyph on the right,
// packed tightly enough for a narrow button ("Kør" with its run/stop glyph in 40 pixels).
#pragma once

#include <QToolButton>

namespace viv {

class CaptionGlyphButton : public QToolButton {
    Q_OBJECT

public:
    explicit CaptionGlyphButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace viv
