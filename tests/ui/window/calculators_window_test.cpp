// Both calculators driven through the real main window: menu commands open
// them, clicks go to their real buttons, keys to the focused control.

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>

#include <QPointer>
#include <QTest>
#include "ui/widgets/long_text_view.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "core/calculators/my_calculator.h"
#include "core/calculators/simple_calc.h"
#include "support/window_harness.h"

namespace {

using Advanced = MyCalculator;
using Basic = SimpleCalc;

using harness::focused;
using harness::steps;
using harness::typed;

const int kAdvancedCalculator = harness::commandOf<MyCalculator>();
const int kBasicCalculator = harness::commandOf<SimpleCalc>();
// Both calculators show their number in a display of the same id.
static_assert(static_cast<int>(Advanced::kDisplay) == static_cast<int>(Basic::kDisplay));
constexpr int kDisplay = Advanced::kDisplay;

// One scenario: a fresh window of a calculator, then steps for harness::runSteps.
struct Scenario {
    const char* name;
    int command;
    std::string steps;
    const char* display;
    const char* history;  // nullptr: not checked (the basic calculator has none)
};

const Scenario kScenarios[] = {
    {"AdvancedEntry", kAdvancedCalculator,
     steps({Advanced::kDigit1, Advanced::kPoint, Advanced::kDigit5, Advanced::kSign}), "-1.5", "1.5(-)"},
    {"AdvancedStoreRecall", kAdvancedCalculator,
     steps({Advanced::kDigit1, Advanced::kPoint, Advanced::kDigit5, Advanced::kSign, Advanced::kStore2,
            Advanced::kClear, Advanced::kRecall2}),
     "-1.5", "1.5(-)[sto2][clr]-1.5"},
    {"AdvancedLeftToRight", kAdvancedCalculator,
     steps({Advanced::kDigit2, Advanced::kPlus, Advanced::kDigit3, Advanced::kTimes, Advanced::kDigit4,
            Advanced::kEquals}),
     "20", "2 + 3 = 5;   * 4 = 20;  "},
    {"AdvancedCalculateButton", kAdvancedCalculator,
     steps({Advanced::kDigit2, Advanced::kRaise, Advanced::kDigit1, Advanced::kDigit0, Advanced::kCalculate}),
     "1024", "2^10 = 1024;  "},
    {"AdvancedFunction", kAdvancedCalculator, steps({Advanced::kDigit3, Advanced::kDigit0, Advanced::kSin}),
     "-0.988032", "30(sin) = -0.988032;  "},
    {"AdvancedDivideByZero", kAdvancedCalculator,
     steps({Advanced::kDigit5, Advanced::kDividedBy, Advanced::kDigit0, Advanced::kEquals}), "1.#INF",
     "5 / 0 = 1.#INF;  "},
    {"AdvancedTypedMemory", kAdvancedCalculator,
     steps({typed(Advanced::kMemory1, "abc"), Advanced::kRecall1, Advanced::kDigit7}), "abc7", "abc7"},
    {"AdvancedEnterPressesCalculate", kAdvancedCalculator,
     steps({Advanced::kDigit2, Advanced::kPlus, Advanced::kDigit3, focused(Advanced::kMemory1), "kR"}), "5",
     "2 + 3 = 5;  "},
    {"AdvancedEnterPressesFocusedButton", kAdvancedCalculator,
     steps({Advanced::kDigit2, focused(Advanced::kDigit5), "kR"}), "25", "25"},
    // Typed keys press their buttons; Enter is "Calculate (=)" but on a focused button.
    {"AdvancedKeys", kAdvancedCalculator, steps({focused(Advanced::kDisplay), "k12+3="}), "15",
     "12 + 3 = 15;  "},
    {"AdvancedKeysAfterClick", kAdvancedCalculator, steps({Advanced::kDigit1, "k2*3="}), "36",
     "12 * 3 = 36;  "},
    {"AdvancedEnterKeyOnDisplay", kAdvancedCalculator, steps({focused(Advanced::kDisplay), "k9/4R"}), "2.25",
     "9 / 4 = 2.25;  "},
    {"AdvancedBackspaceKey", kAdvancedCalculator, steps({focused(Advanced::kDisplay), "k123B"}), "12",
     "123[del]"},
    {"AdvancedKeysInAMemoryStayThere", kAdvancedCalculator,
     steps({Advanced::kDigit2, focused(Advanced::kMemory2), "k5+"}), "2", "2"},
    {"AdvancedBlankButton", kAdvancedCalculator, steps({Advanced::kDigit2, Advanced::kUnusedKey1}), "2", "2"},
    {"BasicButtons", kBasicCalculator,
     steps({Basic::kDigit1, Basic::kDigit2, Basic::kPlus, Basic::kDigit3, Basic::kEquals}), "15", nullptr},
    {"BasicFifteenDigits", kBasicCalculator,
     steps({Basic::kDigit1, Basic::kDividedBy, Basic::kDigit3, Basic::kEquals}), "0.333333333333333",
     nullptr},
    {"BasicDivideByZero", kBasicCalculator,
     steps({Basic::kDigit1, Basic::kDividedBy, Basic::kDigit0, Basic::kEquals}), "1.#INF", nullptr},
    {"BasicSignAndPoint", kBasicCalculator,
     steps({Basic::kPoint, Basic::kDigit5, Basic::kSign, Basic::kTimes, Basic::kDigit4, Basic::kEquals}),
     "-2", nullptr},
    {"BasicBackAndClear", kBasicCalculator,
     steps({Basic::kDigit1, Basic::kDigit2, Basic::kBack, Basic::kPlus, Basic::kClear, Basic::kDigit9}), "9",
     nullptr},
    {"BasicNewNumberAfterResult", kBasicCalculator,
     steps({Basic::kDigit2, Basic::kPlus, Basic::kDigit2, Basic::kEquals, Basic::kDigit7}), "7", nullptr},
    {"BasicKeys", kBasicCalculator, steps({"k12+3="}), "15", nullptr},
    {"BasicKeysLeftToRight", kBasicCalculator, steps({"k2+3*4="}), "20", nullptr},
    {"BasicReturnIsEquals", kBasicCalculator, steps({"k1/8R"}), "0.125", nullptr},
    {"BasicBackspace", kBasicCalculator, steps({"k123B"}), "12", nullptr},
    {"BasicDeleteClears", kBasicCalculator, steps({"k5+D3R"}), "3", nullptr},
    {"BasicPointKey", kBasicCalculator, steps({"k.5*4="}), "2", nullptr},
    // ',' is the keypad's decimal key of a decimal-comma keyboard layout.
    {"BasicKeypadDecimalKey", kBasicCalculator, steps({"k1,5*2="}), "3", nullptr},
    {"BasicKeysAfterClick", kBasicCalculator, steps({Basic::kDigit5, "k*6="}), "30", nullptr},
    // Return is "=" even when a clicked key keeps the focus.
    {"BasicReturnAfterClick", kBasicCalculator, steps({Basic::kDigit5, "k*6R"}), "30", nullptr},
    {"BasicBackspaceOnButton", kBasicCalculator,
     steps({Basic::kDigit1, Basic::kDigit2, Basic::kDigit3, "kB"}), "12", nullptr},
    {"BasicDeleteOnButton", kBasicCalculator, steps({Basic::kDigit5, Basic::kPlus, "kD3="}), "3", nullptr},
    {"BasicReturnOnFocusedButtonIsEquals", kBasicCalculator,
     steps({Basic::kDigit2, Basic::kPlus, Basic::kDigit4, focused(Basic::kDigit4), "kR"}), "6", nullptr},
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
            QTest::newRow(s.name) << s.command << QString::fromStdString(s.steps)
                                  << QString::fromUtf8(s.display)
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
            QCOMPARE(harness::text(window, Advanced::kHistory), history);
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
        QTest::newRow("digit") << kAdvancedCalculator << int(Advanced::kDigit7) << "Key: 7";
        QTest::newRow("operator") << kAdvancedCalculator << int(Advanced::kDividedBy) << "Key: /";
        QTest::newRow("Back") << kAdvancedCalculator << int(Advanced::kBack) << "Key: Backspace";
        QTest::newRow("Clear") << kAdvancedCalculator << int(Advanced::kClear) << "Key: Delete";
        QTest::newRow("default button") << kAdvancedCalculator << int(Advanced::kCalculate) << "Key: Enter";
        QTest::newRow("no key") << kAdvancedCalculator << int(Advanced::kStore1) << "";
        QTest::newRow("basic equals") << kBasicCalculator << int(Basic::kEquals) << "Keys: = or Enter";
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
        for (const int id : {Advanced::kUnusedKey1, Advanced::kUnusedKey2, Advanced::kUnusedKey3,
                             Advanced::kUnusedKey4, Advanced::kUnusedKey5, Advanced::kUnusedKey6}) {
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
        harness::runSteps(window, steps({Advanced::kHelp, Advanced::kDigit1, Advanced::kDigit7,
                                         Advanced::kDigit1, Advanced::kFactorial}));  // Help, then 171 n!
        QCOMPARE(catcher.messages.size(), 2);
        QVERIFY(catcher.messages[0].startsWith(
            QStringLiteral("Explanation of the meaning of 'not-so-obvious' buttons!\n\n[Sto]")));
        QVERIFY(catcher.messages[0].endsWith(QStringLiteral("screen.\n\nClick [OK] to go back.")));
        QCOMPARE(catcher.messages[1], QStringLiteral("Please enter an integer between 1 and 170"));
        QCOMPARE(harness::text(window, kDisplay), QString());
        QCOMPARE(harness::text(window, Advanced::kHistory), QStringLiteral("171! = ;  "));
        window->close();
    }

    void twoCalculatorsAreIndependent() {
        ToolWindow* first = harness::openTool(kBasicCalculator);
        ToolWindow* second = harness::openTool(kBasicCalculator);
        QVERIFY(first != nullptr && second != nullptr && first != second);
        harness::runSteps(first, steps({Basic::kDigit1, Basic::kPlus}));
        harness::runSteps(second, steps({Basic::kDigit2}));
        harness::runSteps(first, steps({Basic::kDigit3, Basic::kEquals}));
        QCOMPARE(harness::text(first, kDisplay), QStringLiteral("4"));
        QCOMPARE(harness::text(second, kDisplay), QStringLiteral("2"));
        first->close();
        second->close();
    }
};

QTEST_MAIN(CalculatorsWindowTest)
#include "calculators_window_test.moc"
