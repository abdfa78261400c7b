// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QList>
#include <QSize>

#include "core/templates/dialog_template.h"
#include "core/tool/field_exchange.h"

class QAbstractButton;
class QWidget;
class FlatButton;

// The most characters a user can type or paste into an edit field.
inline constexpr int kUserTextLimit = static_cast<int>(exchange::kUserTextLimit);

// The controls that a template laid into a dialog.
struct BuiltControls {
    struct Entry {
        const ControlTemplate* control;
        QWidget* widget;
    };
    QList<Entry> entries;  // template order
    QAbstractButton* defaultButton = nullptr;
    QList<QAbstractButton*> unitButtons;  // one exclusive group, in template order
    QSize size;                           // the dialog's client size in pixels

    QWidget* widget(int controlId) const;
    const ControlTemplate* control(const QWidget* widget) const;
    QWidget* firstTabStop() const;
};

// Creates every control of the template as a direct child of the dialog, in
// template order (which is the tab order), named by its control id. Group
// boxes let clicks through to the controls they frame. Captions, names and
// descriptions are in the user's language, looked up in the given context (the
// tool's class name; none: as the template has them).
BuiltControls buildTemplate(QWidget* dialog, const DialogTemplate& dialogTemplate,
                            const char* context = nullptr);
