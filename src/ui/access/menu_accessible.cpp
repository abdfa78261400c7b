#include "ui/access/menu_accessible.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTimer>

#include "ui/access/accessible_adoption.h"
#include "ui/modality/window_blocking.h"

namespace {

// The menu bar or menu that shows the action.
QWidget* ownerOf(QAction* action) {
    for (QObject* object : action->associatedObjects()) {
        if (qobject_cast<QMenu*>(object) != nullptr || qobject_cast<QMenuBar*>(object) != nullptr) {
            return static_cast<QWidget*>(object);
        }
    }
    return nullptr;
}

QAccessibleInterface* menuItemFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QAction")) {
        return nullptr;
    }
    auto* action = static_cast<QAction*>(object);
    QWidget* owner = ownerOf(action);
    return owner != nullptr ? new MenuItemAccessible(owner, action) : nullptr;
}

// The window whose menu this is: a popup menu belongs to the window below
// the menu bar or window that opened it.
bool blocked(const QWidget* owner) {
    while (owner != nullptr && qobject_cast<const QMenu*>(owner) != nullptr &&
           owner->parentWidget() != nullptr) {
        owner = owner->parentWidget();
    }
    return modal::isBlocked(owner);
}

QString withoutMnemonic(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            text.remove(i, 1);  // "&&" keeps one '&'
        }
    }
    return text;
}

}  // namespace

MenuItemAccessible::MenuItemAccessible(QWidget* owner, QAction* action) : owner_(owner), action_(action) {}

void MenuItemAccessible::install() {
    installAccessible<MenuItemAccessible>(menuItemFactory);
}

void* MenuItemAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

bool MenuItemAccessible::isValid() const {
    return action_ != nullptr && owner_ != nullptr;
}

QObject* MenuItemAccessible::object() const {
    return action_;
}

QWindow* MenuItemAccessible::window() const {
    return owner_ != nullptr ? owner_->windowHandle() : nullptr;
}

QAccessibleInterface* MenuItemAccessible::childAt(int, int) const {
    return nullptr;
}

QAccessibleInterface* MenuItemAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(owner_);
}

QAccessibleInterface* MenuItemAccessible::child(int index) const {
    if (index == 0 && action_ != nullptr && action_->menu() != nullptr) {
        return QAccessible::queryAccessibleInterface(action_->menu());
    }
    return nullptr;
}

int MenuItemAccessible::childCount() const {
    return action_ != nullptr && action_->menu() != nullptr ? 1 : 0;
}

int MenuItemAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child != nullptr && action_ != nullptr && action_->menu() != nullptr &&
                   child->object() == action_->menu()
               ? 0
               : -1;
}

QString MenuItemAccessible::text(QAccessible::Text t) const {
    if (action_ == nullptr) {
        return {};
    }
    switch (t) {
        case QAccessible::Name:
            return withoutMnemonic(action_->text());
        case QAccessible::Accelerator: {
            if (!action_->shortcut().isEmpty()) {
                return action_->shortcut().toString(QKeySequence::NativeText);
            }
            const QString text = action_->text();
            const qsizetype mark = text.indexOf(QLatin1Char('&'));
            if (mark >= 0 && mark + 1 < text.size() && text.at(mark + 1) != QLatin1Char('&')) {
                return QKeySequence(Qt::ALT).toString(QKeySequence::NativeText) + text.at(mark + 1);
            }
            return {};
        }
        case QAccessible::Help:
            return action_->statusTip();
        default:
            return {};
    }
}

void MenuItemAccessible::setText(QAccessible::Text, const QString&) {}

QRect MenuItemAccessible::rect() const {
    if (action_ == nullptr) {
        return {};
    }
    if (auto* bar = qobject_cast<QMenuBar*>(owner_)) {
        return bar->actionGeometry(action_).translated(bar->mapToGlobal(QPoint(0, 0)));
    }
    if (auto* menu = qobject_cast<QMenu*>(owner_)) {
        return menu->actionGeometry(action_).translated(menu->mapToGlobal(QPoint(0, 0)));
    }
    return {};
}

QAccessible::Role MenuItemAccessible::role() const {
    return action_ != nullptr && action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
}

QAccessible::State MenuItemAccessible::state() const {
    QAccessible::State state;
    if (action_ == nullptr || owner_ == nullptr) {
        state.invalid = true;
        return state;
    }
    state.invisible = !owner_->testAttribute(Qt::WA_WState_Visible) || !action_->isVisible();
    if (auto* menu = qobject_cast<QMenu*>(owner_)) {
        state.focused = menu->activeAction() == action_;
    } else if (auto* bar = qobject_cast<QMenuBar*>(owner_)) {
        state.focused = bar->activeAction() == action_;
    }
    state.hotTracked = owner_->style()->styleHint(QStyle::SH_Menu_MouseTracking) != 0;
    // A blocked window's items cannot be chosen, for the mouse or any other way.
    state.disabled = action_->isSeparator() || !action_->isEnabled() || blocked(owner_);
    state.checkable = action_->isCheckable();
    state.checked = action_->isChecked();
    state.hasPopup = action_->menu() != nullptr;
    return state;
}

QStringList MenuItemAccessible::actionNames() const {
    if (action_ == nullptr || owner_ == nullptr || action_->isSeparator() || !action_->isEnabled() ||
        blocked(owner_)) {
        return {};
    }
    return {action_->menu() != nullptr ? showMenuAction() : pressAction()};
}

void MenuItemAccessible::doAction(const QString& actionName) {
    if (!actionNames().contains(actionName)) {
        return;
    }
    // The assistive tool waits for this call: answer it first, then act, as
    // a click acts once the mouse button is up.
    QTimer::singleShot(0, action_, [action = action_, owner = owner_] {
        if (action == nullptr || owner == nullptr || !action->isEnabled() || blocked(owner)) {
            return;
        }
        if (action->menu() == nullptr) {
            action->trigger();
        } else if (auto* bar = qobject_cast<QMenuBar*>(owner)) {
            bar->setActiveAction(action);
        } else if (auto* menu = qobject_cast<QMenu*>(owner)) {
            menu->setActiveAction(action);
        }
    });
}

QStringList MenuItemAccessible::keyBindingsForAction(const QString&) const {
    return {};
}
