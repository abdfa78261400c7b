#pragma once

#include <QDialog>

// The About box, built from its template and run modally.
class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget* owner);
};
