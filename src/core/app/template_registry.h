#pragma once

#include <span>

#include "core/dialog/dialog_template.h"

// Every template of the resource set: the tools' templates as the command
// table names them, the About box and one that no command opens; by id.
// findTemplate gives nullptr for an unknown id.
const DialogTemplate* findTemplate(int templateId);
std::span<const DialogTemplate* const> allTemplates();
