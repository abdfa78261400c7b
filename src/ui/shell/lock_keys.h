// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

namespace lock_keys {

// Asks the display server whether Caps Lock, Num Lock and Scroll Lock are on.
// False when it cannot tell (no X server, as under the offscreen platform).
bool query(bool& caps, bool& num, bool& scroll);

}  // namespace lock_keys
