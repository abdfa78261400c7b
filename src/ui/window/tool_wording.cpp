// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/window/tool_wording.h"

#include "ui/widgets/translated.h"

ToolWording::ToolWording(const char* context) : CatalogueWording(installedCatalogues(), context) {}
