// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/templates/template_mirror.h"

#include <algorithm>

namespace {

bool keepsOrder(const ControlTemplate& control) {
    return (control.flags & cf::KeepOrder) != 0;
}

}  // namespace

TemplateMirror::TemplateMirror(const DialogTemplate& dialogTemplate) : width_(dialogTemplate.width) {
    for (const ControlTemplate& control : dialogTemplate.controls) {
        if (keepsOrder(control)) {
            blockLeft_ = std::min(blockLeft_, control.x);
            blockRight_ = std::max(blockRight_, control.x + control.w);
        }
    }
}

int TemplateMirror::x(const ControlTemplate& control) const {
    return keepsOrder(control) ? control.x + width_ - blockRight_ - blockLeft_
                               : width_ - control.x - control.w;
}
