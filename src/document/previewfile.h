#pragma once

#include "document/textfileformat.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <memory>

class QTemporaryFile;

// The file the browser shows a document's preview from. It is always a file
// of our own, created under a name nothing else uses, so no file of the user's
// (say a page of theirs named like a preview) is ever written over or deleted.
//
// It lives in the document's folder, so the page's relative links and images
// resolve as they will on the site; an untitled document, or a folder that
// can't be written, uses the system's temporary folder instead.
class PreviewFile
{
public:
    struct Result {
        bool ok = false;
        QString path;       // the file to load
        QString baseFolder; // the folder relative links resolve against
        // The file lies outside baseFolder, so the browser must be told where
        // relative links lead.
        bool outsideBaseFolder = false;
        QString error;      // for the user, when ok is false
        // A character the document's encoding can't hold stopped the write:
        // its index in the text, so the caller can show it; -1 otherwise.
        qsizetype unencodablePosition = -1;
    };

    PreviewFile();
    PreviewFile(const PreviewFile &) = delete;
    PreviewFile &operator=(const PreviewFile &) = delete;
    ~PreviewFile(); // removes the file: a closing window leaves nothing behind

    // Writes `text` ("\n" line breaks) as a save of the document at
    // `documentPath` (empty: untitled) would, in `format`'s encoding. A second
    // write goes to the same file while the document's folder stays the same
    // and the file's name still leads to it; to a new file otherwise.
    Result write(const QString &text, const QString &documentPath, const TextFileFormat &format);

    // Deletes exactly the file this object created, and nothing else.
    void remove();

    // The file now held; empty when there is none.
    QString path() const;

    // Deletes the file of every preview, for an ending that can't wait for
    // the windows to close.
    static void removeAll();

    // The folder a preview of `documentPath` would live in, before any fallback.
    static QString preferredFolder(const QString &documentPath);

    // `text` with a <base> leading relative links into the folder at address
    // `folder`, for a preview that had to be written elsewhere. It goes right
    // after the <head> tag, or in front of everything when there is none. A
    // page with a <base> of its own keeps it and is returned as it is.
    static QString withBaseFolder(const QString &text, const QUrl &folder);

private:
    struct Encoded {
        QByteArray bytes;
        QString error; // empty when the text could be written
        qsizetype unencodablePosition = -1;
    };
    // The bytes a save of `text` would write.
    static Encoded encode(const QString &text, const TextFileFormat &readFormat);
    Result writeIn(const QString &folder, const QByteArray &bytes);
    // Whether the file's name still leads to the file this object made: a
    // file or link put in its place is not ours to write or delete.
    bool nameIsOurs() const;

    // Kept open from its exclusive creation on: every write goes through this
    // descriptor, never through the name, which anyone who can write the
    // folder could point elsewhere.
    std::unique_ptr<QTemporaryFile> m_file;
    QString m_folder; // the folder the document had when the file was made
};
