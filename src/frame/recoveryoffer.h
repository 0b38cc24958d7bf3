#pragma once

#include "document/recoveryfile.h"

#include <QList>
#include <QString>
#include <QStringList>

class Form1;
class MDIForm1;

// At start-up, the documents whose unsaved text a process left behind when it
// died are offered back in one question. A file whose writer still runs (the
// program open a second time) belongs to that process and is left alone.
class RecoveryOffer
{
public:
    struct Entry {
        QString filePath; // the recovery file
        RecoveryRecord record;
        bool changedOnDisk = false; // the document's file is no longer the one edited
    };
    struct Found {
        QList<Entry> offered; // in the order they were last changed
        QStringList unreadable;
    };

    static Found find(const QString &folder);
    static QString question(const QList<Entry> &entries);
    // Asks, and opens, deletes or keeps the recovery files as answered.
    // Returns the windows opened.
    static QList<Form1 *> run(MDIForm1 *frame);
};
