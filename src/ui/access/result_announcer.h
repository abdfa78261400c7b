// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QWidget;
class ResultNotice;

// Tells a listening screen reader what a press has changed: each field
// whose text changed, by its name and new text ("Meters 0.6096"). The
// results are spoken wherever the focus is (a notice), or, when the press
// moves the focus (an arrow key in a row of unit buttons), as the
// description the reader introduces the arriving control with; the results
// leave that description again once anything else is pressed or the focus
// moves on.
class ResultAnnouncer : public QObject {
public:
    struct Field {
        QWidget* widget;
        bool spoken;  // false: a running log (the calculator's history), read on demand
    };

    // The window's edit fields, in template order; whole: every field is
    // spoken at each press, the unchanged ones too (a reference sheet).
    ResultAnnouncer(QWidget* window, QList<Field> fields, bool whole);

    // Around each handler: the fields as it finds them, and what it changed.
    void before();
    void after();

    // Said after the changed fields when the press under way ends ("Steps
    // updated"), once.
    void addToNext(const QString& text) { postscript_ = text; }

    // Tells a listening screen reader what the window has just done
    // ("7 fields copied").
    void say(const QString& text);

    // The word the key under way is heard as ("times" for '*'), said before
    // what its press changes, or alone; none for most keys.
    void heardAs(const QString& word) { word_ = word; }

    // The field that the press under way gives back to the user focused and
    // selected, after refusing its text: the reader reads it there, and it is
    // left out of the notice.
    void readThere(QWidget* field) { readThere_ = field; }

    // The control that the press under way moves the focus to; nullptr after it.
    void arriveAt(QWidget* control) { arriving_ = control; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList texts() const;
    void forgetIntroduction();

    QWidget* window_;
    QList<Field> fields_;
    bool whole_;
    QString word_;
    QStringList before_;              // empty: no reader listened when the handler started
    ResultNotice* notice_ = nullptr;  // the last press's
    QWidget* arriving_ = nullptr;
    QWidget* readThere_ = nullptr;
    QPointer<QWidget> introduced_;  // the control whose description holds the last results
    QString ownDescription_;        // that control's description before
    QString postscript_;
};
