// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The main window's document: New, Open and Save through the file dialogs,
// and what the program refuses to open or overwrite.

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

#include "support/window_harness.h"
#include "ui/modality/window_blocking.h"

using harness::mainFrame;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class DocumentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { harness::closeAllTools(); }

    void newAndOpenSetTheCaption() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("notes.txt"));
        QVERIFY(writeFile(path, "keep me"));
        QVERIFY(mainFrame().openDocument(path));
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("notes.txt - Brimlet 5"));
        mainFrame().newDocument();
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("Untitled - Brimlet 5"));

        harness::MessageCatcher catcher;
        QVERIFY(!mainFrame().openDocument(dir.filePath(QStringLiteral("missing"))));
        QCOMPARE(catcher.messages, QStringList{QStringLiteral("Failed to open document.")});
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("Untitled - Brimlet 5"));
    }

    // Looking at anything but a regular file must not wait: opening a FIFO
    // for reading waits for a writer, and a device may act on being opened.
    void onlyRegularFilesBecomeTheDocument_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"fifo", "directory", "device", "socket"}) {
            QTest::newRow(kind) << QString::fromLatin1(kind);
        }
    }

    void onlyRegularFilesBecomeTheDocument() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QByteArray name = QFile::encodeName(dir.filePath(kind));
        if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (kind == QLatin1String("directory")) {
            QCOMPARE(::mkdir(name.constData(), 0700), 0);
        } else if (kind == QLatin1String("device")) {
            name = "/dev/null";
        } else {
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, name.constData(), sizeof address.sun_path - 1);
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            QCOMPARE(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
            ::close(fd);  // the socket's file stays
        }
        mainFrame().newDocument();
        harness::MessageCatcher catcher;
        QVERIFY(!mainFrame().openDocument(name));
        QVERIFY(!mainFrame().saveDocumentAs(QFile::decodeName(name)));
        QCOMPARE(catcher.messages, (QStringList{QStringLiteral("Failed to open document."),
                                                QStringLiteral("Failed to save document.")}));
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("Untitled - Brimlet 5"));
    }

    // The command line hands over bytes; a name that is not valid UTF-8 still
    // names its file, and saving it creates no other file.
    void aNameThatIsNotTextStillNamesItsFile() {
        QTemporaryDir dir;
        const QByteArray name = QFile::encodeName(dir.path()) + "/caf\xe9.txt";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        QVERIFY(fd >= 0);
        const auto removeIt = qScopeGuard([&name] { ::unlink(name.constData()); });  // Qt cannot name it
        QCOMPARE(::write(fd, "kept", 4), 4);
        ::close(fd);
        QVERIFY(mainFrame().openDocument(name));
        QCOMPARE(mainFrame().document().fileName(), name);
        QVERIFY(mainFrame().windowTitle().startsWith(QStringLiteral("caf")));
        QCOMPARE(mainFrame().document().save(), CBrimletDoc::Result::Done);
        QVERIFY(!QFileInfo::exists(mainFrame().document().path()));  // the name as text is another file
        struct stat info {};
        QVERIFY(::stat(name.constData(), &info) == 0 && info.st_size == 4);
        mainFrame().newDocument();
    }

    void savingNeverDestroysData() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.dat"));
        QVERIFY(writeFile(path, "precious data"));

        // Save after Open keeps the file as it is.
        QVERIFY(mainFrame().openDocument(path));
        mainFrame().document().save();
        QCOMPARE(contents(path), QByteArray("precious data"));

        // Save As onto an existing file changes nothing in it either.
        mainFrame().newDocument();
        QVERIFY(mainFrame().saveDocumentAs(path));
        QCOMPARE(contents(path), QByteArray("precious data"));
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("report.dat - Brimlet 5"));

        // An untitled document saved under a new name creates an empty file.
        mainFrame().newDocument();
        const QString fresh = dir.filePath(QStringLiteral("new.dat"));
        QVERIFY(mainFrame().saveDocumentAs(fresh));
        QVERIFY(QFileInfo::exists(fresh));
        QCOMPARE(QFileInfo(fresh).size(), 0);
        mainFrame().newDocument();
    }

    // The file dialogs open and return at once; the main window waits for
    // their answer, and acts on it when it comes.
    void fileDialogsActOnTheirAnswer() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("notes.txt"));
        QVERIFY(writeFile(path, QByteArray()));
        mainFrame().newDocument();
        mainFrame().onFileOpen();
        QPointer<QFileDialog> open = mainFrame().findChild<QFileDialog*>(QStringLiteral("openDialog"));
        QVERIFY(open != nullptr && open->isVisible() && modal::isBlocked(&mainFrame()));
        open->selectFile(path);
        QTest::keyClick(open, Qt::Key_Return);
        QVERIFY(!modal::isBlocked(&mainFrame()));
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("notes.txt - Brimlet 5"));

        mainFrame().newDocument();
        mainFrame().onFileSave();
        QPointer<QFileDialog> save = mainFrame().findChild<QFileDialog*>(QStringLiteral("saveAsDialog"));
        QVERIFY(save != nullptr && save->isVisible() && modal::isBlocked(&mainFrame()));
        QTest::keyClick(save, Qt::Key_Escape);
        QVERIFY(!modal::isBlocked(&mainFrame()));
        QCOMPARE(mainFrame().windowTitle(), QStringLiteral("Untitled - Brimlet 5"));
        QTRY_VERIFY(open.isNull() && save.isNull());
    }
};

QTEST_MAIN(DocumentTest)
#include "document_test.moc"
