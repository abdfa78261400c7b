#include "dialog/message_box.h"

#include <QMessageBox>

#include "dialog/modal_loop.h"

namespace message_box {

void warn(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Brimlet 5"), text, QMessageBox::Ok, parent);
    box.setObjectName(QLatin1String(kObjectName));
    box.setTextFormat(Qt::PlainText);
    modal::run(box, parent);
}

}  // namespace message_box
