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

// The first maxChars characters of a text, as a field hands them over; a text
// has no more UTF-16 units than bytes, so most need no counting, and the test
// for it is made where the text is handed over.
[[gnu::noinline]] std::string_view cut(std::string_view whole, std::size_t maxChars) {
    return whole.substr(0, utf8::firstUnitsLength(whole, maxChars));
}
inline std::string_view firstChars(std::string_view whole, std::size_t maxChars) {
    return maxChars >= whole.size() ? whole : cut(whole, maxChars);
}

// Assigned in place where the text is whole UTF-8, as nearly every text is:
// the field keeps its memory from one row to the next.
void assign(std::string& held, std::string_view text) {
    if (utf8::validLength(text) == text.size()) {
        // Emptied and refilled, which is cheaper than assign's general case.
        held.clear();
        held.append(text);
    } else {
        held = utf8::replaceInvalid(text);
    }
}

}  // namespace

std::size_t HeadlessHost::find(int controlId) const {
    Place& place = places_[static_cast<unsigned>(controlId) % places_.size()];
    place = {controlId, std::string::npos};
    for (std::size_t at = 0; at < texts_.size(); ++at) {
        if (texts_[at].id == controlId) {
            place.at = at;
            break;
        }
    }
    return place.at;
}

std::string HeadlessHost::text(int controlId, std::size_t maxChars) const {
    return std::string(firstChars(shown(controlId), maxChars));
}

void HeadlessHost::readText(int controlId, std::size_t maxChars, std::string& into) const {
    const std::string_view text = firstChars(shown(controlId), maxChars);
    into.clear();
    into.append(text);
}

std::string_view HeadlessHost::peek(int controlId, std::size_t maxChars, std::string& /*scratch*/) const {
    return firstChars(shown(controlId), maxChars);
}

// The whole text is compared: counting characters would stop short of a
// character that takes two UTF-16 units, and a field showing "0😀" would be
// taken to show "0".
bool HeadlessHost::shows(int controlId, std::string_view text) const {
    return shown(controlId) == text;
}

HeadlessHost::Field& HeadlessHost::field(int controlId) {
    std::size_t at = indexOf(controlId);
    if (at == std::string::npos) {
        at = places_[static_cast<unsigned>(controlId) % places_.size()].at = texts_.size();
        texts_.push_back(Field{controlId, {}, 0, {}, false});
    }
    Field& found = texts_[at];
    found.version = ++changes_;
    found.changed = true;
    return found;
}

void HeadlessHost::setText(int controlId, std::string_view text) {
    assign(field(controlId).text, text);
}

void HeadlessHost::appendText(int controlId, std::string_view more) {
    std::string& held = field(controlId).text;
    if (utf8::validLength(more) == more.size()) {
        held += more;
    } else {
        held += utf8::replaceInvalid(more);
    }
}

bool HeadlessHost::update(int controlId, std::string_view text) {
    // One look for both the question and the answer.
    const std::size_t at = indexOf(controlId);
    if (at == std::string::npos) {
        if (text.empty()) {
            return false;
        }
        setText(controlId, text);
        return true;
    }
    Field& found = texts_[at];
    if (found.text == text) {
        return false;
    }
    found.version = ++changes_;
    found.changed = true;
    assign(found.text, text);
    return true;
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
    // A field the line left alone already shows its opening text.
    for (Field& field : texts_) {
        if (field.changed) {
            field.text.assign(field.opening);
            field.version = ++changes_;
            field.changed = false;
        }
    }
    messages.clear();
    line_ = line;
}

void HeadlessHost::rememberOpening() {
    for (Field& field : texts_) {
        field.opening = field.text;
        field.changed = false;
    }
}

}  // namespace tool_runner
