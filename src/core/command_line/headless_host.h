// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "core/templates/dialog_template.h"
#include "core/tool/field_host.h"

namespace tool_runner {

// The window's four platform operations, on texts alone. A message goes to
// err as it is shown, and the run goes on as if OK had been clicked.
class HeadlessHost : public FieldHost {
public:
    explicit HeadlessHost(std::ostream& err) : err_(err) {}

    std::string text(int controlId, std::size_t maxChars) const override;
    void setText(int controlId, std::string_view text) override;
    bool shows(int controlId, std::string_view text) const override;
    bool update(int controlId, std::string_view text) override;
    void readText(int controlId, std::size_t maxChars, std::string& into) const override;
    std::string_view peek(int controlId, std::size_t maxChars, std::string& scratch) const override;
    void focusAndSelectAll(int) override {}
    void showMessage(std::string_view text) override;
    std::uint64_t textVersion(int controlId) const override;
    void appendText(int controlId, std::string_view more) override;

    // The whole text of a field, as text(controlId, npos) gives it, without
    // a copy: valid until the text changes.
    std::string_view shown(int controlId) const {
        const std::size_t at = indexOf(controlId);
        return at != std::string::npos ? std::string_view(texts_[at].text) : std::string_view();
    }

    // Forgets every text and message, for a fresh tool on the given input line
    // (0: no input line), whose number then goes with each message. The texts
    // go back to those rememberOpening() kept (the others to empty), so that
    // a fresh tool's opening write finds its texts in place and sets none.
    void clear(std::size_t line);
    // Keeps the texts as a fresh tool's opening write left them on a cleared host.
    void rememberOpening();

    std::vector<std::string> messages;

private:
    struct Field {
        int id;
        std::string text;
        std::uint64_t version;
        std::string opening;
        // Set since the last clear().
        bool changed;
    };
    Field& field(int controlId);
    // The field's place in texts_, or npos: nearly always where it was last
    // found, and otherwise looked for.
    std::size_t indexOf(int controlId) const {
        const Place& place = places_[static_cast<unsigned>(controlId) % places_.size()];
        return place.id == controlId ? place.at : find(controlId);
    }
    std::size_t find(int controlId) const;
    // By control id; a tool has a few dozen fields at most. Where each was
    // last found, or that it is not there, is kept by its id's last byte,
    // which tells a tool's fields apart (their ids lie within a few hundred):
    // nearly every lookup is one.
    std::vector<Field> texts_;
    struct Place {
        int id = kNoId;
        std::size_t at = std::string::npos;
    };
    mutable std::array<Place, 256> places_{};
    // Counts every change of a text, so that a version is never given twice.
    std::uint64_t changes_ = 0;
    std::ostream& err_;
    std::size_t line_ = 0;
};

}  // namespace tool_runner
