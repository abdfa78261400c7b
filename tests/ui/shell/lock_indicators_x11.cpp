// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The lock indicators on a real X server (tests/support/on_xvfb.sh): a lock
// key that another program presses shows, though no window of this one sees
// the key, both as the indicators start and while they run.

#include <QProcess>
#include <QTest>

#include "ui/shell/lock_indicators.h"

namespace {

void pressElsewhere(const QString& key) {
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), key}), 0);
}

}  // namespace

class LockIndicatorsX11 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void followTheServer_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<LockIndicators::Lock>("lock");
        QTest::addColumn<QString>("word");
        // X's default keymap binds no modifier to Scroll Lock: its key lights nothing.
        QTest::newRow("Caps Lock") << "Caps_Lock" << LockIndicators::Lock::Caps << "CAP";
        QTest::newRow("Num Lock") << "Num_Lock" << LockIndicators::Lock::Num << "NUM";
    }

    void followTheServer() {
        QFETCH(QString, key);
        QFETCH(LockIndicators::Lock, lock);
        QFETCH(QString, word);
        pressElsewhere(key);
        LockIndicators locks;
        QCOMPARE(locks.text(lock), word);
        pressElsewhere(key);
        QTRY_COMPARE(locks.text(lock), QString());
        pressElsewhere(key);
        QTRY_COMPARE(locks.text(lock), word);
        pressElsewhere(key);  // the next row starts with every lock off
        QTRY_COMPARE(locks.text(lock), QString());
    }
};

QTEST_MAIN(LockIndicatorsX11)
#include "lock_indicators_x11.moc"
