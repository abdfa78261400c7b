// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class XkbLockStates;

// The status bar's "CAP", "NUM" and "SCRL" panes: each shows its word while
// Caps Lock, Num Lock or Scroll Lock is on, and is blank otherwise. On X they
// follow the keyboard as the server reports it, a lock key pressed in another
// program included; elsewhere (Wayland, offscreen) no server tells, and they
// follow the lock keys pressed in this program's windows.
class LockIndicators : public QWidget {
    Q_OBJECT

public:
    enum class Lock { Caps, Num, Scroll };  // in their order on the bar

    explicit LockIndicators(QWidget* parent = nullptr);
    ~LockIndicators() override;

    QString text(Lock lock) const;
    // Shows these states until the next change (where no server tells, the start).
    void setStates(bool caps, bool num, bool scroll);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Pane {
        int key;           // the Qt::Key that toggles the lock
        const char* word;  // shown while the lock is on
        QLabel* label = nullptr;
        bool on = false;
    };
    std::array<Pane, 3> panes_;
    std::unique_ptr<XkbLockStates> server_;
    const QEvent* lastKeyEvent_ = nullptr;
    QPointer<QWidget> lastKeyReceiver_;
};
