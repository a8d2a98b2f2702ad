// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Writing a file whole or not at all: every picture, table, print to a file and memo the
// program saves goes through here. The bytes go to a new temporary file beside the target;
// every write, the sync to the disk and the close are checked, and only then does the
// temporary file take the target's name. Any failure leaves an existing file as it was
// and removes the temporary file. A link to a regular file is followed, and the file it
// names is replaced (the link stays); a target that exists and is no regular file (a
// folder, a device, a named pipe, a socket) is refused.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace viv {

// What went wrong, for the user in Danish; empty when the file was written.
struct SaveResult {
    bool Ok = false;
    std::string Reason;  // e.g. "Der er ikke plads på disken"
};

SaveResult SaveFileWhole(const std::string& path, std::string_view bytes);

// The Danish reason shown for a failed save with the system's error number `error`.
std::string SaveFailureReason(int error);

// The function that writes to the temporary file, as write(2). Tests put one in its place
// that fails as a full disk does; `nullptr` restores the system's. Returns the one before.
using SaveWriteFunction = ssize_t (*)(int fd, const void* data, std::size_t size);
SaveWriteFunction ReplaceSaveWriteFunction(SaveWriteFunction write);

}  // namespace viv
