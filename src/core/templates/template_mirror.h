// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <limits>

#include "core/templates/dialog_template.h"

// Where a control stands across a window that reads right to left: the
// template mirrored (x becomes width − x − w), as a laid-out window mirrors,
// but for the blocks that read left to right in any language (a keypad, the
// table of elements), which move as a whole and keep their order.
class TemplateMirror {
public:
    explicit TemplateMirror(const DialogTemplate& dialogTemplate);

    // The control's x, in dialog units, in the mirrored window.
    int x(const ControlTemplate& control) const;

private:
    int width_;
    int blockLeft_ = std::numeric_limits<int>::max();
    int blockRight_ = std::numeric_limits<int>::min();
};
