// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <array>
#include <streambuf>

// A stream buffer on a file descriptor of the process (standard input,
// output, error). The standard streams would do, but the first use of
// <iostream> anywhere in a program sets up all eight of them, with their
// locales, when the program starts: the windowed program paid for that at
// every start although it never runs a tool from the command line then.
//
// A read that fails throws std::ios_base::failure with the system's error,
// as the standard file buffers do; a write that fails leaves errno set and
// makes the stream bad.
class DescriptorBuffer : public std::streambuf {
public:
    explicit DescriptorBuffer(int fd) : fd_(fd) {}
    ~DescriptorBuffer() override;
    DescriptorBuffer(const DescriptorBuffer&) = delete;
    DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

protected:
    int_type underflow() override;
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool drain();

    int fd_;
    std::array<char, 1 << 16> in_{};
    std::array<char, 1 << 16> out_{};
    bool writing_ = false;
};
