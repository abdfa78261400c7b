// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QAccessibleWidget>

class FlatButton;

// A unit button as assistive tools see it: a radio button of its row, checked
// while it is pressed. Qt offers such a checkable button only a "Toggle"
// action, which changes its look without clicking it, so a screen-reader user
// could never convert (QAccessibleButton in Qt 6.4.2, Debian 12; no QTBUG
// found). Here both "Press" and "Toggle" click the button, as the mouse does,
// on the next pass of the event loop. Flat buttons that are not checkable are
// push buttons that offer "Press" alone; an inert one is filler.
class CheckableButtonAccessible : public QAccessibleWidget {
public:
    explicit CheckableButtonAccessible(FlatButton* button);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    // Makes sure a newly built flat button uses this interface.
    static void adopt(FlatButton* button);

private:
    FlatButton* button() const;
};
