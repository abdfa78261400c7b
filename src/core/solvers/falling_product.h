// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

// The falling product n * (n - 1) * (n - 2) * ... of the counting tools, as
// this loop computes it in doubles, every step rounded:
//
//     result = n; factor = n; count = r;
//     while (count > 1) { factor -= 1; result *= factor; count -= 1; }
//
// Whenever that loop ends, the result is bit for bit the loop's, sign of zero
// and of infinity included. Unlike the loop it ends at once for every input:
// at 2^53 and above, subtracting 1 can round back to the same double, so the
// plain loop would spin forever on r = 1e300 or r = infinity. For such inputs
// the result is the value the loop settles on, and where its sign would keep
// flipping for ever, that value with a plus sign (+infinity or +0).
double fallingProduct(double n, double r);
