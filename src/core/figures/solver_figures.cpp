#include "core/figures/solver_figures.h"

#include <array>

#include "core/figures/figure_fields.h"
#include "core/solvers/bend.h"
#include "core/solvers/geo.h"
#include "core/solvers/pythegor.h"
#include "core/solvers/quad.h"
#include "core/solvers/uncert.h"

namespace figure {

namespace {

struct Maker {
    const DialogTemplate* dialogTemplate;
    Figure (*make)(const Fields&);
};

const std::array<Maker, 5>& makers() {
    static const std::array<Maker, 5> kMakers{{
        {&Geo::kTemplate, &lineFigure},
        {&Pythegor::kTemplate, &triangleFigure},
        {&Quad::kTemplate, &parabolaFigure},
        {&Uncert::kTemplate, &uncertaintyFigure},
        {&Bend::kTemplate, &bendFigure},
    }};
    return kMakers;
}

const Maker* makerOf(const DialogTemplate& dialogTemplate) {
    for (const Maker& maker : makers()) {
        if (maker.dialogTemplate->id == dialogTemplate.id) {
            return &maker;
        }
    }
    return nullptr;
}

}  // namespace

bool hasFigure(const DialogTemplate& dialogTemplate) {
    return makerOf(dialogTemplate) != nullptr;
}

std::optional<Figure> figureOf(const DialogTemplate& dialogTemplate, const FieldHost& fields) {
    const Maker* maker = makerOf(dialogTemplate);
    if (maker == nullptr) {
        return std::nullopt;
    }
    Figure figure = maker->make(Fields(dialogTemplate, fields));
    figure.title = dialogTemplate.caption;
    if (!figure.drawable()) {
        figure.description = figure.refusal;
    }
    return figure;
}

}  // namespace figure
