// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The desktop's side of the web edition's number texts: for each line of
// standard input, "d" and a double's bits in hexadecimal, or "t" and a text,
// the line that the page's core gives for the same (web/tests).
#include <cstdint>
#include <cstring>
#include <iostream>
#include <string>

#include "web/number_texts.h"

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line.starts_with("d ")) {
            const std::uint64_t bits = std::stoull(line.substr(2), nullptr, 16);
            double value = 0;
            std::memcpy(&value, &bits, sizeof value);
            std::cout << number_texts::of(value) << '\n';
        } else if (line.starts_with("t ")) {
            std::cout << number_texts::read(line.substr(2)) << '\n';
        }
    }
}
