#include "document/recoveryjournal.h"

#include "document/linebreaks.h"
#include "document/recoveryfolder.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMutex>
#include <QPointer>
#include <QSet>
#include <QThreadPool>

namespace {
int s_pauseMs = 2000;
int s_longestMs = 30000;
bool s_failureNoticed = false;
// Set once the program is being ended from outside: the windows that close
// then end no document cleanly.
bool s_keepingFiles = false;
QSet<RecoveryJournal *> s_journals;
} // namespace

// Shared with the writings under way, which may outlive the journal.
struct RecoveryJournal::Shared {
    QMutex mutex;
    RecoveryJournal *owner = nullptr; // nullptr once the journal is gone
    // A writing numbered below it was asked for before the file was discarded.
    quint64 floor = 0;
    // The latest writing on disk: an older one that comes late must not undo it.
    quint64 written = 0;
};

struct RecoveryJournal::Job {
    quint64 sequence = 0;
    QString folder;
    QString name;
    RecoveryRecord record;
    std::function<QString()> text;
    std::function<bool()> step;
};

RecoveryJournal::RecoveryJournal(Source source, QObject *parent)
    : QObject(parent)
    , m_source(std::move(source))
    , m_shared(std::make_shared<Shared>())
{
    m_shared->owner = this;
    for (QTimer *timer : {&m_pause, &m_longest}) {
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, &RecoveryJournal::startWriting);
    }
    m_copyStep.setSingleShot(true);
    m_copyStep.setInterval(0);
    connect(&m_copyStep, &QTimer::timeout, this, &RecoveryJournal::copyStep);
    s_journals.insert(this);
}

RecoveryJournal::~RecoveryJournal()
{
    s_journals.remove(this);
    QMutexLocker lock(&m_shared->mutex);
    m_shared->owner = nullptr;
}

void RecoveryJournal::noteChange()
{
    m_changedAt = QDateTime::currentMSecsSinceEpoch();
    if (m_copying)
        dropCopy();
    m_pause.start(s_pauseMs);
    if (!m_longest.isActive())
        m_longest.start(s_longestMs);
}

void RecoveryJournal::fileSettled(const QString &path)
{
    discard();
    const QFileInfo file(path);
    const bool exists = !path.isEmpty() && file.exists();
    m_fileSize = exists ? file.size() : -1;
    m_fileModified = exists ? file.lastModified().toMSecsSinceEpoch() : -1;
}

void RecoveryJournal::discard()
{
    m_pause.stop();
    m_longest.stop();
    if (s_keepingFiles)
        return;
    m_wanted = false;
    if (m_copying)
        dropCopy();
    QMutexLocker lock(&m_shared->mutex);
    m_shared->floor = m_sequence + 1;
    if (!m_fileName.isEmpty())
        RecoveryFolder::remove(m_folder, m_fileName);
}

void RecoveryJournal::adopt(const QString &filePath, const RecoveryRecord &record)
{
    const QFileInfo file(filePath);
    m_folder = file.absolutePath();
    m_fileName = file.fileName();
    m_fileSize = record.fileSize;
    m_fileModified = record.fileModified;
    m_changedAt = record.changedAt;
    startWriting();
}

QString RecoveryJournal::filePath() const
{
    return m_fileName.isEmpty() ? QString() : m_folder + QLatin1Char('/') + m_fileName;
}

bool RecoveryJournal::isIdle() const
{
    return !m_pause.isActive() && !m_longest.isActive() && !m_writing && !m_wanted;
}

RecoveryJournal::Job RecoveryJournal::makeJob()
{
    static const ProcessIdentity self = ProcessIdentity::current();
    Snapshot snapshot = m_source();
    if (m_fileName.isEmpty()) {
        m_folder = RecoveryFolder::path();
        m_fileName = RecoveryFolder::newFileName();
    }
    Job job;
    job.sequence = ++m_sequence;
    job.folder = m_folder;
    job.name = m_fileName;
    job.record.path = snapshot.path;
    job.record.kind = snapshot.kind;
    job.record.format = snapshot.format;
    job.record.writer = self;
    job.record.changedAt = m_changedAt;
    job.record.fileSize = m_fileSize;
    job.record.fileModified = m_fileModified;
    job.text = std::move(snapshot.text);
    job.step = std::move(snapshot.step);
    return job;
}

QString RecoveryJournal::runJob(Shared &shared, Job job)
{
    job.record.text = LineBreaks::toLf(job.text());
    const QByteArray bytes = RecoveryFile::encode(job.record);
    QMutexLocker lock(&shared.mutex);
    if (job.sequence < shared.floor || job.sequence <= shared.written)
        return QString();
    const QString error = RecoveryFolder::write(job.folder, job.name, bytes);
    if (error.isEmpty()) {
        shared.written = job.sequence;
        return error;
    }
    return QStringLiteral("未保存の変更を復元用に記録できません：%1\n"
                          "編集はこのまま続けられますが、プログラムが異常終了したときにこの変更は戻りません。")
        .arg(error);
}

void RecoveryJournal::startWriting()
{
    m_pause.stop();
    m_longest.stop();
    if (m_writing) {
        m_wanted = true;
        return;
    }
    m_wanted = false;
    m_writing = true;
    m_copying = std::make_unique<Job>(makeJob());
    copyStep();
}

void RecoveryJournal::dropCopy()
{
    // The copy so far is of a text that is no more.
    m_copying.reset();
    m_copyStep.stop();
    m_writing = false;
}

void RecoveryJournal::copyStep()
{
    if (!m_copying)
        return;
    // What the document holds is copied on its thread, a slice per turn; the
    // work that grows with it (line breaks, encoding, disk) is the worker's.
    if (m_copying->step && !m_copying->step()) {
        m_copyStep.start();
        return;
    }
    std::unique_ptr<Job> job = std::move(m_copying);
    QThreadPool::globalInstance()->start([shared = m_shared, job = std::move(*job)]() mutable {
        const QString error = runJob(*shared, std::move(job));
        QMutexLocker lock(&shared->mutex);
        if (RecoveryJournal *owner = shared->owner)
            QMetaObject::invokeMethod(owner, [owner, error] { owner->onWritten(error); }, Qt::QueuedConnection);
    });
}

void RecoveryJournal::onWritten(const QString &error)
{
    m_writing = false;
    if (!error.isEmpty())
        emit writeFailed(error);
    if (m_wanted)
        startWriting();
}

void RecoveryJournal::flush()
{
    if (isIdle())
        return;
    m_pause.stop();
    m_longest.stop();
    m_wanted = false;
    if (m_copying)
        dropCopy();
    Job job = makeJob();
    while (job.step && !job.step()) {
    }
    const QString error = runJob(*m_shared, std::move(job));
    if (!error.isEmpty())
        emit writeFailed(error);
}

void RecoveryJournal::keepAllForNextStart()
{
    s_keepingFiles = true;
    flushAllNow();
}

void RecoveryJournal::flushAllNow()
{
    // A failure's message may run an event loop in which windows close.
    QList<QPointer<RecoveryJournal>> journals;
    for (RecoveryJournal *journal : std::as_const(s_journals))
        journals << journal;
    for (const QPointer<RecoveryJournal> &journal : journals)
        if (journal)
            journal->flush();
}

void RecoveryJournal::setTimings(int pauseMs, int longestMs)
{
    s_pauseMs = pauseMs;
    s_longestMs = longestMs;
}

bool RecoveryJournal::claimFailureNotice()
{
    const bool first = !s_failureNoticed;
    s_failureNoticed = true;
    return first;
}

void RecoveryJournal::resetFailureNotice()
{
    s_failureNoticed = false;
}
