#pragma once

#include <cstddef>
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
    virtual void focusAndSelectAll(int controlId) = 0;
    // A modal message box: caption "Brimlet 5", exclamation icon, one OK.
    virtual void showMessage(std::string_view text) = 0;
};
