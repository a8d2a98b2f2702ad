// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The control panel on the left of the main window: one row for each shown control, with
// the control's name in words, its current value and the control itself, and a
// "Nulstil" button under them; the control with the keyboard focus is marked by a dotted
// frame. It lies in a box that scrolls when the window is too low to show it whole, and
// takes the width its rows need; with no control shown it takes none.
#pragma once

#include <QFrame>
#include <QScrollArea>

class QVBoxLayout;

namespace viv {

class ControlPanelView : public QFrame {
    Q_OBJECT

public:
    // The narrowest the panel gets while it shows a control, pixels.
    static constexpr int MinimumWidth = 190;

    explicit ControlPanelView(QWidget* parent = nullptr);

    // The box the panel lies in; it scrolls the panel up and down, never sideways.
    QScrollArea* Box() const { return box_; }
    // The panel's rows, top to bottom.
    QVBoxLayout* Rows() const { return rows_; }

    // The width its shown rows need (none when no control is shown); the box grows by its
    // scroll bar while the window is too low for the panel.
    void FitBox();
    // The width the panel now takes, pixels (0 when hidden).
    int PanelWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FocusMoved(QWidget* old, QWidget* now);
    bool ShowsAControl() const;

    QScrollArea* box_ = nullptr;
    QVBoxLayout* rows_ = nullptr;
};

}  // namespace viv
