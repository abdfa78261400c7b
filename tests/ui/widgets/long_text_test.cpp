#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <climits>

#include "core/calculators/my_calculator.h"
#include "support/window_harness.h"
#include "ui/widgets/long_text_view.h"

namespace {

const int kAdvancedCalculator = harness::commandOf<MyCalculator>();
using enum MyCalculator::Control;

LongTextView* view(ToolWindow* window, int id) {
    return dynamic_cast<LongTextView*>(harness::control(window, id));
}

}  // namespace

class LongTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void megabyteThroughDisplayAndHistory() {
        ToolWindow* window = harness::openTool(kAdvancedCalculator);
        const QString megabyte(1 << 20, QLatin1Char('5'));
        // A user cannot type that much into a memory, but the program can put
        // it there (Sto of a display grown by a million presses).
        QLineEdit* memory = harness::lineEdit(window, kMemory1);
        memory->setMaxLength(1 << 21);
        memory->setText(megabyte);
        harness::click(window, kRecall1);
        harness::click(window, kDigit1);
        QCOMPARE(harness::text(window, kDisplay), megabyte + QLatin1Char('1'));
        QCOMPARE(harness::text(window, kHistory), megabyte + QLatin1Char('1'));
        // The view shows the end, where the text changes.
        QCOMPARE(view(window, kDisplay)->firstShown(), -1);
        window->reject();
    }

    void typingIsBoundedButTheProgramsWritesAreNot() {
        ToolWindow* window = harness::openTool(kAdvancedCalculator);
        QLineEdit* memory = harness::lineEdit(window, kMemory1);
        QGuiApplication::clipboard()->setText(QString(40000, QLatin1Char('5')));
        memory->setFocus();
        QTest::keyClick(memory, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(memory->text().size(), 32767);

        harness::click(window, kRecall1);
        harness::click(window, kDigit1);  // the display is now one longer than a user may type
        harness::click(window, kStore1);
        QCOMPARE(memory->text().size(), 32768);
        QCOMPARE(memory->text(), harness::text(window, kDisplay));
        window->reject();
    }

    void assistiveToolsReadTheWholeText() {
        ToolWindow* window = harness::openTool(kAdvancedCalculator);
        harness::click(window, kDigit1);
        harness::click(window, kDigit2);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(view(window, kHistory));
        QVERIFY(iface != nullptr);
        QCOMPARE(iface->role(), QAccessible::EditableText);
        QVERIFY(iface->state().readOnly);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("History"));
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("12"));
        QAccessibleTextInterface* text = iface->textInterface();
        QVERIFY(text != nullptr);
        QCOMPARE(text->characterCount(), 2);
        QCOMPARE(text->text(0, 2), QStringLiteral("12"));
        // A reader's review keys find each character where it is drawn.
        int left = INT_MIN;
        for (int offset = 0; offset < 2; ++offset) {
            const QRect rect = text->characterRect(offset);
            QVERIFY2(!rect.isEmpty() && rect.left() > left, qPrintable(QString::number(offset)));
            QCOMPARE(text->offsetAtPoint(rect.center()), offset);
            left = rect.left();
        }
        window->reject();
    }

    void keysScrollAndCopy() {
        ToolWindow* window = harness::openTool(kAdvancedCalculator);
        const QString long_text = QStringLiteral("123456789").repeated(200);
        harness::lineEdit(window, kMemory1)->setText(long_text);
        harness::click(window, kRecall1);
        LongTextView* history = view(window, kHistory);
        history->setFocus();
        const harness::AccessibleEvents events;
        QTest::keyClick(history, Qt::Key_Home);
        QCOMPARE(history->firstShown(), 0);
        QCOMPARE(history->cursorPosition(), 0);
        QTest::keyClick(history, Qt::Key_Right);
        QCOMPARE(history->cursorPosition(), 1);
        QCOMPARE(history->firstShown(), 0);  // the caret is still in sight
        // Past the edge the text scrolls just enough to keep the caret in sight.
        for (int i = 0; i < 300; ++i) {
            QTest::keyClick(history, Qt::Key_Right);
        }
        QCOMPARE(history->cursorPosition(), 301);
        QVERIFY(history->firstShown() > 0);
        QVERIFY(!history->characterRect(300).isEmpty());
        QTest::keyClick(history, Qt::Key_End);
        QCOMPARE(history->firstShown(), -1);
        QCOMPARE(history->cursorPosition(), static_cast<int>(long_text.size()));
        QCOMPARE(events.carets.size(), 303);
        QCOMPARE(events.carets.constLast(), static_cast<int>(long_text.size()));
        QTest::keyClick(history, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(history->selectedText(), long_text);
        QTest::keyClick(history, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), long_text);
        // Keys the view does not use still reach the window: Esc closes it.
        QPointer<ToolWindow> closing(window);
        QTest::keyClick(history, Qt::Key_Escape);
        QVERIFY(harness::released(closing));
    }
};

QTEST_MAIN(LongTextTest)
#include "long_text_test.moc"
