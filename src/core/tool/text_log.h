// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class FieldHost;

// A text that a tool only adds to at its end, or clears: the advanced
// calculator's history. Bound to a field, it is exchanged by what changed: a
// write hands the window only what was added since the two last agreed, and
// a read takes the field's text again only when something else has changed
// it since. So a long run of presses takes time in proportion to their
// number, however long the history grows. With a window that keeps no
// versions of its texts, it is read and written whole, as any text.
class TextLog {
public:
    TextLog& operator+=(char c) {
        text_ += c;
        return *this;
    }
    TextLog& operator+=(std::string_view more) {
        text_ += more;
        return *this;
    }
    TextLog& append(std::string_view more) { return *this += more; }
    void clear() { *this = TextLog(); }

    const std::string& str() const { return text_; }

    // Read all fields and write all fields, for the field it is bound to.
    void read(FieldHost& host, int controlId);
    void write(FieldHost& host, int controlId);

private:
    void agree(const FieldHost& host, int controlId, std::string_view written);

    std::string text_;
    // The field's version when it last showed text_'s first shown_ bytes; 0: not known.
    std::uint64_t version_ = 0;
    std::size_t shown_ = 0;
};
