#pragma once

#include "document/processidentity.h"
#include "document/textfileformat.h"

#include <QByteArray>
#include <QString>

#include <optional>

// What a recovery file holds: enough to open the unsaved text again as the
// document it belonged to, and to tell whether its writer is gone.
struct RecoveryRecord {
    QString path; // the document's file; empty while untitled
    QString kind; // "Hyper Text", "Cascade Style Sheet" or "JavaScript"
    TextFileFormat format;
    ProcessIdentity writer;
    qint64 changedAt = 0; // the last change, milliseconds since the epoch
    // The document file as the text was loaded or last saved from it, so a
    // later change on disk can be told; -1 when there was no file.
    qint64 fileSize = -1;
    qint64 fileModified = -1; // milliseconds since the epoch
    QString text;             // "\n" line breaks
};

// A recovery file is a short header of "name: value" lines, an empty line,
// and the text in UTF-8. The header carries the text's length and checksum,
// so a file cut short or damaged is refused whole rather than half read.
class RecoveryFile
{
public:
    static QByteArray encode(const RecoveryRecord &record);
    // Nothing when the bytes are no complete, undamaged recovery file.
    static std::optional<RecoveryRecord> decode(const QByteArray &bytes);
};
