#include "ui/dialog/result_notice.h"

#include <QAccessibleWidget>
#include <QTimer>

#include "ui/dialog/accessible_adoption.h"

namespace {

QAccessibleInterface* noticeFactory(const QString&, QObject* object) {
    if (auto* notice = qobject_cast<ResultNotice*>(object)) {
        return new QAccessibleWidget(notice, QAccessible::Notification);
    }
    return nullptr;
}

}  // namespace

ResultNotice::ResultNotice(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("resultNotice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    adoptAccessible<QAccessibleWidget>(this, noticeFactory);
    hide();
}

void ResultNotice::announce(const QString& text) {
    hide();
    setAccessibleName(text);
    show();
    // Its showing is what is spoken; hidden again at once, it adds nothing to
    // what assistive tools see of the window between presses.
    QTimer::singleShot(0, this, &QWidget::hide);
}
