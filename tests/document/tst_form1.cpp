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
#include <QLayout>
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
    void saveAsDialogStartsWithTheLastChosenName_data();
    void saveAsDialogStartsWithTheLastChosenName();
    void saveWritesTheFileOwnEncodingAndBreaks();
    void breakLikeCharactersSurviveOpenEditSave_data();
    void breakLikeCharactersSurviveOpenEditSave();
    void failedSaveChangesNothing_data();
    void failedSaveChangesNothing();
    void yesWithFailedSaveKeepsTheWindowOpen();
    void unencodableCharacterStopsTheSave_data();
    void unencodableCharacterStopsTheSave();
    void closeLeavesTheUsersTmpFileAlone();
    void squeezedWindowKeepsItsEditSize();
    void narrowWindowShowsEveryOptionWhole_data();
    void narrowWindowShowsEveryOptionWhole();
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

void TestForm1::saveAsDialogStartsWithTheLastChosenName_data()
{
    // "sub/page.html": an opened file in the sub folder; "": untitled.
    QTest::addColumn<QString>("document");
    QTest::addColumn<QStringList>("chosen");  // the answer of each save-as dialog in turn; "" cancels
    QTest::addColumn<QStringList>("offered"); // where each dialog starts; "/" ends a folder with no name in it
    QTest::newRow("opened file: its folder, no name")
        << "sub/page.html" << QStringList{""} << QStringList{"sub/"};
    QTest::newRow("opened file: then the name chosen last")
        << "sub/page.html" << QStringList{"a.html", "b.html", ""} << QStringList{"sub/", "a.html", "b.html"};
    QTest::newRow("untitled: the working folder, no name") << "" << QStringList{""} << QStringList{"sub/"};
    QTest::newRow("cancelled dialog chooses nothing")
        << "sub/page.html" << QStringList{"", "c.html", ""} << QStringList{"sub/", "sub/", "c.html"};
}

void TestForm1::saveAsDialogStartsWithTheLastChosenName()
{
    QFETCH(QString, document);
    QFETCH(QStringList, chosen);
    QFETCH(QStringList, offered);
    FrameFixture f;
    QDir(f.dir.path()).mkdir(QStringLiteral("sub"));
    const QString other = f.writeFile(QStringLiteral("sub/other.html"), "x");
    Form1 *doc = f.active();
    if (document.isEmpty())
        f.frame->moveFolderView(other); // the working folder view shows sub/
    else
        doc = f.openFile(f.writeFile(document, "<p>"));
    for (const QString &name : chosen) {
        f.seam.saveNames << (name.isEmpty() ? QString() : f.path(name));
        doc->IDM_SAVEAS();
    }
    QStringList starts;
    for (const TestSeam::FileRequest &request : f.seam.saveRequests)
        starts << request.startPath;
    for (QString &path : offered)
        path = f.path(path.chopped(path.endsWith(QLatin1Char('/')) ? 1 : 0)) + (path.endsWith(QLatin1Char('/')) ? "/" : "");
    QCOMPARE(starts, offered);

    // Another window remembers its own choice, not this one's.
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    f.active()->IDM_SAVEAS();
    QVERIFY(!QFileInfo(f.seam.saveRequests.last().startPath).isFile());
    QVERIFY(f.seam.saveRequests.last().startPath.endsWith(QLatin1Char('/')));
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

void TestForm1::breakLikeCharactersSurviveOpenEditSave_data()
{
    // U+2029, U+FDD0 and U+FDD1 are ordinary characters of a file, not line breaks.
    QTest::addColumn<QByteArray>("file"); // UTF-8
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("typed");   // keys typed at the caret
    QTest::addColumn<QString>("pasted");  // then written at the caret through SelText
    QTest::addColumn<QByteArray>("saved");
    const QByteArray ps = "\xe2\x80\xa9";
    const QByteArray fdd0 = "\xef\xb7\x90";
    const QByteArray fdd1 = "\xef\xb7\x91";
    const QByteArray pua = "\xef\xa3\xb0"; // U+F8F0, a private-use character
    QTest::newRow("a|b unedited") << "a" + ps + "b\r\n" << 0 << "" << "" << "a" + ps + "b\r\n";
    QTest::newRow("x typed before |") << "a" + ps + "b" << 1 << "x" << "" << "ax" + ps + "b";
    QTest::newRow("y typed after |") << "a" + ps + "b" << 2 << "y" << "" << "a" + ps + "yb";
    QTest::newRow("<p>FDD0</p>FDD1 unedited") << "<p>" + fdd0 + "</p>" + fdd1 << 0 << "" << "" << "<p>" + fdd0 + "</p>" + fdd1;
    QTest::newRow("| and FDD0 pasted between a and b") << QByteArray("a\xc3\xa9" "b") << 1 << "" << QString(QChar(0x2029)) + QChar(0xFDD0)
                                                     << "a" + ps + fdd0 + "\xc3\xa9" "b";
    QTest::newRow("private-use character beside | stays itself") << pua + ps + pua << 1 << "z" << "" << pua + "z" + ps + pua;
    QTest::newRow("| on the second line, line breaks kept") << "a\r\n" + ps + "\r\nb" << 3 << "" << "" << "a\r\n" + ps + "\r\nb";
}

void TestForm1::breakLikeCharactersSurviveOpenEditSave()
{
    QFETCH(QByteArray, file);
    QFETCH(int, caret);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QByteArray, saved);
    FrameFixture f;
    const QString path = f.writeFile(QStringLiteral("p.html"), file);
    Form1 *doc = f.openFile(path);
    RichTextBox1 *box = doc->richTextBox1();
    QCOMPARE(box->Text(), QString::fromUtf8(file));
    QCOMPARE(box->document()->blockCount(), int(file.count("\n")) + 1);
    box->setSelStart(caret);
    QTest::keyClicks(box, typed);
    if (!pasted.isEmpty())
        box->setSelText(pasted);
    QCOMPARE(box->Text(), QString::fromUtf8(saved));
    doc->IDM_SAVE();
    QVERIFY(f.seam.messages.isEmpty());
    QCOMPARE(FrameFixture::readFile(path), saved);
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

void TestForm1::unencodableCharacterStopsTheSave_data()
{
    QTest::addColumn<QString>("typed");    // pasted at the start of the second line of "abc", "def"
    QTest::addColumn<QString>("selected"); // what the caret then selects, named whole in the message
    QTest::newRow("emoji: both halves selected") << QStringLiteral("😀") << QStringLiteral("😀");
    QTest::newRow("emoji after kana that fit") << QStringLiteral("かな😀x") << QStringLiteral("😀");
    QTest::newRow("hangul, one unit") << QStringLiteral("한") << QStringLiteral("한");
    QTest::newRow("two emoji: the first") << QStringLiteral("🎉😀") << QStringLiteral("🎉");
}

void TestForm1::unencodableCharacterStopsTheSave()
{
    QFETCH(QString, typed);
    QFETCH(QString, selected);
    FrameFixture f;
    const QString path = f.writeFile(QStringLiteral("s.html"), "abc\r\ndef");
    Form1 *doc = f.openFile(path);
    doc->richTextBox1()->setSelStart(5);
    doc->richTextBox1()->setSelText(typed);
    doc->IDM_SAVE();
    QCOMPARE(f.seam.messages.size(), 1);
    QVERIFY(f.seam.messages.first().text.contains(QStringLiteral("2行目")));
    QVERIFY(f.seam.messages.first().text.contains(QStringLiteral("「") + selected + QStringLiteral("」")));
    QCOMPARE(FrameFixture::readFile(path), QByteArray("abc\r\ndef"));
    QVERIFY(doc->TextEdit);
    QCOMPARE(doc->richTextBox1()->SelText(), selected);
    QCOMPARE(doc->richTextBox1()->SelStart(), 5 + typed.indexOf(selected));
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

void TestForm1::narrowWindowShowsEveryOptionWhole_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("oneRow");
    QTest::newRow("wide: one row") << 900 << true;
    QTest::newRow("a few pixels short: still one row") << 632 << true;
    QTest::newRow("tiled beside another") << 420 << false;
    QTest::newRow("a sliver") << 160 << false;
}

void TestForm1::narrowWindowShowsEveryOptionWhole()
{
    QFETCH(int, width);
    QFETCH(bool, oneRow);
    FrameFixture f;
    Form1 *doc = f.active();
    f.frame->subWindowOf(doc)->resize(width, 500);
    FrameFixture::settle();
    QWidget *strip = doc->findChild<QWidget *>(QStringLiteral("Toolbar1"));
    QVERIFY(strip);
    QList<QRect> places;
    for (const char *name : {"Option1", "Option2", "Check1", "Check2", "Check3", "Check4"}) {
        const auto *control = strip->findChild<QWidget *>(QLatin1String(name));
        QVERIFY(control && control->isVisible());
        const QRect place = control->geometry();
        // At most the blank after the caption is given up.
        QVERIFY2(place.width() >= control->sizeHint().width() - strip->layout()->spacing(), name);
        // Whole inside the strip, unless it is wider than the window itself.
        if (place.width() < doc->width())
            QVERIFY2(strip->rect().contains(place), name);
        for (const QRect &other : places)
            QVERIFY2(!other.intersects(place), name);
        QVERIFY2(doc->richTextBox1()->y() >= strip->y() + place.bottom(), name);
        places.append(place);
    }
    const bool sameRow = std::all_of(places.cbegin(), places.cend(),
                                     [&](const QRect &place) { return place.y() == places.first().y(); });
    QCOMPARE(sameRow, oneRow);
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
