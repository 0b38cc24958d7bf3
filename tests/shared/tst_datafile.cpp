#include "shared/datafile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Where the program finds the files it ships with, in a build folder and
// in an installed tree.
class TestDataFile : public QObject
{
    Q_OBJECT

private slots:
    void findsTheFile_data();
    void findsTheFile();
};

void TestDataFile::findsTheFile_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("found");

    QTest::newRow("bin/tvo.hlp") << QStringList{"bin/tvo.hlp"} << "bin/tvo.hlp";
    QTest::newRow("share/tovalo/tvo.hlp") << QStringList{"share/tovalo/tvo.hlp"} << "share/tovalo/tvo.hlp";
    QTest::newRow("both: the build folder's wins") << QStringList{"bin/tvo.hlp", "share/tovalo/tvo.hlp"}
                                                    << "bin/tvo.hlp";
    QTest::newRow("neither: named beside the program") << QStringList{} << "bin/tvo.hlp";
}

void TestDataFile::findsTheFile()
{
    QFETCH(QStringList, present);
    QFETCH(QString, found);
    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    QDir(prefix.path()).mkpath(QStringLiteral("bin"));
    for (const QString &file : present) {
        QDir(prefix.path()).mkpath(QFileInfo(file).path());
        QFile f(prefix.filePath(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QCOMPARE(DataFile::path(QStringLiteral("tvo.hlp"), prefix.filePath(QStringLiteral("bin"))), prefix.filePath(found));
}

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
