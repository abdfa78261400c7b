// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include "core/command_line/tool_runner.h"

namespace tool_runner {

class HeadlessRun;
struct Steps;

// The pipeline mode (--each FIELD): every line of the input on a fresh tool,
// the line set into the field, then the steps, then one row (or the line's
// worked steps). A line's messages go to err with its number, and the run
// goes on. Returns the run's status: 1 when any line showed a message or
// the input could not be read.
int runEach(HeadlessRun& run, const Steps& parsed, const Streams& streams);

}  // namespace tool_runner
