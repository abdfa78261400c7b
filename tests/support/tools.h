// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

// Every tool class, for tests that drive them all by their control names.
#include "core/calculators/my_calculator.h"
#include "core/calculators/simple_calc.h"
#include "core/converters/degrees.h"
#include "core/converters/degrees_radians.h"
#include "core/converters/energy.h"
#include "core/converters/force.h"
#include "core/converters/length.h"
#include "core/converters/numbers.h"
#include "core/converters/power.h"
#include "core/converters/pressures.h"
#include "core/converters/speed.h"
#include "core/converters/time.h"
#include "core/converters/weight.h"
#include "core/reference/periodic.h"
#include "core/reference/planets.h"
#include "core/solvers/bend.h"
#include "core/solvers/geo.h"
#include "core/solvers/permutation.h"
#include "core/solvers/prefixes.h"
#include "core/solvers/pythegor.h"
#include "core/solvers/quad.h"
#include "core/solvers/the_combination.h"
#include "core/solvers/uncert.h"
#include "support/element_button.h"
