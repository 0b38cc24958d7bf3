#include "checks/restorepoint.h"

#include <QtTest>

Q_DECLARE_METATYPE(ColourRuns)
Q_DECLARE_METATYPE(TextRanges)

namespace {

constexpr auto Blue = SyntaxColor::Blue;
constexpr auto Green = SyntaxColor::Green;
constexpr auto Default = SyntaxColor::Default;

} // namespace

// The restore point as a value: what it keeps, what it gives back, and the
// tidying of the runs it keeps.
class TestRestorePoint : public QObject
{
    Q_OBJECT

private slots:
    void tidiesColourRuns_data();
    void tidiesColourRuns();
    void tidiesLinkMarks_data();
    void tidiesLinkMarks();
    void givesBackWhatItTook();
    void holdsOneCopyOfTheText();
    void anEmptyPageIsARestorePointToo();
    void captionsAndMessages();
};

void TestRestorePoint::tidiesColourRuns_data()
{
    QTest::addColumn<ColourRuns>("runs");
    QTest::addColumn<qsizetype>("textLength");
    QTest::addColumn<ColourRuns>("tidy");

    QTest::newRow("touching runs of one colour merge") << ColourRuns{{0, 1, Blue}, {1, 3, Blue}} << qsizetype(10) << ColourRuns{{0, 4, Blue}};
    QTest::newRow("a gap keeps them apart") << ColourRuns{{0, 1, Blue}, {2, 3, Blue}} << qsizetype(10) << ColourRuns{{0, 1, Blue}, {2, 3, Blue}};
    QTest::newRow("different colours stay apart") << ColourRuns{{0, 1, Blue}, {1, 3, Green}} << qsizetype(10) << ColourRuns{{0, 1, Blue}, {1, 3, Green}};
    QTest::newRow("default runs are the control's own colour") << ColourRuns{{0, 2, Default}, {2, 1, Green}} << qsizetype(10) << ColourRuns{{2, 1, Green}};
    QTest::newRow("default between two blues keeps them apart") << ColourRuns{{0, 1, Blue}, {1, 1, Default}, {2, 1, Blue}} << qsizetype(10) << ColourRuns{{0, 1, Blue}, {2, 1, Blue}};
    QTest::newRow("run past the end clipped") << ColourRuns{{8, 5, Blue}} << qsizetype(10) << ColourRuns{{8, 2, Blue}};
    QTest::newRow("run wholly past the end dropped") << ColourRuns{{10, 5, Blue}} << qsizetype(10) << ColourRuns{};
    QTest::newRow("negative start clipped") << ColourRuns{{-2, 5, Blue}} << qsizetype(10) << ColourRuns{{0, 3, Blue}};
    QTest::newRow("empty runs dropped") << ColourRuns{{3, 0, Blue}, {4, -1, Green}} << qsizetype(10) << ColourRuns{};
    QTest::newRow("overlap: the earlier keeps its part") << ColourRuns{{0, 4, Blue}, {2, 4, Green}} << qsizetype(10) << ColourRuns{{0, 4, Blue}, {4, 2, Green}};
    QTest::newRow("out of order put in order") << ColourRuns{{5, 1, Green}, {0, 1, Blue}} << qsizetype(10) << ColourRuns{{0, 1, Blue}, {5, 1, Green}};
    QTest::newRow("empty text keeps nothing") << ColourRuns{{0, 1, Blue}} << qsizetype(0) << ColourRuns{};
}

void TestRestorePoint::tidiesColourRuns()
{
    QFETCH(ColourRuns, runs);
    QFETCH(qsizetype, textLength);
    QFETCH(ColourRuns, tidy);
    QCOMPARE(RestorePoint::tidied(runs, textLength), tidy);
}

void TestRestorePoint::tidiesLinkMarks_data()
{
    QTest::addColumn<TextRanges>("marks");
    QTest::addColumn<qsizetype>("textLength");
    QTest::addColumn<TextRanges>("tidy");

    QTest::newRow("apart stay apart") << TextRanges{{0, 2}, {5, 2}} << qsizetype(10) << TextRanges{{0, 2}, {5, 2}};
    QTest::newRow("touching join") << TextRanges{{0, 2}, {2, 2}} << qsizetype(10) << TextRanges{{0, 4}};
    QTest::newRow("overlapping join") << TextRanges{{3, 4}, {0, 5}} << qsizetype(10) << TextRanges{{0, 7}};
    QTest::newRow("one inside another") << TextRanges{{0, 8}, {2, 2}} << qsizetype(10) << TextRanges{{0, 8}};
    QTest::newRow("clipped to the text") << TextRanges{{8, 9}, {12, 1}} << qsizetype(10) << TextRanges{{8, 2}};
}

void TestRestorePoint::tidiesLinkMarks()
{
    QFETCH(TextRanges, marks);
    QFETCH(qsizetype, textLength);
    QFETCH(TextRanges, tidy);
    QCOMPARE(RestorePoint::tidied(marks, textLength), tidy);
}

void TestRestorePoint::givesBackWhatItTook()
{
    RestorePoint point;
    QVERIFY(point.isEmpty());
    const QString text = QStringLiteral("<p class=\"a\">本文</p>\r\n");
    const ColourRuns runs{{0, 2, Blue}, {3, 5, SyntaxColor::Purple}, {9, 3, Green}, {12, 1, SyntaxColor::Black}};
    point.store(text, runs, TextRanges{{9, 3}});
    QVERIFY(!point.isEmpty());

    const RestorePoint::Snapshot back = point.take();
    QCOMPARE(back.text, text);
    QCOMPARE(back.colours, runs);
    QCOMPARE(back.linkMarks, (TextRanges{{9, 3}}));
    QVERIFY(point.isEmpty());
    QVERIFY(point.snapshot().text.isEmpty());
    QVERIFY(point.snapshot().colours.isEmpty());
}

void TestRestorePoint::holdsOneCopyOfTheText()
{
    // The point shares the text it is given and hands the same characters on:
    // a 10 MB page costs its memory once, not once more per step.
    QString page = QString(u'x').repeated(1'000'000);
    const QChar *const characters = page.constData();
    RestorePoint point;
    point.store(std::move(page), {});
    QCOMPARE(point.snapshot().text.constData(), characters);
    const RestorePoint::Snapshot back = point.take();
    QCOMPARE(back.text.constData(), characters);
    QVERIFY(back.text.isDetached());
}

void TestRestorePoint::anEmptyPageIsARestorePointToo()
{
    RestorePoint point;
    point.store(QString(), {});
    QVERIFY(!point.isEmpty());
    QCOMPARE(point.menuCaption(), QStringLiteral("復元する(&B)"));
    QCOMPARE(point.take().text, QString());
    QVERIFY(point.isEmpty());
}

void TestRestorePoint::captionsAndMessages()
{
    RestorePoint point;
    QCOMPARE(point.menuCaption(), QStringLiteral("復元ポイント作成(&B)"));
    point.store(QStringLiteral("a"), {});
    QCOMPARE(point.menuCaption(), QStringLiteral("復元する(&B)"));
    QCOMPARE(RestorePoint::createdMessage(),
             QStringLiteral("復元ポイントを作成しました。メニューの同じ場所で復元する事が出来ます。"));
    QCOMPARE(RestorePoint::confirmMessage(),
             QStringLiteral("復元すると復元前の状態に戻せなくなります。よろしいですか？"));
}

QTEST_MAIN(TestRestorePoint)
#include "tst_restorepoint.moc"
