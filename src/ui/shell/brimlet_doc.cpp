// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/shell/brimlet_doc.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <memory>

namespace {

// A name the system can be given: a name with a NUL in it would name another
// file.
bool usable(const QByteArray& fileName) {
    return !fileName.isEmpty() && !fileName.contains('\0');
}

bool isRegular(const QByteArray& fileName) {
    struct stat info {};
    return ::stat(fileName.constData(), &info) == 0 && S_ISREG(info.st_mode);
}

QByteArray absoluteName(const QByteArray& fileName) {
    if (fileName.startsWith('/')) {
        return fileName;
    }
    const std::unique_ptr<char, decltype(&std::free)> folder(::getcwd(nullptr, 0), &std::free);
    if (folder == nullptr) {
        return fileName;
    }
    QByteArray absolute(folder.get());
    if (!absolute.endsWith('/')) {
        absolute += '/';
    }
    return absolute + fileName;
}

}  // namespace

QString CBrimletDoc::path() const {
    return QFile::decodeName(fileName_);
}

QString CBrimletDoc::title() const {
    if (fileName_.isEmpty()) {
        return QCoreApplication::translate("CMainFrame", "Untitled");
    }
    return QFile::decodeName(fileName_.mid(fileName_.lastIndexOf('/') + 1));
}

CBrimletDoc::Result CBrimletDoc::open(const QByteArray& fileName) {
    // Opening a FIFO for reading waits for a writer, and opening a device may
    // act on it: only a regular file is opened, to learn that it can be read,
    // and without waiting (a leased file answers at once).
    if (!usable(fileName) || !isRegular(fileName)) {
        return Result::Failed;
    }
    const int fd = ::open(fileName.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return Result::Failed;
    }
    // The name may have been given to something else since it was looked at.
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    if (!regular) {
        return Result::Failed;
    }
    fileName_ = absoluteName(fileName);
    return Result::Done;
}

CBrimletDoc::Result CBrimletDoc::saveAs(const QByteArray& fileName) {
    if (!usable(fileName)) {
        return Result::Failed;
    }
    struct stat info {};
    if (::stat(fileName.constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            return Result::Failed;
        }
    } else if (errno == ENOENT) {
        const int fd = ::open(fileName.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd < 0) {
            return Result::Failed;
        }
        ::close(fd);
    } else {
        return Result::Failed;
    }
    fileName_ = absoluteName(fileName);
    return Result::Done;
}

CBrimletDoc::Result CBrimletDoc::save() {
    if (fileName_.isEmpty()) {
        return Result::Failed;
    }
    return saveAs(fileName_);
}
