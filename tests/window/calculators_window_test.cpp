// Both calculators driven through the real main window: menu commands open
// them, clicks go to their real buttons, keys to the focused control.

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>

#include <QPointer>
#include <QTest>
#include "ui/dialog/long_text_view.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "core/calculators/my_calculator.h"
#include "core/calculators/simple_calc.h"
#include "window/window_harness.h"

namespace {

constexpr int kAdvancedCalculator = 32793;
constexpr int kBasicCalculator = 32792;
constexpr int kDisplay = 1010;
constexpr int kHistory = 1052;

// One scenario: a fresh window of a calculator, then steps for harness::runSteps.
struct Scenario {
    const char* name;
    int command;
    const char* steps;
    const char* display;
    const char* history;  // nullptr: not checked (the basic calculator has none)
};

const Scenario kScenarios[] = {
    {"AdvancedEntry", kAdvancedCalculator, "1000 1012 1004 1011", "-1.5", "1.5(-)"},
    {"AdvancedStoreRecall", kAdvancedCalculator, "1000 1012 1004 1011 1017 1027 1020", "-1.5",
     "1.5(-)[sto2][clr]-1.5"},
    {"AdvancedLeftToRight", kAdvancedCalculator, "1001 1023 1002 1025 1003 1022", "20",
     "2 + 3 = 5;   * 4 = 20;  "},
    {"AdvancedCalculateButton", kAdvancedCalculator, "1001 1033 1000 1009 1030", "1024", "2^10 = 1024;  "},
    {"AdvancedFunction", kAdvancedCalculator, "1002 1009 1037", "-0.988032", "30(sin) = -0.988032;  "},
    {"AdvancedDivideByZero", kAdvancedCalculator, "1004 1026 1009 1022", "1.#INF", "5 / 0 = 1.#INF;  "},
    {"AdvancedTypedMemory", kAdvancedCalculator, "t1013=abc 1019 1006", "abc7", "abc7"},
    {"AdvancedEnterPressesCalculate", kAdvancedCalculator, "1001 1023 1002 f1013 kR", "5", "2 + 3 = 5;  "},
    {"AdvancedEnterPressesFocusedButton", kAdvancedCalculator, "1001 f1004 kR", "25", "25"},
    // Typed keys press their buttons; Enter is "Calculate (=)" but on a focused button.
    {"AdvancedKeys", kAdvancedCalculator, "f1010 k12+3=", "15", "12 + 3 = 15;  "},
    {"AdvancedKeysAfterClick", kAdvancedCalculator, "1000 k2*3=", "36", "12 * 3 = 36;  "},
    {"AdvancedEnterKeyOnDisplay", kAdvancedCalculator, "f1010 k9/4R", "2.25", "9 / 4 = 2.25;  "},
    {"AdvancedBackspaceKey", kAdvancedCalculator, "f1010 k123B", "12", "123[del]"},
    {"AdvancedKeysInAMemoryStayThere", kAdvancedCalculator, "1001 f1014 k5+", "2", "2"},
    {"AdvancedBlankButton", kAdvancedCalculator, "1001 1051", "2", "2"},
    {"BasicButtons", kBasicCalculator, "1000 1001 1023 1002 1030", "15", nullptr},
    {"BasicFifteenDigits", kBasicCalculator, "1000 1026 1002 1030", "0.333333333333333", nullptr},
    {"BasicDivideByZero", kBasicCalculator, "1000 1026 1009 1030", "1.#INF", nullptr},
    {"BasicSignAndPoint", kBasicCalculator, "1012 1004 1011 1025 1003 1030", "-2", nullptr},
    {"BasicBackAndClear", kBasicCalculator, "1000 1001 1043 1023 1027 1008", "9", nullptr},
    {"BasicNewNumberAfterResult", kBasicCalculator, "1001 1023 1001 1030 1006", "7", nullptr},
    {"BasicKeys", kBasicCalculator, "k12+3=", "15", nullptr},
    {"BasicKeysLeftToRight", kBasicCalculator, "k2+3*4=", "20", nullptr},
    {"BasicReturnIsEquals", kBasicCalculator, "k1/8R", "0.125", nullptr},
    {"BasicBackspace", kBasicCalculator, "k123B", "12", nullptr},
    {"BasicDeleteClears", kBasicCalculator, "k5+D3R", "3", nullptr},
    {"BasicPointKey", kBasicCalculator, "k.5*4=", "2", nullptr},
    // ',' is the keypad's decimal key of a decimal-comma keyboard layout.
    {"BasicKeypadDecimalKey", kBasicCalculator, "k1,5*2=", "3", nullptr},
    {"BasicKeysAfterClick", kBasicCalculator, "1004 k*6=", "30", nullptr},
    // Return is "=" even when a clicked key keeps the focus.
    {"BasicReturnAfterClick", kBasicCalculator, "1004 k*6R", "30", nullptr},
    {"BasicBackspaceOnButton", kBasicCalculator, "1000 1001 1002 kB", "12", nullptr},
    {"BasicDeleteOnButton", kBasicCalculator, "1004 1023 kD3=", "3", nullptr},
    {"BasicReturnOnFocusedButtonIsEquals", kBasicCalculator, "1001 1023 1003 f1003 kR", "6", nullptr},
};

}  // namespace

class CalculatorsWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keysAndClicks_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("history");
        QTest::addColumn<bool>("hasHistory");
        for (const Scenario& s : kScenarios) {
            QTest::newRow(s.name) << s.command << QString::fromUtf8(s.steps) << QString::fromUtf8(s.display)
                                  << QString::fromUtf8(s.history != nullptr ? s.history : "")
                                  << (s.history != nullptr);
        }
    }

    void keysAndClicks() {
        QFETCH(int, command);
        QFETCH(QString, steps);
        QFETCH(QString, display);
        QFETCH(QString, history);
        QFETCH(bool, hasHistory);
        QPointer<ToolWindow> window = harness::openTool(command);
        QVERIFY(window != nullptr);
        harness::runSteps(window, steps.toStdString());
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(harness::text(window, kDisplay), display);
        if (hasHistory) {
            QCOMPARE(harness::text(window, kHistory), history);
        }
        window->close();
    }

    void displaysAreReadOnly() {
        for (const int command : {kAdvancedCalculator, kBasicCalculator}) {
            ToolWindow* window = harness::openTool(command);
            QVERIFY(window != nullptr);
            auto* display = dynamic_cast<LongTextView*>(harness::control(window, kDisplay));
            QVERIFY(display != nullptr);
            QVERIFY(display->isReadOnly());
            // Typing into it changes nothing.
            display->setFocus();
            QTest::keyClicks(display, QStringLiteral("abc"));
            QCOMPARE(display->text(), QString());
            window->close();
        }
    }

    void keysAreNamedInTooltips_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("controlId");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("digit") << kAdvancedCalculator << int(MyCalculator::kDigit7) << "Key: 7";
        QTest::newRow("operator") << kAdvancedCalculator << int(MyCalculator::kDividedBy) << "Key: /";
        QTest::newRow("Back") << kAdvancedCalculator << int(MyCalculator::kBack) << "Key: Backspace";
        QTest::newRow("Clear") << kAdvancedCalculator << int(MyCalculator::kClear) << "Key: Delete";
        QTest::newRow("default button")
            << kAdvancedCalculator << int(MyCalculator::kCalculate) << "Key: Enter";
        QTest::newRow("no key") << kAdvancedCalculator << int(MyCalculator::kStore1) << "";
        QTest::newRow("basic equals") << kBasicCalculator << int(SimpleCalc::kEquals) << "Keys: = or Enter";
    }

    void keysAreNamedInTooltips() {
        QFETCH(int, command);
        QFETCH(int, controlId);
        QFETCH(QString, tooltip);
        ToolWindow* window = harness::openTool(command);
        QCOMPARE(harness::button(window, controlId)->toolTip(), tooltip);
        window->close();
    }

    // The six blank keys are drawn, but neither Tab nor a screen reader
    // offers them as controls.
    void blankKeysAreInert() {
        ToolWindow* window = harness::openTool(kAdvancedCalculator);
        for (const int id :
             {MyCalculator::kUnusedKey1, MyCalculator::kUnusedKey2, MyCalculator::kUnusedKey3,
              MyCalculator::kUnusedKey4, MyCalculator::kUnusedKey5, MyCalculator::kUnusedKey6}) {
            QWidget* key = harness::control(window, id);
            QVERIFY(key->isVisible());
            QCOMPARE(key->focusPolicy(), Qt::NoFocus);
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(key);
            QCOMPARE(iface->role(), QAccessible::Whitespace);
            QVERIFY(!iface->state().focusable);
            QVERIFY(iface->text(QAccessible::Name).isEmpty());
            QVERIFY(iface->actionInterface()->actionNames().isEmpty());
        }
        window->close();
    }

    void helpAndFactorialMessages() {
        ToolWindow* window = harness::openTool(kAdvancedCalculator);
        QVERIFY(window != nullptr);
        harness::MessageCatcher catcher;
        harness::runSteps(window, "1056 1000 1006 1000 1036");  // Help, then 171 n!
        QCOMPARE(catcher.messages.size(), 2);
        QVERIFY(catcher.messages[0].startsWith(
            QStringLiteral("Explanation of the meaning of 'not-so-obvious' buttons!\n\n[Sto]")));
        QVERIFY(catcher.messages[0].endsWith(QStringLiteral("screen.\n\nClick [OK] to go back.")));
        QCOMPARE(catcher.messages[1], QStringLiteral("Please enter an integer between 1 and 170"));
        QCOMPARE(harness::text(window, kDisplay), QString());
        QCOMPARE(harness::text(window, kHistory), QStringLiteral("171! = ;  "));
        window->close();
    }

    void twoCalculatorsAreIndependent() {
        ToolWindow* first = harness::openTool(kBasicCalculator);
        ToolWindow* second = harness::openTool(kBasicCalculator);
        QVERIFY(first != nullptr && second != nullptr && first != second);
        harness::runSteps(first, "1000 1023");
        harness::runSteps(second, "1001");
        harness::runSteps(first, "1002 1030");
        QCOMPARE(harness::text(first, kDisplay), QStringLiteral("4"));
        QCOMPARE(harness::text(second, kDisplay), QStringLiteral("2"));
        first->close();
        second->close();
    }
};

QTEST_MAIN(CalculatorsWindowTest)
#include "calculators_window_test.moc"
