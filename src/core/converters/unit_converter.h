// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>

#include "core/converters/conversion.h"
#include "core/steps/wording.h"
#include "core/tool/tool.h"

// What the nine unit converters share: one input, a row of unit buttons and
// every unit of the quantity shown at once. A unit button computes its row of
// the converter's table; Clear Data zeroes the converter's Clear Data list.
// The derived class owns the values, binds them in its exchange order and maps
// its buttons to OnUnitButton and OnClearData.
template <class T, std::size_t Values, std::size_t Names = 0>
class UnitConverter : public DialogTool<T> {
public:
    using Row = conversion::Row<Values, Names>;

    bool recordsSteps() const override { return true; }

protected:
    enum class ClearList {
        Everything,   // the input too
        ResultsOnly,  // the input keeps the number the read took from it
    };

    // The values a row fills, in the order of the row's formulas and names.
    struct Targets {
        double* input;
        std::array<double*, Values> results;
        std::array<std::string*, Names> names;
    };

    UnitConverter(std::span<const Row> rows, const Targets& targets, ClearList clearList)
        : rows_(rows), targets_(targets), clearList_(clearList) {}

    void OnUnitButton(int buttonId) {
        // The read's outcome is deliberately ignored: after a refused field the
        // row is computed from the values the read left, and the write below
        // replaces the refused text.
        this->readAllFields();
        if (const Row* row = find(buttonId)) {
            this->step(N_("x = %1 %2"), {StepArg::shown(*targets_.input), this->controlName(buttonId)});
            std::array<double, Values> computed{};
            if (StepRecorder* recorder = this->recorder()) {
                const std::array<std::string_view, Values> labels = resultLabels(*row);
                const conversion::RowSteps steps{*recorder, labels};
                conversion::computeRow(row->values, *targets_.input, computed, &steps);
            } else {
                conversion::computeRow(row->values, *targets_.input, computed);
            }
            for (std::size_t i = 0; i < Values; ++i) {
                *targets_.results[i] = computed[i];
            }
            for (std::size_t i = 0; i < Names; ++i) {
                *targets_.names[i] = row->names[i];
            }
        }
        this->writeAllFields();
    }

    void OnClearData() {
        this->readAllFields();
        if (clearList_ == ClearList::Everything) {
            *targets_.input = 0;
        }
        for (double* value : targets_.results) {
            *value = 0;
        }
        for (std::string* name : targets_.names) {
            name->clear();
        }
        this->step(clearList_ == ClearList::Everything
                       ? "Clear Data: every field is set to 0"
                       : "Clear Data: every result is set to 0; the input stays");
        this->writeAllFields();
    }

private:
    // Each result as the window names it: the unit beside it where the row
    // writes one (temperature), else its field's name.
    std::array<std::string_view, Values> resultLabels(const Row& row) {
        if (fieldLabels_[0].empty()) {
            for (std::size_t i = 0; i < Values; ++i) {
                fieldLabels_[i] = fieldOf(targets_.results[i]);
            }
        }
        std::array<std::string_view, Values> labels = fieldLabels_;
        if constexpr (Names > 0) {
            for (std::size_t i = 0; i < Names && i < Values; ++i) {
                labels[i] = row.names[i];
            }
        }
        return labels;
    }

    std::string_view fieldOf(const double* value) const {
        for (const Binding& binding : this->bindings()) {
            if (const auto* bound = std::get_if<double*>(&binding.value);
                bound != nullptr && *bound == value) {
                return this->controlName(binding.controlId);
            }
        }
        return {};
    }

    const Row* find(int buttonId) const {
        for (const Row& row : rows_) {
            if (row.buttonId == buttonId) {
                return &row;
            }
        }
        return nullptr;
    }

    std::span<const Row> rows_;
    Targets targets_;
    std::array<std::string_view, Values> fieldLabels_{};  // found at the first press that records
    ClearList clearList_;
};
