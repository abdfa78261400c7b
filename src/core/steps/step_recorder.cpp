// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/steps/step_recorder.h"

#include <algorithm>
#include <stdexcept>

#include "core/steps/wording.h"
#include "core/templates/dialog_template.h"
#include "core/text/charconv_shim.h"
#include "core/text/general_format.h"
#include "core/text/number_text.h"
#include "core/text/pattern.h"
#include "core/text/utf8.h"

namespace {

// Enough of a typed text to recognise it; a longer one is cut with '…'.
constexpr std::size_t kQuotedUnits = 24;

bool endsWithOperator(const std::string& text) {
    std::string_view rest(text);
    while (rest.ends_with(' ')) {
        rest.remove_suffix(1);
    }
    for (const std::string_view op : {"×", "÷", "+", "−", "√"}) {
        if (rest.ends_with(op)) {
            return true;
        }
    }
    return false;
}

std::string quoted(std::string_view text) {
    const std::string whole = utf8::replaceInvalid(text);
    std::string cut = utf8::firstUnits(whole, kQuotedUnits);
    const bool shortened = cut.size() < whole.size();
    return "'" + utf8::escaped(cut) + (shortened ? "…'" : "'");
}

}  // namespace

void StepRecorder::restart(const DialogTemplate* dialog) {
    used_ = 0;
    dropped_ = 0;
    dialog_ = dialog;
}

StepRecorder::Entry* StepRecorder::next() {
    if (used_ == kMaxLines) {
        ++dropped_;
        return nullptr;
    }
    if (used_ == entries_.size()) {
        entries_.emplace_back();
    }
    return &entries_[used_++];
}

std::span<StepArg> StepRecorder::begin(std::string_view pattern, std::size_t count) {
    if (count > kMaxArgs) {
        throw std::length_error("a step takes at most eighteen values");
    }
    Entry* entry = next();
    if (entry == nullptr) {
        return {};
    }
    entry->pattern = pattern;
    entry->count = count;
    entry->text.clear();
    return {entry->args.data(), count};
}

void StepRecorder::add(std::string_view pattern, std::span<const StepArg> args) {
    const std::span<StepArg> slots = begin(pattern, args.size());
    std::copy(args.begin(), args.begin() + static_cast<std::ptrdiff_t>(slots.size()), slots.begin());
    const auto typed = std::find_if(slots.begin(), slots.end(),
                                    [](const StepArg& arg) { return arg.kind() == StepArg::Kind::Typed; });
    if (typed != slots.end()) {
        // Enough to quote it when the steps are read; a few bytes more than
        // are shown tell that it was cut.
        entries_[used_ - 1].text.assign(typed->word().substr(0, kQuotedUnits * 4 + 4));
        *typed = StepArg::typed({});  // the caller's text may go
    }
}

std::vector<std::string> StepRecorder::lines(const Wording* wording) const {
    std::vector<std::string> out;
    const std::size_t shown = dropped_ == 0 ? used_ : used_ - 1;
    out.reserve(used_);
    for (std::size_t i = 0; i < shown; ++i) {
        out.push_back(render(entries_[i], wording));
    }
    if (dropped_ != 0) {
        out.push_back(wording::fill(wording, N_("… %1 more steps left out, to keep to one screen"),
                                    {std::to_string(dropped_ + 1)}));
    }
    return out;
}

std::string StepRecorder::fieldName(int controlId) const {
    if (dialog_ != nullptr) {
        for (const ControlTemplate& row : dialog_->controls) {
            if (row.id == controlId && row.kind == ControlKind::Edit && row.name != nullptr) {
                return row.name;
            }
        }
    }
    return "#" + std::to_string(controlId);
}

std::string_view StepRecorder::exactText(double value) const {
    const auto bits = charconv::bit_cast<std::uint64_t>(value);
    NumberText& kept = numberTexts_[(bits ^ (bits >> 29) ^ (bits >> 47)) % numberTexts_.size()];
    if (kept.size == 0 || kept.bits != bits) {
        numtext::GeneralText buffer;
        const std::string_view text = numtext::formatExact(value, buffer);
        kept.bits = bits;
        kept.size = static_cast<std::uint8_t>(std::min(text.size(), kept.text.size()));
        std::copy_n(text.data(), kept.size, kept.text.data());
    }
    return {kept.text.data(), kept.size};
}

std::string StepRecorder::render(const Entry& entry, const Wording* wording) const {
    // Without a wording the pattern is read where it stands.
    const std::string words = wording != nullptr ? wording::of(wording, entry.pattern) : std::string();
    return pattern::fill(wording != nullptr ? std::string_view(words) : entry.pattern, entry.count,
                         [&](std::string& line, std::size_t index, std::string_view after) {
                             appendValue(line, entry, entry.args[index], after, wording);
                         });
}

void StepRecorder::appendValue(std::string& line, const Entry& entry, const StepArg& value,
                               std::string_view after, const Wording* wording) const {
    // Numbers are written into buffers on the stack, and the rounded text of
    // a field compared with the exact one once.
    std::string integer;
    std::string_view text;
    switch (value.kind()) {
        case StepArg::Kind::Number:
        case StepArg::Kind::Shown:
            text = exactText(value.number());
            break;
        case StepArg::Kind::Integer:
            integer = numtext::formatInt(value.integer());
            text = integer;
            break;
        case StepArg::Kind::Word:
            line += wording::of(wording, value.word());
            return;
        case StepArg::Kind::Field:
            line += wording::of(wording, fieldName(value.integer()));
            return;
        case StepArg::Kind::Typed:
            line += quoted(entry.text);
            return;
    }
    const bool bracketed = text.starts_with('-') && (after.starts_with("²") || endsWithOperator(line));
    line.append(bracketed ? "(" : "").append(text).append(bracketed ? ")" : "");
    if (value.kind() == StepArg::Kind::Shown) {
        numtext::GeneralText shown;
        const std::string_view field = numtext::formatDouble(value.number(), shown);
        if (field != text) {
            line.append(" ≈ ").append(field);
        }
    }
}
