#include "generators/gradationtext.h"
#include "generators/sourceedit.h"

#include <QtTest>

Q_DECLARE_METATYPE(Rgb)

namespace {

Rgb rgb(const char *code)
{
    return *ColourCode::parse(QString::fromLatin1(code));
}

QStringList codesOf(const QString &text, Rgb start, Rgb end)
{
    QStringList codes;
    for (const GradationText::Cell &cell : GradationText::cells(text, start, end))
        codes.append(ColourCode::digits(cell.colour));
    return codes;
}

} // namespace

// Gradation text: the colour of each character and the markup around it.
class TestGradationText : public QObject
{
    Q_OBJECT

private slots:
    void colours_data();
    void colours();
    void markup_data();
    void markup();
    void pieceColours();
    void characters_data();
    void characters();
    void cancelledChoiceKeepsTheColour();
};

void TestGradationText::colours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rgb>("start");
    QTest::addColumn<Rgb>("end");
    QTest::addColumn<QStringList>("codes");

    QTest::newRow("ABC red to blue: divisor n, last one step short")
        << "ABC" << rgb("FF0000") << rgb("0000FF") << QStringList{"FF0000", "AA0055", "5500AA"};
    QTest::newRow("one character: exactly the start colour") << "A" << rgb("123456") << rgb("FFFFFF")
                                                             << QStringList{"123456"};
    QTest::newRow("start equals end: all the same") << "xyz" << rgb("0A0B0C") << rgb("0A0B0C")
                                                    << QStringList{"0A0B0C", "0A0B0C", "0A0B0C"};
    QTest::newRow("255 to 0 over two: 127.5 rounds to even 128")
        << "ab" << rgb("FFFFFF") << rgb("000000") << QStringList{"FFFFFF", "808080"};
    QTest::newRow("253 to 0 over two: 126.5 rounds to even 126")
        << "ab" << rgb("FD0000") << rgb("000000") << QStringList{"FD0000", "7E0000"};
    QTest::newRow("values below 16 keep a leading zero")
        << "abcd" << rgb("000000") << rgb("282828") << QStringList{"000000", "0A0A0A", "141414", "1E1E1E"};
    QTest::newRow("black to black by default") << "ab" << Rgb{} << Rgb{} << QStringList{"000000", "000000"};
    QTest::newRow("empty text: no characters") << "" << rgb("FF0000") << rgb("0000FF") << QStringList{};
}

void TestGradationText::colours()
{
    QFETCH(QString, text);
    QFETCH(Rgb, start);
    QFETCH(Rgb, end);
    QFETCH(QStringList, codes);
    QCOMPARE(codesOf(text, start, end), codes);
}

void TestGradationText::markup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("span");
    QTest::addColumn<QString>("markup");

    QTest::newRow("font mode, ABC red to blue")
        << "ABC" << false
        << R"(<font color="#FF0000">A</font><font color="#AA0055">B</font><font color="#5500AA">C</font>)";
    QTest::newRow("span mode: semicolon inside the quotes")
        << "A" << true << R"(<span style="color:#FF0000;">A</span>)";
    QTest::newRow("blanks are wrapped too") << "A B" << false
                                            << R"(<font color="#FF0000">A</font><font color="#AA0055"> </font>)"
                                               R"(<font color="#5500AA">B</font>)";
    QTest::newRow("& < > written as entities inside their element")
        << "<&>" << true
        << R"(<span style="color:#FF0000;">&lt;</span><span style="color:#AA0055;">&amp;</span>)"
           R"(<span style="color:#5500AA;">&gt;</span>)";
    QTest::newRow("empty text inserts nothing") << "" << false << "";
}

void TestGradationText::markup()
{
    QFETCH(QString, text);
    QFETCH(bool, span);
    QFETCH(QString, markup);
    const auto output = span ? GradationText::Output::Span : GradationText::Output::Font;
    QCOMPARE(piecesText(GradationText::pieces(text, rgb("FF0000"), rgb("0000FF"), output)), markup);
}

void TestGradationText::pieceColours()
{
    const PieceList expected = {
        {"<", std::nullopt},
        {"font ", SyntaxColor::Blue},
        {"color=", SyntaxColor::Purple},
        {"\"#FF0000\"", SyntaxColor::Green},
        {">A<", SyntaxColor::Black},
        {"/font", SyntaxColor::Blue},
        {"><", SyntaxColor::Black},
        {"font ", SyntaxColor::Blue},
        {"color=", SyntaxColor::Purple},
        {"\"#800080\"", SyntaxColor::Green},
        {">B<", SyntaxColor::Black},
        {"/font", SyntaxColor::Blue},
        {">", SyntaxColor::Black},
    };
    QCOMPARE(GradationText::pieces("AB", rgb("FF0000"), rgb("0000FF"), GradationText::Output::Font), expected);
}

void TestGradationText::characters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("characters");

    const QString smile = QString::fromUcs4(U"\U0001F600");
    const QString fish = QString::fromUcs4(U"\U0001F41F");
    QTest::newRow("Japanese: one character each") << "日本" << QStringList{"日", "本"};
    QTest::newRow("surrogate pair never split") << "a" + smile + "b" << QStringList{"a", smile, "b"};
    QTest::newRow("two pairs back to back") << smile + fish << QStringList{smile, fish};
    QTest::newRow("lone high surrogate stands alone") << QString(QChar(0xD83D)) + "x"
                                                      << QStringList{QString(QChar(0xD83D)), "x"};
}

void TestGradationText::characters()
{
    QFETCH(QString, text);
    QFETCH(QStringList, characters);
    const auto cells = GradationText::cells(text, Rgb{}, rgb("FFFFFF"));
    QStringList got;
    for (const GradationText::Cell &cell : cells)
        got.append(text.mid(cell.start, cell.length));
    QCOMPARE(got, characters);
    // Colours step by characters, not by UTF-16 units.
    for (qsizetype i = 0; i < cells.size(); ++i)
        QCOMPARE(cells[i].colour, GradationText::colourAt(Rgb{}, rgb("FFFFFF"), cells.size(), i));
}

void TestGradationText::cancelledChoiceKeepsTheColour()
{
    const Rgb current = rgb("123456");
    QCOMPARE(GradationText::afterChoice(current, QStringLiteral("-1")), current);
    QCOMPARE(GradationText::afterChoice(current, QStringLiteral("0A0B0C")), (Rgb{10, 11, 12}));
}

QTEST_MAIN(TestGradationText)
#include "tst_gradationtext.moc"
