// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The command line runs a tool exactly as its window does: the same steps,
// taken once with real clicks and keys in the window and once through
// `brimlet --tool ... --json`, leave the same text in every field and show the
// same messages.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <sstream>
#include <string>
#include <vector>

#include "core/command_line/tool_runner.h"
#include "core/commands/command_table.h"
#include "core/text/field_table.h"
#include "support/tools.h"
#include "support/window_harness.h"

namespace {

using harness::steps;
using harness::typed;

struct Case {
    const char* name;  // the tool's class
    std::string steps;
};

// Every tool, with refused input and calculator sequences among the steps.
const Case kCases[] = {
    {"Geo", steps({typed(Geo::kX1, "1"), typed(Geo::kY1, "2"), typed(Geo::kX2, "4"), typed(Geo::kY2, "6.5"),
                   Geo::kCalculate, typed(Geo::kX2, "x"), Geo::kCalculate})},
    {"Pythegor", steps({typed(Pythegor::kSide1, "3"), typed(Pythegor::kSide2, "4"), Pythegor::kFindHypotenuse,
                        Pythegor::kCheckTriple, typed(Pythegor::kSide2, "4.5"), Pythegor::kCheckTriple})},
    {"Quad", steps({typed(Quad::kA, "1"), typed(Quad::kB, "-3"), typed(Quad::kC, "2"), Quad::kFindRoots,
                    typed(Quad::kA, "0"), Quad::kFindRoots})},
    {"Uncert",
     steps({typed(Uncert::kValue1, "10"), typed(Uncert::kPercent1, "5"), Uncert::kCalcAbsUncertainty,
            typed(Uncert::kValue2, "x"), Uncert::kCalcPercentUncertainty})},
    {"Bend", steps({typed(Bend::kRadius, "2"), typed(Bend::kThickness, "1"), typed(Bend::kAngle, "90"),
                    Bend::kCalculate, Bend::kClearData})},
    {"TheCombination",
     steps({typed(TheCombination::kN, "5"), typed(TheCombination::kR, "2"), TheCombination::kCalculate,
            typed(TheCombination::kN, "200"), TheCombination::kCalculate})},
    {"Permutation", steps({typed(Permutation::kN, "6"), typed(Permutation::kR, "3"), Permutation::kCalculate,
                           typed(Permutation::kR, "2.5"), Permutation::kCalculate})},
    {"Prefixes", steps({typed(Prefixes::kPower, "6"), Prefixes::kLookUp, Prefixes::kKeypadPlusMinus,
                        Prefixes::kKeyE1, Prefixes::kPlusMinus, Prefixes::kKeypadLookUp})},
    {"Periodic", steps({elementButton("H"), elementButton("He"), elementButton("B"), elementButton("Og")})},
    {"Planets", steps({Planets::kEarth, Planets::kPluto, Planets::kJupiter})},
    {"MyCalculator",
     steps({MyCalculator::kDigit2, MyCalculator::kPlus, MyCalculator::kDigit3, MyCalculator::kEquals,
            MyCalculator::kSqrt, typed(MyCalculator::kMemory1, "5é😀"), MyCalculator::kRecall1,
            MyCalculator::kBack, MyCalculator::kBack, MyCalculator::kHelp})},
    {"SimpleCalc",
     steps({"k12+3=", SimpleCalc::kDividedBy, SimpleCalc::kDigit3, SimpleCalc::kEquals, "k7B9*2R"})},
    {"Energy", steps({typed(Energy::kInput, "2"), Energy::kJoulesUnit, Energy::kKilowattHoursUnit})},
    {"Force",
     steps({typed(Force::kInput, "3"), Force::kPoundsUnit, typed(Force::kInput, ""), Force::kDynesUnit})},
    {"Length", steps({typed(Length::kInput, "2é"), Length::kFeetUnit, typed(Length::kInput, "0😀"),
                      Length::kFeetUnit, typed(Length::kInput, "y"), Length::kMetersUnit})},
    {"Numbers", steps({typed(Numbers::kArabic, "1987"), Numbers::kToRoman, typed(Numbers::kRoman, "MCMXCIV"),
                       Numbers::kToArabic, typed(Numbers::kRoman, "ABC"), Numbers::kToArabic,
                       typed(Numbers::kArabic, "0"), Numbers::kToRoman})},
    {"Power", steps({typed(Power::kInput, "1"), Power::kHorsepowerUnit, Power::kFootPoundsPerSecondUnit})},
    {"Pressures", steps({typed(Pressures::kInput, "1"), Pressures::kAtmUnit, Pressures::kClearData})},
    {"DegreesRadians",
     steps({typed(DegreesRadians::kDegrees, "180"), DegreesRadians::kConvert,
            typed(DegreesRadians::kRadians, "1"), DegreesRadians::kConvert, DegreesRadians::kClearData})},
    {"Speed", steps({typed(Speed::kInput, "100"), Speed::kKilometersPerHourUnit, Speed::kClearData})},
    {"Degrees", steps({typed(Degrees::kInput, "100"), Degrees::kCelsiusUnit, typed(Degrees::kInput, "z"),
                       Degrees::kKelvinUnit})},
    {"Time", steps({typed(Time::kInput, "3600"), Time::kSecondsUnit, Time::kDaysUnit})},
    {"Weight", steps({typed(Weight::kInput, "5"), Weight::kPoundsUnit, Weight::kClearData})},
};

// A column of values converted by --each, value by value by one-shot runs, and
// in the window: the field the values go into and the button pressed.
struct Column {
    const char* className;
    int field;
    int button;
};

const Column kColumns[] = {
    {"Length", Length::kInput, Length::kFeetUnit},
    {"Degrees", Degrees::kInput, Degrees::kCelsiusUnit},
    {"Numbers", Numbers::kArabic, Numbers::kToRoman},
};

// Plain numbers, the edges of reading and writing, and refused texts.
const char* const kSample[] = {"2",    "3.5",  "-0",  "1e308", "0.1", "x",    "",
                               "1987", "4000", "1,5", "é",     "-40", "1e-5", "12345678901234567890"};

QJsonObject parsed(const std::string& line) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
}

int commandIdOf(std::string_view className) {
    for (const ToolCommand& command : toolCommands()) {
        if (command.className == className) {
            return command.commandId;
        }
    }
    return 0;
}

// The same steps as command-line words.
std::vector<std::string> commandLine(int commandId, const std::string& steps) {
    std::vector<std::string> words{"--tool", findToolCommand(commandId)->className, "--json"};
    std::istringstream stream(steps);
    std::string step;
    while (stream >> step) {
        if (step.starts_with('t')) {
            words.insert(words.end(), {"--set", "#" + step.substr(1)});
        } else if (step.starts_with('k')) {
            std::string keys;
            for (const char c : step.substr(1)) {
                keys += c == 'R' ? '\n' : c == 'B' ? '\b' : c == 'D' ? '\x7f' : c;
            }
            words.insert(words.end(), {"--keys", keys});
        } else {
            words.insert(words.end(), {"--press", "#" + step});
        }
    }
    return words;
}

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sameTextsAsTheWindow_data() {
        QTest::addColumn<int>("commandId");
        QTest::addColumn<QString>("steps");
        for (const Case& c : kCases) {
            QTest::newRow(c.name) << commandIdOf(c.name) << QString::fromStdString(c.steps);
        }
    }

    void sameTextsAsTheWindow() {
        QFETCH(int, commandId);
        QFETCH(QString, steps);
        ToolWindow* window = harness::openTool(commandId);
        QVERIFY(window != nullptr);
        harness::MessageCatcher catcher;
        harness::runSteps(window, steps.toStdString());

        const std::vector<std::string> words = commandLine(commandId, steps.toStdString());
        const std::vector<std::string_view> args(words.begin(), words.end());
        std::ostringstream out;
        std::ostringstream err;
        const int status = tool_runner::run(args, out, err);
        QCOMPARE(status, catcher.messages.isEmpty() ? 0 : 1);

        QJsonParseError error{};
        const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(out.str()), &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
        const QJsonObject result = json.object();
        QCOMPARE(result.value(QLatin1String("tool")).toString(),
                 QString::fromUtf8(findToolCommand(commandId)->className));
        QStringList messages;
        for (const QJsonValue message : result.value(QLatin1String("messages")).toArray()) {
            messages << message.toString();
        }
        QCOMPARE(messages, catcher.messages);
        QString table;
        for (const QJsonValue field : result.value(QLatin1String("fields")).toArray()) {
            const QJsonObject object = field.toObject();
            const int id = object.value(QLatin1String("id")).toInt();
            QCOMPARE(object.value(QLatin1String("name")).toString(),
                     harness::control(window, id)->accessibleName());
            table += QString::fromStdString(
                field_table::line(object.value(QLatin1String("name")).toString().toStdString(),
                                  object.value(QLatin1String("text")).toString().toStdString()));
        }
        // Every field, in the window's order, character for character.
        QCOMPARE(table, window->allFields());
        window->reject();
    }

    void sameTextsByEachLineOneShotAndWindow_data() {
        QTest::addColumn<int>("column");
        for (std::size_t i = 0; i < std::size(kColumns); ++i) {
            QTest::newRow(kColumns[i].className) << static_cast<int>(i);
        }
    }

    void sameTextsByEachLineOneShotAndWindow() {
        QFETCH(int, column);
        const Column& c = kColumns[column];
        const std::string field = "#" + std::to_string(c.field);
        const std::string button = "#" + std::to_string(c.button);
        std::string input;
        for (const char* value : kSample) {
            input += std::string(value) + "\n";
        }
        const std::vector<std::string> each{"--tool",  c.className, "--each", field,
                                            "--press", button,      "--json"};
        const std::vector<std::string_view> eachArgs(each.begin(), each.end());
        std::istringstream in(input);
        std::ostringstream rows;
        std::ostringstream eachErr;
        tool_runner::run(eachArgs, tool_runner::Streams{in, rows, eachErr});
        std::istringstream rowLines(rows.str());

        for (const char* value : kSample) {
            std::string row;
            QVERIFY(std::getline(rowLines, row));
            QJsonObject fromEach = parsed(row);
            fromEach.remove(QLatin1String("line"));

            const std::vector<std::string> oneShot{"--tool",  c.className, "--set", field + "=" + value,
                                                   "--press", button,      "--json"};
            const std::vector<std::string_view> args(oneShot.begin(), oneShot.end());
            std::ostringstream out;
            std::ostringstream err;
            tool_runner::run(args, out, err);
            QCOMPARE(fromEach, parsed(out.str()));

            ToolWindow* window = harness::openTool(commandIdOf(c.className));
            QVERIFY(window != nullptr);
            harness::MessageCatcher catcher;
            harness::type(window, c.field, QString::fromUtf8(value));
            harness::click(window, c.button);
            QStringList messages;
            for (const QJsonValue message : fromEach.value(QLatin1String("messages")).toArray()) {
                messages << message.toString();
            }
            QCOMPARE(messages, catcher.messages);
            for (const QJsonValue shown : fromEach.value(QLatin1String("fields")).toArray()) {
                const QJsonObject object = shown.toObject();
                QCOMPARE(object.value(QLatin1String("text")).toString(),
                         harness::text(window, object.value(QLatin1String("id")).toInt()));
            }
            window->reject();
        }
    }

    // A field's tab, line break or leading quote is quoted alike on the
    // clipboard and on the command line, so neither makes a cell of its own.
    void copyAllFieldsAsTheCommandLinePrints_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("tab and line break") << QStringLiteral("1\t2\nFeet\t99");
        QTest::newRow("carriage return") << QStringLiteral("3\r");
        QTest::newRow("leading quote") << QStringLiteral("\"4\" or so");
        QTest::newRow("inner quote") << QStringLiteral("5\"");
    }

    void copyAllFieldsAsTheCommandLinePrints() {
        QFETCH(QString, text);
        ToolWindow* window = harness::openTool(commandIdOf("Length"));
        QVERIFY(window != nullptr);
        window->setText(Length::kInput, text.toStdString());

        const std::vector<std::string> words{"--tool", "Length", "--set", "Input=" + text.toStdString()};
        const std::vector<std::string_view> args(words.begin(), words.end());
        std::ostringstream out;
        std::ostringstream err;
        QCOMPARE(tool_runner::run(args, out, err), 0);
        QCOMPARE(window->allFields(), QString::fromStdString(out.str()));
        window->reject();
    }
};

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
