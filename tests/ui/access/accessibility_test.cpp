// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDBusMessage>
#include <QTest>
#include <array>
#include <climits>
#include <utility>

#include "core/calculators/my_calculator.h"
#include "core/calculators/simple_calc.h"
#include "core/commands/command_table.h"
#include "core/converters/degrees.h"
#include "core/converters/length.h"
#include "core/converters/numbers.h"
#include "core/converters/weight.h"
#include "core/reference/planets.h"
#include "core/solvers/geo.h"
#include "core/solvers/quad.h"
#include "support/window_harness.h"
#include "ui/access/atspi_guard.h"
#include "ui/access/text_accessible.h"
#include "ui/widgets/long_text_view.h"

namespace {

using harness::focused;
using harness::steps;
using harness::typed;

QAccessibleInterface* accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

constexpr QAccessible::TextBoundaryType kBoundaries[] = {
    QAccessible::CharBoundary,      QAccessible::WordBoundary, QAccessible::SentenceBoundary,
    QAccessible::ParagraphBoundary, QAccessible::LineBoundary, QAccessible::NoBoundary};

enum Query { Before, At, After };

QString query(QAccessibleTextInterface* text, Query which, int offset, QAccessible::TextBoundaryType boundary,
              int* start, int* end) {
    switch (which) {
        case Before:
            return text->textBeforeOffset(offset, boundary, start, end);
        case At:
            return text->textAtOffset(offset, boundary, start, end);
        case After:
            return text->textAfterOffset(offset, boundary, start, end);
    }
    return {};
}

// Every query at every kind of offset, in and around the text: each answer is
// a piece of the text with its true offsets, or nothing at all. The caret
// (-2) and the end (-1) are offsets too; anything else outside is refused.
void answersEveryOffset(QAccessibleTextInterface* text, const QString& where) {
    const int length = text->characterCount();
    const QString all = text->text(0, length);
    QCOMPARE(all.size(), length);
    for (const int offset : {-3, -2, -1, 0, length, length + 1, 1 << 30}) {
        const QString row = QStringLiteral("%1, offset %2").arg(where).arg(offset);
        for (const QAccessible::TextBoundaryType boundary : kBoundaries) {
            for (const Query which : {Before, At, After}) {
                int start = -7;
                int end = -7;
                const QString piece = query(text, which, offset, boundary, &start, &end);
                if (start == -1) {
                    QVERIFY2(end == -1 && piece.isEmpty(), qPrintable(row));
                } else {
                    QVERIFY2(start >= 0 && start <= end && end <= length, qPrintable(row));
                    QCOMPARE(piece, all.mid(start, end - start));
                }
            }
        }
        int start = -7;
        int end = -7;
        QVERIFY(text->attributes(offset, &start, &end).isEmpty());
        const bool inside = offset >= -2 && offset <= length;
        QCOMPARE(start, inside ? 0 : -1);
        QCOMPARE(end, inside ? length : -1);
        QCOMPARE(text->text(offset, offset + 1), offset >= 0 ? all.mid(offset, 1) : QString());
        if (offset < 0 || offset >= length) {
            QVERIFY(text->characterRect(offset).isEmpty());
        } else if (const QRect rect = text->characterRect(offset); !rect.isEmpty()) {
            // The caret nearest to the middle of a character is on one of its sides.
            const int hit = text->offsetAtPoint(rect.center());
            QVERIFY2(hit == offset || hit == offset + 1, qPrintable(row));
        }
        text->scrollToSubstring(offset, offset + 1);
        text->setCursorPosition(offset);
        QVERIFY(text->cursorPosition() >= 0 && text->cursorPosition() <= length);
    }
}

QDBusMessage request(QAccessibleInterface* iface, const char* interface, const char* member,
                     const QList<QVariant>& arguments) {
    QDBusMessage message =
        QDBusMessage::createMethodCall(QStringLiteral("org.a11y.atspi.Registry"), atspi_guard::pathOf(iface),
                                       QString::fromLatin1(interface), QString::fromLatin1(member));
    message.setArguments(arguments);
    return message;
}

// The two requests of the accessibility bus that the toolkit's bridge loops
// over or leaves unanswered, as they reach it. The bridge adds up
// characterRect() from the start to the end offset it gets; it gets them
// clamped to the text, and characterRect() answers every offset at once
// (answersEveryOffset), so its loop is as short as the text. Without a bus
// in the tests, the requests are handed to the guard directly.
void answersHugeRanges(QAccessibleInterface* iface, const QString& where) {
    const int length = iface->textInterface()->characterCount();
    const std::pair<int, int> ranges[] = {{0, INT_MAX}, {INT_MIN, INT_MAX}, {INT_MAX - 1, INT_MAX}, {-1, -1}};
    for (const auto& [start, end] : ranges) {
        const QDBusMessage extents =
            request(iface, "org.a11y.atspi.Text", "GetRangeExtents", {start, end, 0u});
        QCOMPARE(atspi_guard::answer(extents).type(), QDBusMessage::InvalidMessage);  // the bridge answers
        const int first = extents.arguments().at(0).toInt();
        const int last = extents.arguments().at(1).toInt();
        QVERIFY2(first >= 0 && first <= last && last <= length, qPrintable(where));
    }
    // Rectangles that reach the ends of the coordinates, on the screen and in the window.
    const std::array<int, 4> boxes[] = {{INT_MIN / 2, INT_MIN / 2, INT_MAX, INT_MAX},
                                        {INT_MAX, 0, INT_MAX, 1},
                                        {INT_MIN, INT_MIN, INT_MAX, INT_MAX}};
    for (const auto& [x, y, width, height] : boxes) {
        for (const uint coordinates : {0u, 1u}) {
            const QDBusMessage reply =
                atspi_guard::answer(request(iface, "org.a11y.atspi.Text", "GetBoundedRanges",
                                            {x, y, width, height, coordinates, 0u, 0u}));
            QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
            QCOMPARE(reply.arguments().size(), 1);
        }
    }
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyControlOfEveryToolHasAName_data() {
        QTest::addColumn<int>("commandId");
        for (const ToolCommand& command : toolCommands()) {
            QTest::newRow(command.className) << command.commandId;
        }
    }

    void everyControlOfEveryToolHasAName() {
        QFETCH(int, commandId);
        ToolWindow* window = harness::openTool(commandId);
        QVERIFY(window != nullptr);
        int checked = 0;
        for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QAccessibleInterface* iface = accessible(child);
            QVERIFY(iface != nullptr);
            const QAccessible::Role role = iface->role();
            if (role == QAccessible::EditableText || role == QAccessible::PushButton ||
                role == QAccessible::CheckBox || role == QAccessible::RadioButton) {
                QVERIFY2(!iface->text(QAccessible::Name).isEmpty(), qPrintable(child->objectName()));
                ++checked;
            }
            // A field's name begins with its caption ("Neutral Axis:"; "Y-intercepts:" covers two).
            for (const auto& [label, relation] : iface->relations(QAccessible::Label)) {
                QString shown = label->text(QAccessible::Name).simplified();
                const QString name = iface->text(QAccessible::Name);
                if (shown.endsWith(QLatin1Char(':'))) {
                    shown.chop(1);
                    QVERIFY2(
                        name.startsWith(shown) || (shown.endsWith('s') && name.startsWith(shown.chopped(1))),
                        qPrintable(name + " labelled " + shown));
                }
            }
        }
        QVERIFY(checked > 0);
        window->reject();
    }

    void everyTextQueryAnswersEveryOffset_data() { everyControlOfEveryToolHasAName_data(); }

    // On every text control of every tool, with the text it shows and with
    // words, sentences and lines in it.
    void everyTextQueryAnswersEveryOffset() {
        QFETCH(int, commandId);
        // Built while a screen reader listens: Qt makes its interfaces early then.
        const harness::AccessibleEvents listening;
        ToolWindow* window = harness::openTool(commandId);
        QVERIFY(window != nullptr);
        int checked = 0;
        for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QAccessibleInterface* iface = accessible(child);
            if (iface->role() != QAccessible::EditableText) {
                continue;
            }
            QAccessibleTextInterface* text = iface->textInterface();
            QVERIFY2(text != nullptr, qPrintable(child->objectName()));
            answersEveryOffset(text, child->objectName());
            answersHugeRanges(iface, child->objectName());
            window->setText(child->objectName().toInt(), "12.5 m. Is 3e+015?\n-1.#INF");
            answersEveryOffset(text, child->objectName() + QStringLiteral(" with sentences"));
            ++checked;
        }
        QVERIFY(checked > 0);
        window->reject();
    }

    void textQueriesFindThePieces_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("query");
        QTest::addColumn<int>("boundary");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("piece");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        struct Row {
            const char* name;
            Query query;
            QAccessible::TextBoundaryType boundary;
            int offset;
            const char* piece;
            int start;
            int end;
        };
        // The text is "ab cd. Ef\ngh" (12 characters).
        const Row rows[] = {
            {"word at end (-1)", At, QAccessible::WordBoundary, -1, "", -1, -1},
            {"word at length", At, QAccessible::WordBoundary, 12, "", -1, -1},
            {"word at 0", At, QAccessible::WordBoundary, 0, "ab", 0, 2},
            {"space after word", After, QAccessible::WordBoundary, 0, " ", 2, 3},
            {"word before end", Before, QAccessible::WordBoundary, -1, "gh", 10, 12},
            {"word before word", Before, QAccessible::WordBoundary, 4, " ", 2, 3},
            {"nothing before first word", Before, QAccessible::WordBoundary, 1, "", -1, -1},
            {"nothing after last word", After, QAccessible::WordBoundary, 11, "", -1, -1},
            {"sentence at end", At, QAccessible::SentenceBoundary, -1, "", -1, -1},
            {"sentence at 0", At, QAccessible::SentenceBoundary, 0, "ab cd. ", 0, 7},
            {"sentence after", After, QAccessible::SentenceBoundary, 0, "Ef\n", 7, 10},
            {"char at end", At, QAccessible::CharBoundary, 12, "", -1, -1},
            {"char before end", Before, QAccessible::CharBoundary, -1, "h", 11, 12},
            {"char after", After, QAccessible::CharBoundary, 3, "d", 4, 5},
            {"line at end", At, QAccessible::LineBoundary, -1, "gh", 10, 12},
            {"line at newline", At, QAccessible::LineBoundary, 9, "ab cd. Ef\n", 0, 10},
            {"line before end", Before, QAccessible::LineBoundary, 12, "ab cd. Ef\n", 0, 10},
            {"paragraph after", After, QAccessible::ParagraphBoundary, 0, "gh", 10, 12},
            {"no line after last", After, QAccessible::LineBoundary, 10, "", -1, -1},
            {"whole text", At, QAccessible::NoBoundary, 5, "ab cd. Ef\ngh", 0, 12},
            {"whole text at end", At, QAccessible::NoBoundary, -1, "ab cd. Ef\ngh", 0, 12},
        };
        for (const char* kind : {"line edit", "long-text view", "multi-line edit"}) {
            for (const Row& row : rows) {
                QTest::addRow("%s: %s", kind, row.name)
                    << QString::fromLatin1(kind) << int(row.query) << int(row.boundary) << row.offset
                    << QString::fromLatin1(row.piece) << row.start << row.end;
            }
        }
    }

    void textQueriesFindThePieces() {
        QFETCH(QString, kind);
        QFETCH(int, query);
        QFETCH(int, boundary);
        QFETCH(int, offset);
        const QString sample = QStringLiteral("ab cd. Ef\ngh");
        QPlainTextEdit plain;
        ToolWindow* window = nullptr;
        QWidget* widget = &plain;
        if (kind == QLatin1String("multi-line edit")) {
            TextAccessible::adopt(&plain);
            plain.setPlainText(sample);
        } else if (kind == QLatin1String("line edit")) {
            window = harness::openTool<Length>();  // Length
            harness::lineEdit(window, Length::kInput)->setText(sample);
            widget = harness::control(window, Length::kInput);
        } else {
            window = harness::openTool<MyCalculator>();  // advanced calculator
            widget = harness::control(window, MyCalculator::kDisplay);
            dynamic_cast<LongTextView*>(widget)->setText(sample);
        }
        QAccessibleTextInterface* text = accessible(widget)->textInterface();
        QVERIFY(text != nullptr);
        int start = -7;
        int end = -7;
        QTEST(::query(text, Query(query), offset, QAccessible::TextBoundaryType(boundary), &start, &end),
              "piece");
        QTEST(start, "start");
        QTEST(end, "end");
        if (window != nullptr) {
            window->reject();
        }
    }

    // A text the field cannot hold whole changes nothing, and the answer says so.
    void overlongTextIsRefused() {
        ToolWindow* window = harness::openTool(harness::commandOf("Length"));
        QLineEdit* input = harness::lineEdit(window, Length::kInput);
        QAccessibleInterface* iface = accessible(input);
        harness::type(window, Length::kInput, QStringLiteral("12"));
        const QString overlong(input->maxLength() + 1, QLatin1Char('7'));
        iface->setText(QAccessible::Value, overlong);
        QCOMPARE(input->text(), QStringLiteral("12"));
        const char* editable = "org.a11y.atspi.EditableText";
        const auto done = [&](const char* member, const QList<QVariant>& arguments) {
            const QDBusMessage reply = atspi_guard::answer(request(iface, editable, member, arguments));
            return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool();
        };
        QVERIFY(!done("SetTextContents", {overlong}));
        QVERIFY(!done("InsertText", {1, overlong, int(overlong.size())}));
        QCOMPARE(input->text(), QStringLiteral("12"));
        QVERIFY(done("SetTextContents", {QStringLiteral("345")}));
        QVERIFY(done("InsertText", {1, QStringLiteral("0"), INT_MAX}));
        QCOMPARE(input->text(), QStringLiteral("3045"));
        window->reject();
    }

    void unitButtonPressActionConverts() {
        ToolWindow* window = harness::openTool<Length>();  // Length
        harness::type(window, Length::kInput, QStringLiteral("2"));
        QAbstractButton* feet = harness::button(window, Length::kFeetUnit);
        QVERIFY(feet != nullptr && feet->text() == QStringLiteral("ft"));
        QAccessibleInterface* iface = accessible(feet);
        QAccessibleActionInterface* actions = iface->actionInterface();
        QVERIFY(actions != nullptr);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        QVERIFY(iface->state().checkable);
        QCOMPARE(iface->role(), QAccessible::RadioButton);
        QVERIFY(!iface->state().checked);

        actions->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(feet->isChecked());
        QVERIFY(iface->state().checked);
        QCOMPARE(harness::text(window, Length::kFeet), QStringLiteral("2"));     // feet
        QCOMPARE(harness::text(window, Length::kInches), QStringLiteral("24"));  // inches
        QVERIFY(harness::text(window, Length::kMeters) != QStringLiteral("0"));  // metres

        // "Toggle" on a pressed unit button converts again instead of releasing it.
        harness::type(window, Length::kInput, QStringLiteral("1"));
        actions->doAction(QAccessibleActionInterface::toggleAction());
        QTRY_COMPARE(harness::text(window, Length::kInches), QStringLiteral("12"));
        QVERIFY(feet->isChecked());
        window->reject();
    }

    void pressAnswersBeforeTheHandlersBox() {
        ToolWindow* window = harness::openTool<Degrees>();  // Temperature
        harness::type(window, Degrees::kInput, QStringLiteral("x"));
        harness::MessageCatcher catcher;
        QAccessibleActionInterface* actions =
            accessible(harness::button(window, Degrees::kFahrenheitUnit))->actionInterface();
        actions->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(catcher.messages.isEmpty());
        QTRY_COMPARE(catcher.answered, 1);
        harness::settle();  // the handler goes on after its box, on a later pass of the loop
        QCOMPARE(harness::text(window, Degrees::kInput), QStringLiteral("0"));

        // Nothing for a button that cannot be clicked.
        harness::type(window, Degrees::kInput, QStringLiteral("x"));
        harness::button(window, Degrees::kClearData)->setEnabled(false);
        accessible(harness::button(window, Degrees::kClearData))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        window->hide();
        actions->doAction(QAccessibleActionInterface::pressAction());
        // An action acts on the next pass of the event loop: after it, nothing.
        QCoreApplication::processEvents();
        harness::settle();
        QCOMPARE(catcher.messages.size(), 1);
        window->reject();
    }

    // Every text the program writes into a field is told to assistive tools,
    // so a screen reader can speak the result.
    void writtenTextsRaiseTextEvents_data() {
        QTest::addColumn<int>("commandId");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("converter result")
            << harness::commandOf<Length>()
            << QString::fromStdString(steps({typed(Length::kInput, "2"), Length::kFeetUnit}))
            << QString::number(Length::kMeters) << "0.609756097560976";
        QTest::newRow("calculator display")
            << harness::commandOf<MyCalculator>()
            << QString::fromStdString(steps({MyCalculator::kDigit7, MyCalculator::kDigit8}))
            << QString::number(MyCalculator::kDisplay) << "8";
        QTest::newRow("calculator history")
            << harness::commandOf<MyCalculator>()
            << QString::fromStdString(steps({MyCalculator::kDigit7, MyCalculator::kPlus}))
            << QString::number(MyCalculator::kHistory) << " + ";
    }

    // A press that changes fields shows a notification of what changed, in
    // the window's order, which a screen reader speaks wherever the focus is;
    // a press that changes nothing says nothing.
    void pressesAnnounceWhatChanged_data() {
        QTest::addColumn<int>("commandId");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("converter") << harness::commandOf<Degrees>()
                                   << QString::fromStdString(
                                          steps({typed(Degrees::kInput, "100"), Degrees::kCelsiusUnit}))
                                   << "First result 212, Second result 373.15, Unit of the first result "
                                      "Farengeit, Unit of the second result Kelvin";
        QTest::newRow("nothing changes")
            << harness::commandOf<Degrees>() << QString::fromStdString(steps({Degrees::kClearData})) << "";
        // The refused field comes back focused: the reader reads it there.
        QTest::newRow("refused field")
            << harness::commandOf<Length>()
            << QString::fromStdString(steps({typed(Length::kInput, "x"), Length::kFeetUnit})) << "";
        QTest::newRow("calculator") << harness::commandOf<MyCalculator>()
                                    << QString::fromStdString(steps({MyCalculator::kDigit7})) << "Display 7";
        QTest::newRow("basic calculator keys")
            << harness::commandOf<SimpleCalc>()
            << QString::fromStdString(steps({focused(SimpleCalc::kDisplay), "k12+3="})) << "Display 15";
        QTest::newRow("sign key heard as its word")
            << harness::commandOf<SimpleCalc>()
            << QString::fromStdString(steps({focused(SimpleCalc::kDisplay), "k12*"})) << "times";
    }

    void pressesAnnounceWhatChanged() {
        QFETCH(int, commandId);
        QFETCH(QString, steps);
        QFETCH(QString, spoken);
        ToolWindow* window = harness::openTool(commandId);
        const harness::AccessibleEvents events;
        const harness::MessageCatcher boxes;
        harness::runSteps(window, steps.toStdString());
        QCOMPARE(events.notices.isEmpty() ? QString() : events.notices.constLast(), spoken);
        // Outside the tool window's tree: a reader does not read the window again before it.
        if (auto* notice = window->findChild<QWidget*>(QStringLiteral("resultNotice"))) {
            QVERIFY(accessible(notice)->parent()->object() != window);
        }
        window->reject();
    }

    // Back is heard as the one character it removes.
    void backRemovesOneCharacter() {
        ToolWindow* window = harness::openTool<SimpleCalc>();
        harness::runSteps(window, steps({focused(SimpleCalc::kDisplay), "k12"}));
        const harness::AccessibleEvents events;
        harness::key(window, Qt::Key_Backspace);
        QCOMPARE(events.removed, QStringList(QString::number(SimpleCalc::kDisplay) + QStringLiteral("=2")));
        window->reject();
    }

    // A sheet is read whole: Venus' "None" moons as Mercury's, and Venus again.
    void sheetIsReadWholeAtEveryPress() {
        ToolWindow* window = harness::openTool<Planets>();
        const harness::AccessibleEvents events;
        harness::runSteps(window, steps({Planets::kMercury, Planets::kVenus, Planets::kVenus}));
        QCOMPARE(events.notices.size(), 3);
        QVERIFY(events.notices[1].endsWith(QStringLiteral(", Known satellites (moons) None")));
        QCOMPARE(events.notices[2], events.notices[1]);
        window->reject();
    }

    // An arrow key in a row of unit buttons moves the focus and presses: the
    // button arrives described by the results, and loses them when left.
    void arrowKeyIntroducesTheButtonWithItsResults() {
        ToolWindow* window = harness::openTool<Degrees>();  // Temperature
        harness::type(window, Degrees::kInput, QStringLiteral("100"));
        harness::click(window, Degrees::kCelsiusUnit);
        const harness::AccessibleEvents events;
        harness::key(window, Qt::Key_Right);
        QCOMPARE(events.notices, QStringList());
        QCOMPARE(events.descriptions,
                 QStringList(QString::number(Degrees::kFahrenheitUnit) +
                             QStringLiteral("=First result 37.7777777777778, Second result 310.927777777778, "
                                            "Unit of the first result Celcius")));
        QCOMPARE(window->focusWidget(), harness::button(window, Degrees::kFahrenheitUnit));
        // On to the next: the one left forgets its results, and the reader is told.
        harness::key(window, Qt::Key_Right);
        QCOMPARE(events.descriptions.mid(1, 1),
                 QStringList(QString::number(Degrees::kFahrenheitUnit) + QLatin1Char('=')));
        QCOMPARE(harness::button(window, Degrees::kFahrenheitUnit)->accessibleDescription(), QString());
        QVERIFY(harness::button(window, Degrees::kKelvinUnit)
                    ->accessibleDescription()
                    .startsWith(QStringLiteral("First")));
        harness::key(window, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(window->focusWidget(), harness::button(window, Degrees::kFahrenheitUnit));
        QCOMPARE(harness::button(window, Degrees::kKelvinUnit)->accessibleDescription(), QString());
        window->reject();
    }

    // Each label is its field's: the field names it as its label, the label
    // names the field as what it labels.
    void labelsBelongToTheirFields_data() {
        QTest::addColumn<int>("commandId");
        QTest::addColumn<int>("field");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("label left") << harness::commandOf<Planets>() << int(Planets::kMeanDistance)
                                    << QStringList{"Mean distance from Sun, 10^6 km:"};
        QTest::newRow("right column")
            << harness::commandOf<Planets>() << int(Planets::kMass) << QStringList{"Mass (Earth=1):"};
        QTest::newRow("unit right") << harness::commandOf<Weight>() << int(Weight::kGrams)
                                    << QStringList{"Grams"};
        QTest::newRow("label above") << harness::commandOf<Numbers>() << int(Numbers::kArabic)
                                     << QStringList{"Arabic:"};
        QTest::newRow("between two fields")
            << harness::commandOf<Quad>() << int(Quad::kRoot2) << QStringList{"and     X ="};
        QTest::newRow("input named by it")
            << harness::commandOf<Geo>() << int(Geo::kX1) << QStringList{"Point 1:"};
        QTest::newRow("nearer input not named")
            << harness::commandOf<Geo>() << int(Geo::kSlope) << QStringList{"Slope:"};
        QTest::newRow("equation term") << harness::commandOf<Quad>() << int(Quad::kA) << QStringList{};
    }

    void labelsBelongToTheirFields() {
        QFETCH(int, commandId);
        QFETCH(int, field);
        QFETCH(QStringList, labels);
        ToolWindow* window = harness::openTool(commandId);
        QAccessibleInterface* edit = accessible(harness::control(window, field));
        QStringList found;
        for (const auto& [label, relation] : edit->relations(QAccessible::Label)) {
            found << label->text(QAccessible::Name);
            const auto labelled = label->relations(QAccessible::Labelled);
            QCOMPARE(labelled.size(), 1);
            QCOMPARE(labelled.first().first->object(), edit->object());
        }
        QCOMPARE(found, labels);
        window->reject();
    }

    // The Roman numeral window is named as its menu item, captioned as ever;
    // its arrows say which way they convert.
    void romanNumeralsSayWhatTheyAre() {
        ToolWindow* window = harness::openTool<Numbers>();
        QCOMPARE(window->windowTitle(), QStringLiteral("Dialog"));
        QCOMPARE(accessible(window)->text(QAccessible::Name),
                 harness::menuItem(harness::commandOf<Numbers>())->text());
        QCOMPARE(accessible(harness::control(window, Numbers::kToArabic))->text(QAccessible::Description),
                 QStringLiteral("Roman to Arabic"));
        QCOMPARE(accessible(harness::control(window, Numbers::kToRoman))->text(QAccessible::Description),
                 QStringLiteral("Arabic to Roman"));
        window->reject();
    }

    void writtenTextsRaiseTextEvents() {
        QFETCH(int, commandId);
        QFETCH(QString, steps);
        QFETCH(QString, field);
        QFETCH(QString, text);
        ToolWindow* window = harness::openTool(commandId);
        const harness::AccessibleEvents events;
        harness::runSteps(window, steps.toStdString());
        const QString expected = field + QLatin1Char('=') + text;
        QVERIFY2(events.texts.contains(expected), qPrintable(events.texts.join(QLatin1Char(' '))));
        window->reject();
    }

    void plainButtonPressActionClicks() {
        ToolWindow* window = harness::openTool<MyCalculator>();  // advanced calculator
        QAbstractButton* seven = harness::button(window, MyCalculator::kDigit7);
        QAccessibleActionInterface* actions = accessible(seven)->actionInterface();
        QVERIFY(actions != nullptr);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(harness::text(window, MyCalculator::kDisplay), QStringLiteral("7"));
        QCOMPARE(accessible(harness::control(window, MyCalculator::kHistory))->text(QAccessible::Name),
                 QStringLiteral("History"));
        window->reject();
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
