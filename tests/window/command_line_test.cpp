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

#include "core/app/command_table.h"
#include "core/app/field_table.h"
#include "core/app/tool_runner.h"
#include "core/converters/degrees.h"
#include "core/converters/length.h"
#include "core/converters/numbers.h"
#include "window/window_harness.h"

namespace {

struct Case {
    const char* name;
    int commandId;
    const char* steps;  // as harness::runSteps reads them
};

// Every tool, with refused input and calculator sequences among the steps.
const Case kCases[] = {
    {"Geo", 32782, "t1010=1 t1011=2 t1012=4 t1013=6.5 1000 t1012=x 1000"},
    {"Pythegor", 32783, "t1010=3 t1011=4 1000 1002 t1011=4.5 1002"},
    {"Quad", 32784, "t1010=1 t1011=-3 t1012=2 1000 t1010=0 1000"},
    {"Uncert", 32787, "t1010=10 t1011=5 1000 t1012=x 1001"},
    {"Bend", 32788, "t1010=2 t1011=1 t1012=90 1000 1001"},
    {"TheCombination", 32785, "t1010=5 t1011=2 1000 t1010=200 1000"},
    {"Permutation", 32786, "t1010=6 t1011=3 1000 t1011=2.5 1000"},
    {"Prefixes", 32789, "t1010=6 1000 1018 1003 1002 1019"},
    {"Periodic", 32790, "1000 1087 1054 1093"},
    {"Planets", 32791, "1002 1008 1004"},
    {"MyCalculator", 32793, "1001 1023 1002 1022 1034 t1013=5é😀 1019 1043 1043 1056"},
    {"SimpleCalc", 32792, "k12+3= 1026 1002 1030 k7B9*2R"},
    {"Energy", 32771, "t1010=2 1022 1026"},
    {"Force", 32772, "t1010=3 1024 t1010= 1023"},
    {"Length", 32773, "t1010=2é 1025 t1010=y 1022"},
    {"Numbers", 32774, "t1011=1987 1002 t1010=MCMXCIV 1000 t1010=ABC 1000 t1011=0 1002"},
    {"Power", 32775, "t1010=1 1022 1024"},
    {"Pressures", 32776, "t1010=1 1022 1000"},
    {"DegreesRadians", 32777, "t1010=180 1000 t1011=1 1000 1001"},
    {"Speed", 32778, "t1010=100 1025 1001"},
    {"Degrees", 32779, "t1010=100 1022 t1010=z 1024"},
    {"Time", 32780, "t1010=3600 1022 1025"},
    {"Weight", 32781, "t1010=5 1024 1000"},
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
            QTest::newRow(c.name) << c.commandId << QString::fromUtf8(c.steps);
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
