#pragma once

#include <QFrame>

// The view fills the client area and draws nothing inside its sunken edge.
class CBrimletView : public QFrame {
public:
    explicit CBrimletView(QWidget* parent);
};
