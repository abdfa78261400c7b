#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

// Runs one tool without a window, for scripts: the command line's
//     brimlet --tool TOOL [--set FIELD=TEXT | --press BUTTON | --keys TEXT]... [--json] [--svg FILE]
//     brimlet --tool TOOL --list
//     brimlet --tools
// The steps act on the tool as a user acts in its window; at the end every
// edit field is printed in template order; --svg also writes the solver's
// picture to FILE ("-": to out, instead of the fields). args are the words after the
// program name. Returns the exit status: 0 when no message was shown, 1 when
// the tool showed one (each goes to err as it is shown), 2 for a command line
// that cannot run (one line on err says why).
namespace tool_runner {

int run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

// True when the command line asks for a run without a window.
bool wanted(std::span<const std::string_view> args);

}  // namespace tool_runner
