// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// Hostile texts pasted into every editable field of every tool, each followed
// by a click on every button. Whatever happens must be one of the program's
// own messages; a refusal must name the kind of field that refused; and in the
// unit converters, where every button reads and writes all fields, the reading
// rules show in the texts the fields end with.
//
// Under the sanitizers, where a press costs several times as much, each field
// meets one button in turn instead of all: every field still reads every
// text, every button still runs after every text, and a converter's input
// still meets a unit button.

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPointer>
#include <QTest>

#include <algorithm>
#include <map>

#include "core/commands/command_table.h"
#include "core/converters/degrees_radians.h"
#include "core/converters/length.h"
#include "core/templates/dialog_template.h"
#include "core/tool/tool.h"
#include "support/window_harness.h"
#include "ui/modality/message_box.h"

namespace {

constexpr bool kEveryPair = !BRIMLET_SANITIZED;

const QString kRefusedNumber = QStringLiteral("Please enter a number.");
const QString kRefusedInteger = QStringLiteral("Please enter an integer.");

// The unit converters of the common pattern are the tools with unit buttons:
// the first bound field is the input, every other bound number is a result,
// and a unit button leaves the input's value as the read left it.
bool hasUnitButtons(const DialogTemplate& dialogTemplate) {
    return std::ranges::any_of(dialogTemplate.controls, [](const ControlTemplate& row) {
        return row.kind == ControlKind::UnitButton;
    });
}

// A megabyte of digits whose first 399 characters read as 300 zeros and 99
// ones: reading one character more or fewer changes the number.
QString megabyteOfDigits() {
    return QString(300, QLatin1Char('0')) + QString(99, QLatin1Char('1')) +
           QString((1 << 20) - 399, QLatin1Char('9'));
}

struct HostileText {
    const char* name;
    QString text;
    bool refused;     // no leading number, by the rules of a double or an integer field
    QString written;  // what a converter input that read it shows after a conversion
};

QList<HostileText> hostileTexts() {
    return {
        {"empty", QString(), true, {}},
        {"blanks", QStringLiteral("   "), true, {}},
        {"minus", QStringLiteral("-"), true, {}},
        {"signs", QStringLiteral("+-"), true, {}},
        {"1e999", QStringLiteral("1e999"), false, QStringLiteral("1.#INF")},
        {"-0", QStringLiteral("-0"), false, QStringLiteral("-0")},
        {"0x1A", QStringLiteral("0x1A"), false, QStringLiteral("0")},
        {"inf", QStringLiteral("inf"), true, {}},
        {"nan", QStringLiteral("nan"), true, {}},
        {"1,5", QStringLiteral("1,5"), false, QStringLiteral("1")},
        {"micro sign", QStringLiteral("µ"), true, {}},
        {"arabic-indic three", QStringLiteral("٣"), true, {}},
        {"megabyte of digits", megabyteOfDigits(), false, QStringLiteral("1.11111111111111e+098")},
    };
}

// Puts the text into the field as a user pasting it would.
void paste(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
        return;
    }
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// The first field of each kind, in template order.
QList<QLineEdit*> onePerKind(const QList<QLineEdit*>& fields, const std::map<int, FieldKind>& kinds) {
    QList<QLineEdit*> chosen;
    QList<FieldKind> seen;
    for (QLineEdit* field : fields) {
        const auto bound = kinds.find(field->objectName().toInt());
        const FieldKind kind = bound != kinds.end() ? bound->second : FieldKind::Text;
        if (!seen.contains(kind)) {
            seen << kind;
            chosen << field;
        }
    }
    return chosen;
}

bool hasEditableField(const DialogTemplate& dialogTemplate) {
    return std::ranges::any_of(dialogTemplate.controls, [](const ControlTemplate& row) {
        return row.kind == ControlKind::Edit && row.id != kNoId && (row.flags & cf::ReadOnly) == 0;
    });
}

QString describe(const QString& field, FieldKind kind, const QString& button) {
    static const char* const kinds[] = {"double", "integer", "text"};
    return QStringLiteral("field %1 (%2), button %3").arg(field, kinds[static_cast<int>(kind)], button);
}

}  // namespace

class HostileInputTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { harness::closeAllTools(); }
    void cleanupTestCase() { harness::closeAllTools(); }

    void pasteCutAtTheLimitKeepsWholeCharacters() {
        ToolWindow* window = harness::openTool<Length>();
        QLineEdit* field = harness::lineEdit(window, Length::kInput);
        const QString room(field->maxLength() - 1, QLatin1Char('1'));
        paste(field, room + QStringLiteral("\U0001F600"));
        QCOMPARE(field->text(), room);
    }

    void everyFieldEveryButton_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("megabyte");
        const QList<HostileText> texts = hostileTexts();
        for (const ToolCommand& command : toolCommands()) {
            // The periodic table and the basic calculator have no field a user can type into.
            if (!hasEditableField(*command.dialogTemplate)) {
                continue;
            }
            for (const HostileText& hostile : texts) {
                QTest::addRow("%s: %s", command.item, hostile.name)
                    << command.commandId << hostile.text << hostile.refused << hostile.written
                    << (hostile.text.size() > 1000);
            }
        }
    }

    void everyFieldEveryButton() {
        QFETCH(int, command);
        QFETCH(QString, text);
        QFETCH(bool, refused);
        QFETCH(QString, written);
        QFETCH(bool, megabyte);

        QPointer<ToolWindow> window(harness::openTool(command));
        QVERIFY(window != nullptr);
        const bool patternConverter = hasUnitButtons(window->dialogTemplate());
        const bool converter = patternConverter || command == harness::commandOf<DegreesRadians>();
        const int converterInput = window->tool().bindings().front().controlId;

        std::map<int, FieldKind> kinds;
        for (const Binding& binding : window->tool().bindings()) {
            kinds[binding.controlId] = binding.kind();
        }
        QList<QLineEdit*> fields;
        QList<QAbstractButton*> buttons;
        QList<ControlKind> buttonKinds;
        for (const ControlTemplate& row : window->dialogTemplate().controls) {
            if (row.id == kNoId) {
                continue;
            }
            if (row.kind == ControlKind::Edit) {
                QLineEdit* edit = harness::lineEdit(window, row.id);
                // A user cannot type into a read-only field, so nothing hostile reaches it.
                if (edit != nullptr && !edit->isReadOnly()) {
                    fields << edit;
                }
            } else if (row.kind == ControlKind::PushButton || row.kind == ControlKind::UnitButton) {
                QAbstractButton* button = harness::button(window, row.id);
                QVERIFY(button != nullptr);
                buttons << button;
                buttonKinds << row.kind;
            }
        }
        QVERIFY(!fields.isEmpty());
        QVERIFY(!buttons.isEmpty());
        if (megabyte) {
            fields = onePerKind(fields, kinds);
        }
        const qsizetype unitButton = buttonKinds.indexOf(ControlKind::UnitButton);

        int presses = 0;
        int refusals = 0;
        for (qsizetype f = 0; f < fields.size(); ++f) {
            QLineEdit* field = fields[f];
            const int fieldId = field->objectName().toInt();
            const auto bound = kinds.find(fieldId);
            const FieldKind kind = bound != kinds.end() ? bound->second : FieldKind::Text;
            for (qsizetype b = 0; b < buttons.size(); ++b) {
                // A megabyte costs the line edit a third of a second to lay
                // out: a number field meets it with one button (a unit button
                // where there is one), a text field, which keeps it, with all
                // (or its own in turn, under the sanitizers).
                const bool paired = kEveryPair || f % buttons.size() == b || b % fields.size() == f ||
                                    (fieldId == converterInput && b == unitButton);
                if (megabyte && kind != FieldKind::Text ? b != std::max<qsizetype>(unitButton, 0) : !paired) {
                    continue;
                }
                QAbstractButton* button = buttons[b];
                const QString what = describe(field->objectName(), kind, button->objectName());
                // Every other number field holds a number, so only this one can refuse.
                for (QLineEdit* other : std::as_const(fields)) {
                    const auto otherKind = kinds.find(other->objectName().toInt());
                    if (other != field && otherKind != kinds.end() && otherKind->second != FieldKind::Text) {
                        other->setText(QStringLiteral("1"));
                    }
                }
                const QString before = field->text();
                // A paste is cut at the field's limit, as the desktop's edit controls do.
                const QString pasted = text.left(field->maxLength());
                if (field->text() != pasted) {
                    paste(field, text);
                    QVERIFY2(field->text() == pasted, qPrintable("the paste did not arrive: " + what));
                }

                harness::MessageCatcher answerer;
                QTest::mouseClick(button, Qt::LeftButton);
                harness::settle();
                ++presses;
                QVERIFY2(window != nullptr && window->isVisible(), qPrintable("the window closed: " + what));
                QVERIFY2(QApplication::activeModalWidget() == nullptr, qPrintable(what));

                for (const QString& message : std::as_const(answerer.messages)) {
                    QVERIFY2(harness::knownMessage(message),
                             qPrintable(QStringLiteral("'%1' after ").arg(message) + what));
                }
                const qsizetype numberRefusals = answerer.messages.count(kRefusedNumber);
                const qsizetype integerRefusals = answerer.messages.count(kRefusedInteger);
                refusals += static_cast<int>(numberRefusals + integerRefusals);
                if (!refused || kind == FieldKind::Text) {
                    QVERIFY2(numberRefusals + integerRefusals == 0, qPrintable("refused: " + what));
                } else if (kind == FieldKind::Double) {
                    QVERIFY2(integerRefusals == 0, qPrintable("wrong refusal: " + what));
                } else {
                    QVERIFY2(numberRefusals == 0, qPrintable("wrong refusal: " + what));
                }
                // What the user types after a refusal replaces the field's text.
                if (numberRefusals + integerRefusals > 0) {
                    QVERIFY2(window->focusWidget() == field && field->selectedText() == field->text() &&
                                 (field->text().isEmpty() || field->hasSelectedText()),
                             qPrintable("not selected after the refusal: " + what));
                }

                if (!converter || kind != FieldKind::Double) {
                    continue;
                }
                // Every converter button reads all fields and writes them back.
                if (refused) {
                    QVERIFY2(numberRefusals == 1, qPrintable("no refusal: " + what));
                    QVERIFY2(field->text() != text, qPrintable("the refused text stayed: " + what));
                }
                const bool unitPress = buttonKinds[b] == ControlKind::UnitButton;
                if (patternConverter && unitPress && fieldId == converterInput) {
                    QCOMPARE(field->text(), refused ? before : written);
                }
            }
        }
        qInfo("%d presses, %d refusals", presses, refusals);
        QVERIFY(presses > 0);
    }
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
