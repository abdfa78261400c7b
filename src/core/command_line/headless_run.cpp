// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/command_line/headless_run.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <ostream>

#include "core/command_line/json_writer.h"
#include "core/commands/command_table.h"
#include "core/figures/svg_writer.h"
#include "core/text/field_table.h"
#include "core/tool/field_exchange.h"
#include "core/tool/tool.h"

namespace tool_runner {

HeadlessRun::HeadlessRun(const ControlNames& names, std::ostream& err)
    : command_(names.command()), names_(names), host_(err), tool_(command_.create()) {
    tool_->attach(&host_);
    tool_->writeAllFields();
}

HeadlessRun::~HeadlessRun() {
    tool_->attach(nullptr);
}

void HeadlessRun::restart(std::size_t line) {
    tool_->attach(nullptr);
    host_.clear(line);
    tool_->renew();
    tool_->attach(&host_, steps_.get());
    if (steps_) {
        steps_->restart(nullptr);
    }
    // A fresh tool is made from nothing but its class, so it opens with the
    // same texts on every line: from the second line on, the host is cleared
    // to the texts its first opening write left, and the write is left out.
    if (!openingKept_) {
        tool_->writeAllFields();
        host_.rememberOpening();
        openingKept_ = true;
    }
}

void HeadlessRun::refuseLongLine(int fieldId, std::size_t limit) {
    host_.showMessage("the line is longer than the field takes (" + std::to_string(limit) + " characters)");
    if (steps_) {
        steps_->restart(command_.dialogTemplate);
        steps_->add("%1: the line is longer than the field takes (%2 characters): nothing is set or pressed",
                    {StepArg::field(fieldId), static_cast<int>(limit)});
    }
}

void HeadlessRun::recordSteps() {
    steps_ = std::make_unique<StepRecorder>();
    tool_->attach(&host_, steps_.get());
}

void HeadlessRun::printSteps(std::ostream& out, std::size_t line) const {
    // The line's number once, written by hand: a stream's number formatting
    // asks its locale every time.
    std::array<char, 24> number{};
    std::streamsize size = 0;
    if (line != 0) {
        char* const end = std::to_chars(number.data(), number.data() + number.size() - 1, line).ptr;
        *end = '\t';
        size = end + 1 - number.data();
    }
    for (const std::string& step : steps_->lines()) {
        out.write(number.data(), size);
        out.write(step.data(), static_cast<std::streamsize>(step.size()));
        out.put('\n');
    }
}

void HeadlessRun::chooseFields(std::span<const int> fieldIds) {
    rowFields_.clear();
    for (const NamedControl& field : names_.fields()) {
        if (fieldIds.empty()) {
            rowFields_.push_back(&field);
        }
    }
    for (const int id : fieldIds) {
        for (const NamedControl& field : names_.fields()) {
            if (field.row->id == id) {
                rowFields_.push_back(&field);
            }
        }
    }
}

std::size_t HeadlessRun::enteredLimit(int fieldId) const {
    for (const Binding& binding : tool_->bindings()) {
        if (binding.controlId == fieldId) {
            return exchange::enteredLimit(binding.kind());
        }
    }
    return exchange::kUserTextLimit;
}

void HeadlessRun::printHeader(std::ostream& out) const {
    std::vector<std::string> names;
    for (const NamedControl* field : rowFields_) {
        names.push_back(field->name);
    }
    out << field_table::row(names);
}

void HeadlessRun::printRow(std::ostream& out, bool json, std::size_t line, bool blank) const {
    if (json) {
        std::vector<json_writer::Field> fields;
        fields.reserve(rowFields_.size());
        for (const NamedControl* field : rowFields_) {
            fields.push_back(
                {field->row->id, field->name, blank ? std::string_view() : host_.shown(field->row->id)});
        }
        const std::vector<std::string> steps = steps_ ? steps_->lines() : std::vector<std::string>();
        json_writer::writeResult(out, command_.className, fields, host_.messages, line,
                                 steps_ ? &steps : nullptr);
        return;
    }
    // One row, put together in memory that the rows before left (grown, never
    // filled anew) and written at once.
    std::size_t most = rowFields_.size() + 3;
    for (const NamedControl* field : rowFields_) {
        most += blank ? 0 : field_table::mostCellBytes(host_.shown(field->row->id));
    }
    if (row_.size() < most) {
        row_.resize(std::max(most, 2 * row_.size()));
    }
    char* const start = row_.data();
    char* end = start;
    for (std::size_t i = 0; i < rowFields_.size(); ++i) {
        if (i != 0) {
            *end++ = '\t';
        }
        end = field_table::writeCell(end, blank ? std::string_view() : host_.shown(rowFields_[i]->row->id));
    }
    // A row of one empty cell is written as "", not as a row of none.
    if (end == start && rowFields_.size() == 1) {
        *end++ = '"';
        *end++ = '"';
    }
    *end++ = '\n';
    // Straight into the stream's buffer: a failed write marks the stream as
    // write() would, and the run stops at the next line.
    const auto size = static_cast<std::streamsize>(end - start);
    if (!out || out.rdbuf()->sputn(start, size) != size) {
        out.setstate(std::ios::badbit);
    }
}

void HeadlessRun::press(int buttonId) {
    tool_->handle(buttonId);
}

void HeadlessRun::keys(std::string_view text) {
    for (const char c : text) {
        ToolKey key = ToolKey::Character;
        if (c == '\n' || c == '\r') {
            key = ToolKey::Enter;
        } else if (c == '\b') {
            key = ToolKey::Backspace;
        } else if (c == '\x7f') {
            key = ToolKey::Delete;
        } else if (c <= ' ' || c > '~') {
            continue;
        }
        if (tool_->handleKey(key, c) || key != ToolKey::Enter) {
            continue;
        }
        const ControlTemplate* fallback = names_.defaultButton();
        if (fallback != nullptr) {
            tool_->handle(fallback->id);
        } else {
            tool_->readAllFields();
        }
    }
}

void HeadlessRun::run(const Step& step) {
    switch (step.verb) {
        case Verb::Set:
            set(step.id, step.value);
            break;
        case Verb::Press:
            press(step.id);
            break;
        case Verb::Keys:
            keys(step.value);
            break;
    }
}

void HeadlessRun::print(std::ostream& out, bool json) const {
    if (!json) {
        for (const NamedControl& field : names_.fields()) {
            out << field_table::line(field.name, host_.shown(field.row->id));
        }
        return;
    }
    std::vector<json_writer::Field> fields;
    for (const NamedControl& field : names_.fields()) {
        fields.push_back({field.row->id, field.name, host_.shown(field.row->id)});
    }
    const std::vector<std::string> steps = steps_ ? steps_->lines() : std::vector<std::string>();
    json_writer::writeResult(out, command_.className, fields, host_.messages, 0, steps_ ? &steps : nullptr);
}

std::string HeadlessRun::svg() const {
    return figure::toSvg(*command_.picture(host_));
}

}  // namespace tool_runner
