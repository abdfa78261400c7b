// Every tool open at once, then tens of thousands of random clicks, typed
// texts, pastes and keys. Nothing may crash, every message box must be
// answered and carry one of the program's messages, and no handler may keep
// the user waiting.
//
// A run prints its seed; BRIMLET_MONKEY_SEED=<seed> replays it, and
// BRIMLET_MONKEY_STEPS sets the number of steps. A handler's time is the
// user-interface thread's CPU time of the step minus the time its message boxes
// were open, so a machine busy with other work does not fail the run; the wall
// time of the step (also minus the boxes) must stay under a second (or twenty
// times the CPU limit), which only a handler that waits on something reaches.
// BRIMLET_MONKEY_LIMIT_MS raises the CPU limit for instrumented builds.

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QRandomGenerator>
#include <QTest>
#include <utility>

#include <algorithm>
#include <ctime>
#include <deque>
#include <functional>
#include <vector>

#include "core/app/command_table.h"
#include "core/calculators/simple_calc.h"
#include "core/dialog/dialog_template.h"
#include "support/window_harness.h"
#include "ui/modality/message_box.h"

namespace {

constexpr int kDefaultSteps = 20000;
constexpr qint64 kDefaultLimitMs = 50;
constexpr qint64 kHangMs = 1000;
const int kBasicCalculator = harness::commandOf<SimpleCalc>();
constexpr std::size_t kReplayLength = 12;
constexpr qsizetype kHugeText = 100000;

qint64 envNumber(const char* name, qint64 fallback) {
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

QList<QLineEdit*> editableFields(ToolWindow* window) {
    QList<QLineEdit*> fields;
    for (QLineEdit* edit : window->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        if (!edit->isReadOnly()) {
            fields << edit;
        }
    }
    return fields;
}

QList<QAbstractButton*> buttons(ToolWindow* window) {
    QList<QAbstractButton*> found;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        bool numbered = false;
        button->objectName().toInt(&numbered);
        if (numbered && button->isEnabled() && button->isVisible()) {
            found << button;
        }
    }
    return found;
}

// One key stroke that produces this character, whether or not it is Latin-1.
void typeCharacter(QWidget* target, QChar character) {
    const ushort code = character.toUpper().unicode();
    const auto key = code < 0x7f ? static_cast<Qt::Key>(code) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, target, key, QString(character), Qt::NoModifier);
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void randomUse();
    void cleanupTestCase();

private:
    struct Step {
        QString what;
        std::function<void()> action;
    };

    void openAll();
    void reopenClosed();
    ToolWindow* randomWindow();
    Step nextStep();
    Step clickStep(ToolWindow* window);
    Step typeStep(ToolWindow* window);
    Step pasteStep(ToolWindow* window);
    Step keyStep(ToolWindow* window);
    Step calculatorStep();
    Step clearHugeStep();
    QString randomText();
    QString longText(qsizetype length);
    void runMeasured(const QString& what, const std::function<void()>& action);
    bool holdsHugeText() const;
    // Only a handler that waits on something, or a megabyte's layout, gets near it.
    qint64 hangNs() const { return std::max(kHangMs * 1'000'000, 20 * limitNs_); }

    QRandomGenerator rng_;
    quint32 seed_ = 0;
    int steps_ = kDefaultSteps;
    qint64 limitNs_ = kDefaultLimitMs * 1'000'000;
    std::vector<QPointer<ToolWindow>> windows_;
    std::deque<QString> recent_;
    harness::MessageCatcher* answerer_ = nullptr;
    int currentStep_ = 0;
    qint64 worstCpuNs_ = 0;
    qint64 worstWallNs_ = 0;
    QString worstStep_;
    int reopened_ = 0;
    int megabytePastes_ = 0;
    bool hugePaste_ = false;  // the next step pastes a megabyte
    int relaxedSteps_ = 0;
    QPointer<ToolWindow> hugeWindow_;
    int hugePhase_ = 0;
    qint64 worstHeavyCpuNs_ = 0;
};

void MonkeyTest::initTestCase() {
    bool seeded = false;
    seed_ = qEnvironmentVariable("BRIMLET_MONKEY_SEED").toUInt(&seeded);
    if (!seeded) {
        seed_ =
            static_cast<quint32>(QDateTime::currentMSecsSinceEpoch() ^ QCoreApplication::applicationPid());
    }
    rng_.seed(seed_);
    steps_ = static_cast<int>(envNumber("BRIMLET_MONKEY_STEPS", kDefaultSteps));
    limitNs_ = envNumber("BRIMLET_MONKEY_LIMIT_MS", kDefaultLimitMs) * 1'000'000;
    qInfo("monkey seed %u, %d steps (replay with BRIMLET_MONKEY_SEED=%u)", seed_, steps_, seed_);
    openAll();
}

void MonkeyTest::cleanupTestCase() {
    for (QPointer<ToolWindow>& window : windows_) {
        if (window != nullptr) {
            window->reject();
        }
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void MonkeyTest::openAll() {
    windows_ = harness::openEveryTool();
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        QVERIFY2(windows_[i] != nullptr, toolCommands()[i].item);
    }
}

void MonkeyTest::reopenClosed() {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const std::span<const ToolCommand> commands = toolCommands();
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        if (windows_[i] == nullptr || !windows_[i]->isVisible()) {
            windows_[i] = harness::openTool(commands[i].commandId);
            QVERIFY2(windows_[i] != nullptr, commands[i].item);
            ++reopened_;
        }
    }
}

ToolWindow* MonkeyTest::randomWindow() {
    return windows_[rng_.bounded(static_cast<quint32>(windows_.size()))];
}

QString MonkeyTest::randomText() {
    static const QStringList tokens{
        "0",
        "1",
        "2",
        "3",
        "4",
        "5",
        "6",
        "7",
        "8",
        "9",
        "-",
        "+",
        ".",
        "e",
        "E",
        "d",
        "#",
        " ",
        "inf",
        "nan",
        "abc",
        "1.#INF",
        "-1.#IND",
        "1.#QNAN",
        "MCM",
        "XIV",
        "MMMCMXCIX",
        "0x1A",
        "1,5",
        "1e999",
        "1e-400",
        "-0",
        QStringLiteral("µ"),
        QStringLiteral("٣"),
        "\t",
    };
    QString text;
    const int count = static_cast<int>(rng_.bounded(0, 9));
    for (int i = 0; i < count; ++i) {
        text += tokens[rng_.bounded(static_cast<quint32>(tokens.size()))];
    }
    return text;
}

QString MonkeyTest::longText(qsizetype length) {
    static const QString alphabet = QStringLiteral("0123456789-+.e#d ");
    switch (rng_.bounded(3)) {
        case 0:
            return QString(length, QLatin1Char('9'));
        case 1:
            return QStringLiteral("1") + QString(length - 1, QLatin1Char('0'));
        default: {
            QString text(length, Qt::Uninitialized);
            for (QChar& character : text) {
                character = alphabet[rng_.bounded(static_cast<quint32>(alphabet.size()))];
            }
            return text;
        }
    }
}

MonkeyTest::Step MonkeyTest::clickStep(ToolWindow* window) {
    const QList<QAbstractButton*> candidates = buttons(window);
    if (candidates.isEmpty()) {
        return {};
    }
    QPointer<QAbstractButton> target = candidates[rng_.bounded(static_cast<quint32>(candidates.size()))];
    return {QStringLiteral("click %1 in %2").arg(target->objectName(), window->windowTitle()), [target] {
                if (target != nullptr) {
                    QTest::mouseClick(target, Qt::LeftButton);
                }
            }};
}

MonkeyTest::Step MonkeyTest::typeStep(ToolWindow* window) {
    const QList<QLineEdit*> fields = editableFields(window);
    if (fields.isEmpty()) {
        return {};
    }
    QLineEdit* field = fields[rng_.bounded(static_cast<quint32>(fields.size()))];
    const bool replace = rng_.bounded(4) != 0;
    const QString text = randomText();
    field->setFocus();
    if (replace) {
        field->selectAll();
    }
    QString what =
        QStringLiteral("type '%1' into %2 of %3").arg(text, field->objectName(), window->windowTitle());
    // Each key stroke is a handler of its own, timed on its own.
    return {what, [this, field = QPointer<QLineEdit>(field), text, what] {
                for (const QChar character : text) {
                    if (field == nullptr || QTest::currentTestFailed()) {
                        return;
                    }
                    runMeasured(what, [&] { typeCharacter(field, character); });
                }
            }};
}

MonkeyTest::Step MonkeyTest::pasteStep(ToolWindow* window) {
    const QList<QLineEdit*> fields = editableFields(window);
    if (fields.isEmpty()) {
        return {};
    }
    QLineEdit* field = fields[rng_.bounded(static_cast<quint32>(fields.size()))];
    const bool megabyte = rng_.bounded(60) == 0;
    const QString text = longText(megabyte ? (1 << 20) : 10000);
    if (megabyte) {
        ++megabytePastes_;
        hugePaste_ = true;
        hugeWindow_ = window;
        hugePhase_ = 1;
    }
    QGuiApplication::clipboard()->setText(text);
    field->setFocus();
    field->selectAll();
    return {QStringLiteral("paste %1 characters into %2 of %3")
                .arg(text.size())
                .arg(field->objectName(), window->windowTitle()),
            [field = QPointer<QLineEdit>(field), length = text.size()] {
                if (field != nullptr) {
                    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
                    // Pasted text is cut at the field's limit, as the desktop's edit controls do.
                    QCOMPARE(field->text().size(), std::min<qsizetype>(length, field->maxLength()));
                }
            }};
}

MonkeyTest::Step MonkeyTest::keyStep(ToolWindow* window) {
    static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Return,    Qt::Key_Escape, Qt::Key_Tab,
                                   Qt::Key_Tab,    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Enter};
    const Qt::Key key = keys[rng_.bounded(static_cast<quint32>(std::size(keys)))];
    QPointer<ToolWindow> target(window);
    return {QStringLiteral("key %1 in %2").arg(static_cast<int>(key), 0, 16).arg(window->windowTitle()),
            [target, key] {
                if (target != nullptr) {
                    harness::key(target, key);
                }
            }};
}

MonkeyTest::Step MonkeyTest::calculatorStep() {
    static const QString keys = QStringLiteral("0123456789+-*/=.");
    const std::span<const ToolCommand> commands = toolCommands();
    ToolWindow* calculator = nullptr;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (commands[i].commandId == kBasicCalculator) {
            calculator = windows_[i];
        }
    }
    QString text;
    const int count = static_cast<int>(rng_.bounded(1, 12));
    for (int i = 0; i < count; ++i) {
        text += keys[rng_.bounded(static_cast<quint32>(keys.size()))];
    }
    const QString what = QStringLiteral("calculator keys '%1'").arg(text);
    return {what, [this, target = QPointer<ToolWindow>(calculator), text, what] {
                for (const QChar character : text) {
                    if (target == nullptr || QTest::currentTestFailed()) {
                        return;
                    }
                    QWidget* focus = target->focusWidget() != nullptr ? target->focusWidget() : target.data();
                    runMeasured(what, [&] { typeCharacter(focus, character); });
                }
            }};
}

// A megabyte in a field is read by one click in its window, then cleared away
// as a user would, so that the slow line edit does not dominate the run.
MonkeyTest::Step MonkeyTest::clearHugeStep() {
    QList<QPointer<QLineEdit>> huge;
    for (const QPointer<ToolWindow>& window : windows_) {
        for (QLineEdit* edit : window->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
            if (edit->text().size() > kHugeText) {
                huge << edit;
            }
        }
    }
    return {QStringLiteral("clear %1 huge fields").arg(huge.size()), [huge] {
                for (const QPointer<QLineEdit>& edit : huge) {
                    if (edit != nullptr) {
                        edit->setFocus();
                        edit->selectAll();
                        QTest::keyClick(edit, Qt::Key_Delete);
                    }
                }
            }};
}

MonkeyTest::Step MonkeyTest::nextStep() {
    if (hugePhase_ == 1 && hugeWindow_ != nullptr) {
        hugePhase_ = 2;
        return clickStep(hugeWindow_);
    }
    if (hugePhase_ != 0) {
        hugePhase_ = 0;
        return clearHugeStep();
    }
    ToolWindow* window = randomWindow();
    const quint32 roll = rng_.bounded(100);
    if (roll < 45) {
        return clickStep(window);
    }
    if (roll < 70) {
        return typeStep(window);
    }
    if (roll < 73) {
        return pasteStep(window);
    }
    if (roll < 92) {
        return keyStep(window);
    }
    return calculatorStep();
}

bool MonkeyTest::holdsHugeText() const {
    for (const QPointer<ToolWindow>& window : windows_) {
        if (window == nullptr) {
            continue;
        }
        for (const QLineEdit* edit : window->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
            if (edit->text().size() > kHugeText) {
                return true;
            }
        }
    }
    return false;
}

void MonkeyTest::runMeasured(const QString& what, const std::function<void()>& action) {
    const bool heavyBefore = holdsHugeText();
    const qint64 boxesBefore = answerer_->openNs;
    const qint64 boxCpuBefore = answerer_->openCpuNs;
    const qsizetype shownBefore = answerer_->messages.size();
    QElapsedTimer wall;
    const qint64 cpuStart = harness::threadCpuNs();
    wall.start();
    action();
    // Pending paints and layouts are part of what the user waits for.
    QCoreApplication::processEvents();
    const qint64 wallNs = wall.nsecsElapsed() - (answerer_->openNs - boxesBefore);
    const qint64 cpuNs = harness::threadCpuNs() - cpuStart - (answerer_->openCpuNs - boxCpuBefore);

    // Pasting a megabyte (the clipboard hands it over whole before the field
    // cuts it at its limit), or a field that the program filled with more than
    // a user may type, costs the line edit itself more than a handler may;
    // such steps only have to finish.
    const bool heavy = heavyBefore || holdsHugeText() || std::exchange(hugePaste_, false);
    const qint64 limitNs = heavy ? hangNs() : limitNs_;
    if (heavy) {
        ++relaxedSteps_;
        worstHeavyCpuNs_ = std::max(worstHeavyCpuNs_, cpuNs);
    } else if (cpuNs > worstCpuNs_) {
        worstCpuNs_ = cpuNs;
        worstStep_ = what;
    }
    if (!heavy) {
        worstWallNs_ = std::max(worstWallNs_, wallNs);
    }
    QString trail;
    for (const QString& step : recent_) {
        trail += QStringLiteral("\n  ") + step;
    }
    const QString context = QStringLiteral("step %1 of seed %2: %3; steps before:%4")
                                .arg(currentStep_)
                                .arg(seed_)
                                .arg(what, trail);
    QVERIFY2(cpuNs <= limitNs,
             qPrintable(QStringLiteral("handler took %1 ms of CPU at ").arg(cpuNs / 1e6) + context));
    QVERIFY2(wallNs <= hangNs(),
             qPrintable(QStringLiteral("handler took %1 ms at ").arg(wallNs / 1e6) + context));
    QVERIFY2(QApplication::activeModalWidget() == nullptr,
             qPrintable("a modal window stayed open at " + context));
    QCOMPARE(static_cast<qsizetype>(answerer_->answered), answerer_->messages.size());
    for (qsizetype i = shownBefore; i < answerer_->messages.size(); ++i) {
        QVERIFY2(
            harness::knownMessage(answerer_->messages[i]),
            qPrintable(QStringLiteral("unknown message '%1' at ").arg(answerer_->messages[i]) + context));
    }
}

void MonkeyTest::randomUse() {
    harness::MessageCatcher answerer;
    answerer_ = &answerer;
    QElapsedTimer total;
    total.start();
    int done = 0;
    for (currentStep_ = 0; currentStep_ < steps_; ++currentStep_) {
        Step step = nextStep();
        if (!step.action) {
            continue;
        }
        const bool timesItself =
            step.what.startsWith(QLatin1String("type")) || step.what.startsWith(QLatin1String("calculator"));
        if (timesItself) {
            step.action();
        } else {
            runMeasured(step.what, step.action);
        }
        if (QTest::currentTestFailed()) {
            return;
        }
        recent_.push_back(step.what.left(200));
        if (recent_.size() > kReplayLength) {
            recent_.pop_front();
        }
        reopenClosed();
        ++done;
    }
    answerer_ = nullptr;
    qInfo("monkey: %d actions in %lld ms, %d messages answered, %d windows reopened, %d megabyte pastes",
          done, static_cast<long long>(total.elapsed()), answerer.answered, reopened_, megabytePastes_);
    qInfo("monkey: slowest handler %.1f ms CPU (%s), slowest wall %.1f ms", worstCpuNs_ / 1e6,
          qPrintable(worstStep_), worstWallNs_ / 1e6);
    qInfo("monkey: %d steps with a megabyte in some field, slowest %.1f ms CPU", relaxedSteps_,
          worstHeavyCpuNs_ / 1e6);
    QVERIFY(done > steps_ / 2);
    QCOMPARE(static_cast<qsizetype>(answerer.answered), answerer.messages.size());
    // The run must have reached the program's checks, not only its buttons' looks.
    QVERIFY(answerer.messages.contains(QStringLiteral("Please enter a number.")));
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
