// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// Every tool opened and closed a thousand times through its menu item: the
// windows, their widgets and their memory must go away with each close.
//
// BRIMLET_SOAK_ROUNDS sets the number of rounds (each opens all 23 tools).
// Under the sanitizers a hundred: a window used after its release or a leak
// shows in the first round, and their quarantine makes the resident memory
// of the thousand meaningless.
// Resident memory is printed; allocators keep some of what they are given
// back, so it is only held to a generous bound.

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include <vector>

#include "core/commands/command_table.h"
#include "support/window_harness.h"

namespace {

constexpr int kDefaultRounds = BRIMLET_SANITIZED ? 100 : 1000;
constexpr qint64 kRssGrowthLimitKb = 20 * 1024;
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif

qint64 residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').constFirst().toLongLong();
        }
    }
    return -1;
}

int rounds() {
    bool ok = false;
    const int value = qEnvironmentVariable("BRIMLET_SOAK_ROUNDS").toInt(&ok);
    return ok && value > 0 ? value : kDefaultRounds;
}

qsizetype liveToolWindows() {
    return harness::mainFrame().findChildren<ToolWindow*>(Qt::FindDirectChildrenOnly).size();
}

// What a closed tool must give back besides its window: its widgets, every
// object it hung on the main window, and its platform window.
struct Census {
    qsizetype toolWindows = liveToolWindows();
    qsizetype widgets = QApplication::allWidgets().size();
    qsizetype frameObjects = harness::mainFrame().findChildren<QObject*>().size();
    qsizetype platformWindows = QGuiApplication::allWindows().size();

    QString differenceFrom(const Census& start) const {
        QString text;
        const auto add = [&text](const char* what, qsizetype now, qsizetype then) {
            if (now != then) {
                text +=
                    QStringLiteral(" %1 %2 (%3 at the start)").arg(QLatin1String(what)).arg(now).arg(then);
            }
        };
        add("tool windows", toolWindows, start.toolWindows);
        add("widgets", widgets, start.widgets);
        add("objects under the main window", frameObjects, start.frameObjects);
        add("platform windows", platformWindows, start.platformWindows);
        return text;
    }
};

enum class Closing { Reject, CloseBox, Escape };

// Chooses every tool's menu item once, so that all 23 windows are open side by
// side, then closes them newest first.
bool openAndCloseAll(Closing closing) {
    const qsizetype before = liveToolWindows();
    const std::vector<QPointer<ToolWindow>> opened = harness::openEveryTool();
    if (liveToolWindows() != before + static_cast<qsizetype>(opened.size())) {
        return false;
    }
    for (const QPointer<ToolWindow>& window : opened) {
        if (window == nullptr || !window->isVisible()) {
            return false;
        }
    }
    for (auto window = opened.rbegin(); window != opened.rend(); ++window) {
        switch (closing) {
            case Closing::Reject:
                (*window)->reject();
                break;
            case Closing::CloseBox:
                (*window)->close();
                break;
            case Closing::Escape:
                QTest::keyClick(window->data(), Qt::Key_Escape);
                break;
        }
    }
    // One turn of the event loop, as the program would take between the
    // user's actions: events posted meanwhile would otherwise pile up, and
    // every window's destruction searches the whole queue for its own.
    QCoreApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QPointer<ToolWindow>& window : opened) {
        if (window != nullptr) {
            return false;
        }
    }
    return true;
}

}  // namespace

Q_DECLARE_METATYPE(Closing)

class SoakTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        harness::mainFrame();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void everyCloseReleasesItsWindow_data() {
        QTest::addColumn<Closing>("closing");
        QTest::newRow("reject") << Closing::Reject;
        QTest::newRow("close box") << Closing::CloseBox;
        QTest::newRow("Esc") << Closing::Escape;
    }

    void everyCloseReleasesItsWindow() {
        QFETCH(Closing, closing);
        const Census start;
        QVERIFY(openAndCloseAll(closing));
        const QString difference = Census().differenceFrom(start);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void roundsReturnToTheStart() {
        const int count = rounds();
        const Census start;
        const qint64 startKb = residentKb();
        QVERIFY(startKb > 0);

        // One round first, so that fonts, styles and caches that live for the
        // whole process are in place before the figure that matters is taken.
        QVERIFY(openAndCloseAll(Closing::Reject));
        const qint64 warmKb = residentKb();

        for (int round = 0; round < count; ++round) {
            const Closing closing = round % 2 == 0 ? Closing::Reject : Closing::CloseBox;
            QVERIFY2(openAndCloseAll(closing), qPrintable(QStringLiteral("round %1").arg(round)));
            const QString difference = Census().differenceFrom(start);
            QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("round %1:").arg(round) + difference));
        }
        const qint64 endKb = residentKb();
        qInfo(
            "soak: %d rounds, %d openings; VmRSS %lld kB at start, %lld kB after warm-up, "
            "%lld kB after the rounds (%+lld kB)",
            count, count * static_cast<int>(toolCommands().size()), static_cast<long long>(startKb),
            static_cast<long long>(warmKb), static_cast<long long>(endKb),
            static_cast<long long>(endKb - warmKb));
        // AddressSanitizer's quarantine holds freed memory back, so under it
        // resident memory says nothing about what the program gave back.
        QVERIFY2(kAddressSanitizer || endKb - warmKb < kRssGrowthLimitKb,
                 qPrintable(QStringLiteral("resident memory grew by %1 kB").arg(endKb - warmKb)));
    }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
