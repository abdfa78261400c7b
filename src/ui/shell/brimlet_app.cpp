// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/shell/brimlet_app.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "core/files/settings_text.h"
#include "core/files/whole_file.h"
#include "core/resources/version.h"
#include "ui/access/atspi_guard.h"
#include "ui/access/text_accessible.h"
#include "ui/modality/message_box.h"
#include "ui/shell/main_frame.h"
#include "ui/widgets/app_icon.h"

namespace {

// A settings file holds one short line; anything this large is not ours, and
// QSettings would read all of it.
constexpr qint64 kMaxSettingsBytes = 1 << 20;
// Another instance holds the lock only while it writes that line.
constexpr int kLockWaitMs = 250;

QString quoted(const QString& path) {
    return QLatin1Char('\'') + QDir::toNativeSeparators(path) + QLatin1Char('\'');
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
        return errno == ENOENT ? QString()
                               : quoted(path) + QStringLiteral(" cannot be looked at (%1)")
                                                    .arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (!S_ISREG(info.st_mode)) {
        return quoted(path) + QStringLiteral(" is not a regular file");
    }
    if (info.st_size > kMaxSettingsBytes) {
        return quoted(path) + QStringLiteral(" is larger than 1 MB");
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return quoted(path) +
               QStringLiteral(" cannot be read (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    ::close(fd);
    return {};
}

// Whether the process is this program: the same executable, or the one it
// was started from before that file was replaced (an update).
bool isThisProgram(qint64 pid) {
    const auto target = [](const QString& link) {
        QString path = QFile::symLinkTarget(link);
        path.remove(QStringLiteral(" (deleted)"));
        return path;
    };
    const QString mine = target(QStringLiteral("/proc/self/exe"));
    return !mine.isEmpty() && target(QStringLiteral("/proc/%1/exe").arg(pid)) == mine;
}

// Why a lock file that QLockFile would take for stale must be left alone:
// it names a process of this machine that still runs and is not this
// program. QLockFile removes such a lock when that process's name differs
// from the one written in the lock (it takes the number for reused).
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
    const bool lives = ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
    if (!lives || isThisProgram(pid)) {
        return {};
    }
    return quoted(lockName) + QStringLiteral(" is held by process %1, which is not this program").arg(pid);
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
// only when it names an ended process of this machine, and one that names
// a running process which is not this program is never removed.
QString addPreviewPages(const QString& fileName) {
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
    const std::string failed =
        text ? whole_file::write(QFile::encodeName(fileName).toStdString(), *text) : "";
    if (!failed.empty()) {
        return quoted(fileName) +
               QStringLiteral(" cannot be written (%1)").arg(QString::fromStdString(failed));
    }
    return {};
}

}  // namespace

CBrimletApp::CBrimletApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("brimlet"));
    setApplicationDisplayName(QString());
    setDesktopFileName(QStringLiteral("io.github.brimlet.Brimlet"));
    // A file that reaches the size limit (`ulimit -f`) fails to be written
    // and is reported as any failed write, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Before any window: the file dialogs' fields answer as the tools' do.
    TextAccessible::install();
    atspi_guard::install();
}

CBrimletApp::~CBrimletApp() = default;

QString CBrimletApp::loadProfileSettings() {
    const QString fileName = settingsFileName();
    QString why = unusable(fileName);
    if (!why.isEmpty()) {
        return why;
    }
    // A file that has the key needs no lock.
    if (withPreviewPages(settingsText(fileName))) {
        return addPreviewPages(fileName);
    }
    return {};
}

void CBrimletApp::useProfileSettings() {
    const QString why = loadProfileSettings();
    if (!why.isEmpty()) {
        std::fprintf(stderr,
                     "brimlet: the settings are not used: %s; starting with the defaults, saving nothing\n",
                     why.toLocal8Bit().constData());
    }
}

bool CBrimletApp::initInstance(const QByteArray& fileName) {
    mainFrame_ = std::make_unique<CMainFrame>();
    if (!fileName.isEmpty() && !mainFrame_->openDocument(fileName)) {
        useProfileSettings();
        // The program ends with status 1 once the user has read why, as the
        // box says it; without a box there is nothing to wait for.
        auto* box = mainFrame_->findChild<QDialog*>(QLatin1String(message_box::kObjectName));
        if (box == nullptr) {
            return false;
        }
        setWindowIcon(appIcon());
        connect(box, &QDialog::finished, this, [] { QCoreApplication::exit(1); });
        return true;
    }
    mainFrame_->show();
    // Nothing on the screen depends on the settings file: it is read, and
    // written where the key is missing, on the first idle pass, once the
    // window is on its way to the screen.
    QTimer::singleShot(0, this, &CBrimletApp::useProfileSettings);
    return true;
}
