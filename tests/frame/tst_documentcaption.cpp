#include "frame/documentcaption.h"
#include "frame/documentkind.h"

#include <QTest>

class TestDocumentCaption : public QObject
{
    Q_OBJECT

private slots:
    void captions();
    void chooseNumber_data();
    void chooseNumber();
    void tabText_data();
    void tabText();
    void kindFromOpenDialog_data();
    void kindFromOpenDialog();
    void kindFromFolderList_data();
    void kindFromFolderList();
};

void TestDocumentCaption::captions()
{
    QCOMPARE(DocumentCaption::forFile(2, QStringLiteral("/web/index.htm"), DocumentKind::hyperText()),
             QStringLiteral("[2]/web/index.htm  (Hyper Text)"));
    QCOMPARE(DocumentCaption::forUntitled(1, DocumentKind::hyperText()),
             QStringLiteral("[1]名称未設定ファイル  (Hyper Text)"));
    QCOMPARE(DocumentCaption::key(QStringLiteral("[12]/a.htm  (JavaScript)")), QStringLiteral("[12"));
}

void TestDocumentCaption::chooseNumber_data()
{
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("number");
    const auto doc = [](int n) { return DocumentCaption::forUntitled(n, DocumentKind::hyperText()); };
    QTest::newRow("only the frame") << QStringList{QStringLiteral("Tovalo")} << 1;
    QTest::newRow("gap is reused") << QStringList{QStringLiteral("Tovalo"), doc(1), doc(3)} << 2;
    QTest::newRow("no gap") << QStringList{doc(1), doc(2), doc(3)} << 4;
    QTest::newRow("closing window has empty caption") << QStringList{doc(1), QString()} << 2;
    QTest::newRow("dialog without key") << QStringList{QStringLiteral("検索"), doc(1)} << 2;
    QStringList upTo99;
    for (int n = 1; n <= 99; ++n)
        upTo99 << doc(n);
    QTest::newRow("windows 1 to 98 open: 99") << upTo99.mid(0, 98) << 99;
    QTest::newRow("window 11 free among two-digit keys") << (QStringList(upTo99.mid(0, 10)) << doc(12)) << 11;
    // Every three-character key is taken: the first number not open in full.
    QTest::newRow("all keys taken") << upTo99 << 100;
    QTest::newRow("all keys taken and 100 open") << (QStringList(upTo99) << doc(100)) << 101;
}

void TestDocumentCaption::chooseNumber()
{
    QFETCH(QStringList, captions);
    QFETCH(int, number);
    QCOMPARE(DocumentCaption::chooseNumber(captions), number);
}

void TestDocumentCaption::tabText_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tab");
    QTest::newRow("file keeps one trailing blank") << QStringLiteral("[1]/web/index.htm  (Hyper Text)")
                                                   << QStringLiteral("[1]index.htm ");
    QTest::newRow("untitled") << QStringLiteral("[2]名称未設定ファイル  (Cascade Style Sheet)") << QStringLiteral("[2]未保存");
    QTest::newRow("two-digit key") << QStringLiteral("[12]/a/b.css  (Cascade Style Sheet)") << QStringLiteral("[12]b.css ");
    QTest::newRow("folder holding blank and parenthesis")
        << QStringLiteral("[3]/home/u/web (old)/page.html  (Hyper Text)") << QStringLiteral("[3]page.html ");
    QTest::newRow("file name holding blank and parenthesis")
        << QStringLiteral("[3]/home/u/page (2).html  (Hyper Text)") << QStringLiteral("[3]page (2).html ");
    QTest::newRow("dialog gets no tab") << QStringLiteral("置換") << QString();
    QTest::newRow("closing window gets no tab") << QString() << QString();
}

void TestDocumentCaption::tabText()
{
    QFETCH(QString, caption);
    QFETCH(QString, tab);
    const QString text = DocumentCaption::tabText(caption);
    QCOMPARE(text, tab);
    QCOMPARE(text.isNull(), tab.isNull());
}

void TestDocumentCaption::kindFromOpenDialog_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("kind");
    QTest::newRow("css") << QStringLiteral("/w/site.css") << DocumentKind::styleSheet();
    QTest::newRow("upper-case CSS") << QStringLiteral("/w/STYLE.CSS") << DocumentKind::javaScript();
    QTest::newRow("upper-case HTML") << QStringLiteral("/w/index.HTML") << DocumentKind::javaScript();
    QTest::newRow("html") << QStringLiteral("/w/page.html") << DocumentKind::hyperText();
    QTest::newRow("htm") << QStringLiteral("/w/page.htm") << DocumentKind::hyperText();
    QTest::newRow("txt") << QStringLiteral("/w/notes.txt") << DocumentKind::javaScript();
}

void TestDocumentCaption::kindFromOpenDialog()
{
    QFETCH(QString, path);
    QFETCH(QString, kind);
    QCOMPARE(DocumentKind::fromOpenDialogPath(path), kind);
}

void TestDocumentCaption::kindFromFolderList_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("kind");
    QTest::newRow("upper-case HTM") << QStringLiteral("/w/INDEX.HTM") << DocumentKind::hyperText();
    QTest::newRow("js") << QStringLiteral("/w/main.js") << DocumentKind::javaScript();
    QTest::newRow("upper-case CSS") << QStringLiteral("/w/STYLE.CSS") << DocumentKind::styleSheet();
}

void TestDocumentCaption::kindFromFolderList()
{
    QFETCH(QString, path);
    QFETCH(QString, kind);
    QCOMPARE(DocumentKind::fromFolderListPath(path), kind);
}

QTEST_APPLESS_MAIN(TestDocumentCaption)
#include "tst_documentcaption.moc"
