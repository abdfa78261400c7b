// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QByteArray>
#include <QString>

// The document: it holds no data. It only carries the file it was opened
// from or saved to, whose name titles the main window.
//
// File names are kept as the system spells them, as bytes: a name that is
// not valid text in the locale must still name its file.
class CBrimletDoc {
public:
    enum class Result { Done, Failed };

    const QByteArray& fileName() const { return fileName_; }
    // The display form of the file name (empty without a file).
    QString path() const;
    // "Untitled", or the display form of the file's name.
    QString title() const;

    void newDocument() { fileName_.clear(); }

    // Adopts an existing, readable regular file as the document without
    // reading it and without waiting: anything else (a directory, a FIFO, a
    // device, a socket) fails.
    Result open(const QByteArray& fileName);

    // Saving never changes an existing file: there is nothing to write, so
    // only a file that does not exist yet is created, empty. An existing file
    // must be a regular one.
    Result saveAs(const QByteArray& fileName);
    Result save();

private:
    QByteArray fileName_;
};
