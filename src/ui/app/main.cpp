#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/tool_runner.h"
#include "core/resources/version.h"
#include "ui/app/brimlet_app.h"

namespace {

void printHelp() {
    std::printf(
        "Usage: brimlet [OPTION]... [FILE]\n"
        "Brimlet 5: an engineering toolbox of unit converters, equation solvers,\n"
        "reference tables and calculators.\n"
        "\n"
        "FILE is adopted as the (empty) document; it is never read or changed.\n"
        "\n"
        "Options:\n"
        "  -h, --help       show this help and exit\n"
        "  -v, --version    show the version and exit\n"
        "\n"
        "Running one tool without a window (no display needed):\n"
        "  brimlet --tools                       list the tools\n"
        "  brimlet --tool TOOL --list            list a tool's fields and buttons\n"
        "  brimlet --tool TOOL [STEP]... [--json] [--svg FILE]\n"
        "TOOL is a menu item (\"Quadratic Formula\", length) or a class name (Degrees).\n"
        "Steps run in order, as a user acts in the window:\n"
        "  --set FIELD=TEXT  writes TEXT into the field (its name, or #ID)\n"
        "  --press BUTTON    clicks the button (its caption without '&', or #ID)\n"
        "  --keys TEXT       types the characters as keys (a newline is Enter)\n"
        "Then every field is printed as NAME<TAB>TEXT, or all as one JSON object with\n"
        "--json. A message of the tool goes to standard error; the status is 0, 1 when\n"
        "the tool showed a message, 2 for a command line that cannot run. --svg FILE\n"
        "also writes the picture of a solver that draws one (- for standard output).\n"
        "Examples:\n"
        "  brimlet --tool length --set Input=2 --press ft\n"
        "  brimlet --tool 'pythagorean theorem' --set 'Side 1=3' --set 'Side 2=4' --press 'Find "
        "Hypothenuse'\n"
        "  brimlet --tool 'basic calculator' --keys '12+3=' --json | jq -r '.fields[0].text'\n"
        "\n"
        "Qt's own options (such as -platform offscreen) are also understood.\n"
        "\n"
        "A display is needed: DISPLAY (X11) or WAYLAND_DISPLAY, or a platform given\n"
        "with -platform or QT_QPA_PLATFORM (offscreen needs none).\n");
}

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// True when the arguments (before "--") choose the windowing system or the
// display themselves; Qt then decides whether it can start.
bool chosenOnCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const char* arg = argv[i][0] == '-' && argv[i][1] == '-' ? argv[i] + 1 : argv[i];
        if (std::strcmp(arg, "-platform") == 0 || std::strcmp(arg, "-display") == 0) {
            return true;
        }
    }
    return false;
}

void cannotOpenDisplay(const std::string& why) {
    std::fprintf(stderr, "brimlet: cannot open a display (%s); try 'brimlet --help' for the options\n",
                 why.c_str());
}

// Qt ends the process with abort() when no platform plugin starts (a display
// that does not answer, a platform that does not exist): while the
// application object is made, that end becomes the program's own message and
// status 1. Other messages go on to standard error as Qt writes them.
void platformStartHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
        return;
    }
    std::string names;
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (isSet(variable)) {
            names += std::string(names.empty() ? "" : ", ") + variable + "='" + std::getenv(variable) + "'";
        }
    }
    cannotOpenDisplay("the windowing system did not start" + (names.empty() ? std::string() : "; " + names));
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    // A tool run from the command line makes no window and needs no display.
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (tool_runner::wanted(args)) {
        return tool_runner::run(args, std::cout, std::cerr);
    }
    // Help and version need no display, so they are answered before the
    // windowing system is started.
    const char* file = nullptr;
    int files = 0;
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            printHelp();
            return 0;
        }
        if (std::strcmp(arg, "--version") == 0 || std::strcmp(arg, "-v") == 0) {
            std::printf("brimlet %s\n", kVersion);
            return 0;
        }
    }

    if (!isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY") &&
        !chosenOnCommandLine(argc, argv)) {
        cannotOpenDisplay("neither DISPLAY nor WAYLAND_DISPLAY is set");
        return 1;
    }
    qInstallMessageHandler(platformStartHandler);
    CBrimletApp app(argc, argv);
    qInstallMessageHandler(nullptr);
    // Qt has taken its own options out of argv by now.
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (!optionsEnded && std::strcmp(arg, "--") == 0) {
            optionsEnded = true;  // what follows is a file name, even if it starts with '-'
            continue;
        }
        if (!optionsEnded && arg[0] == '-' && arg[1] != '\0') {
            std::fprintf(stderr, "brimlet: unknown option '%s'\nTry 'brimlet --help' for more information.\n",
                         arg);
            return 2;
        }
        file = arg;
        ++files;
    }
    if (files > 1) {
        std::fprintf(stderr, "brimlet: only one file name may be given\n");
        return 2;
    }
    if (!app.initInstance(file != nullptr ? QByteArray(file) : QByteArray())) {
        return 1;
    }
    return app.exec();
}
