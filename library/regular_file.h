// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Opening and reading the files the program reads (the photograph, the guidance text, the
// help, the set-up file, a script). Only a regular file is opened: a named pipe would block the
// program in open() until some other program wrote to it, and a device or a directory is no file to
// read either.
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
enum class ReadStatus { Ok, NotFound, TooLarge, Unreadable };

FilePtr OpenRegularFile(const std::string& path, std::string& error);
// The same, telling a missing file (or no regular file: NotFound) from one that exists but
// cannot be opened (Unreadable, e.g. for want of permission).
FilePtr OpenRegularFile(const std::string& path, std::string& error, ReadStatus& status);

struct FileBytes {
    ReadStatus Status = ReadStatus::NotFound;
    std::string Bytes;  // the whole file when Ok, else empty
    std::string Error;  // why not, for the log (English, from the system)
};

// The whole regular file at `path`, if it holds at most `maxBytes` bytes. Not a regular
// file (a named pipe, a device, a folder) or none at all: NotFound. Larger: TooLarge,
// found from the file's size before anything is read, and checked again while reading
// in case the file grows. A read error: Unreadable.
FileBytes ReadRegularFile(const std::string& path, std::size_t maxBytes);

}  // namespace viv
