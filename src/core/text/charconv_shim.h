// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <bit>
#include <charconv>
#include <cstring>
#include <type_traits>

// std::bit_cast and the floating-point std::to_chars and std::from_chars, for
// every C++ library the core is built with. GCC's has them all; the older
// libc++ that the WebAssembly build comes with has none of them, and there
// they are made from conversions that give the same bytes: the C library's
// "%.*e" (correctly rounded, and locale-free in a web page) and fast_float,
// an exact parser (the one GCC's own from_chars is built on).
namespace charconv {

#if defined(__cpp_lib_bit_cast)
using std::bit_cast;
#else
template <class To, class From>
requires(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> &&
         std::is_trivially_copyable_v<From>) To bit_cast(const From& from) {
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}
#endif

#if defined(__cpp_lib_to_chars)
using std::chars_format;
using std::from_chars;
using std::to_chars;
#else
enum class chars_format { scientific = 1, fixed = 2, hex = 4, general = fixed | scientific };

// "%.*e": precision digits after the point, the exponent with at least two.
std::to_chars_result to_chars(char* first, char* last, double value, chars_format format, int precision);
// The shortest text that reads back as value, plain or scientific, whichever
// is shorter (plain on a tie), as std::to_chars writes it.
std::to_chars_result to_chars(char* first, char* last, double value);
// A decimal number without sign, as std::from_chars reads it; beyond a
// double's range the value is left alone and result_out_of_range is told.
std::from_chars_result from_chars(const char* first, const char* last, double& value,
                                  chars_format format = chars_format::general);
#endif

}  // namespace charconv
