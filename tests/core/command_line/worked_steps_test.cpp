// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/command_line/json_writer.h"
#include "core/text/number_text.h"
#include "support/command_line_run.h"

// Every worked step is redone here from its own text: each side of an
// equation that is all numbers is evaluated in doubles, with × and ÷ before
// + and −, left to right, and must give exactly the next side's number.
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A side of an equation as arithmetic; nothing when it holds words.
class Arithmetic {
public:
    explicit Arithmetic(std::string_view text) : text_(text) {}

    // The value of the whole text, or of its start where words follow
    // ('5 %', '0, since ...'), when that is allowed.
    std::optional<double> value(bool wordsMayFollow) {
        const std::optional<double> v = chain(true);
        const std::string_view rest = text_.substr(pos_);
        const bool words = !rest.empty() && wordsMayFollow &&
                           std::string_view("0123456789.(").find(rest.front()) == std::string_view::npos;
        return v && (rest.empty() || words) ? v : std::nullopt;
    }

private:
    bool take(std::string_view token) {
        skipBlanks();
        if (text_.substr(pos_).starts_with(token)) {
            pos_ += token.size();
            return true;
        }
        return false;
    }
    void skipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') {
            ++pos_;
        }
    }
    // Left to right on one level: + and − between products, × and ÷ between powers.
    std::optional<double> chain(bool sums) {
        std::optional<double> v = sums ? chain(false) : power();
        while (v) {
            const int op = take(sums ? "+" : "×") ? 0 : take(sums ? "−" : "÷") ? 1 : -1;
            const std::optional<double> r = op < 0 ? std::nullopt : sums ? chain(false) : power();
            if (!r) {
                return op < 0 ? v : std::nullopt;
            }
            v = sums ? (op == 0 ? *v + *r : *v - *r) : (op == 0 ? *v * *r : *v / *r);
        }
        return v;
    }
    std::optional<double> power() {
        std::optional<double> v = factor();
        if (v && take("²")) {
            v = *v * *v;
        }
        return v;
    }
    std::optional<double> factor() {
        if (take("√")) {
            const auto v = factor();
            return v ? std::optional(std::sqrt(*v)) : std::nullopt;
        }
        if (take("(")) {
            const auto v = chain(true);
            return v && take(")") ? v : std::nullopt;
        }
        skipBlanks();
        for (const auto& [word, value] :
             {std::pair{"-1.#INF", -INFINITY}, {"1.#INF", INFINITY}, {"-1.#IND", NAN}}) {
            if (take(word)) {
                return value;
            }
        }
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               std::string_view("0123456789.e+-").find(text_[pos_]) != std::string_view::npos &&
               !(pos_ > start && (text_[pos_] == '-' || text_[pos_] == '+') && text_[pos_ - 1] != 'e')) {
            ++pos_;
        }
        return pos_ > start ? numtext::scanDouble(text_.substr(start, pos_ - start)) : std::nullopt;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// Redoes every equation of the steps; how many sides were checked.
int redo(const std::vector<std::string>& steps) {
    int checked = 0;
    for (const std::string& step : steps) {
        std::vector<std::string> sides;
        for (std::size_t start = 0, equals = 0; equals != std::string::npos; start = equals + 3) {
            equals = step.find(" = ", start);
            sides.push_back(step.substr(start, equals - start));
        }
        std::optional<double> before;
        for (std::size_t i = 0; i < sides.size(); ++i) {
            // The last side may go on in words ('= 5 %', '= 0, since ...'); a
            // rounded result is followed by '≈' and the field's text.
            const std::string& side = sides[i];
            const std::size_t approx = side.find(" ≈ ");
            const bool last = i + 1 == sides.size();
            const std::optional<double> value =
                Arithmetic(side.substr(0, approx)).value(last && approx == std::string::npos);
            if (value && approx != std::string::npos) {
                const std::string shown = side.substr(approx + 5);
                EXPECT_EQ(shown.substr(0, shown.find(' ')), numtext::formatDouble(*value)) << step;
            }
            if (value && before) {
                EXPECT_TRUE(std::isnan(*value) ? std::isnan(*before) : *before == *value) << step;
                ++checked;
            }
            before = value;
        }
    }
    return checked;
}

struct WorkedCase {
    const char* name;
    std::vector<std::string> words;  // the tool and its steps
    std::string shows;               // in the steps besides every field's text
};

class WorkedSteps : public testing::TestWithParam<WorkedCase> {};

TEST_P(WorkedSteps, RedoneGiveTheFields) {
    const WorkedCase& c = GetParam();
    std::vector<std::string> words = c.words;
    words.push_back("--steps");
    const std::vector<std::string> steps = linesOf(run(words).out);
    ASSERT_FALSE(steps.empty());
    EXPECT_LE(steps.size(), 40u);
    std::string all;
    for (const std::string& step : steps) {
        all += step + "\n";
    }
    EXPECT_NE(all.find(c.shows), std::string::npos) << all;
    const int redone = redo(steps);
    if (c.shows.empty()) {
        EXPECT_GT(redone, 0) << all;
    }
    // What the fields show is what the steps arrive at (a cleared or blank field aside).
    words.pop_back();
    for (const std::string& field : linesOf(run(words).out)) {
        const std::string text = field.substr(field.find('\t') + 1);
        if (!text.empty() && text != "0") {
            EXPECT_NE(all.find(text), std::string::npos) << field << "\n" << all;
        }
    }
    // The JSON carries the same lines.
    words.insert(words.end(), {"--steps", "--json"});
    std::string quoted;
    for (const std::string& step : steps) {
        quoted += (quoted.empty() ? "" : ", ") + json_writer::quoted(step);
    }
    EXPECT_NE(run(words).out.find("\"steps\": [" + quoted + "]}"), std::string::npos);
}

std::vector<std::string> tool(const char* name, std::vector<std::string> sets, const char* button) {
    std::vector<std::string> words{"--tool", name};
    for (std::string& set : sets) {
        words.insert(words.end(), {"--set", set});
    }
    words.insert(words.end(), {"--press", button});
    return words;
}

const WorkedCase kCases[] = {
    {"LengthFeet", tool("Length", {"Input=2"}, "ft"), ""},
    {"LengthLightYear", tool("Length", {"Input=1"}, "Light-year"), ""},
    {"TemperatureFahrenheit", tool("Degrees", {"Input=50"}, "Farengheit"), "(50 − 32) × 0.5555555555555556"},
    {"TemperatureKelvin", tool("Degrees", {"Input=0"}, "Kelvin"), "-459.66999999999996 ≈ -459.67"},
    {"SpeedKmh", tool("Speed", {"Input=1"}, "km/h"), ""},
    {"TimeSeconds", tool("Time", {"Input=86400"}, "Seconds"), ""},
    {"EnergyCalories", tool("Energy", {"Input=1"}, "Calories"), ""},
    {"ForceTons", tool("Force", {"Input=1"}, "Tons"), ""},
    {"PowerWatts", tool("Power", {"Input=1"}, "Watts"), ""},
    {"WeightOunces", tool("Weight", {"Input=16"}, "Oz"), ""},
    {"PressureMmHg", tool("Pressures", {"Input=1"}, "mm Hg"), ""},
    {"DegreesToRadians", tool("DegreesRadians", {"Degrees=90"}, "<<< Convert >>>"), ""},
    {"RadiansToDegrees", tool("DegreesRadians", {"Radians=1"}, "<<< Convert >>>"), ""},
    {"RomanLetterByLetter", tool("Numbers", {"Arabic number=1994"}, "<<"), ""},
    {"ArabicLetterByLetter", tool("Numbers", {"Roman numeral=MCMXCIV"}, ">>"), ""},
    {"LineThroughTwoPoints",
     tool("Geo", {"Point 1 X=1", "Point 1 Y=2", "Point 2 X=3", "Point 2 Y=6"}, "Calculate"), ""},
    {"Hypotenuse", tool("Pythegor", {"Side 1=3", "Side 2=4"}, "Find Hypothenuse"), ""},
    {"MissingSide", tool("Pythegor", {"Side 1=3", "Side 2=99", "Hypothenuse=5"}, "Find Side"), ""},
    {"Triple",
     tool("Pythegor", {"Side 1=1.5", "Side 2=2", "Hypothenuse=2.5"}, "Check If Pythegorean Tripple"), ""},
    {"TwoRoots", tool("Quad", {"Coefficient a=1", "Coefficient b=-3", "Coefficient c=2"}, "Find x-value(s)"),
     "(3 + 1) ÷ 2 = 2"},
    {"AbsoluteUncertainty",
     tool("Uncert", {"First value=200", "Percent uncertainty of the first value=50"},
          "Calculate Abs. Uncertainty"),
     ""},
    {"PercentUncertainty",
     tool("Uncert", {"Second value=3", "Absolute uncertainty of the second value=0.5"},
          "Calculate % Abs. Uncertainty"),
     ""},
    {"BendAllowance",
     tool("Bend", {"Inside bend radius R=1", "Material thickness T=0.5", "Angle of the bend A=45"},
          "Calculate Bend Allowance"),
     ""},
    {"Combination", tool("TheCombination", {"n=4.5", "r=2"}, "Calculate"),
     "4.5 × 3.5 × 2.5 × 1.5 × 0.5 = 29.53125"},
    {"Permutation", tool("Permutation", {"n=5", "r=2.5"}, "Calculate"), "5 × 4 × 3 = 60"},
    {"Prefix", tool("Prefixes", {"Power of 10=-6"}, "#1000"), "10^-6 is micro, symbol greek mue"},
    // At the edges the steps say why in a line, and still redo.
    {"RefusedText", tool("Length", {"Input=abc"}, "m"), "'abc' is not a number"},
    {"NumberBeforeText", tool("Pythegor", {"Side 1=1.#INF", "Side 2=4"}, "Find Hypothenuse"),
     "'1.#INF' reads as 1"},
    {"NegativeDiscriminant", tool("Quad", {"Coefficient a=1", "Coefficient c=1"}, "Find x-value(s)"),
     "-4 is below 0"},
    {"NotAQuadratic", tool("Quad", {"Coefficient b=2", "Coefficient c=4"}, "Find x-value(s)"), "2a is 0"},
    {"VerticalLine", tool("Geo", {"Point 1 X=2", "Point 1 Y=5", "Point 2 X=2", "Point 2 Y=9"}, "Calculate"),
     "the line is vertical"},
    {"ImpossibleTriangle", tool("Pythegor", {"Side 1=5", "Hypothenuse=3"}, "Find Side"),
     "longer than the hypotenuse"},
    {"NoSide", tool("Pythegor", {}, "Find Side"), "\"No data entered.\""},
    {"ZeroFactorial", tool("TheCombination", {"n=5", "r=5"}, "Calculate"),
     "(n − r)! = 0, since 0 is not above 1"},
    {"LongProductShortened", tool("TheCombination", {"n=20", "r=3"}, "Calculate"),
     "20 × 19 × … × 1 (20 factors)"},
    {"EndlessCount", tool("Permutation", {"n=1e300", "r=1e300"}, "Calculate"), "never gets down to 1"},
    {"ZeroValue",
     tool("Uncert", {"Absolute uncertainty of the second value=2"}, "Calculate % Abs. Uncertainty"),
     "The value is 0"},
    {"OutOfRoman", tool("Numbers", {"Arabic number=4000"}, "<<"), "4000 is not between 1 and 3999"},
    {"NoOpposite", tool("Prefixes", {"Power of 10=-2147483648"}, "+/-"), "has no opposite"},
};
INSTANTIATE_TEST_SUITE_P(Tools, WorkedSteps, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
