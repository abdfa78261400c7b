#pragma once

inline constexpr const char* kVersion = "5.0.0";
// The centred line of the About box.
inline constexpr const char* kAboutLine = "Version 5.0.0\nCopyright (C) 2026 The Brimlet developers";
