#include "editing/colorscanner.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

const char kLetters[] = "DBGRPK"; // indexed by SyntaxColor

// One colour letter per character; anything wrong with the runs themselves
// (gaps, overlaps, mergeable neighbours, explicit black) shows up as '?'.
QString render(const ColourRuns &runs, qsizetype textLength)
{
    QString letters;
    SyntaxColor previous = SyntaxColor::Black;
    for (const ColourRun &run : runs) {
        const bool bad = run.start != letters.size() || run.length <= 0
                         || run.colour == previous || run.colour == SyntaxColor::Black;
        letters += QString(run.length, QLatin1Char(bad ? '?' : kLetters[int(run.colour)]));
        previous = run.colour;
    }
    if (letters.size() != textLength)
        letters += QLatin1Char('?');
    return letters;
}

// The colouring rules followed to the letter, with the tag text and script text
// as real strings: the scanner must give the same colours without building them.
QString referenceColours(const QString &text)
{
    QString out;
    QChar colour = QLatin1Char('D');
    bool inTag = false, inQuote = false, afterBang = false;
    bool scriptPending = false, inScript = false;
    QString tagText, scriptText;
    for (const QChar c : text) {
        if (tagText == QLatin1String("SCRIPT")) {
            scriptPending = true;
            tagText.clear();
        }
        if (tagText == QLatin1String("/SCRIPT"))
            inScript = false;
        if (inScript) {
            out += colour;
            scriptText += c;
            if (scriptText.toLower().contains(QLatin1String("</script"))) {
                scriptText.clear();
                inScript = false;
            }
            continue;
        }
        QChar after = colour;
        if (c == QLatin1Char('<')) {
            after = QLatin1Char('B');
            inTag = true;
        } else if (c == QLatin1Char('!')) {
            colour = after = QLatin1Char('R');
            afterBang = true;
        } else if (c == QLatin1Char('>')) {
            colour = after = QLatin1Char('D');
            inTag = inQuote = afterBang = false;
            if (scriptPending) {
                inScript = true;
                scriptPending = false;
            }
        } else if (c == QLatin1Char(' ')) {
            if (inTag && !inQuote && !afterBang)
                colour = after = QLatin1Char('P');
        } else if (c == QLatin1Char('"')) {
            if (inTag && !inQuote) {
                colour = after = QLatin1Char('G');
                inQuote = true;
            } else if (inTag) {
                after = QLatin1Char('B');
                inQuote = false;
            }
        } else if (inTag) {
            tagText += c;
        } else {
            tagText.clear();
        }
        out += colour;
        colour = after;
    }
    return out;
}

} // namespace

class TestColorScanner : public QObject
{
    Q_OBJECT

private slots:
    void colours_data();
    void colours();
    void emptyTextHasNoRuns();
    void runsAreMaximal();
    void matchesLiteralRules_data();
    void matchesLiteralRules();
};

void TestColorScanner::colours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    // Text and colours are written one above the other, one letter per character.
    auto row = [](const char *name, const char *text, const char *expected) {
        QTest::newRow(name) << QString::fromUtf8(text) << QString::fromLatin1(expected);
    };
    row("link",
        R"(<a href="x.html">link</a>)",
        R"(DBPPPPPPGGGGGGGGDDDDDDBBD)");
    row("second attribute after a value",
        R"(<a href="x" target="_top">)",
        R"(DBPPPPPPGGGPPPPPPPPGGGGGGD)");
    row("blue after a closing quote",
        R"(<img src="a.gif"/>)",
        R"(DBBBPPPPPGGGGGGGBD)");
    row("comment",
        R"(<!-- note -->)",
        R"(DRRRRRRRRRRRD)");
    row("doctype with quoted identifiers",
        R"(<!DOCTYPE html PUBLIC "-//W3C//DTD" "x.dtd">)",
        R"(DRRRRRRRRRRRRRRRRRRRRRGGGGGGGGGGGGGBGGGGGGGD)");
    row("bang in running text",
        R"(Hello! <b class=x>)",
        R"(DDDDDRRRBBBBBBBBBD)");
    row("bang inside a value",
        R"(<a title="wow!" href=x>)",
        R"(DBPPPPPPPGGGGRRBBBBBBBD)");
    row("upper-case script",
        R"(<SCRIPT>if (a<b) s="x";</SCRIPT>)",
        R"(DBBBBBBDDDDDDDDDDDDDDDDDDDDDDDDD)");
    row("lower-case script is markup",
        R"(<script>if (a<b) s="x";</script>)",
        R"(DBBBBBBDDDDDDDBBPPPGGGBBBBBBBBBD)");
    row("script tag with attributes, closed in lower case",
        R"(<SCRIPT LANGUAGE="js">a<b</script>x<i>)",
        R"(DBBBBBBPPPPPPPPPPGGGGDDDDDDDDDDDDDDDBD)");
    row("script closed in mixed case after a stray <",
        R"(<SCRIPT>x<</ScRiPt>y<b>)",
        R"(DBBBBBBDDDDDDDDDDDDDDBD)");
    row("a blank inside the closing tag keeps the script open",
        R"(<SCRIPT>a</ script>b<i>)",
        R"(DBBBBBBDDDDDDDDDDDDDDDD)");
    row("adjacent tags run together",
        R"(<HEAD><SCRIPT>a<b c</SCRIPT>)",
        R"(DBBBBDDBBBBBBDDDBPPPBBBBBBBD)");
    row("adjacent tags can spell SCRIPT",
        R"(<S><CRIPT>a<b c)",
        R"(DBDDBBBBBDDDDDD)");
    row("tag text keeps growing past SCRIPT",
        R"(<XSCRIPT>a<b c)",
        R"(DBBBBBBBDDDBPP)");
    row("characters after SCRIPT start a new tag text",
        R"(<SCRIPTX>a<b c)",
        R"(DBBBBBBBDDDDDD)");
    row("/SCRIPT ends script mode before it begins",
        R"(<SCRIPT/SCRIPT>a<b c)",
        R"(DBBBBBBBBBBBBBDDDBPP)");
    row("tag text outlives a script block",
        R"(<SCRIPT a>b</script><SCRIPT>c<d e)",
        R"(DBBBBBBPPDDDDDDDDDDDDBBBBBBDDDBPP)");
    row("quotes outside tags",
        R"(say "hi" <b>")",
        R"(DDDDDDDDDDBDD)");
    row("tab is not a blank",
        "<b\tc>",
        "DBBBD");
    row("line break between tags empties tag text",
        "<HEAD>\n<SCRIPT>a<b c</SCRIPT>",
        "DBBBBDDDBBBBBBDDDDDDDDDDDDDDD");
    row("line break inside a tag is not a blank",
        "<b\nclass=x>",
        "DBBBBBBBBBD");
}

void TestColorScanner::colours()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(expected.size(), text.size()); // guards the row itself
    QCOMPARE(render(ColorScanner::scan(text), text.size()), expected);
}

void TestColorScanner::emptyTextHasNoRuns()
{
    QVERIFY(ColorScanner::scan(QStringView()).isEmpty());
}

void TestColorScanner::runsAreMaximal()
{
    // The blue after "<" covers no character here; it must not split the red.
    const ColourRuns expected = {{0, 4, SyntaxColor::Red}, {4, 1, SyntaxColor::Default}};
    QCOMPARE(ColorScanner::scan(u"!<!a>"), expected);
}

void TestColorScanner::matchesLiteralRules_data()
{
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<quint32>("seed");

    const QStringList markup = {"<", ">", "!", " ", "\"", "a", "=", "\n", "/", "b c"};
    const QStringList script = {"<", ">", " ", "\"", "!", "x", "S", "SCRIPT", "/SCRIPT",
                                "<SCRIPT>", "</script", "</ScRiPt", "<</scr", "ipt", "\n"};
    const QStringList tagText = {"<", ">", "S", "C", "R", "I", "P", "T", "/", "X", " ",
                                 "\n", "\"", "!"};
    QTest::newRow("markup") << markup << 1u;
    QTest::newRow("script blocks") << script << 2u;
    QTest::newRow("tag text letters") << tagText << 3u;
}

void TestColorScanner::matchesLiteralRules()
{
    QFETCH(QStringList, pieces);
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    for (int document = 0; document < 400; ++document) {
        QString text;
        const int count = random.bounded(1, 120);
        for (int i = 0; i < count; ++i)
            text += pieces.at(random.bounded(int(pieces.size())));
        const QString actual = render(ColorScanner::scan(text), text.size());
        const QString expected = referenceColours(text);
        QVERIFY2(actual == expected,
                 qPrintable(QStringLiteral("%1\nactual   %2\nexpected %3").arg(text, actual, expected)));
    }
}

QTEST_APPLESS_MAIN(TestColorScanner)
#include "tst_colorscanner.moc"
