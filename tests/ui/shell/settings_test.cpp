// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The settings the program keeps, and settings files it must leave alone.

#include <sys/stat.h>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <map>

#include "core/files/settings_text.h"
#include "support/window_harness.h"
#include "ui/shell/brimlet_app.h"

using harness::mainFrame;

class SettingsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { harness::closeAllTools(); }

    void settingsKeyIsCreated() {
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        CBrimletApp::loadProfileSettings();
        QSettings settings(QStringLiteral("Local AppWizard-Generated Applications"),
                           QStringLiteral("Brimlet 5"));
        QVERIFY(settings.fileName().startsWith(home.path()));
        QCOMPARE(settings.value(QStringLiteral("Settings/PreviewPages")).toInt(), 0);
        QVERIFY(settings.contains(QStringLiteral("Settings/PreviewPages")));
        qunsetenv("XDG_CONFIG_HOME");
    }

    // A settings file or lock that QSettings would wait on, or read whole, is
    // left as it is: the program starts with the defaults and says why.
    void damagedSettingsAreLeftAlone_data() {
        QTest::addColumn<QString>("settings");  // what the settings file is; "" for none
        QTest::addColumn<QString>("lock");      // what its lock file is
        QTest::addColumn<bool>("used");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QByteArray>("after");  // the settings file then, when it is written
        struct Row {
            const char* name;
            const char* settings;
            const char* lock;
            bool used;
            bool written;
            const char* after = "";
        };
        const Row rows[] = {
            {"settings a FIFO", "fifo", "", false, false},
            {"settings a directory", "directory", "", false, false},
            {"settings over 1 MB", "huge", "", false, false},
            {"settings unreadable", "unreadable", "", false, false},
            {"lock a directory", "", "directory", false, false},
            {"lock a FIFO", "", "fifo", false, false},
            {"lock unreadable", "", "unreadable", false, false},
            {"key missing, lock unreadable", "other key", "unreadable", false, false},
            {"key there, lock a FIFO", "key", "fifo", true, false},  // nothing to write, nothing locked
            {"garbage but regular", "garbage", "", true, true},
            {"key missing, lock of a running other program", "other key", "running other", false, false},
            {"key missing, lock of this program under another name", "other key", "running this", false,
             false},
            {"key missing, write-protected", "read-only", "", false, false},
            {"key missing, write-protected behind a link", "link to read-only", "", false, false},
            {"key would grow it past 1 MB", "nearly huge", "", false, false},
            {"key missing, lock of an ended process", "other key", "ended", true, true,
             "[Other]\nx=1\n\n[Settings]\nPreviewPages=0\n"},
            {"comments and line ends kept", "comments", "", true, true,
             "; the user's note\r\n[Other]\r\nx=1\r\n# kept too\r\n\r\n[Settings]\r\nPreviewPages=0\r\n"},
            {"added to its section", "section", "", true, true,
             "[Settings]\nPreviewPages=0\n; pages\nOther=1\n"},
            // The key is read as it is written: no line continues another.
            {"key after a backslash", "backslash", "", true, false},
            {"added after a byte-order mark", "bom", "", true, true,
             "\xEF\xBB\xBF[Settings]\nPreviewPages=0\n"},
            {"added with carriage returns", "cr", "", true, true, "[Settings]\rPreviewPages=0\rx=1\r"},
            {"added below a commented header", "commented", "", true, true,
             "[Settings] ; mine\nPreviewPages=0\n"},
        };
        for (const Row& row : rows) {
            QTest::newRow(row.name) << QString::fromLatin1(row.settings) << QString::fromLatin1(row.lock)
                                    << row.used << row.written << QByteArray(row.after);
        }
    }

    void damagedSettingsAreLeftAlone() {
        QFETCH(QString, settings);
        QFETCH(QString, lock);
        QFETCH(bool, used);
        QFETCH(bool, written);
        QFETCH(QByteArray, after);
        if (settings == QLatin1String("unreadable") && ::geteuid() == 0) {
            QSKIP("root reads any file");
        }
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        const auto restore = qScopeGuard([] { qunsetenv("XDG_CONFIG_HOME"); });
        const QString folder = home.filePath(QStringLiteral("Local AppWizard-Generated Applications"));
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + QStringLiteral("/Brimlet 5.conf");
        const std::function<bool(const QString&, const QString&)> make = [&make](const QString& path,
                                                                                 const QString& kind) {
            const QByteArray name = QFile::encodeName(path);
            QFile regular(path);
            if (kind == QLatin1String("fifo")) {
                return ::mkfifo(name.constData(), 0600) == 0;
            }
            if (kind == QLatin1String("directory")) {
                return ::mkdir(name.constData(), 0700) == 0;
            }
            if (kind.isEmpty() || !regular.open(QIODevice::WriteOnly)) {
                return kind.isEmpty();
            }
            if (kind == QLatin1String("huge") || kind == QLatin1String("nearly huge")) {
                return regular.resize((1 << 20) + (kind == QLatin1String("huge") ? 1 : -8));
            }
            if (kind == QLatin1String("link to read-only")) {
                regular.remove();
                return make(path + QStringLiteral(".mine"), QStringLiteral("read-only")) &&
                       QFile::link(path + QStringLiteral(".mine"), path);
            }
            // A lock names its process, program and host; process 1 runs and is not this program.
            const QByteArray host = QSysInfo::machineHostName().toUtf8();
            const std::map<QString, QByteArray> contents{
                {QStringLiteral("key"), "[Settings]\nPreviewPages=3\n"},
                {QStringLiteral("other key"), "[Other]\nx=1\n"},
                {QStringLiteral("read-only"), "[Other]\nx=1\n"},
                {QStringLiteral("garbage"), "\x01\xff[[=\n[Settings\n"},
                {QStringLiteral("comments"), "; the user's note\r\n[Other]\r\nx=1\r\n# kept too"},
                {QStringLiteral("section"), "[Settings]\n; pages\nOther=1\n"},
                {QStringLiteral("backslash"), "[Other]\npath=C:\\temp\\\n[Settings]\nPreviewPages=0\n"},
                {QStringLiteral("bom"), "\xEF\xBB\xBF[Settings]\n"},
                {QStringLiteral("cr"), "[Settings]\rx=1\r"},
                {QStringLiteral("commented"), "[Settings] ; mine\n"},
                {QStringLiteral("running other"), "1\ninit\n" + host + "\n"},
                {QStringLiteral("ended"), "2147483646\nbrimlet\n" + host + "\n"},
                {QStringLiteral("running this"),
                 QByteArray::number(QCoreApplication::applicationPid()) + "\nbrimlet-old\n" + host + "\n"},
            };
            const auto content = contents.find(kind);
            regular.write(content != contents.end() ? content->second : QByteArray());
            if (kind == QLatin1String("read-only")) {
                return regular.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup);
            }
            return kind != QLatin1String("unreadable") || regular.setPermissions(QFileDevice::Permissions());
        };
        QVERIFY(make(file, settings));
        QVERIFY(make(file + QStringLiteral(".lock"), lock));
        const auto listing = [&folder] {
            QStringList entries;
            for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::System |
                                                                     QDir::Hidden | QDir::NoDotAndDotDot)) {
                entries << QStringLiteral("%1 %2 %3 %4")
                               .arg(entry.fileName())
                               .arg(entry.size())
                               .arg(entry.lastModified().toMSecsSinceEpoch())
                               .arg(int(entry.permissions()));
            }
            return entries;
        };
        const QStringList before = listing();

        const QString why = CBrimletApp::loadProfileSettings();
        QCOMPARE(why.isEmpty(), used);
        QCOMPARE(listing() != before, written);
        if (used) {
            QFile kept(file);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            const QByteArray text = kept.readAll();
            QVERIFY(!settings_text::withKey(text.toStdString(), "Settings", "PreviewPages", "0"));
            if (!after.isEmpty()) {
                QCOMPARE(text, after);
            }
        } else {
            QVERIFY2(why.contains(file), qPrintable(why));
        }
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
