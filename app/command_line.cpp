// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/command_line.h"

#include <string_view>
#include <utility>

#include "app/catalogue.h"
#include "app/script.h"
#include "app/version.h"

namespace viv {

namespace {

// Qt's own command-line options of a widget program: those that take a value, and those
// that stand alone. Each may also be written with two dashes or as -option=value.
constexpr std::string_view kQtOptionsWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qmljsdebugger",
    "qwindowgeometry",
    "qwindowicon",
    "qwindowtitle",
    "display",
    "geometry",
    "style",
    "stylesheet",
    "session",
    "name",
    "title",
    "visual",
    "ncols",
    "cmap",
    "graphicssystem",
    "bg",
    "fg",
    "btn",
    "font",
    "background",
    "foreground",
    "button",
};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// "-style", "--style" or "-style=fusion" for name "style".
bool IsQtOption(std::string_view arg, std::string_view name, bool& hasValue) {
    if (arg.starts_with("--"))
        arg.remove_prefix(2);
    else if (arg.starts_with("-"))
        arg.remove_prefix(1);
    else
        return false;
    if (!arg.starts_with(name)) return false;
    arg.remove_prefix(name.size());
    hasValue = arg.starts_with("=");
    return arg.empty() || hasValue;
}

}  // namespace

CommandLine ParseCommandLine(std::span<const char* const> args) {
    CommandLine line;
    const auto fail = [&line](std::string message) {
        line.What = CommandLine::Mode::Error;
        line.Error = std::move(message);
        return line;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i] != nullptr ? args[i] : "";
        if (arg == "--help" || arg == "-h" || arg == "-?") {
            line.What = CommandLine::Mode::Help;
            // "--language" after it still chooses the help's language.
            for (std::size_t j = i + 1; j < args.size(); ++j) {
                const std::string_view next = args[j] != nullptr ? args[j] : "";
                if (next == "--language" && j + 1 < args.size() && args[j + 1] != nullptr)
                    line.StartLanguage = LanguageOfCode(args[j + 1]);
                else if (next.starts_with("--language="))
                    line.StartLanguage = LanguageOfCode(next.substr(11));
            }
            return line;
        }
        if (arg == "--version" || arg == "-v") {
            line.What = CommandLine::Mode::Version;
            return line;
        }
        if (arg == "--script") {
            if (i + 1 >= args.size())
                return fail("--script kræver en fil med kommandoer (- for standard-input)");
            line.What = CommandLine::Mode::Script;
            line.ScriptFile = args[++i];
            continue;
        }
        if (arg.starts_with("--script=")) {
            line.What = CommandLine::Mode::Script;
            line.ScriptFile = std::string(arg.substr(9));
            if (line.ScriptFile.empty())
                return fail("--script kræver en fil med kommandoer (- for standard-input)");
            continue;
        }
        if (arg == "--language" || arg.starts_with("--language=")) {
            std::string_view code;
            if (arg == "--language") {
                if (i + 1 >= args.size()) return fail("--language kræver da eller en");
                code = args[++i] != nullptr ? args[i] : "";
            } else {
                code = arg.substr(11);
            }
            line.StartLanguage = LanguageOfCode(code);
            if (!line.StartLanguage) return fail("--language kræver da eller en");
            continue;
        }
        bool known = false, hasValue = false;
        for (std::string_view name : kQtOptionsWithValue) {
            if (!IsQtOption(arg, name, hasValue)) continue;
            known = true;
            if (!hasValue && ++i >= args.size())
                return fail("tilvalget " + std::string(arg) + " kræver en værdi");
            break;
        }
        for (std::string_view name : kQtFlags)
            if (!known && IsQtOption(arg, name, hasValue) && !hasValue) known = true;
        if (known) continue;
        if (arg.starts_with("-")) return fail("ukendt tilvalg: " + std::string(arg));
        return fail("uventet argument: " + std::string(arg) + " (Vivarnon åbner ingen filer)");
    }
    return line;
}

std::string VersionAnswer() {
    return std::string("vivarnon ") + VersionText;
}

std::string UsageText(const Catalogue& catalogue) {
    return "Brug: vivarnon [--script FIL] [--language da|en] [--version] [--help]\n"
           "\n"
           "Vivarnon er et undervisningsprogram i fysik om lys, farver og bølger med regnbuen\n"
           "som gennemgående tema.\n"
           "\n"
           "Uden tilvalg åbner programmet sit vindue. Vælg en simulation i menuerne\n"
           "»Bølgelære«, »Farver«, »Optik« og »Vivarnon«, og ændr billedet med rullepanelerne og\n"
           "skyderne til venstre, tasterne F2..F6 og musen. Tabellen (Ctrl+T) viser tallene bag\n"
           "billedet, memoet (Ctrl+M) vejledningen, F1 hjælpen. Ctrl+P udskriver billedet,\n"
           "Ctrl+S gemmer det, Ctrl+Q afslutter. Vinduets størrelse og plads og den sidste\n"
           "simulation huskes til næste gang.\n"
           "\n"
           "Tilvalg:\n"
           "  --script FIL   kør kommandoerne i FIL (- for standard-input) uden vindue og uden\n"
           "                 skærm, fx for at lave figurer til opgaveark\n"
           "  --language da|en  programmet på dansk eller engelsk; uden tilvalget taler vinduet\n"
           "                 det sprog, der blev valgt sidst, ellers systemets (dansk for da),\n"
           "                 og --script og --help dansk\n"
           "  --version      skriv versionsnummeret og afslut\n"
           "  --help, -h     skriv denne hjælp og afslut\n"
           "Qt's egne tilvalg til vinduet (fx -platform NAVN, -style NAVN, -reverse) gives\n"
           "videre til Qt. Et ukendt tilvalg afsluttes med status 2.\n"
           "\n" +
           ScriptHelp(catalogue);
}

}  // namespace viv
