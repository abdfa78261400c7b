// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include "core/templates/template_mirror.h"

class QWidget;

// A caption without a letter written right to left (a formula "x^2", a sign
// "+/-", a unit "cm") reads left to right in a mirrored window too: a
// right-to-left paragraph would turn "n!" into "!n". A label keeps the
// mirrored window's alignment.
void keepFormulaLeftToRight(QWidget* widget);
