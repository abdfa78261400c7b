// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/access/result_announcer.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "core/text/result_words.h"

#include "ui/access/result_notice.h"
#include "ui/widgets/edit_text.h"

ResultAnnouncer::ResultAnnouncer(QWidget* window, QList<Field> fields, bool whole)
    : QObject(window), window_(window), fields_(std::move(fields)), whole_(whole) {}

QStringList ResultAnnouncer::texts() const {
    QStringList texts;
    for (const Field& field : fields_) {
        texts << edit_text::of(field.widget);
    }
    return texts;
}

void ResultAnnouncer::before() {
    // The results a control was introduced with are stale once anything is pressed.
    forgetIntroduction();
    before_ = QAccessible::isActive() ? texts() : QStringList();
}

void ResultAnnouncer::after() {
    const QStringList before = std::exchange(before_, QStringList());
    const QString postscript = std::exchange(postscript_, QString());
    const QString word = std::exchange(word_, QString());
    const QWidget* readThere = std::exchange(readThere_, nullptr);
    if (before.isEmpty()) {
        return;
    }
    const QStringList after = texts();
    // The words are the core's, so that the web edition says the same.
    std::vector<std::string> utf8;
    utf8.reserve(static_cast<std::size_t>(fields_.size()) * 3);
    std::vector<result_words::Field> fields;
    for (qsizetype index = 0; index < fields_.size() && index < before.size(); ++index) {
        const std::string& name = utf8.emplace_back(fields_[index].widget->accessibleName().toStdString());
        const std::string& was = utf8.emplace_back(before[index].toStdString());
        const std::string& is = utf8.emplace_back(after[index].toStdString());
        fields.push_back({name, was, is, fields_[index].spoken, fields_[index].widget == readThere});
    }
    const QString spoken = QString::fromStdString(
        result_words::changes(fields, whole_, word.toStdString(), postscript.toStdString(),
                              QCoreApplication::translate("ResultAnnouncer", "blank").toStdString()));
    if (spoken.isEmpty()) {
        return;
    }
    if (arriving_ != nullptr) {
        // The reader introduces the control the focus arrives at with its
        // description, and a notice would be cut short by that.
        forgetIntroduction();
        ownDescription_ = arriving_->accessibleDescription();
        arriving_->setAccessibleDescription(spoken);
        introduced_ = arriving_;
        // The results belong to the moment of the press: a control the user
        // comes back to later is not introduced with them again.
        introduced_->installEventFilter(this);
        return;
    }
    say(spoken);
}

void ResultAnnouncer::say(const QString& text) {
    if (!QAccessible::isActive()) {
        return;
    }
    // Each has a notice of its own: a reader that asks for its text late
    // (two keys typed quickly) hears each change once, not the last twice.
    if (notice_ != nullptr) {
        notice_->retire();
    }
    notice_ = new ResultNotice(window_);
    notice_->announce(text);
}

void ResultAnnouncer::forgetIntroduction() {
    // The reader keeps a description until it is told of the change: the
    // control gets its own description back, and the reader hears of it.
    if (introduced_ == nullptr) {
        return;
    }
    introduced_->removeEventFilter(this);
    introduced_->setAccessibleDescription(ownDescription_);
    introduced_ = nullptr;
}

bool ResultAnnouncer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched == introduced_) {
        forgetIntroduction();
    }
    return QObject::eventFilter(watched, event);
}
