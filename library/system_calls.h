// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The few calls of the operating system the program makes outside the C++ library, with
// their POSIX and their Windows form: opening a file without waiting on a named pipe, and
// setting an environment variable.
#pragma once

#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#ifndef S_ISREG
#define S_ISREG(mode) (((mode)&_S_IFMT) == _S_IFREG)
#endif
#ifndef S_ISDIR
#define S_ISDIR(mode) (((mode)&_S_IFMT) == _S_IFDIR)
#endif
#else
#include <unistd.h>
#endif

namespace viv {

// Opens `path` for reading and returns its descriptor, or -1 with errno set. Opening a
// named pipe that no program writes to returns at once instead of waiting for a writer.
int OpenForReadingWithoutWaiting(const char* path);

// Lets reads of `fd` wait for their data again, as reads of a regular file do; false (with
// errno set) when the descriptor refuses.
bool WaitOnReads(int fd);

// Sets the environment variable `name` to `value` unless it is set already.
void SetEnvironmentDefault(const char* name, const char* value);

}  // namespace viv
