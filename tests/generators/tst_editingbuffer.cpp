#include "generators/editingbuffer.h"
#include "generators/markupscan.h"
#include "generators/splicetext.h"

#include <QtTest>

// The working copy that builders edit: after any run of edits it must find
// what a plain string with the same edits would.
struct Change {
    qsizetype position;
    qsizetype removed;
    QString inserted;
};
using Changes = QVector<Change>;
Q_DECLARE_METATYPE(Changes)

class TestEditingBuffer : public QObject
{
    Q_OBJECT

private slots:
    void followsTheEdits_data();
    void followsTheEdits();
    void firstPositionsInOnePass_data();
    void firstPositionsInOnePass();
    void recordsTheEdits();
};

void TestEditingBuffer::followsTheEdits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Changes>("changes");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("anyCase");

    QTest::newRow("edit before the match moves it") << "abc<head>" << Changes{{0, 1, "xyz"}} << "<head>" << true;
    QTest::newRow("edit after the match leaves it") << "<head>abc" << Changes{{7, 2, ""}} << "<head>" << true;
    QTest::newRow("insertion makes an earlier match") << "abc<head>" << Changes{{1, 0, "<HEAD>"}} << "<head>"
                                                      << true;
    QTest::newRow("edit breaks the match, the next one further on")
        << "<head>..<head>" << Changes{{2, 1, "E"}} << "<head>" << false;
    QTest::newRow("edit breaks the only match") << "..<head>.." << Changes{{4, 1, ""}} << "<head>" << true;
    QTest::newRow("removal joins two halves into a match") << "<he|ad>" << Changes{{3, 1, ""}} << "<head>" << true;
    QTest::newRow("match across two insertions") << "xy" << Changes{{1, 0, "<he"}, {4, 0, "ad>"}} << "<head>"
                                                 << true;
    QTest::newRow("exact case: capitals are no match") << "<HEAD><head>" << Changes{{0, 0, "a"}} << "<head>"
                                                       << false;
    QTest::newRow("broken, then an edit before it, then found again")
        << "<head>...<head>" << Changes{{1, 1, ""}, {0, 0, "zz"}} << "<head>" << true;
    QTest::newRow("everything removed") << "<head>" << Changes{{0, 6, ""}} << "<head>" << true;
    QTest::newRow("edit at the very end") << "a<head" << Changes{{6, 0, ">"}} << "<head>" << true;
}

void TestEditingBuffer::followsTheEdits()
{
    QFETCH(QString, text);
    QFETCH(Changes, changes);
    QFETCH(QString, needle);
    QFETCH(bool, anyCase);
    const QByteArray latin = needle.toLatin1();
    const MarkupScan::Needle watched{QLatin1StringView(latin), anyCase};

    EditingBuffer buffer(text, {watched});
    QString model = text;
    for (const Change &change : changes) {
        buffer.replace(change.position, change.removed, {{change.inserted, std::nullopt}});
        model.replace(change.position, change.removed, change.inserted);
        const Qt::CaseSensitivity cs = anyCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
        QCOMPARE(buffer.text().toString(), model);
        QCOMPARE(buffer.first(watched), model.indexOf(needle, 0, cs));
        for (qsizetype from = 0; from <= model.size(); ++from)
            QCOMPARE(buffer.indexOf(watched, from), model.indexOf(needle, from, cs));
    }
}

void TestEditingBuffer::firstPositionsInOnePass_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("each needle once") << "<!DOCTYPE x><html><HEAD><meta><title>";
    QTest::newRow("needles missing") << "<p>plain</p>";
    QTest::newRow("needle at the very end cut short") << "<p><hea";
    QTest::newRow("same start, different letters") << "<htm><HTML><html>";
    QTest::newRow("brackets back to back") << "<<<head><<title>";
    QTest::newRow("empty") << "";
}

void TestEditingBuffer::firstPositionsInOnePass()
{
    QFETCH(QString, text);
    const QVector<MarkupScan::Needle> needles = {
        MarkupScan::anyCase(QLatin1StringView("<!doctype")), MarkupScan::exact(QLatin1StringView("<HTML>")),
        MarkupScan::anyCase(QLatin1StringView("<html>")),    MarkupScan::anyCase(QLatin1StringView("<head>")),
        MarkupScan::exact(QLatin1StringView("<title>")),     MarkupScan::exact(QLatin1StringView("<meta>")),
    };
    const QVector<qsizetype> found = MarkupScan::firstPositions(text, needles);
    for (qsizetype i = 0; i < needles.size(); ++i) {
        const auto cs = needles[i].anyCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
        QCOMPARE(found[i], text.indexOf(QString(needles[i].text), 0, cs));
    }
}

void TestEditingBuffer::recordsTheEdits()
{
    EditingBuffer buffer(QStringLiteral("<head></head>"));
    const qsizetype after = buffer.replace(6, 0, {{"\r\n", std::nullopt}, {"x", SyntaxColor::Blue}});
    buffer.replace(0, 1, {});
    QCOMPARE(after, qsizetype(9));
    const SourceEdits expected = {{6, 0, {{"\r\n", std::nullopt}, {"x", SyntaxColor::Blue}}}, {0, 1, {}}};
    QCOMPARE(buffer.edits(), expected);
    QCOMPARE(applyEdits(QStringLiteral("<head></head>"), buffer.edits()), buffer.text().toString());
}

QTEST_MAIN(TestEditingBuffer)
#include "tst_editingbuffer.moc"
