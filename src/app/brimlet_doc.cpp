#include "app/brimlet_doc.h"

#include <QFile>
#include <QFileInfo>

QString CBrimletDoc::title() const {
    if (path_.isEmpty()) {
        return QStringLiteral("Untitled");
    }
    return QFileInfo(path_).fileName();
}

CBrimletDoc::Result CBrimletDoc::open(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        return Result::Failed;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    return Result::Done;
}

CBrimletDoc::Result CBrimletDoc::saveAs(const QString& path) {
    if (path.isEmpty()) {
        return Result::Failed;
    }
    const QFileInfo info(path);
    if (info.exists()) {
        if (info.isDir()) {
            return Result::Failed;
        }
    } else {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            return Result::Failed;
        }
    }
    path_ = info.absoluteFilePath();
    return Result::Done;
}

CBrimletDoc::Result CBrimletDoc::save() {
    if (path_.isEmpty()) {
        return Result::Failed;
    }
    return saveAs(path_);
}
