// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// Every tool open at once, then tens of thousands of random clicks, typed
// texts, pastes and keys. Nothing may crash, every message box must be
// answered and carry one of the program's messages, and every step must end.
//
// A run prints its seed; BRIMLET_MONKEY_SEED=<seed> replays it, and
// BRIMLET_MONKEY_STEPS sets the number of steps (20000, or 5000 under the
// sanitizers, where each costs several times as much). Nothing here depends
// on how fast the machine is: a step that never ends is reported with its
// seed by a watchdog that allows it a minute. How fast the handlers are is
// measured in bench/, not here.

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPointer>
#include <QRandomGenerator>
#include <QTest>
#include <utility>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/calculators/simple_calc.h"
#include "core/commands/command_table.h"
#include "core/templates/dialog_template.h"
#include "support/window_harness.h"
#include "ui/modality/message_box.h"

namespace {

constexpr int kDefaultSteps = BRIMLET_SANITIZED ? 5000 : 20000;
constexpr std::chrono::seconds kStepAllowance{60};
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

// Ends the process with what the test was doing when a step has not ended
// within its allowance: a handler caught in a loop, or waiting on something
// that never comes, would otherwise hang the run without a word.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds allowance) : thread_([this, allowance] { watch(allowance); }) {}
    ~Watchdog() {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        changed_.notify_one();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    void step(std::string what) {
        {
            const std::lock_guard lock(mutex_);
            what_ = std::move(what);
            ++steps_;
        }
        changed_.notify_one();
    }

private:
    void watch(std::chrono::seconds allowance) {
        std::unique_lock lock(mutex_);
        while (!done_) {
            const unsigned long seen = steps_;
            if (!changed_.wait_for(lock, allowance, [&] { return done_ || steps_ != seen; })) {
                std::fprintf(stderr, "monkey: a step has not ended in %lld s: %s\n",
                             static_cast<long long>(allowance.count()), what_.c_str());
                std::abort();
            }
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::string what_;
    unsigned long steps_ = 0;
    bool done_ = false;
    std::thread thread_;  // last: it starts once the rest is in place
};

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
    void runChecked(const QString& what, const std::function<void()>& action);

    QRandomGenerator rng_;
    quint32 seed_ = 0;
    int steps_ = kDefaultSteps;
    std::vector<QPointer<ToolWindow>> windows_;
    std::deque<QString> recent_;
    harness::MessageCatcher* answerer_ = nullptr;
    Watchdog* watchdog_ = nullptr;
    int currentStep_ = 0;
    int reopened_ = 0;
    int megabytePastes_ = 0;
    QPointer<ToolWindow> hugeWindow_;
    int hugePhase_ = 0;
};

void MonkeyTest::initTestCase() {
    bool seeded = false;
    seed_ = qEnvironmentVariable("BRIMLET_MONKEY_SEED").toUInt(&seeded);
    if (!seeded) {
        seed_ = QRandomGenerator::system()->generate();
    }
    rng_.seed(seed_);
    steps_ = static_cast<int>(envNumber("BRIMLET_MONKEY_STEPS", kDefaultSteps));
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
    // Each key stroke is a handler of its own, checked on its own.
    return {what, [this, field = QPointer<QLineEdit>(field), text, what] {
                for (const QChar character : text) {
                    if (field == nullptr || QTest::currentTestFailed()) {
                        return;
                    }
                    runChecked(what, [&] { typeCharacter(field, character); });
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
                    runChecked(what, [&] { typeCharacter(focus, character); });
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

void MonkeyTest::runChecked(const QString& what, const std::function<void()>& action) {
    const qsizetype shownBefore = answerer_->messages.size();
    QString trail;
    for (const QString& step : recent_) {
        trail += QStringLiteral("\n  ") + step;
    }
    const QString context = QStringLiteral("step %1 of seed %2: %3; steps before:%4")
                                .arg(currentStep_)
                                .arg(seed_)
                                .arg(what, trail);
    watchdog_->step(context.toStdString());
    action();
    QCoreApplication::processEvents();
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
    Watchdog watchdog(kStepAllowance);
    watchdog_ = &watchdog;
    int done = 0;
    for (currentStep_ = 0; currentStep_ < steps_; ++currentStep_) {
        Step step = nextStep();
        if (!step.action) {
            continue;
        }
        const bool checksItself =
            step.what.startsWith(QLatin1String("type")) || step.what.startsWith(QLatin1String("calculator"));
        if (checksItself) {
            step.action();
        } else {
            runChecked(step.what, step.action);
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
    watchdog_ = nullptr;
    qInfo("monkey: %d actions, %d messages answered, %d windows reopened, %d megabyte pastes", done,
          answerer.answered, reopened_, megabytePastes_);
    QVERIFY(done > steps_ / 2);
    QCOMPARE(static_cast<qsizetype>(answerer.answered), answerer.messages.size());
    // The run must have reached the program's checks, not only its buttons' looks.
    QVERIFY(answerer.messages.contains(QStringLiteral("Please enter a number.")));
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
