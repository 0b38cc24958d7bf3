#pragma once

#include "document/recoveryfile.h"
#include "document/textfileformat.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

// Keeps one document's unsaved text in a recovery file, so that a crash, a
// kill or a lost session costs at most the last seconds of typing. A change
// only restarts a timer; the text is taken when typing pauses (or after a
// long stretch of typing) and written by a worker thread, whole or not at all.
// The file goes when the document ends cleanly (saved, closed, the program
// left); it stays when the program dies or the journal is merely destroyed.
class RecoveryJournal : public QObject
{
    Q_OBJECT

public:
    // What is journalled; taken on the user-interface thread, except for
    // the text itself, which `text` gives on the worker's (any line-break
    // style). When there is a `step`, it is run on the user-interface thread,
    // one call per turn of the event loop, until it says the text is ready;
    // a change meanwhile drops the snapshot.
    struct Snapshot {
        QString path; // empty while untitled
        QString kind;
        TextFileFormat format;
        std::function<QString()> text;
        std::function<bool()> step;
    };
    using Source = std::function<Snapshot()>;

    explicit RecoveryJournal(Source source, QObject *parent = nullptr);
    ~RecoveryJournal() override;

    // The text changed: costs the same whatever the size of the document.
    void noteChange();
    // The document was loaded from `path` or saved there: nothing is left to
    // recover, and the file's size and time are what a later change on disk
    // is told by.
    void fileSettled(const QString &path);
    // The document ends cleanly: its recovery file goes.
    void discard();
    // Takes over the recovery file at `filePath`, left by a process that is
    // gone, with the record read from it: the text stays marked as edited from
    // the file the record names, as it was then. The file is written again at
    // once, under this process's name, so that no other start offers it.
    void adopt(const QString &filePath, const RecoveryRecord &record);

    // Writes a waiting change now, on the calling thread.
    void flush();
    // flush() for every journal of the program.
    static void flushAllNow();
    // The program is being ended from outside: every journal is written now,
    // and its file stays for the next start even as the windows close.
    static void keepAllForNextStart();

    // The recovery file's path; empty before its first writing.
    QString filePath() const;
    // Nothing waiting and nothing being written.
    bool isIdle() const;

    // How long typing must pause, and how long it may go on, before the text
    // is written (2 s and 30 s unless changed).
    static void setTimings(int pauseMs, int longestMs);
    // True for the first failed writing of a run only: the user is told once.
    static bool claimFailureNotice();
    static void resetFailureNotice();

signals:
    // The text could not be written; the message is meant for the user.
    void writeFailed(const QString &message);

private:
    struct Shared;
    struct Job;

    void startWriting();
    void copyStep();
    void dropCopy();
    Job makeJob();
    static QString runJob(Shared &shared, Job job);
    void onWritten(const QString &error);

    Source m_source;
    std::shared_ptr<Shared> m_shared;
    QTimer m_pause;
    QTimer m_longest;
    QTimer m_copyStep;
    std::unique_ptr<Job> m_copying; // taken, not yet handed to a worker
    QString m_folder;
    QString m_fileName;
    qint64 m_changedAt = 0;
    qint64 m_fileSize = -1;
    qint64 m_fileModified = -1;
    quint64 m_sequence = 0;
    bool m_writing = false; // being copied or written
    bool m_wanted = false; // a change waits for the writing under way
};
