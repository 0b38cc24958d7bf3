#include "document/linebreaks.h"
#include "document/linecuts.h"

#include <QTest>

class TestLineCuts : public QObject
{
    Q_OBJECT

private slots:
    void piecesStayWholeAndBounded_data();
    void piecesStayWholeAndBounded();
    void cutFallsAfterTheLastPleasantPlace_data();
    void cutFallsAfterTheLastPleasantPlace();
    void onlyTooLongLinesAreCutInPlaceInTheText_data();
    void onlyTooLongLinesAreCutInPlaceInTheText();
    void everyLineBreakStyleBecomesOneLf_data();
    void everyLineBreakStyleBecomesOneLf();
};

void TestLineCuts::piecesStayWholeAndBounded_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("target");
    const QString astral = QString::fromUcs4(U"\U0002000B");
    QTest::newRow("<p>abc</p> x 100, cut near 30") << QStringLiteral("<p>abc</p>").repeated(100) << 40 << 30;
    QTest::newRow("aaaa... no blank, no >, hard cuts") << QStringLiteral("a").repeated(1000) << 100 << 64;
    QTest::newRow("𠀋𠀋𠀋... every hard cut would split a pair") << astral.repeated(500) << 100 << 63;
    QTest::newRow("a𠀋a𠀋... pairs at odd places") << (QStringLiteral("a") + astral).repeated(400) << 100 << 50;
    QTest::newRow("日本語　全角空白") << QStringLiteral("日本語の文章　").repeated(300) << 500 << 200;
    QTest::newRow("x\\r\\nx\\r\\n... every other hard cut would split a CR LF")
        << QStringLiteral("x\r\n").repeated(300) << 100 << 64;
    QTest::newRow("\\r\\n\\r\\n... breaks only, odd target") << QStringLiteral("\r\n").repeated(300) << 50 << 33;
    QTest::newRow("exactly the limit: one piece") << QStringLiteral("x").repeated(100) << 100 << 50;
    QTest::newRow("one past the limit: cut") << QStringLiteral("x").repeated(101) << 100 << 50;
}

void TestLineCuts::piecesStayWholeAndBounded()
{
    QFETCH(QString, text);
    QFETCH(int, limit);
    QFETCH(int, target);
    const QList<qsizetype> cuts = LineCuts::cuts(text, limit, target);
    QCOMPARE(cuts.isEmpty(), text.size() <= limit);
    qsizetype previous = 0;
    for (const qsizetype cut : cuts) {
        QVERIFY2(cut > previous, "cuts ascend and make no empty piece");
        QVERIFY2(cut - previous <= target, qPrintable(QStringLiteral("piece of %1").arg(cut - previous)));
        QVERIFY(cut < text.size());
        QVERIFY2(!(text.at(cut - 1).isHighSurrogate() && text.at(cut).isLowSurrogate()), "a pair was split");
        QVERIFY2(!(text.at(cut - 1) == u'\r' && text.at(cut) == u'\n'), "a CR LF was split");
        previous = cut;
    }
    QVERIFY(text.size() - previous <= target || cuts.isEmpty());
}

void TestLineCuts::cutFallsAfterTheLastPleasantPlace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("cut");
    QTest::newRow("<b>|xxxx... cut after the > in the second half")
        << QStringLiteral("xxxxxxx<b>xxxxxxxxxxxxxxxxxxxxxxxxx") << 16 << 10;
    QTest::newRow("xx xx|... the last blank wins") << QStringLiteral("xxxxxx x xxxxxxxxxxxxxxxxxxxxxxxxx") << 16 << 9;
    QTest::newRow(">xxxxxxx... a > in the first half is too early") << QStringLiteral("x>xxxxxxxxxxxxxxxxxxxxxxxxxxxx") << 16 << 16;
    QTest::newRow("xxx|𠀋 hard cut before a pair") << QStringLiteral("xxxxxxxxxxxxxxx") + QString::fromUcs4(U"\U0002000B") + QStringLiteral("xxxxxxxxxxxxxxx")
                                             << 16 << 15;
    QTest::newRow("xxx\\r|\\n hard cut before the CR") << QStringLiteral("xxxxxxxxxxxxxxx\r\nxxxxxxxxxxxxxxx") << 16 << 15;
    QTest::newRow("short rest: the end of the text") << QStringLiteral("xxxx") << 16 << 4;
    QTest::newRow("日本語　|日本語... cut after the ideographic space")
        << QStringLiteral("日本語の長い文章が続く　その後にも文章が続いていく") << 16 << 12;
}

void TestLineCuts::cutFallsAfterTheLastPleasantPlace()
{
    QFETCH(QString, text);
    QFETCH(int, target);
    QFETCH(int, cut);
    QCOMPARE(LineCuts::nextCut(text, 0, target), qsizetype(cut));
}

void TestLineCuts::onlyTooLongLinesAreCutInPlaceInTheText_data()
{
    QTest::addColumn<QString>("text");
    const QString line = QStringLiteral("<p>abc</p> ").repeated(int(3 * LineCuts::MaxPiece / 11));
    QTest::newRow("short lines: no cut") << QStringLiteral("<p>a</p>\n").repeated(2000);
    QTest::newRow("long line after short ones") << QStringLiteral("a\nbb\n") + line + QStringLiteral("\nc");
    QTest::newRow("long last line without a line break") << QStringLiteral("a\n") + line;
    QTest::newRow("two long lines, an empty one between") << line + QStringLiteral("\n\n") + line;
    QTest::newRow("exactly the limit: not cut") << QStringLiteral("x\n") + QString(LineCuts::MaxPiece, QLatin1Char('y'));
    QTest::newRow("one past the limit: cut") << QStringLiteral("x\n") + QString(LineCuts::MaxPiece + 1, QLatin1Char('y'));
}

void TestLineCuts::onlyTooLongLinesAreCutInPlaceInTheText()
{
    QFETCH(QString, text);
    const std::vector<qsizetype> cuts = LineCuts::cutsOfLines(text);
    // The same cuts as each line cut on its own, moved to where it starts.
    std::vector<qsizetype> expected;
    qsizetype lineStart = 0;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        for (const qsizetype cut : LineCuts::cuts(line))
            expected.push_back(lineStart + cut);
        lineStart += line.size() + 1;
    }
    QCOMPARE(cuts, expected);
    for (const qsizetype cut : cuts) {
        QVERIFY(text.at(cut) != QLatin1Char('\n'));
        QVERIFY(text.at(cut - 1) != QLatin1Char('\n'));
    }
}

void TestLineCuts::everyLineBreakStyleBecomesOneLf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a CR LF b") << QStringLiteral("a\r\nb") << QStringLiteral("a\nb");
    QTest::newRow("a CR b (lone CR)") << QStringLiteral("a\rb") << QStringLiteral("a\nb");
    QTest::newRow("a CR CR LF b: two breaks") << QStringLiteral("a\r\r\nb") << QStringLiteral("a\n\nb");
    QTest::newRow("a LF CR b: two breaks") << QStringLiteral("a\n\rb") << QStringLiteral("a\n\nb");
    QTest::newRow("CR at the very end") << QStringLiteral("a\r") << QStringLiteral("a\n");
    QTest::newRow("LF only: unchanged") << QStringLiteral("a\nb\n") << QStringLiteral("a\nb\n");
}

void TestLineCuts::everyLineBreakStyleBecomesOneLf()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(LineBreaks::toLf(text), expected);
}

QTEST_GUILESS_MAIN(TestLineCuts)
#include "tst_linecuts.moc"
