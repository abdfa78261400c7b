// The periodic table and the planet sheet driven through the real main
// window: menu commands open them, clicks go to their real buttons.

#include <QAccessible>
#include <QLineEdit>
#include <QMap>
#include <QPointer>
#include <QTest>

#include <QStringList>

#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "window/window_harness.h"

namespace {

constexpr int kPeriodicTable = 32790;
constexpr int kPlanetData = 32791;

constexpr std::array<int, 4> kElementFields{1010, 1052, 1122, 1123};
constexpr std::array<int, 10> kPlanetFields{1010, 1011, 1012, 1013, 1014, 1017, 1016, 1018, 1019, 1020};

// Clicks the buttons whose ids are listed, separated by spaces.
void clickAll(ToolWindow* window, const std::string& ids) {
    std::size_t start = 0;
    while (start < ids.size()) {
        const std::size_t end = std::min(ids.find(' ', start), ids.size());
        harness::click(window, std::stoi(ids.substr(start, end - start)));
        start = end + 1;
    }
}

// The texts of the fields joined by '|', for comparing a whole row at once.
QString fieldTexts(ToolWindow* window, std::span<const int> fields) {
    QStringList texts;
    for (const int id : fields) {
        texts.append(harness::text(window, id));
    }
    return texts.join(QLatin1Char('|'));
}

}  // namespace

class ReferenceWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void periodicButtons_data() {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Iron") << "1034"
                              << "Fe|Iron|55.845|26";
        QTest::newRow("Hydrogen") << "1000"
                                  << "H|Hydrogen|1.008|1";
        QTest::newRow("Lawrencium") << "1121"
                                    << "Lr|Lawrencium|[266]|103";
        QTest::newRow("NihoniumThenSodium") << "1062 1002"
                                            << "Na|Sodium|22.990|11";
        QTest::newRow("Tennessine") << "1034 1086"
                                    << "Ts|Tennessine|[294]|117";
        QTest::newRow("Darmstadtium") << "1062 1056"
                                      << "Ds|Darmstadtium|[281]|110";
    }

    void periodicButtons() {
        QFETCH(QString, clicks);
        QFETCH(QString, shown);
        QPointer<ToolWindow> window = harness::openTool(kPeriodicTable);
        QVERIFY(window != nullptr);
        QCOMPARE(window->windowTitle(), QStringLiteral("Periodic Table of Elements"));
        QCOMPARE(fieldTexts(window, kElementFields), QStringLiteral("|||"));
        harness::MessageCatcher catcher;
        clickAll(window, clicks.toStdString());
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(fieldTexts(window, kElementFields), shown);
        QVERIFY(catcher.messages.isEmpty());
        window->close();
    }

    void periodicRowSevenIsComplete() {
        ToolWindow* window = harness::openTool(kPeriodicTable);
        QVERIFY(window != nullptr);
        QCOMPARE(harness::button(window, 1009)->text(), QStringLiteral("Tc"));
        const QStringList symbols{"Ds", "Rg", "Cn", "Nh", "Fl", "Mc", "Lv", "Ts", "Og"};
        const QStringList names{"Darmstadtium", "Roentgenium", "Copernicium", "Nihonium", "Flerovium",
                                "Moscovium",    "Livermorium", "Tennessine",  "Oganesson"};
        const std::array<int, 9> ids{1056, 1048, 1053, 1062, 1068, 1074, 1080, 1086, 1093};
        for (std::size_t i = 0; i < ids.size(); ++i) {
            const auto at = static_cast<qsizetype>(i);
            QAbstractButton* button = harness::button(window, ids[i]);
            QVERIFY(button != nullptr);
            QCOMPARE(button->text(), symbols[at]);
            QAccessibleInterface* element = QAccessible::queryAccessibleInterface(button);
            QCOMPARE(element->text(QAccessible::Name), symbols[at]);
            QCOMPARE(element->text(QAccessible::Description),
                     names[at] + QStringLiteral(", atomic number ") + QString::number(110 + i));
        }
        QVERIFY(harness::control(window, 1059) == nullptr);
        window->close();
    }

    void periodicLongNameIsReadWhole() {
        ToolWindow* window = harness::openTool(kPeriodicTable);
        QVERIFY(window != nullptr);
        harness::click(window, 1022);
        QLineEdit* name = harness::lineEdit(window, 1052);
        QCOMPARE(name->text(), QStringLiteral("Rutherfordium"));
        // Wider than its field: the field shows its start and scrolls.
        QVERIFY(name->fontMetrics().horizontalAdvance(name->text()) > name->contentsRect().width());
        QCOMPARE(name->cursorPosition(), 0);
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(name);
        QCOMPARE(field->text(QAccessible::Value), QStringLiteral("Rutherfordium"));
        QCOMPARE(field->textInterface()->text(0, field->textInterface()->characterCount()),
                 QStringLiteral("Rutherfordium"));
        window->close();
    }

    // Keys from "H": arrow keys by name, anything else typed letter by
    // letter; Return then presses the button that has the focus.
    void periodicKeyboard_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("DownAColumn") << "Down Down"
                                     << "Na|Sodium|22.990|11";
        QTest::newRow("RightOverTheGap") << "Right"
                                         << "He|Helium|4.0026|2";
        QTest::newRow("UpToTheNearestColumn") << "Right Down Left Left Up"
                                              << "He|Helium|4.0026|2";
        QTest::newRow("IntoTheLanthanidesAndOut") << "Down Down Down Down Down Down Down Right Down Up"
                                                  << "Pr|Praseodymium|140.91|59";
        QTest::newRow("TypeASymbol") << "fe"
                                     << "Fe|Iron|55.845|26";
        QTest::newRow("TypeAName") << "gold"
                                   << "Au|Gold|196.97|79";
        QTest::newRow("TypeThenMove") << "gold Down"
                                      << "Rg|Roentgenium|[282]|111";
        QTest::newRow("NoSuchNameStays") << "q"
                                         << "H|Hydrogen|1.008|1";
        QTest::newRow("ShiftedLetters") << "OG"
                                        << "Og|Oganesson|[294]|118";
    }

    void periodicKeyboard() {
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QPointer<ToolWindow> window = harness::openTool(kPeriodicTable);
        QVERIFY(window != nullptr);
        QCOMPARE(window->focusWidget(), harness::control(window, 1000));
        const QMap<QString, Qt::Key> arrows{
            {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right}, {"Up", Qt::Key_Up}, {"Down", Qt::Key_Down}};
        for (const QString& step : keys.split(QLatin1Char(' '))) {
            if (arrows.contains(step)) {
                harness::key(window, arrows[step]);
                continue;
            }
            for (const QChar letter : step) {
                QTest::keyClick(window->focusWidget(), letter.toLatin1(),
                                letter.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
            }
        }
        // The focus mark shows from the start and stays, whichever key moved it.
        QVERIFY(window->testAttribute(Qt::WA_KeyboardFocusChange));
        harness::key(window, Qt::Key_Return);
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(fieldTexts(window, kElementFields), shown);
        window->close();
    }

    void periodicFieldsAreReadOnly() {
        ToolWindow* window = harness::openTool(kPeriodicTable);
        QVERIFY(window != nullptr);
        harness::click(window, 1034);
        for (const int id : kElementFields) {
            QLineEdit* field = harness::lineEdit(window, id);
            QVERIFY(field != nullptr);
            QVERIFY(field->isReadOnly());
        }
        harness::type(window, 1010, QStringLiteral("Xx"));
        QCOMPARE(harness::text(window, 1010), QStringLiteral("Fe"));
        window->close();
    }

    void periodicOpensOnHydrogen() {
        ToolWindow* window = harness::openTool(kPeriodicTable);
        QVERIFY(window != nullptr);
        QCOMPARE(window->focusWidget(), harness::control(window, 1000));
        window->close();
    }

    void periodicEnterOnAButtonPressesIt() {
        QPointer<ToolWindow> window = harness::openTool(kPeriodicTable);
        QVERIFY(window != nullptr);
        harness::control(window, 1074)->setFocus();
        harness::key(window, Qt::Key_Return);
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(fieldTexts(window, kElementFields), QStringLiteral("Mc|Moscovium|[290]|115"));
        window->close();
    }

    void enterInAFieldConfirms_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("field");
        QTest::newRow("Periodic") << kPeriodicTable << 1123;
        QTest::newRow("Planets") << kPlanetData << 1020;
    }

    void enterInAFieldConfirms() {
        QFETCH(int, command);
        QFETCH(int, field);
        QPointer<ToolWindow> window = harness::openTool(command);
        QVERIFY(window != nullptr);
        harness::MessageCatcher catcher;
        harness::control(window, field)->setFocus();
        harness::key(window, Qt::Key_Return);
        QVERIFY(harness::released(window));
        QVERIFY(catcher.messages.isEmpty());
    }

    void planetButtons_data() {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Earth") << "1002"
                               << "150|1.00|0.997|29.8|12,800|1.000|5.52|9.78|11.2|1";
        QTest::newRow("Venus") << "1001"
                               << "108|0.615|-243|35.0|12,100|0.815|5.20|8.60|10.3|None";
        QTest::newRow("Jupiter") << "1004"
                                 << "778|11.9|0.409|13.1|143,000|318|1.31|22.9|59.5|16 + ring";
        QTest::newRow("PlutoAfterUranus") << "1006 1008"
                                          << "5900|248|6.39|4.74|2300|0.002|2.03|0.5|1.1|1";
        QTest::newRow("SaturnTwice") << "1005 1005"
                                     << "1430|29.5|0.426|9.64|120,000|95.1|0.704|9.05|35.6|18 + rings";
    }

    void planetButtons() {
        QFETCH(QString, clicks);
        QFETCH(QString, shown);
        QPointer<ToolWindow> window = harness::openTool(kPlanetData);
        QVERIFY(window != nullptr);
        QCOMPARE(window->windowTitle(), QStringLiteral("Some Planets' Properties"));
        QCOMPARE(fieldTexts(window, kPlanetFields), QStringLiteral("|||||||||"));
        harness::MessageCatcher catcher;
        clickAll(window, clicks.toStdString());
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(fieldTexts(window, kPlanetFields), shown);
        QVERIFY(catcher.messages.isEmpty());
        window->close();
    }

    void planetFieldsCanBeTypedOverUntilTheNextPlanet() {
        ToolWindow* window = harness::openTool(kPlanetData);
        QVERIFY(window != nullptr);
        harness::click(window, 1003);
        for (const int id : kPlanetFields) {
            QVERIFY(!harness::lineEdit(window, id)->isReadOnly());
        }
        harness::type(window, 1012, QStringLiteral("my guess"));
        QCOMPARE(harness::text(window, 1012), QStringLiteral("my guess"));
        harness::click(window, 1002);
        QCOMPARE(harness::text(window, 1012), QStringLiteral("0.997"));
        window->close();
    }
};

QTEST_MAIN(ReferenceWindowTest)
#include "reference_window_test.moc"
