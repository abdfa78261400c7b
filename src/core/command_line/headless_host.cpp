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

std::size_t HeadlessHost::indexOf(int controlId) const {
    // The field asked last, or the one after it; else a search from the start.
    if (last_ < texts_.size() && texts_[last_].id == controlId) {
        return last_;
    }
    if (last_ + 1 < texts_.size() && texts_[last_ + 1].id == controlId) {
        return ++last_;
    }
    for (std::size_t at = 0; at < texts_.size(); ++at) {
        if (texts_[at].id == controlId) {
            return last_ = at;
        }
    }
    return std::string::npos;
}

std::string_view HeadlessHost::shown(int controlId) const {
    const std::size_t at = indexOf(controlId);
    return at != std::string::npos ? std::string_view(texts_[at].text) : std::string_view();
}

std::string HeadlessHost::text(int controlId, std::size_t maxChars) const {
    const std::string_view whole = shown(controlId);
    // A text has no more UTF-16 units than bytes: most need no cut.
    return std::string(maxChars >= whole.size() ? whole
                                                : whole.substr(0, utf8::firstUnitsLength(whole, maxChars)));
}

bool HeadlessHost::shows(int controlId, std::string_view text) const {
    const std::string_view whole = shown(controlId);
    if (whole.size() <= text.size() + 1) {
        return whole == text;
    }
    return whole.substr(0, utf8::firstUnitsLength(whole, text.size() + 1)) == text;
}

HeadlessHost::Field& HeadlessHost::field(int controlId) {
    const std::size_t at = indexOf(controlId);
    Field& found = at != std::string::npos ? texts_[at] : texts_.emplace_back(Field{controlId, {}, 0, {}});
    found.version = ++changes_;
    return found;
}

void HeadlessHost::setText(int controlId, std::string_view text) {
    std::string& held = field(controlId).text;
    // Assigned in place where the text is whole UTF-8, as nearly every text
    // is: the field keeps its memory from one row to the next.
    if (utf8::validLength(text) == text.size()) {
        // Emptied and refilled, which is cheaper than assign's general case.
        held.clear();
        held.append(text);
    } else {
        held = utf8::replaceInvalid(text);
    }
}

void HeadlessHost::appendText(int controlId, std::string_view more) {
    field(controlId).text += utf8::replaceInvalid(more);
}

std::uint64_t HeadlessHost::textVersion(int controlId) const {
    const std::size_t at = indexOf(controlId);
    return at != std::string::npos ? texts_[at].version : 0;
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
    // Refilled, not dropped: a line's texts reuse the last line's memory.
    for (Field& field : texts_) {
        field.text.assign(field.opening);
        field.version = ++changes_;
    }
    messages.clear();
    line_ = line;
}

void HeadlessHost::rememberOpening() {
    for (Field& field : texts_) {
        field.opening = field.text;
    }
}

}  // namespace tool_runner
