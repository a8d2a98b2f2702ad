// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/script.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/catalogue.h"
#include "app/script_commands.h"

namespace viv {

namespace {

using script::BadLine;

// The line's words; none for a blank line or a comment, whose first word begins with '#'.
// A line may end in CR LF.
std::vector<std::string> CommandWords(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    if (!words.empty() && words[0][0] == '#') words.clear();
    return words;
}

// The argument `text` as a whole number; `name` is what the message calls the argument.
long WholeNumber(const std::string& text, std::string_view name) {
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        throw BadLine{std::string(name) + " is not a whole number: " + text};
    return value;
}

// Whether the line's one argument is "on" or "off".
bool IsOnOrOff(const script::Line& line) {
    return line.Words.size() > 1 && (line.Words[1] == "on" || line.Words[1] == "off");
}

// The line's arguments checked against the command's count and read as its kind, the first
// wrong one told: too many before any other, then each in order, not readable or missing.
script::Line ReadArguments(const script::Command& command, std::vector<std::string> words) {
    script::Line line{std::move(words), {}, command.Usage};
    const std::size_t given = line.Words.size() - 1;
    if (given > command.MaxArguments)
        throw BadLine{"unexpected argument: " + line.Words[command.MaxArguments + 1]};
    if (command.Kind == script::ArgumentKind::OnOff && !IsOnOrOff(line))
        throw BadLine{std::string(command.Usage)};
    if (command.Kind == script::ArgumentKind::WholeNumbers)
        for (std::size_t i = 0; i < given; ++i)
            line.Numbers[i] = WholeNumber(line.Words[i + 1], command.ArgumentNames[i]);
    if (given < command.RequiredArguments)
        throw BadLine{"missing " + std::string(command.ArgumentNames[given])};
    return line;
}

// Looks the line's command up, reads its arguments and runs it.
void Execute(script::Session& session, std::vector<std::string> words) {
    const script::Command* command = script::FindCommand(words[0]);
    if (!command) throw BadLine{"unknown command: " + words[0]};
    command->Run(session, ReadArguments(*command, std::move(words)));
    session.out.flush();
}

}  // namespace

int RunScript(App& app, ScriptHost& host, std::istream& in, std::ostream& out, std::ostream& err) {
    script::Session session{app, host, out};
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::vector<std::string> words = CommandWords(line);
        if (words.empty()) continue;
        try {
            Execute(session, std::move(words));
        } catch (const BadLine& bad) {
            out.flush();
            err << "line " << number << ": " << bad.what << '\n';
            return 2;
        }
    }
    return 0;
}

std::string ScriptHelp(const Catalogue& catalogue) {
    // The numbers there are, from the catalogue, in the columns of the lines about them.
    std::string select = "  select N          menupunktet for simulation N (" +
                         catalogue.NumbersText("ikke") + "); 1 giver\n";
    return "Kommandoer til --script, én pr. linje (tomme linjer og linjer, der begynder med #,\n"
           "springes over):\n"
           "  size B H          billedet bliver B x H pixel og tegnes igen (fra start 684 x 473,\n"
           "                    hovedvinduets billede i startstørrelsen)\n" +
           select +
           "                    startbilledet, som når programmet starter\n"
           "  scroll1 P .. scroll3 P, track1 P .. track4 P\n"
           "                    flyt rullepanelet eller skyderen til position P (står den der\n"
           "                    allerede, sker der intet, som i vinduet)\n"
           "  key F2 .. key F6  tryk på tasten (dens knap eller dens punkt i menuen \"Vis\")\n"
           "  tick [K]          K tik af animationsuret (1, hvis K mangler)\n"
           "  step              ét billede frem (\"Frem\")\n"
           "  mouse X Y         musen flyttes hen over billedets pixel (X, Y)\n"
           "  click X Y         et museklik der\n"
           "  drag X1 Y1 X2 Y2  tryk ved (X1, Y1), flyt i små skridt til (X2, Y2) (gerne uden\n"
           "                    for billedet) og slip: figuren under musen trækkes med\n"
           "  zoom Z            linjer, tekst og pile Z gange større (1 til 4 i trin på 0.25;\n"
           "                    fra start 1), verdensvinduet det samme\n"
           "  present on|off    præsentation (F11): zoom, så billedets tekst er mindst 1/40\n"
           "                    af billedets højde; off giver den tidligere zoom tilbage\n"
           "  smooth on|off     glat tegning (\"Glat tegning\" i menuen \"Vis\"): billedet\n"
           "                    tegnes dobbelt så stort og vises og gemmes formindsket; fra\n"
           "                    start off, så billederne er pixeltro\n"
           "  language da|en    programmet på dansk eller engelsk (\"Sprog / Language\");\n"
           "                    billedet tegnes igen, simulationen beholder sin tilstand\n"
           "  redraw            tegn hele billedet igen\n"
           "  save FILE.png     gem billedet som PNG (skærmens pixel); FILE.svg eller\n"
           "                    FILE.pdf tegner det igen som vektorgrafik på en hvid side i\n"
           "                    samme størrelse\n"
           "  savetable FILE.csv  gem tabellen som CSV (systemets listeseparator og\n"
           "                    decimaltegn, UTF-8)\n"
           "  print FILE.pdf [table]\n"
           "                    udskriv billedet på A4-sider i en PDF-fil, \" 75% skalatro\", med\n"
           "                    tabellen under, hvis det ønskes (\"Udskriv Graf\")\n"
           "  data FILE.pdf     udskriv »sildeben« i en PDF-fil (\"Udskriv Data\")\n"
           "  table             tabellen, en linje pr. række, cellerne adskilt af tabulator\n"
           "  panels            statuspanel 1, 2, 3 og meddelelsespanelet, adskilt af tabulator\n"
           "  caption           vinduets titel\n"
           "  vis               menuen \"Vis\" åbnet: en linje pr. punkt, med titel,\n"
           "                    enabled eller disabled og checked, adskilt af tabulator\n"
           "  memo              den vejledning, memoet viser markeret, som ren tekst\n"
           "  menus             alle menuer og deres viste punkter, som de står, adskilt af\n"
           "                    tabulator: titel og genvejsbogstav, punkterne indrykket med\n"
           "                    deres genvejstast\n"
           "  reset             \"Nulstil\": simulationens startværdier, som et nyt valg\n"
           "  about             hvad \"Om Vivarnon\" viser: version, licens og tak\n"
           "En forkert linje standser kørslen med \"line N: ...\" på standard-fejl og status 2.\n";
}

}  // namespace viv
