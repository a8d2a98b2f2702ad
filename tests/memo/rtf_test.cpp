// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The rich-text reader and writer of the memo's guidance text.
#include <gtest/gtest.h>

#include <string>

#include "library/rtf_reader.h"
#include "library/rtf_writer.h"

namespace viv {
namespace {

RtfDocument Read(std::string_view rtf) {
    const RtfReadResult r = ReadRtf(rtf);
    EXPECT_TRUE(r.IsRtf);
    return r.Document;
}

// What a word processor writes for a short Danish text: font and colour tables, a style
// sheet, document information, a generator mark and a picture, all to be passed over.
constexpr std::string_view kWordProcessorFile =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1030"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fprq2\\fcharset0 Times New Roman"
    "{\\*\\panose 02020603050405020304};}}\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}\n"
    "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Vejledning}{\\author Lærer}}"
    "{\\*\\generator Skriveprogram 5.1;}\\viewkind4\\uc1\n"
    "\\pard\\qc\\b\\f0\\fs32 Brydning i vand:\\b0\\par\n"
    "\\pard\\fs20 Lyset g\\'e5r fra luft til vand; \\i vinklen\\i0  \\ul b\\ulnone  er \\cf1 "
    "mindre\\cf0 .\\par\n"
    "{\\pict\\wmetafile8\\picw100 0123456789abcdef}\\f1 \\'c6bler, \\'f8l og \\'e5l\\par\n"
    "}";

TEST(RtfReader, WordProcessorOutputGivesTextAndFormatting) {
    const RtfDocument d = Read(kWordProcessorFile);
    ASSERT_EQ(d.Fonts.size(), 2u);
    EXPECT_EQ(d.Fonts[0], "Arial");
    EXPECT_EQ(d.Fonts[1], "Times New Roman");
    ASSERT_EQ(d.Colours.size(), 3u);
    EXPECT_TRUE(d.Colours[0].Automatic);
    EXPECT_EQ(d.Colours[1], (RtfColour{255, 0, 0, false}));
    EXPECT_EQ(d.Colours[2], (RtfColour{0, 0, 128, false}));
    EXPECT_EQ(
        d.PlainText(),
        "Brydning i vand:\nLyset går fra luft til vand; vinklen b er mindre.\nÆbler, øl og ål");
    ASSERT_EQ(d.Paragraphs.size(), 3u);
    const RtfParagraph& heading = d.Paragraphs[0];
    EXPECT_EQ(heading.Alignment, RtfAlignment::Centre);
    ASSERT_EQ(heading.Runs.size(), 1u);
    EXPECT_TRUE(heading.Runs[0].Format.Bold);
    EXPECT_EQ(heading.Runs[0].Format.HalfPoints, 32);
    EXPECT_EQ(heading.Runs[0].Format.Font, 0);
    const RtfParagraph& body = d.Paragraphs[1];
    EXPECT_EQ(body.Alignment, RtfAlignment::Left);
    bool italic = false, underline = false, red = false;
    for (const RtfRun& r : body.Runs) {
        EXPECT_FALSE(r.Format.Bold) << r.Text;
        EXPECT_EQ(r.Format.HalfPoints, 20) << r.Text;
        italic = italic || (r.Text == "vinklen" && r.Format.Italic);
        underline = underline || (r.Text == "b" && r.Format.Underline);
        red = red || (r.Text == "mindre" && r.Format.Colour == 1);
    }
    EXPECT_TRUE(italic && underline && red);
    EXPECT_EQ(d.Paragraphs[2].Runs.front().Format.Font, 1);
}

TEST(RtfReader, UnicodeCharactersSkipTheirFallback) {
    // \uc1 default, \uc2 with two fallback characters, a negative value, a pair of
    // surrogates, a fallback written as \'hh, and a group that ends the \uc range.
    const RtfDocument d = Read(
        "{\\rtf1 \\u955?=c/f; {\\uc2\\u8776\\'3f\\'3f}x \\u-3908?\\u8364\\'80 "
        "\\u-10179?\\u-8695? end}");
    EXPECT_EQ(d.PlainText(), "λ=c/f; ≈x \uF0BC€ 😉 end");
}

TEST(RtfReader, EscapesSymbolsAndSpecialCharacters) {
    const RtfDocument d = Read(
        "{\\rtf1 a\\\\b\\{c\\}d\\tab e\\line f\\~g\\emdash\\endash\\bullet"
        "\\lquote\\rquote\\ldblquote\\rdblquote\\-h\\'92\\'80\\'81}");
    EXPECT_EQ(d.PlainText(), "a\\b{c}d\te\nf\u00A0g—–•‘’“”h’€\u0081");
    ASSERT_EQ(d.Paragraphs.size(), 1u);
}

TEST(RtfReader, UnknownDestinationsAreSkippedKnownGroupsKept) {
    const RtfDocument d = Read(
        "{\\rtf1{\\*\\unknowndest hidden {\\b nested} text}shown "
        "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}} "
        "{\\header page head}{\\footnote note}{\\b bold} plain\\b0\\par}");
    EXPECT_EQ(d.PlainText(), "shown link bold plain");
    // A group's formatting ends with it.
    for (const RtfRun& r : d.Paragraphs[0].Runs)
        EXPECT_EQ(r.Format.Bold, r.Text == "bold") << r.Text;
}

TEST(RtfReader, BinaryDataIsPassedOverByItsLength) {
    std::string rtf = "{\\rtf1 before{\\*\\blipuid {\\bin6 ";
    rtf += std::string("\0}{\\x\xff", 6);
    rtf += "}} after}";
    const RtfReadResult r = ReadRtf(rtf);
    EXPECT_TRUE(r.Complete);
    EXPECT_EQ(r.Document.PlainText(), "before after");
}

TEST(RtfReader, DamagedInputGivesWhatCouldBeRead) {
    // Not rich text at all.
    EXPECT_FALSE(ReadRtf("Brydning i vand: plain text").IsRtf);
    EXPECT_FALSE(ReadRtf("").IsRtf);
    EXPECT_FALSE(ReadRtf(std::string("\0\1\2{\\rtf1}", 9)).IsRtf);

    // A file cut short: every group open, a control word and an escape cut in the middle.
    for (const std::string_view cut :
         {"{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 Dr\\'e5be\\par Hal",
          "{\\rtf1 Dr\\'e5be\\par Hal\\'e", "{\\rtf1 Dr\\'e5be\\par Hal\\b",
          "{\\rtf1 Dr\\'e5be\\par Hal\\u"}) {
        const RtfReadResult r = ReadRtf(cut);
        EXPECT_TRUE(r.IsRtf);
        EXPECT_FALSE(r.Complete) << cut;
        EXPECT_EQ(r.Document.PlainText(), "Dråbe\nHal") << cut;
    }

    // A closing brace too many ends the document; braces too few leave it incomplete.
    const RtfReadResult extra = ReadRtf("{\\rtf1 one}} two}");
    EXPECT_TRUE(extra.Complete);
    EXPECT_EQ(extra.Document.PlainText(), "one");
    EXPECT_FALSE(ReadRtf("{\\rtf1 {{{\\b x}").Complete);

    // Stray control bytes and huge numbers do no harm.
    std::string junk = "{\\rtf1 a";
    junk += std::string("\0\x01\x7f", 3);
    junk += "b\\fs99999999999999999999 c\\u99999999999? d\\f-7 e\\cf123456 f\\uc-5 \\u65 g}";
    const RtfDocument d = ReadRtf(junk).Document;
    EXPECT_EQ(d.PlainText(),
              "a\x7f"
              "bc\uFFFF defAg");
    for (const RtfRun& r : d.Paragraphs[0].Runs) {
        EXPECT_LE(r.Format.HalfPoints, 3276);
        EXPECT_EQ(r.Format.Colour, 0);
    }
}

TEST(RtfReader, DeepNestingAndLongWordsEndInTime) {
    std::string deep = "{\\rtf1 ";
    deep += std::string(200000, '{') + "x" + std::string(200000, '}') + " y}";
    const RtfReadResult r = ReadRtf(deep);
    EXPECT_TRUE(r.Complete);
    EXPECT_EQ(r.Document.PlainText(), "x y");

    std::string word = "{\\rtf1 \\" + std::string(100000, 'q') + " z}";
    EXPECT_EQ(ReadRtf(word).Document.PlainText(), "z");
}

RtfDocument Sample() {
    RtfDocument d;
    d.Fonts = {"Arial", "Times New Roman"};
    d.Colours = {RtfColour{0, 0, 0, true}, RtfColour{200, 10, 20, false}};
    RtfCharFormat bold;
    bold.Bold = true;
    bold.HalfPoints = 28;
    bold.Font = 0;
    RtfCharFormat body;
    body.Font = 1;
    body.HalfPoints = 20;
    RtfCharFormat fancy = body;
    fancy.Italic = fancy.Underline = true;
    fancy.Colour = 1;
    d.Paragraphs.push_back({{{"Spredning i en dråbe:", bold}}, RtfAlignment::Centre, 240, 60});
    d.Paragraphs.push_back(
        {{{"Æ Ø Å æ ø å é ü — “citat” λ 😉 {}\\;\tfane", body}, {"kursiv\u2028ny linje", fancy}},
         RtfAlignment::Justify});
    d.Paragraphs.push_back({{}, RtfAlignment::Left});
    d.Paragraphs.push_back({{{"Sidste", body}}, RtfAlignment::Right});
    d.Paragraphs.push_back({{}, RtfAlignment::Left});
    return d;
}

TEST(RtfWriter, ReadingWhatWasWrittenGivesTheSameDocument) {
    const RtfDocument d = Sample();
    const std::string rtf = WriteRtf(d);
    // Plain 7-bit output: Danish letters as code page 1252 escapes.
    for (const char c : rtf) EXPECT_LT(static_cast<unsigned char>(c), 0x80u);
    EXPECT_NE(rtf.find("dr\\'e5be"), std::string::npos);
    EXPECT_NE(rtf.find("\\'c6 \\'d8 \\'c5 \\'e6 \\'f8 \\'e5"), std::string::npos);
    const RtfReadResult back = ReadRtf(rtf);
    EXPECT_TRUE(back.Complete);
    EXPECT_EQ(back.Document, d);
    EXPECT_EQ(WriteRtf(back.Document), rtf);
}

TEST(RtfWriter, OddTablesSurviveWritingAndReading) {
    // Text before the font table, a second colour table with empty entries, a font name
    // with a byte the code page leaves undefined, text in a font the table never names.
    const std::string_view odd =
        "{\\rtf1 early {\\fonttbl{\\f0 A\\'81r\\'05ial;}{\\f3 "
        "Times;}}{\\colortbl;\\red1\\green2\\blue3;}"
        "{\\colortbl;;\\red9\\green9\\blue9;}\\f7 nameless \\f3\\cf4 grey \\cf3 auto}";
    const RtfDocument d = Read(odd);
    ASSERT_EQ(d.Fonts.size(), 2u);
    EXPECT_EQ(d.Fonts[0], "A\u0081rial");
    ASSERT_EQ(d.Colours.size(), 5u);
    EXPECT_TRUE(d.Colours[3].Automatic);
    EXPECT_EQ(d.PlainText(), "early nameless grey auto");
    EXPECT_EQ(d.Paragraphs[0].Runs.front().Format.Font, 0);  // the default font, \f0
    EXPECT_EQ(ReadRtf(WriteRtf(d)).Document, d);

    RtfDocument fontless = d;
    fontless.Paragraphs[0].Runs.front().Format.Font = -1;
    EXPECT_EQ(ReadRtf(WriteRtf(fontless)).Document, fontless);
}

TEST(RtfWriter, EmptyDocumentAndBrokenUtf8) {
    EXPECT_EQ(ReadRtf(WriteRtf(RtfDocument{})).Document, RtfDocument{});
    RtfDocument d;
    d.Paragraphs.push_back({{{std::string("a\xff"
                                          "b\xe2\x82",
                                          5),
                              {}}},
                            RtfAlignment::Left});
    EXPECT_EQ(ReadRtf(WriteRtf(d)).Document.PlainText(), "a\uFFFDb\uFFFD\uFFFD");
}

}  // namespace
}  // namespace viv
