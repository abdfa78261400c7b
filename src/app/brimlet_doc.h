#pragma once

#include <QString>

// The document: it holds no data. It only carries the file it was opened
// from or saved to, whose name titles the main window.
class CBrimletDoc {
public:
    enum class Result { Done, Failed };

    const QString& path() const { return path_; }
    // "Untitled", or the display form of the file's name.
    QString title() const;

    void newDocument() { path_.clear(); }

    // Adopts an existing, readable file as the document without reading it.
    Result open(const QString& path);

    // Saving never changes an existing file: there is nothing to write, so
    // only a file that does not exist yet is created, empty.
    Result saveAs(const QString& path);
    Result save();

private:
    QString path_;
};
