#include "frame/folderchain.h"

#include <QTest>

class TestFolderChain : public QObject
{
    Q_OBJECT

private slots:
    void normalized_data();
    void normalized();
    void chain_data();
    void chain();
    void joinDoesNotDoubleTheRootSlash();
};

void TestFolderChain::normalized_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");

    QTest::newRow("adds the trailing slash") << QStringLiteral("/home/user") << QStringLiteral("/home/user/");
    QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/");
    QTest::newRow("untidy") << QStringLiteral("/home//./user/../web/") << QStringLiteral("/home/web/");
    QTest::newRow("up past the root") << QStringLiteral("/../../srv") << QStringLiteral("/srv/");
    QTest::newRow("dot-dot-named folder") << QStringLiteral("/..x/y") << QStringLiteral("/..x/y/");
    QTest::newRow("empty stays empty") << QString() << QString();
}

void TestFolderChain::normalized()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(FolderChain::normalized(folder), expected);
}

void TestFolderChain::chain_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("from the root")
        << QStringLiteral("/") << QStringLiteral("/home/user/web")
        << QStringList{"/", "/home/", "/home/user/", "/home/user/web/"};
    QTest::newRow("the root alone") << QStringLiteral("/") << QStringLiteral("/") << QStringList{"/"};
    QTest::newRow("from a mount point")
        << QStringLiteral("/mnt/data") << QStringLiteral("/mnt/data/site/css/")
        << QStringList{"/mnt/data/", "/mnt/data/site/", "/mnt/data/site/css/"};
    QTest::newRow("outside the root chains from slash")
        << QStringLiteral("/mnt/data/") << QStringLiteral("/srv/web/") << QStringList{"/", "/srv/", "/srv/web/"};
    QTest::newRow("look-alike root is no ancestor")
        << QStringLiteral("/mnt/data/") << QStringLiteral("/mnt/database/")
        << QStringList{"/", "/mnt/", "/mnt/database/"};
    QTest::newRow("no folder") << QStringLiteral("/") << QString() << QStringList{};
}

void TestFolderChain::chain()
{
    QFETCH(QString, root);
    QFETCH(QString, folder);
    QFETCH(QStringList, expected);
    QCOMPARE(FolderChain::chain(root, folder), expected);
}

void TestFolderChain::joinDoesNotDoubleTheRootSlash()
{
    QCOMPARE(FolderChain::join(QStringLiteral("/"), QStringLiteral("index.htm")), QStringLiteral("/index.htm"));
    QCOMPARE(FolderChain::join(QStringLiteral("/srv/web/"), QStringLiteral("a.js")), QStringLiteral("/srv/web/a.js"));
}

QTEST_APPLESS_MAIN(TestFolderChain)
#include "tst_folderchain.moc"
