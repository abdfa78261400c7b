// The equation solvers driven through the real main window: menu commands
// open them, clicks go to their real buttons, keys to the focused control.

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/solvers/bend.h"
#include "core/solvers/geo.h"
#include "core/solvers/permutation.h"
#include "core/solvers/prefixes.h"
#include "core/solvers/pythegor.h"
#include "core/solvers/quad.h"
#include "core/solvers/the_combination.h"
#include "core/solvers/uncert.h"
#include "support/window_harness.h"
#include "ui/picture/figure_view.h"
#include "ui/picture/picture_window.h"

namespace {

const int kGeo = harness::commandOf<Geo>();
const int kPythegor = harness::commandOf<Pythegor>();
const int kQuad = harness::commandOf<Quad>();
const int kCombination = harness::commandOf<TheCombination>();
const int kPermutation = harness::commandOf<Permutation>();
const int kUncert = harness::commandOf<Uncert>();
const int kBend = harness::commandOf<Bend>();
const int kPrefixes = harness::commandOf<Prefixes>();

using harness::fieldTexts;
using harness::focused;
using harness::steps;
using harness::typed;

// One scenario: a fresh window of a solver, the steps for harness::runSteps
// and the texts the fields show after them.
struct Scenario {
    const char* name;
    int command;
    std::string steps;
    std::string expected;
};

const Scenario kScenarios[] = {
    {"GeoCalculate", kGeo,
     steps({typed(Geo::kX1, "1"), typed(Geo::kY1, "2"), typed(Geo::kX2, "3"), typed(Geo::kY2, "6"),
            Geo::kCalculate}),
     fieldTexts({{Geo::kSlope, "2"},
                 {Geo::kIntercept1, "0"},
                 {Geo::kIntercept2, "0"},
                 {Geo::kDistance, "4.47213595499958"},
                 {Geo::kMidX, "2"},
                 {Geo::kMidY, "4"}})},
    {"GeoVertical", kGeo,
     steps({typed(Geo::kX1, "2"), typed(Geo::kY1, "5"), typed(Geo::kX2, "2"), typed(Geo::kY2, "9"),
            Geo::kCalculate}),
     fieldTexts({{Geo::kSlope, "-9999999999"},
                 {Geo::kIntercept1, "20000000003"},
                 {Geo::kIntercept2, "20000000007"}})},
    {"GeoEnterCalculates", kGeo,
     steps({typed(Geo::kX1, "1"), typed(Geo::kY1, "3"), typed(Geo::kX2, "4"), typed(Geo::kY2, "3"), "R"}),
     fieldTexts({{Geo::kSlope, "0"}, {Geo::kIntercept1, "3"}, {Geo::kMidX, "2.5"}})},
    {"GeoClearData", kGeo,
     steps({typed(Geo::kX1, "1"), typed(Geo::kY1, "2"), Geo::kCalculate, Geo::kClearData}),
     fieldTexts({{Geo::kX1, "0"}, {Geo::kY1, "0"}, {Geo::kSlope, "0"}, {Geo::kDistance, "0"}})},
    {"PythegorHypotenuse", kPythegor,
     steps({typed(Pythegor::kSide1, "3"), typed(Pythegor::kSide2, "4"), Pythegor::kFindHypotenuse}),
     fieldTexts({{Pythegor::kHypotenuse, "5"}, {Pythegor::kMessage, ""}})},
    {"PythegorSide", kPythegor,
     steps({typed(Pythegor::kSide1, "3"), typed(Pythegor::kSide2, "99"), typed(Pythegor::kHypotenuse, "5"),
            Pythegor::kFindSide}),
     fieldTexts({{Pythegor::kSide2, "4"}})},
    {"PythegorNoData", kPythegor, steps({Pythegor::kFindSide}),
     fieldTexts({{Pythegor::kMessage, "No data entered."}})},
    {"PythegorTriple", kPythegor,
     steps({typed(Pythegor::kSide1, "1.5"), typed(Pythegor::kSide2, "2"), typed(Pythegor::kHypotenuse, "2.5"),
            Pythegor::kCheckTriple}),
     fieldTexts({{Pythegor::kMessage, "Yes, Pythegorean Tripple!"}})},
    {"PythegorClear", kPythegor,
     steps({typed(Pythegor::kSide1, "3"), typed(Pythegor::kSide2, "4"), Pythegor::kCheckTriple,
            Pythegor::kClearData}),
     fieldTexts({{Pythegor::kSide1, "0"}, {Pythegor::kHypotenuse, "0"}, {Pythegor::kMessage, ""}})},
    {"QuadRoots", kQuad,
     steps({typed(Quad::kA, "1"), typed(Quad::kB, "-3"), typed(Quad::kC, "2"), Quad::kFindRoots}),
     fieldTexts({{Quad::kRoot1, "2"}, {Quad::kRoot2, "1"}})},
    {"QuadLinear", kQuad, steps({typed(Quad::kA, "0"), typed(Quad::kB, "2"), typed(Quad::kC, "4"), "R"}),
     fieldTexts({{Quad::kRoot1, "-1.#IND"}, {Quad::kRoot2, "-1.#INF"}})},
    {"UncertAbsolute", kUncert,
     steps({typed(Uncert::kValue1, "200"), typed(Uncert::kPercent1, "50"), Uncert::kCalcAbsUncertainty}),
     fieldTexts({{Uncert::kResult, "100"}})},
    {"UncertPercent", kUncert,
     steps({typed(Uncert::kValue2, "3"), typed(Uncert::kAbsUncertainty2, "0.5"),
            Uncert::kCalcPercentUncertainty}),
     fieldTexts({{Uncert::kResult, "16.6666666666667"}})},
    {"UncertEnterClears", kUncert,
     steps({typed(Uncert::kValue2, "40"), typed(Uncert::kAbsUncertainty2, "2"),
            Uncert::kCalcPercentUncertainty, typed(Uncert::kValue1, "abc"), focused(Uncert::kAbsUncertainty2),
            "R"}),
     fieldTexts({{Uncert::kValue1, "0"},
                 {Uncert::kValue2, "0"},
                 {Uncert::kAbsUncertainty2, "0"},
                 {Uncert::kResult, "0"}})},
    {"BendCalculate", kBend,
     steps({typed(Bend::kRadius, "1"), typed(Bend::kThickness, "0.5"), typed(Bend::kAngle, "45"),
            Bend::kCalculate}),
     fieldTexts({{Bend::kBendAllowance, "0.9163"},
                 {Bend::kNeutralAxis, "1.16666666666667"},
                 {Bend::kRightAngleBend, "1.8326"},
                 {Bend::kPerDegree, "0.0203622222222222"}})},
    {"CombinationPoker", kCombination,
     steps({typed(TheCombination::kN, "52"), typed(TheCombination::kR, "5"), TheCombination::kCalculate}),
     fieldTexts({{TheCombination::kResult, "2598960"}})},
    {"CombinationNone", kCombination,
     steps({typed(TheCombination::kN, "5"), typed(TheCombination::kR, "0"), "R"}),
     fieldTexts({{TheCombination::kResult, "1.#INF"}})},
    {"CombinationClear", kCombination,
     steps({typed(TheCombination::kN, "5"), typed(TheCombination::kR, "2"), TheCombination::kCalculate,
            TheCombination::kClear}),
     fieldTexts({{TheCombination::kN, "0"}, {TheCombination::kR, "0"}, {TheCombination::kResult, "0"}})},
    {"PermutationFractional", kPermutation,
     steps({typed(Permutation::kN, "5"), typed(Permutation::kR, "2.5"), Permutation::kCalculate}),
     fieldTexts({{Permutation::kResult, "60"}})},
    {"PermutationHugeR", kPermutation,
     steps({typed(Permutation::kN, "7.5"), typed(Permutation::kR, "1e300"), Permutation::kCalculate}),
     fieldTexts({{Permutation::kResult, "1.#INF"}})},
    {"PrefixesKeypad", kPrefixes, steps({Prefixes::kKeyE6, Prefixes::kPlusMinus, Prefixes::kLookUp}),
     fieldTexts({{Prefixes::kPower, "-6"},
                 {Prefixes::kFactor, "-6"},
                 {Prefixes::kPrefix, "micro"},
                 {Prefixes::kSymbol, "greek mue"}})},
    {"PrefixesLowerKeys", kPrefixes,
     steps({Prefixes::kKeyE24, Prefixes::kKeypadPlusMinus, Prefixes::kKeypadPlusMinus,
            Prefixes::kKeypadLookUp}),
     fieldTexts({{Prefixes::kPower, "24"},
                 {Prefixes::kFactor, "24"},
                 {Prefixes::kPrefix, "yotta"},
                 {Prefixes::kSymbol, "Y"}})},
    {"PrefixesEnterLooksUp", kPrefixes, steps({typed(Prefixes::kPower, "4"), "R"}),
     fieldTexts({{Prefixes::kFactor, "4"}, {Prefixes::kPrefix, "Invalid"}, {Prefixes::kSymbol, "Invalid"}})},
    {"PrefixesClear", kPrefixes, steps({Prefixes::kKeyE3, Prefixes::kLookUp, Prefixes::kClearData}),
     fieldTexts({{Prefixes::kPower, "0"},
                 {Prefixes::kFactor, "0"},
                 {Prefixes::kPrefix, ""},
                 {Prefixes::kSymbol, ""}})},
};

// A solver's picture, opened before the presses, and what it says after them.
struct PictureScenario {
    const char* name;
    int command;
    std::vector<std::pair<int, const char*>> typed;
    int press;
    const char* description;
};

const PictureScenario kPictures[] = {
    {"Quad",
     kQuad,
     {{Quad::kA, "1"}, {Quad::kB, "-3"}, {Quad::kC, "2"}},
     Quad::kFindRoots,
     "Parabola opening upward; x-values 2 and 1; vertex at 1.5, -0.25"},
    {"Geo",
     kGeo,
     {{Geo::kX1, "1"}, {Geo::kY1, "2"}, {Geo::kX2, "3"}, {Geo::kY2, "6"}},
     Geo::kCalculate,
     "Line through (1, 2) and (3, 6); slope 2; y-intercept 0; distance 4.47213595499958; midpoint 2, 4"},
    {"Pythegor",
     kPythegor,
     {{Pythegor::kSide1, "3"}, {Pythegor::kSide2, "4"}},
     Pythegor::kFindHypotenuse,
     "Right triangle; sides 3 and 4; hypotenuse 5; right angle between the sides"},
    {"Uncert",
     kUncert,
     {{Uncert::kValue2, "40"}, {Uncert::kAbsUncertainty2, "2"}},
     Uncert::kCalcPercentUncertainty,
     "Number line; first value 0 \u00B1 0 %, from 0 to 0; second value 40 \u00B1 2, from 38 to 42"},
    {"Bend",
     kBend,
     {{Bend::kRadius, "1"}, {Bend::kThickness, "0.5"}, {Bend::kAngle, "45"}},
     Bend::kCalculate,
     "Sheet of thickness 0.5 bent 45 degrees around an inside radius of 1; neutral axis radius "
     "1.16666666666667; "
     "bend allowance 0.9163 along the neutral axis"},
};

// The tool window's context menu, as a right click on its background opens it.
QMenu* contextMenu(ToolWindow* window) {
    const QPoint background(2, 2);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, background, window->mapToGlobal(background));
    QApplication::sendEvent(window, &menuEvent);
    return window->findChild<QMenu*>();
}

QAction* menuEntry(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

PictureWindow* pictureOf(ToolWindow* window) {
    return window->findChild<PictureWindow*>();
}

}  // namespace

class SolversWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void clicksAndKeys_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        for (const Scenario& s : kScenarios) {
            QTest::newRow(s.name) << s.command << QString::fromStdString(s.steps)
                                  << QString::fromStdString(s.expected);
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
        harness::runSteps(window, steps({typed(Pythegor::kSide1, "3"), typed(Pythegor::kSide2, "4"),
                                         focused(Pythegor::kSide2), "R"}));
        QTRY_VERIFY(harness::released(window));
    }

    void pythegorEnterWithRefusedTextStays() {
        QPointer<ToolWindow> window = harness::openTool(kPythegor);
        QVERIFY(window != nullptr);
        harness::MessageCatcher catcher;
        harness::runSteps(window, steps({typed(Pythegor::kSide1, "3"), typed(Pythegor::kSide2, "four"),
                                         focused(Pythegor::kSide1), "R"}));
        QTRY_COMPARE(catcher.messages, QStringList{QStringLiteral("Please enter a number.")});
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(window->focusWidget(), harness::control(window, Pythegor::kSide2));
        window->close();
    }

    void pythegorEnterOnAFocusedButtonPressesIt() {
        QPointer<ToolWindow> window = harness::openTool(kPythegor);
        QVERIFY(window != nullptr);
        harness::runSteps(window, steps({typed(Pythegor::kSide1, "3"), typed(Pythegor::kSide2, "4"),
                                         focused(Pythegor::kFindHypotenuse), "R"}));
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(harness::text(window, Pythegor::kHypotenuse), QStringLiteral("5"));
        window->close();
    }

    void geoRefusedFieldShowsTheMessage() {
        QPointer<ToolWindow> window = harness::openTool(kGeo);
        QVERIFY(window != nullptr);
        harness::MessageCatcher catcher;
        harness::runSteps(window, steps({typed(Geo::kX1, "1"), typed(Geo::kY1, "2"), typed(Geo::kX2, "x"),
                                         typed(Geo::kY2, "6"), Geo::kCalculate}));
        QTRY_COMPARE(catcher.messages, QStringList{QStringLiteral("Please enter a number.")});
        QCOMPARE(harness::text(window, Geo::kX2), QStringLiteral("0"));
        QCOMPARE(harness::text(window, Geo::kSlope), QStringLiteral("2"));
        window->close();
    }

    void pictureFollowsThePresses_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < std::size(kPictures); ++i) {
            QTest::newRow(kPictures[i].name) << static_cast<int>(i);
        }
    }

    void pictureFollowsThePresses() {
        QFETCH(int, index);
        const PictureScenario& scenario = kPictures[index];
        QPointer<ToolWindow> window = harness::openTool(scenario.command);
        QVERIFY(window != nullptr);
        QMenu* menu = contextMenu(window);
        QVERIFY(menu != nullptr && menu->isVisible());
        QAction* show = menuEntry(menu, QStringLiteral("Show Picture"));
        QVERIFY(show != nullptr);
        QCOMPARE(show->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        show->trigger();
        menu->close();
        QPointer<PictureWindow> picture = pictureOf(window);
        QVERIFY(picture != nullptr && picture->isVisible());
        QCOMPARE(picture->windowTitle(), window->windowTitle() + QStringLiteral(" - Picture"));
        const QImage before = picture->view()->grab().toImage();

        for (const auto& [id, text] : scenario.typed) {
            harness::type(window, id, QString::fromUtf8(text));
        }
        harness::click(window, scenario.press);
        QTRY_COMPARE(picture->view()->accessibleDescription(), QString::fromUtf8(scenario.description));
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(picture->view());
        QVERIFY(spoken != nullptr);
        QCOMPARE(spoken->role(), QAccessible::Graphic);
        QCOMPARE(spoken->text(QAccessible::Description), QString::fromUtf8(scenario.description));
        // Drawn, and drawn anew: the press changed the pixels.
        const QImage after = picture->view()->grab().toImage();
        QVERIFY(after != before);
        const QColor background = picture->view()->palette().color(QPalette::Base);
        int inked = 0;
        for (int y = 0; y < after.height(); y += 2) {
            for (int x = 0; x < after.width(); x += 2) {
                inked += after.pixelColor(x, y) != background ? 1 : 0;
            }
        }
        QVERIFY(inked > 100);
        // The key opens the same window again rather than a second one.
        harness::key(window, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(window->findChildren<PictureWindow*>().size(), 1);
        window->close();
        QTRY_VERIFY(picture == nullptr);
    }

    void pictureOnlyForTheSolversThatDraw() {
        QPointer<ToolWindow> window = harness::openTool(kCombination);
        QVERIFY(window != nullptr);
        QMenu* menu = contextMenu(window);
        QVERIFY(menu != nullptr);
        QCOMPARE(menuEntry(menu, QStringLiteral("Show Picture")), nullptr);
        menu->close();
        harness::key(window, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(pictureOf(window), nullptr);
        window->close();
    }

    void pictureCopiedAndSaved() {
        QPointer<ToolWindow> window = harness::openTool(kQuad);
        QVERIFY(window != nullptr);
        harness::key(window, Qt::Key_P, Qt::ControlModifier);
        QPointer<PictureWindow> picture = pictureOf(window);
        QVERIFY(picture != nullptr);
        harness::type(window, Quad::kA, QStringLiteral("1"));
        harness::type(window, Quad::kB, QStringLiteral("0"));
        harness::type(window, Quad::kC, QStringLiteral("-4"));
        harness::click(window, Quad::kFindRoots);
        QTRY_VERIFY(picture->view()->accessibleDescription().contains(QStringLiteral("x-values 2 and -2")));

        picture->copyAction()->trigger();
        const QImage copied = QGuiApplication::clipboard()->image();
        QVERIFY(!copied.isNull());
        QVERIFY(copied.width() >= picture->view()->width() * 2);

        QTemporaryDir dir;
        const QString svg = dir.filePath(QStringLiteral("roots.svg"));
        QCOMPARE(picture->saveTo(svg), QString());
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList texts;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("text")) {
                texts << xml.readElementText();
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(texts.contains(QStringLiteral("x = 2")));
        QVERIFY(texts.contains(QStringLiteral("x = -2")));
        const QString png = dir.filePath(QStringLiteral("roots.png"));
        QCOMPARE(picture->saveTo(png), QString());
        QVERIFY(!QImage(png).isNull());
        // A write that fails says why.
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), dir.filePath(QStringLiteral("full.svg"))));
        QCOMPARE(picture->saveTo(dir.filePath(QStringLiteral("full.svg"))),
                 QStringLiteral("No space left on device"));
        // Esc closes the picture and leaves the tool window open.
        QTest::keyClick(picture->view(), Qt::Key_Escape);
        QTRY_VERIFY(picture == nullptr);
        QVERIFY(window->isVisible());
        window->close();
    }
};

QTEST_MAIN(SolversWindowTest)
#include "solvers_window_test.moc"
