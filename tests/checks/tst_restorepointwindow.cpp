#include "framefixture.h"

#include "frame/advicebar.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

// The restore point of a document window: create, restore on Yes, keep on
// No, with the text, its colours and the link marks exactly as they were.
class TestRestorePointWindow : public QObject
{
    Q_OBJECT

private slots:
    void createThenAnswer_data();
    void createThenAnswer();
    void creatingChangesNothing();
    void restoreIsOneUndoStep();
    void eachWindowHasItsOwnPoint();
};

// Every character with its look, so two states compare in one QCOMPARE.
static QStringList looks(RichTextBox1 *box)
{
    QStringList out;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            QString look = format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color().name()
                                                                            : QStringLiteral("default");
            if (format.fontWeight() >= QFont::Bold)
                look += QStringLiteral(" bold");
            if (format.fontUnderline())
                look += QStringLiteral(" underlined");
            out << fragment.text() + QStringLiteral(" : ") + look;
        }
        // What the line lays over its text: the link marks.
        for (const QTextLayout::FormatRange &range : block.layout()->formats())
            out << QStringLiteral("laid over %1+%2 : %3%4%5")
                       .arg(range.start)
                       .arg(range.length)
                       .arg(range.format.foreground().color().name(),
                            range.format.fontWeight() >= QFont::Bold ? QStringLiteral(" bold") : QString(),
                            range.format.fontUnderline() ? QStringLiteral(" underlined") : QString());
        out << QStringLiteral("<line break>");
    }
    return out;
}

static QString toolCaption(Form1 *doc)
{
    QAction *tool = doc->menuItem(QStringLiteral("IDM_TOOL"));
    emit tool->menu()->aboutToShow();
    return doc->menuItem(QStringLiteral("IDM_CREATE_BACKUP"))->text();
}

static const QByteArray Page = "<html>\r\n<a href=\"gone.html\">x</a>\r\n<!-- note -->\r\n";

void TestRestorePointWindow::createThenAnswer_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("restored");
    QTest::newRow("Yes: text, colours and marks come back") << QMessageBox::Yes << true;
    QTest::newRow("No: the edit stays, so does the point") << QMessageBox::No << false;
}

void TestRestorePointWindow::createThenAnswer()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, restored);
    FrameFixture f;
    Form1 *doc = f.openFile(f.writeFile(QStringLiteral("page.html"), Page));
    RichTextBox1 *box = doc->richTextBox1();
    QTest::keyClick(box, Qt::Key_F6);
    const QString text = box->Text();
    const QStringList before = looks(box);
    QVERIFY(before.contains(QStringLiteral("laid over 9+9 : #b40000 bold underlined")));
    QCOMPARE(toolCaption(doc), QStringLiteral("復元ポイント作成(&B)"));

    doc->menuItem(QStringLiteral("IDM_CREATE_BACKUP"))->trigger();
    QCOMPARE(f.seam.messages.size(), 1);
    QCOMPARE(f.seam.messages.last().title, QStringLiteral("情報"));
    QCOMPARE(f.seam.messages.last().icon, QMessageBox::Information);
    QCOMPARE(f.seam.messages.last().text,
             QStringLiteral("復元ポイントを作成しました。メニューの同じ場所で復元する事が出来ます。"));
    QCOMPARE(toolCaption(doc), QStringLiteral("復元する(&B)"));

    box->selectAll();
    f.type(QStringLiteral("new text"));
    const QString edited = box->Text();
    const QStringList editedLooks = looks(box);
    f.frame->setAdvice(QStringLiteral("advice"));

    f.seam.buttons << answer;
    doc->menuItem(QStringLiteral("IDM_CREATE_BACKUP"))->trigger();
    QCOMPARE(f.seam.messages.size(), 2);
    QCOMPARE(f.seam.messages.last().title, QStringLiteral("確認"));
    QCOMPARE(f.seam.messages.last().text, QStringLiteral("復元すると復元前の状態に戻せなくなります。よろしいですか？"));
    if (restored) {
        QCOMPARE(box->Text(), text);
        QCOMPARE(looks(box), before);
        box->undo();
        box->redo();
        QCOMPARE(looks(box), before); // the marks too
        QCOMPARE(toolCaption(doc), QStringLiteral("復元ポイント作成(&B)"));
        // A restore is a change of the text like any other.
        QVERIFY(doc->TextEdit);
        QVERIFY(f.frame->Toolbar4()->Text1()->text().isEmpty());
    } else {
        QCOMPARE(box->Text(), edited);
        QCOMPARE(looks(box), editedLooks);
        QCOMPARE(toolCaption(doc), QStringLiteral("復元する(&B)"));
        QCOMPARE(f.frame->Toolbar4()->Text1()->text(), QStringLiteral("advice"));
    }
}

void TestRestorePointWindow::creatingChangesNothing()
{
    FrameFixture f;
    Form1 *doc = f.openFile(f.writeFile(QStringLiteral("page.html"), Page));
    RichTextBox1 *box = doc->richTextBox1();
    box->setSelStart(5);
    const QStringList before = looks(box);
    doc->menuItem(QStringLiteral("IDM_CREATE_BACKUP"))->trigger();
    QVERIFY(!doc->TextEdit);
    QCOMPARE(box->SelStart(), qsizetype(5));
    QCOMPARE(looks(box), before);
    QVERIFY(!box->document()->isUndoAvailable());
}

void TestRestorePointWindow::restoreIsOneUndoStep()
{
    FrameFixture f;
    Form1 *doc = f.openFile(f.writeFile(QStringLiteral("page.html"), Page));
    RichTextBox1 *box = doc->richTextBox1();
    doc->menuItem(QStringLiteral("IDM_CREATE_BACKUP"))->trigger();
    box->moveCursor(QTextCursor::End);
    f.type(QStringLiteral("zz"));
    const QString edited = box->Text();
    const QStringList editedLooks = looks(box);
    f.seam.buttons << QMessageBox::Yes;
    doc->menuItem(QStringLiteral("IDM_CREATE_BACKUP"))->trigger();
    QCOMPARE(box->Text(), QString::fromLatin1(Page));

    const QStringList restoredLooks = looks(box);

    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box->Text(), edited);
    QCOMPARE(looks(box), editedLooks);
    // Redo brings the restored page back, and the history before the restore
    // still holds: the typing undoes as it did.
    box->redo();
    QCOMPARE(box->Text(), QString::fromLatin1(Page));
    QCOMPARE(looks(box), restoredLooks);
    box->undo();
    box->undo();
    QCOMPARE(box->Text(), QString::fromLatin1(Page));
    QVERIFY(!box->document()->isUndoAvailable());
    // Forward again through the typing and the restore; an edit of the page
    // before the restore ends the way back to the restored one.
    box->redo();
    box->redo();
    QCOMPARE(looks(box), restoredLooks);
    box->undo();
    f.type(QStringLiteral("q"));
    const QString typed = box->Text();
    box->redo();
    QCOMPARE(box->Text(), typed);
}

void TestRestorePointWindow::eachWindowHasItsOwnPoint()
{
    FrameFixture f;
    Form1 *first = f.openFile(f.writeFile(QStringLiteral("a.html"), "<p>a</p>"));
    first->menuItem(QStringLiteral("IDM_CREATE_BACKUP"))->trigger();
    Form1 *second = f.openFile(f.writeFile(QStringLiteral("b.html"), "<p>b</p>"));
    QVERIFY(first != second);
    QCOMPARE(toolCaption(second), QStringLiteral("復元ポイント作成(&B)"));
    QCOMPARE(toolCaption(first), QStringLiteral("復元する(&B)"));
    second->richTextBox1()->setSelText(QStringLiteral("x"));
    first->richTextBox1()->setSelText(QStringLiteral("y"));
    f.seam.buttons << QMessageBox::Yes;
    first->menuItem(QStringLiteral("IDM_CREATE_BACKUP"))->trigger();
    QCOMPARE(first->richTextBox1()->Text(), QStringLiteral("<p>a</p>"));
    QCOMPARE(second->richTextBox1()->Text(), QStringLiteral("x<p>b</p>"));
}

QTEST_MAIN(TestRestorePointWindow)
#include "tst_restorepointwindow.moc"
