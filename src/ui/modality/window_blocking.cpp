// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/modality/window_blocking.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QWindow>
#include <algorithm>

#include "ui/modality/foreign_close.h"

namespace modal {

namespace {

bool isPress(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
    }
}

bool isInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::InputMethod:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        default:
            return isPress(type);
    }
}

// One box's hold on the windows it blocks, for as long as the box is open.
// It filters the application's events, so it sees input on its way to a
// window (QWindow) and to each of its widgets alike. It is a child of the
// box, and goes when the box finishes.
class Blocker : public QObject {
public:
    Blocker(QDialog& box, QWidget* owner) : QObject(&box), box_(&box) {
        for (QWidget* window = owner != nullptr ? owner->window() : nullptr; window != nullptr;
             window = window->parentWidget() != nullptr ? window->parentWidget()->window() : nullptr) {
            windows_.append(window);
        }
        all().append(this);
        qApp->installEventFilter(this);
    }

    ~Blocker() override {
        qApp->removeEventFilter(this);
        all().removeOne(this);
    }

    Blocker(const Blocker&) = delete;
    Blocker& operator=(const Blocker&) = delete;

    // Every box open now, in the order they were opened.
    static QList<Blocker*>& all() {
        static QList<Blocker*> blockers;
        return blockers;
    }

    bool blocks(const QWidget* window) const {
        for (const QPointer<QWidget>& blocked : windows_) {
            if (blocked != nullptr && blocked == window) {
                return true;
            }
        }
        return false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::Quit && watched == qApp) {
            quitting_ = true;
            return false;
        }
        if (type == QEvent::Expose && box_ != nullptr && watched == box_->windowHandle()) {
            wasOnScreen_ = wasOnScreen_ || box_->windowHandle()->isExposed();
            return false;
        }
        if (type != QEvent::Close && !isInput(type)) {
            return false;
        }
        if (!blocks(windowOf(watched))) {
            return false;
        }
        if (type == QEvent::Close) {
            // The close box of a blocked window does nothing; the program's
            // own closing, and a quit asked for by the desktop session, go on.
            if (!event->spontaneous() || quitting_) {
                return false;
            }
            event->ignore();
            return true;
        }
        if (type == QEvent::ShortcutOverride) {
            // Taken here, so no accelerator of the blocked window fires.
            event->accept();
        }
        if ((isPress(type) || type == QEvent::KeyPress) && box_ != nullptr && box_->isVisible()) {
            if (type != QEvent::KeyPress) {
                QApplication::beep();
            }
            showBoxAgain();
        }
        return true;
    }

private:
    // Brings the box to the front, and back onto the screen if another
    // client (xdotool windowunmap, a desktop that minimised it) took it off
    // after it had been there: Qt keeps such a window visible, and raising
    // it alone would leave it unseen and its windows blocked for good (Qt
    // 6.4.2, Debian 12; no QTBUG found).
    void showBoxAgain() {
        if (wasOnScreen_ && !box_->windowHandle()->isExposed()) {
            wasOnScreen_ = false;
            box_->hide();
            box_->show();
        }
        box_->raise();
        box_->activateWindow();
    }

    QWidget* windowOf(QObject* object) const {
        if (object->isWidgetType()) {
            return static_cast<QWidget*>(object)->window();
        }
        if (object->isWindowType()) {
            for (const QPointer<QWidget>& blocked : windows_) {
                if (blocked != nullptr && blocked->windowHandle() == object) {
                    return blocked;
                }
            }
        }
        return nullptr;
    }

    QPointer<QDialog> box_;
    QList<QPointer<QWidget>> windows_;
    bool quitting_ = false;
    bool wasOnScreen_ = false;
};

}  // namespace

void open(QDialog* dialog, QWidget* owner) {
    foreign_close::watch(dialog);
    auto* blocker = new Blocker(*dialog, owner);
    dialog->setWindowModality(Qt::NonModal);
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [dialog, blocker = QPointer<Blocker>(blocker), owner = QPointer<QWidget>(owner)] {
                         // The windows are free at once; the dialog goes after its answer has been read.
                         delete blocker;
                         dialog->deleteLater();
                         // The keyboard goes back to the window that asked, unless the user has
                         // meanwhile gone on in another window.
                         QWidget* active = QApplication::activeWindow();
                         if (owner != nullptr && owner->isVisible() && !isBlocked(owner) &&
                             (active == nullptr || active == dialog)) {
                             owner->window()->activateWindow();
                         }
                     });
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

bool isBlocked(const QWidget* widget) {
    if (widget == nullptr) {
        return false;
    }
    const QWidget* window = widget->window();
    const QList<Blocker*>& blockers = Blocker::all();
    return std::any_of(blockers.cbegin(), blockers.cend(),
                       [window](const Blocker* blocker) { return blocker->blocks(window); });
}

}  // namespace modal
