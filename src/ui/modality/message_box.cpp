#include "ui/modality/message_box.h"

#include <QMessageBox>

#include "core/resources/version.h"
#include "ui/modality/window_blocking.h"

namespace message_box {

QMessageBox* warn(QWidget* parent, const QString& text) {
    auto* box =
        new QMessageBox(QMessageBox::Warning, QString::fromUtf8(kProductName), text, QMessageBox::Ok, parent);
    box->setObjectName(QLatin1String(kObjectName));
    box->setTextFormat(Qt::PlainText);
    // A box has a caption and a close box, nothing to minimise or maximise.
    box->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    modal::open(box, parent);
    return box;
}

}  // namespace message_box
