// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "web/web_host.h"

#include "core/steps/wording.h"
#include "core/templates/dialog_template.h"
#include "core/text/utf8.h"

const WebHost::Field* WebHost::find(int controlId) const {
    for (const Field& field : fields_) {
        if (field.id == controlId) {
            return &field;
        }
    }
    return nullptr;
}

WebHost::Field& WebHost::changed(int controlId) {
    for (Field& field : fields_) {
        if (field.id == controlId) {
            field.version = ++changes_;
            return field;
        }
    }
    return fields_.emplace_back(Field{controlId, std::string(), ++changes_});
}

std::string WebHost::text(int controlId, std::size_t maxChars) const {
    const Field* field = find(controlId);
    return field != nullptr ? utf8::firstUnits(field->text, maxChars) : std::string();
}

void WebHost::speak(const Wording* wording, std::span<const char* const> fieldWords) {
    wording_ = wording;
    fieldWords_ = fieldWords;
}

std::string WebHost::inWords(std::string_view text) const {
    for (const char* word : fieldWords_) {
        if (text == word) {
            return wording::of(wording_, text);
        }
    }
    return utf8::replaceInvalid(text);
}

void WebHost::setText(int controlId, std::string_view text) {
    std::string shown = inWords(text);
    changed(controlId).text = shown;
    events_.push_back({Act::Set, controlId, std::move(shown)});
}

void WebHost::appendText(int controlId, std::string_view more) {
    changed(controlId).text += utf8::replaceInvalid(more);
    events_.push_back({Act::Append, controlId, utf8::replaceInvalid(more)});
}

void WebHost::focusAndSelectAll(int controlId) {
    events_.push_back({Act::Focus, controlId, {}});
}

void WebHost::showMessage(std::string_view text) {
    events_.push_back({Act::Message, kNoId, wording::of(wording_, text)});
}

std::uint64_t WebHost::textVersion(int controlId) const {
    const Field* field = find(controlId);
    return field != nullptr ? field->version : 0;
}

void WebHost::typed(int controlId, std::string_view text) {
    const Field* field = find(controlId);
    // The page tells every field before a press; only a change is a new version.
    if (field == nullptr || field->text != text) {
        changed(controlId).text = utf8::replaceInvalid(text);
    }
}

std::vector<WebHost::Event> WebHost::takeEvents() {
    std::vector<Event> events;
    events.swap(events_);
    return events;
}
