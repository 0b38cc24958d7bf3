#include "document/recoveryfile.h"
#include "document/recoveryfolder.h"
#include "document/recoveryjournal.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

// The recovery file's format, who counts as its writer, and when the journal
// writes it.
class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void damagedFileIsRefused_data();
    void damagedFileIsRefused();
    void writerIsRunning_data();
    void writerIsRunning();
    void endedWriterNotYetReapedIsGone();
    void journalWrites_data();
    void journalWrites();
};

namespace {

RecoveryRecord sample()
{
    RecoveryRecord record;
    record.path = QStringLiteral("/site/ページ one\n%.html");
    record.kind = QStringLiteral("Cascade Style Sheet");
    record.format.encoding = TextEncoding::EucJp;
    record.format.lineBreak = LineBreakStyle::Lf;
    record.writer = ProcessIdentity::current();
    record.changedAt = 1765000000123;
    record.fileSize = 42;
    record.fileModified = 1764000000000;
    record.text = QStringLiteral("<p>日本語\n\nline</p>\n");
    return record;
}

QByteArray replaced(QByteArray bytes, const char *from, const char *to)
{
    return bytes.replace(from, to);
}

} // namespace

void TestRecovery::roundTrip_data()
{
    QTest::addColumn<RecoveryRecord>("record");
    RecoveryRecord untitled;
    untitled.writer = ProcessIdentity::current();
    QTest::newRow("untitled, empty, new document's format") << untitled;
    QTest::newRow("EUC-JP, LF, a name with blanks, Japanese, a line break and %") << sample();
    RecoveryRecord marked = sample();
    marked.format = {TextEncoding::Utf8, true, LineBreakStyle::Cr, true, TextEncoding::ShiftJis};
    marked.text = QStringLiteral("\uFFFD and \U0001F600");
    QTest::newRow("UTF-8 mark, CR, undecodable, Shift_JIS passed over") << marked;
}

void TestRecovery::roundTrip()
{
    QFETCH(RecoveryRecord, record);
    const std::optional<RecoveryRecord> back = RecoveryFile::decode(RecoveryFile::encode(record));
    QVERIFY(back);
    // Every field is in the header: the same bytes mean the same record.
    QCOMPARE(RecoveryFile::encode(*back), RecoveryFile::encode(record));
}

void TestRecovery::damagedFileIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = RecoveryFile::encode(sample());
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("cut short by one byte") << good.chopped(1);
    QTest::newRow("cut inside the header") << good.left(60);
    QByteArray flipped = good;
    flipped[flipped.size() - 3] = 'X';
    QTest::newRow("a byte of the text changed") << flipped;
    QTest::newRow("another program's file") << replaced(good, "TOVALO-RECOVERY 1", "SOMETHING-ELSE 1");
    QTest::newRow("unknown encoding") << replaced(good, "EUC-JP", "EBCDIC");
    QTest::newRow("writer pid no number") << replaced(good, "writer-pid: ", "writer-pid: x");
    QTest::newRow("a header line without a value") << replaced(good, "bom: no", "bom");
    RecoveryRecord record = sample();
    record.text = QStringLiteral("ab");
    QTest::newRow("text not UTF-8") << replaced(RecoveryFile::encode(record), "\n\nab", "\n\n\xff\xfe");
}

void TestRecovery::damagedFileIsRefused()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!RecoveryFile::decode(bytes));
}

void TestRecovery::writerIsRunning_data()
{
    QTest::addColumn<ProcessIdentity>("writer");
    QTest::addColumn<bool>("running");
    const ProcessIdentity self = ProcessIdentity::current();
    QVERIFY(self.startTime > 0);
    QTest::newRow("this process") << self << true;
    ProcessIdentity reused = self;
    reused.startTime += 1;
    QTest::newRow("its pid, another start: the pid was given again") << reused << false;
    ProcessIdentity rebooted = self;
    rebooted.bootId = QStringLiteral("another-boot");
    QTest::newRow("its pid and start, another boot") << rebooted << false;
    ProcessIdentity none = self;
    none.pid = 0x3fffffff;
    QTest::newRow("no such process") << none << false;
}

void TestRecovery::writerIsRunning()
{
    QFETCH(ProcessIdentity, writer);
    QFETCH(bool, running);
    QCOMPARE(writer.isRunning(), running);
}

void TestRecovery::endedWriterNotYetReapedIsGone()
{
    int pipe[2];
    QVERIFY(::pipe(pipe) == 0);
    const pid_t child = ::fork();
    if (child == 0) {
        char byte;
        ::close(pipe[1]);
        ::_exit(int(::read(pipe[0], &byte, 1)));
    }
    ::close(pipe[0]);
    const ProcessIdentity writer = ProcessIdentity::running(child);
    QVERIFY(writer.isRunning());
    ::close(pipe[1]);
    // Ended, and left unreaped as a killed program may be for a while.
    QTRY_VERIFY(!writer.isRunning());
    QVERIFY(QFileInfo::exists(QStringLiteral("/proc/%1").arg(child)));
    ::waitpid(child, nullptr, 0);
}

void TestRecovery::journalWrites_data()
{
    QTest::addColumn<int>("pauseMs");
    QTest::addColumn<int>("longestMs");
    QTest::addColumn<QString>("ending"); // what follows the typing
    QTest::addColumn<bool>("kept");

    QTest::newRow("typing pauses -> written") << 50 << 60000 << "" << true;
    // Typing every 20 ms never pauses for 300 ms.
    QTest::newRow("long typing, no pause -> written after the longest stretch") << 300 << 150 << "type on" << true;
    QTest::newRow("discarded while being written -> no file") << 0 << 60000 << "discard at once" << false;
    QTest::newRow("written, then the file saved -> removed") << 50 << 60000 << "settle" << false;
}

void TestRecovery::journalWrites()
{
    QFETCH(int, pauseMs);
    QFETCH(int, longestMs);
    QFETCH(QString, ending);
    QFETCH(bool, kept);
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    RecoveryJournal::setTimings(pauseMs, longestMs);
    int taken = 0;
    RecoveryJournal journal([&taken] {
        ++taken;
        return RecoveryJournal::Snapshot{QString(), QStringLiteral("JavaScript"), {},
                                         [] { return QStringLiteral("a\r\nb"); }};
    });
    journal.noteChange();
    if (ending == QLatin1String("type on")) {
        for (int i = 0; i < 25 && journal.filePath().isEmpty(); ++i) {
            QTest::qWait(20);
            journal.noteChange();
        }
        QVERIFY2(!journal.filePath().isEmpty(), "nothing written while typing went on");
    } else if (ending == QLatin1String("discard at once")) {
        while (taken == 0)
            QCoreApplication::processEvents();
        journal.discard();
    }
    QTRY_VERIFY(journal.isIdle());
    if (ending == QLatin1String("settle")) {
        QVERIFY(QFile::exists(journal.filePath()));
        journal.fileSettled(QString());
    }
    const QString folder = RecoveryFolder::path();
    QCOMPARE(!RecoveryFolder::files(folder).isEmpty(), kept);
    if (!kept)
        return;
    QFile file(journal.filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::optional<RecoveryRecord> record = RecoveryFile::decode(file.readAll());
    QVERIFY(record);
    QCOMPARE(record->text, QStringLiteral("a\nb"));
    QCOMPARE(record->kind, QStringLiteral("JavaScript"));
    QCOMPARE(file.permissions() & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser),
             QFile::Permissions());
    QCOMPARE(QFileInfo(folder).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeOther),
             QFile::Permissions());
}

QTEST_GUILESS_MAIN(TestRecovery)
#include "tst_recovery.moc"
