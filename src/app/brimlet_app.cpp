#include "app/brimlet_app.h"

#include <QSettings>

#include "app/main_frame.h"
#include "dialog/app_icon.h"
#include "dialog/text_accessible.h"

CBrimletApp::CBrimletApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("brimlet"));
    setApplicationDisplayName(QString());
    setDesktopFileName(QStringLiteral("io.github.brimlet.Brimlet"));
    setWindowIcon(appIcon());
    // Before any window: the file dialogs' fields answer as the tools' do.
    TextAccessible::install();
}

CBrimletApp::~CBrimletApp() = default;

void CBrimletApp::loadProfileSettings() {
    QSettings settings(QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Brimlet 5"));
    const QString key = QStringLiteral("Settings/PreviewPages");
    if (!settings.contains(key)) {
        settings.setValue(key, 0);
    }
    settings.sync();
}

bool CBrimletApp::initInstance(const QByteArray& fileName) {
    loadProfileSettings();
    mainFrame_ = std::make_unique<CMainFrame>();
    if (!fileName.isEmpty() && !mainFrame_->openDocument(fileName)) {
        return false;
    }
    mainFrame_->show();
    return true;
}
