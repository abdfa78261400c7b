// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A fuzzer's verdict: print what differed and abort, so libFuzzer keeps the
// input as a crash.
[[noreturn]] inline void fuzzFail(std::string_view what, std::string_view input, std::string_view got,
                                  std::string_view expected) {
    std::fprintf(stderr, "MISMATCH in %.*s\n  input:    '%.*s'\n  got:      '%.*s'\n  expected: '%.*s'\n",
                 static_cast<int>(what.size()), what.data(), static_cast<int>(input.size()), input.data(),
                 static_cast<int>(got.size()), got.data(), static_cast<int>(expected.size()),
                 expected.data());
    std::abort();
}

inline void fuzzExpect(bool condition, std::string_view what, std::string_view input = {}) {
    if (!condition) {
        fuzzFail(what, input, "false", "true");
    }
}
