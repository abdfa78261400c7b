// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The floor of `brimlet-tool --tool length --each Input --press ft`: the
// least work that turns a column of values into rows of eight numbers. One
// parse (std::from_chars), seven products, eight numbers written as "%.15g"
// writes them (std::to_chars, general format, 15 digits; with two-digit
// exponents, which is all the difference in bytes) and one buffered write.
// No checks, no fields, no tool: what the command line costs above this is
// what bench/pipeline-vs-floor.sh measures.

#include <unistd.h>

#include <array>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <vector>

namespace {

// The feet row of Length: metres, centimetres, inches, feet, miles, kilometres, light years.
constexpr std::array<double, 7> kFactors{1 / 3.28,    1 / 0.0328,        12, 1, 1.0 / 5280,
                                         1.61 / 5280, 1 / 3.28 / 9.46e15};

bool writeAll(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t put = ::write(STDOUT_FILENO, data, size);
        if (put <= 0) {
            return false;
        }
        data += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

}  // namespace

int main() {
    constexpr std::size_t kChunk = 1 << 16;
    std::vector<char> in(kChunk * 2);
    std::vector<char> out;
    out.reserve(kChunk + 512);
    std::size_t held = 0;  // bytes of an unfinished line at the start of `in`
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, in.data() + held, in.size() - held);
        if (got < 0) {
            return 1;
        }
        const std::size_t end = held + static_cast<std::size_t>(got);
        const bool last = got == 0;
        std::size_t start = 0;
        while (start < end) {
            const void* found = std::memchr(in.data() + start, '\n', end - start);
            if (found == nullptr && !last) {
                break;
            }
            const std::size_t stop =
                found != nullptr ? static_cast<std::size_t>(static_cast<const char*>(found) - in.data())
                                 : end;
            double x = 0;
            std::from_chars(in.data() + start, in.data() + stop, x);
            std::array<char, 32> text{};
            for (std::size_t i = 0; i <= kFactors.size(); ++i) {
                const double value = i == 0 ? x : x * kFactors[i - 1];
                const auto written = std::to_chars(text.data(), text.data() + text.size(), value,
                                                   std::chars_format::general, 15);
                out.insert(out.end(), text.data(), written.ptr);
                out.push_back(i == kFactors.size() ? '\n' : '\t');
            }
            if (out.size() >= kChunk) {
                if (!writeAll(out.data(), out.size())) {
                    return 1;
                }
                out.clear();
            }
            start = stop + 1;
        }
        if (last) {
            break;
        }
        held = start < end ? end - start : 0;
        std::memmove(in.data(), in.data() + start, held);
        if (held == in.size()) {
            held = 0;  // a line longer than the buffer: dropped, as nothing here reads it
        }
    }
    return writeAll(out.data(), out.size()) ? 0 : 1;
}
