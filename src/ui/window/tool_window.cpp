#include "ui/window/tool_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <limits>

#include "core/dialog/dialog_template.h"
#include "core/dialog/field_table.h"
#include "core/dialog/tool.h"
#include "ui/access/result_notice.h"
#include "ui/modality/fiber.h"
#include "ui/modality/message_box.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/flat_button.h"
#include "ui/widgets/long_text_view.h"
#include "ui/window/grid_navigation.h"

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The characters the basic calculator takes from the keyboard.
bool toolKeyOf(const QKeyEvent& event, ToolKey& key, char& character) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key = ToolKey::Enter;
            return true;
        case Qt::Key_Backspace:
            key = ToolKey::Backspace;
            return true;
        case Qt::Key_Delete:
            key = ToolKey::Delete;
            return true;
        default:
            break;
    }
    // The keypad's decimal key types the keyboard layout's separator, ',' on
    // most European layouts; on a calculator it is the decimal point.
    if ((event.modifiers() & Qt::KeypadModifier) != 0 &&
        (event.key() == Qt::Key_Comma || event.key() == Qt::Key_Period)) {
        key = ToolKey::Character;
        character = '.';
        return true;
    }
    const QString text = event.text();
    if (text.size() == 1 && text.at(0).unicode() > 0x20 && text.at(0).unicode() < 0x7f) {
        key = ToolKey::Character;
        character = static_cast<char>(text.at(0).unicode());
        return true;
    }
    return false;
}

QString controlText(const QWidget* widget) {
    if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
        return line->text();
    }
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget)) {
        return plain->toPlainText();
    }
    if (const auto* view = qobject_cast<const LongTextView*>(widget)) {
        return view->text();
    }
    return {};
}

}  // namespace

ToolWindow::ToolWindow(const DialogTemplate& dialogTemplate, std::unique_ptr<Tool> tool, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      template_(dialogTemplate),
      tool_(std::move(tool)) {
    setObjectName(QString::number(dialogTemplate.id));
    setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
    if (dialogTemplate.name != nullptr) {
        setAccessibleName(QString::fromUtf8(dialogTemplate.name));
    }
    setModal(false);
    controls_ = buildTemplate(this, dialogTemplate);
    setFixedSize(controls_.size);
    describeButtons();

    for (const BuiltControls::Entry& entry : controls_.entries) {
        // The tool sees typed keys before any control does: a read-only edit
        // would otherwise swallow Backspace and Delete.
        entry.widget->installEventFilter(this);
        auto* button = qobject_cast<QAbstractButton*>(entry.widget);
        if (button != nullptr) {
            const int id = entry.control->id;
            connect(button, &QAbstractButton::clicked, this, [this, id] { click(id); });
        }
    }
    GridNavigation::attach(this, dialogTemplate);
    // Every result at once, for a spreadsheet or a report: Ctrl+Shift+C, or
    // the window's own context menu. Ctrl+C in a field still copies its selection.
    copyAll_ = new QAction(QStringLiteral("Copy All Fields"), this);
    copyAll_->setObjectName(QStringLiteral("copyAllFields"));
    copyAll_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyAll_->setShortcutContext(Qt::WindowShortcut);
    connect(copyAll_, &QAction::triggered, this, &ToolWindow::copyAllFields);
    addAction(copyAll_);

    tool_->attach(this);
    tool_->writeAllFields();
    // Quitting ends the event loop that would have delivered the answers.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { finishHandler(false); });
}

void ToolWindow::describeButtons() {
    const bool takesKeys = !tool_->keyBindings().empty();
    for (const BuiltControls::Entry& entry : controls_.entries) {
        const int id = entry.control->id;
        auto* button = qobject_cast<QAbstractButton*>(entry.widget);
        if (button == nullptr || id == kNoId) {
            continue;
        }
        auto* flat = qobject_cast<FlatButton*>(button);
        if (flat != nullptr && button->text().isEmpty() && !tool_->hasHandler(id)) {
            flat->setInert();
            continue;
        }
        QStringList keys;
        for (const std::string& key : tool_->keyNames(id)) {
            keys << QString::fromStdString(key);
        }
        // Enter presses the default button wherever the focus is not on another.
        if (takesKeys && button == controls_.defaultButton && !keys.contains(QStringLiteral("Enter"))) {
            keys << QStringLiteral("Enter");
        }
        if (!keys.isEmpty()) {
            button->setToolTip((keys.size() == 1 ? QStringLiteral("Key: ") : QStringLiteral("Keys: ")) +
                               keys.join(QStringLiteral(" or ")));
        }
    }
}

QString ToolWindow::allFields() const {
    QString table;
    for (const BuiltControls::Entry& entry : controls_.entries) {
        if (entry.control->kind == ControlKind::Edit) {
            table += QString::fromStdString(field_table::line(entry.widget->accessibleName().toStdString(),
                                                              controlText(entry.widget).toStdString()));
        }
    }
    return table;
}

void ToolWindow::copyAllFields() const {
    QGuiApplication::clipboard()->setText(allFields());
}

void ToolWindow::contextMenuEvent(QContextMenuEvent* event) {
    // Only the window's background comes here: the fields have menus of their own.
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The window's own actions, each with its key: Copy All Fields, and
    // what the window was given besides (Show Picture for a tool that draws).
    menu->addActions(actions());
    menu->popup(event->globalPos());
    event->accept();
}

ToolWindow::~ToolWindow() {
    finishHandler(true);
    tool_->attach(nullptr);
}

template <class Handler>
bool ToolWindow::runHandler(Handler handler) {
    // While a handler waits for its message box, the user goes on with other
    // windows and the desktop may close this one: nothing of this window may
    // start another handler meanwhile, and the window is freed only once the
    // handler has ended.
    if (busy_) {
        return false;
    }
    busy_ = true;
    // The results a control was introduced with are stale once anything is pressed.
    forgetIntroduction();
    // What the handler changes is spoken to a listening screen reader.
    before_ = QAccessible::isActive() ? fieldTexts() : QStringList();
    handlerResult_ = false;
    handler_ = std::make_unique<Fiber>([this, handler] { handlerResult_ = handler(); });
    resumeHandler();
    return busy_ || handlerResult_;
}

bool ToolWindow::handlerWaiting() const {
    return handler_ != nullptr && handler_->suspended();
}

void ToolWindow::resumeHandler() {
    handler_->resume();
    if (!handler_->finished()) {
        return;
    }
    handler_.reset();
    if (!before_.isEmpty() && !ending_) {
        announceChanges(before_);
    }
    before_.clear();
    busy_ = false;
    if (releasePending_) {
        deleteLater();
    }
}

void ToolWindow::finishHandler(bool destroying) {
    ending_ = true;
    releasePending_ = releasePending_ && !destroying;
    while (handler_ != nullptr && handler_->suspended()) {
        delete box_;
        resumeHandler();
    }
    ending_ = destroying;
}

QStringList ToolWindow::fieldTexts() const {
    QStringList texts;
    for (const BuiltControls::Entry& entry : controls_.entries) {
        if (entry.control->kind == ControlKind::Edit) {
            texts << controlText(entry.widget);
        }
    }
    return texts;
}

void ToolWindow::announceChanges(const QStringList& before) {
    const QStringList after = fieldTexts();
    QStringList changes;
    qsizetype field = 0;
    for (const BuiltControls::Entry& entry : controls_.entries) {
        if (entry.control->kind != ControlKind::Edit) {
            continue;
        }
        const qsizetype index = field++;
        // A running log (the calculator's history) is read on demand, not spoken at every key.
        if (index >= before.size() || before[index] == after[index] ||
            (entry.control->flags & cf::MultiLine) != 0) {
            continue;
        }
        const QString& text = after[index];
        changes << entry.widget->accessibleName() + QLatin1Char(' ') +
                       (text.isEmpty() ? QStringLiteral("blank") : text);
    }
    if (changes.isEmpty()) {
        return;
    }
    const QString spoken = changes.join(QStringLiteral(", "));
    if (arriving_ != nullptr) {
        // The press goes with a move of the focus (an arrow key in a row of
        // unit buttons): the reader introduces the control it arrives at with
        // its description, and a notice would be cut short by that.
        forgetIntroduction();
        arriving_->setAccessibleDescription(spoken);
        introduced_ = arriving_;
        return;
    }
    if (notice_ == nullptr) {
        notice_ = new ResultNotice(this);
    }
    notice_->announce(spoken);
}

void ToolWindow::forgetIntroduction() {
    // The reader keeps a description until it is told of the change: the
    // control gets its own description back, and the reader hears of it.
    if (introduced_ == nullptr) {
        return;
    }
    const ControlTemplate* control = controls_.control(introduced_);
    introduced_->setAccessibleDescription(control != nullptr && control->description != nullptr
                                              ? QString::fromUtf8(control->description)
                                              : QString());
    introduced_ = nullptr;
}

void ToolWindow::click(int controlId) {
    runHandler([this, controlId] { return tool_->handle(controlId); });
}

std::string ToolWindow::text(int controlId, std::size_t maxChars) const {
    QString text = controlText(controls_.widget(controlId));
    if (maxChars < static_cast<std::size_t>(text.size())) {
        auto cut = static_cast<qsizetype>(maxChars);
        // Never half a character: a surrogate pair stays whole or goes whole.
        if (cut > 0 && text.at(cut - 1).isHighSurrogate()) {
            --cut;
        }
        text.truncate(cut);
    }
    return text.toStdString();
}

void ToolWindow::setText(int controlId, std::string_view text) {
    QWidget* widget = controls_.widget(controlId);
    const QString value = toQString(text);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        // The user's limit must never cut what the program writes.
        if (value.size() > line->maxLength()) {
            line->setMaxLength(
                static_cast<int>(std::min<qsizetype>(value.size(), std::numeric_limits<int>::max())));
        }
        line->setText(value);
        // Numbers read from their first digit; a right-aligned display shows its end.
        line->setCursorPosition(line->alignment() & Qt::AlignRight ? static_cast<int>(value.size()) : 0);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        plain->setPlainText(value);
        // The history grows at its end: keep the newest entries in view.
        plain->horizontalScrollBar()->setValue(plain->horizontalScrollBar()->maximum());
    } else if (auto* view = qobject_cast<LongTextView*>(widget)) {
        view->setText(value);
    }
    Q_EMIT fieldWritten();
}

void ToolWindow::focusAndSelectAll(int controlId) {
    QWidget* widget = controls_.widget(controlId);
    if (widget == nullptr) {
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->selectAll();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        plain->selectAll();
    } else if (auto* view = qobject_cast<LongTextView*>(widget)) {
        view->selectAll();
    }
}

void ToolWindow::showMessage(std::string_view text) {
    if (ending_) {
        return;
    }
    QMessageBox* box = message_box::warn(this, toQString(text));
    if (handler_ == nullptr || Fiber::current() != handler_.get()) {
        return;  // no handler of this window asks: nothing waits for the answer
    }
    // Closing the box in any way counts as its answer. The handler goes on
    // at the next pass of the event loop, not inside the box's own signal.
    const unsigned wait = ++waits_;
    const auto answered = [this, wait] {
        QMetaObject::invokeMethod(
            this,
            [this, wait] {
                if (wait == waits_ && handler_ != nullptr && handler_->suspended()) {
                    resumeHandler();
                }
            },
            Qt::QueuedConnection);
    };
    connect(box, &QDialog::finished, this, answered);
    connect(box, &QObject::destroyed, this, answered);
    box_ = box;
    Fiber::suspend();
    box_ = nullptr;
    ++waits_;
}

void ToolWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (focusedOnce_) {
        return;
    }
    focusedOnce_ = true;
    // The window opens for the keyboard: its focus is marked at once, also on
    // a button, not only after the first Tab.
    setAttribute(Qt::WA_KeyboardFocusChange);
    if (QWidget* first = controls_.firstTabStop()) {
        first->setFocus(Qt::TabFocusReason);
        if (auto* line = qobject_cast<QLineEdit*>(first)) {
            line->selectAll();
        }
    }
}

bool ToolWindow::offerKey(const QObject* target, QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (busy_ || (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)) {
        return false;
    }
    // What is typed into a field the user may edit (a calculator's memory)
    // belongs to that field.
    const auto* line = qobject_cast<const QLineEdit*>(target);
    const auto* plain = qobject_cast<const QPlainTextEdit*>(target);
    if ((line != nullptr && !line->isReadOnly()) || (plain != nullptr && !plain->isReadOnly())) {
        return false;
    }
    ToolKey key{};
    char character = 0;
    return toolKeyOf(*event, key, character) &&
           runHandler([this, key, character] { return tool_->handleKey(key, character); });
}

bool ToolWindow::moveInUnitRow(QObject* watched, const QKeyEvent& event) {
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    int step = 0;
    switch (event.key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            step = -1;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            step = 1;
            break;
        default:
            return false;
    }
    const QList<BuiltControls::Entry>& entries = controls_.entries;
    const auto isUnit = [&entries](qsizetype index) {
        return index >= 0 && index < entries.size() &&
               entries[index].control->kind == ControlKind::UnitButton;
    };
    qsizetype index = 0;
    while (index < entries.size() && entries[index].widget != watched) {
        ++index;
    }
    if (!isUnit(index)) {
        return false;
    }
    // The row is the unit buttons that stand together in template order; past
    // either end the move wraps to the other, as in the desktop's radio groups.
    qsizetype next = index + step;
    if (!isUnit(next)) {
        next = index;
        while (isUnit(next - step)) {
            next -= step;
        }
    }
    if (!busy_) {
        auto* neighbour = static_cast<QAbstractButton*>(entries[next].widget);
        // Pressed first, then focused, so that a screen reader introduces the
        // button together with the results of its press.
        arriving_ = neighbour;
        neighbour->click();
        arriving_ = nullptr;
        neighbour->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

bool ToolWindow::eventFilter(QObject* watched, QEvent* event) {
    // The results belong to the moment of the press: a control the user comes
    // back to later is not introduced with them again.
    if (event->type() == QEvent::FocusOut && watched == introduced_) {
        forgetIntroduction();
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (moveInUnitRow(watched, *key) || offerKey(watched, key)) {
            event->accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ToolWindow::keyPressEvent(QKeyEvent* event) {
    if (offerKey(focusWidget(), event)) {
        event->accept();
        return;
    }
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter: {
                event->accept();
                if (busy_) {
                    return;
                }
                auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
                if (focused != nullptr && controls_.control(focused) != nullptr) {
                    focused->click();
                } else if (controls_.defaultButton != nullptr) {
                    controls_.defaultButton->click();
                } else {
                    accept();
                }
                return;
            }
            case Qt::Key_Escape:
                event->accept();
                reject();
                return;
            default:
                break;
        }
    }
    QDialog::keyPressEvent(event);
}

void ToolWindow::accept() {
    runHandler([this] {
        const bool read = tool_->readAllFields();
        if (read) {
            dismiss();
        }
        return read;
    });
}

void ToolWindow::reject() {
    dismiss();
}

void ToolWindow::dismiss() {
    // A hidden tool window is never shown again, so it is released: at once,
    // or when the handler that is waiting for its message box returns. That
    // box has nothing left to say: it is closed, which answers it.
    hide();
    setResult(QDialog::Rejected);
    if (box_ != nullptr) {
        box_->done(QDialog::Rejected);
    }
    if (busy_) {
        releasePending_ = true;
    } else {
        deleteLater();
    }
}
