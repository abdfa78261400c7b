// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>

#include "core/templates/dialog_template.h"

// Every template of the resource set: the tools' templates as the command
// table names them, the About box and one that no command opens; by id.
// findTemplate gives nullptr for an unknown id.
const DialogTemplate* findTemplate(int templateId);
std::span<const DialogTemplate* const> allTemplates();
