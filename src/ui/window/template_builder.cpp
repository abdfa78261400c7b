// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/window/template_builder.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QValidator>
#include <algorithm>

#include "ui/access/button_accessible.h"
#include "ui/access/text_accessible.h"
#include "ui/widgets/app_icon.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/field_edit.h"
#include "ui/widgets/flat_button.h"
#include "ui/widgets/group_frame.h"
#include "ui/widgets/long_text_view.h"
#include "ui/widgets/translated.h"
#include "ui/window/mirroring.h"

namespace {

bool has(const ControlTemplate& control, unsigned flag) {
    return (control.flags & flag) != 0;
}

// Keeps typed and pasted text whole characters. A line edit cuts what is
// inserted at its length limit without regard to characters, and half of a
// surrogate pair would reach the tool as a broken character (QLineEdit in Qt
// 6.4.2, Debian 12; no QTBUG found).
class WholeCharacters : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        for (qsizetype i = 0; i < input.size();) {
            const bool paired =
                input.at(i).isHighSurrogate() && i + 1 < input.size() && input.at(i + 1).isLowSurrogate();
            if (paired) {
                i += 2;
            } else if (input.at(i).isSurrogate()) {
                input.remove(i, 1);
                if (pos > i) {
                    --pos;
                }
            } else {
                ++i;
            }
        }
        return Acceptable;
    }
};

QWidget* makeEdit(QWidget* dialog, const ControlTemplate& control) {
    // The calculators' display and history: read-only, and as long as the
    // user makes them.
    if (has(control, cf::ReadOnly) && (has(control, cf::MultiLine) || has(control, cf::RightAlign))) {
        auto* view = new LongTextView(dialog, has(control, cf::RightAlign) ? Qt::AlignRight : Qt::AlignLeft,
                                      has(control, cf::HScrollBar));
        if (has(control, cf::NoBorder)) {
            view->setFrameShape(QFrame::NoFrame);
        }
        return view;
    }
    if (has(control, cf::MultiLine)) {
        auto* edit = new QPlainTextEdit(dialog);
        edit->setReadOnly(has(control, cf::ReadOnly));
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(has(control, cf::HScrollBar) ? Qt::ScrollBarAlwaysOn
                                                                        : Qt::ScrollBarAsNeeded);
        edit->setTabChangesFocus(true);
        edit->setUndoRedoEnabled(false);
        edit->document()->setDocumentMargin(1);
        if (has(control, cf::NoBorder)) {
            edit->setFrameShape(QFrame::NoFrame);
        }
        return edit;
    }
    auto* edit = new FieldEdit(dialog);
    edit->setReadOnly(has(control, cf::ReadOnly));
    edit->setFrame(!has(control, cf::NoBorder));
    edit->setAlignment((has(control, cf::RightAlign) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    // What a user may type or paste into a field is bounded as the desktop's
    // own edit controls bound it: a line edit lays out its whole text on every
    // key, and a megabyte would take a third of a second a key (Qt 6.4.2; no
    // QTBUG found). The program's own writes are not bounded (see
    // ToolWindow::setText).
    edit->setMaxLength(kUserTextLimit);
    edit->setValidator(new WholeCharacters(edit));
    edit->setTextMargins(0, 0, 0, 0);
    return edit;
}

QAbstractButton* makeButton(QWidget* dialog, const ControlTemplate& control, const char* context) {
    const QString caption = translatedCaption(context, control.caption).shown;
    QPushButton* button = nullptr;
    if (has(control, cf::Flat) || control.kind == ControlKind::UnitButton) {
        auto* flat = new FlatButton(caption, dialog);
        flat->setTemplateDefault(has(control, cf::Default));
        CheckableButtonAccessible::adopt(flat);
        button = flat;
    } else {
        button = new QPushButton(caption, dialog);
        button->setDefault(has(control, cf::Default));
    }
    // Enter is handled by the window by the template's rule, not by Qt's
    // default-button habits: an autoDefault button becomes the default while
    // it has the focus (Qt 6.4.2, as documented).
    button->setAutoDefault(false);
    if (control.kind == ControlKind::UnitButton) {
        button->setCheckable(true);
    }
    return button;
}

// The icon is square whatever the units: where a Chinese or Japanese font
// makes the rows taller, its area would not be.
QSize iconSize(const DialogUnits& units, const ControlTemplate& control) {
    const QSize area = units.rect(control.x, control.y, control.w, control.h).size();
    const int side = std::min(area.width(), area.height());
    return {side, side};
}

QWidget* makeStatic(QWidget* dialog, const ControlTemplate& control, const DialogUnits& units,
                    const char* context) {
    const QString caption = translatedCaption(context, control.caption).shown;
    switch (control.kind) {
        case ControlKind::GroupBox: {
            auto* box = new GroupFrame(caption, has(control, cf::Flat), dialog);
            box->setAttribute(Qt::WA_TransparentForMouseEvents);
            box->setFocusPolicy(Qt::NoFocus);
            return box;
        }
        case ControlKind::Icon: {
            auto* icon = new QLabel(dialog);
            // The icon fills its area whole; the picture is chosen for the
            // area's device pixels, so it stays sharp at any scale.
            const QSize area = iconSize(units, control);
            icon->setPixmap(appIcon().pixmap(area, icon->devicePixelRatioF()));
            icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return icon;
        }
        default: {
            auto* label = new QLabel(caption, dialog);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment((has(control, cf::Center) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
            return label;
        }
    }
}

// How far a label may stand from the field it names, in dialog units: beside
// it on its line, or just above it.
constexpr int kLabelReach = 40;
constexpr int kLabelAbove = 4;

// The gap between a label and a field it may name, or -1 when it names none.
int labelGap(const ControlTemplate& label, const ControlTemplate& field) {
    const bool sameLine = label.y < field.y + field.h && field.y < label.y + label.h;
    if (sameLine) {
        const int gap = std::max(field.x - (label.x + label.w), label.x - (field.x + field.w));
        return gap >= -2 && gap <= kLabelReach ? std::max(gap, 0) : -1;
    }
    const bool overlapping = label.x < field.x + field.w && field.x < label.x + label.w;
    const int above = field.y - (label.y + label.h);
    return overlapping && above >= 0 && above <= kLabelAbove ? above : -1;
}

// Whether a label's text begins the field's name ("Roman:" and "Roman
// numeral"), colons, equals signs, spaces and case aside.
bool namesField(const ControlTemplate& label, const ControlTemplate& field) {
    const auto words = [](const char* text) {
        return QString::fromUtf8(text)
            .replace(QLatin1Char(':'), QLatin1Char(' '))
            .replace(QLatin1Char('='), QLatin1Char(' '))
            .simplified()
            .toCaseFolded();
    };
    return field.name != nullptr && words(field.name).startsWith(words(label.caption));
}

// Ties every label to the field it stands for (the nearest beside or below
// it), so that assistive tools read it as that field's label rather than as
// loose text of the window. A reader speaks a field's label instead of its
// name, so a field the user types into takes only a label that names it: the
// terms of an equation between the inputs ("X ²") label none of them.
void tieLabels(const BuiltControls& built) {
    for (const BuiltControls::Entry& labelEntry : built.entries) {
        auto* label = qobject_cast<QLabel*>(labelEntry.widget);
        if (labelEntry.control->kind != ControlKind::Label || label == nullptr) {
            continue;
        }
        QWidget* nearest = nullptr;
        int nearestGap = -1;
        for (const BuiltControls::Entry& field : built.entries) {
            if (field.control->kind != ControlKind::Edit ||
                (has(*field.control, cf::TabStop) && !namesField(*labelEntry.control, *field.control))) {
                continue;
            }
            const int gap = labelGap(*labelEntry.control, *field.control);
            if (gap >= 0 && (nearest == nullptr || gap < nearestGap)) {
                nearest = field.widget;
                nearestGap = gap;
            }
        }
        if (nearest != nullptr) {
            label->setBuddy(nearest);
        }
    }
}

// A row of unit buttons that the template leaves out of the Tab order is one
// Tab stop, as a radio group of the desktop: Tab reaches its pressed button,
// or its first while none is pressed, and the arrow keys move in it.
void makeOneTabStop(const QList<QAbstractButton*>& row) {
    const auto rove = [row] {
        QAbstractButton* stop = row.first();
        for (QAbstractButton* button : row) {
            if (button->isChecked()) {
                stop = button;
            }
        }
        for (QAbstractButton* button : row) {
            button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    for (QAbstractButton* button : row) {
        QObject::connect(button, &QAbstractButton::toggled, button, rove);
    }
    rove();
}

}  // namespace

QWidget* BuiltControls::widget(int controlId) const {
    for (const Entry& entry : entries) {
        if (entry.control->id == controlId) {
            return entry.widget;
        }
    }
    return nullptr;
}

const ControlTemplate* BuiltControls::control(const QWidget* widget) const {
    for (const Entry& entry : entries) {
        if (entry.widget == widget) {
            return entry.control;
        }
    }
    return nullptr;
}

QWidget* BuiltControls::firstTabStop() const {
    for (const Entry& entry : entries) {
        if (has(*entry.control, cf::TabStop)) {
            return entry.widget;
        }
    }
    return nullptr;
}

BuiltControls buildTemplate(QWidget* dialog, const DialogTemplate& dialogTemplate, const char* context) {
    const DialogUnits units(DialogUnits::dialogFont());
    dialog->setFont(DialogUnits::textFont());
    BuiltControls built;
    built.size = QSize(units.x(dialogTemplate.width), units.y(dialogTemplate.height));
    const TemplateMirror mirror(dialogTemplate);
    const bool mirrored = dialog->isRightToLeft();

    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = nullptr;
        switch (control.kind) {
            case ControlKind::Edit:
                widget = makeEdit(dialog, control);
                // Fields hold numbers and the program's ASCII texts: digits,
                // signs and exponents are never reordered, in any language.
                widget->setLayoutDirection(Qt::LeftToRight);
                TextAccessible::adopt(widget);
                break;
            case ControlKind::PushButton:
            case ControlKind::UnitButton: {
                QAbstractButton* button = makeButton(dialog, control, context);
                if (has(control, cf::Default)) {
                    built.defaultButton = button;
                }
                if (control.kind == ControlKind::UnitButton) {
                    built.unitButtons.append(button);
                }
                widget = button;
                break;
            }
            case ControlKind::GroupBox:
            case ControlKind::Label:
            case ControlKind::Icon:
                widget = makeStatic(dialog, control, units, context);
                break;
        }
        if (control.id != kNoId) {
            widget->setObjectName(QString::number(control.id));
        }
        if (control.kind == ControlKind::Edit || control.kind == ControlKind::PushButton ||
            control.kind == ControlKind::UnitButton) {
            // A control without a tab stop can still be clicked into.
            widget->setFocusPolicy(has(control, cf::TabStop) ? Qt::StrongFocus : Qt::ClickFocus);
        } else {
            widget->setFocusPolicy(Qt::NoFocus);
        }
        if (control.name != nullptr) {
            widget->setAccessibleName(translated(context, control.name));
        }
        if (control.description != nullptr) {
            widget->setAccessibleDescription(translated(context, control.description));
        }
        // A caption shortened to fit: its full wording on demand and for the reader.
        if (const QString full = translatedCaption(context, control.caption).full; !full.isEmpty()) {
            widget->setToolTip(full);
            if (control.description == nullptr) {
                widget->setAccessibleDescription(full);
            }
        }
        QRect place = units.rect(mirrored ? mirror.x(control) : control.x, control.y, control.w, control.h);
        if (control.kind == ControlKind::Icon) {
            place.setSize(iconSize(units, control));
        }
        widget->setGeometry(place);
        if (mirrored) {
            keepFormulaLeftToRight(widget);
        }
        built.entries.append({&control, widget});
    }
    tieLabels(built);
    // The unit buttons form one exclusive group, kept by hand: a QButtonGroup
    // takes its buttons out of the Tab chain but for one (Qt 6.4.2, as
    // designed), while each unit button here is a tab stop of its own.
    // Connected before any handler, so the pressed look is right while a
    // handler runs.
    for (QAbstractButton* button : built.unitButtons) {
        const QList<QAbstractButton*> group = built.unitButtons;
        QObject::connect(button, &QAbstractButton::clicked, dialog, [group, button] {
            for (QAbstractButton* other : group) {
                other->setChecked(other == button);
            }
        });
    }
    const bool rowHasTabStop =
        std::any_of(built.entries.begin(), built.entries.end(), [](const BuiltControls::Entry& entry) {
            return entry.control->kind == ControlKind::UnitButton && has(*entry.control, cf::TabStop);
        });
    if (!built.unitButtons.isEmpty() && !rowHasTabStop) {
        makeOneTabStop(built.unitButtons);
    }
    return built;
}
