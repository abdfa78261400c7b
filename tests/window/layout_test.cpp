#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "app/command_table.h"
#include "dialog/dialog_units.h"
#include "window/window_harness.h"

namespace {

QString shown(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

// Captions that do not fit their control, as "id caption needs/has" lines.
QStringList clipped(ToolWindow* window) {
    QStringList problems;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QFontMetrics metrics(child->font());
        const QRect area = child->rect();
        if (auto* button = qobject_cast<QAbstractButton*>(child)) {
            const int needed = metrics.horizontalAdvance(shown(button->text()));
            const int available = area.width() - 4;  // the frame on either side
            if (needed > available || metrics.height() > area.height()) {
                problems << QStringLiteral("%1 '%2' %3/%4")
                                .arg(child->objectName(), button->text())
                                .arg(needed)
                                .arg(available);
            }
        } else if (auto* label = qobject_cast<QLabel*>(child); label != nullptr && !label->text().isEmpty()) {
            const QRect needed =
                metrics.boundingRect(area, Qt::TextWordWrap | label->alignment(), label->text());
            if (needed.width() > area.width() || needed.height() > area.height()) {
                problems << QStringLiteral("label '%1' %2x%3 in %4x%5")
                                .arg(label->text())
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(area.width())
                                .arg(area.height());
            }
        } else if (auto* box = qobject_cast<QGroupBox*>(child); box != nullptr && !box->title().isEmpty()) {
            const int needed = metrics.horizontalAdvance(box->title());
            if (needed > area.width()) {
                problems
                    << QStringLiteral("group '%1' %2/%3").arg(box->title()).arg(needed).arg(area.width());
            }
        }
    }
    return problems;
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void captionsFitTheirControls_data() {
        QTest::addColumn<int>("commandId");
        for (const ToolCommand& command : toolCommands()) {
            QTest::newRow(command.className) << command.commandId;
        }
    }

    void captionsFitTheirControls() {
        QFETCH(int, commandId);
        ToolWindow* window = harness::openTool(commandId);
        QVERIFY(window != nullptr);
        const QStringList problems = clipped(window);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
        window->reject();
    }

    void windowsKeepTheirSizeWhateverTheSystemFont() {
        ToolWindow* before = harness::openTool(32773);
        const QSize size = before->size();
        const QRect input = harness::control(before, 1010)->geometry();
        before->reject();

        const QFont systemFont = QApplication::font();
        QFont large = systemFont;
        large.setPointSize(12);
        QApplication::setFont(large);
        ToolWindow* after = harness::openTool(32773);
        QCOMPARE(after->size(), size);
        QCOMPARE(harness::control(after, 1010)->geometry(), input);
        QVERIFY(clipped(after).isEmpty());
        after->reject();
        QApplication::setFont(systemFont);
    }

    void dialogUnitsFollowTheFont() {
        // The templates are laid out in units of the dialog font, so a window
        // of W x H units grows with the font, never with fixed pixels.
        QFont small = DialogUnits::dialogFont();
        QFont large = small;
        large.setPointSize(small.pointSize() * 2);
        const DialogUnits a(small);
        const DialogUnits b(large);
        QVERIFY(b.x(100) > a.x(100) * 3 / 2);
        QVERIFY(b.y(100) > a.y(100) * 3 / 2);
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
