// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <algorithm>
#include <cmath>

#include "core/figures/figure_fields.h"
#include "core/solvers/uncert.h"

namespace figure {

namespace {

struct Row {
    FieldNumber value;
    FieldNumber uncertainty;
    bool percent;
    double low = 0;
    double high = 0;
    std::string why;
};

Row rowOf(const Fields& fields, int valueId, int uncertaintyId, bool percent) {
    Row row{fields.number(valueId), fields.number(uncertaintyId), percent, 0, 0, {}};
    row.why = row.value.whyNot();
    if (row.why.empty()) {
        row.why = row.uncertainty.whyNot();
    }
    if (row.why.empty()) {
        // The percent row's half-width is what "Calculate Abs. Uncertainty" gives.
        const double half =
            std::abs(percent ? row.uncertainty.value / 100 * row.value.value : row.uncertainty.value);
        row.low = row.value.value - half;
        row.high = row.value.value + half;
    }
    return row;
}

}  // namespace

Figure uncertaintyFigure(const Fields& fields) {
    Figure figure;
    Row rows[] = {rowOf(fields, Uncert::kValue1, Uncert::kPercent1, true),
                  rowOf(fields, Uncert::kValue2, Uncert::kAbsUncertainty2, false)};
    Bounds bounds;
    for (const Row& row : rows) {
        if (row.why.empty()) {
            bounds.add({row.low, 0});
            bounds.add({row.high, 0});
        }
    }
    if (bounds.empty) {
        figure.refusal = rows[0].why;
        return figure;
    }
    const double magnitude = std::max(std::abs(bounds.left), std::abs(bounds.right));
    // Room beside the intervals; a single point still gets a stretch of the line.
    const double pad = std::max({bounds.width() * 0.15, magnitude * 1e-6, magnitude == 0 ? 1.0 : 0.0});
    figure.view = {bounds.left - pad, 0, bounds.right + pad, 3};
    figure.equalScale = false;
    figure.polylines.push_back({{{figure.view.left, 0.5}, {figure.view.right, 0.5}}, Role::Axis});

    std::string description = fields.say(N_("Number line"));
    const char* const kRows[] = {N_("%1; first value %2, from %3 to %4"),
                                 N_("%1; second value %2, from %3 to %4")};
    for (int i = 0; i < 2; ++i) {
        const Row& row = rows[i];
        if (!row.why.empty()) {
            figure.notes.push_back(row.why);
            continue;
        }
        const double y = i == 0 ? 2.2 : 1.4;
        const std::string interval =
            row.percent ? fields.say(N_("%1 \u00B1 %2 %"), {row.value.text, row.uncertainty.text})
                        : fields.say(N_("%1 \u00B1 %2"), {row.value.text, row.uncertainty.text});
        const std::string low = numberText(row.low);
        const std::string high = numberText(row.high);
        figure.polylines.push_back({{{row.low, y}, {row.high, y}}, Role::Shape});
        for (const double end : {row.low, row.high}) {
            figure.polylines.push_back({{{end, y - 0.12}, {end, y + 0.12}}, Role::Shape});
            figure.polylines.push_back({{{end, y}, {end, 0.5}}, Role::Guide});
        }
        figure.markers.push_back({{row.value.value, y}, Role::Result});
        figure.labels.push_back({{row.value.value, y + 0.12},
                                 fields.say(N_("%1: %2"), {row.value.name, interval}),
                                 Place::Above});
        figure.labels.push_back(
            {{row.low, 0.5}, low, row.low == row.high ? Place::Below : Place::BelowLeft, Role::Dimension});
        if (row.low != row.high) {
            figure.labels.push_back({{row.high, 0.5}, high, Place::BelowRight, Role::Dimension});
        }
        description = fields.say(kRows[i], {description, interval, low, high});
    }
    if (const std::string result = fields.text(Uncert::kResult); !result.empty()) {
        figure.notes.push_back(fields.say(N_("Result: %1"), {result}));
    }
    figure.description = description;
    return figure;
}

}  // namespace figure
