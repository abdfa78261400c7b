// Boxes and windows that block only their own window: the About box, a tool's
// message boxes answered in any order, menus and accelerators while one is
// shown, and a quit while boxes are shown.

#include <QDBusMessage>
#include <QLabel>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include "core/resources/resource_ids.h"
#include "support/tools.h"
#include "support/window_harness.h"
#include "ui/access/atspi_guard.h"
#include "ui/modality/window_blocking.h"

using harness::mainFrame;

namespace {

// Three tools, each with a handler that refuses "x" with a box and then
// clears the field; the boxes are left open.
struct Asking {
    const char* item;
    int button;
};
const Asking kAsking[] = {
    {"Length", Length::kFeetUnit},
    {"Speed", Speed::kMetersPerSecondUnit},
    {"Temperature", Degrees::kCelsiusUnit},
};

QList<QPointer<ToolWindow>> raiseBoxes(harness::MessageCatcher& catcher) {
    catcher.onShow = [](QMessageBox*) {};  // the test answers
    QList<QPointer<ToolWindow>> windows;
    for (const Asking& asking : kAsking) {
        ToolWindow* window = harness::openTool(harness::commandOf(asking.item));
        harness::type(window, Length::kInput, QStringLiteral("x"));
        harness::click(window, asking.button);
        windows << window;
    }
    return windows;
}

// The ways a box goes: its button, Esc, the window manager's close box, and
// its window destroyed by someone else than the program.
enum class Answer { Ok, Escape, CloseBox, Destroyed };

void answer(QDialog* box, Answer way) {
    switch (way) {
        case Answer::Ok:
            static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
            break;
        case Answer::Escape:
            QTest::keyClick(box, Qt::Key_Escape);
            break;
        case Answer::CloseBox:
            box->close();
            break;
        case Answer::Destroyed:
            delete box;
            break;
    }
}

// Makes the main window's document an empty file named kept.txt, so that its
// title shows whether a New went through.
bool openKeptDocument(const QTemporaryDir& dir) {
    QFile file(dir.filePath(QStringLiteral("kept.txt")));
    return file.open(QIODevice::WriteOnly) && mainFrame().openDocument(file.fileName());
}

}  // namespace

class ModalityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { harness::closeAllTools(); }

    void aboutBoxBlocksOnlyTheMainWindow() {
        QTemporaryDir dir;
        QVERIFY(openKeptDocument(dir));
        ToolWindow* temperature = harness::openTool<Degrees>();
        QAction* item = harness::menuItem(57664);
        QVERIFY(item != nullptr);
        // The item returns at once, the box open.
        item->trigger();
        QPointer<QDialog> about = mainFrame().findChild<QDialog*>(QStringLiteral("100"));
        QVERIFY(about != nullptr && about->isVisible());
        QStringList labels;
        bool icon = false;
        for (QLabel* label : about->findChildren<QLabel*>()) {
            labels << label->text();
            icon = icon || !label->pixmap().isNull();
        }
        QVERIFY(labels.contains(QStringLiteral("Brimlet Version 5.0")));
        QVERIFY2(icon, "the About box shows the program icon");

        // An open tool window stays fully usable.
        harness::type(temperature, Degrees::kInput, QStringLiteral("77"));
        harness::click(temperature, Degrees::kKelvinUnit);
        QCOMPARE(harness::text(temperature, Degrees::kFirstResult), QStringLiteral("-196.15"));
        // The main window takes neither its accelerators nor its menu.
        QTest::keyClick(&mainFrame(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("kept.txt - Brimlet 5"));
        QMenuBar* bar = mainFrame().menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().constFirst()).center());
        QVERIFY(QApplication::activePopupWidget() == nullptr);

        QTest::keyClick(about, Qt::Key_Escape);
        QApplication::setActiveWindow(&mainFrame());
        QTest::keyClick(&mainFrame(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("Untitled - Brimlet 5"));
        QTRY_VERIFY(about.isNull());
    }

    // Choosing a menu item through the accessibility interface answers at
    // once and acts on the next pass; a blocked window's items offer nothing.
    void menuItemsActForAssistiveToolsAsForTheMouse() {
        const QString press = QAccessibleActionInterface::pressAction();
        QAccessibleInterface* about =
            QAccessible::queryAccessibleInterface(harness::menuItem(ids::kAppAbout));
        QAccessibleInterface* exit = QAccessible::queryAccessibleInterface(harness::menuItem(ids::kAppExit));
        QAccessibleInterface* length =
            QAccessible::queryAccessibleInterface(harness::menuItem(harness::commandOf("Length")));
        QVERIFY(about != nullptr && exit != nullptr && length != nullptr);
        QCOMPARE(about->text(QAccessible::Name), QStringLiteral("About Brimlet 5"));
        QCOMPARE(about->actionInterface()->actionNames(), QStringList{press});

        about->actionInterface()->doAction(press);
        QVERIFY(mainFrame().findChild<QDialog*>(QStringLiteral("100")) == nullptr);
        QTRY_VERIFY(mainFrame().findChild<QDialog*>(QStringLiteral("100")) != nullptr);
        QPointer<QDialog> box = mainFrame().findChild<QDialog*>(QStringLiteral("100"));
        QVERIFY(box->isVisible() && modal::isBlocked(&mainFrame()));
        // Blocked: nothing to do, and the items say so.
        for (QAccessibleInterface* item : {about, exit, length}) {
            QVERIFY(item->actionInterface()->actionNames().isEmpty());
            QVERIFY(item->state().disabled);
            item->actionInterface()->doAction(press);
        }
        const qsizetype tools = mainFrame().findChildren<ToolWindow*>(Qt::FindDirectChildrenOnly).size();
        harness::settle();
        QApplication::processEvents();
        QCOMPARE(mainFrame().findChildren<ToolWindow*>(Qt::FindDirectChildrenOnly).size(), tools);
        QCOMPARE(mainFrame().findChildren<QDialog*>(QStringLiteral("100")).size(), 1);
        QVERIFY(mainFrame().isVisible());

        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(!modal::isBlocked(&mainFrame()));
        QCOMPARE(length->actionInterface()->actionNames(), QStringList{press});
        QTRY_VERIFY(box.isNull());

        // A tool's box blocks the main window's menu just as well.
        harness::MessageCatcher catcher;
        QList<QPointer<ToolWindow>> windows = raiseBoxes(catcher);
        QVERIFY(length->actionInterface()->actionNames().isEmpty());
        // The blocked tool's buttons too, for a client of the accessibility bus.
        QDBusMessage click = QDBusMessage::createMethodCall(
            QStringLiteral("org.a11y.atspi.Registry"),
            atspi_guard::pathOf(
                QAccessible::queryAccessibleInterface(harness::button(windows[0], Length::kMetersUnit))),
            QStringLiteral("org.a11y.atspi.Action"), QStringLiteral("DoAction"));
        click << 0;
        QCOMPARE(atspi_guard::answer(click).arguments(), QList<QVariant>{false});
        harness::closeAllTools();
        QVERIFY(harness::released(windows[0]));
        QCOMPARE(length->actionInterface()->actionNames(), QStringList{press});
    }

    void mainWindowAcceleratorsDoNothingInAToolWindow() {
        QTemporaryDir dir;
        QVERIFY(openKeptDocument(dir));
        ToolWindow* window = harness::openTool<Length>();
        harness::key(window, Qt::Key_N, Qt::ControlModifier);  // New would retitle the main window
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("kept.txt - Brimlet 5"));
        QVERIFY(window->isVisible());
        QApplication::setActiveWindow(&mainFrame());
        QTest::keyClick(&mainFrame(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("Untitled - Brimlet 5"));
    }

    // While one tool's box waits inside its handler, the other tools are used,
    // closed and raise boxes of their own; nothing runs twice or after it is freed.
    void messageBoxBlocksItsToolAndTheMainWindowOnly() {
        ToolWindow* length = harness::openTool<Length>();
        QPointer<ToolWindow> temperature = harness::openTool<Degrees>();
        ToolWindow* speed = harness::openTool<Speed>();
        harness::MessageCatcher catcher;
        QList<QMessageBox*> boxes;
        catcher.onShow = [&](QMessageBox* box) {
            boxes << box;
            if (boxes.size() == 1) {
                QVERIFY(modal::isBlocked(length) && modal::isBlocked(&mainFrame()));
                QVERIFY(!modal::isBlocked(temperature) && !modal::isBlocked(speed));
                // The asking window takes no keys and no clicks.
                harness::type(length, Length::kInput, QStringLiteral("5"));
                harness::click(length, Length::kFeetUnit);
                QCOMPARE(harness::text(length, Length::kInput), QStringLiteral("x"));
                QCOMPARE(boxes.size(), 1);
                // Another tool is used and closed.
                harness::type(temperature, Degrees::kInput, QStringLiteral("100"));
                harness::click(temperature, Degrees::kCelsiusUnit);
                QCOMPARE(harness::text(temperature, Degrees::kFirstResult), QStringLiteral("212"));
                harness::key(temperature, Qt::Key_Escape);
                QTRY_VERIFY(harness::released(temperature));
                // A third raises a box of its own meanwhile.
                harness::type(speed, Speed::kInput, QStringLiteral("y"));
                harness::click(speed, Speed::kMetersPerSecondUnit);
                QCOMPARE(harness::text(speed, Speed::kInput), QStringLiteral("0"));
            } else {
                QVERIFY(modal::isBlocked(length) && modal::isBlocked(speed));
                // The first box is answered first.
                boxes.constFirst()->button(QMessageBox::Ok)->click();
                box->button(QMessageBox::Ok)->click();
            }
        };
        harness::type(length, Length::kInput, QStringLiteral("x"));
        harness::click(length, Length::kFeetUnit);
        QCOMPARE(catcher.messages, QStringList({QStringLiteral("Please enter a number."),
                                                QStringLiteral("Please enter a number.")}));
        QCOMPARE(harness::text(length, Length::kInput), QStringLiteral("0"));
        QVERIFY(!modal::isBlocked(length) && !modal::isBlocked(&mainFrame()));
        harness::type(length, Length::kInput, QStringLiteral("2"));
        harness::click(length, Length::kFeetUnit);
        QCOMPARE(harness::text(length, Length::kMeters), QStringLiteral("0.609756097560976"));
    }

    // Boxes of three tools open at once, answered in every order and every
    // way: each answer frees its own window at once, and its handler goes on.
    void boxesAnsweredInAnyOrderFreeTheirOwnWindows_data() {
        QTest::addColumn<QList<int>>("order");
        QTest::addColumn<QList<Answer>>("ways");
        QList<int> order{0, 1, 2};
        const Answer all[] = {Answer::Ok, Answer::Escape, Answer::CloseBox, Answer::Destroyed};
        int row = 0;
        do {
            QList<Answer> ways;
            for (int i = 0; i < 3; ++i) {
                ways << all[(row + i) % 4];
            }
            QTest::addRow("order %d%d%d", order[0], order[1], order[2]) << order << ways;
            ++row;
        } while (std::next_permutation(order.begin(), order.end()));
    }

    void boxesAnsweredInAnyOrderFreeTheirOwnWindows() {
        QFETCH(QList<int>, order);
        QFETCH(QList<Answer>, ways);
        harness::MessageCatcher catcher;
        const QList<QPointer<ToolWindow>> windows = raiseBoxes(catcher);
        QCOMPARE(catcher.messages.size(), 3);
        for (const QPointer<ToolWindow>& window : windows) {
            QVERIFY(window->handlerWaiting() && modal::isBlocked(window));
        }
        QVERIFY(modal::isBlocked(&mainFrame()));

        for (qsizetype i = 0; i < order.size(); ++i) {
            ToolWindow* window = windows[order[i]];
            answer(window->waitingBox(), ways[i]);
            // Free at once; the others stay blocked, and the main window with them.
            QVERIFY(!modal::isBlocked(window));
            for (qsizetype later = i + 1; later < order.size(); ++later) {
                QVERIFY(modal::isBlocked(windows[order[later]]));
            }
            QCOMPARE(modal::isBlocked(&mainFrame()), i + 1 < order.size());
            // The handler goes on where it stood on the next pass of the event loop.
            harness::settle();
            QVERIFY(!window->handlerWaiting());
            QCOMPARE(harness::text(window, Length::kInput), QStringLiteral("0"));
        }
        QCOMPARE(catcher.messages.size(), 3);
        // Each window works again.
        harness::type(windows[0], Length::kInput, QStringLiteral("2"));
        harness::click(windows[0], Length::kFeetUnit);
        QCOMPARE(harness::text(windows[0], Length::kMeters), QStringLiteral("0.609756097560976"));
        harness::closeAllTools();
    }

    // Last: the quit closes every window.
    void quitWhileBoxesAreShownEndsTheProgram() {
        harness::MessageCatcher catcher;
        QList<QPointer<ToolWindow>> windows;
        QTimer::singleShot(0, [&catcher, &windows] {
            windows = raiseBoxes(catcher);
            QCoreApplication::quit();
        });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(catcher.messages.size(), 3);
        for (QPointer<ToolWindow>& window : windows) {
            QVERIFY(harness::released(window));
        }
        QVERIFY(!modal::isBlocked(&mainFrame()));
    }
};

QTEST_MAIN(ModalityTest)
#include "modality_test.moc"
