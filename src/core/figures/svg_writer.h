// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <string>

#include "core/figures/figure.h"

namespace figure {

// The figure as a stand-alone SVG document of width x height pixels: its
// title and its description in words in <title> and <desc>, a sampled curve
// also in the problem's units (data-points), labels as text.
std::string toSvg(const Figure& figure, double width = 640, double height = 480);

}  // namespace figure
