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
#include "core/app/tool_runner.h"
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
            table += object.value(QLatin1String("name")).toString() + QLatin1Char('\t') +
                     object.value(QLatin1String("text")).toString() + QLatin1Char('\n');
        }
        // Every field, in the window's order, character for character.
        QCOMPARE(table, window->allFields());
        window->reject();
    }
};

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
