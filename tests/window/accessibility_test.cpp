#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>

#include "app/command_table.h"
#include "window/window_harness.h"

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
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
        }
        QVERIFY(checked > 0);
        window->reject();
    }

    void unitButtonPressActionConverts() {
        ToolWindow* window = harness::openTool(32773);  // Length
        harness::type(window, 1010, QStringLiteral("2"));
        QAbstractButton* feet = harness::button(window, 1025);
        QVERIFY(feet != nullptr && feet->text() == QStringLiteral("ft"));
        QAccessibleInterface* iface = accessible(feet);
        QAccessibleActionInterface* actions = iface->actionInterface();
        QVERIFY(actions != nullptr);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        QVERIFY(iface->state().checkable);

        actions->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(feet->isChecked());
        QVERIFY(iface->state().checked);
        QCOMPARE(harness::text(window, 1014), QStringLiteral("2"));   // feet
        QCOMPARE(harness::text(window, 1013), QStringLiteral("24"));  // inches
        QVERIFY(harness::text(window, 1011) != QStringLiteral("0"));  // metres

        // "Toggle" on a pressed unit button converts again instead of releasing it.
        harness::type(window, 1010, QStringLiteral("1"));
        actions->doAction(QAccessibleActionInterface::toggleAction());
        QTRY_COMPARE(harness::text(window, 1013), QStringLiteral("12"));
        QVERIFY(feet->isChecked());
        window->reject();
    }

    void pressAnswersBeforeTheHandlersBox() {
        ToolWindow* window = harness::openTool(32779);  // Temperature
        harness::type(window, 1010, QStringLiteral("x"));
        harness::MessageCatcher catcher;
        QAccessibleActionInterface* actions = accessible(harness::button(window, 1023))->actionInterface();
        actions->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(catcher.messages.isEmpty());
        QTRY_COMPARE(catcher.answered, 1);
        QCOMPARE(harness::text(window, 1010), QStringLiteral("0"));

        // Nothing for a button that cannot be clicked.
        harness::type(window, 1010, QStringLiteral("x"));
        harness::button(window, 1000)->setEnabled(false);
        accessible(harness::button(window, 1000))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        window->hide();
        actions->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(20);
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
        QTest::newRow("converter result") << 32773 << "t1010=2 1025"
                                          << "1011"
                                          << "0.609756097560976";
        QTest::newRow("calculator display") << 32793 << "1006 1007"
                                            << "1010"
                                            << "8";
        QTest::newRow("calculator history") << 32793 << "1006 1023"
                                            << "1052"
                                            << " + ";
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
        ToolWindow* window = harness::openTool(32793);  // advanced calculator
        QAbstractButton* seven = harness::button(window, 1006);
        QAccessibleActionInterface* actions = accessible(seven)->actionInterface();
        QVERIFY(actions != nullptr);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(harness::text(window, 1010), QStringLiteral("7"));
        QCOMPARE(accessible(harness::control(window, 1052))->text(QAccessible::Name),
                 QStringLiteral("History"));
        window->reject();
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
