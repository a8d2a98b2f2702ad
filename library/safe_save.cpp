// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/safe_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace viv {

namespace {

ssize_t SystemWrite(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

SaveWriteFunction currentWrite = &SystemWrite;

constexpr int kTemporaryNameAttempts = 100;
constexpr std::size_t kMaxNameStem = 100;  // bytes of the target's name kept in the temporary's

SaveResult Failed(std::string reason) {
    return SaveResult{false, std::move(reason)};
}
SaveResult FailedWith(int error) {
    return Failed(SaveFailureReason(error));
}

// The folder part of `path` ("." for a bare name) and the name in it.
void SplitPath(const std::string& path, std::string& folder, std::string& name) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        folder = ".";
        name = path;
    } else {
        folder = slash == 0 ? "/" : path.substr(0, slash);
        name = path.substr(slash + 1);
    }
}

// What an existing target is, after following links to its end.
struct Target {
    std::string Path;     // the file the bytes replace (a link's end) or create
    bool Exists = false;  // an existing regular file is replaced
    struct stat Info {};
};

// Resolves `path` to the file a save replaces; a failure's reason otherwise.
SaveResult ResolveTarget(const std::string& path, Target& target) {
    target.Path = path;
    struct stat own {};
    if (::lstat(path.c_str(), &own) != 0) {
        if (errno == ENOENT)
            return SaveResult{true, {}};  // a new file (its folder is checked later)
        return FailedWith(errno);
    }
    if (S_ISLNK(own.st_mode)) {
        const std::unique_ptr<char, decltype(&std::free)> end(::realpath(path.c_str(), nullptr),
                                                              &std::free);
        if (!end)
            return errno == ENOENT ? Failed("Linket fører ikke til nogen fil") : FailedWith(errno);
        target.Path = end.get();
        if (::stat(target.Path.c_str(), &own) != 0) return FailedWith(errno);
    }
    if (S_ISDIR(own.st_mode)) return Failed("Navnet er en mappe");
    if (!S_ISREG(own.st_mode)) return Failed("Navnet er ikke en almindelig fil");
    target.Exists = true;
    target.Info = own;
    return SaveResult{true, {}};
}

// Writes all of `bytes` to `fd`; the system's error number on failure.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = currentWrite(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        // A regular file that takes nothing has no room left.
        if (written == 0) return ENOSPC;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// A new, empty file beside `target` that no one else has opened; -1 with errno on failure.
int CreateTemporary(const Target& target, std::string& temporary) {
    std::string folder, name;
    SplitPath(target.Path, folder, name);
    static int counter = 0;
    const mode_t mode = target.Exists ? (target.Info.st_mode & 07777) : 0666;
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temporary = (folder == "/" ? std::string("/") : folder + "/") + "." +
                    name.substr(0, kMaxNameStem) + "." + std::to_string(::getpid()) + "." +
                    std::to_string(++counter) + ".tmp";
        const int fd =
            ::open(temporary.c_str(),
                   O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Makes the data of `folder`'s entries durable; best effort (not every file system can).
void SyncFolder(const std::string& path) {
    std::string folder, name;
    SplitPath(path, folder, name);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string SaveFailureReason(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return "Der er ikke plads på disken";
        case EACCES:
        case EPERM:
            return "Adgang nægtet";
        case EROFS:
            return "Disken er skrivebeskyttet";
        case ENOENT:
        case ENOTDIR:
            return "Mappen findes ikke";
        case ENAMETOOLONG:
            return "Filnavnet er for langt";
        case EISDIR:
            return "Navnet er en mappe";
        case ELOOP:
            return "Stien har for mange link";
        case EFBIG:
            return "Filen er for stor";
        case EIO:
            return "Fejl ved skrivning til disken";
        case EMFILE:
        case ENFILE:
            return "For mange åbne filer";
        case EBUSY:
        case ETXTBSY:
            return "Filen er i brug";
        default:
            return std::string("Filen kunne ikke skrives (") + std::strerror(error) + ")";
    }
}

SaveWriteFunction ReplaceSaveWriteFunction(SaveWriteFunction write) {
    const SaveWriteFunction before = currentWrite;
    currentWrite = write != nullptr ? write : &SystemWrite;
    return before;
}

SaveResult SaveFileWhole(const std::string& path, std::string_view bytes) {
    if (path.empty() || path.find('\0') != std::string::npos) return Failed("Intet filnavn");
    Target target;
    if (SaveResult resolved = ResolveTarget(path, target); !resolved.Ok) return resolved;

    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) return FailedWith(errno);
    // The old file's permissions and owner go over to the new one.
    if (target.Exists) {
        (void)::fchmod(fd, target.Info.st_mode & 07777);
        // Where the owner cannot be given back (a file system without owners), the new file
        // keeps the saving user's: the save itself goes on.
        if (::geteuid() == 0 && ::fchown(fd, target.Info.st_uid, target.Info.st_gid) != 0) {
        }
    }
    int error = WriteAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL) error = errno;
    if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.Path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return FailedWith(error);
    }
    SyncFolder(target.Path);
    return SaveResult{true, {}};
}

}  // namespace viv
