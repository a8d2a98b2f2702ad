// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The scripted mode's commands: one table of every command with the number and kind of its
// arguments and the routine that runs it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "app/app.h"
#include "app/script.h"

namespace viv::script {

// A line the scripted mode cannot run; `what` is told after "line N: ".
struct BadLine {
    std::string what;
};

// What a command works on: the started program, its host and where its output goes.
struct Session {
    App& app;
    ScriptHost& host;
    std::ostream& out;
};

// How a command's arguments are read before its routine runs.
enum class ArgumentKind : std::uint8_t {
    WholeNumbers,  // each read into Line::Numbers; "missing width", "width is not a whole ..."
    Words,         // handed over as written; "missing file name"
    OnOff,         // "on" or "off"; anything else, or nothing, is told the command's usage
};

// One line of the script, its arguments read: Words[0] is the command, Words[1] its first
// argument; a command of whole numbers finds its arguments in Numbers, the first at [0].
struct Line {
    std::vector<std::string> Words;
    std::array<long, 4> Numbers{};
    std::string_view Usage;  // the command's usage line, for an argument it cannot take
};

// A command of the scripted mode: its name, how many arguments it takes and of what kind,
// and the routine that runs it once they are read.
struct Command {
    std::string_view Name;
    std::size_t RequiredArguments;
    std::size_t MaxArguments;
    ArgumentKind Kind;
    // The arguments as the messages name them, in order.
    std::array<std::string_view, 4> ArgumentNames;
    // What an argument the command cannot take is told ("present takes on or off"), where
    // the command has such a line.
    std::string_view Usage;
    void (*Run)(Session& session, const Line& line);
};

// The command of that name, or nullptr.
const Command* FindCommand(std::string_view name);

}  // namespace viv::script
