#pragma once

#include <QAccessibleWidget>

class QAbstractButton;
class FlatButton;

// A unit button as assistive tools see it: a push button that stays pressed.
// Qt offers such a checkable button only a "Toggle" action, which changes its
// look without clicking it, so a screen-reader user could never convert.
// Here both "Press" and "Toggle" click the button, as the mouse does, on the
// next pass of the event loop. Flat buttons that are not checkable offer
// "Press" alone.
class CheckableButtonAccessible : public QAccessibleWidget {
public:
    explicit CheckableButtonAccessible(QAbstractButton* button);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    // Makes sure a newly built flat button uses this interface.
    static void adopt(FlatButton* button);

private:
    QAbstractButton* button() const;
};
