// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/access/atspi_guard.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <limits>

#include "ui/modality/window_blocking.h"

namespace {

// Where the bridge serves the accessible objects, one path per object
// (the prefix and the object's id), on its own connection to the bus.
constexpr const char* kConnection = "a11y";
constexpr const char* kRoot = "/org/a11y/atspi/accessible";
constexpr const char* kText = "org.a11y.atspi.Text";
constexpr const char* kEditableText = "org.a11y.atspi.EditableText";
constexpr const char* kAction = "org.a11y.atspi.Action";
constexpr uint kCoordScreen = 0;

// One entry of GetBoundedRanges' answer: a run of text and where it is.
struct TextRange {
    int start = 0;
    int end = 0;
    QString text;
    QDBusVariant data{QVariant(QString())};
};

QDBusArgument& operator<<(QDBusArgument& argument, const TextRange& range) {
    argument.beginStructure();
    argument << range.start << range.end << range.text << range.data;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, TextRange& range) {
    argument.beginStructure();
    argument >> range.start >> range.end >> range.text >> range.data;
    argument.endStructure();
    return argument;
}

}  // namespace

Q_DECLARE_METATYPE(TextRange)

namespace {

QAccessibleInterface* interfaceAt(const QString& path) {
    const QString prefix = QLatin1String(kRoot) + QLatin1Char('/');
    if (!path.startsWith(prefix)) {
        return nullptr;
    }
    bool number = false;
    const uint id = QStringView(path).mid(prefix.size()).toUInt(&number);
    return number ? QAccessible::accessibleInterface(id) : nullptr;
}

// The corner that coordinates of this type are measured from: the screen's,
// else the window's.
QPoint originFor(QAccessibleInterface* iface, uint coordType) {
    if (coordType == kCoordScreen) {
        return {};
    }
    const auto* widget = qobject_cast<const QWidget*>(iface->object());
    return widget != nullptr ? widget->window()->mapToGlobal(QPoint(0, 0)) : QPoint();
}

class Guard : public QDBusVirtualObject {
public:
    explicit Guard(QDBusVirtualObject* bridge) : QDBusVirtualObject(bridge), bridge_(bridge) {}

    QString introspect(const QString& path) const override {
        return bridge_ != nullptr ? bridge_->introspect(path) : QString();
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (bridge_ == nullptr) {
            return false;
        }
        const QDBusMessage reply = atspi_guard::answer(message);
        if (reply.type() != QDBusMessage::InvalidMessage) {
            connection.send(reply);
            return true;
        }
        return bridge_->handleMessage(message, connection);
    }

private:
    QPointer<QDBusVirtualObject> bridge_;
};

void clampRange(const QDBusMessage& message, const QAccessibleTextInterface& text) {
    QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2) {
        return;
    }
    const int length = text.characterCount();
    const int start = std::clamp(arguments[0].toInt(), 0, length);
    const int end = arguments[1].toInt();
    // -1 is the end of the text; any other offset is kept within it.
    arguments[0] = start;
    arguments[1] = end == -1 ? length : std::clamp(end, start, length);
    // The message is the bridge's to answer: the copy shares its
    // arguments (QDBusMessage's copies share one body in Qt 6.4.2, and
    // setArguments() does not detach), and the reply goes to the one who
    // asked.
    QDBusMessage clamped = message;
    clamped.setArguments(arguments);
}

// The rectangle of a request (x, y, width, height first) on the screen.
// A client may send any coordinates: the corners are worked out in 64 bits
// and kept within half the range of int, where a QRect's own sums stay.
QRect clientRect(const QList<QVariant>& arguments, QPoint origin) {
    static constexpr qint64 kFar = std::numeric_limits<int>::max() / 2;
    const auto within = [](qint64 value) { return static_cast<int>(std::clamp(value, -kFar, kFar)); };
    const qint64 left = qint64{arguments[0].toInt()} + origin.x();
    const qint64 top = qint64{arguments[1].toInt()} + origin.y();
    const qint64 width = arguments[2].toInt();
    const qint64 height = arguments[3].toInt();
    if (width <= 0 || height <= 0) {
        return {};
    }
    return {QPoint(within(left), within(top)), QPoint(within(left + width - 1), within(top + height - 1))};
}

// The characters wholly or partly inside the rectangle, as one run per
// stretch of neighbouring characters.
QDBusMessage boundedRanges(const QDBusMessage& message, QAccessibleInterface& iface,
                           QAccessibleTextInterface& text) {
    const QList<QVariant> arguments = message.arguments();
    QList<TextRange> ranges;
    if (arguments.size() >= 5) {
        const QRect box = clientRect(arguments, originFor(&iface, arguments[4].toUInt()));
        const int length = text.characterCount();
        for (int offset = 0; offset < length && box.isValid(); ++offset) {
            if (!text.characterRect(offset).intersects(box)) {
                continue;
            }
            if (ranges.isEmpty() || ranges.constLast().end != offset) {
                ranges.append(TextRange{offset, offset, {}, QDBusVariant(QVariant(QString()))});
            }
            ranges.last().end = offset + 1;
        }
        for (TextRange& range : ranges) {
            range.text = text.text(range.start, range.end);
        }
    }
    return message.createReply(QVariant::fromValue(ranges));
}

// Done here rather than by the bridge, which reports success whatever
// the field did: true only when the field holds the text asked for.
QDBusMessage editText(const QDBusMessage& message, QAccessibleInterface& iface,
                      QAccessibleTextInterface& text) {
    QAccessibleEditableTextInterface* editable = iface.editableTextInterface();
    const QList<QVariant> arguments = message.arguments();
    const QString before = text.text(0, text.characterCount());
    QString wanted;
    if (message.member() == QLatin1String("SetTextContents") && !arguments.isEmpty()) {
        wanted = arguments[0].toString();
        if (editable != nullptr) {
            editable->replaceText(0, text.characterCount(), wanted);
        }
    } else if (arguments.size() >= 3) {
        const int position = std::clamp(arguments[0].toInt(), 0, int(before.size()));
        QString inserted = arguments[1].toString();
        // The length counts characters of the text given; never more than it has.
        const int length = arguments[2].toInt();
        if (length >= 0 && length < inserted.size()) {
            inserted.truncate(length);
        }
        wanted = QString(before).insert(position, inserted);
        if (editable != nullptr) {
            editable->insertText(position, inserted);
        }
    } else {
        return message.createErrorReply(QDBusError::InvalidArgs, QStringLiteral("missing arguments"));
    }
    const bool done = editable != nullptr && text.text(0, text.characterCount()) == wanted;
    return message.createReply(QVariant(done));
}

// Replaces the bridge's registration by the guard's, once.
void guardBridge() {
    QDBusConnection connection{QString::fromLatin1(kConnection)};
    if (!connection.isConnected()) {
        return;
    }
    const QString root = QLatin1String(kRoot);
    auto* bridge = qobject_cast<QDBusVirtualObject*>(connection.objectRegisteredAt(root));
    if (bridge == nullptr || dynamic_cast<Guard*>(bridge) != nullptr) {
        return;
    }
    connection.unregisterObject(root);
    auto* guard = new Guard(bridge);
    if (!connection.registerVirtualObject(root, guard, QDBusConnection::SubPath)) {
        // Never leave the bus without the bridge.
        delete guard;
        connection.registerVirtualObject(root, bridge, QDBusConnection::SubPath);
    }
}

class Observer : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override {
        if (active) {
            // The bridge registers itself right after it tells of the change
            // (the order of Qt 6.4.2's bridge).
            QTimer::singleShot(0, &guardBridge);
        }
    }
};

}  // namespace

namespace atspi_guard {

QDBusMessage answer(const QDBusMessage& request) {
    QAccessibleInterface* iface = interfaceAt(request.path());
    if (iface == nullptr) {
        return {};
    }
    const QString member = request.member();
    if (request.interface() == QLatin1String(kAction) && member == QLatin1String("DoAction")) {
        // A control of a window that a box blocks takes no click from anyone.
        const auto* widget = qobject_cast<const QWidget*>(iface->object());
        return widget != nullptr && modal::isBlocked(widget) ? request.createReply(QVariant(false))
                                                             : QDBusMessage();
    }
    QAccessibleTextInterface* text = iface->textInterface();
    if (text == nullptr) {
        return {};
    }
    if (request.interface() == QLatin1String(kText)) {
        if (member == QLatin1String("GetRangeExtents")) {
            clampRange(request, *text);
        } else if (member == QLatin1String("GetBoundedRanges")) {
            return boundedRanges(request, *iface, *text);
        }
    } else if (request.interface() == QLatin1String(kEditableText) &&
               (member == QLatin1String("SetTextContents") || member == QLatin1String("InsertText"))) {
        return editText(request, *iface, *text);
    }
    return {};
}

QString pathOf(QAccessibleInterface* iface) {
    return QLatin1String(kRoot) + QLatin1Char('/') + QString::number(QAccessible::uniqueId(iface));
}

void install() {
    static Observer observer;
    static const bool installed = [] {
        qDBusRegisterMetaType<TextRange>();
        qDBusRegisterMetaType<QList<TextRange>>();
        QAccessible::installActivationObserver(&observer);
        return true;
    }();
    (void)installed;
    guardBridge();
}

}  // namespace atspi_guard
