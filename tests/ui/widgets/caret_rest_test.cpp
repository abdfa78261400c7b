// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// A caret at rest blinks again with whatever the user does next in a field.

#include <QGuiApplication>
#include <QStyleHints>
#include <QTest>

#include "core/converters/length.h"
#include "support/window_harness.h"
#include "ui/widgets/caret_rest.h"

class CaretRestTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wakesWithTheUser_data() {
        QTest::addColumn<std::string>("steps");
        QTest::newRow("a key") << std::string("k5");
        QTest::newRow("a click") << std::string(harness::steps({Length::kFeetUnit}));
        QTest::newRow("the focus") << std::string(harness::steps({harness::focused(Length::kInput)}));
    }

    void wakesWithTheUser() {
        QFETCH(std::string, steps);
        harness::closeAllTools();
        const int blinking = QGuiApplication::styleHints()->cursorFlashTime();
        QVERIFY(blinking > 0);
        CaretRest caret;
        ToolWindow* window = harness::openTool<Length>();
        harness::runSteps(window, harness::steps({harness::focused(Length::kMetersUnit)}));
        caret.rest();
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), 0);
        harness::runSteps(window, steps);
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), blinking);
    }
};

QTEST_MAIN(CaretRestTest)
#include "caret_rest_test.moc"
