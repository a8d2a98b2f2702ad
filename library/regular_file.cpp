// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/regular_file.h"

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "library/system_calls.h"

namespace viv {

FilePtr OpenRegularFile(const std::string& path, std::string& error) {
    ReadStatus status = ReadStatus::NotFound;
    return OpenRegularFile(path, error, status);
}

FilePtr OpenRegularFile(const std::string& path, std::string& error, ReadStatus& status) {
    error.clear();
    status = ReadStatus::NotFound;
    if (path.empty() || path.find('\0') != std::string::npos) {
        error = "no such file";
        return nullptr;
    }
    // Opening a named pipe with no writer returns at once instead of waiting.
    const int fd = OpenForReadingWithoutWaiting(path.c_str());
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR && errno != ENXIO && errno != ENODEV)
            status = ReadStatus::Unreadable;
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
        status = ReadStatus::Unreadable;
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd, "rb");
    if (file == nullptr) {
        error = std::strerror(errno);
        ::close(fd);
        status = ReadStatus::Unreadable;
        return nullptr;
    }
    status = ReadStatus::Ok;
    return FilePtr(file);
}

FileBytes ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    FileBytes result;
    FilePtr file = OpenRegularFile(path, result.Error, result.Status);
    if (!file) return result;
    struct stat info {};
    if (::fstat(::fileno(file.get()), &info) == 0 && info.st_size > 0 &&
        static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        result.Status = ReadStatus::TooLarge;
        result.Error = "larger than " + std::to_string(maxBytes) + " bytes";
        return result;
    }
    if (info.st_size > 0) result.Bytes.reserve(static_cast<std::size_t>(info.st_size));
    char block[65536];
    for (;;) {
        const std::size_t got = std::fread(block, 1, sizeof block, file.get());
        if (got > maxBytes - result.Bytes.size()) {
            result = FileBytes{
                ReadStatus::TooLarge, {}, "larger than " + std::to_string(maxBytes) + " bytes"};
            return result;
        }
        result.Bytes.append(block, got);
        if (got < sizeof block) break;
    }
    if (std::ferror(file.get()) != 0) {
        result = FileBytes{ReadStatus::Unreadable, {}, std::strerror(errno)};
        return result;
    }
    result.Status = ReadStatus::Ok;
    return result;
}

}  // namespace viv
