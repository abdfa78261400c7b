// The equation solvers driven through the real main window: menu commands
// open them, clicks go to their real buttons, keys to the focused control.

#include <QPointer>
#include <QTest>

#include <algorithm>
#include <string>
#include <string_view>

#include "window/window_harness.h"

namespace {

constexpr int kGeo = 32782;
constexpr int kPythegor = 32783;
constexpr int kQuad = 32784;
constexpr int kCombination = 32785;
constexpr int kPermutation = 32786;
constexpr int kUncert = 32787;
constexpr int kBend = 32788;
constexpr int kPrefixes = 32789;

// One scenario: a fresh window of a solver, then steps separated by spaces:
// "t1010=3" types into an edit, "f1012" focuses a control, "R" presses
// Return, anything else clicks the button with that id. Then the expected
// texts, "id=text" separated by '|'.
struct Scenario {
    const char* name;
    int command;
    const char* steps;
    const char* expected;
};

const Scenario kScenarios[] = {
    {"GeoCalculate", kGeo, "t1010=1 t1011=2 t1012=3 t1013=6 1000",
     "1014=2|1017=0|1016=0|1018=4.47213595499958|1019=2|1020=4"},
    {"GeoVertical", kGeo, "t1010=2 t1011=5 t1012=2 t1013=9 1000",
     "1014=-9999999999|1017=20000000003|1016=20000000007"},
    {"GeoEnterCalculates", kGeo, "t1010=1 t1011=3 t1012=4 t1013=3 R", "1014=0|1017=3|1019=2.5"},
    {"GeoClearData", kGeo, "t1010=1 t1011=2 1000 1001", "1010=0|1011=0|1014=0|1018=0"},
    {"PythegorHypotenuse", kPythegor, "t1010=3 t1011=4 1000", "1012=5|1013="},
    {"PythegorSide", kPythegor, "t1010=3 t1011=99 t1012=5 1001", "1011=4"},
    {"PythegorNoData", kPythegor, "1001", "1013=No data entered."},
    {"PythegorTriple", kPythegor, "t1010=1.5 t1011=2 t1012=2.5 1002", "1013=Yes, Pythegorean Tripple!"},
    {"PythegorClear", kPythegor, "t1010=3 t1011=4 1002 1003", "1010=0|1012=0|1013="},
    {"QuadRoots", kQuad, "t1010=1 t1011=-3 t1012=2 1000", "1017=2|1018=1"},
    {"QuadLinear", kQuad, "t1010=0 t1011=2 t1012=4 R", "1017=-1.#IND|1018=-1.#INF"},
    {"UncertAbsolute", kUncert, "t1010=200 t1011=50 1000", "1014=100"},
    {"UncertPercent", kUncert, "t1012=3 t1013=0.5 1001", "1014=16.6666666666667"},
    {"UncertEnterClears", kUncert, "t1012=40 t1013=2 1001 t1010=abc f1013 R", "1010=0|1012=0|1013=0|1014=0"},
    {"BendCalculate", kBend, "t1010=1 t1011=0.5 t1012=45 1000",
     "1019=0.9163|1020=1.16666666666667|1021=1.8326|1022=0.0203622222222222"},
    {"CombinationPoker", kCombination, "t1010=52 t1011=5 1000", "1012=2598960"},
    {"CombinationNone", kCombination, "t1010=5 t1011=0 R", "1012=1.#INF"},
    {"CombinationClear", kCombination, "t1010=5 t1011=2 1000 1001", "1010=0|1011=0|1012=0"},
    {"PermutationFractional", kPermutation, "t1010=5 t1011=2.5 1000", "1012=60"},
    {"PermutationHugeR", kPermutation, "t1010=7.5 t1011=1e300 1000", "1012=1.#INF"},
    {"PrefixesKeypad", kPrefixes, "1006 1002 1000", "1010=-6|1011=-6|1012=micro|1013=greek mue"},
    {"PrefixesLowerKeys", kPrefixes, "1017 1018 1018 1019", "1010=24|1011=24|1012=yotta|1013=Y"},
    {"PrefixesEnterLooksUp", kPrefixes, "t1010=4 R", "1011=4|1012=Invalid|1013=Invalid"},
    {"PrefixesClear", kPrefixes, "1005 1000 1001", "1010=0|1011=0|1012=|1013="},
};

}  // namespace

class SolversWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void clicksAndKeys_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        for (const Scenario& s : kScenarios) {
            QTest::newRow(s.name) << s.command << QString::fromUtf8(s.steps) << QString::fromUtf8(s.expected);
        }
    }

    void clicksAndKeys() {
        QFETCH(int, command);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        QPointer<ToolWindow> window = harness::openTool(command);
        QVERIFY(window != nullptr);
        harness::MessageCatcher catcher;
        harness::runSteps(window, steps.toStdString());
        QVERIFY(window != nullptr && window->isVisible());
        for (const QString& pair : expected.split(QLatin1Char('|'))) {
            const qsizetype equals = pair.indexOf(QLatin1Char('='));
            const int id = pair.left(equals).toInt();
            QCOMPARE(harness::text(window, id), pair.mid(equals + 1));
        }
        QCOMPARE(catcher.messages, QStringList());
        window->close();
    }

    void pythegorEnterConfirmsAndHides() {
        QPointer<ToolWindow> window = harness::openTool(kPythegor);
        QVERIFY(window != nullptr);
        harness::runSteps(window, "t1010=3 t1011=4 f1011 R");
        QTRY_VERIFY(harness::released(window));
    }

    void pythegorEnterWithRefusedTextStays() {
        QPointer<ToolWindow> window = harness::openTool(kPythegor);
        QVERIFY(window != nullptr);
        harness::MessageCatcher catcher;
        harness::runSteps(window, "t1010=3 t1011=four f1010 R");
        QTRY_COMPARE(catcher.messages, QStringList{QStringLiteral("Please enter a number.")});
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(window->focusWidget(), harness::control(window, 1011));
        window->close();
    }

    void pythegorEnterOnAFocusedButtonPressesIt() {
        QPointer<ToolWindow> window = harness::openTool(kPythegor);
        QVERIFY(window != nullptr);
        harness::runSteps(window, "t1010=3 t1011=4 f1000 R");
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(harness::text(window, 1012), QStringLiteral("5"));
        window->close();
    }

    void geoRefusedFieldShowsTheMessage() {
        QPointer<ToolWindow> window = harness::openTool(kGeo);
        QVERIFY(window != nullptr);
        harness::MessageCatcher catcher;
        harness::runSteps(window, "t1010=1 t1011=2 t1012=x t1013=6 1000");
        QTRY_COMPARE(catcher.messages, QStringList{QStringLiteral("Please enter a number.")});
        QCOMPARE(harness::text(window, 1012), QStringLiteral("0"));
        QCOMPARE(harness::text(window, 1014), QStringLiteral("2"));
        window->close();
    }
};

QTEST_MAIN(SolversWindowTest)
#include "solvers_window_test.moc"
