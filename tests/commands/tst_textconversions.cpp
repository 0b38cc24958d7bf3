#include "commands/textconversions.h"
#include "commands/textreplace.h"

#include <QtTest>

// The replacement routine and the rewrites of the edit menu, without any window.
class TestTextConversions : public QObject
{
    Q_OBJECT

private slots:
    void replace_data();
    void replace();
    void characters_data();
    void characters();
    void charactersMatchFourReplacements_data();
    void charactersMatchFourReplacements();
    void lineBreaks_data();
    void lineBreaks();
    void both_data();
    void both();
    void letterCase_data();
    void letterCase();
};

void TestTextConversions::replace_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("searched");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("result");

    const QString a = QStringLiteral("a");
    QTest::newRow("aXYbXY: resumes at the second character") << "aXYbXY" << "XY" << "Z" << "aZYbZY";
    QTest::newRow("a\\b\\c: one character, just after it") << "a\\b\\c" << "\\" << "/" << "a/b/c";
    QTest::newRow("CR LF -> <br> keeps the LF") << "a\r\nb" << "\r\n" << "<br>" << "a<br>\nb";
    QTest::newRow("replacement is never searched again") << "aa" << "a" << "aa" << "aaaa";
    QTest::newRow("aaa/aa: overlapping occurrences") << "aaa" << "aa" << "X" << "XXa";
    QTest::newRow("case-sensitive: X stays, x goes") << "aXbx" << "x" << "y" << "aXby";
    QTest::newRow("no occurrence: unchanged") << "abc" << "d" << "e" << "abc";
    QTest::newRow("empty searched: unchanged") << "abc" << "" << "e" << "abc";
    QTest::newRow("empty source") << "" << "a" << "b" << "";
    QTest::newRow("searched longer than the source") << "ab" << "abc" << "x" << "ab";
    QTest::newRow("occurrence at the very end") << "ab" << "b" << "" << "a";
    QTest::newRow("whole source is the occurrence") << "XY" << "XY" << "Z" << "ZY";
    QTest::newRow("empty replacement drops only the first character") << "aXYb" << "XY" << "" << "aYb";
    QTest::newRow("Japanese text") << "改行\r\n終わり" << "\r\n" << "<br>" << "改行<br>\n終わり";
    QTest::newRow("emoji searched: no half character left") << "x😀y😀" << "😀" << "!" << "x!y!";
    QTest::newRow("40000 occurrences, all replaced") << a.repeated(40000) << "a" << "bc"
                                                     << QStringLiteral("bc").repeated(40000);
    QTest::newRow("40000 characters between two occurrences")
        << "X" + a.repeated(40000) + "X" << "X" << "Y" << "Y" + a.repeated(40000) + "Y";
}

void TestTextConversions::replace()
{
    QFETCH(QString, source);
    QFETCH(QString, searched);
    QFETCH(QString, replacement);
    QFETCH(QString, result);
    QCOMPARE(TextReplace::replace(source, searched, replacement), result);
}

void TestTextConversions::characters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("converted");

    QTest::newRow("a < b & c: the ampersand too")
        << "a < b & c" << "a&nbsp;&lt;&nbsp;b&nbsp;&amp;&nbsp;c";
    QTest::newRow("&lt; pasted shows as &lt; on the page") << "&lt;" << "&amp;lt;";
    QTest::newRow("<p>") << "<p>" << "&lt;p&gt;";
    QTest::newRow("two blanks, two &nbsp;") << "a  b" << "a&nbsp;&nbsp;b";
    QTest::newRow("quotes, tab and apostrophe stay") << "\"x\"\t'" << "\"x\"\t'";
    QTest::newRow("full-width blank stays") << "a　b" << "a　b";
    QTest::newRow("line break stays") << "a\r\nb" << "a\r\nb";
    QTest::newRow("nothing to convert") << "abc" << "abc";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("only specials") << "<>& " << "&lt;&gt;&amp;&nbsp;";
}

void TestTextConversions::characters()
{
    QFETCH(QString, text);
    QFETCH(QString, converted);
    QCOMPARE(TextConversions::characters(text), converted);
}

void TestTextConversions::charactersMatchFourReplacements_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("markup with attributes") << "<a href=\"x.html\">a & b</a>";
    QTest::newRow("references already written") << "&amp; &lt;&gt; &nbsp;";
    QTest::newRow("brackets next to each other") << "<<>>&&  ";
    QTest::newRow("several lines") << "<p>\r\n x > y\r\n";
}

// The single pass must give what the four replacements give one after the
// other, ampersand first.
void TestTextConversions::charactersMatchFourReplacements()
{
    QFETCH(QString, text);
    QString stepwise = TextReplace::replace(text, "&", "&amp;");
    stepwise = TextReplace::replace(stepwise, "<", "&lt;");
    stepwise = TextReplace::replace(stepwise, ">", "&gt;");
    stepwise = TextReplace::replace(stepwise, " ", "&nbsp;");
    QCOMPARE(TextConversions::characters(text), stepwise);
}

void TestTextConversions::lineBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("converted");

    QTest::newRow("a CR LF b") << "a\r\nb" << "a<br>\nb";
    QTest::newRow("break at the end") << "a\r\n" << "a<br>\n";
    QTest::newRow("two empty lines") << "\r\n\r\n" << "<br>\n<br>\n";
    QTest::newRow("lone LF and lone CR stay") << "a\nb\rc" << "a\nb\rc";
    QTest::newRow("CR CR LF: only the pair") << "\r\r\n" << "\r<br>\n";
    QTest::newRow("markup is not converted") << "<p>\r\n" << "<p><br>\n";
    QTest::newRow("no break") << "abc" << "abc";
}

void TestTextConversions::lineBreaks()
{
    QFETCH(QString, text);
    QFETCH(QString, converted);
    QCOMPARE(TextConversions::lineBreaks(text), converted);
}

void TestTextConversions::both_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("converted");

    QTest::newRow("<p> CR LF x: the LF stays") << "<p>\r\nx" << "&lt;p&gt;<br>\nx";
    QTest::newRow("the <br> written is not converted") << "a b\r\n" << "a&nbsp;b<br>\n";
    QTest::newRow("ampersand before a break") << "&\r\n&" << "&amp;<br>\n&amp;";
    QTest::newRow("empty") << "" << "";
}

void TestTextConversions::both()
{
    QFETCH(QString, text);
    QFETCH(QString, converted);
    QCOMPARE(TextConversions::both(text), converted);
}

void TestTextConversions::letterCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");

    QTest::newRow("tags, attributes and content alike")
        << "<p Class=x>Abc</p>" << "<P CLASS=X>ABC</P>" << "<p class=x>abc</p>";
    QTest::newRow("full-width letters") << "ａＢ" << "ＡＢ" << "ａｂ";
    QTest::newRow("Japanese and digits stay") << "日本語12" << "日本語12" << "日本語12";
    QTest::newRow("line breaks stay") << "a\r\nB" << "A\r\nB" << "a\r\nb";
    QTest::newRow("empty") << "" << "" << "";
}

void TestTextConversions::letterCase()
{
    QFETCH(QString, text);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QCOMPARE(TextConversions::upperCase(text), upper);
    QCOMPARE(TextConversions::lowerCase(text), lower);
}

QTEST_MAIN(TestTextConversions)
#include "tst_textconversions.moc"
