#include "commands/findreplaceall.h"
#include "commands/findtext.h"

#include <QtTest>

Q_DECLARE_METATYPE(FindDirection)

namespace {

// Replace all done the slow way the dialog's buttons do it: find from the end
// of the selection, replace the selection, put the caret after the inserted
// text, find again. The one-pass run must give exactly this.
QString replaceStepByStep(QString text, const QString &what, const QString &with, qsizetype from,
                          qsizetype *count)
{
    *count = 0;
    qsizetype caret = from;
    for (;;) {
        const qsizetype at = text.indexOf(what, caret);
        if (what.isEmpty() || at < 0)
            return text;
        text.replace(at, what.size(), with);
        caret = at + with.size();
        ++*count;
    }
}

// What the control does with the occurrences: each rewritten, back to front.
QString rewritten(QString text, const QList<qsizetype> &starts, const QString &what, const QString &with)
{
    for (qsizetype i = starts.size() - 1; i >= 0; --i)
        text.replace(starts.at(i), what.size(), with);
    return text;
}

} // namespace

// Finding and replacing over a text, without any window.
class TestFindText : public QObject
{
    Q_OBJECT

private slots:
    void findsDownward_data();
    void findsDownward();
    void findsUpward_data();
    void findsUpward();
    void dialogFind_data();
    void dialogFind();
    void replacesAll_data();
    void replacesAll();
    void replaceAllEqualsTheStepByStepRule_data();
    void replaceAllEqualsTheStepByStepRule();
    void replacesBeyondTenThousandWithTheTrueCount();
    void messages();
};

void TestFindText::findsDownward_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("what");
    QTest::addColumn<qsizetype>("from");
    QTest::addColumn<qsizetype>("found");

    QTest::newRow("abc finds neither ABC nor Abc") << "ABC Abc abc" << "abc" << qsizetype(0) << qsizetype(8);
    QTest::newRow("occurrence right at the start point") << "xabc" << "abc" << qsizetype(1) << qsizetype(1);
    QTest::newRow("one past its start: the next one") << "abc abc" << "abc" << qsizetype(1) << qsizetype(4);
    QTest::newRow("nothing further down, no wrap-around") << "abc x" << "abc" << qsizetype(1) << qsizetype(-1);
    QTest::newRow("empty search text finds nothing") << "abc" << "" << qsizetype(0) << qsizetype(-1);
    QTest::newRow("start past the end") << "abc" << "c" << qsizetype(99) << qsizetype(-1);
    QTest::newRow("negative start is the top") << "abc" << "a" << qsizetype(-5) << qsizetype(0);
    QTest::newRow("line break counts CR and LF") << "a\r\nb" << "b" << qsizetype(0) << qsizetype(3);
    QTest::newRow("Japanese text") << "日本語の本文" << "本" << qsizetype(2) << qsizetype(4);
    QTest::newRow("longer than the rest of the text") << "abc" << "bcd" << qsizetype(0) << qsizetype(-1);
}

void TestFindText::findsDownward()
{
    QFETCH(QString, text);
    QFETCH(QString, what);
    QFETCH(qsizetype, from);
    QFETCH(qsizetype, found);
    const FindMatch match = FindText::next(text, what, from);
    QCOMPARE(match.start, found);
    QCOMPARE(match.length, found < 0 ? 0 : what.size());
}

void TestFindText::findsUpward_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("what");
    QTest::addColumn<qsizetype>("before");
    QTest::addColumn<qsizetype>("found");

    QTest::newRow("nearest before the selection, not the first") << "ab ab ab" << "ab" << qsizetype(6) << qsizetype(3);
    QTest::newRow("ending exactly at the selection") << "ab ab" << "ab" << qsizetype(5) << qsizetype(3);
    QTest::newRow("straddling the selection start is out") << "ab ab" << "ab" << qsizetype(4) << qsizetype(0);
    QTest::newRow("selection at the top: nothing") << "ab" << "ab" << qsizetype(0) << qsizetype(-1);
    QTest::newRow("only occurrences below: nothing") << "x ab" << "ab" << qsizetype(2) << qsizetype(-1);
    QTest::newRow("overlapping occurrences: the last start") << "aaaa" << "aa" << qsizetype(4) << qsizetype(2);
    QTest::newRow("letter case counts going up too") << "abc ABC" << "abc" << qsizetype(7) << qsizetype(0);
    QTest::newRow("selection past the end is the end") << "ab" << "ab" << qsizetype(50) << qsizetype(0);
}

void TestFindText::findsUpward()
{
    QFETCH(QString, text);
    QFETCH(QString, what);
    QFETCH(qsizetype, before);
    QFETCH(qsizetype, found);
    QCOMPARE(FindText::previous(text, what, before).start, found);
}

void TestFindText::dialogFind_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("what");
    QTest::addColumn<qsizetype>("selStart");
    QTest::addColumn<qsizetype>("selLength");
    QTest::addColumn<bool>("fromStart");
    QTest::addColumn<FindDirection>("direction");
    QTest::addColumn<qsizetype>("found");

    const QString t = QStringLiteral("ab ab ab");
    const auto down = FindDirection::Down;
    const auto up = FindDirection::Up;
    QTest::newRow("selected occurrence is passed over going down") << t << "ab" << qsizetype(3) << qsizetype(2) << false << down << qsizetype(6);
    QTest::newRow("caret just before an occurrence finds it") << t << "ab" << qsizetype(3) << qsizetype(0) << false << down << qsizetype(3);
    QTest::newRow("from the start: the first, wherever the caret is") << t << "ab" << qsizetype(6) << qsizetype(2) << true << down << qsizetype(0);
    QTest::newRow("from the start wins over up") << t << "ab" << qsizetype(6) << qsizetype(2) << true << up << qsizetype(0);
    QTest::newRow("up from a selected occurrence: the one before") << t << "ab" << qsizetype(6) << qsizetype(2) << false << up << qsizetype(3);
    QTest::newRow("up from the first: nothing") << t << "ab" << qsizetype(0) << qsizetype(2) << false << up << qsizetype(-1);
    QTest::newRow("empty search text, from the start: nothing") << t << "" << qsizetype(0) << qsizetype(0) << true << down << qsizetype(-1);
}

void TestFindText::dialogFind()
{
    QFETCH(QString, text);
    QFETCH(QString, what);
    QFETCH(qsizetype, selStart);
    QFETCH(qsizetype, selLength);
    QFETCH(bool, fromStart);
    QFETCH(FindDirection, direction);
    QFETCH(qsizetype, found);
    FindOptions options;
    options.fromStart = fromStart;
    options.direction = direction;
    QCOMPARE(FindText::dialogFind(text, what, selStart, selLength, options).start, found);
}

void TestFindText::replacesAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("with");
    QTest::addColumn<qsizetype>("from");
    QTest::addColumn<QString>("result");
    QTest::addColumn<qsizetype>("count");

    QTest::newRow("a a a from the top: b b b, 3") << "a a a" << "a" << "b" << qsizetype(0) << "b b b" << qsizetype(3);
    QTest::newRow("replacement holding the search text is not searched again") << "a a" << "a" << "aa" << qsizetype(0) << "aa aa" << qsizetype(2);
    QTest::newRow("left to right, no overlaps") << "aaa" << "aa" << "b" << qsizetype(0) << "ba" << qsizetype(1);
    QTest::newRow("joined with what follows, not searched") << "aab" << "ab" << "a" << qsizetype(0) << "aa" << qsizetype(1);
    QTest::newRow("only what lies after the caret") << "a a a" << "a" << "b" << qsizetype(2) << "a b b" << qsizetype(2);
    QTest::newRow("caret inside an occurrence skips it") << "abc abc" << "abc" << "X" << qsizetype(1) << "abc X" << qsizetype(1);
    QTest::newRow("no occurrence: nothing changes") << "abc" << "x" << "y" << qsizetype(0) << "abc" << qsizetype(0);
    QTest::newRow("empty replacement deletes") << "a-b-c" << "-" << "" << qsizetype(0) << "abc" << qsizetype(2);
    QTest::newRow("empty search text replaces nothing") << "abc" << "" << "x" << qsizetype(0) << "abc" << qsizetype(0);
    QTest::newRow("letter case counts") << "Ab ab AB" << "ab" << "x" << qsizetype(0) << "Ab x AB" << qsizetype(1);
    QTest::newRow("line breaks between occurrences kept") << "a\r\na\r\n" << "a" << "<br>" << qsizetype(0) << "<br>\r\n<br>\r\n" << qsizetype(2);
    QTest::newRow("Japanese text") << "本と本" << "本" << "ほん" << qsizetype(0) << "ほんとほん" << qsizetype(2);
}

void TestFindText::replacesAll()
{
    QFETCH(QString, text);
    QFETCH(QString, what);
    QFETCH(QString, with);
    QFETCH(qsizetype, from);
    QFETCH(QString, result);
    QFETCH(qsizetype, count);
    const QList<qsizetype> starts = FindReplaceAll::occurrences(text, what, from);
    QCOMPARE(starts.size(), count);
    QCOMPARE(rewritten(text, starts, what, with), result);
}

void TestFindText::replaceAllEqualsTheStepByStepRule_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("with");

    QTest::newRow("shorter") << "ab" << "b";
    QTest::newRow("longer, holding the search text") << "a" << "aba";
    QTest::newRow("self-overlapping pattern") << "aba" << "ba";
    QTest::newRow("deleting") << "ba" << "";
    QTest::newRow("same length") << "bb" << "aa";
}

void TestFindText::replaceAllEqualsTheStepByStepRule()
{
    QFETCH(QString, what);
    QFETCH(QString, with);
    // Every text of up to eight letters a and b, from every caret position.
    for (int length = 0; length <= 8; ++length) {
        for (int bits = 0; bits < (1 << length); ++bits) {
            QString text;
            for (int i = 0; i < length; ++i)
                text += (bits >> i) & 1 ? u'b' : u'a';
            for (qsizetype from = 0; from <= length; ++from) {
                qsizetype expectedCount = 0;
                const QString expected = replaceStepByStep(text, what, with, from, &expectedCount);
                const QString where = text + QStringLiteral(" from ") + QString::number(from);
                const QList<qsizetype> starts = FindReplaceAll::occurrences(text, what, from);
                QVERIFY2(rewritten(text, starts, what, with) == expected, qPrintable(where));
                QVERIFY2(starts.size() == expectedCount, qPrintable(where));
            }
        }
    }
}

void TestFindText::replacesBeyondTenThousandWithTheTrueCount()
{
    // A 10 MB page with 100 000 occurrences: no silent stop, the true count.
    const QString block = QStringLiteral("<td>cell</td>") + QString(87, u'x') + QStringLiteral("\r\n");
    const QString text = block.repeated(100000);
    QVERIFY(text.size() >= 10'000'000);
    const QList<qsizetype> starts = FindReplaceAll::occurrences(text, u"cell", 0);
    QCOMPARE(starts.size(), qsizetype(100000));
    QCOMPARE(starts.last(), text.lastIndexOf(QStringLiteral("cell")));
    QCOMPARE(FindReplaceAll::totalMessage(starts.size()), QStringLiteral("合計100000個置換しました。"));
}

void TestFindText::messages()
{
    QCOMPARE(FindText::notFoundMessage(QStringLiteral("abc")), QStringLiteral("\"abc\"が見つかりません"));
    QCOMPARE(FindReplaceAll::totalMessage(3), QStringLiteral("合計3個置換しました。"));
}

QTEST_MAIN(TestFindText)
#include "tst_findtext.moc"
