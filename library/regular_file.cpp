#include "library/regular_file.h"

#include <cerrno>
#include <cstring>

#include "library/system_calls.h"

namespace viv {

FilePtr OpenRegularFile(const std::string& path, std::string& error) {
    error.clear();
    if (path.empty() || path.find('\0') != std::string::npos) {
        error = "no such file";
        return nullptr;
    }
    // Opening a named pipe with no writer returns at once instead of waiting.
    const int fd = OpenForReadingWithoutWaiting(path.c_str());
    if (fd < 0) {
        error = std::strerror(errno);
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = std::strerror(errno);
        ::close(fd);
        return nullptr;
    }
    if (!S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? "a directory, not a file" : "not a regular file";
        ::close(fd);
        return nullptr;
    }
    // Reads of a regular file wait for the disk as usual.
    if (!WaitOnReads(fd)) {
        error = std::strerror(errno);
        ::close(fd);
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd, "rb");
    if (file == nullptr) {
        error = std::strerror(errno);
        ::close(fd);
        return nullptr;
    }
    return FilePtr(file);
}

}  // namespace viv
