#include "frame/commandline.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// What the program is asked to do by its words, with real files in a
// temporary folder: a terminal's unquoted path with blanks stays one path,
// a file manager's several files open each.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pathsToOpen_data();
    void pathsToOpen();
    void optionsAnswerWithoutOpening_data();
    void optionsAnswerWithoutOpening();

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
};

void TestCommandLine::initTestCase()
{
    QVERIFY(m_dir.isValid());
    for (const char *name : {"a b.html", "a", "b.html", "one.html", "two.css", "三.js", "x y", "z.html", "x y z.html"}) {
        QFile file(path(QString::fromUtf8(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<p>x</p>");
    }
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder")));
}

// Words are given relative to the temporary folder ("@" stands for it) and so
// are the expected paths.
void TestCommandLine::pathsToOpen_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("paths");

    QTest::newRow("nothing: nothing to open") << QStringList{} << QStringList{};
    QTest::newRow("one file") << QStringList{"@/one.html"} << QStringList{"@/one.html"};
    QTest::newRow("one missing file: still named, for its message")
        << QStringList{"@/nai.html"} << QStringList{"@/nai.html"};
    QTest::newRow("unquoted path with a blank: one file")
        << QStringList{"@/a", "b.html"} << QStringList{"@/a b.html"};
    QTest::newRow("joined name wins even when each word is a file too")
        << QStringList{"@/x", "y", "z.html"} << QStringList{"@/x y z.html"};
    QTest::newRow("two files from a file manager: two")
        << QStringList{"@/one.html", "@/two.css"} << QStringList{"@/one.html", "@/two.css"};
    QTest::newRow("three files keep their order")
        << QStringList{"@/two.css", "@/三.js", "@/one.html"} << QStringList{"@/two.css", "@/三.js", "@/one.html"};
    QTest::newRow("a file whose name has a blank among several")
        << QStringList{"@/a b.html", "@/one.html"} << QStringList{"@/a b.html", "@/one.html"};
    QTest::newRow("one of two missing: joined, as before")
        << QStringList{"@/one.html", "@/nai.html"} << QStringList{"@/one.html @/nai.html"};
    QTest::newRow("a folder among files: joined, as before")
        << QStringList{"@/one.html", "@/folder"} << QStringList{"@/one.html @/folder"};
    QTest::newRow("quoted path with a blank in one word")
        << QStringList{"\"@/a b.html\""} << QStringList{"\"@/a b.html\""};
    QTest::newRow("quoted path split in two words: one file")
        << QStringList{"\"@/a", "b.html\""} << QStringList{"\"@/a b.html\""};
}

void TestCommandLine::pathsToOpen()
{
    QFETCH(QStringList, words);
    QFETCH(QStringList, paths);
    const auto inFolder = [this](QStringList list) {
        for (QString &word : list)
            word.replace(QLatin1Char('@'), m_dir.path());
        return list;
    };
    QCOMPARE(CommandLine::pathsToOpen(inFolder(words)), inFolder(paths));
    const CommandLine::Request request = CommandLine::parse(inFolder(words));
    QCOMPARE(request.action, CommandLine::Action::Open);
    QCOMPARE(request.paths, inFolder(paths));
}

void TestCommandLine::optionsAnswerWithoutOpening_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<CommandLine::Action>("action");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<bool>("quotes");

    QTest::newRow("--version") << QStringList{"--version"} << CommandLine::Action::Version << QStringList{} << false;
    QTest::newRow("--help") << QStringList{"--help"} << CommandLine::Action::Help << QStringList{} << false;
    QTest::newRow("--check with two existing files: checked, not opened")
        << QStringList{"--check", "@/one.html", "@/two.css"} << CommandLine::Action::Check
        << QStringList{"@/one.html", "@/two.css"} << false;
    QTest::newRow("--check --quotes: quotes advised, not a file")
        << QStringList{"--check", "--quotes", "@/one.html"} << CommandLine::Action::Check
        << QStringList{"@/one.html"} << true;
    QTest::newRow("--check -- --quotes: a file of that name")
        << QStringList{"--check", "--", "--quotes"} << CommandLine::Action::Check << QStringList{"--quotes"} << false;
    QTest::newRow("--check of a name with a blank split in two: two names, as the shell gave them")
        << QStringList{"--check", "@/a", "b.html"} << CommandLine::Action::Check << QStringList{"@/a", "b.html"}
        << false;
    QTest::newRow("--check alone: nothing to check") << QStringList{"--check"} << CommandLine::Action::Check
                                                     << QStringList{} << false;
    QTest::newRow("option after a file: a path") << QStringList{"@/one.html", "--version"}
                                                 << CommandLine::Action::Open
                                                 << QStringList{"@/one.html --version"} << false;
}

void TestCommandLine::optionsAnswerWithoutOpening()
{
    QFETCH(QStringList, words);
    QFETCH(CommandLine::Action, action);
    QFETCH(QStringList, paths);
    QFETCH(bool, quotes);
    for (QString &word : words)
        word.replace(QLatin1Char('@'), m_dir.path());
    for (QString &p : paths)
        p.replace(QLatin1Char('@'), m_dir.path());
    const CommandLine::Request request = CommandLine::parse(words);
    QCOMPARE(request.action, action);
    QCOMPARE(request.paths, paths);
    QCOMPARE(request.quotes, quotes);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
