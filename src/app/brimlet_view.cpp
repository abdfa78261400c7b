#include "app/brimlet_view.h"

CBrimletView::CBrimletView(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("view"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
}
