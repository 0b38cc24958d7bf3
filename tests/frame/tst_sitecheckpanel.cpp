#include "framefixture.h"

#include "checks/sitelinkcheck.h"
#include "frame/sitecheckpanel.h"

#include <QDir>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

// The whole-site check as the user runs it: Shift+F6 in a document window,
// rows in the panel at the bottom, a double-click to the broken target.
class TestSiteCheckPanel : public QObject
{
    Q_OBJECT

private slots:
    void rowsShowTheirTargets();
    void stopLeavesNoRows();

private:
    static SiteCheckPanel *runOn(FrameFixture &f)
    {
        f.frame->WorkDir = f.dir.path();
        QTest::keyClick(f.active()->richTextBox1(), Qt::Key_F6, Qt::ShiftModifier);
        return f.frame->siteCheckPanel();
    }

    static QStringList rows(const QTableView *table)
    {
        QStringList out;
        const QAbstractItemModel *model = table->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->index(row, column).data().toString();
            out << cells.join(u'|');
        }
        return out;
    }

    static void doubleClickRow(QTableView *table, int row)
    {
        FrameFixture::doubleClick(table->viewport(), table->visualRect(table->model()->index(row, 3)).center());
        FrameFixture::settle();
    }
};

void TestSiteCheckPanel::rowsShowTheirTargets()
{
    FrameFixture f;
    QVERIFY(QDir(f.dir.path()).mkpath("sub"));
    f.writeFile("a b.html", "<p>\r\n<a href=\"nai.html\">x</a>\r\n");
    Form1 *open = f.openFile(f.writeFile("sub/ページ.html", "<a href=\"../a%20b.html#no\">y</a>"));
    // Its unsaved text is the one checked: the target moves three along.
    QTest::keyClicks(open->richTextBox1(), "abc");
    SiteCheckPanel *panel = runOn(f);
    QVERIFY(panel);
    QCOMPARE(panel->stopButton()->text(), QStringLiteral("中止"));
    QTRY_VERIFY(!panel->isRunning());
    QCOMPARE(panel->windowTitle(), SiteCheckPanel::title(2));
    QCOMPARE(rows(panel->table()),
             (QStringList{"a b.html|2|10|nai.html|" + SiteLinkCheck::missingFile(),
                          "sub/ページ.html|1|13|../a%20b.html#no|" + SiteLinkCheck::missingPlace()}));
    QVERIFY(panel->progressBar()->isHidden());

    // Sorted by line, the later line comes last.
    panel->table()->sortByColumn(1, Qt::AscendingOrder);
    QVERIFY(rows(panel->table()).at(1).startsWith("a b.html|2|"));

    const qsizetype windows = f.frame->documents().size();
    doubleClickRow(panel->table(), 1);
    Form1 *opened = f.active();
    QVERIFY(opened != open);
    QCOMPARE(opened->richTextBox1()->SelText(), QStringLiteral("nai.html"));
    doubleClickRow(panel->table(), 0);
    QCOMPARE(f.active(), open);
    QCOMPARE(open->richTextBox1()->SelText(), QStringLiteral("../a%20b.html#no"));
    QCOMPARE(f.frame->documents().size(), windows + 1);

    // A second run replaces the rows.
    QCOMPARE(runOn(f), panel);
    QTRY_VERIFY(!panel->isRunning());
    QCOMPARE(rows(panel->table()).size(), 2);
}

void TestSiteCheckPanel::stopLeavesNoRows()
{
    FrameFixture f;
    for (int i = 0; i < 1000; ++i)
        f.writeFile(QStringLiteral("p%1.html").arg(i), "<a href=\"nai.html\">x</a>");
    SiteCheckPanel *panel = runOn(f);
    QVERIFY(panel->isRunning());
    QTest::mouseClick(panel->stopButton(), Qt::LeftButton);
    QVERIFY(!panel->isRunning());
    FrameFixture::settle();
    QCOMPARE(rows(panel->table()), QStringList());
    QCOMPARE(panel->windowTitle(), SiteCheckPanel::title(0));
    QVERIFY(panel->stopButton()->isHidden());
}

QTEST_MAIN(TestSiteCheckPanel)
#include "tst_sitecheckpanel.moc"
