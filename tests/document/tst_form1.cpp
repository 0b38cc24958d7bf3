#include "framefixture.h"

#include "frame/advicebar.h"
#include "frame/standardtoolbar.h"
#include "frame/tabbar.h"
#include "shared/twips.h"

#include <QMdiSubWindow>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void typingMarksModifiedAndClearsAdvice();
    void openedFileIsColouredAndUnmodified();
    void closeAsksOnceWithTheWholeCaption_data();
    void closeAsksOnceWithTheWholeCaption();
    void closeBoxAsksTheSameQuestion();
    void saveAsGivesHyperTextCaptionAndKeepsTheTab();
    void cancelledSaveAsKeepsThePath();
    void saveWritesTheFileOwnEncodingAndBreaks();
    void failedSaveChangesNothing_data();
    void failedSaveChangesNothing();
    void yesWithFailedSaveKeepsTheWindowOpen();
    void unencodableCharacterStopsTheSave();
    void closeLeavesTheUsersTmpFileAlone();
    void squeezedWindowKeepsItsEditSize();
    void fileDroppedOnTheSourceOpensIt();
    void printWritesTheDocumentToThePrinter();
};

void TestForm1::typingMarksModifiedAndClearsAdvice()
{
    FrameFixture f;
    QLineEdit *advice = f.frame->Toolbar4()->Text1();
    QCOMPARE(advice->text(), QStringLiteral("アドバイスバー"));
    Form1 *doc = f.active();
    QVERIFY(!doc->TextEdit);
    f.type(QStringLiteral("a"));
    QVERIFY(doc->TextEdit);
    QVERIFY(advice->text().isEmpty());
}

void TestForm1::openedFileIsColouredAndUnmodified()
{
    FrameFixture f;
    const QString path = f.writeFile(QStringLiteral("a.html"), "<a href=\"x\">t</a>\r\n");
    Form1 *doc = f.openFile(path);
    RichTextBox1 *box = doc->richTextBox1();
    QVERIFY(!doc->TextEdit);
    box->setSelStart(2);
    QCOMPARE(box->SelColor(), QColor(0, 0, 255));
    box->setSelStart(10);
    QCOMPARE(box->SelColor(), QColor(0, 150, 0));
    // Colouring is not an edit the user can undo.
    QVERIFY(!box->document()->isUndoAvailable());
}

void TestForm1::closeAsksOnceWithTheWholeCaption_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("no drops the changes") << QMessageBox::No << true;
    QTest::newRow("cancel keeps the window") << QMessageBox::Cancel << false;
    QTest::newRow("yes then cancelled save dialog keeps it") << QMessageBox::Yes << false;
}

void TestForm1::closeAsksOnceWithTheWholeCaption()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, closes);
    FrameFixture f;
    Form1 *doc = f.active();
    f.type(QStringLiteral("<p>"));
    f.seam.buttons << answer;
    QTest::mouseClick(f.frame->Toolbar1()->widgetForAction(f.frame->Toolbar1()->button(10)), Qt::LeftButton);
    FrameFixture::settle();
    QCOMPARE(f.seam.messages.size(), 1);
    QCOMPARE(f.seam.messages.first().title, QStringLiteral("確認"));
    QCOMPARE(f.seam.messages.first().text,
             QStringLiteral("\"[1]名称未設定ファイル  (Hyper Text)\"は変更されています。変更を保存してもよろしいですか？"));
    QCOMPARE(f.seam.saveRequests.size(), answer == QMessageBox::Yes ? 1 : 0);
    QCOMPARE(f.frame->documents().isEmpty(), closes);
    if (!closes) {
        QCOMPARE(doc->xax, 1);
        QCOMPARE(doc->windowTitle(), QStringLiteral("[1]名称未設定ファイル  (Hyper Text)"));
        QVERIFY(doc->TextEdit);
        QCOMPARE(doc->richTextBox1()->Text(), QStringLiteral("<p>"));
    }
}

void TestForm1::closeBoxAsksTheSameQuestion()
{
    FrameFixture f;
    f.type(QStringLiteral("x"));
    f.seam.buttons << QMessageBox::No;
    QVERIFY(f.frame->subWindowOf(f.active())->close());
    FrameFixture::settle();
    QCOMPARE(f.seam.messages.size(), 1);
    QVERIFY(f.frame->documents().isEmpty());
    QVERIFY(f.frame->Toolbar2()->Command1(1)->isHidden());
}

void TestForm1::saveAsGivesHyperTextCaptionAndKeepsTheTab()
{
    FrameFixture f;
    f.frame->IDM_NEWCSS();
    FrameFixture::settle();
    Form1 *doc = f.active();
    QCOMPARE(doc->windowTitle(), QStringLiteral("[2]名称未設定ファイル  (Cascade Style Sheet)"));
    f.type(QStringLiteral("p{}"));
    const QString path = f.path(QStringLiteral("site.css"));
    f.seam.saveNames << path;
    QTest::keyClick(doc->richTextBox1(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(f.seam.saveRequests.size(), 1);
    QCOMPARE(f.seam.saveRequests.first().title, QStringLiteral("ファイルの保存"));
    QCOMPARE(f.seam.saveRequests.first().filter, QStringLiteral("HTMLファイル(*.html;*.htm)|*.html;*.htm"));
    QCOMPARE(doc->windowTitle(), QStringLiteral("[2]") + path + QStringLiteral("  (Hyper Text)"));
    QVERIFY(!doc->TextEdit);
    QCOMPARE(FrameFixture::readFile(path), QByteArray("p{}"));
    QCOMPARE(f.frame->Toolbar2()->Command1(2)->text(), QStringLiteral("[2]未保存"));

    // A name without an extension is used as typed.
    f.seam.saveNames << f.path(QStringLiteral("noext"));
    doc->IDM_SAVEAS();
    QVERIFY(QFile::exists(f.path(QStringLiteral("noext"))));
    QCOMPARE(f.seam.saveRequests.last().startPath, path);
}

void TestForm1::cancelledSaveAsKeepsThePath()
{
    FrameFixture f;
    const QString path = f.writeFile(QStringLiteral("a.html"), "old");
    Form1 *doc = f.openFile(path);
    f.type(QStringLiteral("new "));
    doc->IDM_SAVEAS(); // cancelled
    QCOMPARE(doc->FPath, path);
    QVERIFY(doc->TextEdit);
    doc->IDM_SAVE();
    QCOMPARE(f.seam.saveRequests.size(), 1);
    QCOMPARE(FrameFixture::readFile(path), QByteArray("new old"));
}

void TestForm1::saveWritesTheFileOwnEncodingAndBreaks()
{
    FrameFixture f;
    const QByteArray original = QByteArray("<meta charset=\"euc-jp\">\n") + QByteArray::fromHex("c6fccbdcb8ec") + "\n";
    const QString path = f.writeFile(QStringLiteral("e.html"), original);
    Form1 *doc = f.openFile(path);
    QCOMPARE(doc->richTextBox1()->Text(), QStringLiteral("<meta charset=\"euc-jp\">\r\n日本語\r\n"));
    doc->richTextBox1()->setSelStart(0);
    f.type(QStringLiteral(" "));
    doc->IDM_SAVE();
    QCOMPARE(FrameFixture::readFile(path), QByteArray(" ") + original);
}

void TestForm1::failedSaveChangesNothing_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("missing folder") << QStringLiteral("no/such/folder/a.html");
    QTest::newRow("a folder in the way") << QStringLiteral("folder");
}

void TestForm1::failedSaveChangesNothing()
{
    QFETCH(QString, target);
    FrameFixture f;
    QDir(f.dir.path()).mkdir(QStringLiteral("folder"));
    Form1 *doc = f.active();
    f.type(QStringLiteral("keep me"));
    f.seam.saveNames << f.path(target);
    doc->IDM_SAVE();
    QCOMPARE(f.seam.messages.size(), 1);
    QCOMPARE(f.seam.messages.first().icon, QMessageBox::Warning);
    QVERIFY(doc->FPath.isEmpty());
    QCOMPARE(doc->windowTitle(), QStringLiteral("[1]名称未設定ファイル  (Hyper Text)"));
    QVERIFY(doc->TextEdit);
    QCOMPARE(doc->richTextBox1()->Text(), QStringLiteral("keep me"));
}

void TestForm1::yesWithFailedSaveKeepsTheWindowOpen()
{
    FrameFixture f;
    const QString path = f.writeFile(QStringLiteral("a.html"), "x");
    Form1 *doc = f.openFile(path);
    f.type(QStringLiteral("y"));
    QFile::remove(path);
    QDir(f.dir.path()).mkdir(QStringLiteral("a.html")); // the path is now a folder
    f.seam.buttons << QMessageBox::Yes;
    doc->IDM_FILECLOSE();
    FrameFixture::settle();
    QCOMPARE(doc->xax, 1);
    QCOMPARE(f.frame->documents().size(), 2);
    QVERIFY(doc->TextEdit);
}

void TestForm1::unencodableCharacterStopsTheSave()
{
    FrameFixture f;
    const QString path = f.writeFile(QStringLiteral("s.html"), "abc\r\n");
    Form1 *doc = f.openFile(path);
    doc->richTextBox1()->setSelStart(5);
    doc->richTextBox1()->setSelText(QStringLiteral("😀"));
    doc->IDM_SAVE();
    QCOMPARE(f.seam.messages.size(), 1);
    QVERIFY(f.seam.messages.first().text.contains(QStringLiteral("2行目")));
    QCOMPARE(FrameFixture::readFile(path), QByteArray("abc\r\n"));
    QVERIFY(doc->TextEdit);
    QCOMPARE(doc->richTextBox1()->SelText(), QStringLiteral("😀").left(1));
}

void TestForm1::closeLeavesTheUsersTmpFileAlone()
{
    // A page of the user's that happens to be named like an old preview file
    // was once deleted by every close: it must survive one.
    FrameFixture f;
    Form1 *doc = f.active();
    doc->htfn = f.dir.path() + QLatin1Char('/');
    const QString users = f.writeFile(QStringLiteral("tmp_.html"), "my page");
    f.type(QStringLiteral("x"));
    f.seam.buttons << QMessageBox::Cancel;
    QVERIFY(!f.frame->subWindowOf(doc)->close());
    QCOMPARE(FrameFixture::readFile(users), QByteArray("my page"));
    QCOMPARE(f.frame->documents().size(), 1);
}

void TestForm1::squeezedWindowKeepsItsEditSize()
{
    FrameFixture f;
    Form1 *doc = f.active();
    QMdiSubWindow *sub = f.frame->subWindowOf(doc);
    sub->resize(500, 300);
    FrameFixture::settle();
    const QSize before = doc->richTextBox1()->size();
    QVERIFY(before.height() > 100);
    sub->resize(500, Twips::toPixels(960, doc) - 2);
    FrameFixture::settle();
    QCOMPARE(doc->richTextBox1()->size(), before);
    sub->resize(600, 400);
    FrameFixture::settle();
    QVERIFY(doc->richTextBox1()->height() > before.height());
    QCOMPARE(doc->richTextBox1()->width(), doc->width());
}

void TestForm1::fileDroppedOnTheSourceOpensIt()
{
    FrameFixture f;
    RichTextBox1 *source = f.active()->richTextBox1();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(f.writeFile(QStringLiteral("d.js"), "var a;")),
                  QUrl::fromLocalFile(f.writeFile(QStringLiteral("e.js"), "var b;"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(source->viewport(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(source->viewport(), &drop);
    FrameFixture::settle();
    QCOMPARE(f.frame->documents().size(), 2);
    QCOMPARE(f.active()->richTextBox1()->Text(), QStringLiteral("var a;"));
    QVERIFY(f.active()->windowTitle().endsWith(QStringLiteral("d.js  (Hyper Text)")));
    QVERIFY(f.seam.messages.isEmpty());
}

void TestForm1::printWritesTheDocumentToThePrinter()
{
    FrameFixture f;
    f.active()->richTextBox1()->setSelText(QStringLiteral("<p>印刷</p>"));
    f.seam.printFile = f.path(QStringLiteral("out.pdf"));
    QTest::keyClick(f.active()->richTextBox1(), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(QFileInfo(f.seam.printFile).size() > 0);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
