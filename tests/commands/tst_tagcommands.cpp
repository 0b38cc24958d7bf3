#include "commands/pageskeleton.h"
#include "commands/tagcommands.h"
#include "piecepicture.h"

#include <QtTest>

Q_DECLARE_METATYPE(TagKind)

// What the tag commands and the page skeleton write, and where the caret goes.
class TestTagCommands : public QObject
{
    Q_OBJECT

private slots:
    void wrap_data();
    void wrap();
    void wrapKeepsColourlessOpeningBracket();
    void br();
    void skeleton();
};

void TestTagCommands::wrap_data()
{
    QTest::addColumn<TagKind>("kind");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("caretBack");

    // A style value and its two quotes, all green.
    const auto green = [](int length) { return QString(length, QLatin1Char('g')); };
    // clang-format off
    QTest::newRow("abc -> <strong>abc</strong>") << TagKind::Strong << "abc" << 0
        << "<strong>abc</strong>"
        << ".bbbbbbkkkkkbbbbbbbk" << 9;
    QTest::newRow("<b></b>") << TagKind::Bold << "" << 0 << "<b></b>" << ".bkkbbk" << 4;
    QTest::newRow("<i></i>") << TagKind::Italic << "" << 0 << "<i></i>" << ".bkkbbk" << 4;
    QTest::newRow("<em></em>") << TagKind::Em << "" << 0 << "<em></em>" << ".bbkkbbbk" << 5;
    QTest::newRow("<u></u>") << TagKind::Underline << "" << 0 << "<u></u>" << ".bkkbbk" << 4;
    QTest::newRow("<s></s>") << TagKind::Strike << "" << 0 << "<s></s>" << ".bkkbbk" << 4;
    QTest::newRow("strikes: lower-case <strike>") << TagKind::Strikes << "x" << 0
        << "<strike>x</strike>" << ".bbbbbbkkkbbbbbbbk" << 9;
    QTest::newRow("<del></del>") << TagKind::Del << "" << 0 << "<del></del>" << ".bbbkkbbbbk" << 6;
    QTest::newRow("<p></p>") << TagKind::P << "" << 0 << "<p></p>" << ".bkkbbk" << 4;
    QTest::newRow("<p align=\"right\">") << TagKind::PRight << "" << 0
        << "<p align=\"right\"></p>"
        << ".bbppppppgggggggkkbbk" << 4;
    QTest::newRow("<p align=\"center\">") << TagKind::PCenter << "" << 0
        << "<p align=\"center\"></p>"
        << ".bbppppppggggggggkkbbk" << 4;
    QTest::newRow("<p align=\"left\">") << TagKind::PLeft << "" << 0
        << "<p align=\"left\"></p>"
        << ".bbppppppggggggkkbbk" << 4;
    QTest::newRow("span bold") << TagKind::StyleBold << "" << 0
        << "<span style=\"font-weight: bold;\"></span>"
        << ".bbbbbpppppp" + green(20) + "kkbbbbbk" << 7;
    QTest::newRow("span italic") << TagKind::StyleItalic << "" << 0
        << "<span style=\"font-style: italic;\"></span>"
        << ".bbbbbpppppp" + green(21) + "kkbbbbbk" << 7;
    QTest::newRow("span underline") << TagKind::StyleUnderline << "" << 0
        << "<span style=\"text-decoration: underline;\"></span>"
        << ".bbbbbpppppp" + green(29) + "kkbbbbbk" << 7;
    QTest::newRow("nothing -> <a href=\"\"></a>") << TagKind::A << "" << 0
        << "<a href=\"\"></a>" << ".bbpppppggkkbbk" << 4;
    QTest::newRow("h3 -> <h3></h3>") << TagKind::Heading << "" << 3
        << "<h3></h3>" << ".bbkkbbbk" << 5;
    QTest::newRow("h1 around text") << TagKind::Heading << "Title" << 1
        << "<h1>Title</h1>" << ".bbkkkkkkkbbbk" << 5;
    QTest::newRow("h10: caret still before </h10>") << TagKind::Heading << "" << 10
        << "<h10></h10>" << ".bbbkkbbbbk" << 6;
    QTest::newRow("heading level without its sign") << TagKind::Heading << "" << -2
        << "<h2></h2>" << ".bbkkbbbk" << 5;
    QTest::newRow("other kinds ignore the level") << TagKind::Bold << "" << 4
        << "<b></b>" << ".bkkbbk" << 4;
    QTest::newRow("two selected lines wrapped whole") << TagKind::P << "a\r\nb" << 0
        << "<p>a\r\nb</p>" << ".bkkkkkkbbk" << 4;
    QTest::newRow("markup in the selection kept as it is") << TagKind::Em << "<i>x</i>" << 0
        << "<em><i>x</i></em>" << ".bbkkkkkkkkkkbbbk" << 5;
    // clang-format on
}

void TestTagCommands::wrap()
{
    QFETCH(TagKind, kind);
    QFETCH(QString, selected);
    QFETCH(int, level);
    QFETCH(QString, text);
    QFETCH(QString, picture);
    QFETCH(int, caretBack);

    const TagInsertion insertion = TagCommands::wrap(kind, selected, level);
    QCOMPARE(pieceText(insertion.pieces), text);
    QCOMPARE(piecePicture(insertion.pieces), picture);
    QCOMPARE(insertion.caretBack, qsizetype(caretBack));
    // Moving back from the end lands right before the closing tag.
    QCOMPARE(text.size() - insertion.caretBack, text.lastIndexOf(QLatin1String("</")));
}

// The opening "<" must not carry a colour of its own, and a tag with an
// attribute splits it from its value: the value's quotes are green pieces.
void TestTagCommands::wrapKeepsColourlessOpeningBracket()
{
    const PieceList pieces = TagCommands::wrap(TagKind::A, QString()).pieces;
    QCOMPARE(pieces.first(), (ColouredPiece{QStringLiteral("<"), std::nullopt}));
    QVERIFY(pieces.contains(ColouredPiece{QStringLiteral("a "), SyntaxColor::Blue}));
    QVERIFY(pieces.contains(ColouredPiece{QStringLiteral("href="), SyntaxColor::Purple}));
    QVERIFY(pieces.contains(ColouredPiece{QStringLiteral("\"\""), SyntaxColor::Green}));
}

void TestTagCommands::br()
{
    const TagInsertion insertion = TagCommands::br();
    QCOMPARE(pieceText(insertion.pieces), QStringLiteral("<br>"));
    QCOMPARE(piecePicture(insertion.pieces), QStringLiteral(".bbk"));
    QCOMPARE(insertion.caretBack, qsizetype(0));
}

void TestTagCommands::skeleton()
{
    const PieceList pieces = PageSkeleton::pieces();
    const QString text = pieceText(pieces);
    QCOMPARE(text, QStringLiteral("<html>\r\n<head>\r\n<title>新規Webページ</title>\r\n</head>\r\n"
                                  "<body>\r\n\r\n\r\n</body>\r\n</html>"));
    QCOMPARE(text.size(), 78);
    QCOMPARE(piecePicture(pieces), QStringLiteral(".bbbbkkk"                  // <html>
                                                  "kbbbbkkk"                  // <head>
                                                  "kbbbbbkkkkkkkkkkbbbbbbkkk" // <title>…</title>
                                                  "kbbbbbkkk"                 // </head>
                                                  "kbbbbkkk"                  // <body>
                                                  "kkkk"                      // two empty lines
                                                  "kbbbbbkkk"                 // </body>
                                                  "kbbbbbk"));                // </html>

    // In an empty document the caret lands on the first empty line of the
    // body, inside its CR LF.
    QCOMPARE(PageSkeleton::CaretOffset, qsizetype(59));
    QVERIFY(text.left(PageSkeleton::CaretOffset).endsWith(QLatin1String("<body>\r\n\r")));
    QCOMPARE(text.left(PageSkeleton::CaretOffset).count(QLatin1String("\r\n")), 5);
}

QTEST_MAIN(TestTagCommands)
#include "tst_tagcommands.moc"
