#pragma once

#include "document/textfileformat.h"

#include <QString>

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

    PreviewFile() = default;
    PreviewFile(const PreviewFile &) = delete;
    PreviewFile &operator=(const PreviewFile &) = delete;
    ~PreviewFile(); // removes the file: a closing window leaves nothing behind

    // Writes `text` ("\n" line breaks) as a save of the document at
    // `documentPath` (empty: untitled) would, in `format`'s encoding. A second
    // write goes to the same file while the document's folder stays the same.
    Result write(const QString &text, const QString &documentPath, const TextFileFormat &format);

    // Deletes exactly the file this object created, and nothing else.
    void remove();

    // The file now held; empty when there is none.
    QString path() const { return m_path; }

    // The folder a preview of `documentPath` would live in, before any fallback.
    static QString preferredFolder(const QString &documentPath);

    // `text` with a <base> leading relative links into `folder`, for a preview
    // that had to be written elsewhere. It goes right after the <head> tag, or
    // in front of everything when there is none. A page with a <base> of its
    // own keeps it and is returned as it is.
    static QString withBaseFolder(const QString &text, const QString &folder);

private:
    // Creates a new, empty file of ours in `folder`; empty on failure.
    static QString createIn(const QString &folder);
    Result writeIn(const QString &folder, const QString &text, const TextFileFormat &format);

    QString m_path;
    QString m_folder; // the folder the document had when the file was made
};
