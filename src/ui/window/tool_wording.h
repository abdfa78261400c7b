// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include "core/steps/catalogue_wording.h"

// The words of a tool's worked steps, pictures and messages in the user's
// language, from the catalogues installed in the application
// (CatalogueWording's rule, which the web edition shares).
class ToolWording : public CatalogueWording {
public:
    explicit ToolWording(const char* context);
};
