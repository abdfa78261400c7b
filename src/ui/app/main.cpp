#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/tool_runner.h"
#include "core/resources/version.h"
#include "ui/app/brimlet_app.h"

namespace {

// The options without a window are the core's, shared with brimlet-tool.
std::string help() {
    return std::string(
               "Usage: brimlet [OPTION]... [FILE]\n"
               "Brimlet 5: an engineering toolbox of unit converters, equation solvers,\n"
               "reference tables and calculators.\n"
               "\n"
               "FILE is adopted as the (empty) document; it is never read or changed.\n"
               "\n"
               "Options:\n"
               "  -h, --help       show this help and exit\n"
               "  -v, --version    show the version and exit\n"
               "\n") +
           tool_runner::usage("brimlet") +
           "\n"
           "Qt's own options (such as -platform offscreen) are also understood.\n"
           "\n"
           "A display is needed: DISPLAY (X11) or WAYLAND_DISPLAY, or a platform given\n"
           "with -platform or QT_QPA_PLATFORM (offscreen needs none).\n";
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
        return tool_runner::runProcess(args);
    }
    // Help and version need no display, so they are answered before the
    // windowing system is started.
    const char* file = nullptr;
    int files = 0;
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            return tool_runner::print(help());
        }
        if (std::strcmp(arg, "--version") == 0 || std::strcmp(arg, "-v") == 0) {
            return tool_runner::print(std::string("brimlet ") + kVersion + "\n");
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
