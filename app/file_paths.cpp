// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/file_paths.h"

#include <filesystem>
#include <system_error>

namespace viv {

std::string JoinPath(std::string_view directory, std::string_view name) {
    if (directory.empty()) return std::string(name);
    std::string path(directory);
    while (!name.empty() && (name.front() == '/' || name.front() == '\\')) name.remove_prefix(1);
    const bool backslashes =
        path.find('\\') != std::string::npos && path.find('/') == std::string::npos;
    if (path.back() != '/' && path.back() != '\\') path += backslashes ? '\\' : '/';
    path += name;
    return path;
}

std::string FirstDirectoryHolding(std::span<const std::string> directories,
                                  std::span<const std::string_view> names) {
    for (const std::string_view name : names) {
        for (const std::string& directory : directories) {
            if (directory.empty()) continue;
            std::error_code error;
            if (std::filesystem::is_regular_file(JoinPath(directory, name), error))
                return directory;
        }
    }
    return directories.empty() ? std::string() : directories.front();
}

}  // namespace viv
