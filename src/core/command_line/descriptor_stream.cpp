// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/command_line/descriptor_stream.h"

#include <unistd.h>

#include <cerrno>
#include <ios>
#include <system_error>

DescriptorBuffer::~DescriptorBuffer() {
    if (writing_) {
        drain();
    }
}

DescriptorBuffer::int_type DescriptorBuffer::underflow() {
    ssize_t got = 0;
    do {
        got = ::read(fd_, in_.data(), in_.size());
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        throw std::ios_base::failure("read", std::error_code(errno, std::system_category()));
    }
    if (got == 0) {
        return traits_type::eof();
    }
    setg(in_.data(), in_.data(), in_.data() + got);
    return traits_type::to_int_type(in_[0]);
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type c) {
    if (!writing_) {
        writing_ = true;
        setp(out_.data(), out_.data() + out_.size());
    } else if (!drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int DescriptorBuffer::sync() {
    return !writing_ || drain() ? 0 : -1;
}

bool DescriptorBuffer::drain() {
    const char* from = pbase();
    while (from < pptr()) {
        const ssize_t put = ::write(fd_, from, static_cast<std::size_t>(pptr() - from));
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            // What could not be written is dropped: the stream turns bad, and
            // the caller reports errno.
            setp(out_.data(), out_.data() + out_.size());
            return false;
        }
        from += put;
    }
    setp(out_.data(), out_.data() + out_.size());
    return true;
}
