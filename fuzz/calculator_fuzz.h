// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <cmath>
#include <string>
#include <string_view>

#include "c_reference.h"

// What a calculator display may show after it has written a result: one of
// the non-finite texts, or a text that reading and writing again leaves as
// it is (the number it shows is exactly what it says, rounded once).
template <class Write, class Read>
bool isWrittenResult(const std::string& display, Write write, Read read) {
    for (const char* text : {"1.#INF", "-1.#INF", "-1.#IND", "1.#QNAN", "-1.#QNAN"}) {
        if (display == text) {
            return true;
        }
    }
    const double value = read(display);
    return std::isfinite(value) && write(value) == display;
}
