// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/tool/field_host.h"

class Wording;

// A tool window of the page, as the core sees it. A handler runs to its end
// at once; what it does to the window (texts set, a field focused, a box
// shown) is kept in order, and the page plays it back: each box waits for its
// OK before what the handler did after it shows, as on the desktop, while the
// page itself never waits.
class WebHost : public FieldHost {
public:
    enum class Act { Set, Append, Focus, Message };
    struct Event {
        Act act;
        int controlId;
        std::string text;
    };

    std::string text(int controlId, std::size_t maxChars) const override;
    void setText(int controlId, std::string_view text) override;
    void appendText(int controlId, std::string_view more) override;
    void focusAndSelectAll(int controlId) override;
    void showMessage(std::string_view text) override;
    std::uint64_t textVersion(int controlId) const override;

    // The words of the window in the page's language: its boxes' texts, and
    // the words the tool writes into fields ("No data entered."), which the
    // field then holds as the desktop's does.
    void speak(const Wording* wording, std::span<const char* const> fieldWords);

    // What the user typed into a field: no event, since the page shows it already.
    void typed(int controlId, std::string_view text);

    // The events since the last call, oldest first.
    std::vector<Event> takeEvents();

private:
    struct Field {
        int id;
        std::string text;
        std::uint64_t version;
    };
    const Field* find(int controlId) const;
    Field& changed(int controlId);

    std::string inWords(std::string_view text) const;

    const Wording* wording_ = nullptr;
    std::span<const char* const> fieldWords_;
    std::vector<Field> fields_;
    std::vector<Event> events_;
    std::uint64_t changes_ = 0;
};
