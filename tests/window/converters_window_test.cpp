// The converters driven through the real main window: unit buttons keep their
// pressed look in one exclusive group, Enter presses the default button, and a
// refused field brings up a real message box.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <vector>

#include "core/converters/weight.h"
#include "window/window_harness.h"

namespace {

constexpr int kPressure = 32776;
constexpr int kRadians = 32777;
constexpr int kLength = 32773;
constexpr int kNumbers = 32774;
constexpr int kSpeed = 32778;
constexpr int kTemperature = 32779;
constexpr int kWeight = 32781;

constexpr int kInput = 1010;

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
        QTest::newRow("Temperature") << kTemperature << QList<int>{1022, 1023, 1024} << 1000;
        QTest::newRow("Length") << kLength << QList<int>{1022, 1023, 1024, 1025, 1026, 1027, 1053} << 1001;
        QTest::newRow("Weight") << kWeight << QList<int>{1022, 1023, 1024, 1025} << 1000;
        QTest::newRow("Pressure") << kPressure << QList<int>{1022, 1023, 1024, 1025, 1026, 1027} << 1000;
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
        // A second click on the pressed button converts again and leaves it pressed.
        harness::click(window, units.last());
        QCOMPARE(checkedAmong(window, units), QList<int>{units.last()});
        // Clear Data does not touch the pressed look.
        harness::click(window, clearData);
        QCOMPARE(checkedAmong(window, units), QList<int>{units.last()});
        QVERIFY(!harness::button(window, clearData)->isChecked());
    }

    void arrowKeysPressTheNeighbourInTheRow_data() { unitButtonsShowThePressedOne_data(); }

    void arrowKeysPressTheNeighbourInTheRow() {
        QFETCH(int, command);
        QFETCH(QList<int>, units);
        ToolWindow* window = harness::openTool(command);
        harness::type(window, kInput, "1");
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
        const QList<std::pair<Qt::Key, qsizetype>> steps{
            {Qt::Key_Right, 1}, {Qt::Key_Left, 0}, {Qt::Key_Up, units.size() - 1}, {Qt::Key_Down, 0}};
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
        QCOMPARE(harness::text(window, 1013), QString());
        harness::type(window, kInput, "100");
        harness::click(window, 1022);
        QCOMPARE(harness::text(window, 1011), QStringLiteral("212"));
        QCOMPARE(harness::text(window, 1013), QStringLiteral("Farengeit"));
        QCOMPARE(harness::text(window, 1012), QStringLiteral("373.15"));
        QCOMPARE(harness::text(window, 1014), QStringLiteral("Kelvin"));
        harness::type(window, kInput, "0");
        harness::click(window, 1024);
        QCOMPARE(harness::text(window, 1012), QStringLiteral("-459.67"));
        QCOMPARE(harness::text(window, 1014), QStringLiteral("Farengeit"));
    }

    void enterInTheInputPressesClearData_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QList<int>>("results");
        QTest::addColumn<QString>("inputAfter");
        QTest::newRow("Length") << kLength << 1025 << QList<int>{1011, 1012, 1013, 1014, 1017, 1016, 1018}
                                << QStringLiteral("0");
        // Pressure's Clear Data has no tab stop, but it is still the default button.
        QTest::newRow("Pressure") << kPressure << 1022 << QList<int>{1011, 1012, 1013, 1014, 1017, 1016}
                                  << QStringLiteral("0");
        // The weight converter's Clear Data keeps the input.
        QTest::newRow("Weight") << kWeight << 1024 << QList<int>{1011, 1012, 1013, 1014}
                                << QStringLiteral("3");
    }

    void enterInTheInputPressesClearData() {
        QFETCH(int, command);
        QFETCH(int, unit);
        QFETCH(QList<int>, results);
        QFETCH(QString, inputAfter);
        ToolWindow* window = harness::openTool(command);
        QVERIFY(window != nullptr);
        harness::type(window, kInput, "2");
        harness::click(window, unit);
        QVERIFY(harness::text(window, results.first()) != QStringLiteral("0"));

        harness::type(window, kInput, "3");
        QCOMPARE(window->focusWidget(), harness::control(window, kInput));
        harness::key(window, Qt::Key_Return);
        QVERIFY(window->isVisible());
        QCOMPARE(harness::text(window, kInput), inputAfter);
        for (const int id : results) {
            QCOMPARE(harness::text(window, id), QStringLiteral("0"));
        }
        QCOMPARE(checkedAmong(window, {unit}), QList<int>{unit});
    }

    void enterOnAFocusedUnitButtonPressesIt() {
        ToolWindow* window = harness::openTool(kTemperature);
        QVERIFY(window != nullptr);
        harness::type(window, kInput, "212");
        harness::control(window, 1023)->setFocus();
        harness::key(window, Qt::Key_Return);
        QCOMPARE(harness::text(window, 1011), QStringLiteral("100"));
        QCOMPARE(harness::text(window, 1013), QStringLiteral("Celcius"));
        QCOMPARE(checkedAmong(window, {1022, 1023, 1024}), QList<int>{1023});
        QVERIFY(window->isVisible());
    }

    void enterConvertsDegreesAndRadians() {
        ToolWindow* window = harness::openTool(kRadians);
        QVERIFY(window != nullptr);
        harness::type(window, kInput, "90");
        harness::key(window, Qt::Key_Return);
        QCOMPARE(harness::text(window, 1011), QStringLiteral("1.57"));
        QCOMPARE(harness::text(window, 1012), QStringLiteral("0.24963"));
        harness::click(window, 1001);
        for (const int id : {1010, 1011, 1012}) {
            QCOMPARE(harness::text(window, id), QStringLiteral("0"));
        }
    }

    void wordInTheInputBringsTheMessage() {
        ToolWindow* window = harness::openTool(kSpeed);
        QVERIFY(window != nullptr);
        harness::type(window, kInput, "1");
        harness::click(window, 1025);
        harness::type(window, kInput, "fast");
        harness::MessageCatcher catcher;
        harness::click(window, 1022);
        QCOMPARE(catcher.messages, QStringList{QStringLiteral("Please enter a number.")});
        // The handler went on with the input held before and wrote it back.
        QCOMPARE(harness::text(window, kInput), QStringLiteral("1"));
        QCOMPARE(harness::text(window, 1012), QStringLiteral("3.28"));
        QCOMPARE(window->focusWidget(), harness::control(window, kInput));
        QCOMPARE(checkedAmong(window, {1022, 1025}), QList<int>{1022});
    }

    void wordInAResultFieldIsReplaced() {
        ToolWindow* window = harness::openTool(kTemperature);
        QVERIFY(window != nullptr);
        harness::type(window, kInput, "32");
        harness::type(window, 1012, "warm");
        harness::MessageCatcher catcher;
        harness::click(window, 1023);
        QCOMPARE(catcher.messages, QStringList{QStringLiteral("Please enter a number.")});
        QCOMPARE(harness::text(window, 1011), QStringLiteral("0"));
        QCOMPARE(harness::text(window, 1012), QStringLiteral("273.15"));
    }

    void romanNumerals() {
        ToolWindow* window = harness::openTool(kNumbers);
        QVERIFY(window != nullptr);
        harness::type(window, 1011, "1994");
        harness::click(window, 1002);
        QCOMPARE(harness::text(window, 1010), QStringLiteral("MCMXCIV"));

        harness::type(window, 1010, "mmvii");
        harness::click(window, 1000);
        QCOMPARE(harness::text(window, 1011), QStringLiteral("2007"));

        harness::MessageCatcher catcher;
        harness::type(window, 1010, "IIII");
        harness::click(window, 1000);
        harness::type(window, 1011, "4000");
        harness::click(window, 1002);
        QCOMPARE(catcher.messages,
                 (QStringList{QStringLiteral("Please enter a Roman numeral between I and MMMCMXCIX."),
                              QStringLiteral("Number must be between 1 and 3999!")}));
        QCOMPARE(harness::text(window, 1010), QString());
        QCOMPARE(harness::text(window, 1011), QString());

        // Enter in a field presses Clear Data, the default button.
        harness::type(window, 1011, "12");
        harness::click(window, 1002);
        harness::control(window, 1011)->setFocus();
        harness::key(window, Qt::Key_Return);
        QCOMPARE(harness::text(window, 1010), QString());
        QCOMPARE(harness::text(window, 1011), QString());
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(ConvertersWindowTest)
#include "converters_window_test.moc"
