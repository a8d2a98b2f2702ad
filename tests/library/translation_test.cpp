// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/translation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace viv {
namespace {

// A compiled catalogue as msgfmt lays it out: header, the two tables of (length, offset),
// then the strings, each followed by a NUL. Written here byte by byte in either order.
std::string MoFile(const std::vector<std::pair<std::string, std::string>>& entries,
                   bool bigEndian = false) {
    std::string out;
    const auto word = [&](std::uint32_t w) {
        for (int k = 0; k < 4; ++k)
            out.push_back(static_cast<char>(w >> (bigEndian ? 8 * (3 - k) : 8 * k)));
    };
    const auto n = static_cast<std::uint32_t>(entries.size());
    const std::uint32_t originals = 28, translations = originals + 8 * n;
    std::uint32_t at = translations + 8 * n;
    word(0x950412de);
    word(0);
    word(n);
    word(originals);
    word(translations);
    word(0);
    word(0);
    std::string strings;
    std::vector<std::uint32_t> table;
    for (int side = 0; side < 2; ++side)
        for (const auto& e : entries) {
            const std::string& s = side == 0 ? e.first : e.second;
            word(static_cast<std::uint32_t>(s.size()));
            word(at);
            strings += s;
            strings.push_back('\0');
            at += static_cast<std::uint32_t>(s.size()) + 1;
        }
    return out + strings;
}

const std::vector<std::pair<std::string, std::string>> kEntries{
    {"", "Content-Type: text/plain; charset=UTF-8\n"},
    {"Brydning i vand", "Refraction in water"},
    {" brydningsindex, n", " refractive index, n"},
    {"&Vis", "&View"},
    {" bølgelængde/nm, ", " wavelength/nm, "},
    {"grøn", "green"},
    {"vinkel", "angle"},
    {"i", "in"},   // too short to stand for a piece
    {"æble", ""},  // untranslated: left out
};

TEST(Translation, FindsEachTextInEitherByteOrderAndLeavesOthersAsTheyAre) {
    for (bool bigEndian : {false, true}) {
        Translation t;
        ASSERT_TRUE(t.LoadBytes(MoFile(kEntries, bigEndian)));
        EXPECT_EQ(t.Size(), 7u);
        EXPECT_EQ(t.Translate("Brydning i vand"), "Refraction in water");
        EXPECT_EQ(t.Translate(" brydningsindex, n"), " refractive index, n");
        EXPECT_EQ(t.Translate("&Vis"), "&View");
        EXPECT_EQ(t.Translate("æble"), "æble");
        EXPECT_EQ(t.Translate("Brydning"), "Brydning");
        EXPECT_EQ(t.Translate(""), "");
        // Texts built from pieces and numbers: each piece translated, never one inside a
        // word, the longest first.
        for (const auto& [danish, english] : std::vector<std::pair<std::string, std::string>>{
                 {" bølgelængde/nm, grøn", " wavelength/nm, green"},
                 {"vinkel i: 12.5°", "angle i: 12.5°"},
                 {"vinkelret grøn", "vinkelret green"},
                 {"blågrøn", "blågrøn"},
                 {"42", "42"}})
            EXPECT_EQ(t.Translate(danish), english) << danish;
    }
}

TEST(Translation, RefusesWhatIsNoCatalogueWithoutReadingOutsideIt) {
    const std::string good = MoFile(kEntries);
    std::string badMagic = good;
    badMagic[0] = 'x';
    std::string hugeCount = good;
    hugeCount[8] = '\xff';
    hugeCount[11] = '\x7f';
    std::string farString = good;
    farString[28 + 12] = '\x7f';  // the second original's offset beyond the end
    farString[28 + 15] = '\x7f';
    std::string newRevision = good;
    newRevision[6] = '\x01';
    for (const std::string& bytes :
         {std::string(), good.substr(0, 20), good.substr(0, good.size() - 10), badMagic, hugeCount,
          farString, newRevision}) {
        Translation t;
        EXPECT_FALSE(t.LoadBytes(bytes)) << bytes.size();
        EXPECT_EQ(t.Size(), 0u);
        EXPECT_EQ(t.Translate("&Vis"), "&Vis");
    }
    Translation missing;
    EXPECT_FALSE(missing.Load("/nonexistent/en.mo"));
}

}  // namespace
}  // namespace viv
