#include "core/app/tool_runner.h"

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(const std::vector<std::string>& words) {
    const std::vector<std::string_view> args(words.begin(), words.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = tool_runner::run(args, out, err);
    return {status, out.str(), err.str()};
}

struct CommandLine {
    const char* name;
    std::vector<std::string> words;
    int status;
    const char* out;  // expected at the start of standard output
    const char* err;  // expected within standard error
};

std::ostream& operator<<(std::ostream& stream, const CommandLine& c) {
    return stream << c.name;
}

class ToolRunner : public testing::TestWithParam<CommandLine> {};

TEST_P(ToolRunner, AnswersAsExpected) {
    const CommandLine& c = GetParam();
    const Outcome outcome = run(c.words);
    EXPECT_EQ(outcome.status, c.status) << outcome.err;
    EXPECT_TRUE(outcome.out.starts_with(c.out)) << outcome.out;
    EXPECT_NE(outcome.err.find(c.err), std::string::npos) << outcome.err;
    if (c.status == 2) {
        // A command line that cannot run says so in one line and prints no fields.
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
    }
}

const CommandLine kCommandLines[] = {
    {"MenuItemAnyCase",
     {"--tool", "LENGTH", "--set", "input=2", "--press", "FT"},
     0,
     "Input\t2\nMeters\t0.609756097560976\n",
     ""},
    {"BlanksAndMnemonicsIgnored",
     {"--tool", "quadratic formula", "--set", "#1010=1", "--press", "find x-value(s)"},
     0,
     "Coefficient a\t1\n",
     ""},
    {"ClassName",
     {"--tool", "Degrees", "--set", "Input=100", "--press", "Celcius"},
     0,
     "Input\t100\nFirst result\t212\n",
     ""},
    {"RefusedTextIsAMessage",
     {"--tool", "Length", "--set", "Input=x", "--press", "m"},
     1,
     "Input\t0\n",
     "brimlet: Please enter a number.\n"},
    {"KeysToTheBasicCalculator", {"--tool", "basic calculator", "--keys", "12+3\n"}, 0, "Display\t15\n", ""},
    {"EnterPressesTheDefaultButton",
     {"--tool", "Length", "--set", "Input=5", "--keys", "\n"},
     0,
     "Input\t0\n",
     ""},
    {"Json",
     {"--tool", "Numbers", "--set", "Roman numeral=\"\\\t\x01", "--json"},
     0,
     R"({"tool": "Numbers", "fields": [{"id": 1010, "name": "Roman numeral", "text": "\"\\\t\u0001"}, )",
     ""},
    {"List", {"--tool", "Weight", "--list"}, 0, "Input\t1010\tfield\ng\t1022\tunit button\n", ""},
    {"Tools", {"--tools"}, 0, "Geo\tMathematics\tLine Functions\n", ""},
    {"UnknownTool",
     {"--tool", "Trigonometry"},
     2,
     "",
     "unknown tool 'Trigonometry'; the tools are: Line Functions"},
    {"UnknownField",
     {"--tool", "Length", "--set", "Yards=1"},
     2,
     "",
     "Length has no field 'Yards'; its fields are: Input"},
    {"UnknownButton", {"--tool", "Length", "--press", "yd"}, 2, "", "its buttons are: m, cm"},
    {"AmbiguousButton", {"--tool", "MyCalculator", "--press", "Rec"}, 2, "", "#1019 and #1020 and #1021"},
    {"SetWithoutEquals", {"--tool", "Length", "--set", "Input"}, 2, "", "--set needs FIELD=TEXT"},
    {"StepWithoutValue", {"--tool", "Length", "--press"}, 2, "", "--press needs a value"},
    {"UnknownStep", {"--tool", "Length", "--frobnicate"}, 2, "", "unknown step '--frobnicate'"},
    {"BadStepRunsNothing",
     {"--tool", "Length", "--set", "Input=x", "--press", "m", "--press", "nope"},
     2,
     "",
     "no button 'nope'"},
    {"NoTool", {"--tool"}, 2, "", "--tool needs the name of a tool"},
    {"SvgToStandardOutput",
     {"--tool", "Quad", "--set", "Coefficient a=1", "--press", "Find x-value(s)", "--svg", "-"},
     0,
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ",
     ""},
    {"SvgOnlyFromSolversThatDraw", {"--tool", "Length", "--svg", "-"}, 2, "", "Length draws no picture"},
    {"SvgWithoutFile", {"--tool", "Quad", "--svg"}, 2, "", "--svg needs a file name"},
    {"SvgUnwritable", {"--tool", "Geo", "--svg", "/nonexistent/line.svg"}, 2, "", "cannot write"},
};
INSTANTIATE_TEST_SUITE_P(CommandLines, ToolRunner, testing::ValuesIn(kCommandLines),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ToolRunnerTexts, LongAndStrangeTextsArriveWhole) {
    const std::string longText(1 << 20, '7');
    const Outcome outcome = run({"--tool", "MyCalculator", "--set", "Memory 2=" + longText + "\xff"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_NE(outcome.out.find("Memory 2\t" + longText + "\xEF\xBF\xBD\n"), std::string::npos);
}

}  // namespace
