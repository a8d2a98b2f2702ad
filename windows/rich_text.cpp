// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/rich_text.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

namespace viv {

namespace {

// The text widget measures margins in pixels of a 96 dots-per-inch screen.
constexpr double kTwipsPerPixel = 1440.0 / 96.0;

Qt::Alignment ToQt(RtfAlignment a) {
    switch (a) {
        case RtfAlignment::Centre:
            return Qt::AlignHCenter;
        case RtfAlignment::Right:
            return Qt::AlignRight;
        case RtfAlignment::Justify:
            return Qt::AlignJustify;
        case RtfAlignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

RtfAlignment FromQt(Qt::Alignment a) {
    if (a.testFlag(Qt::AlignHCenter)) return RtfAlignment::Centre;
    if (a.testFlag(Qt::AlignRight)) return RtfAlignment::Right;
    if (a.testFlag(Qt::AlignJustify)) return RtfAlignment::Justify;
    return RtfAlignment::Left;
}

int IndexOf(std::vector<std::string>& fonts, const std::string& name) {
    for (std::size_t i = 0; i < fonts.size(); ++i)
        if (fonts[i] == name) return static_cast<int>(i);
    fonts.push_back(name);
    return static_cast<int>(fonts.size()) - 1;
}

int IndexOf(std::vector<RtfColour>& colours, const QColor& c) {
    const RtfColour wanted{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                           static_cast<std::uint8_t>(c.blue()), false};
    for (std::size_t i = 1; i < colours.size(); ++i)
        if (colours[i] == wanted) return static_cast<int>(i);
    colours.push_back(wanted);
    return static_cast<int>(colours.size()) - 1;
}

}  // namespace

void FillTextDocument(const RtfDocument& document, QTextDocument& target) {
    target.clear();
    QTextCursor cursor(&target);
    cursor.beginEditBlock();
    const QFont base = target.defaultFont();
    for (std::size_t p = 0; p < document.Paragraphs.size(); ++p) {
        const RtfParagraph& paragraph = document.Paragraphs[p];
        QTextBlockFormat block;
        block.setAlignment(ToQt(paragraph.Alignment));
        block.setTopMargin(paragraph.SpaceBefore / kTwipsPerPixel);
        block.setBottomMargin(paragraph.SpaceAfter / kTwipsPerPixel);
        if (p == 0)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        for (const RtfRun& run : paragraph.Runs) {
            const RtfCharFormat& f = run.Format;
            QTextCharFormat format;
            if (f.Font >= 0 && static_cast<std::size_t>(f.Font) < document.Fonts.size() &&
                !document.Fonts[static_cast<std::size_t>(f.Font)].empty())
                format.setFontFamilies(
                    {QString::fromStdString(document.Fonts[static_cast<std::size_t>(f.Font)])});
            else
                format.setFontFamilies(base.families());
            format.setFontPointSize(f.HalfPoints / 2.0);
            format.setFontWeight(f.Bold ? QFont::Bold : QFont::Normal);
            format.setFontItalic(f.Italic);
            format.setFontUnderline(f.Underline);
            if (f.Colour > 0 && static_cast<std::size_t>(f.Colour) < document.Colours.size()) {
                const RtfColour& c = document.Colours[static_cast<std::size_t>(f.Colour)];
                if (!c.Automatic) format.setForeground(QColor(c.Red, c.Green, c.Blue));
            }
            QString text =
                QString::fromUtf8(run.Text.data(), static_cast<qsizetype>(run.Text.size()));
            cursor.insertText(text, format);
        }
    }
    cursor.endEditBlock();
}

RtfDocument FromTextDocument(const QTextDocument& source) {
    RtfDocument document;
    document.Colours.push_back(RtfColour{0, 0, 0, true});
    const QFont base = source.defaultFont();
    for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
        RtfParagraph paragraph;
        paragraph.Alignment = FromQt(block.blockFormat().alignment());
        paragraph.SpaceBefore =
            static_cast<int>(std::lround(block.blockFormat().topMargin() * kTwipsPerPixel));
        paragraph.SpaceAfter =
            static_cast<int>(std::lround(block.blockFormat().bottomMargin() * kTwipsPerPixel));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.text().isEmpty()) continue;
            const QTextCharFormat format = fragment.charFormat();
            RtfCharFormat f;
            const QFont font = format.font();
            QString family = font.families().isEmpty() ? font.family() : font.families().front();
            if (family.isEmpty()) family = base.family();
            f.Font = IndexOf(document.Fonts, family.toStdString());
            const double points = font.pointSizeF() > 0 ? font.pointSizeF() : base.pointSizeF();
            f.HalfPoints = points > 0 ? static_cast<int>(std::lround(points * 2)) : 24;
            f.Bold = font.weight() >= QFont::DemiBold;
            f.Italic = font.italic();
            f.Underline = font.underline();
            if (format.hasProperty(QTextFormat::ForegroundBrush)) {
                const QColor c = format.foreground().color();
                if (c != QColor(Qt::black)) f.Colour = IndexOf(document.Colours, c);
            }
            const std::string text = fragment.text().toStdString();
            if (!paragraph.Runs.empty() && paragraph.Runs.back().Format == f)
                paragraph.Runs.back().Text += text;
            else
                paragraph.Runs.push_back(RtfRun{text, f});
        }
        document.Paragraphs.push_back(std::move(paragraph));
    }
    return document;
}

}  // namespace viv
