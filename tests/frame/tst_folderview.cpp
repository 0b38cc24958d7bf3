#include "frame/folderview.h"
#include "shared/twips.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList texts(const QListWidget *list, int from = 0)
{
    QStringList result;
    for (int row = from; row < list->count(); ++row)
        result << list->item(row)->text();
    return result;
}

// Dir1 rows up to the current folder are the chain; the rest are its subfolders.
QStringList chainPaths(const QListWidget *dir1)
{
    QStringList result;
    for (int row = 0; row <= dir1->currentRow(); ++row)
        result << dir1->item(row)->data(Qt::UserRole).toString();
    return result;
}

void activate(QListWidget *list, const QString &text, bool keyboard)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    if (keyboard) {
        list->setCurrentItem(found.first());
        QTest::keyClick(list, Qt::Key_Return);
        return;
    }
    list->scrollToItem(found.first());
    // The view acts only on a double-click over the entry that was pressed.
    const QPoint at = list->visualItemRect(found.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// An arrow key on the closed combo box is a user's choice, which is what
// moves the view.
void chooseDrive(QComboBox *drive1, const QString &root)
{
    const int index = drive1->findData(root);
    QVERIFY2(index > 0, qPrintable(root)); // "/" is always first
    drive1->setCurrentIndex(index - 1);
    QTest::keyClick(drive1, Qt::Key_Down);
}

QString mountOf(const QString &folder)
{
    QString root = QStorageInfo(folder).rootPath();
    if (!root.endsWith('/'))
        root += '/';
    return folder.startsWith(root) ? root : QStringLiteral("/");
}

} // namespace

class TestFolderView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void listsSubfoldersAndWebFiles_data();
    void listsSubfoldersAndWebFiles();
    void chainShowsTheAncestors();
    void activatingAFileEmitsItsFullPath_data();
    void activatingAFileEmitsItsFullPath();
    void activatingAFolderEntersIt_data();
    void activatingAFolderEntersIt();
    void unusableFolderKeepsTheView_data();
    void unusableFolderKeepsTheView();
    void setDriveSelectsTheMountPointHoldingThePath();
    void eachDriveKeepsItsLastFolder();
    void frameHeightSizesTheFileList_data();
    void frameHeightSizesTheFileList();
    void command2ClickRequestsClose_data();
    void command2ClickRequestsClose();

private:
    QString path(const QString &relative) const { return m_tmp.path() + '/' + relative; }

    QTemporaryDir m_tmp;
    QByteArray m_oldHome;
};

void TestFolderView::initTestCase()
{
    QVERIFY(m_tmp.isValid());
    for (const char *folder : {"site/css", "site/img", "site/Archive", "site/.git", "site/pages.htm", "home/notes"})
        QVERIFY(QDir(m_tmp.path()).mkpath(QString::fromLatin1(folder)));
    for (const char *name : {"site/INDEX.HTM", "site/style.CSS", "site/main.js", "site/b.html", "site/readme.txt",
                             "site/.hidden.htm", "site/css/site.css", "site/img/logo.gif", "home/page.htm"}) {
        QFile file(path(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    // The home folder is offered as a drive of its own.
    m_oldHome = qgetenv("HOME");
    qputenv("HOME", path(QStringLiteral("home")).toLocal8Bit());
}

void TestFolderView::cleanupTestCase()
{
    qputenv("HOME", m_oldHome);
}

void TestFolderView::listsSubfoldersAndWebFiles_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("subfolders");
    QTest::addColumn<QStringList>("files");

    QTest::newRow("hidden and non-web entries left out, case-blind order")
        << QStringLiteral("site") << QStringList{"Archive", "css", "img", "pages.htm"}
        << QStringList{"b.html", "INDEX.HTM", "main.js", "style.CSS"};
    QTest::newRow("no web files") << QStringLiteral("site/img") << QStringList{} << QStringList{};
    QTest::newRow("given with trailing slash") << QStringLiteral("home/") << QStringList{"notes"}
                                               << QStringList{"page.htm"};
}

void TestFolderView::listsSubfoldersAndWebFiles()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, subfolders);
    QFETCH(QStringList, files);

    FolderView view;
    QSignalSpy changed(&view, &FolderView::workDirChanged);
    view.setDirPath(path(folder));

    const QString expected = QDir::cleanPath(path(folder)) + '/';
    QCOMPARE(view.dirPath(), expected);
    QCOMPARE(view.filePath(), expected);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), expected);
    QCOMPARE(texts(view.Dir1(), view.Dir1()->currentRow() + 1), subfolders);
    QCOMPARE(texts(view.File1()), files);
}

void TestFolderView::chainShowsTheAncestors()
{
    FolderView view;
    view.setDirPath(path(QStringLiteral("site/css")));

    const QStringList chain = chainPaths(view.Dir1());
    QCOMPARE(chain.first(), view.drive());
    QCOMPARE(chain.mid(chain.size() - 3), (QStringList{path(QString()), path("site/"), path("site/css/")}));
    for (int i = 1; i < chain.size(); ++i) {
        QVERIFY2(chain.at(i).startsWith(chain.at(i - 1)), qPrintable(chain.at(i)));
        QCOMPARE(chain.at(i).count('/'), chain.at(i - 1).count('/') + 1);
    }
    QCOMPARE(view.Dir1()->currentItem()->text(), QStringLiteral("css"));
}

void TestFolderView::activatingAFileEmitsItsFullPath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("keyboard");

    QTest::newRow("double-click upper-case page") << QStringLiteral("INDEX.HTM") << false;
    QTest::newRow("double-click style sheet") << QStringLiteral("style.CSS") << false;
    QTest::newRow("enter on script") << QStringLiteral("main.js") << true;
}

void TestFolderView::activatingAFileEmitsItsFullPath()
{
    QFETCH(QString, name);
    QFETCH(bool, keyboard);

    FolderView view;
    view.show();
    view.setDirPath(path(QStringLiteral("site")));
    QSignalSpy activated(&view, &FolderView::fileActivated);
    QSignalSpy changed(&view, &FolderView::workDirChanged);

    activate(view.File1(), name, keyboard);

    QCOMPARE(activated.count(), 1);
    QCOMPARE(activated.first().first().toString(), path("site/") + name);
    QCOMPARE(changed.count(), 0);
}

void TestFolderView::activatingAFolderEntersIt_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("expected"); // empty: stays, no signal
    QTest::addColumn<bool>("keyboard");

    QTest::newRow("double-click subfolder") << "site" << "css" << "site/css/" << false;
    QTest::newRow("double-click folder named like a page") << "site" << "pages.htm" << "site/pages.htm/" << false;
    QTest::newRow("double-click ancestor") << "site/css" << "site" << "site/" << false;
    QTest::newRow("double-click current folder") << "site" << "site" << QString() << false;
    QTest::newRow("enter on subfolder") << "site" << "img" << "site/img/" << true;
}

void TestFolderView::activatingAFolderEntersIt()
{
    QFETCH(QString, start);
    QFETCH(QString, entry);
    QFETCH(QString, expected);
    QFETCH(bool, keyboard);

    FolderView view;
    view.show();
    view.setDirPath(path(start));
    QSignalSpy changed(&view, &FolderView::workDirChanged);

    activate(view.Dir1(), entry, keyboard);

    const QString folder = expected.isEmpty() ? path(start + '/') : path(expected);
    QCOMPARE(changed.count(), expected.isEmpty() ? 0 : 1);
    if (!expected.isEmpty())
        QCOMPARE(changed.first().first().toString(), folder);
    QCOMPARE(view.dirPath(), folder);
    QCOMPARE(view.filePath(), folder);
    QCOMPARE(chainPaths(view.Dir1()).last(), folder);
    QCOMPARE(texts(view.File1()), QDir(folder).entryList({"*.htm", "*.html", "*.css", "*.js"}, QDir::Files,
                                                         QDir::Name | QDir::IgnoreCase));
}

void TestFolderView::unusableFolderKeepsTheView_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("missing folder") << path(QStringLiteral("site/nothing"));
    QTest::newRow("a file, not a folder") << path(QStringLiteral("site/INDEX.HTM"));
    QTest::newRow("empty path") << QString();
}

void TestFolderView::unusableFolderKeepsTheView()
{
    QFETCH(QString, folder);

    FolderView view;
    view.setDirPath(path(QStringLiteral("site")));
    const QStringList dirs = texts(view.Dir1());
    const QStringList files = texts(view.File1());
    QSignalSpy changed(&view, &FolderView::workDirChanged);

    view.setDirPath(folder);

    QCOMPARE(changed.count(), 0);
    QCOMPARE(view.dirPath(), path(QStringLiteral("site/")));
    QCOMPARE(texts(view.Dir1()), dirs);
    QCOMPARE(texts(view.File1()), files);
}

void TestFolderView::setDriveSelectsTheMountPointHoldingThePath()
{
    FolderView view;
    chooseDrive(view.Drive1(), path("home/"));
    QCOMPARE(view.drive(), path("home/"));
    QCOMPARE(chainPaths(view.Dir1()), QStringList{path("home/")});

    // The home entry stays chosen for its own files.
    view.setDrive(path("home/notes/todo.htm"));
    QCOMPARE(view.drive(), path("home/"));

    QSignalSpy changed(&view, &FolderView::workDirChanged);
    view.setDrive(path("site/INDEX.HTM"));
    const QString mount = mountOf(path("site/"));
    QCOMPARE(view.drive(), mount);
    QCOMPARE(view.Drive1()->currentData().toString(), mount);
    QCOMPARE(chainPaths(view.Dir1()).first(), mount);
    QCOMPARE(changed.count(), 1);

    // Another path on the same drive leaves the folder alone.
    view.setDirPath(path("site/css"));
    view.setDrive(path("site/b.html"));
    QCOMPARE(view.dirPath(), path("site/css/"));
    QCOMPARE(changed.count(), 2);
}

void TestFolderView::eachDriveKeepsItsLastFolder()
{
    FolderView view;
    view.setDirPath(path("site/css"));
    const QString mount = view.drive();
    chooseDrive(view.Drive1(), path("home/"));
    view.setDirPath(path("home/notes"));

    // A folder outside the chosen entry takes the drive along.
    view.setDirPath(path("site/img"));
    QCOMPARE(view.drive(), mount);
    QCOMPARE(view.Drive1()->currentData().toString(), mount);

    chooseDrive(view.Drive1(), path("home/"));
    QCOMPARE(view.dirPath(), path("home/notes/"));
    QCOMPARE(view.File1()->count(), 0);
    QCOMPARE(view.Drive1()->currentData().toString(), path("home/"));
}

void TestFolderView::frameHeightSizesTheFileList_data()
{
    QTest::addColumn<QList<int>>("frameHeights"); // twips, applied in turn
    QTest::addColumn<int>("panel");               // the panel's own height, twips
    QTest::addColumn<int>("expected");            // twips; 0: the designed height kept

    QTest::newRow("4750 keeps the list") << QList<int>{4750} << 20000 << 0;
    QTest::newRow("small frame keeps the list") << QList<int>{2000} << 20000 << 0;
    QTest::newRow("5000 gives 300") << QList<int>{5000} << 20000 << 300;
    QTest::newRow("tall frame") << QList<int>{12000} << 20000 << 7300;
    QTest::newRow("shrinking to 4750 keeps the last height") << QList<int>{5000, 4750} << 20000 << 300;
    QTest::newRow("tall frame, short panel: the list ends inside the panel") << QList<int>{12000} << 4000 << -1;
    QTest::newRow("designed list, short panel: the list ends inside the panel") << QList<int>{2000} << 4000 << -1;
}

void TestFolderView::frameHeightSizesTheFileList()
{
    QFETCH(QList<int>, frameHeights);
    QFETCH(int, panel);
    QFETCH(int, expected);

    FolderView view;
    view.resize(view.width(), Twips::toPixels(panel, &view));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const int designed = Twips::toPixels(4410, &view);
    for (int twips : frameHeights)
        view.applyFrameHeight(Twips::toPixels(twips, &view));
    view.layout()->activate();

    const QListWidget *list = view.File1();
    if (expected < 0) {
        // Less room than the rule wants: the list takes what there is and
        // neither runs past the panel's bottom nor makes the panel taller.
        QCOMPARE(view.height(), Twips::toPixels(panel, &view));
        QVERIFY2(list->geometry().bottom() < view.height(), qPrintable(QString::number(list->geometry().bottom())));
        QVERIFY(list->height() >= list->minimumHeight());
        return;
    }
    const int want = expected == 0 ? designed : Twips::toPixels(expected, &view);
    // Subtracting in pixels may be a rounding pixel off the twips result.
    QVERIFY2(qAbs(list->height() - want) <= 1, qPrintable(QString::number(list->height())));
}

void TestFolderView::command2ClickRequestsClose_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("title 作業フォルダビュー") << 0;
    QTest::newRow("close button ×") << 1;
}

void TestFolderView::command2ClickRequestsClose()
{
    QFETCH(int, index);

    FolderView view;
    view.show();
    QSignalSpy close(&view, &FolderView::closeRequested);
    QTest::mouseClick(view.findChild<QPushButton *>(QStringLiteral("Command2_%1").arg(index)), Qt::LeftButton);
    QCOMPARE(close.count(), 1);
}

QTEST_MAIN(TestFolderView)
#include "tst_folderview.moc"
