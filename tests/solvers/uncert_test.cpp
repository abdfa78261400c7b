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
    if (c.button == 1000) {
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
    ::testing::Values(UncertCase{"AbsoluteFromPercent", 1000, "200", "50", "100"},
                      UncertCase{"AbsoluteOfNegative", 1000, "-40", "2.5", "-1"},
                      UncertCase{"PercentFromAbsolute", 1001, "40", "2", "5"},
                      UncertCase{"PercentRepeating", 1001, "3", "0.5", "16.6666666666667"},
                      UncertCase{"PercentOfZeroValue", 1001, "0", "2", "1.#INF"},
                      UncertCase{"PercentOfZeroValueNegative", 1001, "0", "-2", "-1.#INF"},
                      UncertCase{"PercentZeroOverZero", 1001, "0", "0", "-1.#IND"}),
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
    EXPECT_EQ(0.1 * 3, tool.tool.m_result);
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
    for (const int id : {1010, 1011, 1012, 1013, 1014}) {
        EXPECT_EQ("0", tool.field(id)) << id;
    }
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
    // 1010 was refused, so 1011 was never read either: same result as before.
    EXPECT_EQ("200", tool.field(Uncert::kValue1));
    EXPECT_EQ("50", tool.field(Uncert::kPercent1));
    EXPECT_EQ("100", tool.field(Uncert::kResult));
}

}  // namespace
