// Paths of the files the program reads beside itself.
#pragma once

#include <string>
#include <string_view>

namespace viv {

// `name` inside `directory`, with exactly one separator between them (a directory that
// is the root of the file system already ends in one); just `name` for no directory.
std::string JoinPath(std::string_view directory, std::string_view name);

}  // namespace viv
