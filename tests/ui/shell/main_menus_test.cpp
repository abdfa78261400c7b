// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The main window's menus, status bar and accelerators, as a user and an
// assistive tool reach them.

#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include "support/tools.h"
#include "support/window_harness.h"
#include "ui/shell/languages.h"
#include "ui/shell/lock_indicators.h"

using harness::mainFrame;

namespace {

struct MenuItem {
    const char* popup;
    const char* item;
    int commandId;
};

// The menu bar as the user sees it, popup by popup.
const MenuItem kMenu[] = {
    {"&File", "E&xit", 57665},
    {"&Mathematics", "Line Functions", harness::commandOf<Geo>()},
    {"&Mathematics", "Pythagorean Theorem", harness::commandOf<Pythegor>()},
    {"&Mathematics", "Quadratic  Formula", harness::commandOf<Quad>()},
    {"&Physics", "Absolute Uncertainty", harness::commandOf<Uncert>()},
    {"&Physics", "Bend Allowance", harness::commandOf<Bend>()},
    {"&Physics", "Combinations", harness::commandOf<TheCombination>()},
    {"&Physics", "Permutations", harness::commandOf<Permutation>()},
    {"&Physics", "SI Prefixes", harness::commandOf<Prefixes>()},
    {"C&hemistry", "Periodic Table", harness::commandOf<Periodic>()},
    {"&Astronomy", "Solar System Planets Data", harness::commandOf<Planets>()},
    {"Calc&ulators", "Advanced Calculator", harness::commandOf<MyCalculator>()},
    {"Calc&ulators", "Basic Calculator", harness::commandOf<SimpleCalc>()},
    {"&Conversions", "Energy", harness::commandOf<Energy>()},
    {"&Conversions", "Force", harness::commandOf<Force>()},
    {"&Conversions", "Length", harness::commandOf<Length>()},
    {"&Conversions", "Numbers", harness::commandOf<Numbers>()},
    {"&Conversions", "Power", harness::commandOf<Power>()},
    {"&Conversions", "Pressure", harness::commandOf<Pressures>()},
    {"&Conversions", "Radians", harness::commandOf<DegreesRadians>()},
    {"&Conversions", "Speed", harness::commandOf<Speed>()},
    {"&Conversions", "Temperature", harness::commandOf<Degrees>()},
    {"&Conversions", "Time", harness::commandOf<Time>()},
    {"&Conversions", "Weight", harness::commandOf<Weight>()},
    {"&Help", "&About Brimlet 5", 57664},
};

}  // namespace

class MainMenusTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { harness::closeAllTools(); }

    // LANGUAGE counts only where the locale is not C, as gettext has it: this
    // test runs with LANGUAGE=de and LC_ALL=C.
    void languageIgnoredInTheCLocale() {
        QCOMPARE(qgetenv("LANGUAGE"), QByteArray("de"));
        QCOMPARE(installLanguage(*qApp), QString());
    }

    void captionAndStatusBar() {
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("Untitled - Brimlet 5"));
        QVERIFY(!mainFrame().windowIcon().isNull());
        QVERIFY(mainFrame().windowIcon().availableSizes().contains(QSize(128, 128)));
        QCOMPARE(mainFrame().statusMessage(), QStringLiteral("Ready"));
        QVERIFY(mainFrame().statusBar()->isVisible());
        QCOMPARE(mainFrame().statusBar()->objectName(), QStringLiteral("59393"));
    }

    void menuBarInOrder() {
        const QList<QAction*> popups = mainFrame().menuBar()->actions();
        QStringList seenPopups;
        QList<const MenuItem*> seen;
        for (QAction* popupAction : popups) {
            seenPopups << popupAction->text();
            for (QAction* item : popupAction->menu()->actions()) {
                QVERIFY2(!item->isSeparator(), "the menus have no separators");
                QVERIFY(item->isEnabled());
                QVERIFY(!item->isCheckable());
                const int index = static_cast<int>(seen.size());
                QVERIFY(index < static_cast<int>(std::size(kMenu)));
                QCOMPARE(popupAction->text(), QString::fromUtf8(kMenu[index].popup));
                QCOMPARE(item->text(), QString::fromUtf8(kMenu[index].item));
                QCOMPARE(item->data().toInt(), kMenu[index].commandId);
                seen << &kMenu[index];
            }
        }
        QCOMPARE(seen.size(), static_cast<qsizetype>(std::size(kMenu)));
        QCOMPARE(seenPopups, (QStringList{"&File", "&Mathematics", "&Physics", "C&hemistry", "&Astronomy",
                                          "Calc&ulators", "&Conversions", "&Help"}));
    }

    // With a 12-point desktop font the default width once left "Conversions"
    // and "Help" in the menu bar's overflow button.
    void wholeMenuBarFitsAtALargeFont() {
        const QFont before = QApplication::font();
        QFont large = before;
        large.setPointSize(12);
        QApplication::setFont(large);
        {
            CMainFrame frame;
            frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            const auto* overflow =
                frame.menuBar()->findChild<QWidget*>(QStringLiteral("qt_menubar_ext_button"));
            QVERIFY(overflow != nullptr);
            QVERIFY(!overflow->isVisible());
            const QList<QAction*> popups = frame.menuBar()->actions();
            QVERIFY(frame.menuBar()->actionGeometry(popups.last()).right() < frame.menuBar()->width());
        }
        QApplication::setFont(before);
    }

    void lockIndicatorsFollowTheKeys() {
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
            QSKIP(
                "with a display server the indicators show its lock states, which simulated keys do not "
                "change");
        }
        using Lock = LockIndicators::Lock;
        LockIndicators& locks = mainFrame().lockIndicators();
        locks.setStates(false, false, false);
        QApplication::setActiveWindow(&mainFrame());
        mainFrame().activateWindow();
        QCOMPARE(locks.text(Lock::Caps), QString());
        QTest::keyClick(&mainFrame(), Qt::Key_CapsLock);
        QCOMPARE(locks.text(Lock::Caps), QStringLiteral("CAP"));
        QTest::keyClick(&mainFrame(), Qt::Key_NumLock);
        QCOMPARE(locks.text(Lock::Num), QStringLiteral("NUM"));
        QTest::keyClick(&mainFrame(), Qt::Key_CapsLock);
        QCOMPARE(locks.text(Lock::Caps), QString());
        QCOMPARE(locks.text(Lock::Scroll), QString());
    }

    void statusPaneShowsItemPrompts() {
        QMenu* file = mainFrame().menuBar()->findChild<QMenu*>(QStringLiteral("&File"));
        QMenu* physics = mainFrame().menuBar()->findChild<QMenu*>(QStringLiteral("&Physics"));
        QVERIFY(file != nullptr && physics != nullptr);

        mainFrame().menuBar()->setActiveAction(file->menuAction());
        QVERIFY(QTest::qWaitForWindowExposed(file));
        QCOMPARE(mainFrame().statusMessage(), QString());  // a popup title has no prompt
        file->setActiveAction(file->actions().constFirst());
        QCOMPARE(mainFrame().statusMessage(),
                 QStringLiteral("Quit the application; prompts to save documents"));
        file->hide();

        mainFrame().menuBar()->setActiveAction(physics->menuAction());
        QVERIFY(QTest::qWaitForWindowExposed(physics));
        physics->setActiveAction(physics->actions().constFirst());
        QCOMPARE(mainFrame().statusMessage(), QString());  // tool items have no prompt
        physics->hide();
        QTRY_COMPARE(mainFrame().statusMessage(), QStringLiteral("Ready"));
    }

    void f10OpensTheFirstMenu() {
        QApplication::setActiveWindow(&mainFrame());
        QTest::keyClick(&mainFrame(), Qt::Key_F10);
        QTRY_COMPARE(QApplication::activePopupWidget(), mainFrame().menuBar()->findChild<QMenu*>("&File"));
        QVERIFY(mainFrame().menuBar()->hasFocus());  // Left and Right go on to the other menus
        QApplication::activePopupWidget()->close();
    }

    void editAcceleratorsDoNothing() {
        const QString before = mainFrame().windowTitle();
        QApplication::setActiveWindow(&mainFrame());
        QTest::keyClick(&mainFrame(), Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(&mainFrame(), Qt::Key_F6);
        QCOMPARE(mainFrame().windowTitle(), before);
    }
};

QTEST_MAIN(MainMenusTest)
#include "main_menus_test.moc"
