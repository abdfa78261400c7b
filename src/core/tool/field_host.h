// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What field exchange needs from a window: the four platform operations.
// The program implements it with its edit controls and message boxes; tests
// implement it with a map of texts.
class FieldHost {
public:
    virtual ~FieldHost() = default;

    // The control's text, at most maxChars characters of it (the fixed read
    // buffers of double and integer fields); npos reads it whole.
    virtual std::string text(int controlId, std::size_t maxChars) const = 0;
    virtual void setText(int controlId, std::string_view text) = 0;
    // Whether the control's text is this text, as far as its first
    // text.size() + 2 UTF-16 units tell: what field exchange asks before it
    // sets a text. Two more, since a character of two units after the text
    // ("0😀" against "0") would not be handed over in part. A window that
    // holds its texts can answer without a copy.
    virtual bool shows(int controlId, std::string_view text) const {
        return this->text(controlId, text.size() + 2) == text;
    }
    // Sets the text where the control does not show it already, so that an
    // unchanged field does not flicker; true when it was set. A window that
    // holds its texts can ask and set in one look.
    virtual bool update(int controlId, std::string_view text) {
        if (shows(controlId, text)) {
            return false;
        }
        setText(controlId, text);
        return true;
    }
    // text() into a string the caller keeps, whose memory a window that holds
    // its texts can reuse.
    virtual void readText(int controlId, std::size_t maxChars, std::string& into) const {
        into = text(controlId, maxChars);
    }
    // The control's text as text() gives it, for a read that only looks at
    // it: a window that holds its texts hands over its own, valid until a
    // text changes; others read it into scratch.
    virtual std::string_view peek(int controlId, std::size_t maxChars, std::string& scratch) const {
        readText(controlId, maxChars, scratch);
        return scratch;
    }
    virtual void focusAndSelectAll(int controlId) = 0;
    // A modal message box: caption "Brimlet 5", exclamation icon, one OK.
    virtual void showMessage(std::string_view text) = 0;

    // A number that changes whenever the control's text changes, by any
    // means; 0 where the window keeps none. With it, a long text that only
    // grows is exchanged by what it added (TextLog).
    virtual std::uint64_t textVersion(int /*controlId*/) const { return 0; }
    // Adds text at the end of the control's text.
    virtual void appendText(int controlId, std::string_view more) {
        setText(controlId, text(controlId, std::string::npos) + std::string(more));
    }
};
