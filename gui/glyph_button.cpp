// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gui/glyph_button.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace viv {

namespace {
constexpr int kInset = 2;    // pixels between the frame and the caption or the glyph
constexpr int kSpacing = 1;  // pixels between the caption and the glyph
}  // namespace

CaptionGlyphButton::CaptionGlyphButton(QWidget* parent) : QToolButton(parent) {}

void CaptionGlyphButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    // The style draws the flat frame only; caption and glyph are placed here.
    QStyleOptionToolButton frame = option;
    frame.text.clear();
    frame.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, frame);

    const bool down = option.state.testAnyFlags(QStyle::State_Sunken | QStyle::State_On);
    const QPoint shift =
        down ? QPoint(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                      style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this))
             : QPoint();
    const QRect area = rect().adjusted(kInset, kInset, -kInset, -kInset).translated(shift);
    const QSize glyph = iconSize();
    const QRect glyphRect(area.right() + 1 - glyph.width(),
                          area.top() + (area.height() - glyph.height()) / 2, glyph.width(),
                          glyph.height());
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QIcon::State state = isChecked() ? QIcon::On : QIcon::Off;
    painter.drawPixmap(glyphRect, icon().pixmap(glyph, devicePixelRatio(), mode, state));

    QRect textRect = area;
    textRect.setRight(glyphRect.left() - kSpacing - 1);
    painter.drawItemText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextShowMnemonic,
                         palette(), isEnabled(), text(), QPalette::ButtonText);
}

}  // namespace viv
