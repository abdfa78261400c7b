// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <QFile>
#include <QLibraryInfo>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/command_line/tool_runner.h"
#include "core/resources/version.h"
#include "ui/shell/brimlet_app.h"
#include "ui/shell/languages.h"
#include "ui/widgets/caret_rest.h"

namespace {

// The options without a window are the core's, shared with brimlet-tool.
std::string help() {
    return std::string("Usage: brimlet [OPTION]... [FILE]\n") + kProductName +
           std::string(
               ": an engineering toolbox of unit converters, equation solvers,\n"
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

// The options that Qt takes out of the command line for itself, with one
// dash or two, checked against Qt 6.4.2 (Debian 12) by starting it under X
// with each: QGuiApplication reads the platform's and the first window's
// (-geometry, -title and -icon on X only), the xcb plugin the display's,
// QApplication the style's, QCoreApplication the QML debugger's. Qt 4's
// -ncols, -cmap and -sync are gone from them. On another platform Qt leaves
// the xcb plugin's options in argv; they are read here all the same, so that
// a value is never taken for a file. Check again when Qt moves on: an option
// it drops becomes the user's mistake here.
enum class QtValue {
    None,         // -reverse
    Next,         // -platform offscreen
    NextOrJoined  // -style fusion or -style=fusion
};
struct QtOption {
    const char* name;
    QtValue value;
};
constexpr QtOption kQtOptions[] = {
    {"platform", QtValue::Next},
    {"platformpluginpath", QtValue::Next},
    {"platformtheme", QtValue::Next},
    {"plugin", QtValue::Next},
    {"qwindowgeometry", QtValue::Next},
    {"geometry", QtValue::Next},
    {"qwindowtitle", QtValue::Next},
    {"title", QtValue::Next},
    {"qwindowicon", QtValue::Next},
    {"icon", QtValue::Next},
    {"session", QtValue::Next},
    {"reverse", QtValue::None},
    {"testability", QtValue::None},
    {"display", QtValue::Next},
    {"name", QtValue::Next},
    {"visual", QtValue::Next},
    {"nograb", QtValue::None},
    {"dograb", QtValue::None},
    {"style", QtValue::NextOrJoined},
    {"stylesheet", QtValue::NextOrJoined},
    {"widgetcount", QtValue::None},
    {"qdevel", QtValue::None},  // obsolete, yet still taken
    {"qdebug", QtValue::None},
    {"qmljsdebugger", QtValue::NextOrJoined},
};

// The Qt option that arg is, and whether the next word is its value.
std::optional<bool> qtOptionTakesNext(std::string_view arg) {
    arg.remove_prefix(arg.starts_with("--") ? 2 : 1);
    const std::size_t equals = arg.find('=');
    const bool joined = equals != std::string_view::npos;
    arg = arg.substr(0, equals);
    for (const QtOption& option : kQtOptions) {
        if (arg == option.name && (!joined || option.value == QtValue::NextOrJoined)) {
            return option.value != QtValue::None && !joined;
        }
    }
    return std::nullopt;
}

// What the command line asks of the window, checked before the windowing
// system starts, so that a mistyped option is reported as such (status 2)
// even where no display could be opened.
struct WindowArguments {
    bool chosePlatform = false;  // -platform or -display: Qt decides whether it can start
    int files = 0;
    const char* file = nullptr;  // one of argv's strings, which stay where they are when Qt reorders argv
    const char* unknown = nullptr;
};

WindowArguments readWindowArguments(int argc, char** argv) {
    WindowArguments read;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;  // what follows is a file name, even if it starts with '-'
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            const std::optional<bool> takesNext = qtOptionTakesNext(arg);
            if (!takesNext) {
                read.unknown = read.unknown != nullptr ? read.unknown : argv[i];
                continue;
            }
            const std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
            read.chosePlatform = read.chosePlatform || name == "platform" || name == "display";
            i += *takesNext ? 1 : 0;
        } else {
            ++read.files;
            read.file = argv[i];
        }
    }
    return read;
}

// Whether Qt's Wayland platform plugin is where Qt looks for it, so that a
// missing one can be named.
bool waylandPluginInstalled() {
    const QString folder = QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms/");
    return QFile::exists(folder + QStringLiteral("libqwayland-generic.so"));
}

void cannotOpenDisplay(const std::string& why) {
    std::fprintf(stderr, "brimlet: cannot open a display (%s); try 'brimlet --help' for the options\n",
                 why.c_str());
}

// Qt ends the process with abort() when no platform plugin starts (a display
// that does not answer, a platform that does not exist; qFatal() in Qt 6.4.2,
// Debian 12; no QTBUG found): while the
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
    std::string missing;
    if (isSet("WAYLAND_DISPLAY") && !waylandPluginInstalled()) {
        missing = "; Wayland needs Qt's plugin from the package qt6-wayland";
    }
    cannotOpenDisplay("the windowing system did not start" + (names.empty() ? std::string() : "; " + names) +
                      missing);
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
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            return tool_runner::print(help());
        }
        if (std::strcmp(arg, "--version") == 0 || std::strcmp(arg, "-v") == 0) {
            return tool_runner::print(std::string("brimlet ") + kVersion + "\n" + kVersionNotice);
        }
    }

    // Option errors come first: they are the user's to mend, whatever the display.
    const WindowArguments window = readWindowArguments(argc, argv);
    if (window.unknown != nullptr) {
        std::fprintf(stderr, "brimlet: unknown option '%s'\nTry 'brimlet --help' for more information.\n",
                     window.unknown);
        return 2;
    }
    if (window.files > 1) {
        std::fprintf(stderr, "brimlet: only one file name may be given\n");
        return 2;
    }
    if (!isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY") &&
        !window.chosePlatform) {
        cannotOpenDisplay("neither DISPLAY (X11) nor WAYLAND_DISPLAY (Wayland) is set");
        return 1;
    }
    qInstallMessageHandler(platformStartHandler);
    CBrimletApp app(argc, argv);
    qInstallMessageHandler(nullptr);
    installLanguage(app);
    const CaretRest caretRest;
    if (!app.initInstance(window.file != nullptr ? QByteArray(window.file) : QByteArray())) {
        return 1;
    }
    return app.exec();
}
