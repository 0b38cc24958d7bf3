#include "framefixture.h"

#include "frame/advicebar.h"
#include "frame/folderview.h"
#include "frame/standardtoolbar.h"
#include "frame/tabbar.h"
#include "frame/tabbutton.h"
#include "document/tvofuncs.h"
#include "shared/formregistry.h"
#include "shared/twips.h"

#include <QAction>
#include <QDialog>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>

class TestMDIForm1 : public QObject
{
    Q_OBJECT

private slots:
    void startsWithOneUntitledDocument();
    void commandLineInQuotesOpensTheFile();
    void styleSheetOnCommandLineIsHyperText();
    void launcherWordsOpenWindows_data();
    void launcherWordsOpenWindows();
    void unreadableFileLeavesNoWindow();
    void openDialogChoosesKindFromName_data();
    void openDialogChoosesKindFromName();
    void cancelledOpenDialogChangesNothing();
    void closedNumbersAreReused();
    void tabsNameDocumentsAndShiftLeftOnClose();
    void onlyTheActiveTabIsMarked();
    void longNamesAreCutShortOnTheirTabs_data();
    void longNamesAreCutShortOnTheirTabs();
    void everyDocumentGetsATabBeyondTen();
    void closeAllStopsAtCancel();
    void exitAfterCancelledCloseAllDoesNothingMore();
    void closingTheFrameAsksEachDocument();
    void closeSequencesAskOncePerWindow_data();
    void closeSequencesAskOncePerWindow();
    void unreadableCommandLineFileEndsWithAnUntitledDocument_data();
    void unreadableCommandLineFileEndsWithAnUntitledDocument();
    void lastCloseLeavesOnlyNewAndOpen();
    void toggleEditCommandsFollowsTheOpenButton();
    void droppedFilesOpenOnlyTheFirst();
    void windowMenuListsTheDocuments_data();
    void windowMenuListsTheDocuments();
    void arrangementsKeepEveryWindowInside_data();
    void arrangementsKeepEveryWindowInside();
    void helpOpensTheContents();
    void aboutShowsNameAndVersion();
    void everyWindowShowsTheProgramIcon();
    void adviceBarCloseButtonAndMenuTurnIndependently();
    void folderViewFollowsTheActiveDocument();
    void fileListFitsTheFrame_data();
    void fileListFitsTheFrame();
};

void TestMDIForm1::startsWithOneUntitledDocument()
{
    FrameFixture f;
    const QList<Form1 *> docs = f.frame->documents();
    QCOMPARE(docs.size(), 1);
    QCOMPARE(docs.first()->windowTitle(), QStringLiteral("[1]名称未設定ファイル  (Hyper Text)"));
    QVERIFY(!docs.first()->TextEdit);
    QVERIFY(docs.first()->richTextBox1()->Text().isEmpty());
    QCOMPARE(f.frame->Fname, QString());
    QCOMPARE(f.frame->Toolbar2()->Command1(1)->text(), QStringLiteral("[1]未保存"));
    QCOMPARE(Module1::ActiveKey, QStringLiteral("[1]"));
    QVERIFY(Module1::EditEnabled);
    QCOMPARE(QApplication::focusWidget(), docs.first()->richTextBox1());
    // The document's menus replace the frame's own.
    QCOMPARE(f.frame->menuBar()->actions().first()->menu(), docs.first()->menus().first());
}

void TestMDIForm1::commandLineInQuotesOpensTheFile()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("my web"));
    const QString path = dir.path() + QStringLiteral("/my web/a b.htm");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<p>x</p>");
    file.close();

    FrameFixture f(QLatin1Char('"') + path + QLatin1Char('"'));
    Form1 *doc = f.active();
    QVERIFY(doc);
    QCOMPARE(doc->windowTitle(), QStringLiteral("[1]") + path + QStringLiteral("  (Hyper Text)"));
    QCOMPARE(doc->FPath, path);
    QCOMPARE(doc->richTextBox1()->Text(), QStringLiteral("<p>x</p>"));
    QVERIFY(!doc->TextEdit);
    QCOMPARE(f.frame->Toolbar3()->dirPath(), dir.path() + QStringLiteral("/my web/"));
    QCOMPARE(f.frame->WorkDir, dir.path() + QStringLiteral("/my web/"));
}

void TestMDIForm1::styleSheetOnCommandLineIsHyperText()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("site.css"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("p { color: red }");
    file.close();
    FrameFixture f(path);
    QVERIFY(f.active()->windowTitle().endsWith(QStringLiteral("  (Hyper Text)")));
}

void TestMDIForm1::launcherWordsOpenWindows_data()
{
    QTest::addColumn<QStringList>("words");  // "@" stands for a temporary folder
    QTest::addColumn<QStringList>("opened"); // the documents' files, in window order
    QTest::addColumn<int>("messages");
    QTest::newRow("unquoted name with a blank: one window")
        << QStringList{"@/a", "b.html"} << QStringList{"a b.html"} << 0;
    QTest::newRow("two files from a file manager: two windows")
        << QStringList{"@/one.html", "@/two.css"} << QStringList{"one.html", "two.css"} << 0;
    QTest::newRow("three files, in the order given")
        << QStringList{"@/two.css", "@/a b.html", "@/one.html"} << QStringList{"two.css", "a b.html", "one.html"} << 0;
    QTest::newRow("one missing: one message, an untitled page")
        << QStringList{"@/one.html", "@/nai.html"} << QStringList{""} << 1;
}

void TestMDIForm1::launcherWordsOpenWindows()
{
    QFETCH(QStringList, words);
    QFETCH(QStringList, opened);
    QFETCH(int, messages);
    QTemporaryDir dir;
    for (const char *name : {"a b.html", "one.html", "two.css"}) {
        QFile file(dir.filePath(QString::fromUtf8(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(name);
    }
    for (QString &word : words)
        word.replace(QLatin1Char('@'), dir.path());

    FrameFixture f(words);
    QCOMPARE(f.seam.messages.size(), messages);
    const QList<Form1 *> docs = f.frame->documents();
    QStringList files;
    for (Form1 *doc : docs) {
        files << (doc->FPath.isEmpty() ? QString() : QFileInfo(doc->FPath).fileName());
        if (!doc->FPath.isEmpty())
            QCOMPARE(doc->richTextBox1()->Text(), QFileInfo(doc->FPath).fileName());
    }
    QCOMPARE(files, opened);
    // Each window has its own number and tab; the last opened is in front.
    for (int i = 0; i < docs.size(); ++i)
        QVERIFY(docs.at(i)->windowTitle().startsWith(QStringLiteral("[%1]").arg(i + 1)));
    QCOMPARE(f.active(), docs.last());
}

void TestMDIForm1::unreadableFileLeavesNoWindow()
{
    FrameFixture f;
    f.frame->DragFileOpen(f.path(QStringLiteral("missing.html")));
    FrameFixture::settle();
    QCOMPARE(f.frame->documents().size(), 1);
    QCOMPARE(f.seam.messages.size(), 1);
    QCOMPARE(f.seam.messages.first().title, QStringLiteral("注意"));
    QVERIFY(f.seam.messages.first().text.contains(QStringLiteral("missing.html")));
    QVERIFY(f.frame->Toolbar2()->Command1(2)->isHidden());
}

void TestMDIForm1::openDialogChoosesKindFromName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::newRow("css") << QStringLiteral("site.css") << QStringLiteral("Cascade Style Sheet");
    QTest::newRow("upper-case CSS") << QStringLiteral("STYLE.CSS") << QStringLiteral("JavaScript");
    QTest::newRow("html") << QStringLiteral("page.html") << QStringLiteral("Hyper Text");
    QTest::newRow("txt") << QStringLiteral("notes.txt") << QStringLiteral("JavaScript");
}

void TestMDIForm1::openDialogChoosesKindFromName()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    FrameFixture f;
    const QString path = f.writeFile(name, "x");
    f.seam.openNames << path;
    QTest::mouseClick(f.frame->Toolbar1()->widgetForAction(f.frame->Toolbar1()->button(5)), Qt::LeftButton);
    FrameFixture::settle();
    QCOMPARE(f.seam.openRequests.size(), 1);
    QCOMPARE(f.seam.openRequests.first().title, QStringLiteral("Webファイルを開く"));
    QCOMPARE(f.seam.openRequests.first().filter,
             QStringLiteral("HTMLファイル(*.html;*.htm)|*.html;*.htm|スタイルシートファイル(*.css)|*.css|JavaScriptファイル(*.js)|*.js"));
    QCOMPARE(f.active()->windowTitle(), QStringLiteral("[2]") + path + QStringLiteral("  (") + kind + QLatin1Char(')'));
    QCOMPARE(f.frame->Toolbar3()->dirPath(), f.dir.path() + QLatin1Char('/'));
}

void TestMDIForm1::cancelledOpenDialogChangesNothing()
{
    FrameFixture f;
    f.frame->findChild<QAction *>(QStringLiteral("IDM_FILEOPEN"));
    f.active()->runByName(QStringLiteral("IDM_FILEOPEN"));
    FrameFixture::settle();
    QCOMPARE(f.seam.openRequests.size(), 1);
    QCOMPARE(f.frame->documents().size(), 1);
    QCOMPARE(f.frame->Fname, QString());
}

void TestMDIForm1::closedNumbersAreReused()
{
    FrameFixture f;
    f.frame->IDM_NEWHTML();
    f.frame->IDM_NEWCSS();
    FrameFixture::settle();
    QCOMPARE(f.frame->documents().size(), 3);
    f.frame->documents().at(1)->IDM_FILECLOSE();
    FrameFixture::settle();
    f.frame->IDM_NEWJS();
    FrameFixture::settle();
    QCOMPARE(f.active()->windowTitle(), QStringLiteral("[2]名称未設定ファイル  (JavaScript)"));
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    QCOMPARE(f.active()->windowTitle().left(3), QStringLiteral("[4]"));
}

void TestMDIForm1::tabsNameDocumentsAndShiftLeftOnClose()
{
    FrameFixture f;
    const QString path = f.writeFile(QStringLiteral("index.htm"), "<p>");
    Form1 *untitled = f.active();
    f.openFile(path);
    TabBar *tabs = f.frame->Toolbar2();
    QCOMPARE(tabs->Command1(1)->text(), QStringLiteral("[1]未保存"));
    QCOMPARE(tabs->Command1(2)->text(), QStringLiteral("[2]index.htm "));
    QVERIFY(tabs->Command1(0)->isHidden());
    untitled->IDM_FILECLOSE();
    FrameFixture::settle();
    QCOMPARE(tabs->Command1(1)->text(), QStringLiteral("[2]index.htm "));
    QVERIFY(!tabs->Command1(1)->isHidden());
    QVERIFY(tabs->Command1(2)->isHidden());
    QVERIFY(f.seam.messages.isEmpty()); // nothing to save, nothing asked
}

void TestMDIForm1::longNamesAreCutShortOnTheirTabs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("cut");
    QTest::newRow("short name: whole, no tip") << "a.htm" << false;
    QTest::newRow("long name: cut with an ellipsis, whole in the tip") << "a-very-long-page-name-for-the-shop.html" << true;
    QTest::newRow("long Japanese name") << "とても長い名前のお知らせページ.html" << true;
}

void TestMDIForm1::longNamesAreCutShortOnTheirTabs()
{
    QFETCH(QString, name);
    QFETCH(bool, cut);
    FrameFixture f;
    f.openFile(f.writeFile(name, "<p>"));
    f.frame->IDM_NEWHTML(); // the named tab is not the active one...
    FrameFixture::settle();
    auto *named = qobject_cast<TabButton *>(f.frame->Toolbar2()->Command1(2));
    auto *active = qobject_cast<TabButton *>(f.frame->Toolbar2()->Command1(3));
    QVERIFY(named && active);
    // ...nor does a cut name change the text the window's key is read from.
    QCOMPARE(named->text(), QStringLiteral("[2]") + name + QLatin1Char(' '));
    const QString shown = named->shownText();
    QCOMPARE(shown.endsWith(QChar(0x2026)), cut);
    QCOMPARE(shown == named->text(), !cut);
    QVERIFY2(named->fontMetrics().horizontalAdvance(shown) < named->width(), qPrintable(shown));
    QHelpEvent ask(QEvent::ToolTip, named->rect().center(), named->mapToGlobal(named->rect().center()));
    QApplication::sendEvent(named, &ask);
    QCOMPARE(named->toolTip(), cut ? named->text() : QString());
    // The cut tab still brings its document forward.
    QTest::mouseClick(named, Qt::LeftButton);
    FrameFixture::settle();
    QCOMPARE(f.active()->FPath, f.path(name));
}

void TestMDIForm1::onlyTheActiveTabIsMarked()
{
    FrameFixture f;
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    TabBar *tabs = f.frame->Toolbar2();
    QVERIFY(!tabs->Command1(2)->isEnabled());
    QVERIFY(tabs->Command1(2)->styleSheet().contains(QStringLiteral("160, 230, 180")));
    QVERIFY(tabs->Command1(1)->isEnabled());
    QVERIFY(tabs->Command1(1)->styleSheet().isEmpty());
    // Disabled, but its name is drawn as dark as any button's text.
    const QImage active = tabs->Command1(2)->grab().toImage();
    const int textLightness = tabs->palette().color(QPalette::Active, QPalette::ButtonText).lightness();
    int darkest = 255;
    for (int y = 4; y < active.height() - 4; ++y)
        for (int x = 4; x < active.width() - 4; ++x)
            darkest = qMin(darkest, QColor(active.pixel(x, y)).lightness());
    QVERIFY2(darkest <= textLightness + 40, qPrintable(QString::number(darkest)));

    QTest::mouseClick(tabs->Command1(1), Qt::LeftButton);
    FrameFixture::settle();
    QCOMPARE(Module1::ActiveKey, QStringLiteral("[1]"));
    QVERIFY(!tabs->Command1(1)->isEnabled());
    QVERIFY(tabs->Command1(2)->isEnabled());
    QCOMPARE(f.frame->mdiArea()->activeSubWindow()->widget()->windowTitle().left(3), QStringLiteral("[1]"));
}

void TestMDIForm1::everyDocumentGetsATabBeyondTen()
{
    FrameFixture f;
    for (int i = 0; i < 11; ++i)
        f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    TabBar *tabs = f.frame->Toolbar2();
    for (int i = 1; i <= 12; ++i) {
        QVERIFY2(!tabs->Command1(i)->isHidden(), qPrintable(QString::number(i)));
        QCOMPARE(tabs->Command1(i)->text(), QStringLiteral("[%1]未保存").arg(i));
    }
    QTest::mouseClick(tabs->Command1(3), Qt::LeftButton);
    FrameFixture::settle();
    QCOMPARE(Module1::ActiveKey, QStringLiteral("[3]"));
}

void TestMDIForm1::closeAllStopsAtCancel()
{
    FrameFixture f;
    f.frame->IDM_NEWHTML();
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    const QList<Form1 *> docs = f.frame->documents();
    const QString saved = f.path(QStringLiteral("first.html"));
    for (Form1 *doc : docs) {
        doc->richTextBox1()->setSelText(QStringLiteral("<p>"));
        QVERIFY(doc->TextEdit);
    }
    f.seam.buttons << QMessageBox::Yes << QMessageBox::Cancel;
    f.seam.saveNames << saved;
    f.frame->IDM_ALLCLOSE();
    FrameFixture::settle();
    QCOMPARE(f.frame->Ext, -1);
    QCOMPARE(f.seam.messages.size(), 2);
    QCOMPARE(FrameFixture::readFile(saved), QByteArray("<p>"));
    const QList<Form1 *> left = f.frame->documents();
    QCOMPARE(left.size(), 2);
    QCOMPARE(left.at(0)->windowTitle().left(3), QStringLiteral("[2]"));
    QVERIFY(left.at(0)->TextEdit);
    QVERIFY(left.at(1)->TextEdit);
}

void TestMDIForm1::exitAfterCancelledCloseAllDoesNothingMore()
{
    FrameFixture f;
    f.type(QStringLiteral("abc"));
    f.seam.buttons << QMessageBox::Cancel;
    f.frame->IDM_EXIT();
    QCOMPARE(f.frame->Ext, 0);
    QVERIFY(f.frame->isVisible());
    QCOMPARE(f.frame->documents().size(), 1);
}

void TestMDIForm1::closingTheFrameAsksEachDocument()
{
    FrameFixture f;
    f.type(QStringLiteral("one"));
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    f.type(QStringLiteral("two"));
    f.seam.buttons << QMessageBox::No << QMessageBox::Cancel;
    QVERIFY(!f.frame->close());
    FrameFixture::settle();
    QCOMPARE(f.seam.messages.size(), 2); // one question each, never two
    QCOMPARE(f.frame->documents().size(), 1);
    QCOMPARE(f.frame->documents().first()->richTextBox1()->Text(), QStringLiteral("two"));

    f.seam.buttons << QMessageBox::No;
    QVERIFY(f.frame->close());
    QCOMPARE(f.seam.messages.size(), 3);
}

void TestMDIForm1::closeSequencesAskOncePerWindow_data()
{
    // Windows [1] [2] [3]: M modified, - unchanged, S modified and then its
    // close cancelled and the document saved, so it is unchanged again.
    QTest::addColumn<QString>("windows");
    QTest::addColumn<QString>("command");  // "close all", "Ctrl+Q", "exit menu", "frame close"
    QTest::addColumn<QString>("answers");  // Y (and the save dialog names a file), N, C
    QTest::addColumn<QString>("asked");    // keys of the windows asked, in order
    QTest::addColumn<QString>("left");     // keys of the windows still open
    QTest::addColumn<bool>("running");     // the frame still shown

    QTest::newRow("close all: yes, cancel: first saved, rest stay") << "MMM" << "close all" << "YC" << "[1][2]" << "[2][3]" << true;
    QTest::newRow("close all: no to each closes all") << "M-M" << "close all" << "NN" << "[1][3]" << "" << true;
    QTest::newRow("close all after a cancelled close: unchanged window closes unasked")
        << "S--" << "close all" << "" << "" << "" << true;
    QTest::newRow("close all after a cancelled close: the others closed too") << "-S-" << "close all" << "" << "" << "" << true;
    QTest::newRow("Ctrl+Q: cancel asks once and keeps all") << "M--" << "Ctrl+Q" << "C" << "[1]" << "[1][2][3]" << true;
    QTest::newRow("Ctrl+Q: second cancelled, first closed") << "MM-" << "Ctrl+Q" << "NC" << "[1][2]" << "[2][3]" << true;
    QTest::newRow("Ctrl+Q: no to each ends the program") << "MMM" << "Ctrl+Q" << "NNN" << "[1][2][3]" << "" << false;
    QTest::newRow("Ctrl+Q after a cancelled close: nothing asked") << "S-S" << "Ctrl+Q" << "" << "" << "" << false;
    QTest::newRow("Ctrl+Q: yes saves, then ends") << "-M-" << "Ctrl+Q" << "Y" << "[2]" << "" << false;
    QTest::newRow("exit menu after a cancelled close: cancel asks once") << "SM-" << "exit menu" << "C" << "[2]" << "[2][3]" << true;
    QTest::newRow("frame close: no, cancel") << "MM-" << "frame close" << "NC" << "[1][2]" << "[2][3]" << true;
    QTest::newRow("frame close after a cancelled close: nothing asked") << "S--" << "frame close" << "" << "" << "" << false;
}

void TestMDIForm1::closeSequencesAskOncePerWindow()
{
    QFETCH(QString, windows);
    QFETCH(QString, command);
    QFETCH(QString, answers);
    QFETCH(QString, asked);
    QFETCH(QString, left);
    QFETCH(bool, running);
    FrameFixture f;
    f.frame->IDM_NEWHTML();
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    const QList<Form1 *> docs = f.frame->documents();
    QCOMPARE(docs.size(), 3);
    for (int i = 0; i < 3; ++i) {
        if (windows.at(i) == QLatin1Char('-'))
            continue;
        f.frame->mdiArea()->setActiveSubWindow(f.frame->subWindowOf(docs.at(i)));
        FrameFixture::settle();
        f.type(QStringLiteral("<p>"));
        if (windows.at(i) == QLatin1Char('S')) {
            f.seam.buttons << QMessageBox::Cancel;
            docs.at(i)->IDM_FILECLOSE();
            QCOMPARE(docs.at(i)->xax, 1);
            f.seam.saveNames << f.path(QStringLiteral("saved%1.html").arg(i + 1));
            QTest::keyClick(docs.at(i)->richTextBox1(), Qt::Key_S, Qt::ControlModifier);
            QVERIFY(!docs.at(i)->TextEdit);
            f.seam.messages.clear();
        }
    }
    for (QChar answer : answers) {
        if (answer == QLatin1Char('Y')) {
            f.seam.buttons << QMessageBox::Yes;
            f.seam.saveNames << f.path(QStringLiteral("yes%1.html").arg(f.seam.saveNames.size()));
        } else {
            f.seam.buttons << (answer == QLatin1Char('N') ? QMessageBox::No : QMessageBox::Cancel);
        }
    }

    if (command == QLatin1String("close all"))
        f.frame->IDM_ALLCLOSE();
    else if (command == QLatin1String("Ctrl+Q"))
        QTest::keyClick(f.active()->richTextBox1(), Qt::Key_Q, Qt::ControlModifier);
    else if (command == QLatin1String("exit menu"))
        f.active()->menuItem(QStringLiteral("IDM_EXIT"))->trigger();
    else
        f.frame->close();
    FrameFixture::settle();

    QString askedKeys;
    for (const TestSeam::Message &message : f.seam.messages) {
        QCOMPARE(message.title, QStringLiteral("確認"));
        askedKeys += message.text.mid(1, 3);
    }
    QCOMPARE(askedKeys, asked);
    QString leftKeys;
    for (Form1 *doc : f.frame->documents())
        leftKeys += doc->windowTitle().left(3);
    QCOMPARE(leftKeys, left);
    QCOMPARE(f.frame->isVisible(), running);
    QCOMPARE(f.frame->Ext, command == QLatin1String("close all") && answers.endsWith(QLatin1Char('C')) ? -1 : 0);
}

void TestMDIForm1::unreadableCommandLineFileEndsWithAnUntitledDocument_data()
{
    QTest::addColumn<QString>("given"); // relative to a temporary folder
    QTest::newRow("missing file") << QStringLiteral("missing.html");
    QTest::newRow("missing file in quotes") << QStringLiteral("\"no such.htm\"");
    QTest::newRow("a folder") << QStringLiteral("folder");
}

void TestMDIForm1::unreadableCommandLineFileEndsWithAnUntitledDocument()
{
    QFETCH(QString, given);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    const bool quoted = given.startsWith(QLatin1Char('"'));
    const QString name = quoted ? given.mid(1, given.size() - 2) : given;
    const QString commandLine = quoted ? QLatin1Char('"') + dir.filePath(name) + QLatin1Char('"') : dir.filePath(name);
    FrameFixture f(commandLine);
    QCOMPARE(f.seam.messages.size(), 1);
    QCOMPARE(f.seam.messages.first().title, QStringLiteral("注意"));
    QVERIFY(f.seam.messages.first().text.contains(name));
    const QList<Form1 *> docs = f.frame->documents();
    QCOMPARE(docs.size(), 1);
    QCOMPARE(docs.first()->windowTitle(), QStringLiteral("[1]名称未設定ファイル  (Hyper Text)"));
    QVERIFY(docs.first()->FPath.isEmpty());
    QVERIFY(!docs.first()->TextEdit);
    QCOMPARE(f.active(), docs.first());
    QCOMPARE(f.frame->Toolbar2()->Command1(1)->text(), QStringLiteral("[1]未保存"));
    for (int i : {6, 7, 10, 11})
        QVERIFY2(f.frame->Toolbar1()->button(i)->isEnabled(), qPrintable(QString::number(i)));
    QCOMPARE(f.frame->menuBar()->actions().first()->menu(), docs.first()->menus().first());
}

void TestMDIForm1::lastCloseLeavesOnlyNewAndOpen()
{
    FrameFixture f;
    f.active()->IDM_FILECLOSE();
    FrameFixture::settle();
    StandardToolbar *bar = f.frame->Toolbar1();
    for (int i : {1, 2, 3, 5})
        QVERIFY2(bar->button(i)->isEnabled(), qPrintable(QString::number(i)));
    for (int i : {6, 7, 8, 10, 11})
        QVERIFY2(!bar->button(i)->isEnabled(), qPrintable(QString::number(i)));
    QVERIFY(Module1::EditEnabled);
    QCOMPARE(f.frame->menuBar()->actions().first()->objectName(), QStringLiteral("IDM_FILE"));
    QCOMPARE(f.frame->menuBar()->actions().first()->menu(), f.frame->menuItem(QStringLiteral("IDM_FILE"))->menu());

    // The open button and new documents still work.
    QTest::mouseClick(bar->widgetForAction(bar->button(1)), Qt::LeftButton);
    FrameFixture::settle();
    QCOMPARE(f.frame->documents().size(), 1);
    QVERIFY(bar->button(6)->isEnabled());
}

void TestMDIForm1::toggleEditCommandsFollowsTheOpenButton()
{
    FrameFixture f;
    Form1 *doc = f.active();
    tvoFuncs::ToggleEditCommands();
    QVERIFY(!Module1::EditEnabled);
    QVERIFY(!f.frame->Toolbar1()->button(5)->isEnabled());
    QVERIFY(f.frame->Toolbar1()->button(1)->isEnabled());
    QVERIFY(!doc->menuItem(QStringLiteral("IDM_SAVE"))->isEnabled());
    QVERIFY(!doc->menuItem(QStringLiteral("IDM_HELP"))->isEnabled());
    QVERIFY(doc->menuItem(QStringLiteral("IDM_NEWHTML"))->isEnabled());
    QVERIFY(doc->menuItem(QStringLiteral("IDM_EXIT"))->isEnabled());
    tvoFuncs::ToggleEditCommands();
    QVERIFY(Module1::EditEnabled);
    QVERIFY(doc->menuItem(QStringLiteral("IDM_SAVE"))->isEnabled());
}

void TestMDIForm1::droppedFilesOpenOnlyTheFirst()
{
    FrameFixture f;
    QList<QUrl> urls;
    for (const char *name : {"a.css", "b.html", "c.js"})
        urls << QUrl::fromLocalFile(f.writeFile(QString::fromLatin1(name), "x"));
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.frame.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.frame.get(), &drop);
    FrameFixture::settle();
    QCOMPARE(f.frame->documents().size(), 2);
    QCOMPARE(f.active()->windowTitle(), QStringLiteral("[2]") + f.path(QStringLiteral("a.css")) + QStringLiteral("  (Hyper Text)"));
}

void TestMDIForm1::windowMenuListsTheDocuments_data()
{
    QTest::addColumn<QStringList>("opened"); // New documents after the first: H, C or J
    QTest::addColumn<int>("closeFirst");     // number of the window closed before the menu opens; 0: none
    QTest::addColumn<QStringList>("items");
    QTest::newRow("one window is item 1") << QStringList() << 0
                                          << QStringList{"&1 [1]名称未設定ファイル  (Hyper Text)"};
    QTest::newRow("two windows, the second a style sheet")
        << QStringList{"C"} << 0
        << QStringList{"&1 [1]名称未設定ファイル  (Hyper Text)", "&2 [2]名称未設定ファイル  (Cascade Style Sheet)"};
    QTest::newRow("first closed: the list numbers from 1 again")
        << QStringList{"J", "H"} << 1
        << QStringList{"&1 [2]名称未設定ファイル  (JavaScript)", "&2 [3]名称未設定ファイル  (Hyper Text)"};
}

void TestMDIForm1::windowMenuListsTheDocuments()
{
    QFETCH(QStringList, opened);
    QFETCH(int, closeFirst);
    QFETCH(QStringList, items);
    FrameFixture f;
    for (const QString &kind : opened) {
        if (kind == QLatin1String("C"))
            f.frame->IDM_NEWCSS();
        else if (kind == QLatin1String("J"))
            f.frame->IDM_NEWJS();
        else
            f.frame->IDM_NEWHTML();
    }
    FrameFixture::settle();
    if (closeFirst > 0) {
        f.frame->documents().at(closeFirst - 1)->IDM_FILECLOSE();
        FrameFixture::settle();
    }
    QMenu *menu = f.active()->menuItem(QStringLiteral("IDM_WINDOW"))->menu();
    QMetaObject::invokeMethod(menu, "aboutToShow");
    QStringList listed;
    QAction *first = nullptr;
    for (QAction *action : menu->actions())
        if (action->objectName() == QLatin1String("WindowListItem")) {
            listed << action->text();
            if (!first)
                first = action;
        }
    QCOMPARE(listed, items);
    first->trigger();
    FrameFixture::settle();
    QCOMPARE(Module1::ActiveKey, items.first().mid(3, 3));
}

void TestMDIForm1::arrangementsKeepEveryWindowInside_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("one above the other") << QStringLiteral("IDM_HORI");
    QTest::newRow("side by side") << QStringLiteral("IDM_VERT");
    QTest::newRow("cascade") << QStringLiteral("IDM_CASCADE");
}

void TestMDIForm1::arrangementsKeepEveryWindowInside()
{
    QFETCH(QString, command);
    FrameFixture f;
    f.frame->IDM_NEWHTML();
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    f.active()->runByName(command);
    FrameFixture::settle();
    const QRect area = f.frame->mdiArea()->viewport()->rect();
    QSet<int> tops;
    QSet<int> lefts;
    for (QMdiSubWindow *sub : f.frame->mdiArea()->subWindowList()) {
        QVERIFY(area.contains(sub->geometry()));
        tops.insert(sub->y());
        lefts.insert(sub->x());
    }
    if (command == QLatin1String("IDM_HORI"))
        QCOMPARE(tops.size(), 3);
    if (command == QLatin1String("IDM_VERT"))
        QCOMPARE(lefts.size(), 3);
}

void TestMDIForm1::helpOpensTheContents()
{
    FrameFixture f;
    f.active()->runByName(QStringLiteral("IDM_HELP_MAIN"));
    if (!f.seam.messages.isEmpty())
        QSKIP("the help file is not beside the test program");
    QVERIFY(f.frame->helpWindow());
    QVERIFY(f.frame->helpWindow()->isVisible());
    QVERIFY(f.frame->helpWindow()->browser()->toPlainText().contains(QStringLiteral("目次")));
    // The guide's pictures are shown whole, without a sideways scroll.
    FrameFixture::settle();
    QCOMPARE(f.frame->helpWindow()->browser()->horizontalScrollBar()->maximum(), 0);
    // A help window takes no tab and no window number.
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    QCOMPARE(f.active()->windowTitle().left(3), QStringLiteral("[2]"));
}

void TestMDIForm1::aboutShowsNameAndVersion()
{
    FrameFixture f;
    f.active()->runByName(QStringLiteral("IDM_ABOUT"));
    auto *about = f.frame->findChild<QDialog *>(QStringLiteral("frmAbout"));
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QVERIFY(about->isModal());
    QVERIFY(about->findChild<QLabel *>(QStringLiteral("lblVersion"))->text().contains(QStringLiteral(TOVALO_VERSION)));
    about->accept();
}

void TestMDIForm1::everyWindowShowsTheProgramIcon()
{
    FrameFixture f;
    const QImage program = QApplication::windowIcon().pixmap(32).toImage();
    QVERIFY(!program.isNull());
    f.active()->runByName(QStringLiteral("IDM_ABOUT"));
    auto *about = f.frame->findChild<QDialog *>(QStringLiteral("frmAbout"));
    QVERIFY(about);
    const QList<QWidget *> windows{static_cast<QWidget *>(f.frame.get()), f.active()->parentWidget(), about};
    for (QWidget *window : windows)
        QCOMPARE(window->windowIcon().pixmap(32).toImage(), program);
    about->accept();
}

void TestMDIForm1::adviceBarCloseButtonAndMenuTurnIndependently()
{
    FrameFixture f;
    Form1 *first = f.active();
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    Form1 *second = f.active();
    AdviceBar *bar = f.frame->Toolbar4();
    QTest::mouseClick(bar->Command6(), Qt::LeftButton);
    QVERIFY(bar->isHidden());
    QVERIFY(!second->menuItem(QStringLiteral("IDM_VIEW_TAGTOOL"))->isChecked());
    // The other window's mark was never removed: choosing it shows the bar
    // and turns its mark off.
    first->menuItem(QStringLiteral("IDM_VIEW_TAGTOOL"))->trigger();
    QVERIFY(!bar->isHidden());
    QVERIFY(!first->menuItem(QStringLiteral("IDM_VIEW_TAGTOOL"))->isChecked());
}

void TestMDIForm1::folderViewFollowsTheActiveDocument()
{
    FrameFixture f;
    QDir(f.dir.path()).mkdir(QStringLiteral("other"));
    const QString a = f.writeFile(QStringLiteral("a.html"), "a");
    const QString b = f.writeFile(QStringLiteral("other/b.html"), "b");
    Form1 *docA = f.openFile(a);
    f.openFile(b);
    QCOMPARE(f.frame->WorkDir, f.dir.path() + QStringLiteral("/other/"));
    f.frame->mdiArea()->setActiveSubWindow(f.frame->subWindowOf(docA));
    FrameFixture::settle();
    QCOMPARE(f.frame->WorkDir, f.dir.path() + QLatin1Char('/'));
    QCOMPARE(f.frame->Toolbar3()->dirPath(), f.dir.path() + QLatin1Char('/'));
    // An untitled window leaves the view where it is.
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    QCOMPARE(f.frame->Toolbar3()->dirPath(), f.dir.path() + QLatin1Char('/'));

    // Closing the panel removes the active window's check mark.
    QTest::mouseClick(f.frame->Toolbar3()->Command2(1), Qt::LeftButton);
    QVERIFY(f.frame->Toolbar3()->isHidden());
    QVERIFY(!f.active()->menuItem(QStringLiteral("IDM_VIEW_PROJECT"))->isChecked());
    QCOMPARE(f.frame->WorkDir, f.dir.path() + QLatin1Char('/'));
}

void TestMDIForm1::fileListFitsTheFrame_data()
{
    QTest::addColumn<int>("height"); // the frame's, in pixels
    QTest::newRow("as it starts") << 720;
    QTest::newRow("tall frame") << 1100;
    QTest::newRow("short frame") << 560;
}

void TestMDIForm1::fileListFitsTheFrame()
{
    QFETCH(int, height);
    FrameFixture f;
    f.frame->resize(1024, height);
    for (int i = 0; i < 5; ++i)
        FrameFixture::settle();
    // The list once grew the frame with every resize, past the screen and
    // on without end; the frame keeps the height it was given.
    QCOMPARE(f.frame->height(), height);
    const QListWidget *list = f.frame->Toolbar3()->File1();
    const QRect inFrame(list->mapTo(f.frame.get(), QPoint(0, 0)), list->size());
    const QRect inPanel(list->mapTo(f.frame->Toolbar3(), QPoint(0, 0)), list->size());
    QVERIFY2(f.frame->Toolbar3()->rect().contains(inPanel), qPrintable(QStringLiteral("%1 in %2").arg(inPanel.bottom()).arg(f.frame->Toolbar3()->height())));
    QVERIFY(inFrame.bottom() < f.frame->Toolbar4()->mapTo(f.frame.get(), QPoint(0, 0)).y());
    // A tall frame gives the list the room; it is not left at its first height.
    if (height >= 1000)
        QVERIFY2(list->height() > 2 * Twips::toPixels(4410, list), qPrintable(QString::number(list->height())));
}

QTEST_MAIN(TestMDIForm1)
#include "tst_mdiform1.moc"
