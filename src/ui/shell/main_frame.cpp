// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/shell/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <algorithm>

#include "core/commands/command_table.h"
#include "core/resources/resource_ids.h"
#include "core/resources/version.h"
#include "ui/access/menu_accessible.h"
#include "ui/modality/message_box.h"
#include "ui/modality/window_blocking.h"
#include "ui/picture/picture_window.h"
#include "ui/shell/about_dlg.h"
#include "ui/shell/brimlet_view.h"
#include "ui/shell/lock_indicators.h"
#include "ui/shell/menu_bar_key.h"
#include "ui/shell/tool_placement.h"
#include "ui/steps/steps_window.h"
#include "ui/widgets/app_icon.h"
#include "ui/widgets/translated.h"
#include "ui/window/tool_window.h"

namespace {

// Shown as "All Files (*.*)", matching every file: Qt takes the last
// parentheses of a filter for its patterns, and "*.*" would leave out names
// without a dot (Qt 6.4.2, as documented).
constexpr const char* kFilter = "All Files (*.*) (*)";

QAction* commandAction(QObject* parent, const QString& text, int commandId) {
    auto* action = new QAction(text, parent);
    action->setObjectName(QString::number(commandId));
    action->setData(commandId);
    return action;
}

}  // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainFrame"));
    // Before the menus: assistive tools choose their items as the mouse does.
    MenuItemAccessible::install();
    setCentralWidget(new CBrimletView(this));
    buildMenus();
    buildAccelerators();
    buildStatusBar();
    updateTitle();
    // The desktop's usual size for a new document window, widened where the
    // desktop's font needs more for the whole menu bar: a menu that falls into
    // the bar's overflow button is one more step to reach. The window manager
    // places it.
    resize(std::max(640, menuBar()->sizeHint().width()), 440);
}

void CMainFrame::buildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(tr("&File"));
    QAction* exit = commandAction(file, tr("E&xit"), ids::kAppExit);
    exit->setStatusTip(tr("Quit the application; prompts to save documents"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    file->addAction(exit);

    for (const MenuPopup& popup : menuPopups(toolCommands())) {
        QMenu* menu = bar->addMenu(translated("CMainFrame", std::string(popup.title).c_str()));
        for (const ToolCommand* command : popup.commands) {
            QAction* action =
                commandAction(menu, translated("CMainFrame", command->item), command->commandId);
            const int id = command->commandId;
            connect(action, &QAction::triggered, this, [this, id] { launchTool(id); });
            menu->addAction(action);
        }
    }

    QMenu* help = bar->addMenu(tr("&Help"));
    QAction* about =
        commandAction(help, tr("&About %1").arg(QString::fromUtf8(kProductName)), ids::kAppAbout);
    about->setStatusTip(tr("Display program information, version number and copyright"));
    connect(about, &QAction::triggered, this, &CMainFrame::showAbout);
    help->addAction(about);

    addMenuBarKey(this);

    for (QMenu* menu : bar->findChildren<QMenu*>()) {
        menu->setObjectName(menu->title());
        // A popup title has no prompt: the pane is blank while its menu is open.
        connect(menu, &QMenu::aboutToShow, this, [this] { showMessagePane(QString()); });
        // On the next pass: going along the bar, Qt opens the next menu only
        // after this one has hidden (Qt 6.4.2), and the pane stays blank.
        connect(menu, &QMenu::aboutToHide, this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (qobject_cast<QMenu*>(QApplication::activePopupWidget()) == nullptr) {
                    showMessagePane(tr("Ready"));
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
    messagePane_ = new QLabel(tr("Ready"), bar);
    messagePane_->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(messagePane_, 1);
    locks_ = new LockIndicators(bar);
    bar->addPermanentWidget(locks_);
}

QString CMainFrame::statusMessage() const {
    return messagePane_->text();
}

void CMainFrame::showMessagePane(const QString& text) {
    messagePane_->setText(text);
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::Show && !iconPending_) {
        // Decoding the icon's eight sizes and handing them to the window
        // system costs as much as the rest of start-up: it is done on the
        // first idle pass after the window is shown, so the first paint does
        // not wait for it. Every window of the program inherits the
        // application's icon.
        iconPending_ = true;
        QTimer::singleShot(0, this, [] {
            if (QApplication::windowIcon().isNull()) {
                QApplication::setWindowIcon(appIcon());
            }
        });
    }
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        const bool inMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr;
        showMessagePane(tip.isEmpty() && !inMenu ? tr("Ready") : tip);
        return true;
    }
    return QMainWindow::event(event);
}

ToolWindow* CMainFrame::launchTool(int commandId) {
    const ToolCommand* command = findToolCommand(commandId);
    if (command == nullptr) {
        return nullptr;
    }
    auto* window = new ToolWindow(*command->dialogTemplate, command->create(), this, command->className);
    PictureWindow::offerFor(window, *command);
    StepsWindow::offerFor(window);
    placeClearOfCopies(*window, *this);
    window->show();
    return window;
}

void CMainFrame::showAbout() {
    // The main window waits for it; the tool windows stay usable.
    modal::open(new CAboutDlg(this), this);
}

void CMainFrame::updateTitle() {
    setWindowTitle(document_.title() + QStringLiteral(" - ") + QString::fromUtf8(kProductName));
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
        message_box::warn(this, tr("Failed to open document."));
        return false;
    }
    updateTitle();
    return true;
}

bool CMainFrame::saveDocumentAs(const QString& path) {
    if (document_.saveAs(QFile::encodeName(path)) != CBrimletDoc::Result::Done) {
        message_box::warn(this, tr("Failed to save document."));
        return false;
    }
    updateTitle();
    return true;
}

void CMainFrame::onFileOpen() {
    QFileDialog* dialog = makeFileDialog(tr("Open"), QFileDialog::AcceptOpen,
                                         [this](const QString& path) { openDocument(path); });
    dialog->setObjectName(QStringLiteral("openDialog"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    modal::open(dialog, this);
}

void CMainFrame::onFileSave() {
    if (!document_.fileName().isEmpty()) {
        if (document_.save() != CBrimletDoc::Result::Done) {
            message_box::warn(this, tr("Failed to save document."));
        }
        return;
    }
    QFileDialog* dialog = makeFileDialog(tr("Save As"), QFileDialog::AcceptSave,
                                         [this](const QString& path) { saveDocumentAs(path); });
    dialog->setObjectName(QStringLiteral("saveAsDialog"));
    dialog->setFileMode(QFileDialog::AnyFile);
    // Saving writes nothing, so choosing an existing file needs no warning.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->selectFile(tr("Untitled"));
    modal::open(dialog, this);
}

QFileDialog* CMainFrame::makeFileDialog(const QString& caption, QFileDialog::AcceptMode mode,
                                        const std::function<void(const QString&)>& chosen) {
    auto* dialog = new QFileDialog(this, caption);
    dialog->setAcceptMode(mode);
    dialog->setNameFilter(QString::fromLatin1(kFilter));
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    connect(dialog, &QDialog::finished, this, [dialog, chosen](int result) {
        if (result == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
            chosen(dialog->selectedFiles().constFirst());
        }
    });
    return dialog;
}
