#pragma once

#include <optional>

#include "core/figures/figure.h"

class FieldHost;
struct DialogTemplate;

namespace figure {

// True for the tools that draw their answer: the line, triangle, quadratic,
// uncertainty and bend solvers.
bool hasFigure(const DialogTemplate& dialogTemplate);

// The picture of the tool built from dialogTemplate, computed from its
// fields' texts as they stand; nothing for a tool without a picture.
std::optional<Figure> figureOf(const DialogTemplate& dialogTemplate, const FieldHost& fields);

}  // namespace figure
