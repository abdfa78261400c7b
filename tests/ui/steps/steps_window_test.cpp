// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The worked steps in a window of their own: opened from a tool window's
// context menu or its key, following every press, closed with the tool.

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTranslator>

#include "core/calculators/simple_calc.h"
#include "core/solvers/quad.h"
#include "support/window_harness.h"
#include "ui/steps/steps_window.h"

class StepsWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stepsFollowThePresses() {
        QPointer<ToolWindow> window = harness::openTool(harness::commandOf<Quad>());
        QVERIFY(window != nullptr);
        // A press before the window opens: it shows that press's steps.
        harness::type(window, Quad::kA, QStringLiteral("1"));
        harness::type(window, Quad::kB, QStringLiteral("-3"));
        harness::type(window, Quad::kC, QStringLiteral("2"));
        harness::click(window, Quad::kFindRoots);
        const QPoint background(2, 2);
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, background, window->mapToGlobal(background));
        QApplication::sendEvent(window, &menuEvent);
        auto* menu = window->findChild<QMenu*>();
        QVERIFY(menu != nullptr);
        QStringList entries;
        for (QAction* action : menu->actions()) {
            entries << action->text();
        }
        const qsizetype at = entries.indexOf(QStringLiteral("Show Steps"));
        QCOMPARE(entries.at(at - 1), QStringLiteral("Show Picture"));
        QAction* show = menu->actions().at(at);
        QCOMPARE(show->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
        show->trigger();
        menu->close();
        QPointer<StepsWindow> steps = window->findChild<StepsWindow*>();
        QVERIFY(steps != nullptr && steps->isVisible());
        QCOMPARE(steps->windowTitle(), QStringLiteral("Quadratic Formula - Steps"));
        QVERIFY(steps->view()->isReadOnly());
        QVERIFY(steps->view()->toPlainText().contains(
            QStringLiteral("x₁ = (−b + √(b² − 4ac)) ÷ 2a = (3 + 1) ÷ 2 = 2")));

        harness::type(window, Quad::kC, QStringLiteral("-4"));
        harness::click(window, Quad::kFindRoots);
        QTRY_VERIFY(steps->view()->toPlainText().contains(
            QStringLiteral("b² − 4ac = (-3)² − 1 × 4 × (-4) = 9 − (-16) = 25")));
        // The key brings the same window back rather than a second one.
        harness::key(window, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(window->findChildren<StepsWindow*>().size(), 1);
        // Selected and copied by keyboard, every line of it.
        QTest::keyClick(steps->view(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(steps->view(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text().count(QLatin1Char('\n')), 5);
        window->close();
        QTRY_VERIFY(steps == nullptr);
    }

    // The steps in the catalogue's language, each value where the
    // translation puts it.
    void stepsInTheUsersLanguage() {
        class Catalogue : public QTranslator {
        public:
            QString translate(const char* context, const char* source, const char*, int) const override {
                const QString text = QString::fromUtf8(source);
                if (qstrcmp(context, "Wording") != 0 || !text.contains(QLatin1String("4ac"))) {
                    return {};
                }
                return text.startsWith(QStringLiteral("b²"))
                           ? QStringLiteral("Δ = %1² − 4 × %3 × %2 = %4 − %5 = %6")
                           : QStringLiteral("ax² + bx + c = 0: c = %3, b = %2, a = %1");
            }
            bool isEmpty() const override { return false; }
        } catalogue;
        QCoreApplication::installTranslator(&catalogue);
        ToolWindow* window = harness::openTool(harness::commandOf<Quad>());
        harness::runSteps(window,
                          harness::steps({harness::typed(Quad::kA, "1"), harness::typed(Quad::kB, "-3"),
                                          harness::typed(Quad::kC, "-4"), Quad::kFindRoots}));
        harness::key(window, Qt::Key_T, Qt::ControlModifier);
        const QStringList lines =
            window->findChild<StepsWindow*>()->view()->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.at(0), QStringLiteral("ax² + bx + c = 0: c = -4, b = -3, a = 1"));
        QCOMPARE(lines.at(1), QStringLiteral("Δ = (-3)² − 4 × (-4) × 1 = 9 − (-16) = 25"));
        QCoreApplication::removeTranslator(&catalogue);
        window->close();
    }

    void noStepsWhereNothingIsWorked() {
        QPointer<ToolWindow> window = harness::openTool(harness::commandOf<SimpleCalc>());
        QVERIFY(window != nullptr);
        harness::key(window, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(window->findChild<StepsWindow*>(), nullptr);
        window->close();
    }
};

QTEST_MAIN(StepsWindowTest)
#include "steps_window_test.moc"
