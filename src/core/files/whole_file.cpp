#include "core/files/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <system_error>

namespace whole_file {

namespace {

std::string reason(int error) {
    return std::generic_category().message(error);
}

// The name the path ends at, its links followed one by one as the system
// does (a link's relative target is taken from the link's folder), so that
// a link to a picture keeps pointing to it.
std::string finalName(std::string path) {
    // The system's own limit on links in a row.
    for (int hops = 0; hops < 40; ++hops) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
        if (length <= 0 || length == static_cast<ssize_t>(sizeof target)) {
            break;
        }
        std::string next(target, static_cast<std::size_t>(length));
        const std::size_t slash = path.rfind('/');
        if (next.front() != '/' && slash != std::string::npos) {
            next.insert(0, path, 0, slash + 1);
        }
        path = std::move(next);
    }
    return path;
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

// A new file beside the target, made with the permissions a new file gets
// (the umask applies) unless the old file's are given; -1 and errno when none can be made.
int createBeside(const std::string& target, std::string& name) {
    static std::atomic<unsigned> made{0};
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + '.' + base + '.' + std::to_string(::getpid()) + '-' + std::to_string(made++) + ".new";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

}  // namespace

std::string write(const std::string& path, std::string_view bytes) {
    // Looked at through the system's own following of links, which knows
    // /dev/stdout to be the process's output, whatever that is.
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) {
            return reason(errno);
        }
        const int error = closeChecked(fd, writeAll(fd, bytes));
        return error == 0 ? std::string() : reason(error);
    }
    const std::string target = finalName(path);
    std::string temporary;
    const int fd = createBeside(target, temporary);
    if (fd < 0) {
        return reason(errno);
    }
    int error = writeAll(fd, bytes);
    if (error == 0 && exists && ::fchmod(fd, old.st_mode & 07777) != 0) {
        error = errno;
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    error = closeChecked(fd, error);
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return reason(error);
    }
    return {};
}

}  // namespace whole_file
