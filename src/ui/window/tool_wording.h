// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include "core/steps/wording.h"

// The words of a tool's worked steps and pictures in the user's language:
// a text marked for them is looked up among the steps' and pictures' words,
// anything else (a field's name, a unit's caption put into a step) among the
// tool's own; a text that no catalogue has stays as written.
class ToolWording : public Wording {
public:
    explicit ToolWording(const char* context) : context_(context) {}
    std::string operator()(std::string_view text) const override;

private:
    const char* context_;
};
