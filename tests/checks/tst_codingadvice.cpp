#include "checks/casemappedsearch.h"
#include "checks/codingadvice.h"

#include <QtTest>

Q_DECLARE_METATYPE(CaseMappedSearch::Mapping)

namespace {

const QString Right = QStringLiteral("警告：<center>タグはありますが<right>という名前のタグは存在しません。");
const QString LinkText = QStringLiteral("注意：リンク先の説明に「コチラ」や「ココ」を指定するのは望ましくありません。");
const QString EmptyTitle = QStringLiteral("警告：タイトルが空欄です。ページのタイトルを設定して下さい。");
const QString Doctype = QStringLiteral("<!DOCTYPE等がないので[Ctrl + F2]を押してページ設定を行って下さい。");
const QString AttributeQuote = QStringLiteral("注意：属性はダブルクォーテーションで囲んで下さい");

} // namespace

// The coding advice and the line check, without any window.
class TestCodingAdvice : public QObject
{
    Q_OBJECT

private slots:
    void caseMappedSearch_data();
    void caseMappedSearch();
    void check_data();
    void check();
    void lineCheck_data();
    void lineCheck();
};

void TestCodingAdvice::caseMappedSearch_data()
{
    using Mapping = CaseMappedSearch::Mapping;
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<Mapping>("mapping");
    QTest::addColumn<int>("index");

    QTest::newRow("<P><RIGHT> as <right>") << "<P><RIGHT>" << "<right>" << Mapping::Lower << 3;
    QTest::newRow("<Right> mixed case") << "<Right>" << "<right>" << Mapping::Lower << 0;
    QTest::newRow("<<right>: a bracket too many before") << "<<right>" << "<right>" << Mapping::Lower << 1;
    QTest::newRow("<righ at the end: cut off") << "x<righ" << "<right>" << Mapping::Lower << -1;
    QTest::newRow("at the very end") << "xx<right>" << "<right>" << Mapping::Lower << 2;
    QTest::newRow("first of two") << "<RIGHT><right>" << "<right>" << Mapping::Lower << 0;
    QTest::newRow("full-width letters are other letters") << "<ｒｉｇｈｔ>" << "<right>" << Mapping::Lower << -1;
    QTest::newRow("<!DOCTYPE as <!doctype") << "<!DOCTYPE html>" << "<!doctype" << Mapping::Lower << 0;
    QTest::newRow("ここ</a> as ここ</A>") << "x ここ</a>" << "ここ</A>" << Mapping::Upper << 2;
    QTest::newRow("ここ </a>: a blank in between") << "ここ </a>" << "ここ</A>" << Mapping::Upper << -1;
    QTest::newRow("コ repeated before コチラ") << "ココチラ</A>" << "コチラ</A>" << Mapping::Upper << 1;
    QTest::newRow("upper mapping leaves </b> alone") << "ここ</b>" << "ここ</A>" << Mapping::Upper << -1;
    QTest::newRow("pattern starting with a letter") << "xAbc" << "abc" << Mapping::Lower << 1;
    QTest::newRow("Greek capitals mapped too") << "xΣΑ" << "σα" << Mapping::Lower << 1;
    QTest::newRow("text shorter than the pattern") << "<r" << "<right>" << Mapping::Lower << -1;
    QTest::newRow("empty text") << "" << "<right>" << Mapping::Lower << -1;
}

void TestCodingAdvice::caseMappedSearch()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(CaseMappedSearch::Mapping, mapping);
    QFETCH(int, index);

    QCOMPARE(CaseMappedSearch::indexOf(text, pattern, mapping), qsizetype(index));
    // The same as searching a lower- or upper-cased copy of the text.
    const QString copy = mapping == CaseMappedSearch::Mapping::Lower ? text.toLower() : text.toUpper();
    QCOMPARE(copy.indexOf(pattern), qsizetype(index));
}

void TestCodingAdvice::check_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("caret");
    QTest::addColumn<QString>("message");
    QTest::addColumn<qint64>("errPoint");

    const QString d = QStringLiteral("<!DOCTYPE>"); // ten characters
    const QString x = QStringLiteral("x");
    QTest::newRow("DOCTYPE and a title: no advice, caret kept")
        << "<!DOCTYPE html><title>a</title>" << qint64(5) << QString() << qint64(5);
    QTest::newRow("<!doctype html> counts as present")
        << "<!doctype html><p>" << qint64(3) << QString() << qint64(3);
    QTest::newRow("no DOCTYPE wins over everything") << "<right><title></title>ここ</a>" << qint64(4)
                                                     << Doctype << qint64(0);
    QTest::newRow("empty text: no DOCTYPE") << "" << qint64(0) << Doctype << qint64(0);
    QTest::newRow("<RIGHT> on the second line")
        << "<!DOCTYPE html>\r\n<RIGHT>x" << qint64(0) << Right << qint64(18);
    QTest::newRow("DOCTYPE after the finding still counts") << "<right><!DOCTYPE>" << qint64(0) << Right
                                                            << qint64(1);
    QTest::newRow("first <right> of two") << d + "<right>x<right>" << qint64(0) << Right << qint64(11);
    QTest::newRow("<TITLE></TITLE>: between the tags")
        << d + "<TITLE></TITLE>" << qint64(0) << EmptyTitle << qint64(17);
    QTest::newRow("<title> </title> is not empty") << d + "<title> </title>" << qint64(2) << QString()
                                                   << qint64(2);
    QTest::newRow("empty title after <right>: the title wins")
        << d + "<right><title></title>" << qint64(0) << EmptyTitle << qint64(24);
    QTest::newRow("コチラ</A>") << d + "<a>コチラ</A>" << qint64(0) << LinkText << qint64(14);
    QTest::newRow("ココ</a>") << d + "ココ</a>" << qint64(0) << LinkText << qint64(11);
    QTest::newRow("こちら</a>") << d + "こちら</a>" << qint64(0) << LinkText << qint64(11);
    QTest::newRow("ここ</a> in any case") << d + "ここ</A>" << qint64(0) << LinkText << qint64(11);
    QTest::newRow("ここ </a> with a blank: nothing") << d + "ここ </a>" << qint64(7) << QString()
                                                     << qint64(7);
    QTest::newRow("コチラ then ここ: ここ is the later rule")
        << d + "コチラ</a>ここ</a>" << qint64(0) << LinkText << qint64(18);
    QTest::newRow("link text after an empty title: the title wins")
        << d + "<title></title>ここ</a>" << qint64(0) << EmptyTitle << qint64(17);
    QTest::newRow("caret beyond 32767 kept") << d << qint64(40000) << QString() << qint64(40000);
    QTest::newRow("finding beyond 32767") << d + x.repeated(40000) + "<right>" << qint64(0) << Right
                                          << qint64(40011);
}

void TestCodingAdvice::check()
{
    QFETCH(QString, text);
    QFETCH(qint64, caret);
    QFETCH(QString, message);
    QFETCH(qint64, errPoint);

    const Advice advice = CodingAdviceRules::check(text, caret);
    QCOMPARE(advice.message, message);
    QCOMPARE(qint64(advice.errPoint), errPoint);
}

void TestCodingAdvice::lineCheck_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("message");

    QTest::newRow("<td width=50>") << "<td width=50>" << AttributeQuote;
    QTest::newRow("<img src=a.gif>") << "<img src=a.gif>" << AttributeQuote;
    QTest::newRow("<td width=\"50\">") << "<td width=\"50\">" << QString();
    QTest::newRow("<p>: no blank") << "<p>" << QString();
    QTest::newRow("a b: no bracket") << "a b" << QString();
    QTest::newRow("<td width='50'>: single quotes do not count") << "<td width='50'>" << AttributeQuote;
    QTest::newRow("<td　width=50>: full-width blank") << "<td　width=50>" << QString();
    QTest::newRow("<td\\twidth=50>: tab") << "<td\twidth=50>" << QString();
    QTest::newRow("one quote anywhere silences it") << "<a href=\"x y>" << QString();
    QTest::newRow("empty line") << "" << QString();
}

void TestCodingAdvice::lineCheck()
{
    QFETCH(QString, line);
    QFETCH(QString, message);
    QCOMPARE(CodingAdviceRules::lineCheck(line), message);
}

QTEST_MAIN(TestCodingAdvice)
#include "tst_codingadvice.moc"
