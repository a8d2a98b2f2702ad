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

std::string InstalledDataDirectory(std::string_view programDirectory) {
    while (programDirectory.size() > 1 &&
           (programDirectory.back() == '/' || programDirectory.back() == '\\'))
        programDirectory.remove_suffix(1);
    // The parent of the program's directory; "bin" directly under the root has "/" as parent.
    const std::size_t cut = programDirectory.find_last_of("/\\");
    std::string prefix;
    if (cut == std::string_view::npos)
        prefix = "..";
    else
        prefix = std::string(programDirectory.substr(0, cut == 0 ? 1 : cut));
    return JoinPath(JoinPath(prefix, "share"), "vivarnon");
}

}  // namespace viv
