#include <gtest/gtest.h>

#include <string>

#include "core/solvers/uncert.h"
#include "support/fake_host.h"

namespace {

struct UncertCase {
    const char* name;
    int button;
    const char* value;
    const char* uncertainty;
    const char* result;
};

class UncertResult : public ::testing::TestWithParam<UncertCase> {};

TEST_P(UncertResult, IsShownInTheSharedField) {
    const UncertCase& c = GetParam();
    OpenTool<Uncert> tool;
    // Each button reads only its own row; the other row holds decoys.
    if (c.button == Uncert::kCalcAbsUncertainty) {
        tool.type(Uncert::kValue1, c.value);
        tool.type(Uncert::kPercent1, c.uncertainty);
        tool.type(Uncert::kValue2, "7");
        tool.type(Uncert::kAbsUncertainty2, "9");
    } else {
        tool.type(Uncert::kValue1, "7");
        tool.type(Uncert::kPercent1, "9");
        tool.type(Uncert::kValue2, c.value);
        tool.type(Uncert::kAbsUncertainty2, c.uncertainty);
    }
    ASSERT_TRUE(tool.click(c.button));
    EXPECT_EQ(c.result, tool.field(Uncert::kResult));
    EXPECT_TRUE(tool.host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UncertResult,
    ::testing::Values(
        UncertCase{"AbsoluteFromPercent", Uncert::kCalcAbsUncertainty, "200", "50", "100"},
        UncertCase{"AbsoluteOfNegative", Uncert::kCalcAbsUncertainty, "-40", "2.5", "-1"},
        UncertCase{"PercentFromAbsolute", Uncert::kCalcPercentUncertainty, "40", "2", "5"},
        UncertCase{"PercentRepeating", Uncert::kCalcPercentUncertainty, "3", "0.5", "16.6666666666667"},
        UncertCase{"PercentOfZeroValue", Uncert::kCalcPercentUncertainty, "0", "2", "1.#INF"},
        UncertCase{"PercentOfZeroValueNegative", Uncert::kCalcPercentUncertainty, "0", "-2", "-1.#INF"},
        UncertCase{"PercentZeroOverZero", Uncert::kCalcPercentUncertainty, "0", "0", "-1.#IND"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Uncert, LastButtonDecidesTheResult) {
    OpenTool<Uncert> tool;
    tool.type(Uncert::kValue1, "200");
    tool.type(Uncert::kPercent1, "50");
    tool.type(Uncert::kValue2, "40");
    tool.type(Uncert::kAbsUncertainty2, "2");
    tool.click(Uncert::kCalcAbsUncertainty);
    EXPECT_EQ("100", tool.field(Uncert::kResult));
    tool.click(Uncert::kCalcPercentUncertainty);
    EXPECT_EQ("5", tool.field(Uncert::kResult));
    tool.click(Uncert::kCalcAbsUncertainty);
    EXPECT_EQ("100", tool.field(Uncert::kResult));
}

TEST(Uncert, PercentIsDividedBeforeMultiplying) {
    OpenTool<Uncert> tool;
    tool.type(Uncert::kValue1, "3");
    tool.type(Uncert::kPercent1, "10");
    tool.click(Uncert::kCalcAbsUncertainty);
    // (10 / 100) * 3, not 10 * 3 / 100 = 0.3
    EXPECT_EQ(0.1 * 3, tool.value(Uncert::kResult));
    EXPECT_EQ("0.3", tool.field(Uncert::kResult));
}

TEST(Uncert, ClearDataDoesNotRead) {
    OpenTool<Uncert> tool;
    tool.type(Uncert::kValue1, "abc");
    tool.type(Uncert::kPercent1, "12");
    tool.type(Uncert::kValue2, "");
    tool.type(Uncert::kAbsUncertainty2, "-");
    tool.type(Uncert::kResult, "result?");
    ASSERT_TRUE(tool.click(Uncert::kClearData));
    EXPECT_TRUE(tool.host.messages.empty());
    EXPECT_TRUE(tool.host.focused.empty());
    EXPECT_EQ(std::vector<std::string>(5, "0"), tool.fields());
}

TEST(Uncert, RefusedValueShowsTheMessageAndKeepsTheOldValue) {
    OpenTool<Uncert> tool;
    tool.type(Uncert::kValue1, "200");
    tool.type(Uncert::kPercent1, "50");
    tool.click(Uncert::kCalcAbsUncertainty);
    tool.type(Uncert::kValue1, "x");
    tool.type(Uncert::kPercent1, "10");
    tool.click(Uncert::kCalcAbsUncertainty);
    ASSERT_EQ(std::vector<std::string>{"Please enter a number."}, tool.host.messages);
    // The first value was refused, so its percentage was never read either: same result as before.
    EXPECT_EQ("200", tool.field(Uncert::kValue1));
    EXPECT_EQ("50", tool.field(Uncert::kPercent1));
    EXPECT_EQ("100", tool.field(Uncert::kResult));
}

}  // namespace
