#include "framefixture.h"

#include "document/recoveryfile.h"
#include "document/recoveryfolder.h"
#include "document/recoveryjournal.h"
#include "frame/documentcaption.h"
#include "frame/recoveryoffer.h"

#include <QDateTime>
#include <QProcess>
#include <QScopeGuard>

#include <csignal>

// Unsaved text comes back after the program died, and only then.
class TestRecoveryWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    // First: the exit row below leaves the program's quit for the next event loop.
    void returnRecovers();
    void killedProgramsTextComesBack();
    void answers_data();
    void answers();
    void cleanEndingsRemoveTheFile_data();
    void cleanEndingsRemoveTheFile();
    void unwritableFolderSaysSoOnce();
    void largePageIsWrittenAsSaved();

private:
    std::unique_ptr<QTemporaryDir> m_state;
};

namespace {

const QByteArray Saved = QByteArrayLiteral("<p>saved</p>\r\n");
const qint64 ChangedAt = QDateTime(QDate(2026, 12, 1), QTime(9, 30, 5)).toMSecsSinceEpoch();

// A record left by a process that is gone: this one's pid, another start.
QString plant(const QString &path, const QString &kind, const QString &text)
{
    RecoveryRecord record;
    record.path = path;
    record.kind = kind;
    record.writer = ProcessIdentity::current();
    record.writer.startTime += 1;
    record.changedAt = ChangedAt;
    const QFileInfo file(path);
    record.fileSize = file.exists() ? file.size() : -1;
    record.fileModified = file.exists() ? file.lastModified().toMSecsSinceEpoch() : -1;
    record.text = text;
    const QString name = RecoveryFolder::newFileName();
    if (!RecoveryFolder::write(RecoveryFolder::path(), name, RecoveryFile::encode(record)).isEmpty())
        return QString();
    return RecoveryFolder::path() + QLatin1Char('/') + name;
}

// The program as a user runs it, typing into `path` until its recovery file
// is written in `state`; then it waits to be killed.
int typeAndWait(const QString &path, const QString &state)
{
    qputenv("XDG_STATE_HOME", QFile::encodeName(state));
    TestSeam seam;
    MDIForm1 frame;
    frame.show();
    frame.startUp(QStringList{path});
    Form1 *doc = frame.documents().first();
    QTest::keyClicks(doc->richTextBox1(), QStringLiteral("typed words "));
    RecoveryJournal *journal = doc->recoveryJournal();
    if (!QTest::qWaitFor([journal] { return journal->isIdle() && QFile::exists(journal->filePath()); }, 20000))
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    QTest::qWait(60000);
    return 0;
}

} // namespace

void TestRecoveryWindow::init()
{
    m_state = std::make_unique<QTemporaryDir>();
    qputenv("XDG_STATE_HOME", QFile::encodeName(m_state->path()));
    RecoveryJournal::setTimings(2000, 30000);
    RecoveryJournal::resetFailureNotice();
}

void TestRecoveryWindow::killedProgramsTextComesBack()
{
    QTemporaryDir docs;
    const QString page = docs.filePath(QStringLiteral("page.html"));
    FrameFixture::writeFileAt(page, Saved);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--type-and-wait"), page, m_state->path()});
    const auto reap = qScopeGuard([&child] {
        child.kill();
        child.waitForFinished();
    });
    QVERIFY(child.waitForReadyRead(30000));
    QCOMPARE(child.readLine(), QByteArray("ready\n"));
    QCOMPARE(RecoveryFolder::files(RecoveryFolder::path()).size(), 1);
    // Another process's live document is not this one's to offer.
    QVERIFY(RecoveryOffer::find(RecoveryFolder::path()).offered.isEmpty());

    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished());
    FrameFixture f;
    f.seam.choices = {0};
    const QList<Form1 *> opened = RecoveryOffer::run(f.frame.get());
    QCOMPARE(opened.size(), 1);
    Form1 *doc = opened.first();
    QCOMPARE(doc->richTextBox1()->fileText(), QStringLiteral("typed words <p>saved</p>\n"));
    QCOMPARE(doc->FPath, page);
    QVERIFY(doc->TextEdit);
    QCOMPARE(FrameFixture::readFile(page), Saved);
    QCOMPARE(f.seam.messages.last().title, QStringLiteral("復元"));
    QVERIFY(f.seam.messages.last().text.contains(page));
    // Taken over at once: another start now finds this process alive.
    QTRY_VERIFY(doc->recoveryJournal()->isIdle());
    QVERIFY(RecoveryOffer::find(RecoveryFolder::path()).offered.isEmpty());
    QCOMPARE(RecoveryFolder::files(RecoveryFolder::path()).size(), 1);
}

void TestRecoveryWindow::answers_data()
{
    QTest::addColumn<bool>("untitled");
    QTest::addColumn<bool>("changeOnDisk");
    QTest::addColumn<QList<int>>("choices");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<bool>("alreadyOpen"); // the file given on the command line too

    QTest::newRow("復元する, untitled -> its window, modified") << true << false << QList<int>{0} << true << true << false;
    QTest::newRow("復元する, file changed on disk since -> said; opened, file untouched")
        << false << true << QList<int>{0} << true << true << false;
    QTest::newRow("復元する, the file open already -> its window takes the text, no other question")
        << false << false << QList<int>{0} << true << true << true;
    QTest::newRow("破棄 -> deleted, nothing opened") << false << false << QList<int>{1} << false << false << false;
    QTest::newRow("あとで -> kept for the next start") << false << false << QList<int>{2} << false << true << false;
}

void TestRecoveryWindow::answers()
{
    QFETCH(bool, untitled);
    QFETCH(bool, changeOnDisk);
    QFETCH(QList<int>, choices);
    QFETCH(bool, opens);
    QFETCH(bool, kept);
    QFETCH(bool, alreadyOpen);
    FrameFixture f;
    const QString page = f.writeFile(QStringLiteral("page.html"), Saved);
    if (alreadyOpen)
        f.openFile(page);
    const QString kind = untitled ? QStringLiteral("Cascade Style Sheet") : QStringLiteral("Hyper Text");
    const QString file = plant(untitled ? QString() : page, kind, QStringLiteral("p { }\nrecovered"));
    QVERIFY(!file.isEmpty());
    const QByteArray onDisk = changeOnDisk ? QByteArrayLiteral("<p>changed elsewhere</p>") : Saved;
    if (changeOnDisk)
        FrameFixture::writeFileAt(page, onDisk);
    f.seam.choices = choices;
    const QList<Form1 *> opened = RecoveryOffer::run(f.frame.get());
    FrameFixture::settle();

    const QString question = f.seam.messages.value(0).text;
    QVERIFY(question.contains(untitled ? QStringLiteral("・名称未設定ファイル（最終変更 2026/12/01 09:30:05）")
                                       : QStringLiteral("・%1（最終変更 2026/12/01 09:30:05）").arg(page)));
    QCOMPARE(question.contains(QStringLiteral("ディスク上で変更されています")), changeOnDisk);
    QCOMPARE(f.seam.choiceButtons.value(0),
             QStringList({QStringLiteral("復元する"), QStringLiteral("破棄"), QStringLiteral("あとで")}));
    QCOMPARE(QFile::exists(file), kept);
    QCOMPARE(FrameFixture::readFile(page), onDisk);
    QCOMPARE(opened.size(), opens ? 1 : 0);
    QCOMPARE(f.frame->documents().size(), opens ? 2 : 1);
    // Only a file changed since asks again, whether to take it as it now is.
    QCOMPARE(f.seam.messages.size(), changeOnDisk ? 2 : 1);
    if (!opens)
        return;
    Form1 *doc = opened.first();
    QCOMPARE(doc->windowTitle(), untitled ? DocumentCaption::forUntitled(2, kind) : DocumentCaption::forFile(2, page, kind));

    QCOMPARE(doc->richTextBox1()->fileText(), QStringLiteral("p { }\nrecovered"));
    QVERIFY(doc->TextEdit);
    if (untitled)
        return;
    // A save asks first only when another program has changed the file.
    QTest::keyClick(doc->richTextBox1(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(f.seam.messages.size(), changeOnDisk ? 3 : 1);
    QCOMPARE(doc->TextEdit, changeOnDisk);
}

void TestRecoveryWindow::cleanEndingsRemoveTheFile_data()
{
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
    QTest::addColumn<bool>("kept");

    using B = QList<QMessageBox::StandardButton>;
    QTest::newRow("Ctrl+S -> removed") << "save" << B{} << false;
    QTest::newRow("close answered はい, saved -> removed") << "close" << B{QMessageBox::Yes} << false;
    QTest::newRow("close answered いいえ -> removed") << "close" << B{QMessageBox::No} << false;
    QTest::newRow("exit answered いいえ -> removed") << "exit" << B{QMessageBox::No} << false;
    QTest::newRow("close cancelled -> kept") << "close" << B{QMessageBox::Cancel} << true;
    QTest::newRow("ended from outside, windows unasked -> kept") << "destroy" << B{} << true;
}

void TestRecoveryWindow::cleanEndingsRemoveTheFile()
{
    QFETCH(QString, ending);
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    QFETCH(bool, kept);
    FrameFixture f;
    Form1 *doc = f.openFile(f.writeFile(QStringLiteral("page.html"), Saved));
    f.type(QStringLiteral("typed"));
    RecoveryJournal::flushAllNow();
    const QString file = doc->recoveryJournal()->filePath();
    QVERIFY(QFile::exists(file));
    f.seam.buttons = answers;
    if (ending == QLatin1String("save"))
        QTest::keyClick(doc->richTextBox1(), Qt::Key_S, Qt::ControlModifier);
    else if (ending == QLatin1String("close"))
        doc->IDM_FILECLOSE();
    else if (ending == QLatin1String("exit"))
        f.frame->IDM_EXIT();
    else
        f.frame.reset();
    FrameFixture::settle();
    QCOMPARE(QFile::exists(file), kept);
}

void TestRecoveryWindow::unwritableFolderSaysSoOnce()
{
    // A file where the state folder should be: no one can make it, root included.
    FrameFixture::writeFileAt(m_state->filePath(QStringLiteral("blocked")), "x");
    qputenv("XDG_STATE_HOME", QFile::encodeName(m_state->filePath(QStringLiteral("blocked"))));
    FrameFixture f;
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    for (Form1 *doc : f.frame->documents())
        QTest::keyClicks(doc->richTextBox1(), QStringLiteral("one"));
    RecoveryJournal::flushAllNow();
    f.type(QStringLiteral(" two"));
    RecoveryJournal::flushAllNow();
    QCOMPARE(f.seam.messages.size(), 1);
    QCOMPARE(f.seam.messages.first().title, QStringLiteral("注意"));
    QVERIFY(f.seam.messages.first().text.contains(QStringLiteral("記録できません")));
    QCOMPARE(f.active()->richTextBox1()->fileText(), QStringLiteral("one two"));
}

void TestRecoveryWindow::returnRecovers()
{
    DialogSeam real;
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
    QCOMPARE(real.choice(nullptr, QStringLiteral("復元"), QStringLiteral("?"),
                         {QStringLiteral("復元する"), QStringLiteral("破棄"), QStringLiteral("あとで")}, 0, 2),
             0);
}

void TestRecoveryWindow::largePageIsWrittenAsSaved()
{
    FrameFixture f;
    Form1 *doc = f.active();
    // Copied in slices: a long line held in pieces, characters outside the
    // basic plane and a character the control holds as a stand-in.
    const QString page = QStringLiteral("<p>\u2029</p>\n") + QStringLiteral("\U0001F600 ").repeated(400000)
        + QStringLiteral("\n<p>end</p>\n");
    doc->loadText(page, TextFileFormat());
    f.type(QStringLiteral("x"));
    RecoveryJournal::flushAllNow();
    QFile file(doc->recoveryJournal()->filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::optional<RecoveryRecord> record = RecoveryFile::decode(file.readAll());
    QVERIFY(record);
    QCOMPARE(record->text, doc->richTextBox1()->fileText());
    QCOMPARE(record->text.size(), page.size() + 1);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--type-and-wait") == 0)
        return typeAndWait(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestRecoveryWindow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recoverywindow.moc"
