// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "support/fake_host.h"

// Key sequences for the calculator tests, written as the buttons' captions in
// any case, separated by spaces ("1 . 5 +/- sto2"). A caption that several
// buttons share takes their number in template order ("sto2" is the second
// "Sto"); "calc" is the default button. "@memory1=abc" types 'abc' into the
// field named "Memory 1" (an empty text after '=' empties it).
inline std::string folded(std::string_view text) {
    std::string result;
    for (const char c : text) {
        if (c != ' ') {
            result += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return result;
}

// The id of the key or field, or kNoId when the template has no such control.
inline int controlNamed(const DialogTemplate& dialog, std::string_view key, bool field) {
    std::vector<int> same;
    std::vector<int> numbered;  // the key without its last character
    for (const ControlTemplate& control : dialog.controls) {
        if ((control.kind == ControlKind::Edit) != field || control.id == kNoId) {
            continue;
        }
        if (!field && key == "calc" && (control.flags & cf::Default)) {
            return control.id;
        }
        const std::string name =
            folded(field ? (control.name != nullptr ? control.name : "") : control.caption);
        if (name == key) {
            same.push_back(control.id);
        } else if (key.size() > 1 && name == key.substr(0, key.size() - 1)) {
            numbered.push_back(control.id);
        }
    }
    if (same.size() == 1) {
        return same.front();
    }
    const std::size_t number = static_cast<std::size_t>(key.back() - '0');
    return same.empty() && number >= 1 && number <= numbered.size() ? numbered[number - 1] : kNoId;
}

template <class T>
void press(OpenTool<T>& open, std::string_view keys) {
    std::istringstream stream{std::string(keys)};
    std::string key;
    while (stream >> key) {
        if (key.starts_with('@')) {
            const std::size_t equals = key.find('=');
            const int id = controlNamed(T::kTemplate, key.substr(1, equals - 1), true);
            ASSERT_NE(id, kNoId) << "unknown field " << key;
            open.type(id, key.substr(equals + 1));
            continue;
        }
        const int id = controlNamed(T::kTemplate, key, false);
        ASSERT_NE(id, kNoId) << "unknown key " << key;
        ASSERT_TRUE(open.click(id)) << "no handler for " << key;
    }
}
