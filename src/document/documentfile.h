#pragma once

#include "document/fileidentity.h"
#include "document/textfileformat.h"

#include <QString>

#include <optional>

// Reads and writes a document's file whole. Inside the program a document's
// text has "\n" line breaks only; the file keeps its own encoding and line
// break style across a save. Messages are meant for the user as they stand.
class DocumentFile
{
public:
    struct ReadResult {
        bool ok = false;       // false: nothing could be read, and `error` says why
        QString text;          // line breaks as "\n"
        TextFileFormat format; // how the file was stored
        QString error;
        // Set when some bytes did not decode: the text is still usable, each
        // undecodable spot shows as U+FFFD, so the user can see and fix it.
        // Also set when the declared charset did not decode the file and
        // another one did; it names both.
        QString warning;
        int undecodableCount = 0;
        int firstUndecodableLine = 0; // 1-based; 0 when nothing was undecodable
        FileIdentity identity; // the file as it was read
    };

    struct WriteResult {
        bool ok = false;
        TextFileFormat format; // as written; keep it for the next save
        QString error;
        // Index in the text of a character the encoding can't hold, so the
        // caller can put the caret on it; -1 otherwise.
        qsizetype unencodablePosition = -1;
        FileIdentity identity; // the file as it was written
    };

    static ReadResult read(const QString &path);

    // `text` has "\n" line breaks. The file is written in the charset the text
    // declares, else in `readFormat`'s encoding (also while the text still
    // declares the charset that reading passed over); the file is left as it
    // was when anything fails, and while a U+FFFD that marks undecodable
    // bytes is left in the text.
    static WriteResult write(const QString &path, const QString &text,
                             const TextFileFormat &readFormat);

    // Replaces the characters that a legacy encoding only holds in a
    // look-alike form (the wave dash 〜 as ～, say) with that form, as a save
    // in such an encoding does when the text can't be written as it is.
    // Returns whether anything changed.
    static bool foldLookAlikes(QString &text);

    // The bytes a save of `text` in `format` writes: its line breaks, a
    // look-alike where the encoding lacks a character, the UTF-8 mark. None
    // when a character can't be held; `*unencodable` is then its position
    // (-1 when no one character is to blame). `*written` gets the text that
    // was encoded.
    static std::optional<QByteArray> encode(const QString &text, const TextFileFormat &format,
                                            qsizetype *unencodable, QString *written = nullptr);

    // The format a save of `text` would use, without writing anything.
    static TextFileFormat formatForSaving(const QString &text, const TextFileFormat &readFormat);
};
