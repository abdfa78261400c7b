// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QAccessible>
#include <QWidget>

// Makes Qt ask factory first for the interface of every object that has none
// yet. Installed once per interface type, however often it is called.
template <class Interface>
void installAccessible(QAccessible::InterfaceFactory factory) {
    static const bool installed = [factory] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

// Makes Qt use an interface of type Interface (made by factory) for a newly
// built widget. With assistive technology active, Qt makes an interface for a
// widget already while its base class is being constructed, when the factory
// cannot yet tell the widget apart, and keeps it: such an early one is
// replaced (Qt 6.4.2, Debian 12; no QTBUG found).
template <class Interface>
void adoptAccessible(QWidget* widget, QAccessible::InterfaceFactory factory) {
    installAccessible<Interface>(factory);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (iface != nullptr && dynamic_cast<Interface*>(iface) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    }
}
