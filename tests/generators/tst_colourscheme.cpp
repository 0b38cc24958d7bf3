#include "generators/colourschememarkup.h"

#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(ColourScheme)

namespace {

QString lines(const QStringList &list)
{
    return list.join(QStringLiteral("\r\n"));
}

ColourScheme scheme(const std::function<void(ColourScheme &)> &change = {})
{
    ColourScheme s;
    s.styleSheet = true;
    if (change)
        change(s);
    return s;
}

// The block the defaults give, with the visited link's underline off.
const QStringList kDefaultBlock = {
    R"(<style type="text/css">)",
    "<!--",
    "a:link { color: #0000ff;}",
    "a:visited { color: #800080; text-decoration: none;}",
    "a:active { color: #ff0000;}",
    "a:hover { color: #0000ff;}",
    "body { background-color: #FFFFFF; color: #000000;}",
    "-->",
    "</style>",
};

ColourScheme visitedPlain()
{
    return scheme([](ColourScheme &s) { s.visited.underline = false; });
}

} // namespace

// The page colour scheme as a style block or as body attributes.
class TestColourScheme : public QObject
{
    Q_OBJECT

private slots:
    void styleBlock_data();
    void styleBlock();
    void placement_data();
    void placement();
    void styleBlockColours();
    void bodyAttributeColours();
    void noBodyInsertsNothing();
};

void TestColourScheme::styleBlock_data()
{
    QTest::addColumn<ColourScheme>("settings");
    QTest::addColumn<QString>("block");

    QTest::newRow("defaults, visited without underline") << visitedPlain() << lines(kDefaultBlock);
    QTest::newRow("all four underlines off")
        << scheme([](ColourScheme &s) {
               s.link.underline = s.visited.underline = s.active.underline = s.hover.underline = false;
           })
        << lines({R"(<style type="text/css">)", "<!--", "a:link { color: #0000ff; text-decoration: none;}",
                  "a:visited { color: #800080; text-decoration: none;}",
                  "a:active { color: #ff0000; text-decoration: none;}",
                  "a:hover { color: #0000ff; text-decoration: none;}",
                  "body { background-color: #FFFFFF; color: #000000;}", "-->", "</style>"});
    QTest::newRow("bold and italic, hover colour typed by hand")
        << scheme([](ColourScheme &s) {
               s.hover.colour = "orange";
               s.hover.bold = s.active.italic = s.textBold = s.textItalic = true;
           })
        << lines({R"(<style type="text/css">)", "<!--", "a:link { color: #0000ff;}", "a:visited { color: #800080;}",
                  "a:active { color: #ff0000; font-style: italic;}", "a:hover { color: orange; font-weight: bold;}",
                  "body { background-color: #FFFFFF; color: #000000; font-weight: bold; font-style: italic;}", "-->",
                  "</style>"});
}

void TestColourScheme::styleBlock()
{
    QFETCH(ColourScheme, settings);
    QFETCH(QString, block);
    QCOMPARE(piecesText(ColourSchemeMarkup::styleBlock(settings)), block);
}

void TestColourScheme::placement_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<ColourScheme>("settings");
    QTest::addColumn<QString>("expected");

    const QString block = lines(kDefaultBlock);
    QTest::newRow("no style: before the line break ending the line before </head>")
        << lines({"<head>", "<title>t</title>", "</head>"}) << visitedPlain()
        << lines({"<head>", "<title>t</title>", block, "</head>"});
    QTest::newRow("</HEAD> in capitals found too")
        << lines({"<head>", "</HEAD>"}) << visitedPlain() << lines({"<head>", block, "</HEAD>"});
    QTest::newRow("</head> on a line with other markup: right before it, not inside the tag before")
        << "<head><title>t</title></head>" << visitedPlain() << "<head><title>t</title>\r\n" + block + "</head>";
    QTest::newRow("</head> at the very start: before it, not inside it")
        << "</head><body>" << visitedPlain() << "\r\n" + block + "</head><body>";
    QTest::newRow("no head at all: the start of the page") << "<p>x</p>" << visitedPlain()
                                                           << "\r\n" + block + "<p>x</p>";
    QTest::newRow("old style block replaced whole, in place")
        << lines({"<head>", "<STYLE>", "p { }", "</style>", "</head>"}) << visitedPlain()
        << lines({"<head>", block, "</head>"});
    QTest::newRow("stray </style> before <style: new block in front, old text kept")
        << "</style><style>p{}</style>" << visitedPlain() << "</style>" + block + "<style>p{}</style>";
    QTest::newRow("body mode: attributes right after <body, old ones kept")
        << "<html><BODY class=\"x\" bgcolor=\"red\">" << ColourScheme()
        << R"(<html><BODY bgcolor="#FFFFFF" text="#000000" link="#0000ff" vlink="#800080" alink="#ff0000" class="x" bgcolor="red">)";
    QTest::newRow("body mode: typed codes written as typed")
        << "<body>" << scheme([](ColourScheme &s) {
               s.styleSheet = false;
               s.background = "white";
               s.active.colour = "#-1x";
           })
        << R"(<body bgcolor="white" text="#000000" link="#0000ff" vlink="#800080" alink="#-1x">)";
}

void TestColourScheme::placement()
{
    QFETCH(QString, page);
    QFETCH(ColourScheme, settings);
    QFETCH(QString, expected);
    const auto edit = ColourSchemeMarkup::edit(page, settings);
    QVERIFY(edit);
    QCOMPARE(applyEdits(page, {*edit}), expected);
}

void TestColourScheme::styleBlockColours()
{
    const PieceList expected = {
        {"<", SyntaxColor::Black},
        {"style ", SyntaxColor::Blue},
        {"type=", SyntaxColor::Purple},
        {"\"text/css\"", SyntaxColor::Green},
        {">\r\n<", SyntaxColor::Black},
        {"!--\r\n" + ColourSchemeMarkup::ruleText(visitedPlain()) + "}\r\n--", SyntaxColor::Red},
        {">\r\n<", SyntaxColor::Black},
        {"/style", SyntaxColor::Blue},
        {">", SyntaxColor::Black},
    };
    QCOMPARE(ColourSchemeMarkup::styleBlock(visitedPlain()), expected);
}

void TestColourScheme::bodyAttributeColours()
{
    const PieceList pieces = ColourSchemeMarkup::bodyAttributes(ColourScheme());
    QCOMPARE(pieces.size(), 10);
    for (qsizetype i = 0; i < pieces.size(); ++i)
        QCOMPARE(pieces[i].colour, std::optional(i % 2 == 0 ? SyntaxColor::Blue : SyntaxColor::Green));
}

void TestColourScheme::noBodyInsertsNothing()
{
    QVERIFY(!ColourSchemeMarkup::edit(QStringLiteral("<head></head><bod>"), ColourScheme()));
    QVERIFY(ColourSchemeMarkup::noBodyMessage().contains(QStringLiteral("body")));
}

QTEST_MAIN(TestColourScheme)
#include "tst_colourscheme.moc"
