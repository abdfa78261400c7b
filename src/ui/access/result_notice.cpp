// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/access/result_notice.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QTimer>

#include "ui/access/accessible_adoption.h"

namespace {

QAccessibleInterface* noticeFactory(const QString&, QObject* object) {
    if (auto* notice = qobject_cast<ResultNotice*>(object)) {
        return new QAccessibleWidget(notice, QAccessible::Notification);
    }
    return nullptr;
}

// A window of its own where the windowing system lets a window show without
// the window manager (X11); a Wayland compositor would give every such window
// the focus, so there the notice stays a child of the tool window.
Qt::WindowFlags noticeFlags() {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return {};
    }
    // Not a tooltip window: Qt tells assistive tools nothing of a tooltip's
    // showing (Qt 6.4.2, on purpose; no QTBUG).
    return Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus;
}

}  // namespace

ResultNotice::ResultNotice(QWidget* window) : QWidget(window, noticeFlags()), window_(window) {
    setObjectName(QStringLiteral("resultNotice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    resize(1, 1);
    adoptAccessible<QAccessibleWidget>(this, noticeFactory);
    hide();
}

void ResultNotice::announce(const QString& text) {
    hide();
    setAccessibleName(text);
    // A pixel of the window's own background, in its corner.
    move(isWindow() ? window_->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0));
    show();
    // Its showing is what is spoken; hidden again at once, it adds nothing to
    // what assistive tools see of the window between presses.
    QTimer::singleShot(0, this, &QWidget::hide);
}

void ResultNotice::retire() {
    constexpr int kReaderAsksWithinMs = 10000;
    QTimer::singleShot(kReaderAsksWithinMs, this, &QObject::deleteLater);
}
