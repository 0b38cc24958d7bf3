#include "framefixture.h"

#include "document/previewbrowser.h"
#include "document/previewview.h"

#include <QRadioButton>
#include <QSignalSpy>

// The preview as the program has it: the browser engine isn't linked, and the
// first preview loads it (this test links nothing of the engine either).
class TestPreviewModule : public QObject
{
    Q_OBJECT

private slots:
    void firstPreviewLoadsTheEngineAndShowsThePage();
};

static bool engineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

void TestPreviewModule::firstPreviewLoadsTheEngineAndShowsThePage()
{
    FrameFixture f;
    Form1 *doc = f.openFile(f.writeFile(QStringLiteral("index.html"), "<title>t</title><p>page</p>\r\n"));
    QVERIFY(doc);
    QVERIFY(!engineMapped());
    QSignalSpy loaded(doc->previewView(), &PreviewView::loadFinished);
    QTest::keyClick(doc->richTextBox1(), Qt::Key_F5);
    QVERIFY(doc->Option2()->isChecked());
    QVERIFY(engineMapped());
    QVERIFY(loaded.count() > 0 || loaded.wait(20000));
    QVERIFY(loaded.first().first().toBool());
    QVERIFY(doc->WebBrowser1()->isVisible());
}

int main(int argc, char *argv[])
{
    PreviewBrowser::prepareApplication();
    QApplication app(argc, argv);
    TestPreviewModule test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_previewmodule.moc"
