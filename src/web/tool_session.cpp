// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "web/tool_session.h"

#include <chrono>

#include "core/commands/command_table.h"
#include "core/figures/svg_writer.h"
#include "core/text/field_table.h"

ToolSession::ToolSession(const ToolCommand& command)
    : command_(command), names_(command), tool_(command.create()) {
    tool_->attach(&host_, tool_->recordsSteps() ? &steps_ : nullptr);
    tool_->writeAllFields();
}

ToolSession::~ToolSession() {
    tool_->attach(nullptr);
}

ToolSession::Outcome ToolSession::outcome(bool used, bool accepted) {
    return Outcome{used, accepted, host_.takeEvents()};
}

ToolSession::Outcome ToolSession::opened() {
    return outcome(false, false);
}

ToolSession::Outcome ToolSession::press(int buttonId) {
    const bool used = tool_->handle(buttonId);
    return outcome(used, false);
}

ToolSession::Outcome ToolSession::key(ToolKey key, char character) {
    const bool used = tool_->handleKey(key, character);
    return outcome(used, false);
}

ToolSession::Outcome ToolSession::confirm() {
    const bool accepted = tool_->readAllFields();
    return outcome(true, accepted);
}

std::vector<std::string> ToolSession::steps() const {
    return steps_.lines();
}

std::string ToolSession::picture() const {
    const std::optional<figure::Figure> figure = command_.picture(host_);
    return figure ? figure::toSvg(*figure) : std::string();
}

std::string ToolSession::allFields() const {
    std::string table;
    for (const tool_runner::NamedControl& field : names_.fields()) {
        table += field_table::line(field.name, host_.text(field.row->id, std::string::npos));
    }
    return table;
}

int ToolSession::gridNeighbour(int buttonId, GridMove move) const {
    const ButtonGrid* grid = command_.dialogTemplate->grid;
    return grid != nullptr ? grid->neighbour(buttonId, move) : kNoId;
}

int ToolSession::typedInGrid(char letter, double milliseconds) {
    const ButtonGrid* grid = command_.dialogTemplate->grid;
    if (grid == nullptr) {
        return kNoId;
    }
    // The page's clock, in the steady clock's terms: only the time between
    // two keys counts.
    const auto now = TypeAhead::Clock::time_point(std::chrono::duration_cast<TypeAhead::Clock::duration>(
        std::chrono::duration<double, std::milli>(milliseconds)));
    return grid->find(typeAhead_.type(letter, now));
}
