#include "framefixture.h"

#include "document/recoveryfile.h"
#include "document/recoveryfolder.h"
#include "frame/recoveryoffer.h"
#include "frame/tabbar.h"

#include <QDir>
#include <QProcess>
#include <QPushButton>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

// Inputs a user's disk can hand the program on a bad day. Each must end with
// a clear message where one is due, and lose no byte of the file on disk or
// of the text in the window.
class TestBadInput : public QObject
{
    Q_OBJECT

private slots:
    void openKeepsEveryByte_data();
    void openKeepsEveryByte();
    void failedSaveLosesNothing_data();
    void failedSaveLosesNothing();
    void awkwardNamesOpenSaveAndShow_data();
    void awkwardNamesOpenSaveAndShow();
    void elevenWindowsEachSaveTheirOwnText();
    void damagedRecoveryFileIsKept_data();
    void damagedRecoveryFileIsKept();
};

namespace {

void ctrlS(Form1 *doc)
{
    QTest::keyClick(doc->richTextBox1(), Qt::Key_S, Qt::ControlModifier);
    FrameFixture::settle();
}

bool runsAsRoot()
{
    return ::geteuid() == 0;
}

// As root no permission bit stops a write; the immutable flag does, where
// the file system has it.
bool makeImmutable(const QString &path, bool on)
{
    return QProcess::execute(QStringLiteral("chattr"), {QString::fromLatin1(on ? "+i" : "-i"), path}) == 0;
}

} // namespace

void TestBadInput::openKeepsEveryByte_data()
{
    QTest::addColumn<QString>("made");   // "folder", "unreadable" or "file"
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("saves");    // Ctrl+S writes the bytes back unchanged

    QTest::newRow("folder as the file -> message, no window") << "folder" << QByteArray() << false << false;
    QTest::newRow("no read permission -> message, no window") << "unreadable" << QByteArray("<p>") << false
                                                             << false;
    QTest::newRow("empty file -> opens, saves 0 bytes") << "file" << QByteArray() << true << true;
    QTest::newRow("<p>NUL FF FE</p> -> warning, save refused")
        << "file" << QByteArray("<p>\0\xff\xfe\x80</p>\r\n", 14) << true << false;
    // A minified page: markup and blanks where a piece may end, no line break.
    QTest::newRow("10 MB on one line -> opens, saves the same")
        << "file" << QByteArray(R"(<div class="a"><p>text text</p></div>)").repeated(10 * 1024 * 1024 / 37 + 1)
        << true << true;
    QTest::newRow("10 MB on one line without a blank or > -> opens, saves the same")
        << "file" << QByteArray(10 * 1024 * 1024, 'x') << true << true;
}

void TestBadInput::openKeepsEveryByte()
{
    QFETCH(QString, made);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, opens);
    QFETCH(bool, saves);
    if (made == QLatin1String("unreadable") && runsAsRoot())
        QSKIP("root reads a file whatever its permissions say");

    FrameFixture f;
    const QString path = f.path(QStringLiteral("page.html"));
    if (made == QLatin1String("folder")) {
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("page.html")));
    } else {
        f.writeFile(QStringLiteral("page.html"), bytes);
        if (made == QLatin1String("unreadable"))
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    }
    Form1 *doc = f.openFile(path);

    if (!opens) {
        QCOMPARE(f.frame->documents().size(), 1); // the untitled one only
        QCOMPARE(f.seam.messages.size(), 1);
        QVERIFY(f.seam.messages.first().text.contains(path));
        QVERIFY(f.frame->Toolbar2()->Command1(2)->isHidden());
        return;
    }
    QVERIFY(doc && doc->FPath == path);
    const bool damaged = bytes.contains('\0') || bytes.contains('\xff');
    QCOMPARE(f.seam.messages.size(), damaged ? 1 : 0);
    if (!damaged)
        QCOMPARE(doc->richTextBox1()->Text().size(), bytes.size());

    f.seam.messages.clear();
    ctrlS(doc);
    QCOMPARE(f.seam.messages.size(), saves ? 0 : 1);
    QCOMPARE(FrameFixture::readFile(path), bytes);
    QCOMPARE(QFileInfo(path).size(), qint64(bytes.size()));
}

void TestBadInput::failedSaveLosesNothing_data()
{
    QTest::addColumn<QString>("mishap");
    QTest::addColumn<bool>("written");

    QTest::newRow("file deleted, Ctrl+S -> written again") << "file deleted" << true;
    QTest::newRow("folder deleted, Ctrl+S -> message, text stays") << "folder deleted" << false;
    QTest::newRow("read-only file -> message, file unchanged") << "read-only" << false;
    QTest::newRow("file-size limit -> message, old file whole") << "size limit" << false;
}

void TestBadInput::failedSaveLosesNothing()
{
    QFETCH(QString, mishap);
    QFETCH(bool, written);
    FrameFixture f;
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("site")));
    const QString folder = f.path(QStringLiteral("site"));
    const QString path = folder + QStringLiteral("/page.html");
    // Bigger than the size limit below, so the new file can't be written whole.
    const QByteArray old = "<p>" + QByteArray(6000, 'o') + "</p>\r\n";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    Form1 *doc = f.openFile(path);
    QVERIFY(doc);
    QTest::keyClick(doc->richTextBox1(), Qt::Key_Home, Qt::ControlModifier);
    f.type(QStringLiteral("new"));
    const QString text = doc->richTextBox1()->Text();
    QVERIFY(text.startsWith(QLatin1String("new<p>")));

    bool immutable = false;
    rlimit oldLimit{};
    if (mishap == QLatin1String("file deleted")) {
        QVERIFY(QFile::remove(path));
    } else if (mishap == QLatin1String("folder deleted")) {
        QVERIFY(QDir(folder).removeRecursively());
    } else if (mishap == QLatin1String("read-only")) {
        if (runsAsRoot()) {
            immutable = makeImmutable(path, true);
            if (!immutable)
                QSKIP("root writes any file, and this file system has no immutable flag");
        } else {
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        }
    } else {
        // The write runs into the limit: with SIGXFSZ ignored it fails with
        // EFBIG instead of ending the program.
        std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
        rlimit small = oldLimit;
        small.rlim_cur = 4096;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    }

    ctrlS(doc);

    if (immutable)
        makeImmutable(path, false);
    if (mishap == QLatin1String("size limit"))
        ::setrlimit(RLIMIT_FSIZE, &oldLimit);

    QCOMPARE(doc->richTextBox1()->Text(), text);
    if (written) {
        QVERIFY(f.seam.messages.isEmpty());
        QVERIFY(!doc->TextEdit);
        QCOMPARE(FrameFixture::readFile(path), "new" + old);
        return;
    }
    QCOMPARE(f.seam.messages.size(), 1);
    QCOMPARE(f.seam.messages.first().title, QStringLiteral("注意"));
    QVERIFY(f.seam.messages.first().text.contains(QStringLiteral("保存")));
    QVERIFY(doc->TextEdit);
    if (mishap == QLatin1String("folder deleted"))
        QVERIFY(!QFileInfo::exists(folder));
    else
        QCOMPARE(FrameFixture::readFile(path), old);
    // Nothing half-written is left beside the page either.
    if (QFileInfo::exists(folder))
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("page.html")});
}

void TestBadInput::awkwardNamesOpenSaveAndShow_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::newRow("page (1).html") << "web" << "page (1).html";
    QTest::newRow("blanks: 'my  page .html' in 'my site'") << "my site" << "my  page .html";
    QTest::newRow("Japanese: 日本語のページ.html in サイト") << "サイト" << "日本語のページ.html";
    QTest::newRow("leading -: -page.html in -site") << "-site" << "-page.html";
    QTest::newRow("all: -a (b) ページ.html in 'x (y)'") << "x (y)" << "-a (b) ページ.html";
}

void TestBadInput::awkwardNamesOpenSaveAndShow()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(folder));
    const QString path = dir.path() + QLatin1Char('/') + folder + QLatin1Char('/') + name;
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<p>x</p>\r\n");
    }
    // Started as a desktop starts the program on the file: the path in quotes.
    FrameFixture f(QLatin1Char('"') + path + QLatin1Char('"'));
    QVERIFY(f.seam.messages.isEmpty());
    Form1 *doc = f.active();
    QVERIFY(doc);
    QCOMPARE(doc->FPath, path);
    QCOMPARE(doc->windowTitle(), QStringLiteral("[1]") + path + QStringLiteral("  (Hyper Text)"));
    QCOMPARE(f.frame->Toolbar2()->Command1(1)->text(), QStringLiteral("[1]") + name + QLatin1Char(' '));

    QTest::keyClick(doc->richTextBox1(), Qt::Key_End, Qt::ControlModifier);
    f.type(QStringLiteral("y"));
    ctrlS(doc);
    QVERIFY(f.seam.messages.isEmpty());
    QCOMPARE(FrameFixture::readFile(path), QByteArray("<p>x</p>\r\ny"));
    QCOMPARE(doc->windowTitle(), QStringLiteral("[1]") + path + QStringLiteral("  (Hyper Text)"));
    QCOMPARE(f.frame->Toolbar2()->Command1(1)->text(), QStringLiteral("[1]") + name + QLatin1Char(' '));
}

void TestBadInput::elevenWindowsEachSaveTheirOwnText()
{
    FrameFixture f;
    QList<Form1 *> docs;
    for (int i = 0; i < 11; ++i)
        docs << f.openFile(f.writeFile(QStringLiteral("p%1.html").arg(i), "<p>"));
    QCOMPARE(f.frame->documents().size(), 12);
    // Every window takes its own keys and writes its own file, the last
    // opened and the first alike.
    for (int i = 0; i < docs.size(); ++i) {
        Form1 *doc = docs[i];
        QVERIFY(doc);
        QTest::mouseClick(f.frame->Toolbar2()->Command1(i + 2), Qt::LeftButton);
        FrameFixture::settle();
        QCOMPARE(f.active(), doc);
        QTest::keyClick(doc->richTextBox1(), Qt::Key_End, Qt::ControlModifier);
        f.type(QString::number(i));
        ctrlS(doc);
    }
    QVERIFY(f.seam.messages.isEmpty());
    for (int i = 0; i < docs.size(); ++i)
        QCOMPARE(FrameFixture::readFile(f.path(QStringLiteral("p%1.html").arg(i))),
                 QByteArray("<p>") + QByteArray::number(i));
}


void TestBadInput::damagedRecoveryFileIsKept_data()
{
    QTest::addColumn<int>("cut"); // bytes cut off the end
    QTest::addColumn<QByteArray>("garble");

    QTest::newRow("cut short by a crash of the disk -> message, kept") << 5 << QByteArray();
    QTest::newRow("header garbled -> message, kept") << 0 << QByteArray("line-break: ??");
}

void TestBadInput::damagedRecoveryFileIsKept()
{
    QFETCH(int, cut);
    QFETCH(QByteArray, garble);
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    RecoveryRecord record;
    record.text = QStringLiteral("<p>typed before the crash</p>");
    QByteArray bytes = RecoveryFile::encode(record).chopped(cut);
    if (!garble.isEmpty())
        bytes.replace("line-break: CRLF", garble);
    const QString name = RecoveryFolder::newFileName();
    QVERIFY(RecoveryFolder::write(RecoveryFolder::path(), name, bytes).isEmpty());
    const QString path = RecoveryFolder::path() + QLatin1Char('/') + name;

    FrameFixture f;
    QVERIFY(RecoveryOffer::run(f.frame.get()).isEmpty());
    QCOMPARE(f.frame->documents().size(), 1);
    QCOMPARE(f.seam.messages.size(), 1);
    QCOMPARE(f.seam.messages.first().title, QStringLiteral("注意"));
    QVERIFY(f.seam.messages.first().text.contains(path));
    QCOMPARE(FrameFixture::readFile(path), bytes);
}

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
