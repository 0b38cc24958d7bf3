#include "framefixture.h"

#include "document/livepreview.h"
#include "document/previewbrowser.h"
#include "document/previewview.h"
#include "frame/signalending.h"
#include "frame/standardtoolbar.h"

#include <QAction>
#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QWebEngineView>

#include <csignal>
#include <cstdio>
#include <memory>

#include <unistd.h>

class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void usersTmpFileSurvivesPreviewSourceAndClose_data();
    void usersTmpFileSurvivesPreviewSourceAndClose();
    void editCommandsFollowTheView_data();
    void editCommandsFollowTheView();
    void previewShowsTheCurrentTextAndLeavesTheDocumentAlone();
    void relativeLinksResolveInTheDocumentsFolder_data();
    void relativeLinksResolveInTheDocumentsFolder();
    void printIsOffInThePreviewAndBackAfterF4();
    void browserIsNotMadeBeforeTheFirstPreview();
    void cancelledCloseStillDeletesThePreviewFile();
    void f4ReachingTheBrowserItselfStillLeadsBack();
    void livePreviewFollowsTheTypingBesideTheSource();
    void signalEndsWithoutQuestionsAndLeavesNoFile_data();
    void signalEndsWithoutQuestionsAndLeavesNoFile();

private:
    QTemporaryDir m_temp; // stands in for the system's temporary folder
};

void TestPreview::initTestCase()
{
    QVERIFY(m_temp.isValid());
    qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

// Presses a key where the keyboard is: in the preview that is inside the browser.
static void press(Form1 *doc, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    if (!target || !doc->isAncestorOf(target))
        target = doc->richTextBox1()->isVisible() ? static_cast<QWidget *>(doc->richTextBox1()) : doc;
    QTest::keyClick(target, key, modifiers);
    FrameFixture::settle();
}

// The browser as the module made it.
static QWebEngineView *engine(QWidget *view)
{
    return qobject_cast<QWebEngineView *>(view);
}

static QStringList previewFilesIn(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral(".tovalo-preview-*")}, QDir::Files | QDir::Hidden);
}

void TestPreview::usersTmpFileSurvivesPreviewSourceAndClose_data()
{
    QTest::addColumn<bool>("untitled");
    QTest::newRow("saved page beside the user's tmp_.html") << false;
    QTest::newRow("untitled page, tmp_.html in the temporary folder") << true;
}

void TestPreview::usersTmpFileSurvivesPreviewSourceAndClose()
{
    QFETCH(bool, untitled);
    FrameFixture f;
    const QByteArray mine = "<html><body>my own page \x93\xfa\r\n</body></html>\r\n";
    const QString folder = untitled ? m_temp.path() : f.dir.path();
    const QString users = QDir(folder).filePath(QStringLiteral("tmp_.html"));
    {
        QFile file(users);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(mine);
    }
    Form1 *doc = untitled ? f.active()
                          : f.openFile(f.writeFile(QStringLiteral("index.html"), "<p>page</p>\r\n"));
    QVERIFY(doc);

    press(doc, Qt::Key_F5);
    QVERIFY(doc->Option2()->isChecked());
    QCOMPARE(previewFilesIn(folder).size(), 1);
    QCOMPARE(FrameFixture::readFile(users), mine);

    press(doc, Qt::Key_F4);
    QVERIFY(doc->Option1()->isChecked());
    QVERIFY(previewFilesIn(folder).isEmpty());
    QCOMPARE(FrameFixture::readFile(users), mine);

    press(doc, Qt::Key_F5);
    QCOMPARE(previewFilesIn(folder).size(), 1);
    doc->IDM_FILECLOSE();
    FrameFixture::settle();
    QVERIFY(previewFilesIn(folder).isEmpty());
    QCOMPARE(FrameFixture::readFile(users), mine);
}

void TestPreview::editCommandsFollowTheView_data()
{
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("F5 and F4") << false;
    QTest::newRow("clicks on the two options") << true;
}

void TestPreview::editCommandsFollowTheView()
{
    QFETCH(bool, byMouse);
    FrameFixture f;
    Form1 *doc = f.active();
    auto toPreview = [&] {
        if (byMouse)
            QTest::mouseClick(doc->Option2(), Qt::LeftButton, {}, QPoint(5, doc->Option2()->height() / 2));
        else
            press(doc, Qt::Key_F5);
        FrameFixture::settle();
    };
    auto toSource = [&] {
        if (byMouse)
            QTest::mouseClick(doc->Option1(), Qt::LeftButton, {}, QPoint(5, doc->Option1()->height() / 2));
        else
            press(doc, Qt::Key_F4);
        FrameFixture::settle();
    };

    toPreview();
    QVERIFY(doc->WebBrowser1() && doc->WebBrowser1()->isVisible());
    QVERIFY(!doc->richTextBox1()->isVisible());
    QVERIFY(!Module1::EditEnabled);
    QVERIFY(!f.frame->toolbarButton(5)->isEnabled());
    QVERIFY(!f.frame->toolbarButton(23)->isEnabled());
    for (const char *name : {"IDM_SAVE", "IDM_PRINT", "IDM_LINK_CHK", "IDM_CREATE_BACKUP"})
        QVERIFY2(!doc->menuItem(QString::fromLatin1(name))->isEnabled(), name);
    for (const char *name : {"IDM_TOOL", "IDM_EDITSOURCE", "IDM_PREVIEW"})
        QVERIFY2(doc->menuItem(QString::fromLatin1(name))->isEnabled(), name);

    toSource();
    QVERIFY(!doc->WebBrowser1()->isVisible());
    QVERIFY(doc->richTextBox1()->isVisible());
    QVERIFY(Module1::EditEnabled);
    QVERIFY(f.frame->toolbarButton(5)->isEnabled());
    for (const char *name : {"IDM_SAVE", "IDM_PRINT", "IDM_LINK_CHK", "IDM_CREATE_BACKUP"})
        QVERIFY2(doc->menuItem(QString::fromLatin1(name))->isEnabled(), name);
    QCOMPARE(QApplication::focusWidget(), doc->richTextBox1());
}

void TestPreview::previewShowsTheCurrentTextAndLeavesTheDocumentAlone()
{
    FrameFixture f;
    const QByteArray saved = "<p>saved</p>\r\n";
    const QString page = f.writeFile(QStringLiteral("page.html"), saved);
    Form1 *doc = f.openFile(page);
    doc->richTextBox1()->moveCursor(QTextCursor::End);
    f.type(QStringLiteral("ab"));
    doc->richTextBox1()->setSelText(QStringLiteral("日本"));
    QVERIFY(doc->TextEdit);

    press(doc, Qt::Key_F5);
    const QStringList files = previewFilesIn(f.dir.path());
    QCOMPARE(files.size(), 1);
    // Written as a save would write it: the page's CR LF and Shift-JIS.
    QCOMPARE(FrameFixture::readFile(f.path(files.first())), QByteArray("<p>saved</p>\r\nab\x93\xfa\x96\x7b"));
    QCOMPARE(doc->htfn, f.dir.path() + QLatin1Char('/'));
    QVERIFY(doc->TextEdit);
    QCOMPARE(FrameFixture::readFile(page), saved);
    QCOMPARE(doc->richTextBox1()->Text(), QStringLiteral("<p>saved</p>\r\nab日本"));
}

void TestPreview::relativeLinksResolveInTheDocumentsFolder_data()
{
    // Each row's script puts what it could read of secret.txt into `reads`;
    // read() gives a window's text, or "refused".
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");
    QTest::newRow("XMLHttpRequest") << QStringLiteral(
        "try { var r = new XMLHttpRequest(); r.open('GET', 'secret.txt', false); r.send();"
        "reads.push(r.responseText); } catch (e) { reads.push('refused'); }") << QStringLiteral("refused");
    QTest::newRow("fetch") << QStringLiteral(
        "fetch('secret.txt').then(a => a.text()).then(t => reads.push(t), () => reads.push('refused'));")
                           << QStringLiteral("refused");
    QTest::newRow("an iframe the script makes") << QStringLiteral(
        "var f = document.createElement('iframe'); f.onload = () => reads.push(read(f.contentWindow));"
        "f.src = 'secret.txt'; document.body.appendChild(f);") << QStringLiteral("refused");
    QTest::newRow("an object the script makes") << QStringLiteral(
        "var o = document.createElement('object'); o.onload = () => reads.push(read(o.contentWindow));"
        "o.data = 'secret.txt'; document.body.appendChild(o);") << QStringLiteral("refused");
    // The page's own frame shows (it says so), but the page can't look in,
    // nor at what the frame is then sent to.
    QTest::newRow("the page's frame, then that frame sent to the secret") << QStringLiteral(
        "onmessage = () => { reads.push(read(m.contentWindow)); m.onload = () => reads.push(read(m.contentWindow));"
        "m.src = 'secret.txt'; onmessage = null; };") << QStringLiteral("refused refused");
    // The frame's own style sheet applies; neither it nor the page reads
    // the frame it makes.
    QTest::newRow("a frame the page's frame makes") << QStringLiteral(
        "onmessage = e => reads.push(e.data, read(m.contentWindow.frames[0]));")
                                                    << QStringLiteral("rgb(1, 2, 3) refused refused");
    // A document of no file (as a site would be) is handed the address of
    // the user's image, and can't even show it.
    QTest::newRow("a frame from elsewhere, given a file's address") << QStringLiteral(
        "var d = document.createElement('iframe'); d.src = 'data:text/html,<script>onmessage = e => {"
        "var i = new Image(); i.onload = () => parent.postMessage(\"image shown\", \"*\");"
        "i.onerror = () => parent.postMessage(\"image refused\", \"*\"); i.src = e.data; }<\\/script>';"
        "d.onload = () => d.contentWindow.postMessage(new URL('secret.png', location).href, '*');"
        "onmessage = e => e.data.startsWith('image') && reads.push(e.data); document.body.appendChild(d);")
                                                                    << QStringLiteral("image refused");
    // Sound is played from where the user takes it.
    QTest::newRow("a sound played from its middle") << QStringLiteral(
        "var a = new Audio('tone.wav'); a.onloadedmetadata = () => a.currentTime = 110;"
        "a.onseeked = () => reads.push(Math.round(a.currentTime));") << QStringLiteral("110");
    QTest::newRow("an image's pixels on a canvas") << QStringLiteral(
        "var i = new Image(); i.onload = () => { var c = document.createElement('canvas').getContext('2d');"
        "c.drawImage(i, 0, 0); try { reads.push(c.getImageData(0, 0, 1, 1).data[0]); } catch (e) {"
        "reads.push('refused'); } }; i.src = 'secret.png';") << QStringLiteral("refused");
    QTest::newRow("the rules of the linked style sheet") << QStringLiteral(
        "try { reads.push(document.styleSheets[0].cssRules[0].cssText); } catch (e) { reads.push('refused'); }")
                                                         << QStringLiteral("refused");
    QTest::newRow("the error a script from another file makes") << QStringLiteral(
        "onerror = m => reads.push(m); var s = document.createElement('script'); s.src = 'secret.txt';"
        "document.body.appendChild(s);") << QStringLiteral("Script error.");
}

// `seconds` of 8-bit silence, as a WAVE file too long to be fetched at once.
static QByteArray silentWave(quint32 seconds)
{
    const quint32 rate = 44100;
    QByteArray wave;
    QDataStream out(&wave, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + rate * seconds);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << rate << rate << quint16(1) << quint16(8);
    out.writeRawData("data", 4);
    out << rate * seconds;
    return wave + QByteArray(rate * seconds, '\x80');
}

void TestPreview::relativeLinksResolveInTheDocumentsFolder()
{
    QFETCH(QString, script);
    QFETCH(QString, expected);
    FrameFixture f;
    QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("css")));
    f.writeFile(QStringLiteral("css/site.css"), "p { color: rgb(1, 2, 3); }");
    f.writeFile(QStringLiteral("secret.txt"), "secret");
    QImage secret(1, 1, QImage::Format_RGB32);
    secret.fill(qRgb(200, 0, 0));
    QVERIFY(secret.save(f.path(QStringLiteral("secret.png"))));
    f.writeFile(QStringLiteral("tone.wav"), silentWave(120));
    const QByteArray read = "<script>function read(w) { try { return w.document.body.innerText; }"
                            " catch (e) { return 'refused'; } }</script>";
    f.writeFile(QStringLiteral("frame.html"),
                "<link rel=stylesheet href=css/site.css><p id=x>x</p>" + read
                    + "<script>var f = document.createElement('iframe'); f.onload = () => parent.postMessage("
                      "getComputedStyle(x).color + ' ' + read(f.contentWindow), '*');"
                      "f.src = 'secret.txt'; document.body.appendChild(f);</script>");
    // The page's style sheet loads, but its script reads no file of the user's.
    const QString page = f.writeFile(
        QStringLiteral("index.html"),
        "<html><head><link rel=\"stylesheet\" href=\"css/site.css\"></head><body><p id=x>x</p>"
        "<iframe id=m src=frame.html></iframe>" + read + "<script>var reads = [];" + script.toUtf8()
            + "</script></body></html>");
    Form1 *doc = f.openFile(page);
    press(doc, Qt::Key_F5);
    QSignalSpy loaded(doc->previewView(), &PreviewView::loadFinished);
    QVERIFY(loaded.wait(20000));
    // Answers may come after the test is over: they write where it can't hurt.
    const auto seen = std::make_shared<QString>();
    const auto ask = [&] {
        engine(doc->WebBrowser1())->page()->runJavaScript(
            QStringLiteral("getComputedStyle(document.getElementById('x')).color + ' ' + reads.join(' ')"),
            [seen](const QVariant &value) { *seen = value.toString(); });
        FrameFixture::settle();
        return *seen;
    };
    QTRY_COMPARE_WITH_TIMEOUT(ask(), QStringLiteral("rgb(1, 2, 3) ") + expected, 20000);
}

void TestPreview::printIsOffInThePreviewAndBackAfterF4()
{
    FrameFixture f;
    Form1 *doc = f.active();
    doc->richTextBox1()->setSelText(QStringLiteral("<p>印刷</p>"));
    f.seam.printFile = f.path(QStringLiteral("out.pdf"));
    press(doc, Qt::Key_F5);
    press(doc, Qt::Key_P, Qt::ControlModifier);
    QVERIFY(!QFile::exists(f.seam.printFile));
    press(doc, Qt::Key_F4);
    press(doc, Qt::Key_P, Qt::ControlModifier);
    QVERIFY(QFileInfo(f.seam.printFile).size() > 0);
}

void TestPreview::browserIsNotMadeBeforeTheFirstPreview()
{
    FrameFixture f;
    Form1 *doc = f.active();
    QVERIFY(doc->Option2()->isEnabled());
    QVERIFY(!doc->WebBrowser1());
    QVERIFY(!doc->findChild<QWebEngineView *>());
    // Returning to the source needs no browser either.
    press(doc, Qt::Key_F4);
    QVERIFY(!doc->WebBrowser1());
    QVERIFY(doc->richTextBox1()->isVisible());
}

void TestPreview::cancelledCloseStillDeletesThePreviewFile()
{
    FrameFixture f;
    Form1 *doc = f.openFile(f.writeFile(QStringLiteral("page.html"), "<p>x</p>"));
    f.type(QStringLiteral("y"));
    press(doc, Qt::Key_F5);
    QCOMPARE(previewFilesIn(f.dir.path()).size(), 1);
    const qsizetype open = f.frame->documents().size();
    f.seam.buttons << QMessageBox::Cancel;
    QVERIFY(!f.frame->subWindowOf(doc)->close());
    QVERIFY(previewFilesIn(f.dir.path()).isEmpty());
    QCOMPARE(f.frame->documents().size(), open);
}

void TestPreview::f4ReachingTheBrowserItselfStillLeadsBack()
{
    // Where the platform hands the key straight to the browser, past the
    // window's shortcuts, F4 must still lead back to the source.
    FrameFixture f;
    Form1 *doc = f.active();
    press(doc, Qt::Key_F5);
    QVERIFY(doc->Option2()->isChecked());
    QWidget *inner = doc->WebBrowser1()->focusProxy() ? doc->WebBrowser1()->focusProxy() : doc->WebBrowser1();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier);
    QCoreApplication::sendEvent(inner, &key);
    QVERIFY(doc->Option1()->isChecked());
    QVERIFY(doc->richTextBox1()->isVisible());
    QVERIFY(previewFilesIn(f.dir.path()).isEmpty() && previewFilesIn(m_temp.path()).isEmpty());
}

void TestPreview::livePreviewFollowsTheTypingBesideTheSource()
{
    FrameFixture f;
    Form1 *doc = f.openFile(f.writeFile(QStringLiteral("page.html"), "<div style=\"height:5000px\"></div><p id=x>a"));
    doc->richTextBox1()->moveCursor(QTextCursor::End);
    press(doc, Qt::Key_F5, Qt::ControlModifier);
    LivePreview *live = doc->livePreview();
    QVERIFY(live && live->isVisible());
    QSignalSpy refreshed(live, &LivePreview::refreshed);
    QVERIFY(refreshed.wait(20000));
    QVERIFY(live->width() * 3 > doc->richTextBox1()->width());
    const auto seen = std::make_shared<QString>();
    const auto ask = [&](const QString &expected) {
        engine(live->view())->page()->runJavaScript(
            QStringLiteral("document.getElementById('x').textContent + ' ' + window.scrollY"),
            [seen](const QVariant &value) { *seen = value.toString(); });
        FrameFixture::settle();
        return *seen == expected;
    };
    engine(live->view())->page()->runJavaScript(QStringLiteral("window.scrollTo(0, 1000)"));
    QTRY_VERIFY_WITH_TIMEOUT(ask(QStringLiteral("a 1000")), 20000);

    // The unsaved text shows after a pause, scrolled where it was, and the
    // keyboard stays in the source.
    f.type(QStringLiteral("bc"));
    QVERIFY(refreshed.wait(20000));
    QTRY_VERIFY_WITH_TIMEOUT(ask(QStringLiteral("abc 1000")), 20000);
    QCOMPARE(QApplication::focusWidget(), doc->richTextBox1());
    QVERIFY(Module1::EditEnabled);
    QCOMPARE(previewFilesIn(f.dir.path()).size(), 1);

    // A page navigated away from, and the button that brings the document back.
    f.writeFile(QStringLiteral("other.html"), "<p>other</p>");
    engine(live->view())->page()->runJavaScript(QStringLiteral("location.href = 'other.html'"));
    QVERIFY(refreshed.wait(20000));
    QCOMPARE(engine(live->view())->url().fileName(), QStringLiteral("other.html"));
    QTest::mouseClick(live->findChild<QPushButton *>(), Qt::LeftButton);
    QVERIFY(refreshed.wait(20000));
    QCOMPARE(engine(live->view())->url(), live->findChild<PreviewView *>()->address());

    press(doc, Qt::Key_F5, Qt::ControlModifier);
    QVERIFY(previewFilesIn(f.dir.path()).isEmpty());
    press(doc, Qt::Key_F5, Qt::ControlModifier);
    QVERIFY(refreshed.wait(20000));
    QCOMPARE(previewFilesIn(f.dir.path()).size(), 1);

    // A character the page's encoding can't hold: a note instead of the page.
    doc->richTextBox1()->setSelText(QString::fromUtf8("\xF0\x9F\x98\x80"));
    QVERIFY(refreshed.wait(20000));
    QVERIFY(live->note()->isVisible());
    QVERIFY(!live->view()->isVisible());
    f.type(QStringLiteral("d"));
    QVERIFY(doc->richTextBox1()->Text().endsWith(QLatin1Char('d')));

    f.seam.buttons << QMessageBox::No;
    QVERIFY(f.frame->subWindowOf(doc)->close());
    FrameFixture::settle();
    QVERIFY(previewFilesIn(f.dir.path()).isEmpty());
}

void TestPreview::signalEndsWithoutQuestionsAndLeavesNoFile_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("kill -TERM") << int(SIGTERM);
    QTest::newRow("the session ends: SIGHUP") << int(SIGHUP);
    QTest::newRow("Ctrl+C: SIGINT") << int(SIGINT);
}

void TestPreview::signalEndsWithoutQuestionsAndLeavesNoFile()
{
    QFETCH(int, signal);
    QTemporaryDir site;
    QFile page(site.filePath(QStringLiteral("page.html")));
    QVERIFY(page.open(QIODevice::WriteOnly) && page.write("<p>page</p>") > 0);
    page.close();
    QProcess child;
    const QString state = site.filePath(QStringLiteral("state"));
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--preview-until-signal"), page.fileName(), state});
    QTRY_VERIFY_WITH_TIMEOUT(child.canReadLine(), 60000);
    const QString preview = QString::fromLocal8Bit(child.readLine()).trimmed();
    QVERIFY2(QFileInfo(preview).isFile(), qPrintable(preview));
    ::kill(pid_t(child.processId()), signal);
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QVERIFY(!QFile::exists(preview));
    // The unsaved change waits for the next start.
    QCOMPARE(QDir(state + QStringLiteral("/tovalo/recovery")).entryList(QDir::Files).size(), 1);
}

// The child of the signal test: the program as main() makes it, a changed
// page in the preview (a question about it would wait for ever), waiting.
static int previewUntilSignal(const QString &page)
{
    MDIForm1 frame;
    SignalEnding ending(&frame);
    frame.show();
    frame.startUp(QStringList{page});
    Form1 *doc = frame.documents().last();
    doc->richTextBox1()->setSelText(QStringLiteral("x"));
    doc->IDM_PREVIEW();
    std::printf("%s\n", qPrintable(doc->previewView()->filePath()));
    std::fflush(stdout);
    return QApplication::exec();
}

int main(int argc, char *argv[])
{
    PreviewBrowser::prepareApplication();
    QApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--preview-until-signal") == 0) {
        qputenv("XDG_STATE_HOME", argv[3]);
        return previewUntilSignal(QString::fromLocal8Bit(argv[2]));
    }
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestPreview test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_preview.moc"
