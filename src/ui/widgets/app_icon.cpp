#include "ui/widgets/app_icon.h"

QIcon appIcon() {
    // The pictures live in a static library's resources, which the linker
    // would leave out unless something names them.
    Q_INIT_RESOURCE(resources);
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1/brimlet.png").arg(size), QSize(size, size));
    }
    return icon;
}
