// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QTranslator>

#include "core/converters/numbers.h"
#include "core/resources/resource_ids.h"
#include "support/window_harness.h"
#include "ui/widgets/group_frame.h"

namespace {

constexpr QChar kOpen(0x27e6);   // ⟦
constexpr QChar kClose(0x27e7);  // ⟧

// The pseudo-language: every word of the program marked and a third longer,
// made as it is asked for, so that a word which bypasses the catalogues shows
// up unmarked. Qt's own words are left to Qt.
class PseudoLanguage : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        const bool qts = context != nullptr && context[0] == 'Q' && QChar(QLatin1Char(context[1])).isUpper();
        if (context == nullptr || source == nullptr || qts) {
            return {};
        }
        const QString text = QString::fromUtf8(source);
        return kOpen + text + QString(static_cast<int>(text.size() / 3), QLatin1Char('~')) + kClose;
    }
    bool isEmpty() const override { return false; }
};

void expectMarked(QStringList& unmarked, const QString& where, const QString& text) {
    if (!text.isEmpty() && !text.contains(kOpen)) {
        unmarked << where + QStringLiteral(": '") + text + QLatin1Char('\'');
    }
}

// The words a window shows or speaks: its title, its controls' captions,
// tooltips, accessible names and descriptions, and its actions (menus).
QStringList unmarkedIn(QWidget* window) {
    QStringList unmarked;
    const QString name = window->objectName();
    expectMarked(unmarked, name, window->windowTitle());
    expectMarked(unmarked, name, window->accessibleName());
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->isWindow()) {
            continue;
        }
        const QString where = name + QLatin1Char('/') + child->objectName();
        if (auto* button = qobject_cast<QAbstractButton*>(child)) {
            expectMarked(unmarked, where, button->text());
        } else if (auto* label = qobject_cast<QLabel*>(child)) {
            expectMarked(unmarked, where, label->text());
        } else if (auto* box = dynamic_cast<GroupFrame*>(child)) {
            expectMarked(unmarked, where, box->title());
        }
        // Not in the catalogues yet: what the core composes as it runs, the
        // pictures' descriptions and the element buttons' names.
        if (child->objectName() != QLatin1String("picture") &&
            !(child->toolTip() + child->accessibleName() + child->accessibleDescription())
                 .contains(QLatin1String(", atomic number "))) {
            expectMarked(unmarked, where, child->toolTip());
            expectMarked(unmarked, where, child->accessibleName());
            expectMarked(unmarked, where, child->accessibleDescription());
        }
    }
    for (QAction* action : window->findChildren<QAction*>()) {
        expectMarked(unmarked, name + QStringLiteral(" action"), action->text());
        expectMarked(unmarked, name + QStringLiteral(" action"), action->statusTip());
        expectMarked(unmarked, name + QStringLiteral(" action"), action->toolTip());
    }
    return unmarked;
}

}  // namespace

class PseudoLanguageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QCoreApplication::installTranslator(&pseudo_);
        harness::mainFrame().show();
    }

    void theMainWindowAndItsMenusSpeakIt() {
        QStringList unmarked = unmarkedIn(&harness::mainFrame());
        for (QMenu* menu : harness::mainFrame().menuBar()->findChildren<QMenu*>()) {
            expectMarked(unmarked, QStringLiteral("menu"), menu->title());
        }
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QStringLiteral("; "))));
    }

    void everyToolWindowSpeaksIt() {
        QStringList unmarked;
        for (const QPointer<ToolWindow>& window : harness::openEveryTool()) {
            QVERIFY(window != nullptr);
            unmarked << unmarkedIn(window);
            // The steps and picture windows open from the window's own menu.
            for (QAction* action : window->findChildren<QAction*>()) {
                if (action->text().contains(QStringLiteral("Show"))) {
                    action->trigger();
                }
            }
            for (QWidget* other : QApplication::topLevelWidgets()) {
                if (other->parentWidget() == window && other->isVisible()) {
                    unmarked << unmarkedIn(other);
                }
            }
        }
        harness::closeAllTools();
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QStringLiteral("; "))));
    }

    void theAboutBoxAndTheMessagesSpeakIt() {
        harness::menuItem(ids::kAppAbout)->trigger();
        auto* about = harness::mainFrame().findChild<QDialog*>(QStringLiteral("100"));
        QVERIFY(about != nullptr);
        const QStringList unmarked = unmarkedIn(about);
        about->close();
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QStringLiteral("; "))));

        harness::MessageCatcher catcher;
        ToolWindow* numbers = harness::openTool<Numbers>();
        harness::type(numbers, Numbers::kArabic, QStringLiteral("4000"));
        harness::click(numbers, Numbers::kToRoman);
        QTRY_COMPARE(catcher.messages.size(), 1);
        QVERIFY(catcher.messages.constFirst().startsWith(kOpen));
        numbers->reject();
    }

private:
    PseudoLanguage pseudo_;
};

QTEST_MAIN(PseudoLanguageTest)
#include "pseudo_language_test.moc"
