// Paths of the files the program reads beside itself or in its installed data directory.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace viv {

// `name` inside `directory`, with exactly one separator between them (a directory that
// is the root of the file system already ends in one); just `name` for no directory.
std::string JoinPath(std::string_view directory, std::string_view name);

// The installed data directory (photograph, guidance text, help) of a program whose
// executable lies in `programDirectory`: `share/vivarnon` beside the `bin` it is in,
// so that an installation can be moved to any prefix.
std::string InstalledDataDirectory(std::string_view programDirectory);

// The directory the program takes its data files from: the first of `candidates` where
// `probe` (a file every installation has) exists; the first candidate when none has it.
// `exists` tells whether a path names an existing file.
template <class Exists>
std::string FindDataDirectory(std::initializer_list<std::string_view> candidates,
                              std::string_view probe, Exists&& exists) {
    for (std::string_view directory : candidates)
        if (!directory.empty() && exists(JoinPath(directory, probe))) return std::string(directory);
    return candidates.size() > 0 ? std::string(*candidates.begin()) : std::string();
}

}  // namespace viv
