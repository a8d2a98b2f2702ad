// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gui/control_panel_view.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace viv {

namespace {
constexpr int kFocusMargin = 2;  // pixels between a control and its focus frame
}  // namespace

ControlPanelView::ControlPanelView(QWidget* parent) : QFrame(parent) {
    rows_ = new QVBoxLayout(this);
    rows_->setContentsMargins(8, 8, 8, 8);
    rows_->setSpacing(10);
    box_ = new QScrollArea(parent);
    box_->setObjectName(QStringLiteral("ScrollPanelBox"));
    box_->setFrameShape(QFrame::NoFrame);
    box_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    box_->setWidgetResizable(true);
    // The box itself is no stop of the tab key; the controls in it are.
    box_->setFocusPolicy(Qt::NoFocus);
    box_->verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    box_->setWidget(this);
    if (qApp != nullptr)
        connect(qApp, &QApplication::focusChanged, this, &ControlPanelView::FocusMoved);
}

bool ControlPanelView::ShowsAControl() const {
    return std::ranges::any_of(
        findChildren<QAbstractSlider*>(), [](const QAbstractSlider* control) {
            return !control->isHidden() && !control->parentWidget()->isHidden();
        });
}

int ControlPanelView::PanelWidth() const {
    if (!ShowsAControl()) return 0;
    // The rows' width within their margins, and the panel's frame around them.
    return std::max(MinimumWidth, rows_->sizeHint().width() + 2 * frameWidth());
}

void ControlPanelView::FitBox() {
    const int panel = PanelWidth();
    if (panel == 0) {
        if (box_->maximumWidth() != 0) box_->setFixedWidth(0);
        return;
    }
    if (minimumWidth() != panel || maximumWidth() != panel) setFixedWidth(panel);
    const int content = rows_->sizeHint().height();
    const bool scrolls = box_->height() < content;
    const int bar = scrolls ? box_->verticalScrollBar()->sizeHint().width() : 0;
    const int width = panel + bar;
    if (box_->minimumWidth() != width || box_->maximumWidth() != width) box_->setFixedWidth(width);
}

void ControlPanelView::FocusMoved(QWidget* old, QWidget* now) {
    const bool mine =
        (old != nullptr && isAncestorOf(old)) || (now != nullptr && isAncestorOf(now));
    if (!mine) return;
    if (now != nullptr && isAncestorOf(now)) box_->ensureWidgetVisible(now, 0, kFocusMargin + 2);
    update();
}

void ControlPanelView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr || !isAncestorOf(focused) || !focused->isVisible()) return;
    if (!window()->isActiveWindow()) return;
    // A dotted frame just outside the control, in the panel's own text colour.
    QPainter painter(this);
    QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
    painter.setPen(pen);
    const QRect around =
        QRect(focused->mapTo(this, QPoint(0, 0)), focused->size())
            .adjusted(-kFocusMargin, -kFocusMargin, kFocusMargin - 1, kFocusMargin - 1);
    painter.drawRect(around);
}

}  // namespace viv
