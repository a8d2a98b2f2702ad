// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/system_calls.h"

#include <fcntl.h>

#include <cstdlib>

namespace viv {

#ifdef _WIN32

// Windows has no named pipes in its file system: a plain open never waits.
int OpenForReadingWithoutWaiting(const char* path) {
    return ::_open(path, _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

bool WaitOnReads(int) {
    return true;
}

void SetEnvironmentDefault(const char* name, const char* value) {
    std::size_t length = 0;
    if (::getenv_s(&length, nullptr, 0, name) == 0 && length > 0) return;
    ::_putenv_s(name, value);
}

#else

int OpenForReadingWithoutWaiting(const char* path) {
    return ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
}

bool WaitOnReads(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags != -1 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != -1;
}

void SetEnvironmentDefault(const char* name, const char* value) {
    ::setenv(name, value, 0);
}

#endif

}  // namespace viv
