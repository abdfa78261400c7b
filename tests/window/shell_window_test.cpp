#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDBusMessage>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStyleOption>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstring>
#include <map>

#include "core/app/command_table.h"
#include "core/dialog/number_text.h"
#include "core/dialog/tool.h"
#include "core/resources/resource_ids.h"
#include "core/resources/templates.h"
#include "support/tools.h"
#include "ui/app/brimlet_app.h"
#include "ui/dialog/atspi_guard.h"
#include "ui/dialog/modal_loop.h"
#include "window/window_harness.h"

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

struct MenuItem {
    const char* popup;
    const char* item;
    int commandId;
};

// The menu bar as the user sees it, popup by popup.
const MenuItem kMenu[] = {
    {"&File", "E&xit", 57665},
    {"&Mathematics", "Line Functions", harness::commandOf<Geo>()},
    {"&Mathematics", "Pythagorean Theorem", harness::commandOf<Pythegor>()},
    {"&Mathematics", "Quadratic  Formula", harness::commandOf<Quad>()},
    {"&Physics", "Absolute Uncertainty", harness::commandOf<Uncert>()},
    {"&Physics", "Bend Allowance", harness::commandOf<Bend>()},
    {"&Physics", "Combinations", harness::commandOf<TheCombination>()},
    {"&Physics", "Permutations", harness::commandOf<Permutation>()},
    {"&Physics", "SI Prefixes", harness::commandOf<Prefixes>()},
    {"C&hemistry", "Periodic Table", harness::commandOf<Periodic>()},
    {"&Astronomy", "Solar System Planets Data", harness::commandOf<Planets>()},
    {"Calc&ulators", "Advanced Calculator", harness::commandOf<MyCalculator>()},
    {"Calc&ulators", "Basic Calculator", harness::commandOf<SimpleCalc>()},
    {"&Conversions", "Energy", harness::commandOf<Energy>()},
    {"&Conversions", "Force", harness::commandOf<Force>()},
    {"&Conversions", "Length", harness::commandOf<Length>()},
    {"&Conversions", "Numbers", harness::commandOf<Numbers>()},
    {"&Conversions", "Power", harness::commandOf<Power>()},
    {"&Conversions", "Pressure", harness::commandOf<Pressures>()},
    {"&Conversions", "Radians", harness::commandOf<DegreesRadians>()},
    {"&Conversions", "Speed", harness::commandOf<Speed>()},
    {"&Conversions", "Temperature", harness::commandOf<Degrees>()},
    {"&Conversions", "Time", harness::commandOf<Time>()},
    {"&Conversions", "Weight", harness::commandOf<Weight>()},
    {"&Help", "&About Brimlet 5", 57664},
};

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

QString initialText(const Binding& binding) {
    if (auto* value = std::get_if<double*>(&binding.value)) {
        return QString::fromStdString(numtext::formatDouble(**value));
    }
    if (auto* value = std::get_if<int*>(&binding.value)) {
        return QString::number(**value);
    }
    return QString::fromStdString(*std::get<std::string*>(binding.value));
}

// Makes the main window's document an empty file named kept.txt, so that its
// title shows whether a New went through.
bool openKeptDocument(const QTemporaryDir& dir) {
    QFile file(dir.filePath(QStringLiteral("kept.txt")));
    return file.open(QIODevice::WriteOnly) && mainFrame().openDocument(file.fileName());
}

}  // namespace

class ShellWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { harness::closeAllTools(); }

    void captionAndStatusBar() {
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("Untitled - Brimlet 5"));
        QVERIFY(!mainFrame().windowIcon().isNull());
        QVERIFY(mainFrame().windowIcon().availableSizes().contains(QSize(128, 128)));
        QCOMPARE(mainFrame().statusMessage(), QStringLiteral("Ready"));
        QVERIFY(mainFrame().statusBar()->isVisible());
        QCOMPARE(mainFrame().statusBar()->objectName(), QStringLiteral("59393"));
    }

    void menuBarInOrder() {
        const QList<QAction*> popups = mainFrame().menuBar()->actions();
        QStringList seenPopups;
        QList<const MenuItem*> seen;
        for (QAction* popupAction : popups) {
            seenPopups << popupAction->text();
            for (QAction* item : popupAction->menu()->actions()) {
                QVERIFY2(!item->isSeparator(), "the menus have no separators");
                QVERIFY(item->isEnabled());
                QVERIFY(!item->isCheckable());
                const int index = static_cast<int>(seen.size());
                QVERIFY(index < static_cast<int>(std::size(kMenu)));
                QCOMPARE(popupAction->text(), QString::fromUtf8(kMenu[index].popup));
                QCOMPARE(item->text(), QString::fromUtf8(kMenu[index].item));
                QCOMPARE(item->data().toInt(), kMenu[index].commandId);
                seen << &kMenu[index];
            }
        }
        QCOMPARE(seen.size(), static_cast<qsizetype>(std::size(kMenu)));
        QCOMPARE(seenPopups, (QStringList{"&File", "&Mathematics", "&Physics", "C&hemistry", "&Astronomy",
                                          "Calc&ulators", "&Conversions", "&Help"}));
    }

    // With a 12-point desktop font the default width once left "Conversions"
    // and "Help" in the menu bar's overflow button.
    void wholeMenuBarFitsAtALargeFont() {
        const QFont before = QApplication::font();
        QFont large = before;
        large.setPointSize(12);
        QApplication::setFont(large);
        {
            CMainFrame frame;
            frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            const auto* overflow =
                frame.menuBar()->findChild<QWidget*>(QStringLiteral("qt_menubar_ext_button"));
            QVERIFY(overflow != nullptr);
            QVERIFY(!overflow->isVisible());
            const QList<QAction*> popups = frame.menuBar()->actions();
            QVERIFY(frame.menuBar()->actionGeometry(popups.last()).right() < frame.menuBar()->width());
        }
        QApplication::setFont(before);
    }

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
            QCOMPARE(harness::text(window, binding.controlId), initialText(binding));
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

    void lockIndicatorsFollowTheKeys() {
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
            QSKIP(
                "with a display server the indicators show its lock states, which simulated keys do not "
                "change");
        }
        mainFrame().setLockState(false, false, false);
        QApplication::setActiveWindow(&mainFrame());
        mainFrame().activateWindow();
        QCOMPARE(mainFrame().indicatorText(CMainFrame::Lock::Caps), QString());
        QTest::keyClick(&mainFrame(), Qt::Key_CapsLock);
        QCOMPARE(mainFrame().indicatorText(CMainFrame::Lock::Caps), QStringLiteral("CAP"));
        QTest::keyClick(&mainFrame(), Qt::Key_NumLock);
        QCOMPARE(mainFrame().indicatorText(CMainFrame::Lock::Num), QStringLiteral("NUM"));
        QTest::keyClick(&mainFrame(), Qt::Key_CapsLock);
        QCOMPARE(mainFrame().indicatorText(CMainFrame::Lock::Caps), QString());
        QCOMPARE(mainFrame().indicatorText(CMainFrame::Lock::Scroll), QString());
    }

    void newAndOpenSetTheCaption() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("notes.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
        file.close();
        QVERIFY(mainFrame().openDocument(path));
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("notes.txt - Brimlet 5"));
        mainFrame().newDocument();
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("Untitled - Brimlet 5"));

        harness::MessageCatcher catcher;
        QVERIFY(!mainFrame().openDocument(dir.filePath(QStringLiteral("missing"))));
        QCOMPARE(catcher.messages, QStringList{QStringLiteral("Failed to open document.")});
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("Untitled - Brimlet 5"));
    }

    // Looking at anything but a regular file must not wait: opening a FIFO
    // for reading waits for a writer, and a device may act on being opened.
    void onlyRegularFilesBecomeTheDocument_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"fifo", "directory", "device", "socket"}) {
            QTest::newRow(kind) << QString::fromLatin1(kind);
        }
    }

    void onlyRegularFilesBecomeTheDocument() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QByteArray name = QFile::encodeName(dir.filePath(kind));
        if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (kind == QLatin1String("directory")) {
            QCOMPARE(::mkdir(name.constData(), 0700), 0);
        } else if (kind == QLatin1String("device")) {
            name = "/dev/null";
        } else {
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, name.constData(), sizeof address.sun_path - 1);
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            QCOMPARE(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
            ::close(fd);  // the socket's file stays
        }
        mainFrame().newDocument();
        harness::MessageCatcher catcher;
        QVERIFY(!mainFrame().openDocument(name));
        QVERIFY(!mainFrame().saveDocumentAs(QFile::decodeName(name)));
        QCOMPARE(catcher.messages, (QStringList{QStringLiteral("Failed to open document."),
                                                QStringLiteral("Failed to save document.")}));
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("Untitled - Brimlet 5"));
    }

    // The command line hands over bytes; a name that is not valid UTF-8 still
    // names its file, and saving it creates no other file.
    void aNameThatIsNotTextStillNamesItsFile() {
        QTemporaryDir dir;
        const QByteArray name = QFile::encodeName(dir.path()) + "/caf\xe9.txt";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        QVERIFY(fd >= 0);
        const auto removeIt = qScopeGuard([&name] { ::unlink(name.constData()); });  // Qt cannot name it
        QCOMPARE(::write(fd, "kept", 4), 4);
        ::close(fd);
        QVERIFY(mainFrame().openDocument(name));
        QCOMPARE(mainFrame().document().fileName(), name);
        QVERIFY(mainFrame().windowTitle().startsWith(QStringLiteral("caf")));
        QCOMPARE(mainFrame().document().save(), CBrimletDoc::Result::Done);
        QVERIFY(!QFileInfo::exists(mainFrame().document().path()));  // the name as text is another file
        struct stat info {};
        QVERIFY(::stat(name.constData(), &info) == 0 && info.st_size == 4);
        mainFrame().newDocument();
    }

    void savingNeverDestroysData() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.dat"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("precious data");
        file.close();

        // Save after Open keeps the file as it is.
        QVERIFY(mainFrame().openDocument(path));
        mainFrame().document().save();
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("precious data"));
        file.close();

        // Save As onto an existing file changes nothing in it either.
        mainFrame().newDocument();
        QVERIFY(mainFrame().saveDocumentAs(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("precious data"));
        file.close();
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("report.dat - Brimlet 5"));

        // An untitled document saved under a new name creates an empty file.
        mainFrame().newDocument();
        const QString fresh = dir.filePath(QStringLiteral("new.dat"));
        QVERIFY(mainFrame().saveDocumentAs(fresh));
        QVERIFY(QFileInfo::exists(fresh));
        QCOMPARE(QFileInfo(fresh).size(), 0);
        mainFrame().newDocument();
    }

    void settingsKeyIsCreated() {
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        CBrimletApp::loadProfileSettings();
        QSettings settings(QStringLiteral("Local AppWizard-Generated Applications"),
                           QStringLiteral("Brimlet 5"));
        QVERIFY(settings.fileName().startsWith(home.path()));
        QCOMPARE(settings.value(QStringLiteral("Settings/PreviewPages")).toInt(), 0);
        QVERIFY(settings.contains(QStringLiteral("Settings/PreviewPages")));
        qunsetenv("XDG_CONFIG_HOME");
    }

    // A settings file or lock that QSettings would wait on, or read whole, is
    // left as it is: the program starts with the defaults and says why.
    void damagedSettingsAreLeftAlone_data() {
        QTest::addColumn<QString>("settings");  // what the settings file is; "" for none
        QTest::addColumn<QString>("lock");      // what its lock file is
        QTest::addColumn<bool>("used");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QByteArray>("after");  // the settings file then, when it is written
        struct Row {
            const char* name;
            const char* settings;
            const char* lock;
            bool used;
            bool written;
            const char* after = "";
        };
        const Row rows[] = {
            {"settings a FIFO", "fifo", "", false, false},
            {"settings a directory", "directory", "", false, false},
            {"settings over 1 MB", "huge", "", false, false},
            {"settings unreadable", "unreadable", "", false, false},
            {"lock a directory", "", "directory", false, false},
            {"lock a FIFO", "", "fifo", false, false},
            {"lock unreadable", "", "unreadable", false, false},
            {"key missing, lock unreadable", "other key", "unreadable", false, false},
            {"key there, lock a FIFO", "key", "fifo", true, false},  // nothing to write, nothing locked
            {"garbage but regular", "garbage", "", true, true},
            {"key missing, lock of a running other program", "other key", "running other", false, false},
            {"key missing, lock of an ended process", "other key", "ended", true, true,
             "[Other]\nx=1\n\n[Settings]\nPreviewPages=0\n"},
            {"comments and line ends kept", "comments", "", true, true,
             "; the user's note\r\n[Other]\r\nx=1\r\n# kept too\r\n\r\n[Settings]\r\nPreviewPages=0\r\n"},
            {"added to its section", "section", "", true, true,
             "[Settings]\nPreviewPages=0\n; pages\nOther=1\n"},
        };
        for (const Row& row : rows) {
            QTest::newRow(row.name) << QString::fromLatin1(row.settings) << QString::fromLatin1(row.lock)
                                    << row.used << row.written << QByteArray(row.after);
        }
    }

    void damagedSettingsAreLeftAlone() {
        QFETCH(QString, settings);
        QFETCH(QString, lock);
        QFETCH(bool, used);
        QFETCH(bool, written);
        QFETCH(QByteArray, after);
        if (settings == QLatin1String("unreadable") && ::geteuid() == 0) {
            QSKIP("root reads any file");
        }
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        const auto restore = qScopeGuard([] { qunsetenv("XDG_CONFIG_HOME"); });
        const QString folder = home.filePath(QStringLiteral("Local AppWizard-Generated Applications"));
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + QStringLiteral("/Brimlet 5.conf");
        const auto make = [](const QString& path, const QString& kind) {
            const QByteArray name = QFile::encodeName(path);
            QFile regular(path);
            if (kind == QLatin1String("fifo")) {
                return ::mkfifo(name.constData(), 0600) == 0;
            }
            if (kind == QLatin1String("directory")) {
                return ::mkdir(name.constData(), 0700) == 0;
            }
            if (kind.isEmpty() || !regular.open(QIODevice::WriteOnly)) {
                return kind.isEmpty();
            }
            if (kind == QLatin1String("huge")) {
                return regular.resize((1 << 20) + 1);
            }
            // A lock names its process, program and host; process 1 runs and is not this program.
            const QByteArray host = QSysInfo::machineHostName().toUtf8();
            const std::map<QString, QByteArray> contents{
                {QStringLiteral("key"), "[Settings]\nPreviewPages=3\n"},
                {QStringLiteral("other key"), "[Other]\nx=1\n"},
                {QStringLiteral("garbage"), "\x01\xff[[=\n[Settings\n"},
                {QStringLiteral("comments"), "; the user's note\r\n[Other]\r\nx=1\r\n# kept too"},
                {QStringLiteral("section"), "[Settings]\n; pages\nOther=1\n"},
                {QStringLiteral("running other"), "1\ninit\n" + host + "\n"},
                {QStringLiteral("ended"), "2147483646\nbrimlet\n" + host + "\n"},
            };
            const auto content = contents.find(kind);
            regular.write(content != contents.end() ? content->second : QByteArray());
            return kind != QLatin1String("unreadable") || regular.setPermissions(QFileDevice::Permissions());
        };
        QVERIFY(make(file, settings));
        QVERIFY(make(file + QStringLiteral(".lock"), lock));
        const auto listing = [&folder] {
            QStringList entries;
            for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::System |
                                                                     QDir::Hidden | QDir::NoDotAndDotDot)) {
                entries << QStringLiteral("%1 %2 %3 %4")
                               .arg(entry.fileName())
                               .arg(entry.size())
                               .arg(entry.lastModified().toMSecsSinceEpoch())
                               .arg(int(entry.permissions()));
            }
            return entries;
        };
        const QStringList before = listing();

        const QString why = CBrimletApp::loadProfileSettings();
        QCOMPARE(why.isEmpty(), used);
        QCOMPARE(listing() != before, written);
        if (used) {
            QVERIFY(QSettings(file, QSettings::IniFormat).contains(QStringLiteral("Settings/PreviewPages")));
            QFile kept(file);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            if (!after.isEmpty()) {
                QCOMPARE(kept.readAll(), after);
            }
        } else {
            QVERIFY2(why.contains(file), qPrintable(why));
        }
    }

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

    // The file dialogs open and return at once; the main window waits for
    // their answer, and acts on it when it comes.
    void fileDialogsActOnTheirAnswer() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("notes.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        mainFrame().newDocument();
        mainFrame().onFileOpen();
        QPointer<QFileDialog> open = mainFrame().findChild<QFileDialog*>(QStringLiteral("openDialog"));
        QVERIFY(open != nullptr && open->isVisible() && modal::isBlocked(&mainFrame()));
        open->selectFile(path);
        QTest::keyClick(open, Qt::Key_Return);
        QVERIFY(!modal::isBlocked(&mainFrame()));
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("notes.txt - Brimlet 5"));

        mainFrame().newDocument();
        mainFrame().onFileSave();
        QPointer<QFileDialog> save = mainFrame().findChild<QFileDialog*>(QStringLiteral("saveAsDialog"));
        QVERIFY(save != nullptr && save->isVisible() && modal::isBlocked(&mainFrame()));
        QTest::keyClick(save, Qt::Key_Escape);
        QVERIFY(!modal::isBlocked(&mainFrame()));
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("Untitled - Brimlet 5"));
        QTRY_VERIFY(open.isNull() && save.isNull());
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

    void statusPaneShowsItemPrompts() {
        QMenu* file = mainFrame().menuBar()->findChild<QMenu*>(QStringLiteral("&File"));
        QMenu* physics = mainFrame().menuBar()->findChild<QMenu*>(QStringLiteral("&Physics"));
        QVERIFY(file != nullptr && physics != nullptr);

        mainFrame().menuBar()->setActiveAction(file->menuAction());
        QVERIFY(QTest::qWaitForWindowExposed(file));
        QCOMPARE(mainFrame().statusMessage(), QString());  // a popup title has no prompt
        file->setActiveAction(file->actions().constFirst());
        QCOMPARE(mainFrame().statusMessage(),
                 QStringLiteral("Quit the application; prompts to save documents"));
        file->hide();

        mainFrame().menuBar()->setActiveAction(physics->menuAction());
        QVERIFY(QTest::qWaitForWindowExposed(physics));
        physics->setActiveAction(physics->actions().constFirst());
        QCOMPARE(mainFrame().statusMessage(), QString());  // tool items have no prompt
        physics->hide();
        QTRY_COMPARE(mainFrame().statusMessage(), QStringLiteral("Ready"));
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

    void editAcceleratorsDoNothing() {
        const QString before = mainFrame().windowTitle();
        QApplication::setActiveWindow(&mainFrame());
        QTest::keyClick(&mainFrame(), Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(&mainFrame(), Qt::Key_F6);
        QCOMPARE(mainFrame().windowTitle(), before);
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

QTEST_MAIN(ShellWindowTest)
#include "shell_window_test.moc"
