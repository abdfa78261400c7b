// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/commands/template_registry.h"

#include <algorithm>
#include <vector>

#include "core/commands/command_table.h"
#include "core/resources/templates.h"

namespace {

// The tools' templates as the command table names them, and the two that no
// command opens; by id.
std::vector<const DialogTemplate*> collect() {
    std::vector<const DialogTemplate*> all{&kTemplate100, &kTemplate144};
    for (const ToolCommand& command : toolCommands()) {
        all.push_back(command.dialogTemplate);
    }
    std::sort(all.begin(), all.end(),
              [](const DialogTemplate* a, const DialogTemplate* b) { return a->id < b->id; });
    return all;
}

}  // namespace

std::span<const DialogTemplate* const> allTemplates() {
    static const std::vector<const DialogTemplate*> all = collect();
    return all;
}

const DialogTemplate* findTemplate(int templateId) {
    for (const DialogTemplate* t : allTemplates()) {
        if (t->id == templateId) {
            return t;
        }
    }
    return nullptr;
}
