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
        if (isPress(type) && box_ != nullptr && box_->isVisible()) {
            QApplication::beep();
            box_->raise();
            box_->activateWindow();
        }
        return true;
    }

private:
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
