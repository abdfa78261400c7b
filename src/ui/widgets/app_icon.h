// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QIcon>

// The program's icon (icon 128), with a drawing for every size it ships in.
QIcon appIcon();
