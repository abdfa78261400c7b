// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/shell/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "core/files/settings_text.h"
#include "core/files/whole_file.h"
#include "core/resources/version.h"

namespace settings_file {

namespace {

// A settings file holds one short line; anything this large is not ours, and
// QSettings would read all of it.
constexpr qint64 kMaxSettingsBytes = 1 << 20;
// Another instance holds the lock only while it writes that line.
constexpr int kLockWaitMs = 250;

QString quoted(const QString& path) {
    return QLatin1Char('\'') + QDir::toNativeSeparators(path) + QLatin1Char('\'');
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// The per-user file that QSettings keeps for this organisation and
// application, found without reading it (QSettings reads on construction).
QString settingsFileName() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Local AppWizard-Generated Applications/%1.conf")
               .arg(QString::fromUtf8(kProductName));
}

// Why a file that QSettings would read (the settings or their lock) must be
// left alone, or nothing. It is looked at without waiting: a FIFO blocks an
// open for reading, a device may act on one, and a huge file is read whole.
QString unusable(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        return errno == ENOENT
                   ? QString()
                   : quoted(path) + QStringLiteral(" cannot be looked at (%1)").arg(systemReason(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return quoted(path) + QStringLiteral(" is not a regular file");
    }
    if (info.st_size > kMaxSettingsBytes) {
        return quoted(path) + QStringLiteral(" is larger than 1 MB");
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return quoted(path) + QStringLiteral(" cannot be read (%1)").arg(systemReason(errno));
    }
    ::close(fd);
    return {};
}

// Why the settings file (or what its link leads to) must not be written: the
// user has taken the right to write it away. Root may write any file, so for
// root a file that grants writing to no one is write-protected too.
QString writeProtected(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        return {};
    }
    if (::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0) {
        return quoted(path) + QStringLiteral(" is write-protected (%1)").arg(systemReason(errno));
    }
    if (::geteuid() == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return quoted(path) + QStringLiteral(" is write-protected");
    }
    return {};
}

// The file name of the program that process pid runs, as the system shows
// it: "" when it cannot be seen.
QString programOf(qint64 pid) {
    QString path = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
    path.remove(QStringLiteral(" (deleted)"));
    return path;
}

// Why a lock file must be left alone, or nothing: it names a process of this
// machine that still runs. QLockFile would wait for such a lock only when the
// process runs the program the lock's name line names; otherwise it takes the
// number for reused and removes the lock. So a lock of a running process is
// handed to QLockFile only when that process is this program and the name
// line is its own; in every other case the lock is not touched.
QString heldByOther(const QString& lockName) {
    QFile file(lockName);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    // QLockFile writes the process number, the program and the host, a line each.
    const QList<QByteArray> lines = file.read(4096).split('\n');
    bool number = false;
    const qint64 pid = lines.value(0).trimmed().toLongLong(&number);
    const QByteArray host = lines.value(2).trimmed();
    if (!number || pid <= 0 || pid > std::numeric_limits<pid_t>::max() ||
        (!host.isEmpty() && host != QSysInfo::machineHostName().toUtf8())) {
        return {};
    }
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) {
        return {};
    }
    const QString mine = programOf(::getpid());
    const QString theirs = programOf(pid);
    if (mine.isEmpty() || theirs != mine) {
        return quoted(lockName) +
               QStringLiteral(" is held by process %1, which is not this program").arg(pid);
    }
    if (QString::fromLocal8Bit(lines.value(1).trimmed()) != QFileInfo(theirs).fileName()) {
        return quoted(lockName) + QStringLiteral(" is held by process %1 under another name").arg(pid);
    }
    return {};
}

QByteArray settingsText(const QString& fileName) {
    QFile in(fileName);
    return in.open(QIODevice::ReadOnly) ? in.read(kMaxSettingsBytes) : QByteArray();
}

// The settings with "PreviewPages=0" added to the [Settings] section, every
// other byte as it was; nothing when the key is there.
std::optional<std::string> withPreviewPages(const QByteArray& text) {
    return settings_text::withKey(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                                  "Settings", "PreviewPages", "0");
}

// Adds the key, looked for again under the lock: another instance that
// started at the same moment may have added it.
//
// QSettings would wait for the lock for ever, and remove lock files it
// takes for stale. The lock is taken here, briefly; a lock file is removed
// only when it names an ended process of this machine.
QString addPreviewPages(const QString& fileName) {
    if (QString why = writeProtected(fileName); !why.isEmpty()) {
        return why;
    }
    const QString lockName = fileName + QStringLiteral(".lock");
    QString why = unusable(lockName);
    if (why.isEmpty()) {
        why = heldByOther(lockName);
    }
    if (!why.isEmpty()) {
        return quoted(fileName) + QStringLiteral(" cannot be locked (") + why + QLatin1Char(')');
    }
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QLockFile lock(lockName);
    lock.setStaleLockTime(0);
    if (!lock.tryLock(kLockWaitMs)) {
        return quoted(fileName) +
               QStringLiteral(" cannot be locked (%1 is held or damaged)").arg(quoted(lockName));
    }
    QFile in(fileName);
    if (in.exists() && !in.open(QIODevice::ReadOnly)) {
        return quoted(fileName) + QStringLiteral(" cannot be read (%1)").arg(in.errorString());
    }
    const std::optional<std::string> text =
        withPreviewPages(in.isOpen() ? in.read(kMaxSettingsBytes) : QByteArray());
    if (!text) {
        return {};
    }
    // The next start would refuse a file past the limit: the program never
    // makes its own settings unreadable.
    if (static_cast<qint64>(text->size()) > kMaxSettingsBytes) {
        return quoted(fileName) + QStringLiteral(" would grow larger than 1 MB");
    }
    const std::string failed = whole_file::write(QFile::encodeName(fileName).toStdString(), *text);
    if (!failed.empty()) {
        return quoted(fileName) +
               QStringLiteral(" cannot be written (%1)").arg(QString::fromStdString(failed));
    }
    return {};
}

}  // namespace

QString addMissingKey() {
    const QString fileName = settingsFileName();
    if (QString why = unusable(fileName); !why.isEmpty()) {
        return why;
    }
    // A file that has the key needs no lock.
    if (withPreviewPages(settingsText(fileName))) {
        return addPreviewPages(fileName);
    }
    return {};
}

}  // namespace settings_file
