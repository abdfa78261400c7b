// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// Every tool window as the menus open it: its template, its Tab order, the
// keys that close or confirm it, and its copies beside each other.

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QStyleOption>
#include <QTest>
#include <algorithm>
#include <cstring>

#include "core/tool/tool.h"
#include "support/tools.h"
#include "support/window_harness.h"

using harness::mainFrame;

namespace {

const int kSiPrefixes = harness::commandOf<Prefixes>();

struct ToolCaption {
    int commandId;
    const char* caption;
};

const ToolCaption kCaptions[] = {
    {harness::commandOf<Geo>(), "Geometry Line Functions"},
    {harness::commandOf<Pythegor>(), "Pythegorean Theorem"},
    {harness::commandOf<Quad>(), "Quadratic Formula"},
    {harness::commandOf<Uncert>(), "Absolute Uncertainty Calculator"},
    {harness::commandOf<Bend>(), "Bend Allowance"},
    {harness::commandOf<TheCombination>(), "Combination"},
    {harness::commandOf<Permutation>(), "Permutation"},
    {harness::commandOf<Prefixes>(), "SI Prefixes"},
    {harness::commandOf<Periodic>(), "Periodic Table of Elements"},
    {harness::commandOf<Planets>(), "Some Planets' Properties"},
    {harness::commandOf<MyCalculator>(), "Calculator"},
    {harness::commandOf<SimpleCalc>(), "Calculator"},
    {harness::commandOf<Energy>(), "Energy Conversion"},
    {harness::commandOf<Force>(), "Force Conversion"},
    {harness::commandOf<Length>(), "Length Units Converter"},
    {harness::commandOf<Numbers>(), "Dialog"},
    {harness::commandOf<Power>(), "Power Conversion"},
    {harness::commandOf<Pressures>(), "Pressure Units Converter"},
    {harness::commandOf<DegreesRadians>(), "Degrees/Radians Converter"},
    {harness::commandOf<Speed>(), "Speed Conversion"},
    {harness::commandOf<Degrees>(), "Temperature Converter"},
    {harness::commandOf<Time>(), "Time Conversion"},
    {harness::commandOf<Weight>(), "Weight Converter"},
};

}  // namespace

class ToolKeysTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { harness::closeAllTools(); }

    void everyToolOpensFromItsTemplate_data() {
        QTest::addColumn<int>("commandId");
        QTest::addColumn<QString>("caption");
        for (const ToolCaption& row : kCaptions) {
            QTest::newRow(row.caption) << row.commandId << QString::fromUtf8(row.caption);
        }
    }

    void everyToolOpensFromItsTemplate() {
        QFETCH(int, commandId);
        QFETCH(QString, caption);
        ToolWindow* window = harness::openTool(commandId);
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->parentWidget(), &mainFrame());
        QVERIFY(!window->isModal());

        // Every control is a direct child, created in template order, named by its id.
        const DialogTemplate& dialogTemplate = window->dialogTemplate();
        QCOMPARE(QString::fromUtf8(dialogTemplate.caption), caption);
        QVERIFY(!dialogTemplate.controls.empty());
        QList<QWidget*> children;
        for (QObject* child : window->children()) {
            if (auto* widget = qobject_cast<QWidget*>(child); widget != nullptr && !widget->isWindow()) {
                children << widget;
            }
        }
        QCOMPARE(children.size(), static_cast<qsizetype>(dialogTemplate.controls.size()));
        int index = 0;
        for (QObject* child : window->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget == nullptr || widget->isWindow()) {
                continue;
            }
            const ControlTemplate& row = dialogTemplate.controls[static_cast<std::size_t>(index++)];
            if (row.id != kNoId) {
                QCOMPARE(widget->objectName(), QString::number(row.id));
            }
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                QCOMPARE(button->text(), QString::fromUtf8(row.caption));
            }
        }

        // The opening write shows the initial values.
        for (const Binding& binding : window->tool().bindings()) {
            QCOMPARE(harness::text(window, binding.controlId),
                     QString::fromStdString(exchange::textOf(binding)));
        }

        // The focus starts on the first tab stop.
        const ControlTemplate* first = nullptr;
        for (const ControlTemplate& row : dialogTemplate.controls) {
            if ((row.flags & cf::TabStop) != 0) {
                first = &row;
                break;
            }
        }
        if (first != nullptr) {
            QCOMPARE(window->focusWidget(), harness::control(window, first->id));
            // Marked from the start, on a button as in a field.
            QStyleOption focused;
            focused.initFrom(window->focusWidget());
            QVERIFY(focused.state.testFlag(QStyle::State_KeyboardFocusChange));
            if (auto* edit = harness::lineEdit(window, first->id);
                edit != nullptr && !edit->text().isEmpty()) {
                QCOMPARE(edit->selectedText(), edit->text());
            }
        }
    }

    void tabFollowsTemplateOrder_data() { everyToolOpensFromItsTemplate_data(); }

    // Tab visits the template's stops in template order; a row of unit
    // buttons without stops is one stop, at its first button while none is
    // pressed. Every button that does something is a stop or in such a row,
    // but for the SI prefix presets and sign keys, whose work typing does.
    void tabFollowsTemplateOrder() {
        QFETCH(int, commandId);
        const harness::AccessibleEvents events;
        ToolWindow* window = harness::openTool(commandId);
        QVERIFY(window != nullptr);
        const auto controls = window->dialogTemplate().controls;
        const bool rowHasStop = std::any_of(controls.begin(), controls.end(), [](const ControlTemplate& row) {
            return row.kind == ControlKind::UnitButton && (row.flags & cf::TabStop) != 0;
        });
        QList<int> expected;
        bool rowReached = false;
        for (const ControlTemplate& row : controls) {
            const bool rowStop = row.kind == ControlKind::UnitButton && !rowHasStop && !rowReached;
            if ((row.flags & cf::TabStop) != 0 || rowStop) {
                expected << row.id;
                rowReached = rowReached || rowStop;
            }
        }
        QVERIFY(!expected.isEmpty());
        QList<int> visited;
        for (int i = 0; i < expected.size(); ++i) {
            visited << window->focusWidget()->objectName().toInt();
            harness::key(window, Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
        QCOMPARE(window->focusWidget()->objectName().toInt(), expected.first());
        harness::key(window, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(window->focusWidget()->objectName().toInt(), expected.last());
        // A field the focus comes to is selected after its focus is told, on
        // opening as by Tab: a screen reader reads it once, selection and all.
        QString focused;
        for (const QString& event : events.focusAndSelection) {
            if (event.startsWith(QStringLiteral("focus="))) {
                focused = event.mid(6);
            } else {
                QCOMPARE(event.mid(9), focused);
            }
        }

        const QList<int> typedInstead{Prefixes::kPlusMinus, Prefixes::kKeyE1,  Prefixes::kKeyE2,
                                      Prefixes::kKeyE3,     Prefixes::kKeyE6,  Prefixes::kKeyE9,
                                      Prefixes::kKeyE12,    Prefixes::kKeyE15, Prefixes::kKeyE18,
                                      Prefixes::kKeyE21,    Prefixes::kKeyE24, Prefixes::kKeypadPlusMinus};
        for (const ControlTemplate& row : controls) {
            const bool works = row.kind == ControlKind::PushButton && window->tool().hasHandler(row.id);
            const bool exempt = commandId == kSiPrefixes && typedInstead.contains(row.id);
            if (works && !exempt) {
                QVERIFY2(expected.contains(row.id), qPrintable(QString::number(row.id)));
            }
        }
    }

    void escapeHidesWithoutReadingAndReleases() {
        ToolWindow* opened = harness::openTool<Pythegor>();  // Pythegor: no default button
        QVERIFY(opened != nullptr);
        QPointer<ToolWindow> window(opened);
        const Binding& firstDouble = window->tool().bindings().front();
        harness::type(window, firstDouble.controlId, QStringLiteral("abc"));
        harness::MessageCatcher catcher;
        harness::key(window, Qt::Key_Escape);
        QVERIFY(harness::released(window));
        QVERIFY(catcher.messages.isEmpty());
    }

    void closeBoxHidesAndReleases() {
        QPointer<ToolWindow> window(harness::openTool<Energy>());
        QVERIFY(window != nullptr);
        harness::MessageCatcher catcher;
        window->close();
        QVERIFY(harness::released(window));
        QVERIFY(catcher.messages.isEmpty());
    }

    void enterWithoutDefaultButtonConfirms() {
        ToolWindow* opened = harness::openTool<Pythegor>();  // Pythegor
        QVERIFY(opened != nullptr);
        QPointer<ToolWindow> window(opened);
        QVERIFY(window->defaultButton() == nullptr);
        int refusedId = 0;
        for (const Binding& binding : window->tool().bindings()) {
            if (binding.kind() == FieldKind::Double) {
                refusedId = binding.controlId;
                break;
            }
        }
        QVERIFY(refusedId != 0);
        harness::type(window, refusedId, QStringLiteral("abc"));
        {
            harness::MessageCatcher catcher;
            harness::key(window, Qt::Key_Return);
            QCOMPARE(catcher.messages, QStringList{QStringLiteral("Please enter a number.")});
        }
        QVERIFY(window->isVisible());
        QCOMPARE(window->focusWidget(), harness::control(window, refusedId));
        QCOMPARE(harness::lineEdit(window, refusedId)->selectedText(), QStringLiteral("abc"));

        harness::type(window, refusedId, QStringLiteral("3"));
        harness::MessageCatcher catcher;
        harness::key(window, Qt::Key_Return);
        QVERIFY(catcher.messages.isEmpty());
        QVERIFY(harness::released(window));
    }

    void enterPressesTheDefaultButtonOrTheFocusedOne() {
        ToolWindow* window = harness::openTool<Degrees>();  // Temperature: "Clear Data" is the default
        QVERIFY(window != nullptr);
        QAbstractButton* clear = window->defaultButton();
        QVERIFY(clear != nullptr);
        QCOMPARE(clear->text(), QStringLiteral("Clear Data"));
        QSignalSpy clearClicks(clear, &QAbstractButton::clicked);
        harness::key(window, Qt::Key_Return);  // focus is in the input field
        QCOMPARE(clearClicks.count(), 1);
        QVERIFY(window->isVisible());

        QAbstractButton* unit = harness::button(window, Degrees::kCelsiusUnit);
        QVERIFY(unit != nullptr);
        QSignalSpy unitClicks(unit, &QAbstractButton::clicked);
        unit->setFocus();
        harness::key(window, Qt::Key_Return);
        QCOMPARE(unitClicks.count(), 1);
        QCOMPARE(clearClicks.count(), 1);
    }

    void copyAllFieldsGivesATableOfNamesAndTexts() {
        ToolWindow* window = harness::openTool<Degrees>();  // Temperature
        harness::type(window, Degrees::kInput, QStringLiteral("100"));
        harness::click(window, Degrees::kCelsiusUnit);
        const QString table = QStringLiteral(
            "Input\t100\nFirst result\t212\nSecond result\t373.15\n"
            "Unit of the first result\tFarengeit\nUnit of the second result\tKelvin\n");
        QClipboard* clipboard = QGuiApplication::clipboard();
        QLineEdit* input = harness::lineEdit(window, Degrees::kInput);
        input->setFocus();
        input->selectAll();
        harness::key(window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(clipboard->text(), table);
        // Ctrl+C in a field still copies its selection alone.
        harness::key(window, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("100"));
        // The window's background offers the same in its context menu.
        const QPoint background(2, 2);
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, background, window->mapToGlobal(background));
        QApplication::sendEvent(window, &menuEvent);
        auto* menu = window->findChild<QMenu*>();
        QVERIFY(menu != nullptr && menu->isVisible());
        QCOMPARE(menu->actions().constFirst()->text(), QStringLiteral("Copy All Fields"));
        menu->actions().constFirst()->trigger();
        menu->close();
        QCOMPARE(clipboard->text(), table);
    }

    // A screen reader hears what was copied; one field is copied by keyboard
    // alone: Shift+F10 on a button, then Copy Field.
    void copiesAreSpokenAndOneFieldCopiesByKeyboard() {
        ToolWindow* window = harness::openTool<Degrees>();
        harness::type(window, Degrees::kInput, QStringLiteral("100"));
        harness::click(window, Degrees::kCelsiusUnit);
        const harness::AccessibleEvents events;
        harness::key(window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        harness::button(window, Degrees::kClearData)->setFocus();
        harness::key(window, Qt::Key_F10, Qt::ShiftModifier);
        auto* field = window->findChild<QMenu*>(QStringLiteral("copyField"));
        QVERIFY(field != nullptr && field->parentWidget()->isVisible());
        field->actions().at(1)->trigger();  // the second field, which Tab passes by
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("212"));
        QCOMPARE(events.notices, QStringList({"5 fields copied", "First result copied"}));
        QVERIFY(harness::lineEdit(window, Degrees::kFirstResult)->toolTip().contains("Copy Field"));
    }

    void copiesAreIndependent() {
        ToolWindow* first = harness::openTool<Energy>();
        ToolWindow* second = harness::openTool<Energy>();
        QVERIFY(first != nullptr && second != nullptr && first != second);
        harness::type(first, Energy::kInput, QStringLiteral("42"));
        QCOMPARE(harness::text(second, Energy::kInput), QStringLiteral("0"));
        QVERIFY(&first->tool() != &second->tool());
    }

    void copiesOfAToolOpenClearOfEachOther_data() {
        QTest::addColumn<int>("firstCommand");
        QTest::addColumn<int>("secondCommand");
        QTest::addColumn<bool>("stepped");
        QTest::newRow("same tool") << harness::commandOf<Energy>() << harness::commandOf<Energy>() << true;
        QTest::newRow("another tool") << harness::commandOf<Energy>() << harness::commandOf<Force>() << false;
        QTest::newRow("other calculator, same caption")
            << harness::commandOf<MyCalculator>() << harness::commandOf<SimpleCalc>() << false;
    }

    void copiesOfAToolOpenClearOfEachOther() {
        QFETCH(int, firstCommand);
        QFETCH(int, secondCommand);
        QFETCH(bool, stepped);
        QPointer<ToolWindow> alone(harness::openTool(secondCommand));
        QVERIFY(alone != nullptr);
        const QPoint spot = alone->pos();
        alone->reject();
        QVERIFY(harness::released(alone));

        ToolWindow* first = harness::openTool(firstCommand);
        ToolWindow* second = harness::openTool(secondCommand);
        QVERIFY(first != nullptr && second != nullptr);
        const QPoint shift = second->pos() - spot;
        if (stepped) {
            // Down and right by about a caption bar, leaving the first copy's caption in view.
            QCOMPARE(first->pos(), spot);
            QCOMPARE(shift.x(), shift.y());
            QVERIFY2(shift.y() >= first->fontMetrics().height() && shift.y() < first->height() / 2,
                     qPrintable(QString::number(shift.y())));
        } else {
            QCOMPARE(shift, QPoint());
        }
    }

    void copiesWrapInsideTheScreen() {
        // The main window's middle at the screen's corner puts the first copy
        // in that corner, with no room for a step down and right.
        const QRect screen = mainFrame().screen()->availableGeometry();
        const QPoint home = mainFrame().pos();
        mainFrame().move(screen.bottomRight() - mainFrame().rect().center());
        QList<ToolWindow*> copies;
        for (int i = 0; i < 3; ++i) {
            copies << harness::openTool<Degrees>();
            QVERIFY(copies.last() != nullptr);
            QVERIFY(screen.contains(copies.last()->geometry()));
        }
        mainFrame().move(home);
        QVERIFY(copies[0]->pos() != copies[1]->pos() && copies[1]->pos() != copies[2]->pos() &&
                copies[0]->pos() != copies[2]->pos());
    }

    // Other dialogs of the main window (the About box, the file dialogs, a
    // message box) are no tool windows, though they are dialogs too.
    void toolWindowsAreFoundExactly() {
        ToolWindow* tool = harness::openTool<Energy>();
        QVERIFY(tool != nullptr);
        QDialog other(&mainFrame());
        QCOMPARE(qobject_cast<ToolWindow*>(&other), nullptr);
        QCOMPARE(mainFrame().findChildren<ToolWindow*>(Qt::FindDirectChildrenOnly), QList<ToolWindow*>{tool});
    }

    void reopenedToolStartsFresh() {
        QPointer<ToolWindow> window(harness::openTool<Length>());
        harness::type(window, Length::kInput, QStringLiteral("7"));
        window->reject();
        QVERIFY(harness::released(window));
        ToolWindow* again = harness::openTool<Length>();
        QCOMPARE(harness::text(again, Length::kInput), QStringLiteral("0"));
    }

    void megabyteInAFieldDoesNotStall() {
        ToolWindow* window = harness::openTool<Pythegor>();
        const int id = window->tool().bindings().front().controlId;
        harness::lineEdit(window, id)->setText(QString(1 << 20, QLatin1Char('7')));
        harness::MessageCatcher catcher;
        harness::key(window, Qt::Key_Return);
        // Only the first 399 digits are read: the value is finite and written back.
        QVERIFY(catcher.messages.isEmpty());
    }
};

QTEST_MAIN(ToolKeysTest)
#include "tool_keys_test.moc"
