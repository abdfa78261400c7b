// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "web/tool_session.h"

#include <chrono>
#include <utility>

#include "core/commands/command_table.h"
#include "core/figures/svg_writer.h"
#include "core/text/field_table.h"
#include "core/text/result_words.h"
#include "web/page_language.h"

ToolSession::ToolSession(const ToolCommand& command)
    : command_(command),
      names_(command),
      wording_(pageLanguage(), command.className),
      tool_(command.create()) {
    host_.speak(&wording_, tool_->fieldWords());
    tool_->attach(&host_, tool_->recordsSteps() ? &steps_ : nullptr);
    tool_->writeAllFields();
}

ToolSession::~ToolSession() {
    tool_->attach(nullptr);
}

ToolSession::Outcome ToolSession::outcome(bool used, bool accepted) {
    Outcome done{used, accepted, host_.takeEvents()};
    // A field given back focused after a refusal is read where it is.
    for (const WebHost::Event& event : done.events) {
        if (event.act == WebHost::Act::Focus) {
            readThere_ = event.controlId;
        }
    }
    return done;
}

std::vector<std::string> ToolSession::fieldTexts() const {
    std::vector<std::string> texts;
    for (const tool_runner::NamedControl& field : names_.fields()) {
        texts.push_back(host_.text(field.row->id, std::string::npos));
    }
    return texts;
}

void ToolSession::starting(std::string word) {
    before_ = fieldTexts();
    word_ = std::move(word);
    readThere_ = kNoId;
}

std::string ToolSession::announcement(std::string_view postscript) {
    const std::vector<std::string> before = std::exchange(before_, {});
    if (before.empty()) {
        return {};
    }
    const std::vector<std::string> after = fieldTexts();
    // The fields by their names in the page's language, as the reader knows them.
    std::vector<std::string> names;
    for (const tool_runner::NamedControl& field : names_.fields()) {
        names.push_back(pageWord(command_.className, field.name.c_str()));
    }
    std::vector<result_words::Field> fields;
    for (std::size_t index = 0; index < names_.fields().size(); ++index) {
        const ControlTemplate& row = *names_.fields()[index].row;
        fields.push_back({names[index], before[index], after[index], (row.flags & cf::MultiLine) == 0,
                          row.id == readThere_});
    }
    return result_words::changes(fields, command_.dialogTemplate->sheet, word_, postscript,
                                 pageWord("ResultAnnouncer", "blank"));
}

ToolSession::Outcome ToolSession::opened() {
    return outcome(false, false);
}

ToolSession::Outcome ToolSession::press(int buttonId) {
    starting();
    const bool used = tool_->handle(buttonId);
    return outcome(used, false);
}

ToolSession::Outcome ToolSession::key(ToolKey key, char character) {
    // A sign's key is heard as the word its button is described by ("times").
    std::string word;
    const int pressed = tool_->keyControl(key, character);
    for (const ControlTemplate& row : command_.dialogTemplate->controls) {
        if (pressed != kNoId && row.id == pressed && row.description != nullptr) {
            word = pageWord(command_.className, row.description);
        }
    }
    starting(std::move(word));
    const bool used = tool_->handleKey(key, character);
    return outcome(used, false);
}

ToolSession::Outcome ToolSession::confirm() {
    starting();
    const bool accepted = tool_->readAllFields();
    return outcome(true, accepted);
}

std::vector<std::string> ToolSession::steps() const {
    return steps_.lines(&wording_);
}

std::string ToolSession::picture() const {
    const std::optional<figure::Figure> figure = command_.picture(host_, &wording_);
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
