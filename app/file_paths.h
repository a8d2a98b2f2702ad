// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Paths of the files the program reads beside itself.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace viv {

// `name` inside `directory`, with exactly one separator between them (a directory that
// is the root of the file system already ends in one); just `name` for no directory.
// The separator is the directory's own: "\" for a directory written with backslashes.
std::string JoinPath(std::string_view directory, std::string_view name);

// The first of `directories` that holds a file called one of `names`, tried name by name
// (the first name in any directory wins over the second); the first directory when none
// holds any. Empty for no directories.
std::string FirstDirectoryHolding(std::span<const std::string> directories,
                                  std::span<const std::string_view> names);

}  // namespace viv
