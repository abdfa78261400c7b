#include "core/app/headless_host.h"

#include <ostream>

#include "core/dialog/utf8.h"

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
    for (const auto& [id, text] : texts_) {
        if (id == controlId) {
            return utf8::firstUnits(text, maxChars);
        }
    }
    return {};
}

void HeadlessHost::setText(int controlId, std::string_view text) {
    // A running log (the advanced calculator's history) is written back whole
    // at every press, having grown at its end if at all: only what is new is
    // looked at, or a long run of presses would take time in their square.
    std::string* found = nullptr;
    for (auto& [id, text] : texts_) {
        if (id == controlId) {
            found = &text;
        }
    }
    std::string& stored = found != nullptr ? *found : texts_.emplace_back(controlId, std::string()).second;
    if (text.size() >= stored.size() && text.starts_with(stored)) {
        stored += utf8::replaceInvalid(text.substr(stored.size()));
    } else {
        stored = utf8::replaceInvalid(text);
    }
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
    for (auto& entry : texts_) {
        entry.second.clear();
    }
    messages.clear();
    line_ = line;
}

}  // namespace tool_runner
