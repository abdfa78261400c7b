// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QString>

// The per-user settings file: "Settings/PreviewPages" = 0 is added where it
// is missing, and nothing else of the file changes. The file is the user's:
// one that is not a small regular file, cannot be read, is write-protected
// (directly or behind a link), would grow past the size the program reads,
// or whose lock another process holds, is left exactly as it is.
namespace settings_file {

// Adds the key where it is missing. Never waits: empty when the settings
// were used, otherwise why the file was left alone (naming it).
QString addMissingKey();

}  // namespace settings_file
