#pragma once

#include <QString>

// Where an image lies relative to the working folder, whose path the image
// tag's src is written from.
class ImageFolder
{
public:
    // The folder is the working folder or lies below it. A sibling whose name
    // merely begins with the working folder's ("site2" beside "site") is
    // outside. Letter case counts, as it does on the disk.
    static bool isInside(const QString &folder, const QString &workDir);

    // The src of a file: its path below the working folder, with "/"
    // between the parts and "#", "?" and "%" percent-encoded; null when the
    // file is not inside it.
    static QString relativeSrc(const QString &filePath, const QString &workDir);

    // What a move of the folder list does to the dialog's state: whether it
    // is now inside, and whether the user is to be warned (only on the move
    // that leaves, not on every move further out).
    struct Move {
        bool inside = true;
        bool warn = false;
    };
    static Move move(bool wasInside, const QString &folder, const QString &workDir);

    static QString leavingTitle();
    static QString leavingMessage();
};
