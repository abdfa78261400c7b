// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>

class ButtonGrid;

enum class ControlKind {
    Edit,        // single- or multi-line edit control
    PushButton,  // ordinary push button
    UnitButton,  // auto radio button drawn as a push button, in the dialog's one unit group
    GroupBox,    // frame with an optional caption, drawn behind the controls
    Label,       // static text
    Icon,        // static icon (the program icon)
};

// Style flags of a control, as the template gives them.
namespace cf {
enum : unsigned {
    TabStop = 1u << 0,
    Default = 1u << 1,  // the dialog's default push button
    Flat = 1u << 2,     // thin one-line frame instead of the 3-D bevel
    ReadOnly = 1u << 3,
    MultiLine = 1u << 4,
    RightAlign = 1u << 5,  // edit text aligned right
    NoBorder = 1u << 6,
    AutoHScroll = 1u << 7,  // edit scrolls horizontally as the user types
    HScrollBar = 1u << 8,   // edit shows a horizontal scroll bar
    Center = 1u << 9,       // static text centred
    NoPrefix = 1u << 10,    // static text shows '&' literally
    // Part of a block that reads left to right in any language (a keypad, a
    // table of elements): a mirrored window moves the block as a whole.
    KeepOrder = 1u << 11,
};
}

// The flag sets that most controls share.
namespace style {
inline constexpr unsigned kInputField = cf::TabStop | cf::AutoHScroll;  // an edit that Tab stops at
inline constexpr unsigned kOutputField = cf::AutoHScroll;               // an edit that Tab passes by
inline constexpr unsigned kButton = cf::TabStop | cf::Flat;
inline constexpr unsigned kDefaultButton = cf::Default | cf::TabStop | cf::Flat;
}  // namespace style

inline constexpr int kNoId = -1;  // static decoration: group box or label

struct ControlTemplate {
    int id;  // kNoId for static decoration
    ControlKind kind;
    const char* caption;
    int x, y, w, h;  // dialog units
    unsigned flags;
    // What a screen reader speaks: a button's caption, the label beside an
    // edit field or its role. None for decoration, which speaks its caption.
    const char* name = nullptr;
    // What a screen reader adds to the name where the caption alone leaves
    // the button's work unsaid ("<<", "Sto").
    const char* description = nullptr;
};

enum class DialogStyle {
    Tool,   // popup with caption, system menu, close and minimise boxes, fixed size
    About,  // popup with a thin border and no caption bar
};

struct DialogTemplate {
    int id;
    const char* caption;
    int width, height;  // dialog units
    DialogStyle style;
    std::span<const ControlTemplate> controls;  // in template order = tab order
    // Buttons that stand as a table and are walked as one; none in most templates.
    const ButtonGrid* grid = nullptr;
    // What a screen reader calls the window where the caption does not say
    // (the Roman numeral window is captioned "Dialog"); none: the caption.
    const char* name = nullptr;
    // A reference sheet: each press shows a whole entry, so a screen reader
    // hears every field of it, not only those that changed.
    bool sheet = false;
};
