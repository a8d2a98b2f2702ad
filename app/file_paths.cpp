#include "app/file_paths.h"

namespace viv {

std::string JoinPath(std::string_view directory, std::string_view name) {
    if (directory.empty()) return std::string(name);
    std::string path(directory);
    while (!name.empty() && (name.front() == '/' || name.front() == '\\')) name.remove_prefix(1);
    if (path.back() != '/' && path.back() != '\\') path += '/';
    path += name;
    return path;
}

}  // namespace viv
