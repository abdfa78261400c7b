// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/figures/solver_figures.h"

#include "core/figures/figure_fields.h"
#include "core/templates/dialog_template.h"

namespace figure {

Figure figureOf(Maker make, const DialogTemplate& dialogTemplate, const FieldHost& fields,
                const Wording* wording) {
    const Fields words(dialogTemplate, fields, wording);
    Figure figure = make(words);
    figure.title = words.caption();
    figure.nothing = words.say(figure.nothing.c_str());
    figure.tooFarApart = words.say(figure.tooFarApart.c_str());
    if (!figure.drawable()) {
        figure.description = figure.refusal;
    }
    return figure;
}

}  // namespace figure
