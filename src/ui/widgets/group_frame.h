// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QGroupBox>

// A group box as the templates expect it: the top line runs through the
// middle of the caption, which interrupts it near its left end, and the other
// three sides lie on the box's edges. The templates place the first row of
// controls 10 to 13 dialog units below a box's top, inside such a frame. A
// flat box draws one dark line, any other the etched two-tone line.
class GroupFrame : public QGroupBox {
    Q_OBJECT

public:
    GroupFrame(const QString& caption, bool flat, QWidget* parent);

    // The first pixel row of the top line, in the box's own coordinates.
    int topLine() const;
    // Every side's line is this many pixels thick.
    int lineWidth() const { return isFlat() ? 1 : 2; }
    // Where the caption interrupts the top line, gaps included; empty without a caption.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int captionGap() const;
    int captionHeight() const;
};
