// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <array>
#include <cstddef>
#include <streambuf>
#include <string>
#include <string_view>

namespace tool_runner {

// The lines of the command line's input, one at a time, without their line
// break (nor a carriage return before it). At most maxBytes of a line are
// kept: however long a line, memory stays flat. The input is taken in
// blocks, as much as is ready, and never waited for while a line is at
// hand: a person or a program that writes a line and waits for its row gets
// it. A read that fails (standard input closed, or a directory) ends the
// input; the part of a line read before it is dropped. The one reader of
// both programs' input.
class LineReader {
public:
    enum class Read { Line, End, Failed };

    LineReader(std::streambuf& in, std::size_t maxBytes) : in_(in), maxBytes_(maxBytes) {}

    Read next();
    // The line next() found, valid until it is called again.
    std::string_view line() const { return line_; }
    // Whether the line was longer than maxBytes (line() holds its start).
    bool tooLong() const { return tooLong_; }
    // What the system answered to the read that failed.
    const std::string& why() const { return why_; }
    // Whether more input is ready now, without waiting for it.
    bool ready() const { return start_ < end_ || in_.in_avail() > 0; }

private:
    // Takes what the input has ready into block_, waiting only when it has
    // nothing; false at its end.
    bool fill();
    // Adds bytes to the line being gathered, as far as maxBytes.
    void keep(std::string_view bytes);

    std::streambuf& in_;
    std::size_t maxBytes_;
    std::array<char, 1 << 16> block_{};
    std::size_t start_ = 0;
    std::size_t end_ = 0;
    // A line that spans blocks is gathered here; one inside a block is not copied.
    std::string gathered_;
    std::string_view line_;
    std::size_t length_ = 0;  // of the line so far, kept or not
    bool tooLong_ = false;
    std::string why_;
};

}  // namespace tool_runner
