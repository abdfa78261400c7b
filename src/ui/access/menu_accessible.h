// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QWidget;

// What assistive tools see of an item of a menu bar or a menu, and how they
// choose it. Choosing acts as the mouse does: the call answers at once and
// the item acts on the next pass of the event loop, and an item of a window
// that a box blocks offers no action at all, so choosing it does nothing and
// is reported as failed. Qt's own menu item interface (Qt 6.4.2, Debian 12)
// triggers the item inside the assistive tool's call, so a handler's box
// keeps the tool waiting, and knows nothing of the windows our boxes block;
// no QTBUG found.
class MenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuItemAccessible(QWidget* owner, QAction* action);

    // Makes Qt use this interface for every menu item of the process.
    static void install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QPointer<QWidget> owner_;  // the menu bar or menu that shows the item
    QPointer<QAction> action_;
};
