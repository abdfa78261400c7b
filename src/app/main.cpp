#include <cstdio>
#include <cstring>

#include "app/brimlet_app.h"
#include "resources/version.h"

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
        "Qt's own options (such as -platform offscreen) are also understood.\n");
}

}  // namespace

int main(int argc, char** argv) {
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

    CBrimletApp app(argc, argv);
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
