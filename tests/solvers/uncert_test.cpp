#include <gtest/gtest.h>

#include <string>

#include "solvers/uncert.h"
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
        tool.type(1010, c.value);
        tool.type(1011, c.uncertainty);
        tool.type(1012, "7");
        tool.type(1013, "9");
    } else {
        tool.type(1010, "7");
        tool.type(1011, "9");
        tool.type(1012, c.value);
        tool.type(1013, c.uncertainty);
    }
    ASSERT_TRUE(tool.click(c.button));
    EXPECT_EQ(c.result, tool.field(1014));
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
    tool.type(1010, "200");
    tool.type(1011, "50");
    tool.type(1012, "40");
    tool.type(1013, "2");
    tool.click(1000);
    EXPECT_EQ("100", tool.field(1014));
    tool.click(1001);
    EXPECT_EQ("5", tool.field(1014));
    tool.click(1000);
    EXPECT_EQ("100", tool.field(1014));
}

TEST(Uncert, PercentIsDividedBeforeMultiplying) {
    OpenTool<Uncert> tool;
    tool.type(1010, "3");
    tool.type(1011, "10");
    tool.click(1000);
    // (10 / 100) * 3, not 10 * 3 / 100 = 0.3
    EXPECT_EQ(0.1 * 3, tool.tool.m_result);
    EXPECT_EQ("0.3", tool.field(1014));
}

TEST(Uncert, ClearDataDoesNotRead) {
    OpenTool<Uncert> tool;
    tool.type(1010, "abc");
    tool.type(1011, "12");
    tool.type(1012, "");
    tool.type(1013, "-");
    tool.type(1014, "result?");
    ASSERT_TRUE(tool.click(1002));
    EXPECT_TRUE(tool.host.messages.empty());
    EXPECT_TRUE(tool.host.focused.empty());
    for (const int id : {1010, 1011, 1012, 1013, 1014}) {
        EXPECT_EQ("0", tool.field(id)) << id;
    }
}

TEST(Uncert, RefusedValueShowsTheMessageAndKeepsTheOldValue) {
    OpenTool<Uncert> tool;
    tool.type(1010, "200");
    tool.type(1011, "50");
    tool.click(1000);
    tool.type(1010, "x");
    tool.type(1011, "10");
    tool.click(1000);
    ASSERT_EQ(std::vector<std::string>{"Please enter a number."}, tool.host.messages);
    // 1010 was refused, so 1011 was never read either: same result as before.
    EXPECT_EQ("200", tool.field(1010));
    EXPECT_EQ("50", tool.field(1011));
    EXPECT_EQ("100", tool.field(1014));
}

}  // namespace
