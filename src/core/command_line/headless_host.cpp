// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/command_line/headless_host.h"

#include <ostream>

#include "core/text/utf8.h"

namespace tool_runner {

namespace {

std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

}  // namespace

std::string HeadlessHost::text(int controlId, std::size_t maxChars) const {
    for (const Field& field : texts_) {
        if (field.id == controlId) {
            return utf8::firstUnits(field.text, maxChars);
        }
    }
    return {};
}

HeadlessHost::Field& HeadlessHost::field(int controlId) {
    for (Field& field : texts_) {
        if (field.id == controlId) {
            field.version = ++changes_;
            return field;
        }
    }
    return texts_.emplace_back(Field{controlId, std::string(), ++changes_});
}

void HeadlessHost::setText(int controlId, std::string_view text) {
    field(controlId).text = utf8::replaceInvalid(text);
}

void HeadlessHost::appendText(int controlId, std::string_view more) {
    field(controlId).text += utf8::replaceInvalid(more);
}

std::uint64_t HeadlessHost::textVersion(int controlId) const {
    for (const Field& field : texts_) {
        if (field.id == controlId) {
            return field.version;
        }
    }
    return 0;
}

void HeadlessHost::showMessage(std::string_view text) {
    messages.emplace_back(text);
    // One write per message, so that lines from several runs sharing the
    // terminal never mix.
    std::string shown = "brimlet: ";
    if (line_ != 0) {
        shown += "line " + std::to_string(line_) + ": ";
    }
    shown += oneLine(std::string(text)) + '\n';
    err_ << shown;
}

void HeadlessHost::clear(std::size_t line) {
    // Emptied, not dropped: a line's texts reuse the last line's memory.
    for (Field& field : texts_) {
        field.text.clear();
        field.version = ++changes_;
    }
    messages.clear();
    line_ = line;
}

}  // namespace tool_runner
