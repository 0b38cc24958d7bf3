#include "document/richtextbox1.h"
#include "editing/colorscanner.h"

#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

// Large pages are coloured in view first and the rest later; whatever the
// order, the colours must end up exactly where a single pass puts them.
class TestDeferredColouring : public QObject
{
    Q_OBJECT

private slots:
    void largePageEndsUpFullyColoured();
    void editBeforeTheRestIsWrittenKeepsColoursInPlace_data();
    void editBeforeTheRestIsWrittenKeepsColoursInPlace();
    void colouringIsNoChangeOfTheContent();
    void editsBeforeFinishingKeepEveryRunInStep_data();
    void editsBeforeFinishingKeepEveryRunInStep();
    void colouringKeepsTheUndoHistory_data();
    void colouringKeepsTheUndoHistory();

private:
    static QString page(int lines);
    static QString colourLetters(const QTextDocument *doc);
};

QString TestDeferredColouring::page(int lines)
{
    QString text;
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral("<a href=\"p%1.html\">リンク</a> <!-- c -->\n").arg(i);
    return text;
}

// One letter per character: D default, B blue, G green, R red, P purple.
QString TestDeferredColouring::colourLetters(const QTextDocument *doc)
{
    QString letters;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            QChar letter = QLatin1Char('D');
            if (format.hasProperty(QTextFormat::ForegroundBrush)) {
                const QColor c = format.foreground().color();
                letter = c == QColor(0, 0, 255) ? QLatin1Char('B')
                    : c == QColor(0, 150, 0)    ? QLatin1Char('G')
                    : c == QColor(255, 0, 0)    ? QLatin1Char('R')
                    : c == QColor(50, 0, 170)   ? QLatin1Char('P')
                                                : QLatin1Char('?');
            }
            letters += QString(fragment.length(), letter);
        }
        letters += QLatin1Char('|');
    }
    return letters;
}

void TestDeferredColouring::largePageEndsUpFullyColoured()
{
    const QString text = page(20000);
    RichTextBox1 reference;
    reference.setText(text.left(200));
    reference.applyColourRuns(ColorScanner::scan(reference.document()->toRawText()));
    QVERIFY(!reference.colouringPending()); // a small page is coloured at once

    RichTextBox1 box;
    box.resize(400, 300);
    box.show();
    box.setText(text);
    QCoreApplication::processEvents();
    const ColourRuns runs = ColorScanner::scan(box.document()->toRawText());
    box.applyColourRuns(runs);
    QVERIFY(box.colouringPending());
    // The top of the page, in view, is coloured straight away.
    box.setSelStart(0);
    QCOMPARE(box.document()->begin().begin().fragment().length(), 1); // "<" before blue "a"
    QTRY_VERIFY(!box.colouringPending()); // the rest while idle

    RichTextBox1 single;
    single.setText(text);
    DeferredColouring::applyAll(single.document(), runs);
    QCOMPARE(colourLetters(box.document()), colourLetters(single.document()));
}

void TestDeferredColouring::editBeforeTheRestIsWrittenKeepsColoursInPlace_data()
{
    QTest::addColumn<bool>("typed");
    QTest::newRow("a key typed") << true;
    QTest::newRow("an edit through the document") << false;
}

void TestDeferredColouring::editBeforeTheRestIsWrittenKeepsColoursInPlace()
{
    QFETCH(bool, typed);
    const QString text = page(20000);
    RichTextBox1 box;
    box.resize(400, 300);
    box.show();
    box.setFocus();
    box.setText(text);
    QCoreApplication::processEvents();
    box.applyColourRuns(ColorScanner::scan(box.document()->toRawText()));
    QVERIFY(box.colouringPending());
    if (typed) {
        QTest::keyClick(&box, Qt::Key_X);
    } else {
        QTextCursor cursor(box.document());
        cursor.insertText(QStringLiteral("x"));
    }
    if (typed)
        QVERIFY(!box.colouringPending());
    box.finishColouring();

    // The same page coloured in one pass, then edited the same way.
    RichTextBox1 single;
    single.setText(text);
    DeferredColouring::applyAll(single.document(), ColorScanner::scan(single.document()->toRawText()));
    QTextCursor cursor(single.document());
    QTextCharFormat typedFormat = cursor.charFormat();
    cursor.insertText(QStringLiteral("x"), typedFormat);
    QCOMPARE(colourLetters(box.document()).mid(1), colourLetters(single.document()).mid(1));
    QCOMPARE(box.Text().left(3), QStringLiteral("x<a"));
}

void TestDeferredColouring::colouringIsNoChangeOfTheContent()
{
    RichTextBox1 box;
    box.setText(page(20000));
    QSignalSpy spy(&box, &RichTextBox1::Change);
    box.applyColourRuns(ColorScanner::scan(box.document()->toRawText()));
    box.finishColouring();
    QCOMPARE(spy.count(), 0);
    QVERIFY(!box.document()->isUndoAvailable());
}

void TestDeferredColouring::editsBeforeFinishingKeepEveryRunInStep_data()
{
    // Edits made straight on the document, far below the view, while its
    // colours are still waiting. Places are offsets in line 15000:
    // <a href="p15000.html">リンク</a> <!-- c -->
    QTest::addColumn<QList<int>>("edits"); // offset, characters removed, characters added ("x"), ...
    QTest::newRow("insertion inside a value keeps the value's tail green") << QList<int>{12, 0, 1};
    QTest::newRow("insertion inside a comment keeps its tail red") << QList<int>{33, 0, 2};
    QTest::newRow("removal inside a comment keeps its tail") << QList<int>{32, 2, 0};
    QTest::newRow("removal across runs") << QList<int>{5, 20, 0};
    QTest::newRow("replacement across runs") << QList<int>{5, 20, 3};
    QTest::newRow("two insertions into the same run") << QList<int>{12, 0, 1, 14, 0, 1};
    QTest::newRow("insertion, then removal of its neighbours") << QList<int>{12, 0, 1, 11, 3, 0};
}

void TestDeferredColouring::editsBeforeFinishingKeepEveryRunInStep()
{
    QFETCH(QList<int>, edits);
    const QString text = page(20000);
    RichTextBox1 box;
    box.resize(400, 300);
    box.show();
    box.setText(text);
    QCoreApplication::processEvents();
    box.applyColourRuns(ColorScanner::scan(box.document()->toRawText()));
    QVERIFY(box.colouringPending());

    RichTextBox1 single;
    single.setText(text);
    DeferredColouring::applyAll(single.document(), ColorScanner::scan(single.document()->toRawText()));

    const int line = box.document()->findBlockByNumber(15000).position();
    for (qsizetype i = 0; i + 2 < edits.size(); i += 3) {
        for (QTextDocument *doc : {box.document(), single.document()}) {
            QTextCursor cursor(doc);
            cursor.setPosition(line + edits.at(i));
            cursor.setPosition(line + edits.at(i) + edits.at(i + 1), QTextCursor::KeepAnchor);
            // Inserted text keeps the colour it came with: none here.
            cursor.insertText(QString(edits.at(i + 2), QLatin1Char('x')), QTextCharFormat());
        }
    }
    box.finishColouring();
    QCOMPARE(box.Text(), single.Text());
    QCOMPARE(colourLetters(box.document()), colourLetters(single.document()));
}

void TestDeferredColouring::colouringKeepsTheUndoHistory_data()
{
    QTest::addColumn<int>("lines"); // a small page is coloured at once, a large one in pieces
    QTest::addColumn<bool>("undoneFirst");
    QTest::newRow("small page recoloured after typing") << 3 << false;
    QTest::newRow("small page recoloured after an undo keeps the redo") << 3 << true;
    QTest::newRow("large page recoloured after typing") << 20000 << false;
    QTest::newRow("large page edited before its colours were written") << -20000 << false;
}

void TestDeferredColouring::colouringKeepsTheUndoHistory()
{
    QFETCH(int, lines);
    QFETCH(bool, undoneFirst);
    const QString text = page(qAbs(lines));
    RichTextBox1 box;
    box.resize(400, 300);
    box.show();
    box.setFocus();
    box.setText(text);
    if (lines < 0) {
        box.applyColourRuns(ColorScanner::scan(box.document()->toRawText()));
        QVERIFY(box.colouringPending());
        QTextCursor(box.document()).insertText(QStringLiteral("y"));
    } else {
        QTest::keyClick(&box, Qt::Key_Y);
    }
    QCOMPARE(box.Text().left(3), QStringLiteral("y<a"));
    if (undoneFirst) {
        box.Undo();
        QVERIFY(box.document()->isRedoAvailable());
    }
    box.applyColourRuns(ColorScanner::scan(box.document()->toRawText()));
    box.finishColouring();
    if (undoneFirst) {
        QVERIFY(box.document()->isRedoAvailable());
        box.document()->redo();
        QCOMPARE(box.Text().left(3), QStringLiteral("y<a"));
    }
    QVERIFY(box.document()->isUndoAvailable());
    box.Undo();
    QCOMPARE(box.Text(), QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
    // Undo takes back the text, not the colours.
    QCOMPARE(colourLetters(box.document()).left(2), QStringLiteral("DB"));
}

QTEST_MAIN(TestDeferredColouring)
#include "tst_deferredcolouring.moc"
