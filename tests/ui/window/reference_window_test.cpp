// The periodic table and the planet sheet driven through the real main
// window: menu commands open them, clicks go to their real buttons.

#include <QAccessible>
#include <QLineEdit>
#include <QMap>
#include <QPointer>
#include <QStringList>
#include <QTest>

#include "core/reference/periodic.h"
#include "core/reference/planets.h"
#include "support/element_button.h"
#include "support/window_harness.h"

namespace {

const int kPeriodicTable = harness::commandOf<Periodic>();
const int kPlanetData = harness::commandOf<Planets>();

void clickAll(ToolWindow* window, const QList<int>& ids) {
    for (const int id : ids) {
        harness::click(window, id);
    }
}

// The ids of the tool's fields, in the order the sheet lists them.
QList<int> fieldsOf(ToolWindow* window) {
    QList<int> fields;
    for (const Binding& binding : window->tool().bindings()) {
        fields << binding.controlId;
    }
    return fields;
}

// The texts of the fields joined by '|', for comparing a whole row at once.
QString fieldTexts(ToolWindow* window) {
    QStringList texts;
    for (const int id : fieldsOf(window)) {
        texts.append(harness::text(window, id));
    }
    return texts.join(QLatin1Char('|'));
}

}  // namespace

class ReferenceWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A button of a data sheet fills its fields, whatever they held before.
    void buttonsFillTheFields_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Iron") << kPeriodicTable << QList<int>{elementButton("Fe")} << "Fe|Iron|55.845|26";
        QTest::newRow("Hydrogen") << kPeriodicTable << QList<int>{elementButton("H")} << "H|Hydrogen|1.008|1";
        QTest::newRow("Lawrencium") << kPeriodicTable << QList<int>{elementButton("Lr")}
                                    << "Lr|Lawrencium|[266]|103";
        QTest::newRow("NihoniumThenSodium")
            << kPeriodicTable << QList<int>{elementButton("Nh"), elementButton("Na")}
            << "Na|Sodium|22.990|11";
        QTest::newRow("Tennessine") << kPeriodicTable << QList<int>{elementButton("Fe"), elementButton("Ts")}
                                    << "Ts|Tennessine|[294]|117";
        QTest::newRow("Darmstadtium")
            << kPeriodicTable << QList<int>{elementButton("Nh"), elementButton("Ds")}
            << "Ds|Darmstadtium|[281]|110";
        QTest::newRow("Earth") << kPlanetData << QList<int>{Planets::kEarth}
                               << "150|1.00|0.997|29.8|12,800|1.000|5.51|9.78|11.2|1";
        QTest::newRow("Venus") << kPlanetData << QList<int>{Planets::kVenus}
                               << "108|0.615|-243|35.0|12,100|0.815|5.24|8.87|10.4|None";
        QTest::newRow("Jupiter") << kPlanetData << QList<int>{Planets::kJupiter}
                                 << "778|11.9|0.414|13.1|143,000|318|1.33|23.1|59.5|95 + rings";
        QTest::newRow("PlutoAfterUranus") << kPlanetData << QList<int>{Planets::kUranus, Planets::kPluto}
                                          << "5910|248|-6.39|4.74|2380|0.00218|1.85|0.62|1.2|5";
        QTest::newRow("SaturnTwice") << kPlanetData << QList<int>{Planets::kSaturn, Planets::kSaturn}
                                     << "1430|29.4|0.444|9.67|121,000|95.2|0.687|8.96|35.5|274 + rings";
    }

    void buttonsFillTheFields() {
        QFETCH(int, command);
        QFETCH(QList<int>, clicks);
        QFETCH(QString, shown);
        QPointer<ToolWindow> window = harness::openTool(command);
        QVERIFY(window != nullptr);
        QCOMPARE(fieldTexts(window), QString(fieldsOf(window).size() - 1, QLatin1Char('|')));
        harness::MessageCatcher catcher;
        clickAll(window, clicks);
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(fieldTexts(window), shown);
        QVERIFY(catcher.messages.isEmpty());
        window->close();
    }

    void periodicRowSevenIsComplete() {
        ToolWindow* window = harness::openTool(kPeriodicTable);
        QVERIFY(window != nullptr);
        QCOMPARE(harness::button(window, elementButton("Tc"))->text(), QStringLiteral("Tc"));
        const QStringList symbols{"Ds", "Rg", "Cn", "Nh", "Fl", "Mc", "Lv", "Ts", "Og"};
        const QStringList names{"Darmstadtium", "Roentgenium", "Copernicium", "Nihonium", "Flerovium",
                                "Moscovium",    "Livermorium", "Tennessine",  "Oganesson"};
        for (std::size_t i = 0; i < 9; ++i) {
            const auto at = static_cast<qsizetype>(i);
            QAbstractButton* button = harness::button(window, elementButton(symbols[at].toStdString()));
            QVERIFY(button != nullptr);
            QCOMPARE(button->text(), symbols[at]);
            QAccessibleInterface* element = QAccessible::queryAccessibleInterface(button);
            QCOMPARE(element->text(QAccessible::Name), symbols[at]);
            QCOMPARE(element->text(QAccessible::Description),
                     names[at] + QStringLiteral(", atomic number ") + QString::number(110 + i));
        }
        // and no button stands where the table has no element.
        for (const QAbstractButton* button :
             window->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY(periodic::findCell(button->objectName().toInt()) != nullptr);
        }
        window->close();
    }

    void periodicLongNameIsReadWhole() {
        ToolWindow* window = harness::openTool(kPeriodicTable);
        QVERIFY(window != nullptr);
        harness::click(window, elementButton("Rf"));
        QLineEdit* name = harness::lineEdit(window, Periodic::kNameField);
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
        QCOMPARE(window->focusWidget(), harness::control(window, elementButton("H")));
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
        QCOMPARE(fieldTexts(window), shown);
        window->close();
    }

    void periodicFieldsAreReadOnly() {
        ToolWindow* window = harness::openTool(kPeriodicTable);
        QVERIFY(window != nullptr);
        harness::click(window, elementButton("Fe"));
        for (const int id : fieldsOf(window)) {
            QLineEdit* field = harness::lineEdit(window, id);
            QVERIFY(field != nullptr);
            QVERIFY(field->isReadOnly());
        }
        harness::type(window, Periodic::kSymbolField, QStringLiteral("Xx"));
        QCOMPARE(harness::text(window, Periodic::kSymbolField), QStringLiteral("Fe"));
        window->close();
    }

    void periodicOpensOnHydrogen() {
        ToolWindow* window = harness::openTool(kPeriodicTable);
        QVERIFY(window != nullptr);
        QCOMPARE(window->focusWidget(), harness::control(window, elementButton("H")));
        window->close();
    }

    void periodicEnterOnAButtonPressesIt() {
        QPointer<ToolWindow> window = harness::openTool(kPeriodicTable);
        QVERIFY(window != nullptr);
        harness::control(window, elementButton("Mc"))->setFocus();
        harness::key(window, Qt::Key_Return);
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(fieldTexts(window), QStringLiteral("Mc|Moscovium|[290]|115"));
        window->close();
    }

    void enterInAFieldConfirms_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("field");
        QTest::newRow("Periodic") << kPeriodicTable << int(Periodic::kAtomicNumberField);
        QTest::newRow("Planets") << kPlanetData << int(Planets::kMoons);
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

    void planetFieldsCanBeTypedOverUntilTheNextPlanet() {
        ToolWindow* window = harness::openTool(kPlanetData);
        QVERIFY(window != nullptr);
        harness::click(window, Planets::kMars);
        for (const int id : fieldsOf(window)) {
            QVERIFY(!harness::lineEdit(window, id)->isReadOnly());
        }
        harness::type(window, Planets::kRotationPeriod, QStringLiteral("my guess"));
        QCOMPARE(harness::text(window, Planets::kRotationPeriod), QStringLiteral("my guess"));
        harness::click(window, Planets::kEarth);
        QCOMPARE(harness::text(window, Planets::kRotationPeriod), QStringLiteral("0.997"));
        window->close();
    }
};

QTEST_MAIN(ReferenceWindowTest)
#include "reference_window_test.moc"
