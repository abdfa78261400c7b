#include "ui/app/brimlet_app.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "ui/app/main_frame.h"
#include "ui/dialog/app_icon.h"
#include "ui/dialog/text_accessible.h"

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
           QStringLiteral("/Local AppWizard-Generated Applications/Brimlet 5.conf");
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

// QSettings takes its lock (the file name and ".lock") before writing and
// waits for it for ever, and it removes lock files it thinks stale. The lock
// is tried here first, briefly, and a lock file that names no ended process
// of this machine is never removed.
QString unlockable(const QString& fileName) {
    const QString lockName = fileName + QStringLiteral(".lock");
    QString why = unusable(lockName);
    if (!why.isEmpty()) {
        return why;
    }
    QDir().mkpath(QFileInfo(fileName).absolutePath());  // as QSettings would, to lock
    QLockFile lock(lockName);
    lock.setStaleLockTime(0);
    if (!lock.tryLock(kLockWaitMs)) {
        return quoted(fileName) +
               QStringLiteral(" cannot be locked (%1 is held or damaged)").arg(quoted(lockName));
    }
    lock.unlock();
    return {};
}

}  // namespace

CBrimletApp::CBrimletApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("brimlet"));
    setApplicationDisplayName(QString());
    setDesktopFileName(QStringLiteral("io.github.brimlet.Brimlet"));
    setWindowIcon(appIcon());
    // Before any window: the file dialogs' fields answer as the tools' do.
    TextAccessible::install();
}

CBrimletApp::~CBrimletApp() = default;

QString CBrimletApp::loadProfileSettings() {
    const QString fileName = settingsFileName();
    QString why = unusable(fileName);
    if (!why.isEmpty()) {
        return why;
    }
    // The file alone, without the organisation-wide and system-wide files
    // that QSettings(organization, application) also reads.
    QSettings settings(fileName, QSettings::IniFormat);
    const QString key = QStringLiteral("Settings/PreviewPages");
    if (!settings.contains(key)) {
        why = unlockable(fileName);
        if (!why.isEmpty()) {
            return why;
        }
        settings.setValue(key, 0);
    }
    settings.sync();
    return {};
}

bool CBrimletApp::initInstance(const QByteArray& fileName) {
    const QString why = loadProfileSettings();
    if (!why.isEmpty()) {
        std::fprintf(stderr,
                     "brimlet: the settings are not used: %s; starting with the defaults, saving nothing\n",
                     why.toLocal8Bit().constData());
    }
    mainFrame_ = std::make_unique<CMainFrame>();
    if (!fileName.isEmpty() && !mainFrame_->openDocument(fileName)) {
        return false;
    }
    mainFrame_->show();
    return true;
}
