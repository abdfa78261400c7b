// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include "core/figures/figure.h"

class FieldHost;
class Wording;
struct DialogTemplate;

namespace figure {

class Fields;

// How a solver draws its answer, from its fields. A tool's row of the
// command table names its maker, or none.
using Maker = Figure (*)(const Fields&);

// The picture that make draws of the tool built from dialogTemplate,
// computed from its fields' texts as they stand; its words in the wording's
// language, or as written without one.
Figure figureOf(Maker make, const DialogTemplate& dialogTemplate, const FieldHost& fields,
                const Wording* wording = nullptr);

}  // namespace figure
