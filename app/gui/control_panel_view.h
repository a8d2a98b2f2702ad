// The control panel on the left of the main window: the scroll bars, track bars and their
// labels at their fixed places, the control with the keyboard focus marked by a dotted
// frame, and all of it inside a box that scrolls when the window is too low to show the
// whole panel.
#pragma once

#include <QFrame>
#include <QScrollArea>

namespace viv {

class ControlPanelView : public QFrame {
    Q_OBJECT

public:
    // The height the controls need, pixels: the lowest label ends above it.
    static constexpr int ContentHeight = 345;

    explicit ControlPanelView(QWidget* parent = nullptr);

    // The box the panel lies in; it scrolls the panel up and down, never sideways.
    QScrollArea* Box() const { return box_; }

    // The panel's width from the model; the box grows by its scroll bar while the window
    // is too low for the panel.
    void SetPanelWidth(int width);
    // Shows or hides the box's scroll bar for its present height.
    void FitBox();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FocusMoved(QWidget* old, QWidget* now);

    QScrollArea* box_ = nullptr;
    int width_ = 0;
};

}  // namespace viv
