#include "ui/app/brimlet_view.h"

CBrimletView::CBrimletView(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("view"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    // The view draws nothing, but it holds the focus whenever a tool window
    // closes; a screen reader then says where the tools are.
    setAccessibleName(QStringLiteral("Brimlet 5: the tools are in the menus (Alt)"));
}
