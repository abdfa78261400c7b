#include "core/app/tool_runner.h"

#include <ostream>

#include "core/app/headless_run.h"
#include "core/app/tool_arguments.h"

namespace tool_runner {

namespace {

int runTool(const Invocation& invocation, std::ostream& out, std::ostream& err) {
    HeadlessRun run(findTool(invocation.tool), err);
    const Steps parsed = parseSteps(invocation.rest, run);
    if (parsed.list) {
        run.list(out);
        return 0;
    }
    for (const Step& step : parsed.steps) {
        run.run(step);
    }
    run.print(out, parsed.json);
    return run.showedMessages() ? 1 : 0;
}

}  // namespace

bool wanted(std::span<const std::string_view> args) {
    for (const std::string_view arg : args) {
        if (arg == "--") {
            return false;
        }
        if (arg == "--tool" || arg == "--tools") {
            return true;
        }
    }
    return false;
}

int run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    try {
        const Invocation invocation = parseInvocation(args);
        if (invocation.tools) {
            listTools(out);
            return 0;
        }
        return runTool(invocation, out, err);
    } catch (const Refused& refused) {
        err << "brimlet: " << refused.why << '\n';
        return 2;
    }
}

}  // namespace tool_runner
