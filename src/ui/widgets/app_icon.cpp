#include "ui/widgets/app_icon.h"

QIcon appIcon() {
    // The pictures live in a static library's resources, which the linker
    // would leave out unless something names them.
    Q_INIT_RESOURCE(resources);
    // The window system keeps every size for every window and draws none
    // larger than 128 pixels (a dock or a launcher takes the installed theme
    // icon, which has 256 too), and decoding that one alone took more than
    // half of the icon's time and memory at start-up.
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128}) {
        icon.addFile(QStringLiteral(":/icons/%1/brimlet.png").arg(size), QSize(size, size));
    }
    return icon;
}
