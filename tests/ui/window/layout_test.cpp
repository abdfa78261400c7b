// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QTranslator>
#include <optional>

#include "core/commands/command_table.h"
#include "core/converters/length.h"
#include "core/resources/resource_ids.h"
#include "support/window_harness.h"
#include "ui/picture/figure_view.h"
#include "ui/shell/languages.h"
#include "ui/steps/steps_window.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/group_frame.h"

namespace {

QString shown(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

QString describe(const QWidget* control) {
    if (!control->objectName().isEmpty()) {
        return control->objectName();
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return QStringLiteral("'%1'").arg(label->text().left(24));
    }
    return QString::fromLatin1(control->metaObject()->className());
}

// Captions that do not fit their control, as "id caption needs/has" lines,
// and pictures not drawn whole and sharp in their area.
QStringList clipped(QWidget* window) {
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
        } else if (auto* label = qobject_cast<QLabel*>(child);
                   label != nullptr && !label->pixmap().isNull()) {
            const QPixmap picture = label->pixmap();
            const QSize size = picture.deviceIndependentSize().toSize();
            if (size != area.size() || picture.devicePixelRatio() != label->devicePixelRatioF()) {
                problems << QStringLiteral("picture %1x%2 at ratio %3 in %4x%5 at ratio %6")
                                .arg(size.width())
                                .arg(size.height())
                                .arg(picture.devicePixelRatio())
                                .arg(area.width())
                                .arg(area.height())
                                .arg(label->devicePixelRatioF());
            }
        } else if (auto* box = dynamic_cast<GroupFrame*>(child); box != nullptr && !box->title().isEmpty()) {
            // The caption sits between the side lines, leaving some top line on either side.
            const int needed = metrics.horizontalAdvance(box->title());
            const QRect caption = box->captionRect();
            const QRect between = area.adjusted(box->lineWidth() + 1, 0, -box->lineWidth() - 1, 0);
            if (needed > caption.width() || !between.contains(caption)) {
                problems << QStringLiteral("group '%1' %2 in %3..%4 of %5")
                                .arg(box->title())
                                .arg(needed)
                                .arg(caption.left())
                                .arg(caption.right())
                                .arg(area.width());
            }
        }
    }
    return problems;
}

// Controls that meet a group box's lines: whatever lies within a box's
// rectangle must lie inside its frame, below the top line and clear of the
// other three sides.
QStringList crossings(QWidget* window) {
    QStringList problems;
    const QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : controls) {
        const auto* box = dynamic_cast<const GroupFrame*>(child);
        if (box == nullptr) {
            continue;
        }
        const QRect outside = box->geometry();
        const int line = box->lineWidth();
        const QRect inside = outside.adjusted(line, box->topLine() + line, -line, -line);
        for (QWidget* control : controls) {
            const QRect area = control->geometry();
            if (dynamic_cast<GroupFrame*>(control) != nullptr || !area.intersects(outside) ||
                inside.contains(area)) {
                continue;
            }
            problems << QStringLiteral("%1 %2 at y %3 in '%4' %5 (line at %6)")
                            .arg(describe(control), outside.contains(area) ? "crosses" : "straddles")
                            .arg(area.top())
                            .arg(box->title())
                            .arg(outside.top())
                            .arg(outside.top() + box->topLine());
        }
    }
    return problems;
}

// Opens the window of a menu command, checks it and closes it.
QStringList inspect(int commandId, QStringList (*check)(QWidget*)) {
    QStringList problems{QStringLiteral("the window did not open")};
    if (commandId != ids::kAppAbout) {
        if (ToolWindow* window = harness::openTool(commandId)) {
            problems = check(window);
            window->reject();
        }
        return problems;
    }
    harness::menuItem(commandId)->trigger();
    if (auto* about = harness::mainFrame().findChild<QDialog*>(QStringLiteral("100"))) {
        problems = check(about);
        about->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return problems;
}

// English and every language the build has a catalogue for.
QStringList languages() {
    QStringList all{QStringLiteral("en")};
    for (const QString& file : QDir(catalogueFolder()).entryList({QStringLiteral("brimlet_*.qm")})) {
        all << file.mid(8).chopped(3);
    }
    return all;
}

// The windows opened from now on speak the language ("en": the program's own).
bool speak(QTranslator& translator, const QString& language) {
    QCoreApplication::removeTranslator(&translator);
    useLanguageFonts(language);
    QGuiApplication::setLayoutDirection(QLocale(language).textDirection());
    return language == QLatin1String("en") ||
           (translator.load(QStringLiteral("brimlet_") + language, catalogueFolder()) &&
            QCoreApplication::installTranslator(&translator));
}

// The pseudo-language marks every word of the program and makes it a third
// longer, so that a word which bypasses the catalogues shows up unmarked.
constexpr QChar kMark(0x27e6);
class PseudoLanguage : public QTranslator {
public:
    // With a letter written right to left, the words read right to left.
    explicit PseudoLanguage(QChar letter = {}) : letter_(letter) {}

    QString translate(const char* context, const char* source, const char*, int) const override {
        if (context[0] == 'Q' && QChar::isUpper(QLatin1Char(context[1]).unicode())) {
            return {};  // Qt's own words are Qt's
        }
        const QString text = QString::fromUtf8(source);
        return kMark + (letter_.isNull() ? QString() : QString(letter_)) + text +
               QString(text.size() / 3, QLatin1Char('~'));
    }
    bool isEmpty() const override { return false; }

private:
    QChar letter_;
};

// The controls a tool window was built with, in template order, and where they stand.
QList<QRect> placesOf(QWidget* window) {
    QList<QRect> places;
    for (const QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow()) {
            places << child->geometry();
        }
    }
    return places;
}

// What is wrong with a mirrored tool window against its left-to-right
// places: a control's right edge must stand where its left edge stood,
// counted from the other side, but for the blocks that read left to right,
// which move whole (one shift for all, the block's edges mirrored); every
// field reads left to right; and the group frames hold their controls.
QStringList unmirrored(QWidget* window, const QList<QRect>& before) {
    const auto* tool = qobject_cast<ToolWindow*>(window);
    const QList<QRect> after = placesOf(window);
    const std::span<const ControlTemplate> rows = tool->dialogTemplate().controls;
    if (after.size() != before.size() || after.size() != static_cast<qsizetype>(rows.size())) {
        return {QStringLiteral("%1 controls, %2 before").arg(after.size()).arg(before.size())};
    }
    QStringList problems = crossings(window);
    const int width = window->width();
    QRect blockBefore, blockAfter;
    std::optional<int> shift;
    for (qsizetype i = 0; i < after.size(); ++i) {
        const QString name =
            QString::fromUtf8(rows[i].caption) + QLatin1Char('#') + QString::number(rows[i].id);
        if ((rows[i].flags & cf::KeepOrder) != 0) {
            blockBefore |= before[i];
            blockAfter |= after[i];
            shift = shift.value_or(after[i].left() - before[i].left());
            if (std::abs(after[i].left() - before[i].left() - *shift) > 1) {
                problems << name + QStringLiteral(" left its block");
            }
        } else if (std::abs(after[i].left() - (width - 1 - before[i].right())) > 1) {
            problems << name + QStringLiteral(" not mirrored");
        }
        const QWidget* control = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).at(i);
        if (rows[i].kind == ControlKind::Edit && control->layoutDirection() != Qt::LeftToRight) {
            problems << name + QStringLiteral(" reads right to left");
        }
    }
    if (shift && std::abs(blockAfter.left() - (width - 1 - blockBefore.right())) > 1) {
        problems << QStringLiteral("the left-to-right block is not mirrored");
    }
    return problems;
}

// The words of the steps, the boxes and the picture after each button of a
// tool that does something: words, not numbers or an axis' letter.
QStringList pressedWords(ToolWindow* window) {
    const harness::MessageCatcher boxes;
    QStringList found;
    for (const ControlTemplate& row : window->dialogTemplate().controls) {
        if (row.kind == ControlKind::Edit || !window->tool().hasHandler(row.id)) {
            continue;
        }
        harness::click(window, row.id);
        for (const char* word : window->tool().fieldWords()) {
            for (const Binding& binding : window->tool().bindings()) {
                if (harness::text(window, binding.controlId) == QLatin1String(word)) {
                    found << QLatin1String(word);  // a word the tool wrote, left in English
                }
            }
        }
        if (const auto* steps = window->findChild<StepsWindow*>()) {
            found << steps->findChild<QPlainTextEdit*>()->toPlainText().split(QLatin1Char('\n'));
        }
        if (const auto* view = window->findChild<FigureView*>()) {
            const figure::Figure& drawn = view->figure();
            found << QString::fromStdString(drawn.description) << QString::fromStdString(drawn.refusal);
            for (const std::string& note : drawn.notes) {
                found << QString::fromStdString(note);
            }
            for (const figure::Label& label : drawn.labels) {
                found << QString::fromStdString(label.text);
            }
            for (const figure::Dimension& dimension : drawn.dimensions) {
                found << QString::fromStdString(dimension.text);
            }
        }
    }
    found << boxes.messages;
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2}"));
    found.removeIf([](const QString& text) { return !text.contains(word); });
    return found;
}

// The words a window shows or speaks, and those of the windows its menu opens, that are not marked.
QStringList unmarked(QWidget* window) {
    QStringList found{window->windowTitle()};
    for (QWidget* child : window->findChildren<QWidget*>()) {
        const auto* button = qobject_cast<QAbstractButton*>(child);
        const auto* label = qobject_cast<QLabel*>(child);
        const auto* box = dynamic_cast<GroupFrame*>(child);
        found << (button ? button->text() : label ? label->text() : box ? box->title() : QString());
        found << child->toolTip() << child->accessibleName() << child->accessibleDescription();
    }
    for (QAction* action : window->findChildren<QAction*>()) {
        found << action->text() << action->statusTip();
        if (action->text().contains(QLatin1String("Show"))) {
            action->trigger();
        }
    }
    for (QWidget* other : QApplication::topLevelWidgets()) {
        if (other->parentWidget() == window && other->isVisible() && other != window) {
            found << unmarked(other);
        }
    }
    if (auto* tool = qobject_cast<ToolWindow*>(window)) {
        found << pressedWords(tool);
    }
    found.removeIf([](const QString& text) { return text.isEmpty() || text.contains(kMark); });
    return found;
}

void everyWindow() {
    QTest::addColumn<int>("commandId");
    QTest::addColumn<QString>("language");
    for (const QString& language : languages()) {
        for (const ToolCommand& command : toolCommands()) {
            QTest::addRow("%s %s", qPrintable(language), command.className) << command.commandId << language;
        }
        QTest::addRow("%s About", qPrintable(language)) << ids::kAppAbout << language;
    }
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void captionsFitTheirControls_data() { everyWindow(); }

    void captionsFitTheirControls() {
        QFETCH(int, commandId);
        QFETCH(QString, language);
        QVERIFY(speak(translator_, language));
        const QStringList problems = inspect(commandId, clipped);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }

    void controlsLieInsideTheirGroupFrames_data() { everyWindow(); }

    void controlsLieInsideTheirGroupFrames() {
        QFETCH(int, commandId);
        QFETCH(QString, language);
        QVERIFY(speak(translator_, language));
        const QStringList problems = inspect(commandId, crossings);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }

    void everyWordGoesThroughTheCatalogues() {
        PseudoLanguage pseudo;
        QCoreApplication::installTranslator(&pseudo);
        CMainFrame frame;
        QStringList found = unmarked(&frame);
        for (const ToolCommand& command : toolCommands()) {
            found << inspect(command.commandId, unmarked);
        }
        found << inspect(ids::kAppAbout, unmarked);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
    }

    // A language written right to left mirrors every tool window.
    void mirroredWindowsKeepNumbersLeftToRight() {
        PseudoLanguage pseudo(QChar(0x05d0));  // a letter written right to left
        QStringList problems;
        for (const ToolCommand& command : toolCommands()) {
            ToolWindow* plain = harness::openTool(command.commandId);
            const QList<QRect> before = placesOf(plain);
            plain->reject();
            QCoreApplication::installTranslator(&pseudo);
            QGuiApplication::setLayoutDirection(Qt::RightToLeft);
            ToolWindow* mirrored = harness::openTool(command.commandId);
            for (const QString& problem : unmirrored(mirrored, before)) {
                problems << QString::fromUtf8(command.className) + QLatin1Char(' ') + problem;
            }
            mirrored->reject();
            QGuiApplication::setLayoutDirection(Qt::LeftToRight);
            QCoreApplication::removeTranslator(&pseudo);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }

    void windowsKeepTheirSizeWhateverTheSystemFont() {
        QVERIFY(speak(translator_, QStringLiteral("en")));
        ToolWindow* before = harness::openTool<Length>();
        const QSize size = before->size();
        const QRect input = harness::control(before, Length::kInput)->geometry();
        before->reject();

        const QFont systemFont = QApplication::font();
        QFont large = systemFont;
        large.setPointSize(12);
        QApplication::setFont(large);
        ToolWindow* after = harness::openTool<Length>();
        QCOMPARE(after->size(), size);
        QCOMPARE(harness::control(after, Length::kInput)->geometry(), input);
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

private:
    QTranslator translator_;
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
