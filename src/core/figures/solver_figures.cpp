#include "core/figures/solver_figures.h"

#include "core/dialog/dialog_template.h"
#include "core/figures/figure_fields.h"

namespace figure {

Figure figureOf(Maker make, const DialogTemplate& dialogTemplate, const FieldHost& fields) {
    Figure figure = make(Fields(dialogTemplate, fields));
    figure.title = dialogTemplate.caption;
    if (!figure.drawable()) {
        figure.description = figure.refusal;
    }
    return figure;
}

}  // namespace figure
