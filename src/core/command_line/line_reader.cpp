// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/command_line/line_reader.h"

#include <algorithm>
#include <cstring>
#include <ios>

namespace tool_runner {

bool LineReader::fill() {
    start_ = 0;
    end_ = 0;
    const std::streamsize ready = in_.in_avail();
    if (ready <= 0) {
        // Nothing at hand: one byte, waiting for it; the rest is then ready.
        const std::streambuf::int_type c = in_.sbumpc();
        if (std::streambuf::traits_type::eq_int_type(c, std::streambuf::traits_type::eof())) {
            return false;
        }
        block_[0] = std::streambuf::traits_type::to_char_type(c);
        end_ = 1;
        return true;
    }
    end_ = static_cast<std::size_t>(
        in_.sgetn(block_.data(), std::min(ready, static_cast<std::streamsize>(block_.size()))));
    return end_ > 0;
}

void LineReader::keep(std::string_view bytes) {
    length_ += bytes.size();
    if (gathered_.size() < maxBytes_) {
        gathered_.append(bytes.substr(0, maxBytes_ - gathered_.size()));
    }
}

LineReader::Read LineReader::next() {
    gathered_.clear();
    length_ = 0;
    bool any = false;
    try {
        for (;;) {
            if (start_ == end_ && !fill()) {
                if (!any) {
                    return Read::End;
                }
                line_ = gathered_;  // the last line, without a line break
                break;
            }
            any = true;
            const char* from = block_.data() + start_;
            const auto* found = static_cast<const char*>(std::memchr(from, '\n', end_ - start_));
            const auto size = static_cast<std::size_t>(found != nullptr ? found - from : end_ - start_);
            if (found != nullptr && length_ == 0 && size <= maxBytes_) {
                // The whole line lies in the block: it is read where it is.
                line_ = std::string_view(from, size);
                length_ = size;
                start_ += size + 1;
                break;
            }
            keep({from, size});
            start_ += size;
            if (found != nullptr) {
                ++start_;
                line_ = gathered_;
                break;
            }
        }
    } catch (const std::ios_base::failure& failure) {
        // The standard library's file buffers throw on a failed read, whatever
        // the stream's exception mask, with the system's error code; so does
        // the program's own DescriptorBuffer.
        why_ = failure.code().message();
        return Read::Failed;
    }
    tooLong_ = length_ > maxBytes_;
    if (!tooLong_ && line_.ends_with('\r')) {
        line_.remove_suffix(1);
    }
    return Read::Line;
}

}  // namespace tool_runner
