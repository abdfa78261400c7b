#include "ui/access/button_accessible.h"

#include <QAbstractButton>
#include <QTimer>

#include "ui/access/accessible_adoption.h"
#include "ui/modality/window_blocking.h"
#include "ui/widgets/flat_button.h"

namespace {

QAccessibleInterface* checkableButtonFactory(const QString&, QObject* object) {
    // Every flat button gets this interface, whether or not it is checkable yet.
    if (auto* button = qobject_cast<FlatButton*>(object)) {
        return new CheckableButtonAccessible(button);
    }
    return nullptr;
}

}  // namespace

CheckableButtonAccessible::CheckableButtonAccessible(FlatButton* button)
    : QAccessibleWidget(button, QAccessible::PushButton) {}

FlatButton* CheckableButtonAccessible::button() const {
    return static_cast<FlatButton*>(widget());
}

QAccessible::Role CheckableButtonAccessible::role() const {
    if (button()->isInert()) {
        return QAccessible::Whitespace;
    }
    return button()->isCheckable() ? QAccessible::RadioButton : QAccessible::PushButton;
}

QAccessible::State CheckableButtonAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = button()->isCheckable();
    state.checked = button()->isChecked();
    state.pressed = button()->isDown();
    return state;
}

QString CheckableButtonAccessible::text(QAccessible::Text t) const {
    if (button()->isInert()) {
        return {};
    }
    if (t == QAccessible::Name) {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? QString(button()->text()).remove(QLatin1Char('&')) : name;
    }
    return QAccessibleWidget::text(t);
}

QStringList CheckableButtonAccessible::actionNames() const {
    if (!widget()->isEnabled() || button()->isInert()) {
        return {};
    }
    if (!button()->isCheckable()) {
        return {pressAction()};
    }
    return {pressAction(), toggleAction()};
}

void CheckableButtonAccessible::doAction(const QString& actionName) {
    QAbstractButton* target = button();
    if ((actionName != pressAction() && actionName != toggleAction()) || actionNames().isEmpty() ||
        !target->isVisible()) {
        return;
    }
    // The assistive tool waits for this call to return, and the click may run
    // a handler that shows a box: answer at once and click on the next pass of
    // the event loop, as Qt's own buttons do.
    QTimer::singleShot(0, target, [target] {
        if (target->isEnabled() && target->isVisible() && !modal::isBlocked(target)) {
            target->click();
        }
    });
}

QStringList CheckableButtonAccessible::keyBindingsForAction(const QString&) const {
    return {};
}

void CheckableButtonAccessible::adopt(FlatButton* button) {
    adoptAccessible<CheckableButtonAccessible>(button, checkableButtonFactory);
}
