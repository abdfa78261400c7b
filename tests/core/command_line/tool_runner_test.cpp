// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/command_line/tool_runner.h"

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/command_line_run.h"
#include "support/tools.h"

namespace {

// A control's id as the command line writes it.
std::string id(int controlId) {
    return std::to_string(controlId);
}

struct CommandLine {
    const char* name;
    std::vector<std::string> words;
    int status;
    std::string out;  // expected at the start of standard output
    std::string err;  // expected within standard error
    const char* input = "";
};

std::ostream& operator<<(std::ostream& stream, const CommandLine& c) {
    return stream << c.name;
}

class ToolRunner : public testing::TestWithParam<CommandLine> {};

TEST_P(ToolRunner, AnswersAsExpected) {
    const CommandLine& c = GetParam();
    const Outcome outcome = run(c.words, c.input);
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
     {"--tool", "quadratic formula", "--set", "#" + id(Quad::kA) + "=1", "--press", "find x-value(s)"},
     0,
     "Coefficient a\t1\n",
     ""},
    {"ClassName",
     {"--tool", "Degrees", "--set", "Input=100", "--press", "Celcius"},
     0,
     "Input\t100\nFirst result\t212\n",
     ""},
    {"NumberWrittenOverACharacterOfTwoUnits",
     {"--tool", "Length", "--set", "Input=0😀", "--press", "ft"},
     0,
     "Input\t0\n",
     ""},
    {"RefusedTextIsAMessage",
     {"--tool", "Length", "--set", "Input=x", "--press", "m"},
     1,
     "Input\t0\n",
     "brimlet: Please enter a number.\n"},
    {"ElementBySymbol",
     {"--tool", "periodic table", "--press", "Og"},
     0,
     "Symbol\tOg\nName\tOganesson\nAtomic Weight\t[294]\nAtomic Number\t118\n",
     ""},
    {"KeysToTheBasicCalculator", {"--tool", "basic calculator", "--keys", "12+3\n"}, 0, "Display\t15\n", ""},
    {"EnterPressesTheDefaultButton",
     {"--tool", "Length", "--set", "Input=5", "--keys", "\n"},
     0,
     "Input\t0\n",
     ""},
    {"Json",
     {"--tool", "Numbers", "--set", "Roman numeral=\"\\\t\x01", "--json"},
     0,
     R"({"tool": "Numbers", "fields": [{"id": )" + id(Numbers::kRoman) +
         R"(, "name": "Roman numeral", "text": "\"\\\t\u0001"}, )",
     ""},
    {"List",
     {"--tool", "Weight", "--list"},
     0,
     "Input\t" + id(Weight::kInput) + "\tfield\ng\t" + id(Weight::kGramsUnit) + "\tunit button\n",
     ""},
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
    {"AmbiguousButton",
     {"--tool", "MyCalculator", "--press", "Rec"},
     2,
     "",
     "#" + id(MyCalculator::kRecall1) + " and #" + id(MyCalculator::kRecall2) + " and #" +
         id(MyCalculator::kRecall3)},
    {"SetWithoutEquals", {"--tool", "Length", "--set", "Input"}, 2, "", "--set needs FIELD=TEXT"},
    {"StepWithoutValue", {"--tool", "Length", "--press"}, 2, "", "--press needs a value"},
    {"UnknownStep", {"--tool", "Length", "--frobnicate"}, 2, "", "unknown step '--frobnicate'"},
    {"BadStepRunsNothing",
     {"--tool", "Length", "--set", "Input=x", "--press", "m", "--press", "nope"},
     2,
     "",
     "no button 'nope'"},
    {"NoTool", {"--tool"}, 2, "", "--tool needs the name of a tool"},
    {"TabsAndLineBreaksStayInTheirCell",
     {"--tool", "Length", "--set", "Input=1\t2\nFeet\t99\r"},
     0,
     "Input\t\"1\t2\nFeet\t99\r\"\nMeters\t0\n",
     ""},
    {"LeadingQuoteIsQuoted",
     {"--tool", "Numbers", "--set", "Roman numeral=\"X\" or 10"},
     0,
     "Roman numeral\t\"\"\"X\"\" or 10\"\n",
     ""},
    {"ErrorLineEscapesTheUsersText",
     {"--tool", "len\ngth\x1b[2J\xff\xc2\x9b\\"},
     2,
     "",
     "unknown tool 'len\\ngth\\x1b[2J\\xff\\u009b\\\\'"},
    {"ListJson",
     {"--tool", "Weight", "--list", "--json"},
     0,
     R"({"tool": "Weight", "controls": [{"id": )" + id(Weight::kInput) +
         R"(, "name": "Input", "kind": "field"}, {"id": )" + id(Weight::kGramsUnit) +
         R"(, "name": "g", "kind": "unit button"}, )",
     ""},
    {"ListTakesNoSteps", {"--tool", "Weight", "--list", "--press", "g"}, 2, "", "--list takes no steps"},
    {"EachLineARow",
     {"--tool", "Length", "--each", "Input", "--press", "ft", "--fields", "meters,#" + id(Length::kInput),
      "--header"},
     0,
     "Meters\tInput\n0.609756097560976\t2\n1.06707317073171\t3.5\n0\t0\n",
     "",
     "2\n3.5\r\n0"},
    {"EachEmptyLineOneEmptyCell",
     {"--tool", "Length", "--each", "Input", "--fields", "Input"},
     0,
     "\"\"\n1\n",
     "",
     "\n1\n"},
    {"EachCellQuotedWhereverItsTabIs",
     {"--tool", "Length", "--each", "Input", "--fields", "Input"},
     0,
     "\"abcdefgh\tx\"\n\"12345678901\t\"\nabcdefghijklmnopq\n",
     "",
     "abcdefgh\tx\n12345678901\t\nabcdefghijklmnopq\n"},
    {"EachBadLineGoesOn",
     {"--tool", "Length", "--each", "Input", "--press", "ft", "--fields", "Meters"},
     1,
     "0.609756097560976\n0\n0.914634146341463\n",
     "brimlet: line 2: Please enter a number.\n",
     "2\nx\n3\n"},
    {"EachLineTooLongIsAnError",
     {"--tool", "Length", "--each", "Input", "--press", "ft", "--fields", "Input,Meters"},
     1,
     "\t\n1\t0.304878048780488\n",
     "brimlet: line 1: the line is longer than the field takes (399 characters)\n",
     "1000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "\n1\n"},
    {"EachJson",
     {"--tool", "Numbers", "--each", "Arabic number", "--press", "<<", "--fields", "Roman numeral", "--json"},
     1,
     R"({"line": 1, "tool": "Numbers", "fields": [{"id": )" + id(Numbers::kRoman) +
         R"(, "name": "Roman numeral", "text": "MCMLXXXVII"}], "messages": []}
{"line": 2, "tool": "Numbers", "fields": [{"id": )" +
         id(Numbers::kRoman) +
         R"(, "name": "Roman numeral", "text": ""}], "messages": ["Number must be between 1 and 3999!"]}
)",
     "brimlet: line 2: Number must be between 1 and 3999!\n",
     "1987\n4000"},
    {"FieldsWithoutEach",
     {"--tool", "Length", "--fields", "Meters"},
     2,
     "",
     "--fields and --header go with --each"},
    {"HeaderWithJson",
     {"--tool", "Length", "--each", "Input", "--header", "--json"},
     2,
     "",
     "--header goes with tab-separated rows"},
    {"ListWithEach", {"--tool", "Length", "--list", "--each", "Input"}, 2, "", "--list takes no steps"},
    {"SvgToStandardOutput",
     {"--tool", "Quad", "--set", "Coefficient a=1", "--press", "Find x-value(s)", "--svg", "-"},
     0,
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ",
     ""},
    {"SvgOnlyFromSolversThatDraw", {"--tool", "Length", "--svg", "-"}, 2, "", "this tool draws no picture"},
    {"SvgWithoutFile", {"--tool", "Quad", "--svg"}, 2, "", "--svg needs a value"},
    {"SvgTwice", {"--tool", "Quad", "--svg", "-", "--svg", "/dev/null"}, 2, "", "--svg is given twice"},
    {"SvgUnwritable",
     {"--tool", "Geo", "--svg", "/nonexistent/line.svg"},
     1,
     "Point 1 X\t0\n",
     "brimlet: cannot write '/nonexistent/line.svg': No such file or directory\n"},
    {"StepsOnlyFromToolsThatRecord", {"--tool", "SimpleCalc", "--steps"}, 2, "", "records no worked steps"},
    {"StepsNotWithList", {"--tool", "Length", "--steps", "--list"}, 2, "", "--steps prints"},
    {"StepsOfEachLineAfterItsNumber",
     {"--tool", "Length", "--each", "Input", "--press", "ft", "--steps"},
     1,
     "1\tx = 2 ft\n1\tMeters = x ÷ 3.28 = 2 ÷ 3.28 = 0.6097560975609756 ≈ 0.609756097560976\n",
     "line 2: Please enter a number.",
     "2\nx\n"},
    {"StepsOfATooLongLineSayWhy",
     {"--tool", "Length", "--each", "Input", "--press", "ft", "--steps"},
     1,
     "1\tInput: the line is longer than the field takes (399 characters): nothing is set or pressed\n2\tx = "
     "2 ft\n",
     "line 1: the line is longer",
     "7777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777"
     "777777"
     "7777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777"
     "777777"
     "7777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777"
     "777777"
     "7777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777777"
     "7777\n2\n"},
};
INSTANTIATE_TEST_SUITE_P(CommandLines, ToolRunner, testing::ValuesIn(kCommandLines),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ToolRunnerTexts, LongAndStrangeTextsArriveWhole) {
    const std::string longText(1 << 20, '7');
    const Outcome outcome = run({"--tool", "MyCalculator", "--set", "Memory 2=" + longText + "\xff"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_NE(outcome.out.find("Memory 2\t" + longText + "\xEF\xBF\xBD\n"), std::string::npos);
}

// A picture that cannot be written whole (here the file-size limit of
// `ulimit -f` stops it) leaves the old file as it was and nothing beside it.
TEST(ToolRunnerSvg, AFailedWriteKeepsTheOldPicture) {
    const std::filesystem::path folder = testing::TempDir() + "/svg-kept";
    std::filesystem::create_directories(folder);
    const std::string file = folder / "roots.svg";
    std::ofstream(file) << "old";
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 100;
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const Outcome outcome = run({"--tool", "Quad", "--svg", file});
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, signal);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_TRUE(outcome.err.ends_with("roots.svg': File too large\n")) << outcome.err;
    std::ifstream kept(file);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

// A stream whose every write fails, as standard output does on a full disk,
// a closed pipe or a closed descriptor.
class LostOutput : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(ToolRunnerOutput, LostOutputIsAnError) {
    const std::vector<std::vector<std::string>> commandLines = {
        {"--tool", "Length", "--set", "Input=2", "--press", "ft", "--json"},
        {"--tool", "Length", "--set", "Input=x", "--press", "ft"},
        {"--tool", "Length", "--list"},
        {"--tools"},
    };
    for (const std::vector<std::string>& words : commandLines) {
        const std::vector<std::string_view> args(words.begin(), words.end());
        LostOutput lost;
        std::ostream out(&lost);
        std::ostringstream err;
        EXPECT_EQ(tool_runner::run(args, out, err), 1) << words.back();
        EXPECT_TRUE(err.str().ends_with("brimlet: the output could not be written\n")) << err.str();
    }
    // A lost standard error turns even a refused command line into status 1.
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"--tool", "Length", "--set", "Input=x", "--press", "ft"},
          {"--tool", "nope"}}) {
        const std::vector<std::string_view> args(words.begin(), words.end());
        LostOutput lost;
        std::ostream err(&lost);
        std::ostringstream out;
        EXPECT_EQ(tool_runner::run(args, out, err), 1) << words.back();
    }
}

// Counts the flushes that reach it.
class CountedOutput : public std::stringbuf {
public:
    int flushes = 0;

protected:
    int sync() override {
        ++flushes;
        return 0;
    }
};

// Hands out its input a line at a time, as a pipe does when its writer waits
// for each row before it writes the next line.
class LineAtATime : public std::streambuf {
public:
    explicit LineAtATime(std::vector<std::string> lines) : lines_(std::move(lines)) {}

protected:
    int_type underflow() override {
        if (next_ == lines_.size()) {
            return traits_type::eof();
        }
        std::string& line = lines_[next_++];
        setg(line.data(), line.data(), line.data() + line.size());
        return traits_type::to_int_type(line.front());
    }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

TEST(ToolRunnerEach, RowsAreFlushedWhenSomeoneWaitsForThem) {
    const std::vector<std::string> words{"--tool", "Length", "--each", "Input", "--press", "ft"};
    const std::vector<std::string_view> args(words.begin(), words.end());
    struct Case {
        bool interactive;
        bool lineAtATime;
        bool flushedPerRow;
    };
    for (const Case c : {Case{false, false, false}, Case{true, false, true}, Case{false, true, true}}) {
        std::istringstream whole("1\n2\n3\n4\n");
        LineAtATime pipe({"1\n", "2\n", "3\n", "4\n"});
        std::istream in(c.lineAtATime ? static_cast<std::streambuf*>(&pipe) : whole.rdbuf());
        CountedOutput counted;
        std::ostream out(&counted);
        std::ostringstream err;
        EXPECT_EQ(tool_runner::run(args, tool_runner::Streams{in, out, err, c.interactive}), 0);
        const std::string rows = counted.str();
        EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 4);
        // Each row, and once more at the end; or the last row and the end.
        EXPECT_EQ(counted.flushes, c.flushedPerRow ? 5 : 2) << c.interactive << c.lineAtATime;
    }
}

}  // namespace
