#pragma once

#include <QAccessible>
#include <QWidget>

// Makes Qt use an interface of type Interface (made by factory) for a newly
// built widget. The factory is installed once per interface type. With
// assistive technology active, Qt makes an interface for a widget already
// while its base class is being constructed, when the factory cannot yet tell
// the widget apart, and keeps it: such an early one is replaced.
template <class Interface>
void adoptAccessible(QWidget* widget, QAccessible::InterfaceFactory factory) {
    static const bool installed = [factory] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (iface != nullptr && dynamic_cast<Interface*>(iface) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    }
}
