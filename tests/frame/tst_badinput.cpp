#include "framefixture.h"

#include "frame/folderview.h"
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
    void asksBeforeWritingOverAnotherText_data();
    void asksBeforeWritingOverAnotherText();
    void openingAnOpenFileBringsItsWindow_data();
    void openingAnOpenFileBringsItsWindow();
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
    QTest::addColumn<QString>("cause"); // what the message names

    QTest::newRow("file deleted, Ctrl+S -> written again") << "file deleted" << true << "";
    QTest::newRow("folder deleted, Ctrl+S -> message, text stays") << "folder deleted" << false << "見つからない";
    QTest::newRow("read-only file -> message, file unchanged") << "read-only" << false << "読み取り専用";
    QTest::newRow("file-size limit -> message naming it, old file whole") << "size limit" << false
                                                                          << "ファイルサイズの上限";
}

void TestBadInput::failedSaveLosesNothing()
{
    QFETCH(QString, mishap);
    QFETCH(bool, written);
    QFETCH(QString, cause);
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
    QVERIFY2(f.seam.messages.first().text.contains(cause), qPrintable(f.seam.messages.first().text));
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

void TestBadInput::asksBeforeWritingOverAnotherText_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("windowText");
    QTest::addColumn<bool>("overwritten");

    QTest::newRow("changed on disk, Ctrl+S, Yes -> written over") << "Ctrl+S" << true << "x<p>old</p>" << true;
    QTest::newRow("changed on disk, Ctrl+S, No -> the other text stays") << "Ctrl+S" << false << "x<p>old</p>" << false;
    QTest::newRow("changed on disk, window comes forward, reload -> the file read as opened, one undo back")
        << "forward" << true << "<meta charset=\"euc-jp\">日本語\r\n" << false;
    QTest::newRow("changed on disk, window comes forward, keep -> the window's text") << "forward" << false
                                                                                       << "x<p>old</p>" << false;
    QTest::newRow("Save As onto an existing file, Yes -> replaced") << "Save As" << true << "x<p>old</p>" << true;
    QTest::newRow("Save As onto an existing file, No -> kept, back to the dialog") << "Save As" << false
                                                                                   << "x<p>old</p>" << false;
}

void TestBadInput::asksBeforeWritingOverAnotherText()
{
    QFETCH(QString, how);
    QFETCH(bool, yes);
    QFETCH(QString, windowText);
    QFETCH(bool, overwritten);
    FrameFixture f;
    const QString path = f.writeFile(QStringLiteral("page.html"), "<p>old</p>");
    Form1 *doc = f.openFile(path);
    QTest::keyClick(doc->richTextBox1(), Qt::Key_Home, Qt::ControlModifier);
    f.type(QStringLiteral("x"));
    // Another program's text, in another encoding.
    const QByteArray other = "<meta charset=\"euc-jp\">" + QByteArray::fromHex("c6fccbdcb8ec") + "\n";
    const QString target = f.writeFile(how == QLatin1String("Save As") ? QStringLiteral("taken.html")
                                                                       : QStringLiteral("page.html"),
                                       other);
    if (how == QLatin1String("forward"))
        f.seam.choices << (yes ? 0 : 1);
    else
        f.seam.buttons << (yes ? QMessageBox::Yes : QMessageBox::No);

    if (how == QLatin1String("Save As")) {
        f.seam.saveNames << target;
        doc->IDM_SAVEAS();
        QCOMPARE(f.seam.saveRequests.size(), yes ? 1 : 2);
        QCOMPARE(f.seam.messages.first().title, QStringLiteral("ファイルの保存"));
        QVERIFY(f.seam.messages.first().text.contains(QStringLiteral("taken.html")));
    } else if (how == QLatin1String("Ctrl+S")) {
        ctrlS(doc);
        QCOMPARE(f.seam.messages.first().title, QStringLiteral("確認"));
        QCOMPARE(f.seam.messages.first().text,
                 QStringLiteral("このファイルは、開いた後でほかのプログラムによって変更されています。上書きしますか？"));
        QCOMPARE(doc->TextEdit, !yes);
    } else {
        f.frame->IDM_NEWHTML();
        FrameFixture::settle();
        QTest::mouseClick(f.frame->Toolbar2()->Command1(2), Qt::LeftButton);
        FrameFixture::settle();
        QCOMPARE(f.active(), doc);
        QCOMPARE(f.seam.messages.first().title, QStringLiteral("確認"));
        QVERIFY(f.seam.messages.first().text.contains(path));
        // Asked once for one change.
        QTest::mouseClick(f.frame->Toolbar2()->Command1(3), Qt::LeftButton);
        QTest::mouseClick(f.frame->Toolbar2()->Command1(2), Qt::LeftButton);
        FrameFixture::settle();
        QCOMPARE(f.active(), doc);
    }
    QCOMPARE(f.seam.messages.size(), 1);
    QCOMPARE(doc->richTextBox1()->Text(), windowText);
    QCOMPARE(FrameFixture::readFile(target), overwritten ? QByteArray("x<p>old</p>") : other);
    if (how == QLatin1String("forward") && yes) {
        QVERIFY(!doc->TextEdit);
        QTest::keyClick(doc->richTextBox1(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(doc->richTextBox1()->Text(), QStringLiteral("x<p>old</p>"));
        // Taken back, it is written over the file without a question.
        ctrlS(doc);
        QCOMPARE(f.seam.messages.size(), 1);
        QCOMPARE(FrameFixture::readFile(target), QByteArray("x<p>old</p>"));
    }
}

void TestBadInput::openingAnOpenFileBringsItsWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("name"); // the second name: the same, a symlink, a hard link or another file
    QTest::addColumn<int>("windows");
    QTest::newRow("dropped again -> its window") << "drop" << "a.html" << 1;
    QTest::newRow("tovalo a.html a.html -> one window") << "command line" << "a.html" << 1;
    QTest::newRow("open dialog, through a symlink -> its window") << "open dialog" << "link.html" << 1;
    QTest::newRow("folder view, a second hard link -> its window") << "folder view" << "hard.html" << 1;
    QTest::newRow("another file -> a window of its own") << "drop" << "other.html" << 2;
}

void TestBadInput::openingAnOpenFileBringsItsWindow()
{
    QFETCH(QString, how);
    QFETCH(QString, name);
    QFETCH(int, windows);
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("a.html"));
    const QString second = dir.filePath(name);
    {
        QFile file(first);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<p>a</p>");
    }
    QVERIFY(QFile::link(QStringLiteral("a.html"), dir.filePath(QStringLiteral("link.html"))));
    QCOMPARE(::link(QFile::encodeName(first).constData(), QFile::encodeName(dir.filePath(QStringLiteral("hard.html"))).constData()), 0);
    QVERIFY(QFile::copy(first, dir.filePath(QStringLiteral("other.html"))));

    const bool commandLine = how == QLatin1String("command line");
    FrameFixture f(commandLine ? QStringList{first, second} : QStringList{});
    if (!commandLine) {
        f.openFile(first);
        f.frame->IDM_NEWHTML();
        FrameFixture::settle();
        if (how == QLatin1String("drop")) {
            f.openFile(second);
        } else if (how == QLatin1String("open dialog")) {
            f.seam.openNames << second;
            f.frame->IDM_FILEOPEN();
        } else {
            emit f.frame->Toolbar3()->fileActivated(second);
        }
        FrameFixture::settle();
    }
    QStringList opened;
    for (Form1 *doc : f.frame->documents())
        if (!doc->FPath.isEmpty())
            opened << doc->FPath;
    QCOMPARE(opened.size(), windows);
    QCOMPARE(f.active()->FPath, windows == 1 ? first : second);
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
