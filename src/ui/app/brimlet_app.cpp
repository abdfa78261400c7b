#include "ui/app/brimlet_app.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <limits>

#include "core/resources/version.h"
#include "ui/access/atspi_guard.h"
#include "ui/access/text_accessible.h"
#include "ui/app/main_frame.h"
#include "ui/modality/message_box.h"
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

// Adds "PreviewPages=0" to the [Settings] section, every other byte of the
// file as it was (comments, order, spacing): after the first "[Settings]"
// line, or as a new section at the end. QSettings would rewrite the whole
// file in its own form, dropping comments.
//
// QSettings would also wait for the lock for ever, and remove lock files it
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
    QByteArray text;
    QFile in(fileName);
    if (in.exists()) {
        if (!in.open(QIODevice::ReadOnly)) {
            return quoted(fileName) + QStringLiteral(" cannot be read (%1)").arg(in.errorString());
        }
        text = in.read(kMaxSettingsBytes);
        in.close();
    }
    const QByteArray end = text.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
    const QByteArray key = "PreviewPages=0" + end;
    qsizetype line = 0;
    qsizetype after = -1;
    while (line < text.size() && after < 0) {
        qsizetype next = text.indexOf('\n', line);
        next = next < 0 ? text.size() : next + 1;
        if (text.mid(line, next - line).trimmed() == "[Settings]") {
            after = next;
        }
        line = next;
    }
    if (after >= 0) {
        if (after == text.size() && !text.endsWith('\n')) {
            text += end;
            after = text.size();
        }
        text.insert(after, key);
    } else {
        if (!text.isEmpty()) {
            text += text.endsWith('\n') ? end : end + end;
        }
        text += "[Settings]" + end + key;
    }
    QSaveFile out(fileName);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit()) {
        return quoted(fileName) + QStringLiteral(" cannot be written (%1)").arg(out.errorString());
    }
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
    atspi_guard::install();
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
        return addPreviewPages(fileName);
    }
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
        // The program ends with status 1 once the user has read why, as the
        // box says it; without a box there is nothing to wait for.
        auto* box = mainFrame_->findChild<QDialog*>(QLatin1String(message_box::kObjectName));
        if (box == nullptr) {
            return false;
        }
        connect(box, &QDialog::finished, this, [] { QCoreApplication::exit(1); });
        return true;
    }
    mainFrame_->show();
    return true;
}
