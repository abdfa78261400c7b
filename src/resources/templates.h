#pragma once

#include "resources/dialog_template.h"

extern const DialogTemplate kTemplate100;  // About box
extern const DialogTemplate kTemplate144;  // Trigonometry Functions, never opened

// solvers
extern const DialogTemplate kTemplate132;  // Uncert
extern const DialogTemplate kTemplate137;  // Geo
extern const DialogTemplate kTemplate142;  // Pythegor
extern const DialogTemplate kTemplate143;  // Quad
extern const DialogTemplate kTemplate149;  // Prefixes
extern const DialogTemplate kTemplate157;  // Bend
extern const DialogTemplate kTemplate175;  // TheCombination
extern const DialogTemplate kTemplate176;  // Permutation

// reference
extern const DialogTemplate kTemplate153;  // Planets
extern const DialogTemplate kTemplate177;  // Periodic

// calculators
extern const DialogTemplate kTemplate133;  // SimpleCalc
extern const DialogTemplate kTemplate172;  // MyCalculator

// converters
extern const DialogTemplate kTemplate136;  // Pressures
extern const DialogTemplate kTemplate141;  // Degrees
extern const DialogTemplate kTemplate145;  // DegreesRadians
extern const DialogTemplate kTemplate146;  // Length
extern const DialogTemplate kTemplate147;  // Time
extern const DialogTemplate kTemplate148;  // Speed
extern const DialogTemplate kTemplate150;  // Force
extern const DialogTemplate kTemplate151;  // Power
extern const DialogTemplate kTemplate152;  // Energy
extern const DialogTemplate kTemplate154;  // Numbers
extern const DialogTemplate kTemplate178;  // Weight
