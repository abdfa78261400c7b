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
#include "core/solvers/pythegor.h"
#include "core/solvers/quad.h"
#include "core/solvers/uncert.h"
#include "ui/dialog/figure_view.h"
#include "ui/dialog/picture_window.h"
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
        QVERIFY(picture->saveTo(svg));
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
        QVERIFY(picture->saveTo(png));
        QVERIFY(!QImage(png).isNull());
        // Esc closes the picture and leaves the tool window open.
        QTest::keyClick(picture->view(), Qt::Key_Escape);
        QTRY_VERIFY(picture == nullptr);
        QVERIFY(window->isVisible());
        window->close();
    }
};

QTEST_MAIN(SolversWindowTest)
#include "solvers_window_test.moc"
