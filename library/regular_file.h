// Opening a file the program reads beside itself (the photograph, the set-up file).
// Only a regular file is opened: a named pipe would block the program in open() until
// some other program wrote to it, and a device or a directory is no file to read either.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace viv {

struct FileCloser {
    void operator()(std::FILE* file) const {
        if (file != nullptr) std::fclose(file);
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// The file at `path` opened for binary reading, or nullptr with the reason in `error`.
// Anything but a regular file (after following symbolic links) counts as missing; the
// check and the reading concern the same opened file, so a file swapped in between
// cannot slip through. Never blocks.
FilePtr OpenRegularFile(const std::string& path, std::string& error);

}  // namespace viv
