// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The converters driven through the real main window: unit buttons keep their
// pressed look in one exclusive group, Enter presses the default button, and a
// refused field brings up a real message box.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <vector>

#include "core/converters/degrees.h"
#include "core/converters/degrees_radians.h"
#include "core/converters/length.h"
#include "core/converters/numbers.h"
#include "core/converters/pressures.h"
#include "core/converters/speed.h"
#include "core/converters/weight.h"
#include "support/window_harness.h"

namespace {

const int kPressure = harness::commandOf<Pressures>();
const int kRadians = harness::commandOf<DegreesRadians>();
const int kLength = harness::commandOf<Length>();
const int kNumbers = harness::commandOf<Numbers>();
const int kSpeed = harness::commandOf<Speed>();
const int kTemperature = harness::commandOf<Degrees>();
const int kWeight = harness::commandOf<Weight>();

// A unit converter's input: the field it exchanges first.
int inputOf(ToolWindow* window) {
    return window->tool().bindings().front().controlId;
}

// The ids of the buttons that are checked, in the order given.
QList<int> checkedAmong(ToolWindow* window, const QList<int>& ids) {
    QList<int> checked;
    for (const int id : ids) {
        QAbstractButton* button = harness::button(window, id);
        if (button != nullptr && button->isChecked()) {
            checked << id;
        }
    }
    return checked;
}

}  // namespace

class ConvertersWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { harness::closeAllTools(); }
    void cleanupTestCase() { harness::closeAllTools(); }

    void unitButtonsShowThePressedOne_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QList<int>>("units");
        QTest::addColumn<int>("clearData");
        QTest::newRow("Temperature") << kTemperature
                                     << QList<int>{Degrees::kCelsiusUnit, Degrees::kFahrenheitUnit,
                                                   Degrees::kKelvinUnit}
                                     << int(Degrees::kClearData);
        QTest::newRow("Length") << kLength << QList<int>{Length::kMetersUnit,    Length::kCentimetersUnit,
                                                         Length::kInchesUnit,    Length::kFeetUnit,
                                                         Length::kMilesUnit,     Length::kKilometersUnit,
                                                         Length::kLightYearsUnit}
                                << int(Length::kClearData);
        QTest::newRow("Weight") << kWeight
                                << QList<int>{Weight::kGramsUnit, Weight::kKilogramsUnit, Weight::kPoundsUnit,
                                              Weight::kOuncesUnit}
                                << int(Weight::kClearData);
        QTest::newRow("Pressure") << kPressure << QList<int>{Pressures::kAtmUnit,  Pressures::kMmHgUnit,
                                                             Pressures::kTorrUnit, Pressures::kPaUnit,
                                                             Pressures::kKPaUnit,  Pressures::kNm2Unit}
                                  << int(Pressures::kClearData);
    }

    void unitButtonsShowThePressedOne() {
        QFETCH(int, command);
        QFETCH(QList<int>, units);
        QFETCH(int, clearData);
        ToolWindow* window = harness::openTool(command);
        QVERIFY(window != nullptr);
        for (const int id : units) {
            QAbstractButton* button = harness::button(window, id);
            QVERIFY2(button != nullptr, qPrintable(QString::number(id)));
            QVERIFY(button->isCheckable());
        }
        QCOMPARE(checkedAmong(window, units), QList<int>{});

        harness::click(window, units.first());
        QCOMPARE(checkedAmong(window, units), QList<int>{units.first()});
        harness::click(window, units.last());
        QCOMPARE(checkedAmong(window, units), QList<int>{units.last()});
        // A second click on the pressed button converts again and leaves it
        // pressed, never up for a moment (a reader would say "selected" twice).
        QSignalSpy toggles(harness::button(window, units.last()), &QAbstractButton::toggled);
        harness::click(window, units.last());
        QCOMPARE(checkedAmong(window, units), QList<int>{units.last()});
        QCOMPARE(toggles.count(), 0);
        // Clear Data does not touch the pressed look.
        harness::click(window, clearData);
        QCOMPARE(checkedAmong(window, units), QList<int>{units.last()});
        QVERIFY(!harness::button(window, clearData)->isChecked());
    }

    void arrowKeysPressTheNeighbourInTheRow_data() { unitButtonsShowThePressedOne_data(); }

    void arrowKeysPressTheNeighbourInTheRow() {
        QFETCH(int, command);
        QFETCH(QList<int>, units);
        for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            QGuiApplication::setLayoutDirection(direction);
            arrowKeysIn(harness::openTool(command), units, direction == Qt::RightToLeft);
            QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        }
    }

    // A mirrored row runs from right to left, and Right steps back.
    void arrowKeysIn(ToolWindow* window, const QList<int>& units, bool mirrored) {
        harness::type(window, inputOf(window), "1");
        harness::click(window, units.first());
        const auto fields = [window] {
            QStringList texts;
            for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
                texts << edit->text();
            }
            return texts;
        };
        // Right and Down step forward, Left and Up back, wrapping at the ends;
        // each step presses the button it reaches, exactly as a click does.
        const Qt::Key forward = mirrored ? Qt::Key_Left : Qt::Key_Right;
        const Qt::Key back = mirrored ? Qt::Key_Right : Qt::Key_Left;
        const QList<std::pair<Qt::Key, qsizetype>> steps{
            {forward, 1}, {back, 0}, {Qt::Key_Up, units.size() - 1}, {Qt::Key_Down, 0}};
        for (const auto& [key, reached] : steps) {
            harness::key(window, key);
            const int id = units.at(reached);
            QCOMPARE(checkedAmong(window, units), QList<int>{id});
            QCOMPARE(window->focusWidget(), harness::button(window, id));
            const QStringList afterKey = fields();
            harness::click(window, id);
            QCOMPARE(fields(), afterKey);
        }
    }

    // Weight's unit row is one Tab stop: Tab enters it at its first button,
    // the arrow keys press, and Tab comes back to the pressed one.
    void weightByKeyboardAlone() {
        ToolWindow* window = harness::openTool(kWeight);
        QCOMPARE(window->focusWidget(), harness::control(window, Weight::kInput));
        QTest::keyClicks(window->focusWidget(), QStringLiteral("2"));
        harness::key(window, Qt::Key_Tab);
        QCOMPARE(window->focusWidget(), harness::control(window, Weight::kGramsUnit));
        harness::key(window, Qt::Key_Right);
        QCOMPARE(window->focusWidget(), harness::control(window, Weight::kKilogramsUnit));
        QCOMPARE(harness::text(window, Weight::kGrams), QStringLiteral("2000"));
        harness::key(window, Qt::Key_Tab);
        QCOMPARE(window->focusWidget(), harness::control(window, Weight::kClearData));
        harness::key(window, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(window->focusWidget(), harness::control(window, Weight::kKilogramsUnit));
        harness::key(window, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(window->focusWidget(), harness::control(window, Weight::kInput));
        // A click moves the row's stop as well.
        harness::click(window, Weight::kOuncesUnit);
        harness::key(window, Qt::Key_Tab, Qt::ShiftModifier);
        harness::key(window, Qt::Key_Tab);
        QCOMPARE(window->focusWidget(), harness::control(window, Weight::kOuncesUnit));
    }

    void temperatureThroughClicks() {
        ToolWindow* window = harness::openTool(kTemperature);
        QVERIFY(window != nullptr);
        QCOMPARE(harness::text(window, Degrees::kFirstName), QString());
        harness::type(window, Degrees::kInput, "100");
        harness::click(window, Degrees::kCelsiusUnit);
        QCOMPARE(harness::text(window, Degrees::kFirstResult), QStringLiteral("212"));
        QCOMPARE(harness::text(window, Degrees::kFirstName), QStringLiteral("Farengeit"));
        QCOMPARE(harness::text(window, Degrees::kSecondResult), QStringLiteral("373.15"));
        QCOMPARE(harness::text(window, Degrees::kSecondName), QStringLiteral("Kelvin"));
        harness::type(window, Degrees::kInput, "0");
        harness::click(window, Degrees::kKelvinUnit);
        QCOMPARE(harness::text(window, Degrees::kSecondResult), QStringLiteral("-459.67"));
        QCOMPARE(harness::text(window, Degrees::kSecondName), QStringLiteral("Farengeit"));
    }

    void enterInTheInputPressesClearData_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QList<int>>("results");
        QTest::addColumn<QString>("inputAfter");
        QTest::newRow("Length") << kLength << int(Length::kFeetUnit)
                                << QList<int>{Length::kMeters,    Length::kCentimeters, Length::kInches,
                                              Length::kFeet,      Length::kMiles,       Length::kKilometers,
                                              Length::kLightYears}
                                << QStringLiteral("0");
        // Pressure's Clear Data has no tab stop, but it is still the default button.
        QTest::newRow("Pressure") << kPressure << int(Pressures::kAtmUnit)
                                  << QList<int>{Pressures::kAtm, Pressures::kMmHg, Pressures::kTorr,
                                                Pressures::kPa,  Pressures::kKPa,  Pressures::kNm2}
                                  << QStringLiteral("0");
        // The weight converter's Clear Data keeps the input.
        QTest::newRow("Weight") << kWeight << int(Weight::kPoundsUnit)
                                << QList<int>{Weight::kGrams, Weight::kKilograms, Weight::kPounds,
                                              Weight::kOunces}
                                << QStringLiteral("3");
    }

    void enterInTheInputPressesClearData() {
        QFETCH(int, command);
        QFETCH(int, unit);
        QFETCH(QList<int>, results);
        QFETCH(QString, inputAfter);
        ToolWindow* window = harness::openTool(command);
        QVERIFY(window != nullptr);
        harness::type(window, inputOf(window), "2");
        harness::click(window, unit);
        QVERIFY(harness::text(window, results.first()) != QStringLiteral("0"));

        harness::type(window, inputOf(window), "3");
        QCOMPARE(window->focusWidget(), harness::control(window, inputOf(window)));
        harness::key(window, Qt::Key_Return);
        QVERIFY(window->isVisible());
        QCOMPARE(harness::text(window, inputOf(window)), inputAfter);
        for (const int id : results) {
            QCOMPARE(harness::text(window, id), QStringLiteral("0"));
        }
        QCOMPARE(checkedAmong(window, {unit}), QList<int>{unit});
    }

    void enterOnAFocusedUnitButtonPressesIt() {
        ToolWindow* window = harness::openTool(kTemperature);
        QVERIFY(window != nullptr);
        harness::type(window, inputOf(window), "212");
        harness::control(window, Degrees::kFahrenheitUnit)->setFocus();
        harness::key(window, Qt::Key_Return);
        QCOMPARE(harness::text(window, Degrees::kFirstResult), QStringLiteral("100"));
        QCOMPARE(harness::text(window, Degrees::kFirstName), QStringLiteral("Celcius"));
        QCOMPARE(
            checkedAmong(window, {Degrees::kCelsiusUnit, Degrees::kFahrenheitUnit, Degrees::kKelvinUnit}),
            QList<int>{Degrees::kFahrenheitUnit});
        QVERIFY(window->isVisible());
    }

    void enterConvertsDegreesAndRadians() {
        ToolWindow* window = harness::openTool(kRadians);
        QVERIFY(window != nullptr);
        harness::type(window, inputOf(window), "90");
        harness::key(window, Qt::Key_Return);
        QCOMPARE(harness::text(window, DegreesRadians::kRadians), QStringLiteral("1.57"));
        QCOMPARE(harness::text(window, DegreesRadians::kRevolutions), QStringLiteral("0.24963"));
        harness::click(window, DegreesRadians::kClearData);
        for (const int id :
             {DegreesRadians::kDegrees, DegreesRadians::kRadians, DegreesRadians::kRevolutions}) {
            QCOMPARE(harness::text(window, id), QStringLiteral("0"));
        }
    }

    void wordInTheInputBringsTheMessage() {
        ToolWindow* window = harness::openTool(kSpeed);
        QVERIFY(window != nullptr);
        harness::type(window, inputOf(window), "1");
        harness::click(window, Speed::kKilometersPerHourUnit);
        harness::type(window, inputOf(window), "fast");
        harness::MessageCatcher catcher;
        harness::click(window, Speed::kMetersPerSecondUnit);
        QCOMPARE(catcher.messages, QStringList{QStringLiteral("Please enter a number.")});
        // The handler went on with the input held before and wrote it back.
        QCOMPARE(harness::text(window, inputOf(window)), QStringLiteral("1"));
        QCOMPARE(harness::text(window, Speed::kFeetPerSecond), QStringLiteral("3.28"));
        QCOMPARE(window->focusWidget(), harness::control(window, inputOf(window)));
        QCOMPARE(checkedAmong(window, {Speed::kMetersPerSecondUnit, Speed::kKilometersPerHourUnit}),
                 QList<int>{Speed::kMetersPerSecondUnit});
    }

    void wordInAResultFieldIsReplaced() {
        ToolWindow* window = harness::openTool(kTemperature);
        QVERIFY(window != nullptr);
        harness::type(window, inputOf(window), "32");
        harness::type(window, Degrees::kSecondResult, "warm");
        harness::MessageCatcher catcher;
        harness::click(window, Degrees::kFahrenheitUnit);
        QCOMPARE(catcher.messages, QStringList{QStringLiteral("Please enter a number.")});
        QCOMPARE(harness::text(window, Degrees::kFirstResult), QStringLiteral("0"));
        QCOMPARE(harness::text(window, Degrees::kSecondResult), QStringLiteral("273.15"));
    }

    void romanNumerals() {
        ToolWindow* window = harness::openTool(kNumbers);
        QVERIFY(window != nullptr);
        harness::type(window, Numbers::kArabic, "1994");
        harness::click(window, Numbers::kToRoman);
        QCOMPARE(harness::text(window, Numbers::kRoman), QStringLiteral("MCMXCIV"));

        harness::type(window, Numbers::kRoman, "mmvii");
        harness::click(window, Numbers::kToArabic);
        QCOMPARE(harness::text(window, Numbers::kArabic), QStringLiteral("2007"));

        harness::MessageCatcher catcher;
        harness::type(window, Numbers::kRoman, "IIII");
        harness::click(window, Numbers::kToArabic);
        harness::type(window, Numbers::kArabic, "4000");
        harness::click(window, Numbers::kToRoman);
        QCOMPARE(catcher.messages,
                 (QStringList{QStringLiteral("Please enter a Roman numeral between I and MMMCMXCIX."),
                              QStringLiteral("Number must be between 1 and 3999!")}));
        QCOMPARE(harness::text(window, Numbers::kRoman), QString());
        QCOMPARE(harness::text(window, Numbers::kArabic), QString());

        // Enter in a field presses Clear Data, the default button.
        harness::type(window, Numbers::kArabic, "12");
        harness::click(window, Numbers::kToRoman);
        harness::control(window, Numbers::kArabic)->setFocus();
        harness::key(window, Qt::Key_Return);
        QCOMPARE(harness::text(window, Numbers::kRoman), QString());
        QCOMPARE(harness::text(window, Numbers::kArabic), QString());
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(ConvertersWindowTest)
#include "converters_window_test.moc"
