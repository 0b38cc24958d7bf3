#include "generators/charsetlist.h"
#include "generators/doctypedeclaration.h"
#include "generators/doctypelist.h"
#include "generators/languagelist.h"
#include "generators/pagesettingsreader.h"
#include "generators/pagesettingswriter.h"
#include "generators/sourceedit.h"

#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(PageSettings)

namespace {

QString lines(const QStringList &list)
{
    return list.join(QStringLiteral("\r\n"));
}

const QString kDoctype = QStringLiteral(R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">)");
const QString kScript = QStringLiteral(R"(<meta http-equiv="Content-Script-Type" content="text/javascript">)");
const QString kStyle = QStringLiteral(R"(<meta http-equiv="Content-Style-Type" content="text/css">)");

QString charsetMeta(const QString &charset = QStringLiteral("Shift_JIS"))
{
    return QStringLiteral(R"(<meta http-equiv="Content-Type" content="text/html; charset=)") + charset
        + QStringLiteral("\">");
}

// What the basic tag input writes.
PieceList skeleton()
{
    return {{lines({"<html>", "<head>", "<title>新規Webページ</title>", "</head>", "<body>", "", "", "</body>",
                    "</html>"}),
             std::nullopt}};
}

PageSettings settings(const std::function<void(PageSettings &)> &change = {})
{
    PageSettings s;
    if (change)
        change(s);
    return s;
}

QString written(const QString &text, const PageSettings &s)
{
    return applyEdits(text, PageSettingsWriter::write(text, s, skeleton()));
}

} // namespace

// The page settings read out of a page and written back into it.
class TestPageSettings : public QObject
{
    Q_OBJECT

private slots:
    void declaration_data();
    void declaration();
    void everyXhtmlEntryGetsASystemIdentifier();
    void listsHoldTheDefaults();
    void read_data();
    void read();
    void lastValueReadStaysSelected();
    void write_data();
    void write();
    void writingTwiceChangesNothing_data();
    void writingTwiceChangesNothing();
    void noChangeApplyKeepsThePage_data();
    void noChangeApplyKeepsThePage();
    void everyEntryReadsBackAsWritten();
    void piecesCarryTheSyntaxColours();
};

void TestPageSettings::declaration_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("declaration");

    QTest::newRow("default entry") << "-//W3C//DTD HTML 4.01 Transitional//EN" << kDoctype;
    QTest::newRow("HTMLPLUS: SYSTEM keyword") << "HTMLPLUS.DTD" << R"(<!DOCTYPE HTMLPLUS SYSTEM "HTMLPLUS.DTD">)";
    QTest::newRow("i-mode: bare file name as system identifier")
        << "-//i-mode group (ja)//DTD XHTML i-XHTML(Locale/Ver.=ja/1.0) 1.0//EN"
        << R"(<!DOCTYPE html PUBLIC "-//i-mode group (ja)//DTD XHTML i-XHTML(Locale/Ver.=ja/1.0) 1.0//EN" "i-xhtml_4ja_10.dtd">)";
    QTest::newRow("XHTML strict: lower-case html and its URL")
        << "-//W3C//DTD XHTML 1.0 Strict//EN"
        << R"(<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Strict//EN" "http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd">)";
    QTest::newRow("typed text matching nothing: HTML PUBLIC, no system identifier")
        << "my own dtd" << R"(<!DOCTYPE HTML PUBLIC "my own dtd">)";
    QTest::newRow("typed mobile file: HTML SYSTEM") << "html40-mobile.dtd" << R"(<!DOCTYPE HTML SYSTEM "html40-mobile.dtd">)";
    QTest::newRow("HTML5 entry") << "HTML5" << "<!DOCTYPE html>";
    QTest::newRow("html5 typed in lower case") << "html5" << "<!DOCTYPE html>";
}

void TestPageSettings::declaration()
{
    QFETCH(QString, entry);
    QFETCH(QString, declaration);
    QCOMPARE(piecesText(DoctypeDeclaration::pieces(entry, false)), declaration);
    QCOMPARE(piecesText(DoctypeDeclaration::pieces(entry, true)), declaration + "\r\n");
}

void TestPageSettings::everyXhtmlEntryGetsASystemIdentifier()
{
    int xhtml = 0;
    for (const QString &entry : DoctypeList::entries()) {
        if (!entry.contains(QLatin1String("XHTML")))
            continue;
        ++xhtml;
        QCOMPARE(DoctypeDeclaration::keyword(entry), QStringLiteral("html PUBLIC"));
        QVERIFY2(!DoctypeDeclaration::systemIdentifier(entry).isEmpty(), qPrintable(entry));
    }
    QCOMPARE(xhtml, 6);
}

void TestPageSettings::listsHoldTheDefaults()
{
    const PageSettings defaults;
    QCOMPARE(DoctypeList::entries().size(), 22);
    QCOMPARE(DoctypeList::entries().indexOf(defaults.doctype), 9);
    QCOMPARE(DoctypeList::entries().last(), QStringLiteral("HTML5"));
    QCOMPARE(CharsetList::entries().indexOf(defaults.charset), 0);
    QVERIFY(CharsetList::entries().contains(QStringLiteral("UTF-8")));
    QCOMPARE(LanguageList::entries().size(), 11);
    QCOMPARE(LanguageList::entries().indexOf(defaults.language), 8);
}

void TestPageSettings::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<PageSettings>("expected");

    QTest::newRow("empty page: the defaults") << "" << settings();
    QTest::newRow("upper-case charset variant")
        << R"(<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=euc-jp">)"
        << settings([](PageSettings &s) { s.charset = "euc-jp"; });
    QTest::newRow("later variant wins over an earlier one")
        << lines({R"(<meta http-equiv="Content-Type" content="text/html; charset=UTF-8">)",
                  R"(<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=euc-jp">)"})
        << settings([](PageSettings &s) { s.charset = "UTF-8"; });
    QTest::newRow("charset without closing quote: read as the file loader reads it")
        << R"(<meta http-equiv="Content-Type" content="text/html; charset=euc-jp><html lang="en-US">)"
        << settings([](PageSettings &s) { s.charset = "euc-jp"; s.language = "en-US"; });
    QTest::newRow("short charset meta of an HTML5 page, any letter case")
        << "<!DOCTYPE html>\r\n<head><Meta Charset=\"utf-8\">"
        << settings([](PageSettings &s) { s.doctype = "HTML5"; s.charset = "utf-8"; });
    QTest::newRow("the first declaration wins, as when the file is read")
        << lines({R"(<!-- <meta charset="euc-jp"> -->)", R"(<meta charset="x-unknown"><meta charset="utf-8">)",
                  charsetMeta("euc-jp")})
        << settings([](PageSettings &s) { s.charset = "utf-8"; });
    QTest::newRow("a charset we can't write is still shown, not the default")
        << R"(<meta charset="iso-8859-1">)" << settings([](PageSettings &s) { s.charset = "iso-8859-1"; });
    QTest::newRow("script and style metas in mixed variants")
        << lines({R"(<META http-equiv="Content-Script-Type" content="text/javascript">)",
                  R"(<META HTTP-EQUIV="Content-Style-Type" CONTENT="text/css">)"})
        << settings([](PageSettings &s) { s.scriptType = s.styleType = true; });
    QTest::newRow("LANG in capitals") << R"(<HTML LANG="en-US">)"
                                      << settings([](PageSettings &s) { s.language = "en-US"; });
    QTest::newRow("lang in odd letter case") << R"(<Html Lang="fr-FR">)"
                                             << settings([](PageSettings &s) { s.language = "fr-FR"; });
    QTest::newRow("lang without closing quote: default kept") << R"(<html lang="en>)" << settings();
    QTest::newRow("TITLE in capitals") << "<TITLE>Top</TITLE>" << settings([](PageSettings &s) { s.title = "Top"; });
    QTest::newRow("Title in odd letter case") << "<Title>トップ</tItle>"
                                              << settings([](PageSettings &s) { s.title = "トップ"; });
    QTest::newRow("title never closed: empty") << "<title>Top" << settings();
    QTest::newRow("title left open before a meta, an end tag far below: empty")
        << "<title>Top\r\n<meta name=\"x\">\r\n<body></body></title>" << settings();
    QTest::newRow("<!doctype html> in lower case: HTML5")
        << "<!doctype html>\r\n<html>" << settings([](PageSettings &s) { s.doctype = "HTML5"; });
    QTest::newRow("declaration with system identifier: its public one")
        << R"(<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.1//EN" "http://www.w3.org/TR/xhtml11/DTD/xhtml11.dtd">)"
        << settings([](PageSettings &s) { s.doctype = "-//W3C//DTD XHTML 1.1//EN"; });
    QTest::newRow("public identifier in single quotes")
        << "<!DOCTYPE HTML PUBLIC '-//W3C//DTD HTML 4.01//EN'>"
        << settings([](PageSettings &s) { s.doctype = "-//W3C//DTD HTML 4.01//EN"; });
    QTest::newRow("declaration naming nothing known: default") << "<!DOCTYPE foo>" << settings();
}

void TestPageSettings::read()
{
    QFETCH(QString, text);
    QFETCH(PageSettings, expected);
    const PageSettings got = PageSettingsReader::read(text);
    QCOMPARE(got.doctype, expected.doctype);
    QCOMPARE(got.charset, expected.charset);
    QCOMPARE(got.language, expected.language);
    QCOMPARE(got.title, expected.title);
    QCOMPARE(got.scriptType, expected.scriptType);
    QCOMPARE(got.styleType, expected.styleType);
}

void TestPageSettings::lastValueReadStaysSelected()
{
    const QString text = lines({charsetMeta(), R"(<html lang="ja-JP">)", "<title>abc</title>"});
    PageSettingsReader::Span span;
    PageSettingsReader::read(text, &span);
    QCOMPARE(text.mid(span.start, span.length), QStringLiteral("abc"));

    PageSettingsReader::read(QStringLiteral("<p>nothing</p>"), &span);
    QCOMPARE(span.start, qsizetype(-1));
}

void TestPageSettings::write_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<PageSettings>("applied");
    QTest::addColumn<QString>("expected");

    const QString page = lines({"<html>", "<head>", "<title>t</title>", "</head>", "<body>", "</body>", "</html>"});

    QTest::newRow("empty page, defaults: declaration, skeleton and head")
        << "" << settings()
        << lines({kDoctype, R"(<html lang="ja-JP">)", "<head>", charsetMeta(), "<title></title>", "</head>", "<body>",
                  "", "", "</body>", "</html>"});
    QTest::newRow("bare head: charset meta right after <head>")
        << page << settings([](PageSettings &s) { s.title = "t"; })
        << lines({kDoctype, R"(<html lang="ja-JP">)", "<head>", charsetMeta(), "<title>t</title>", "</head>", "<body>",
                  "</body>", "</html>"});
    QTest::newRow("everything missing: title, style, script, charset in that order")
        << "<HEAD>\r\n</HEAD>" << settings([](PageSettings &s) { s.scriptType = s.styleType = true; })
        << lines({kDoctype, "<HEAD>", "<title></title>", kStyle, kScript, charsetMeta(), "</HEAD>"});
    QTest::newRow("existing declaration replaced where it stands, no extra line")
        << R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 3.2//EN">)" "\r\n<html lang=\"ja-JP\"><head>" + charsetMeta()
               + "<title>t</title>"
        << settings([](PageSettings &s) { s.title = "t"; })
        << kDoctype + "\r\n<html lang=\"ja-JP\"><head>" + charsetMeta() + "<title>t</title>";
    QTest::newRow("lower-case <!doctype html> replaced, not doubled")
        << "<!doctype html>\r\n<html lang=\"ja-JP\"><head>" + charsetMeta() + "<title>t</title>"
        << settings([](PageSettings &s) { s.title = "t"; })
        << kDoctype + "\r\n<html lang=\"ja-JP\"><head>" + charsetMeta() + "<title>t</title>";
    QTest::newRow("HTML5 entry writes the short declaration")
        << "<html lang=\"ja-JP\"><head>" + charsetMeta() + "<title>t</title>"
        << settings([](PageSettings &s) { s.doctype = "HTML5"; s.title = "t"; })
        << "<!DOCTYPE html>\r\n<html lang=\"ja-JP\"><head>" + charsetMeta() + "<title>t</title>";
    QTest::newRow("declaration never closed: left alone, new one above")
        << "<!DOCTYPE html\r\n<title>t</title>" + charsetMeta() + "<html lang=\"ja-JP\">"
        << settings([](PageSettings &s) { s.title = "t"; })
        << kDoctype + "\r\n<!DOCTYPE html\r\n<title>t</title>" + charsetMeta() + "<html lang=\"ja-JP\">";
    QTest::newRow("charset value replaced in the capitals variant")
        << kDoctype + R"(<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=euc-jp"><html lang="ja-JP"><title>t</title>)"
        << settings([](PageSettings &s) { s.charset = "UTF-8"; s.title = "t"; })
        << kDoctype + R"(<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8"><html lang="ja-JP"><title>t</title>)";
    QTest::newRow("charset without closing quote: its value replaced, no second declaration")
        << kDoctype + R"(<meta http-equiv="Content-Type" content="text/html; charset=euc-jp><html lang="ja-JP"><title>t</title>)"
        << settings([](PageSettings &s) { s.title = "t"; })
        << kDoctype + R"(<meta http-equiv="Content-Type" content="text/html; charset=Shift_JIS><html lang="ja-JP"><title>t</title>)";
    QTest::newRow("unticked script meta goes with its line break")
        << lines({kDoctype, "<head>", charsetMeta(), kScript, "<title>t</title>"}) + "<html lang=\"ja-JP\">"
        << settings([](PageSettings &s) { s.title = "t"; })
        << lines({kDoctype, "<head>", charsetMeta(), "<title>t</title>"}) + "<html lang=\"ja-JP\">";
    QTest::newRow("unticked script meta ending the file: nothing else eaten")
        << lines({kDoctype, "<html lang=\"ja-JP\"><head><title>t</title>", charsetMeta(), "x"}) + kScript
        << settings([](PageSettings &s) { s.title = "t"; })
        << lines({kDoctype, "<html lang=\"ja-JP\"><head><title>t</title>", charsetMeta(), "x"});
    QTest::newRow("unticked style meta with text after it on its line: text kept")
        << lines({kDoctype, "<html lang=\"ja-JP\"><head><title>t</title>" + charsetMeta(),
                  R"(<META http-equiv="Content-Style-Type" content="text/css"><link rel="x">)", "next line"})
        << settings([](PageSettings &s) { s.title = "t"; })
        << lines({kDoctype, "<html lang=\"ja-JP\"><head><title>t</title>" + charsetMeta(), R"(<link rel="x">)",
                  "next line"});
    QTest::newRow("unticked style meta written twice in the page: both copies go")
        << lines({kDoctype, "<html lang=\"ja-JP\"><head><title>t</title>" + charsetMeta(), kStyle, "<p>x</p>", kStyle})
        << settings([](PageSettings &s) { s.title = "t"; })
        << lines({kDoctype, "<html lang=\"ja-JP\"><head><title>t</title>" + charsetMeta(), "<p>x</p>", ""});
    QTest::newRow("unticked style meta split by another copy: the copy the removal joins goes too")
        << kDoctype + "<html lang=\"ja-JP\"><head><title>t</title>" + charsetMeta()
               + kStyle.left(20) + kStyle + kStyle.mid(20)
        << settings([](PageSettings &s) { s.title = "t"; })
        << kDoctype + "<html lang=\"ja-JP\"><head><title>t</title>" + charsetMeta();
    QTest::newRow("style meta splitting a charset meta: removed first, the joined charset value written")
        << kDoctype + "<html lang=\"ja-JP\"><head><title>t</title>" + charsetMeta("euc-jp").left(30) + kStyle
               + charsetMeta("euc-jp").mid(30)
        << settings([](PageSettings &s) { s.title = "t"; })
        << kDoctype + "<html lang=\"ja-JP\"><head><title>t</title>" + charsetMeta();
    QTest::newRow("style meta splitting a script meta, both unticked: both go")
        << kDoctype + "<html lang=\"ja-JP\"><head><title>t</title>" + charsetMeta() + kScript.left(20) + kStyle
               + kScript.mid(20)
        << settings([](PageSettings &s) { s.title = "t"; })
        << kDoctype + "<html lang=\"ja-JP\"><head><title>t</title>" + charsetMeta();
    QTest::newRow("ticked script meta already there: kept once")
        << lines({kDoctype, "<html lang=\"ja-JP\"><head><title>t</title>", charsetMeta(), kScript})
        << settings([](PageSettings &s) { s.title = "t"; s.scriptType = true; })
        << lines({kDoctype, "<html lang=\"ja-JP\"><head><title>t</title>", charsetMeta(), kScript});
    QTest::newRow("lang value replaced whatever its letter case")
        << kDoctype + "<Html Lang=\"en\"><head>" + charsetMeta() + "<title>t</title>"
        << settings([](PageSettings &s) { s.title = "t"; s.language = "ko-KR"; })
        << kDoctype + "<Html Lang=\"ko-KR\"><head>" + charsetMeta() + "<title>t</title>";
    QTest::newRow("lang added to a bare <HTML>")
        << kDoctype + "<HTML><head>" + charsetMeta() + "<title>t</title>"
        << settings([](PageSettings &s) { s.title = "t"; })
        << kDoctype + "<HTML lang=\"ja-JP\"><head>" + charsetMeta() + "<title>t</title>";
    QTest::newRow("lang without closing quote left as it was")
        << kDoctype + "<html lang=\"en><head>" + charsetMeta() + "<title>t</title>"
        << settings([](PageSettings &s) { s.title = "t"; })
        << kDoctype + "<html lang=\"en><head>" + charsetMeta() + "<title>t</title>";
    QTest::newRow("title text replaced between the tags")
        << kDoctype + "<html lang=\"ja-JP\"><head>" + charsetMeta() + "<TITLE>old</TITLE>"
        << settings([](PageSettings &s) { s.title = "新しい題"; })
        << kDoctype + "<html lang=\"ja-JP\"><head>" + charsetMeta() + "<TITLE>新しい題</TITLE>";
    QTest::newRow("title never closed: untouched, no second title")
        << kDoctype + "<html lang=\"ja-JP\"><head>" + charsetMeta() + "<title>old"
        << settings([](PageSettings &s) { s.title = "new"; })
        << kDoctype + "<html lang=\"ja-JP\"><head>" + charsetMeta() + "<title>old";
    QTest::newRow("title left open before the charset meta: the meta and the body kept")
        << lines({kDoctype, "<html lang=\"ja-JP\"><head><title>old", charsetMeta("euc-jp"),
                  "</head><body>本文</body><title>t</title>"})
        << settings([](PageSettings &s) { s.title = "new"; })
        << lines({kDoctype, "<html lang=\"ja-JP\"><head><title>old", charsetMeta(),
                  "</head><body>本文</body><title>t</title>"});
    QTest::newRow("<title> inside a <TITLE>: the inner end tag closes only the inner one")
        << kDoctype + "<html lang=\"ja-JP\"><head>" + charsetMeta() + "<title>a<TITLE>b</title>"
        << settings([](PageSettings &s) { s.title = "new"; })
        << kDoctype + "<html lang=\"ja-JP\"><head>" + charsetMeta() + "<title>a<TITLE>new</title>";
    QTest::newRow("<Title> in odd case replaced, no second title")
        << kDoctype + "<html lang=\"ja-JP\"><head>" + charsetMeta() + "<Title>old</Title>"
        << settings([](PageSettings &s) { s.title = "new"; })
        << kDoctype + "<html lang=\"ja-JP\"><head>" + charsetMeta() + "<Title>new</Title>";
    QTest::newRow("charset there but no head: new elements after the html start tag")
        << kDoctype + "<html lang=\"ja-JP\">" + charsetMeta()
        << settings([](PageSettings &s) { s.title = "t"; })
        << kDoctype + "<html lang=\"ja-JP\">\r\n<title>t</title>" + charsetMeta();
    QTest::newRow("every declaration gets the new value; the commented-out one stays")
        << kDoctype + R"(<?xml encoding="utf-8"?><!-- <meta charset=x> --><META CHARSET=UTF-8><html lang="ja-JP"><title>t</title>)"
        << settings([](PageSettings &s) { s.title = "t"; s.charset = "euc-jp"; })
        << kDoctype + R"(<?xml encoding="euc-jp"?><!-- <meta charset=x> --><META CHARSET=euc-jp><html lang="ja-JP"><title>t</title>)";
    const QString html5 = "<!DOCTYPE html>\r\n<html lang=\"ja-JP\"><head>\r\n<meta charset=\"%1\">\r\n<title>t</title>";
    QTest::newRow("short charset meta: its value replaced, no second declaration")
        << html5.arg("utf-8") << settings([](PageSettings &s) { s.doctype = "HTML5"; s.charset = "euc-jp"; s.title = "t"; })
        << html5.arg("euc-jp");
}

void TestPageSettings::write()
{
    QFETCH(QString, text);
    QFETCH(PageSettings, applied);
    QFETCH(QString, expected);
    QCOMPARE(written(text, applied), expected);
}

void TestPageSettings::writingTwiceChangesNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<PageSettings>("applied");

    QTest::newRow("empty page, defaults") << "" << settings();
    QTest::newRow("all ticked, own title, UTF-8")
        << lines({"<html>", "<head>", "</head>", "<body>", "</body>", "</html>"})
        << settings([](PageSettings &s) {
               s.scriptType = s.styleType = true;
               s.title = "題名";
               s.charset = "UTF-8";
               s.doctype = "-//W3C//DTD XHTML 1.0 Strict//EN";
           });
    QTest::newRow("metas removed") << lines({"<head>", kScript, kStyle, charsetMeta("euc-jp"), "</head>"})
                                   << settings();
    QTest::newRow("charset meta inside a title left open")
        << lines({"<html>", "<head>", "<title>old", charsetMeta("euc-jp"), "</head>", "<body>", "<h1>x</h1>",
                  "</body>", "<title>t</title>", "</html>"})
        << settings([](PageSettings &s) { s.charset = "UTF-8"; s.scriptType = true; });
    QTest::newRow("style meta twice, in two spellings, unticked")
        << lines({"<html>", "<head>", R"(<META http-equiv="Content-Style-Type" content="text/css">)", kStyle,
                  "</head>", R"(<META http-equiv="Content-Style-Type" content="text/css">)", "</html>"})
        << settings([](PageSettings &s) { s.scriptType = true; });
    QTest::newRow("HTML5 over an old declaration") << "<!DOCTYPE HTML PUBLIC \"x\">\r\n<html><head></head></html>"
                                                   << settings([](PageSettings &s) { s.doctype = "HTML5"; });
    QTest::newRow("head only inside a comment") << "<!-- <html><head> -->\r\n<p>x</p>" << settings();
}

void TestPageSettings::noChangeApplyKeepsThePage_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("expected"); // null: the page as it was

    const QString html5 = lines({"<!DOCTYPE html>", "<html lang=\"ja\">", "<head>", "%1", "<title>t</title>",
                                 "</head>", "<body>本文</body></html>"});
    const auto spelling = [&](const char *name, const char *declaration) {
        QTest::newRow(name) << html5.arg(QLatin1String(declaration)) << QString();
    };
    spelling("meta charset unquoted", "<meta charset=utf-8>");
    spelling("meta charset in single quotes", "<meta charset='utf-8'>");
    spelling("lower-case content-type", R"(<meta http-equiv="content-type" content="text/html; charset=utf-8">)");
    spelling("text/html;charset= without a blank", R"(<meta http-equiv="Content-Type" content="text/html;charset=utf-8">)");
    spelling("content before http-equiv", R"(<meta content="text/html; charset=utf-8" http-equiv="Content-Type">)");
    spelling("all-capitals META", R"(<META HTTP-EQUIV="CONTENT-TYPE" CONTENT="TEXT/HTML; CHARSET=UTF-8">)");

    const QString page = lines({"%1", "<html lang=\"ja\">", "<head>", "<meta charset=\"utf-8\">", "<title>t</title>",
                                "</head></html>"});
    QTest::newRow("HTML 4.01 with its system identifier: kept whole")
        << page.arg(R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN" "http://www.w3.org/TR/html4/loose.dtd">)")
        << QString();
    QTest::newRow("public identifier in single quotes: kept whole")
        << page.arg("<!DOCTYPE HTML PUBLIC '-//W3C//DTD HTML 4.01//EN'>") << QString();
    QTest::newRow("XHTML after an XML declaration")
        << R"(<?xml version="1.0" encoding="UTF-8"?>)" "\r\n"
               + page.arg(R"(<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Strict//EN" "http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd">)")
        << QString();

    QTest::newRow("no head tag: the charset after the declaration, one title")
        << lines({"<!DOCTYPE html>", "<title>x</title>", "<p>本文</p>"})
        << lines({"<!DOCTYPE html>", charsetMeta(), "<title>x</title>", "<p>本文</p>"});
    QTest::newRow("no head tag: the title after the html start tag")
        << lines({"<!DOCTYPE html>", "<html lang=\"ja\">", "<meta charset=\"utf-8\">", "<p>本文</p></html>"})
        << lines({"<!DOCTYPE html>", "<html lang=\"ja\">", "<title></title>", "<meta charset=\"utf-8\">",
                  "<p>本文</p></html>"});
    QTest::newRow("head tag with an attribute: the title right after it")
        << lines({"<!DOCTYPE html>", "<html lang=\"ja\"><head profile=\"p\">", "<meta charset=\"utf-8\">", "</head>"})
        << lines({"<!DOCTYPE html>", "<html lang=\"ja\"><head profile=\"p\">", "<title></title>",
                  "<meta charset=\"utf-8\">", "</head>"});
}

void TestPageSettings::noChangeApplyKeepsThePage()
{
    QFETCH(QString, page);
    QFETCH(QString, expected);
    QCOMPARE(written(page, PageSettingsReader::read(page)), expected.isNull() ? page : expected);
}

void TestPageSettings::writingTwiceChangesNothing()
{
    QFETCH(QString, text);
    QFETCH(PageSettings, applied);
    const QString once = written(text, applied);
    QCOMPARE(written(once, applied), once);
    // And what is read back is what was written.
    QCOMPARE(PageSettingsReader::read(once), applied);
}

void TestPageSettings::everyEntryReadsBackAsWritten()
{
    for (const QString &entry : DoctypeList::entries()) {
        const QString page = written(QStringLiteral("<html><head></head></html>"),
                                     settings([&](PageSettings &s) { s.doctype = entry; }));
        QCOMPARE(PageSettingsReader::read(page).doctype, entry);
    }
}

void TestPageSettings::piecesCarryTheSyntaxColours()
{
    const QString text = QStringLiteral("<head>");
    const SourceEdits edits = PageSettingsWriter::write(text, settings(), skeleton());
    QCOMPARE(edits.size(), 3); // declaration, charset meta, title; the language finds no html tag
    const PieceList declaration = {
        {"<", std::nullopt},
        {R"(!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN")", SyntaxColor::Red},
        {">\r\n", SyntaxColor::Black},
    };
    QCOMPARE(edits[0], (SourceEdit{0, 0, declaration}));
    const PieceList meta = {
        {"\r\n<", std::nullopt},
        {"meta ", SyntaxColor::Blue},
        {"http-equiv=", SyntaxColor::Purple},
        {"\"Content-Type\"", SyntaxColor::Green},
        {" content=", SyntaxColor::Purple},
        {"\"text/html; charset=Shift_JIS\"", SyntaxColor::Green},
        {">", SyntaxColor::Black},
    };
    QCOMPARE(edits[1], (SourceEdit{kDoctype.size() + 2 + 6, 0, meta}));
    const PieceList title = {
        {"\r\n<", std::nullopt},
        {"title", SyntaxColor::Blue},
        {"><", SyntaxColor::Black},
        {"/title", SyntaxColor::Blue},
        {">", SyntaxColor::Black},
    };
    QCOMPARE(edits[2].pieces, title);
}

QTEST_MAIN(TestPageSettings)
#include "tst_pagesettings.moc"
