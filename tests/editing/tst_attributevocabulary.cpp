#include "editing/attributevocabulary.h"
#include "editing/tagvocabulary.h"

#include <QtTest>

namespace {

const QStringList kCommon = {"class", "id", "lang", "style", "dir", "title"};

QStringList entriesFor(const QString &tag, bool imode, bool ie)
{
    AttributeVocabulary::Options options;
    options.imodeAttributes = imode;
    options.ieAttributes = ie;
    return AttributeVocabulary::attrListSet(tag, options).entries;
}

} // namespace

class TestAttributeVocabulary : public QObject
{
    Q_OBJECT

private slots:
    void fullList_data();
    void fullList();
    void listShape_data();
    void listShape();
    void duplicatesKept_data();
    void duplicatesKept();
    void tagNameIsLowerCased();
    void everyListedTagButFourHasARow();
    void tagListOrder();
};

void TestAttributeVocabulary::fullList_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("imode");
    QTest::addColumn<bool>("ie");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty tag name") << "" << true << true << QStringList{"（不明なタグ名）"};
    QTest::newRow("made-up tag") << "xyz" << true << true << kCommon;
        QTest::newRow("noembed is empty") << "noembed" << true << true << QStringList{};
        QTest::newRow("menu, i-mode only") << "menu" << true << false
        << QStringList{"compact", "type", "class", "id", "lang", "style", "dir", "title"};
        QTest::newRow("applet, layout group always") << "applet" << false << false
        << QStringList{"alt", "archive", "code", "codebase", "datafld", "datasrc", "mayscript",
                       "object", "src", "align", "height", "width", "hspace", "vspace",
                       "class", "id", "lang", "style", "dir", "title"};
    QTest::newRow("head") << "head" << true << true
        << QStringList{"profile", "class", "id", "lang", "dir", "title"};
    QTest::newRow("label with extensions") << "label" << false << true
        << QStringList{"accesskey", "datafld", "dataformatas", "datasrc", "for",
                       "contenteditable", "disabled", "hidefocus", "tabindex", "unselectable",
                       "language", "class", "id", "lang", "style", "dir", "title"};
    QTest::newRow("doctype") << "!doctype" << true << true
        << QStringList{"html", "htmlplus", "pre-html", "public", "system"};
    QTest::newRow("basefont, short common group") << "basefont" << false << false
        << QStringList{"size", "color", "face", "class", "id", "lang", "style"};
    QTest::newRow("isindex keeps its spelling") << "isindex" << false << false
        << QStringList{"action", "pronpt", "class", "id", "lang", "style", "dir", "title"};
    }

void TestAttributeVocabulary::fullList()
{
    QFETCH(QString, tag);
    QFETCH(bool, imode);
    QFETCH(bool, ie);
    QFETCH(QStringList, expected);
    QCOMPARE(entriesFor(tag, imode, ie), expected);
}

void TestAttributeVocabulary::listShape_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("imode");
    QTest::addColumn<bool>("ie");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("entryAtIndex");
    QTest::addColumn<QString>("last");

    QTest::newRow("a") << "a" << false << false << 22 << 15 << "shape" << "title";
    QTest::newRow("a, i-mode") << "a" << true << false << 34 << 27 << "irst" << "title";
    QTest::newRow("a, extensions") << "a" << false << true << 28 << 16 << "contenteditable"
                                   << "title";
    QTest::newRow("a, both") << "a" << true << true << 40 << 16 << "cti" << "title";
    QTest::newRow("table, layout inside the row") << "table" << false << false << 26 << 8
                                                  << "align" << "title";
    QTest::newRow("embed, no common group") << "embed" << false << false << 28 << 1 << "align"
                                            << "textfocus";
    QTest::newRow("embed, extensions last") << "embed" << false << true << 34 << 28
                                            << "contenteditable" << "language";
    QTest::newRow("frame keeps its spelling") << "frame" << false << true << 20 << 12
                                              << "allowransparency" << "style";
            QTest::newRow("input, extensions") << "input" << false << true << 37 << 25
                                       << "contenteditable" << "title";
            }

void TestAttributeVocabulary::listShape()
{
    QFETCH(QString, tag);
    QFETCH(bool, imode);
    QFETCH(bool, ie);
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(QString, entryAtIndex);
    QFETCH(QString, last);
    const QStringList entries = entriesFor(tag, imode, ie);
    QCOMPARE(entries.size(), count);
    QCOMPARE(entries.at(index), entryAtIndex);
    QCOMPARE(entries.last(), last);
}

void TestAttributeVocabulary::duplicatesKept_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("ie");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<int>("occurrences");

    QTest::newRow("a tabindex") << "a" << true << "tabindex" << 2;
    QTest::newRow("a tabindex without extensions") << "a" << false << "tabindex" << 1;
    QTest::newRow("button disabled") << "button" << true << "disabled" << 2;
    QTest::newRow("input language") << "input" << true << "language" << 2;
        QTest::newRow("th disabled") << "th" << true << "disabled" << 2;
        }

void TestAttributeVocabulary::duplicatesKept()
{
    QFETCH(QString, tag);
    QFETCH(bool, ie);
    QFETCH(QString, attribute);
    QFETCH(int, occurrences);
    QCOMPARE(entriesFor(tag, false, ie).count(attribute), occurrences);
}

void TestAttributeVocabulary::tagNameIsLowerCased()
{
    const AttributeVocabulary::AttrList list =
        AttributeVocabulary::attrListSet(u"A", AttributeVocabulary::Options());
    QCOMPARE(list.tagName, QStringLiteral("a"));
    QCOMPARE(list.entries, entriesFor("a", false, false));
    QCOMPARE(AttributeVocabulary::attrListSet(u"!DocType", {}).tagName, QStringLiteral("!doctype"));
}

void TestAttributeVocabulary::everyListedTagButFourHasARow()
{
    // With both options on, every row's list differs from the common group alone.
    const QStringList rowless = {"!--", "abbr", "noframes", "noscript"};
    for (const QString &tag : TagVocabulary::tagNames()) {
        const bool common = entriesFor(tag, true, true) == kCommon;
        QVERIFY2(common == rowless.contains(tag), qPrintable(tag));
    }
}

void TestAttributeVocabulary::tagListOrder()
{
    const QStringList &names = TagVocabulary::tagNames();
    QCOMPARE(names.size(), 116);
    QCOMPARE(names.first(), QStringLiteral("!--"));
    QCOMPARE(names.at(46), QStringLiteral("h7"));
    QCOMPARE(names.last(), QStringLiteral("xmp"));
    // The list reads in code-point order, which also rules out duplicates.
    for (int i = 1; i < names.size(); ++i)
        QVERIFY2(names.at(i - 1) < names.at(i), qPrintable(names.at(i)));
}

QTEST_APPLESS_MAIN(TestAttributeVocabulary)
#include "tst_attributevocabulary.moc"
