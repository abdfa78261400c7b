#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>

#include "app/about_dlg.h"
#include "app/brimlet_view.h"
#include "app/command_table.h"
#include "app/lock_keys.h"
#include "dialog/app_icon.h"
#include "dialog/message_box.h"
#include "dialog/modal_loop.h"
#include "dialog/tool_window.h"
#include "resources/resource_ids.h"
#include "resources/templates.h"

namespace {

constexpr const char* kFilter = "All Files (*.*) (*)";  // shown as "All Files (*.*)", matching every file
constexpr const char* kIndicatorTexts[3] = {"CAP", "NUM", "SCRL"};

QAction* commandAction(QObject* parent, const QString& text, int commandId) {
    auto* action = new QAction(text, parent);
    action->setObjectName(QString::number(commandId));
    action->setData(commandId);
    return action;
}

}  // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(appIcon());
    setCentralWidget(new CBrimletView(this));
    buildMenus();
    buildAccelerators();
    buildStatusBar();
    updateTitle();
    // The desktop's usual size for a new document window; the window manager places it.
    resize(640, 440);
    qApp->installEventFilter(this);
}

void CMainFrame::buildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    QAction* exit = commandAction(file, QStringLiteral("E&xit"), ids::kAppExit);
    exit->setStatusTip(QStringLiteral("Quit the application; prompts to save documents"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    file->addAction(exit);

    QMenu* current = nullptr;
    QString currentTitle;
    for (const ToolCommand& command : toolCommands()) {
        const QString title = QString::fromUtf8(command.popup);
        if (current == nullptr || title != currentTitle) {
            current = bar->addMenu(title);
            currentTitle = title;
        }
        QAction* action = commandAction(current, QString::fromUtf8(command.item), command.commandId);
        const int id = command.commandId;
        connect(action, &QAction::triggered, this, [this, id] { launchTool(id); });
        current->addAction(action);
    }

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    QAction* about = commandAction(help, QStringLiteral("&About Brimlet 5"), ids::kAppAbout);
    about->setStatusTip(QStringLiteral("Display program information, version number and copyright"));
    connect(about, &QAction::triggered, this, &CMainFrame::showAbout);
    help->addAction(about);

    for (QMenu* menu : bar->findChildren<QMenu*>()) {
        menu->setObjectName(menu->title());
        // A popup title has no prompt: the pane is blank while its menu is open.
        connect(menu, &QMenu::aboutToShow, this, [this] { showMessagePane(QString()); });
        connect(menu, &QMenu::aboutToHide, this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (qobject_cast<QMenu*>(QApplication::activePopupWidget()) == nullptr) {
                    showMessagePane(QStringLiteral("Ready"));
                }
            });
        });
    }
}

void CMainFrame::buildAccelerators() {
    struct Accelerator {
        QKeySequence keys;
        int commandId;
    };
    const Accelerator table[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), ids::kFileNew},
        {QKeySequence(Qt::CTRL | Qt::Key_O), ids::kFileOpen},
        {QKeySequence(Qt::CTRL | Qt::Key_S), ids::kFileSave},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), ids::kEditUndo},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), ids::kEditUndo},
        {QKeySequence(Qt::CTRL | Qt::Key_X), ids::kEditCut},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), ids::kEditCut},
        {QKeySequence(Qt::CTRL | Qt::Key_C), ids::kEditCopy},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), ids::kEditCopy},
        {QKeySequence(Qt::CTRL | Qt::Key_V), ids::kEditPaste},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), ids::kEditPaste},
        {QKeySequence(Qt::Key_F6), ids::kNextPane},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), ids::kPrevPane},
    };
    for (const Accelerator& accelerator : table) {
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("accel%1").arg(accelerator.commandId));
        action->setShortcut(accelerator.keys);
        // Keys typed in a tool window belong to that tool.
        action->setShortcutContext(Qt::WindowShortcut);
        const int id = accelerator.commandId;
        connect(action, &QAction::triggered, this, [this, id] {
            switch (id) {
                case ids::kFileNew:
                    newDocument();
                    break;
                case ids::kFileOpen:
                    onFileOpen();
                    break;
                case ids::kFileSave:
                    onFileSave();
                    break;
                default:
                    break;  // the edit and pane keys have nothing to act on
            }
        });
        addAction(action);
    }
}

void CMainFrame::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QString::number(ids::kStatusBar));
    bar->setSizeGripEnabled(true);
    messagePane_ = new QLabel(QStringLiteral("Ready"), bar);
    messagePane_->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(messagePane_, 1);
    for (int i = 0; i < 3; ++i) {
        auto* indicator = new QLabel(bar);
        indicator->setObjectName(QString::fromLatin1(kIndicatorTexts[i]));
        indicator->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        indicator->setAlignment(Qt::AlignCenter);
        indicator->setMinimumWidth(
            indicator->fontMetrics().horizontalAdvance(QString::fromLatin1(kIndicatorTexts[i])) + 8);
        bar->addPermanentWidget(indicator);
        indicators_[i] = indicator;
    }
    bool caps = false;
    bool num = false;
    bool scroll = false;
    systemLocks_ = lock_keys::query(caps, num, scroll);
    setLockState(caps, num, scroll);
    if (systemLocks_) {
        // The display server knows the lock states; follow changes from any window.
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, &CMainFrame::refreshLocks);
        poll->start(250);
    }
}

void CMainFrame::refreshLocks() {
    bool caps = false;
    bool num = false;
    bool scroll = false;
    if (lock_keys::query(caps, num, scroll)) {
        setLockState(caps, num, scroll);
    }
}

void CMainFrame::setLockState(bool caps, bool num, bool scroll) {
    const bool states[3] = {caps, num, scroll};
    for (int i = 0; i < 3; ++i) {
        locks_[i] = states[i];
        indicators_[i]->setText(states[i] ? QString::fromLatin1(kIndicatorTexts[i]) : QString());
    }
}

QString CMainFrame::indicatorText(int index) const {
    return indicators_[index]->text();
}

QString CMainFrame::statusMessage() const {
    return messagePane_->text();
}

void CMainFrame::showMessagePane(const QString& text) {
    messagePane_->setText(text);
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        const bool inMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr;
        showMessagePane(tip.isEmpty() && !inMenu ? QStringLiteral("Ready") : tip);
        return true;
    }
    return QMainWindow::event(event);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // Application filters see a key event again at every widget it propagates
    // to: act on it only at its first receiver.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const bool propagated = event == lastKeyEvent_ && lastKeyReceiver_ != nullptr &&
                                widget != lastKeyReceiver_ && widget->isAncestorOf(lastKeyReceiver_);
        lastKeyEvent_ = event;
        lastKeyReceiver_ = widget;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!propagated && !key->isAutoRepeat()) {
            if (systemLocks_) {
                QTimer::singleShot(0, this, &CMainFrame::refreshLocks);
            } else {
                // Without a display server to ask, the indicators follow the lock keys pressed.
                const int index = key->key() == Qt::Key_CapsLock     ? 0
                                  : key->key() == Qt::Key_NumLock    ? 1
                                  : key->key() == Qt::Key_ScrollLock ? 2
                                                                     : -1;
                if (index >= 0) {
                    bool states[3] = {locks_[0], locks_[1], locks_[2]};
                    states[index] = !states[index];
                    setLockState(states[0], states[1], states[2]);
                }
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

ToolWindow* CMainFrame::launchTool(int commandId) {
    const ToolCommand* command = findToolCommand(commandId);
    if (command == nullptr) {
        return nullptr;
    }
    const DialogTemplate* dialogTemplate = findTemplate(command->templateId);
    if (dialogTemplate == nullptr) {
        return nullptr;
    }
    auto* window = new ToolWindow(*dialogTemplate, command->create(), this);
    window->show();
    return window;
}

void CMainFrame::showAbout() {
    // The main window waits for it; the tool windows stay usable.
    CAboutDlg about(this);
    modal::run(about, this);
}

void CMainFrame::updateTitle() {
    setWindowTitle(document_.title() + QStringLiteral(" - Brimlet 5"));
}

void CMainFrame::newDocument() {
    document_.newDocument();
    updateTitle();
}

bool CMainFrame::openDocument(const QString& path) {
    return openDocument(QFile::encodeName(path));
}

bool CMainFrame::openDocument(const QByteArray& fileName) {
    if (document_.open(fileName) != CBrimletDoc::Result::Done) {
        message_box::warn(this, QStringLiteral("Failed to open document."));
        return false;
    }
    updateTitle();
    return true;
}

bool CMainFrame::saveDocumentAs(const QString& path) {
    if (document_.saveAs(QFile::encodeName(path)) != CBrimletDoc::Result::Done) {
        message_box::warn(this, QStringLiteral("Failed to save document."));
        return false;
    }
    updateTitle();
    return true;
}

void CMainFrame::onFileOpen() {
    QFileDialog dialog(this, QStringLiteral("Open"));
    dialog.setObjectName(QStringLiteral("openDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(QString::fromLatin1(kFilter));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (modal::run(dialog, this) == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        openDocument(dialog.selectedFiles().constFirst());
    }
}

void CMainFrame::onFileSave() {
    if (!document_.fileName().isEmpty()) {
        if (document_.save() != CBrimletDoc::Result::Done) {
            message_box::warn(this, QStringLiteral("Failed to save document."));
        }
        return;
    }
    QFileDialog dialog(this, QStringLiteral("Save As"));
    dialog.setObjectName(QStringLiteral("saveAsDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QString::fromLatin1(kFilter));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    // Saving writes nothing, so choosing an existing file needs no warning.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(QStringLiteral("Untitled"));
    if (modal::run(dialog, this) == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        saveDocumentAs(dialog.selectedFiles().constFirst());
    }
}
