// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/files/whole_file.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <system_error>

namespace whole_file {

namespace {

std::string reason(int error) {
    return error == 0 ? std::string() : std::generic_category().message(error);
}

// Where a path ends: a name of the file system, or an open stream that the
// name stands for (/dev/stdout, /proc/self/fd/1, /dev/fd/3, another
// process's /proc/PID/fd/N).
struct Destination {
    enum class Kind { Name, OwnStream, OtherStream } kind = Kind::Name;
    std::string path;  // the name the links end at, or the stream's link
    int fd = -1;       // an own stream's descriptor
    int error = 0;     // why the path leads nowhere (a loop of links)
};

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".")
           : slash == 0               ? std::string("/")
                                      : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process whose descriptor the path names, or 0: the path is a number
// in /proc/PID/fd or /proc/PID/task/TID/fd, however it was reached
// (/dev/fd and /proc/self are links to them).
long streamOwner(const std::string& path) {
    if (!allDigits(nameOf(path))) {
        return 0;
    }
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(folderOf(path).c_str(), nullptr),
                                                           &std::free);
    std::string_view folder = real ? real.get() : "";
    if (!folder.starts_with("/proc/") || !folder.ends_with("/fd")) {
        return 0;
    }
    folder.remove_prefix(6);
    folder.remove_suffix(3);
    const std::string_view pid = folder.substr(0, folder.find('/'));
    const std::string_view rest = folder.substr(pid.size());
    if (!allDigits(pid) || !(rest.empty() || (rest.starts_with("/task/") && allDigits(rest.substr(6))))) {
        return 0;
    }
    return std::strtol(std::string(pid).c_str(), nullptr, 10);
}

// Follows the path's links one by one, as the system does (a link's
// relative target is taken from the link's folder), so that a link to a
// picture keeps pointing to it, and stops at a link that stands for an open
// stream: its target names what the stream was opened on, not the stream.
Destination destinationOf(std::string path) {
    // The system's own limit on links in a row.
    for (int hops = 0; hops <= 40; ++hops) {
        if (const long owner = streamOwner(path); owner != 0) {
            const bool own = owner == ::getpid();
            return {own ? Destination::Kind::OwnStream : Destination::Kind::OtherStream, path,
                    own ? std::atoi(nameOf(path).c_str()) : -1};
        }
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
        if (length <= 0 || length == static_cast<ssize_t>(sizeof target)) {
            return {Destination::Kind::Name, path};
        }
        std::string next(target, static_cast<std::size_t>(length));
        const std::size_t slash = path.rfind('/');
        if (next.front() != '/' && slash != std::string::npos) {
            next.insert(0, path, 0, slash + 1);
        }
        path = std::move(next);
    }
    return {Destination::Kind::Name, path, -1, ELOOP};
}

// Writes every byte, going on after a write that was interrupted or took part.
int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno != EINTR) {
            return errno;
        }
        bytes.remove_prefix(written > 0 ? static_cast<std::size_t>(written) : 0);
    }
    return 0;
}

int closeChecked(int fd, int error) {
    return ::close(fd) != 0 && error == 0 ? errno : error;
}

int writeStream(int fd, std::string_view bytes) {
    return fd < 0 ? errno : closeChecked(fd, writeAll(fd, bytes));
}

// An own descriptor is written where it stands: at the end of a file opened
// for appending, after what was written before into one opened with
// truncation. Opening /proc/self/fd/N again would start a new offset at 0.
int writeOwnStream(int fd, std::string_view bytes) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0) {
        return errno;
    }
    return (flags & O_ACCMODE) == O_RDONLY ? EBADF : writeAll(fd, bytes);
}

// A new file beside the target, made with the permissions a new file gets
// (the umask applies); -1 and errno when none can be made. Its name is the
// target's, cut (at a character's start) where a longer one would not fit.
int createBeside(const std::string& target, std::string& name) {
    static std::atomic<unsigned> made{0};
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string suffix = '.' + std::to_string(::getpid()) + '-' + std::to_string(made++) + ".new";
        std::string base = nameOf(target);
        std::size_t room = NAME_MAX - 1 - suffix.size();
        if (base.size() > room) {
            while (room > 0 && (static_cast<unsigned char>(base[room]) & 0xC0) == 0x80) {
                --room;
            }
            base.resize(room);
        }
        name = folder + '.' + base + suffix;
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// A rename cannot keep what the user had: the caller writes in place.
constexpr int kCannotKeep = -1;

bool cannotReplace(int error) {
    return error == EACCES || error == EPERM || error == EXDEV || error == EBUSY;
}

// The new file beside the target, renamed over it. With the old file's
// status, its mode, owner and group are given to the new one first.
int replace(const std::string& target, std::string_view bytes, const struct stat* old) {
    std::string temporary;
    const int fd = createBeside(target, temporary);
    if (fd < 0) {
        return old != nullptr && cannotReplace(errno) ? kCannotKeep : errno;
    }
    int error = writeAll(fd, bytes);
    struct stat made {};
    if (error == 0 && old != nullptr && ::fstat(fd, &made) == 0 &&
        (made.st_uid != old->st_uid || made.st_gid != old->st_gid) &&
        ::fchown(fd, old->st_uid, old->st_gid) != 0) {
        error = kCannotKeep;
    }
    // After the owner: giving a file away clears its set-user-ID bits.
    if (error == 0 && old != nullptr && ::fchmod(fd, old->st_mode & 07777) != 0) {
        error = errno;
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    error = closeChecked(fd, error);
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = old != nullptr && cannotReplace(errno) ? kCannotKeep : errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
    }
    return error;
}

// Writes the file through its open descriptor, as the shell's '>' does:
// only so do its other names, its owner and its group stay. Whole or
// nothing is then out of reach, so what can be found out before the first
// byte changes is: the file-size limit, and the room on the disk (reserved
// without changing the file's length, where the file system can).
int writeInPlace(int fd, std::string_view bytes) {
    const auto size = static_cast<off_t>(bytes.size());
    struct rlimit limit {};
    int error = 0;
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        bytes.size() > limit.rlim_cur) {
        error = EFBIG;
    } else if (size > 0 && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) != 0 &&
               (errno == ENOSPC || errno == EDQUOT || errno == EFBIG)) {
        error = errno;
    } else if (::lseek(fd, 0, SEEK_SET) != 0) {
        error = errno;
    } else if ((error = writeAll(fd, bytes)) == 0 && ::ftruncate(fd, size) != 0) {
        error = errno;
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    return closeChecked(fd, error);
}

int writeNamed(const std::string& target, std::string_view bytes) {
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0) {
        // A name not there yet (or a link to one) is made; any other answer
        // (a loop, a folder not searchable) is the shell's refusal too.
        return errno == ENOENT ? replace(target, bytes, nullptr) : errno;
    }
    // What the shell may not open for writing is not written; what it may, is.
    const int fd = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    if (!S_ISREG(old.st_mode)) {
        // A terminal, a FIFO or a device cannot be replaced.
        return writeStream(fd, bytes);
    }
    if (old.st_nlink > 1) {
        return writeInPlace(fd, bytes);
    }
    const int error = replace(target, bytes, &old);
    return error == kCannotKeep ? writeInPlace(fd, bytes) : closeChecked(fd, error);
}

}  // namespace

std::string write(const std::string& path, std::string_view bytes) {
    const Destination destination = destinationOf(path);
    if (destination.error != 0) {
        return reason(destination.error);
    }
    switch (destination.kind) {
        case Destination::Kind::OwnStream:
            return reason(writeOwnStream(destination.fd, bytes));
        case Destination::Kind::OtherStream:
            // Another process's stream has its own offset: added to, never cut.
            return reason(writeStream(
                ::open(destination.path.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC), bytes));
        case Destination::Kind::Name:
            break;
    }
    return reason(writeNamed(destination.path, bytes));
}

}  // namespace whole_file
