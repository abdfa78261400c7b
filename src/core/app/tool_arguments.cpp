#include "core/app/tool_arguments.h"

namespace tool_runner {

Invocation parseInvocation(std::span<const std::string_view> args) {
    std::size_t start = 0;
    while (start < args.size() && args[start] != "--tool" && args[start] != "--tools") {
        ++start;
    }
    if (start == args.size()) {
        throw Refused{"nothing to run"};
    }
    if (args[start] == "--tools") {
        if (args.size() != 1) {
            throw Refused{"--tools takes nothing else"};
        }
        return {true, {}, {}};
    }
    if (start != 0) {
        throw Refused{"--tool comes first, not after '" + std::string(args.front()) + "'"};
    }
    if (args.size() < 2) {
        throw Refused{"--tool needs the name of a tool; 'brimlet --tools' lists them"};
    }
    return {false, args[1], args.subspan(2)};
}

Steps parseSteps(std::span<const std::string_view> words, const ControlNames& names) {
    Steps parsed;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (word == "--json") {
            parsed.json = true;
        } else if (word == "--list") {
            parsed.list = true;
        } else if (word == "--set" || word == "--press" || word == "--keys") {
            if (++i == words.size()) {
                throw Refused{std::string(word) + " needs a value"};
            }
            Step step{Verb::Keys, words[i]};
            if (word == "--set") {
                const std::size_t equals = step.value.find('=');
                if (equals == std::string_view::npos) {
                    throw Refused{"--set needs FIELD=TEXT, not '" + std::string(step.value) + "'"};
                }
                step.verb = Verb::Set;
                step.id = names.fieldId(step.value.substr(0, equals));
                step.value.remove_prefix(equals + 1);
            } else if (word == "--press") {
                step.verb = Verb::Press;
                step.id = names.buttonId(step.value);
            }
            parsed.steps.push_back(step);
        } else {
            throw Refused{"unknown step '" + std::string(word) +
                          "'; the steps are --set FIELD=TEXT, --press BUTTON and --keys TEXT, "
                          "with --json or --list"};
        }
    }
    return parsed;
}

}  // namespace tool_runner
