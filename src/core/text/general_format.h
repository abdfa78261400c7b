// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <string>

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

}  // namespace numtext
