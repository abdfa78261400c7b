#include "dialog/app_icon.h"

QIcon appIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1/brimlet.png").arg(size), QSize(size, size));
    }
    return icon;
}
