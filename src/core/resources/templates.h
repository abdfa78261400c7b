// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include "core/templates/dialog_template.h"

// The two templates that belong to no tool; every tool declares its own.
extern const DialogTemplate kTemplate100;  // About box
extern const DialogTemplate kTemplate144;  // Trigonometry Functions, never opened
