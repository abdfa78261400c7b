// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/picture/picture_window.h"
#include "ui/modality/message_box.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>
#include <QVBoxLayout>

#include "core/commands/command_table.h"
#include "core/figures/svg_writer.h"
#include "core/files/whole_file.h"
#include "core/templates/dialog_template.h"
#include "ui/picture/figure_view.h"
#include "ui/widgets/place_beside.h"
#include "ui/window/tool_window.h"

namespace {

constexpr const char* kSvgFilter = QT_TRANSLATE_NOOP("PictureWindow", "SVG image (*.svg)");
constexpr const char* kPngFilter = QT_TRANSLATE_NOOP("PictureWindow", "PNG image (*.png)");

}  // namespace

QAction* PictureWindow::offerFor(ToolWindow* toolWindow, const ToolCommand& command) {
    if (!command.draws()) {
        return nullptr;
    }
    auto* action = new QAction(tr("Show Picture"), toolWindow);
    action->setObjectName(QStringLiteral("showPicture"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, toolWindow,
                     [toolWindow, &command] { showFor(toolWindow, command); });
    toolWindow->addAction(action);
    return action;
}

void PictureWindow::showFor(ToolWindow* toolWindow, const ToolCommand& command) {
    // One picture per tool window: asked again, it comes to the front.
    auto* window = toolWindow->findChild<PictureWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        window = new PictureWindow(toolWindow, command);
        // Beside the tool window, where it does not hide the fields it is drawn from.
        placeBeside(window, toolWindow);
    }
    window->refresh();
    window->show();
    window->raise();
    window->activateWindow();
}

PictureWindow::PictureWindow(ToolWindow* toolWindow, const ToolCommand& command)
    // A child of the tool window, so it goes when the tool window goes.
    : QWidget(toolWindow, Qt::Window), tool_(toolWindow), command_(command), view_(new FigureView(this)) {
    setObjectName(QStringLiteral("pictureWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("%1 - Picture").arg(toolWindow->word(toolWindow->dialogTemplate().caption)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);

    copy_ = new QAction(tr("Copy Picture"), this);
    copy_->setObjectName(QStringLiteral("copyPicture"));
    copy_->setShortcut(QKeySequence::Copy);
    connect(copy_, &QAction::triggered, this, &PictureWindow::copyPicture);
    save_ = new QAction(tr("Save Picture As..."), this);
    save_->setObjectName(QStringLiteral("savePicture"));
    save_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save_, &QAction::triggered, this, &PictureWindow::askFileName);
    // Esc closes the picture as it closes a tool window.
    auto* close = new QAction(tr("Close"), this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(close, &QAction::triggered, this, &QWidget::close);
    for (QAction* action : {copy_, save_, close}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    // Every field the tool writes comes here; one redraw after the press is enough.
    connect(toolWindow, &ToolWindow::fieldWritten, this, &PictureWindow::scheduleRefresh);
    toolWindow->installEventFilter(this);
    resize(view_->sizeHint());
}

bool PictureWindow::eventFilter(QObject* watched, QEvent* event) {
    // The tool window hidden by the program (Esc, its close box) is gone for
    // good; minimised by the desktop it comes back, and so does the picture.
    if (watched == tool_ && event->type() == QEvent::Hide && !event->spontaneous()) {
        close();
    }
    return QWidget::eventFilter(watched, event);
}

void PictureWindow::scheduleRefresh() {
    if (refreshPending_) {
        return;
    }
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        refreshPending_ = false;
        refresh();
    });
}

void PictureWindow::refresh() {
    std::optional<figure::Figure> made = command_.picture(*tool_, &tool_->wording());
    if (made.has_value()) {
        view_->setFigure(std::move(*made));
    }
}

void PictureWindow::contextMenuEvent(QContextMenuEvent* event) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(copy_);
    menu->addAction(save_);
    menu->popup(event->globalPos());
    event->accept();
}

void PictureWindow::copyPicture() const {
    QGuiApplication::clipboard()->setImage(view_->image(std::max<qreal>(devicePixelRatioF(), 2)));
}

void PictureWindow::askFileName() {
    if (saving_ != nullptr) {
        saving_->raise();
        saving_->activateWindow();
        return;
    }
    // Shown without a modal loop of its own: the program's one loop runs on,
    // and the answer arrives as a signal.
    const QString suggested = windowTitle().section(QStringLiteral(" - "), 0, 0) + QStringLiteral(".svg");
    saving_ = new QFileDialog(this, tr("Save Picture As"), suggested);
    saving_->setObjectName(QStringLiteral("savePictureDialog"));
    saving_->setAttribute(Qt::WA_DeleteOnClose);
    saving_->setAcceptMode(QFileDialog::AcceptSave);
    saving_->setNameFilters({tr(kSvgFilter), tr(kPngFilter)});
    saving_->setDefaultSuffix(QStringLiteral("svg"));
    connect(saving_, &QFileDialog::filterSelected, saving_, [dialog = saving_.data()](const QString& filter) {
        dialog->setDefaultSuffix(filter == tr(kPngFilter) ? QStringLiteral("png") : QStringLiteral("svg"));
    });
    connect(saving_, &QFileDialog::fileSelected, this, [this](const QString& fileName) {
        const QString why = saveTo(fileName);
        if (!why.isEmpty()) {
            message_box::warn(this, tr("Cannot write %1 (%2).").arg(fileName, why));
        }
    });
    saving_->setWindowModality(Qt::NonModal);
    saving_->show();
}

QString PictureWindow::saveTo(const QString& fileName) const {
    std::string bytes;
    if (fileName.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        view_->image(std::max<qreal>(devicePixelRatioF(), 2)).save(&buffer, "PNG");
        bytes = png.toStdString();
    } else {
        bytes = figure::toSvg(view_->figure(), view_->width(), view_->height());
    }
    return QString::fromStdString(whole_file::write(QFile::encodeName(fileName).toStdString(), bytes));
}
