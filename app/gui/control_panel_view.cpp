#include "app/gui/control_panel_view.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>

namespace viv {

namespace {
constexpr int kFocusMargin = 2;  // pixels between a control and its focus frame
}  // namespace

ControlPanelView::ControlPanelView(QWidget* parent) : QFrame(parent) {
    setMinimumHeight(ContentHeight);
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

void ControlPanelView::SetPanelWidth(int width) {
    if (width_ != width || minimumWidth() != width || maximumWidth() != width) {
        width_ = width;
        setFixedWidth(width);
    }
    FitBox();
}

void ControlPanelView::FitBox() {
    const bool scrolls = box_->height() < ContentHeight;
    const int bar = scrolls ? box_->verticalScrollBar()->sizeHint().width() : 0;
    const int width = width_ + bar;
    if (box_->minimumWidth() != width || box_->maximumWidth() != width) box_->setFixedWidth(width);
}

void ControlPanelView::FocusMoved(QWidget* old, QWidget* now) {
    const bool mine = (old != nullptr && isAncestorOf(old)) || (now != nullptr && isAncestorOf(now));
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
    const QRect around = QRect(focused->mapTo(this, QPoint(0, 0)), focused->size())
                             .adjusted(-kFocusMargin, -kFocusMargin, kFocusMargin - 1, kFocusMargin - 1);
    painter.drawRect(around);
}

}  // namespace viv
