// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/control_tables.h"

#include "app/events.h"

namespace viv {

namespace {

using R = SimSet;
using P = PositionFrom;

constexpr ScrollBar1SymbolRow kLabel4[] = {
    {R::Range(2, 5) | R{23, 25, 26}, "i"},
    {R{6}, "h"},
    {R{7, 8, 10, 11}, "p"},
    {R{9, 12, 19, 27, 29, 37, 38}, "v"},
    {R{14, 15}, "y"},
    {R::Range(16, 18) | R{35}, "d"},
    {R{24, 28, 39}, "a"},
};

// The ice crystal (41) writes its own colour text: its three colours are not the
// water table's.
constexpr TrackBar1Row kTrackBar1[] = {
    {.Sims = R::Range(2, 5) | R::Range(7, 12),
     .From = P::CurrentColour,
     .Hint = " Skift bølgelængde",
     .ShowsLambda = true,
     .ColourTextInPanel3 = true},
    {.Sims = R{14},
     .Position = 8,
     .Hint = " Skift bølgelængde",
     .ShowsLambda = true,
     .SetsCurrentColour = true},
    {.Sims = R{15, 23, 25, 26}, .From = P::CurrentColour, .Hint = " Skift stof", .Caption = "stof"},
    {.Sims = R{18}, .Max = 5, .Position = 2, .Hint = " Skift spektralserie", .Caption = "serie"},
    {.Sims = R{35}, .Max = 6, .Hint = " flyt cirkler", .Caption = "cirkler"},
    {.Sims = R{36}, .Max = 11, .Hint = " fjederkonstant", .Caption = "k"},
    {.Sims = R{37}, .Max = 6, .Hint = " bølgelængde", .ShowsLambda = true},
    {.Sims = R{38}, .Max = 6, .Hint = " overtoner", .Caption = "tone"},
    {.Sims = R{39}, .Max = 10, .Position = 5, .Hint = " lydhastighed", .Caption = "Vlyd"},
    {.Sims = R{41},
     .Max = 3,
     .From = P::CurrentColour,
     .Hint = " Skift bølgelængde",
     .ShowsLambda = true},
};

// The wave type (37) and the pipe type (38) start at 1 on every choice of their
// simulation, so their bars start there too.
constexpr TrackBar2Row kTrackBar2[] = {
    {R{2, 5}, 1, 2, P::RayDirection, 1, " Stråleretning", "retn."},
    {R{3}, 5, 15, P::Fixed, 10, " Filmtykkelse", "<-d->"},
    {R{6}, 1, 8, P::Fixed, 1, " Flyt mand", "mand"},
    {R{7, 8, 11}, 1, 2, P::CurrentBow, 1, " Primær/Sekundær", "bue"},
    {R{10}, 1, 4, P::Fixed, 1, " Dråberadius", "radius"},
    {R{12}, 1, 2, P::Fixed, 1, " Polarisationsregning", "pol."},
    {R{16, 17, 18}, 0, 5, P::Fixed, 1, " Orden", "orden"},
    {R{20}, 0, 1, P::Fixed, 0, " Additiv eller subtraktiv", "+/-"},
    {R{23, 25, 27}, 1, 10, P::Fixed, 1, " radius", "radius"},
    {R{26}, 0, 5, P::Fixed, 3, " Prismets topvinkel, p", "p/°"},
    {R{29}, 1, 10, P::Fixed, 2, " brændvidde", "f"},
    {R{33}, 0, 9, P::Fixed, 4, " Båndbredde", "bredde"},
    {R{35}, 1, 5, P::Fixed, 1, " Orden", "orden"},
    {R{36}, 0, 5, P::Fixed, 1, " Antal lodder", "lodder"},
    {R{37}, 1, 2, P::Fixed, 1, " Bølgetype", "type"},
    {R{38}, 1, 3, P::Fixed, 1, " Rørtype", "type"},
    {R{40}, 1, 8, P::Fixed, 2, " Faseforskel", "fase"},
};

// The cone (6) starts with the sun 30° high; the band (8) with the ray parameter 0.5,
// the bar's middle.
constexpr ScrollBar1Row kScrollBar1[] = {
    {R::Range(2, 5) | R{7, 11}, ScrollRule::Incidence},
    {R{6}, ScrollRule::Fixed, 0, 60, 30},
    {R{8}, ScrollRule::Fixed, 0, 200, 100},
    {R{9}, ScrollRule::Scatter, 1, 178, 179},
    {R{10}, ScrollRule::YoungIncidence, 691},
    {R{12}, ScrollRule::Scatter, 1, 100, 101},
    {R{14, 15}, ScrollRule::Fixed, 0, 200, 200},
    {R::Range(16, 19) | R{23, 25, 27, 29, 36}, ScrollRule::Fixed, 0, 60, 30},
    {R{20}, ScrollRule::Fixed, 0, 255, 0},
    {R{22, 33, 34}, ScrollRule::Fixed, 0, 255, 255},
    {R{24, 28}, ScrollRule::Fixed, 0, 200, 150},
    {R{26}, ScrollRule::Fixed, 1, 89, 60},
    {R{35}, ScrollRule::Fixed, 0, 100, 70},
    {R{37, 38, 39}, ScrollRule::Fixed, 1, 80, 40},
    {R{40}, ScrollRule::Fixed, 0, 100, 90},
    {R{41}, ScrollRule::Fixed, 1, 90, 60},
};

constexpr HintRow kScrollBar1Hints[] = {
    {R::Range(2, 5) | R{23, 25, 26}, " Indfaldsvinkel"},
    {R{6}, " Solhøjde"},
    {R{7, 8, 10, 11}, " Indfaldsparameter"},
    {R{9, 12}, " Spredningsvinkel"},
    {R{14, 15}, " Udsving"},
    {R{16, 18}, " Gitterafstand"},
    {R{17}, " Spalteafstand"},
    {R{19, 37, 38, 40}, " Hastighed"},
    {R{20, 22, 33, 34}, " % farve"},
    {R{24, 28, 39}, " Afstand"},
    {R{27, 29}, " Vinkel"},
    {R{35}, " Spaltebredde"},
    {R{36}, " Amplitude"},
};

constexpr ButtonText Lod{"Lod, F3", " Tegn indfaldslod"};
constexpr ButtonText Lodder{"Lodder, F3", " Tegn indfaldslodder"};
constexpr ButtonText Akser{"Akser, F4", " Koordinatsystem"};
constexpr ButtonText Rod{"Rød, F5", " Strålen som »ses«"};
constexpr ButtonText Maaler{"Måler, F6", " Målebånd"};
constexpr ButtonText VinkelMaaler{"Måler, F6", " Vinkelmåler"};
constexpr ButtonText Braendplan{"f, F2", " Brændplan"};
constexpr ButtonText ToFarver{"2 farver, F4", " Farvespredning"};
constexpr ButtonText Spektrum{"Spekt., F5", " Tegn spektrum"};
constexpr ButtonText Parallel{"|| , F3", " Stråle parallel med akse"};
constexpr ButtonText Midte{"Midte, F4", " Stråle gennem midtpunkt"};
constexpr ButtonText Graense{"Grænse, F5", " Grænsevinkel"};
constexpr ButtonText Vinkler{"Vinkler, F2", " Viser vinkler"};
constexpr ButtonText Afboejning{"Vinkel, F2", " Afbøjningsvinkel"};

// The ice crystal's F3 draws the face normals at the entry and the exit of the ray.
constexpr FButtonRow kFButtons[] = {
    {R{2}, {{Vinkler, Lod, {}, Graense, VinkelMaaler}}},
    {R{3}, {{{"Streg, F2", " Hjælp til vejforskel"}, Lod, {}, {}, {}}}},
    {R{4},
     {{{"Vinkel, F2", " 180° - i - b (sml. Brewster)"},
       Lod,
       {"VP-retn, F4", " Polarisationsretninger"},
       {"Brew. F5", " Brewstervinklen"},
       VinkelMaaler}}},
    {R{5},
     {{Vinkler,
       Lod,
       {"Stråle, F4", " Stråleretning"},
       Graense,
       {"Spejling, F6", " Tegn spejlede bølger"}}}},
    {R{6}, {{{"Vinkler, F2", " Vivarnovinkler"}, {}, {}, {}, {}}}},
    {R{7},
     {{{"p,v, F2", " Parameter og afbøjningsvinkler"},
       Lodder,
       Akser,
       Rod,
       {"Stråler, F6", " Mange stråler"}}}},
    {R{9},
     {{{},
       {},
       {},
       {"Sum, F5", " Sum af alle farver, se i hjælpen"},
       {"Korr, F6", " Korrigerer for tab, se polarisation"}}}},
    {R{10},
     {{{},
       {"Airy, F3", " Airys teori for de overtallige buer"},
       Akser,
       Rod,
       {"Kor.lys, F6", " Korriger for tab, se polarisation"}}}},
    {R{11}, {{{}, Lodder, Akser, Rod, {}}}},
    {R{14},
     {{{"Udsving, F2", " Udsving ved origo"},
       {"Delt, F3", " Tegn bølgerne i 3 dele"},
       {"1+2, F4", " Tegn indgående bølger"},
       {"Puls, F5", " Tegn puls,(en enkelt bølgetop)"},
       {}}}},
    {R{15},
     {{{"Lambda, F2", " Bølgelængde i stof 1 og 2"},
       {},
       {"1+2, F4", " Tegn indkomne og reflekteret bølge"},
       {},
       {}}}},
    {R{16},
     {{Afboejning,
       {"Fronter, F3", " Tegn bølgefronter"},
       {"Stråle, F4", " Tegn stråleretning"},
       {},
       {}}}},
    {R{17}, {{Afboejning, {}, {"Maxima, F4", " Konstruktiv interferens"}, Spektrum, Maaler}}},
    {R{18}, {{{}, {}, {"Tegn alt, F4", " Tegn alle ordener"}, {}, Maaler}}},
    {R{19}, {{{"df/f, F2", " Relativ frekvens eller bølgefront"}, {}, {}, {}, {}}}},
    {R{23},
     {{Braendplan,
       {"Blænde, F3", " Indsæt blænde foran linsen"},
       ToFarver,
       {"Plan, F5", " Plankonveks linse"},
       {"Dublet, F6", " Dobbelt akromatisk linse"}}}},
    {R{24},
     {{{"a, b, F2", " Genstandsafstand og billedafstand"},
       Parallel,
       Midte,
       {"f, F5", " Stråle gennem brændpunkt f"},
       {"Konkav, F6", " Konveks/konkav linse"}}}},
    {R{25},
     {{{},
       {"Blænde, F3", " Indsæt blænde foran linsen"},
       ToFarver,
       {},
       {"Konkav, F6", " Konveks/konkav linse"}}}},
    {R{26}, {{{}, Lodder, ToFarver, {}, {}}}},
    {R{27},
     {{Braendplan,
       {"Blænde, F3", " Indsæt blænde foran spejlet"},
       {},
       {},
       {"Konkav, F6", " Konvekst/konkavt spejl"}}}},
    {R{28},
     {{{"f, F2", " Brændvidde og dobbelt brændvidde"},
       Parallel,
       Midte,
       {"Vinkelret, F5", " Stråle vinkelret på spejl"},
       {"Konkav, F6", " Konvekst/konkavt spejl"}}}},
    {R{29}, {{Braendplan, {}, {}, {}, {}}}},
    {R{33}, {{{}, {"Streg, F3", " Indsæt hvid streg mellem felter"}, {}, {}, {}}}},
    {R{35},
     {{{"Vinkel, F2", " Vinkel + spalteopdeling"},
       {},
       {"Minima, F4", " Destruktiv interferens"},
       Spektrum,
       Maaler}}},
    {R{36},
     {{{"Fase, F2", " Viser fasevinkel under kørsel"},
       {},
       {},
       {"Energi, F5", " Tegn energidiagram"},
       Maaler}}},
    {R{37},
     {{{"Bølge, F2", " Fortætning (fortynding) eller bølger"},
       {},
       {"Enkelt, F4", " Tegn kun 1 kugle"},
       {"Små, F5", " Små kugler"},
       Maaler}}},
    {R{38},
     {{{"Udsving, F2", " Buer og knuder"},
       {"Frys, F3", " Slet ikke mærke"},
       {"Tryk, F4", " Tegn trykvariation"},
       {},
       Maaler}}},
    {R{39}, {{{}, {}, {}, {}, Maaler}}},
    {R{40}, {{{}, {"Kugler, F3", " Tegn kugler"}, {}, {}, {}}}},
    {R{41}, {{{}, Lodder, {}, {}, {}}}},
};

constexpr FMenuRow kFMenus[] = {
    // sims   F3 NormalsItem     F4 AxesItem       F5 RedRayItem       F6 RaysItem
    {R{2}, {"&Indfaldslodder", "", "&Grænsevinkel", "&Vinkelmåler"}},
    {R{3}, {"&Indfaldslodder", "", "", ""}},
    {R{4}, {"&Indfaldslodder", "&Polarisationstegn", "&Brewstervinklen", "&Vinkelmåler"}},
    {R{5}, {"&Indfaldslodder", "Str&åleretning", "&Grænsevinkel", "S&pejling"}},
    {R{7}, {"&Indfaldslodder", "&Koordinatakser", "&Rød stråle", "&Stråler"}},
    {R{9}, {"", "", "&Sum, alle farver", "Korrigeret &Farve"}},
    {R{10}, {"&Airys teori", "&Koordinatakser", "&Rød stråle", "Korrigeret &Farve"}},
    {R{11}, {"&Indfaldslodder", "&Koordinatakser", "&Rød stråle", ""}},
    {R{14}, {"&Delt bølgemønster", "&Bølge 1 og 2", "Tegn &Puls", ""}},
    {R{15}, {"", "Str&åle 1 og 2", "", ""}},
    {R{16}, {"&Fronter", "Str&åleretning", "", ""}},
    {R{17}, {"", "M&axima", "Te&gn spektrum", "M&ålebånd"}},
    {R{18}, {"", "Tegn &alle ordener", "", "M&ålebånd"}},
    {R{23}, {"&Blænde", "T&o farver", "&Plankonveks", "&Dobbelt linse"}},
    {R{24}, {"&Parallel stråle", "M&idterstråle", "&Brændpunktstråle", "&Konveks/konkav"}},
    {R{25}, {"&Blænde", "T&o farver", "", "&Konveks/konkav"}},
    {R{26}, {"&Indfaldslodder", "T&o farver", "", ""}},
    {R{27}, {"&Blænde", "", "", "K&onvekst/konkavt"}},
    {R{28}, {"&Parallel stråle", "M&idterstråle", "&Vinkelret", "K&onvekst/konkavt"}},
    {R{33}, {"H&vid streg", "", "", ""}},
    {R{35}, {"", "&Destruktiv retning", "Te&gn spektrum", "M&ålebånd"}},
    {R{36}, {"", "", "Energi&diagram", "M&ålebånd"}},
    {R{37}, {"", "Tegn kun &1 kugle", "&Små kugler", "M&ålebånd"}},
    {R{38}, {"&Frys mærker", "Tegn tr&ykvariation", "", "M&ålebånd"}},
    {R{39}, {"", "", "", "M&ålebånd"}},
    {R{40}, {"&Kugler", "", "", ""}},
    {R{41}, {"&Indfaldslodder", "", "", ""}},
};

// Superposition starts with the divided pattern and the two incoming waves drawn;
// reflection with the incoming and the reflected wave.
constexpr StartTogglesRow kStartToggles[] = {
    {R{14}, {false, true, true, false, false}},
    {R{15}, {false, false, true, false, false}},
};

// Indexed by Control.
constexpr Event kControlEvents[] = {Event::ScrollBar1, Event::ScrollBar2, Event::ScrollBar3,
                                    Event::TrackBar1,  Event::TrackBar2,  Event::TrackBar3,
                                    Event::TrackBar4};

}  // namespace

std::span<const ScrollBar1SymbolRow> ScrollBar1Symbols() {
    return kLabel4;
}
std::span<const TrackBar1Row> TrackBar1Rows() {
    return kTrackBar1;
}
std::span<const TrackBar2Row> TrackBar2Rows() {
    return kTrackBar2;
}
std::span<const ScrollBar1Row> ScrollBar1Rows() {
    return kScrollBar1;
}
std::span<const HintRow> ScrollBar1Hints() {
    return kScrollBar1Hints;
}
std::span<const FButtonRow> FButtonRows() {
    return kFButtons;
}
std::span<const FMenuRow> FMenuRows() {
    return kFMenus;
}
std::span<const StartTogglesRow> StartToggles() {
    return kStartToggles;
}

Event EventOf(Control control) {
    return kControlEvents[static_cast<std::size_t>(control)];
}

}  // namespace viv
