#pragma once

#include "core/figures/figure.h"

class FieldHost;
struct DialogTemplate;

namespace figure {

class Fields;

// How a solver draws its answer, from its fields. A tool's row of the
// command table names its maker, or none.
using Maker = Figure (*)(const Fields&);

// The picture that make draws of the tool built from dialogTemplate,
// computed from its fields' texts as they stand.
Figure figureOf(Maker make, const DialogTemplate& dialogTemplate, const FieldHost& fields);

}  // namespace figure
