// Both calculators driven through the real main window: menu commands open
// them, clicks go to their real buttons, keys to the focused control.

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <cstdio>
#include <string>
#include <string_view>

#include "window/window_harness.h"

namespace {

constexpr int kAdvancedCalculator = 32793;
constexpr int kBasicCalculator = 32792;
constexpr int kDisplay = 1010;
constexpr int kHistory = 1052;

int failures = 0;

void check(bool ok, const std::string& scenario, const std::string& what) {
    if (!ok) {
        ++failures;
        std::fprintf(stderr, "FAIL! %s: %s\n", scenario.c_str(), what.c_str());
    }
}

void checkText(const QString& actual, const char* expected, const std::string& scenario,
               const char* field) {
    check(actual == QString::fromUtf8(expected), scenario,
          std::string(field) + ": got '" + actual.toStdString() + "', expected '" + expected + "'");
}

Qt::Key keyOf(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<Qt::Key>(Qt::Key_0 + (c - '0'));
    }
    switch (c) {
    case '+': return Qt::Key_Plus;
    case '-': return Qt::Key_Minus;
    case '*': return Qt::Key_Asterisk;
    case '/': return Qt::Key_Slash;
    case '=': return Qt::Key_Equal;
    case '.': return Qt::Key_Period;
    case 'R': return Qt::Key_Return;
    case 'B': return Qt::Key_Backspace;
    case 'D': return Qt::Key_Delete;
    default: return Qt::Key_unknown;
    }
}

// One scenario: a fresh window of a calculator, then steps separated by
// spaces: a control id clicks that button, "f1013" focuses that control,
// "t1013=abc" types into an edit, "k12+3R" types keys (R Return, B Backspace,
// D Delete, anything else its own character).
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
    {"AdvancedTakesNoKeys", kAdvancedCalculator, "1001 f1014 k5+", "2", "2"},
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
    {"BasicKeysAfterClick", kBasicCalculator, "1004 k*6=", "30", nullptr},
    // A clicked button keeps the focus, so Return presses it again.
    {"BasicReturnAfterClick", kBasicCalculator, "1004 k*6R", "65", nullptr},
    {"BasicBackspaceOnButton", kBasicCalculator, "1000 1001 1002 kB", "12", nullptr},
    {"BasicDeleteOnButton", kBasicCalculator, "1004 1023 kD3=", "3", nullptr},
    {"BasicReturnPressesFocusedButton", kBasicCalculator, "1001 f1003 kR", "24", nullptr},
};

void runStep(ToolWindow* window, std::string_view step) {
    if (step.starts_with('k')) {
        for (const char c : step.substr(1)) {
            harness::key(window, keyOf(c));
        }
    } else if (step.starts_with('f')) {
        if (QWidget* target = harness::control(window, std::stoi(std::string(step.substr(1))))) {
            target->setFocus();
        }
    } else if (step.starts_with('t')) {
        const std::size_t equals = step.find('=');
        harness::type(window, std::stoi(std::string(step.substr(1, equals - 1))),
                      QString::fromUtf8(step.substr(equals + 1)));
    } else {
        harness::click(window, std::stoi(std::string(step)));
    }
}

void runScenario(const Scenario& scenario) {
    QPointer<ToolWindow> window = harness::openTool(scenario.command);
    check(window != nullptr, scenario.name, "the command opened no window");
    if (window == nullptr) {
        return;
    }
    std::string steps = scenario.steps;
    std::size_t start = 0;
    while (start < steps.size()) {
        const std::size_t end = std::min(steps.find(' ', start), steps.size());
        runStep(window, std::string_view(steps).substr(start, end - start));
        start = end + 1;
    }
    check(window != nullptr && window->isVisible(), scenario.name, "the window closed");
    if (window == nullptr) {
        return;
    }
    checkText(harness::text(window, kDisplay), scenario.display, scenario.name, "display");
    if (scenario.history != nullptr) {
        checkText(harness::text(window, kHistory), scenario.history, scenario.name, "history");
    }
    window->close();
}

void bothDisplaysAreReadOnly() {
    for (const int command : {kAdvancedCalculator, kBasicCalculator}) {
        ToolWindow* window = harness::openTool(command);
        check(window != nullptr, "ReadOnlyDisplay", "no window");
        if (window == nullptr) {
            continue;
        }
        QLineEdit* display = harness::lineEdit(window, kDisplay);
        check(display != nullptr && display->isReadOnly(), "ReadOnlyDisplay", "display is editable");
        window->close();
    }
}

void messagesOfTheAdvancedCalculator() {
    ToolWindow* window = harness::openTool(kAdvancedCalculator);
    check(window != nullptr, "Messages", "no window");
    if (window == nullptr) {
        return;
    }
    harness::MessageCatcher catcher;
    harness::click(window, 1056);
    for (const int id : {1000, 1006, 1000, 1036}) {  // 171 n!
        harness::click(window, id);
    }
    check(catcher.messages.size() == 2, "Messages", "expected two message boxes");
    if (catcher.messages.size() == 2) {
        check(catcher.messages[0].startsWith("Explanation of the meaning of 'not-so-obvious' buttons!\n\n"),
              "Messages", "help text: " + catcher.messages[0].toStdString());
        checkText(catcher.messages[1], "Please enter an integer between 1 and 170", "Messages", "factorial");
    }
    checkText(harness::text(window, kDisplay), "", "Messages", "display");
    checkText(harness::text(window, kHistory), "171! = ;  ", "Messages", "history");
    window->close();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    harness::mainFrame();
    for (const Scenario& scenario : kScenarios) {
        runScenario(scenario);
    }
    bothDisplaysAreReadOnly();
    messagesOfTheAdvancedCalculator();
    std::fprintf(stderr, "%s: %d failure(s)\n", failures == 0 ? "PASS" : "FAIL", failures);
    return failures == 0 ? 0 : 1;
}
