#include "ui/modality/foreign_close.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QDialog>
#include <QPointer>

#include <xcb/xcb.h>

namespace foreign_close {

namespace {

class Watcher : public QAbstractNativeEventFilter {
public:
    static Watcher& instance() {
        static Watcher watcher;
        static const bool installed = [] {
            qApp->installNativeEventFilter(&watcher);
            return true;
        }();
        (void)installed;
        return watcher;
    }

    void add(QDialog* box) {
        boxes_.removeAll(nullptr);
        boxes_.append(box);
        QObject::connect(box, &QDialog::finished, box, [this, box] { boxes_.removeAll(box); });
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY) {
            return false;
        }
        const auto window = static_cast<const xcb_destroy_notify_event_t*>(message)->window;
        for (const QPointer<QDialog>& box : boxes_) {
            if (box != nullptr && box->testAttribute(Qt::WA_WState_Created) &&
                box->internalWinId() == window) {
                // Not now: the toolkit is still reading this event.
                QMetaObject::invokeMethod(
                    box, [box = box.data()] { box->done(QDialog::Rejected); }, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    QList<QPointer<QDialog>> boxes_;
};

}  // namespace

void watch(QDialog* box) {
    Watcher::instance().add(box);
}

}  // namespace foreign_close
