// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <array>
#include <string>
#include <string_view>

// "%.*g" as number texts write it, at any precision from 1 to 17: the writer
// behind formatDouble, formatResult and formatExact, and the same with the
// digits that std::to_chars rounds, which is how number texts were first
// written and still are where exact integer digits do not reach (subnormals,
// magnitudes far from 1). Their test holds the two to the same bytes.
// Non-finite values are written as formatDouble writes them; exponentLetter
// is 'e' or 'E'.
namespace numtext {

std::string formatGeneral(double value, int precision, char exponentLetter);
std::string formatGeneralByToChars(double value, int precision, char exponentLetter);

// Room for any of these texts ('-1.7976931348623157e+308' is the longest)
// and for the fixed-length copies that write them.
using GeneralText = std::array<char, 48>;
// The same into the caller's buffer, the text a view of it: for a writer that
// keeps no copy of its own, as the field exchange does with each field and
// the worked steps with each number.
std::string_view formatGeneral(double value, int precision, char exponentLetter, GeneralText& buffer);
// formatDouble's and formatExact's texts, so.
std::string_view formatDouble(double value, GeneralText& buffer);
std::string_view formatExact(double value, GeneralText& buffer);

}  // namespace numtext
