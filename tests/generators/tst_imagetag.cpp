#include "generators/imageextensions.h"
#include "generators/imagefolder.h"
#include "generators/imagetagmarkup.h"
#include "generators/sourceedit.h"

#include <QtTest>

Q_DECLARE_METATYPE(ImageTagSettings)

// The image tag: where an image lies against the working folder, the texts
// filled in for it, the tag itself and the files listed.
class TestImageTag : public QObject
{
    Q_OBJECT

private slots:
    void inside_data();
    void inside();
    void relativeSrc_data();
    void relativeSrc();
    void leavingWarnsOnce_data();
    void leavingWarnsOnce();
    void kilobytes_data();
    void kilobytes();
    void tag_data();
    void tag();
    void tagColours();
    void extensions_data();
    void extensions();
};

void TestImageTag::inside_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("workDir");
    QTest::addColumn<bool>("inside");

    QTest::newRow("the working folder itself") << "/home/u/site" << "/home/u/site" << true;
    QTest::newRow("a folder below it") << "/home/u/site/img" << "/home/u/site" << true;
    QTest::newRow("sibling site2 beside site is outside") << "/home/u/site2" << "/home/u/site" << false;
    QTest::newRow("the folder above") << "/home/u" << "/home/u/site" << false;
    QTest::newRow("trailing slash on the working folder") << "/home/u/site/img" << "/home/u/site/" << true;
    QTest::newRow("letter case counts") << "/home/u/Site/img" << "/home/u/site" << false;
    QTest::newRow("dot-dot that climbs out") << "/home/u/site/../site2" << "/home/u/site" << false;
    QTest::newRow("root as working folder") << "/tmp" << "/" << true;
    QTest::newRow("no working folder") << "/home/u/site" << "" << false;
}

void TestImageTag::inside()
{
    QFETCH(QString, folder);
    QFETCH(QString, workDir);
    QFETCH(bool, inside);
    QCOMPARE(ImageFolder::isInside(folder, workDir), inside);
}

void TestImageTag::relativeSrc_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("workDir");
    QTest::addColumn<QString>("src"); // null: no src

    QTest::newRow("file directly in the working folder: bare name") << "/w/site/logo.gif" << "/w/site" << "logo.gif";
    QTest::newRow("file in a subfolder: slash between") << "/w/site/img/logo.gif" << "/w/site" << "img/logo.gif";
    QTest::newRow("file in the sibling site2: no src") << "/w/site2/logo.gif" << "/w/site" << QString();
    QTest::newRow("file above: no src") << "/w/logo.gif" << "/w/site" << QString();
    QTest::newRow("Japanese names kept") << "/w/site/画像/写真.jpg" << "/w/site/" << "画像/写真.jpg";
    QTest::newRow("# ? % in folder and file names percent-encoded, the rest kept")
        << "/w/site/#1 ?/100%_写真 &.jpg" << "/w/site" << "%231 %3F/100%25_写真 &.jpg";
}

void TestImageTag::relativeSrc()
{
    QFETCH(QString, file);
    QFETCH(QString, workDir);
    QFETCH(QString, src);
    const QString got = ImageFolder::relativeSrc(file, workDir);
    QCOMPARE(got.isNull(), src.isNull());
    QCOMPARE(got, src);
}

void TestImageTag::leavingWarnsOnce_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QList<bool>>("warnings");

    QTest::newRow("up once warns; further up says nothing")
        << QStringList{"/w", "/"} << QList<bool>{true, false};
    QTest::newRow("coming back inside re-arms the warning")
        << QStringList{"/w", "/w/site/img", "/w"} << QList<bool>{true, false, true};
    QTest::newRow("into the sibling folder warns") << QStringList{"/w/site2"} << QList<bool>{true};
    QTest::newRow("moving below never warns") << QStringList{"/w/site/a", "/w/site/a/b"} << QList<bool>{false, false};
}

void TestImageTag::leavingWarnsOnce()
{
    QFETCH(QStringList, folders);
    QFETCH(QList<bool>, warnings);
    bool inside = true;
    QList<bool> shown;
    for (const QString &folder : folders) {
        const ImageFolder::Move move = ImageFolder::move(inside, folder, QStringLiteral("/w/site"));
        shown.append(move.warn);
        inside = move.inside;
    }
    QCOMPARE(shown, warnings);
}

void TestImageTag::kilobytes_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("12345 bytes: cut, not rounded, to 12.05") << qint64(12345) << "12.05";
    QTest::newRow("2048 bytes: whole, no point") << qint64(2048) << "2";
    QTest::newRow("1536 bytes: one decimal") << qint64(1536) << "1.5";
    QTest::newRow("1023 bytes: 0.99, not 1") << qint64(1023) << "0.99";
    QTest::newRow("10 bytes: 0") << qint64(10) << "0";
    QTest::newRow("20 bytes: 0.01 with its zero") << qint64(20) << "0.01";
    QTest::newRow("beyond 2 GB") << qint64(3) * 1024 * 1024 * 1024 << "3145728";
}

void TestImageTag::kilobytes()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(ImageTagMarkup::kilobytes(bytes), text);
}

void TestImageTag::tag_data()
{
    QTest::addColumn<ImageTagSettings>("settings");
    QTest::addColumn<QString>("tag");

    ImageTagSettings logo;
    logo.src = "img/logo.gif";
    logo.width = "120";
    logo.height = "60";
    logo.alt = ImageTagMarkup::altText(logo.src, 12345);
    QTest::newRow("file inside, defaults")
        << logo << R"(<img src="img/logo.gif" width="120" height="60" alt="img/logo.gif サイズ:12.05KB" border="0">)";

    ImageTagSettings outside;
    outside.alt = ImageTagMarkup::altText(QString(), 2048);
    QTest::newRow("file outside: no src, alt only the size") << outside << R"(<img alt="サイズ:2KB" border="0">)";

    ImageTagSettings empty;
    empty.noBorder = false;
    QTest::newRow("every box empty, border allowed: just <img>") << empty << "<img>";

    ImageTagSettings quote;
    quote.alt = R"(say "hi")";
    quote.noBorder = false;
    QTest::newRow("double quote in a value can't end it") << quote << R"(<img alt="say &quot;hi&quot;">)";
}

void TestImageTag::tag()
{
    QFETCH(ImageTagSettings, settings);
    QFETCH(QString, tag);
    QCOMPARE(piecesText(ImageTagMarkup::pieces(settings)), tag);
}

void TestImageTag::tagColours()
{
    ImageTagSettings settings;
    settings.src = "a.gif";
    const PieceList expected = {
        {"<", std::nullopt},
        {"img", SyntaxColor::Blue},
        {" src=", SyntaxColor::Purple},
        {"\"a.gif\"", SyntaxColor::Green},
        {" border=", SyntaxColor::Purple},
        {"\"0\"", SyntaxColor::Green},
        {">", SyntaxColor::Black},
    };
    QCOMPARE(ImageTagMarkup::pieces(settings), expected);
}

void TestImageTag::extensions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<QByteArray>>("formats");
    QTest::addColumn<bool>("listed");

    const QList<QByteArray> basic = {"gif", "jpg", "jpeg", "png", "bmp"};
    const QList<QByteArray> more = basic + QList<QByteArray>{"webp", "svg"};
    QTest::newRow("gif") << "a.gif" << basic << true;
    QTest::newRow("PNG in capitals") << "A.PNG" << basic << true;
    QTest::newRow("Jpeg in mixed case") << "photo.JpEg" << basic << true;
    QTest::newRow("bmp is not offered") << "a.bmp" << basic << false;
    QTest::newRow("webp without its plugin") << "a.webp" << basic << false;
    QTest::newRow("webp with its plugin") << "a.WEBP" << more << true;
    QTest::newRow("svg with its plugin") << "icon.svg" << more << true;
    QTest::newRow("name merely ending in png") << "apng" << basic << false;
    QTest::newRow("no extension") << "README" << basic << false;
}

void TestImageTag::extensions()
{
    QFETCH(QString, name);
    QFETCH(QList<QByteArray>, formats);
    QFETCH(bool, listed);
    QCOMPARE(ImageExtensions::isImage(name, formats), listed);
    if (listed)
        QVERIFY(ImageExtensions::patterns(formats).contains("*." + name.section('.', -1).toLower()));
}

QTEST_MAIN(TestImageTag)
#include "tst_imagetag.moc"
