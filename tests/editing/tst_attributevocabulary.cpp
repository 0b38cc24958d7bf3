#include "editing/attributevocabulary.h"
#include "editing/listfinder.h"
#include "editing/tagvocabulary.h"

#include <QtTest>

namespace {

const QStringList kCommon = {"class", "id", "lang", "style", "dir", "title"};
const QStringList kGlobal = {"class", "id", "style", "title", "lang", "dir", "hidden", "tabindex", "accesskey",
                             "contenteditable", "draggable", "spellcheck", "translate", "role"};

// A long-standing list closed by the global attributes it lacks, then the two
// name starts.
QStringList closed(QStringList list)
{
    for (const QString &name : kGlobal)
        if (!list.contains(name))
            list.append(name);
    return list << "data-" << "aria-";
}

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
    void standardElements_data();
    void standardElements();
    void longStandingPrefixesUnchanged();
};

void TestAttributeVocabulary::fullList_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("imode");
    QTest::addColumn<bool>("ie");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty tag name") << "" << true << true << QStringList{"（不明なタグ名）"};
    QTest::newRow("made-up tag") << "xyz" << true << true << closed(kCommon);
        QTest::newRow("noembed: the global ones alone") << "noembed" << true << true << closed({});
        QTest::newRow("menu, i-mode only") << "menu" << true << false
        << closed({"compact", "type", "class", "id", "lang", "style", "dir", "title"});
        QTest::newRow("applet, layout group always") << "applet" << false << false
        << closed({"alt", "archive", "code", "codebase", "datafld", "datasrc", "mayscript",
                       "object", "src", "align", "height", "width", "hspace", "vspace",
                       "class", "id", "lang", "style", "dir", "title"});
    QTest::newRow("head") << "head" << true << true
        << closed({"profile", "class", "id", "lang", "dir", "title"});
    QTest::newRow("label with extensions") << "label" << false << true
        << closed({"accesskey", "datafld", "dataformatas", "datasrc", "for",
                       "contenteditable", "disabled", "hidefocus", "tabindex", "unselectable",
                       "language", "class", "id", "lang", "style", "dir", "title"});
    QTest::newRow("meta gains charset") << "meta" << false << false
        << closed({"name", "http-equiv", "content", "scheme", "dir", "lang", "title", "charset", "media"});
    QTest::newRow("audio: its own first") << "audio" << false << false
        << closed({"src", "controls", "autoplay", "loop", "muted", "preload", "crossorigin"});
    QTest::newRow("doctype") << "!doctype" << true << true
        << QStringList{"html", "htmlplus", "pre-html", "public", "system"};
    QTest::newRow("basefont, short common group") << "basefont" << false << false
        << closed({"size", "color", "face", "class", "id", "lang", "style"});
    QTest::newRow("isindex keeps its spelling") << "isindex" << false << false
        << closed({"action", "pronpt", "class", "id", "lang", "style", "dir", "title"});
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

    QTest::newRow("a") << "a" << false << false << 33 << 15 << "shape" << "aria-";
    QTest::newRow("a, today's after the common group") << "a" << false << false << 33 << 22 << "download" << "aria-";
    QTest::newRow("a, i-mode") << "a" << true << false << 45 << 27 << "irst" << "aria-";
    QTest::newRow("a, extensions") << "a" << false << true << 38 << 16 << "contenteditable"
                                   << "aria-";
    QTest::newRow("a, both") << "a" << true << true << 50 << 16 << "cti" << "aria-";
    QTest::newRow("table, layout inside the row") << "table" << false << false << 36 << 8
                                                  << "align" << "aria-";
    QTest::newRow("embed, no common group") << "embed" << false << false << 39 << 1 << "align"
                                            << "aria-";
    QTest::newRow("embed, extensions after its row") << "embed" << false << true << 43 << 28
                                            << "contenteditable" << "aria-";
    QTest::newRow("frame keeps its spelling") << "frame" << false << true << 31 << 12
                                              << "allowransparency" << "aria-";
            QTest::newRow("input, extensions") << "input" << false << true << 63 << 25
                                       << "contenteditable" << "aria-";
    QTest::newRow("input, today's after the extensions") << "input" << false << true << 63 << 37
                                       << "placeholder" << "aria-";
    QTest::newRow("img, today's after the common group") << "img" << false << false << 44 << 27
                                       << "srcset" << "aria-";
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
    // With both options on, every row's list differs from that of a made-up tag.
    const QStringList rowless = {"!--", "abbr", "noframes", "noscript"};
    for (const QString &tag : TagVocabulary::tagNames().mid(0, 116)) {
        const QStringList entries = entriesFor(tag, true, true);
        const bool common = entries == kCommon || entries == entriesFor("xyz", true, true);
        QVERIFY2(common == rowless.contains(tag), qPrintable(tag));
    }
}

void TestAttributeVocabulary::tagListOrder()
{
    const QStringList &names = TagVocabulary::tagNames();
    QCOMPARE(names.size(), 148);
    QCOMPARE(names.first(), QStringLiteral("!--"));
    QCOMPARE(names.at(46), QStringLiteral("h7"));
    QCOMPARE(names.at(115), QStringLiteral("xmp"));
    QCOMPARE(names.at(116), QStringLiteral("article"));
    // Each part reads in code-point order, which also rules out duplicates.
    for (int i = 1; i < names.size(); ++i)
        QVERIFY2(i == 116 || names.at(i - 1) < names.at(i), qPrintable(names.at(i)));
    QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), names.size());
}

void TestAttributeVocabulary::standardElements_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QStringList>("attributes");
    QFile file(QFINDTESTDATA("data/htmlelements.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype colon = line.indexOf(u':');
        const QString element = line.left(colon);
        QTest::newRow(qPrintable(element)) << element << line.mid(colon + 1).split(u' ', Qt::SkipEmptyParts);
    }
}

void TestAttributeVocabulary::standardElements()
{
    QFETCH(QString, element);
    QFETCH(QStringList, attributes);
    // Typing the whole name selects the element itself.
    const QStringList &names = TagVocabulary::tagNames();
    const int found = ListFinder::find(names, element, ListFinder::Mode::Prefix);
    QVERIFY(found >= 0);
    QCOMPARE(names.at(found), element);
    const QStringList entries = entriesFor(element, false, false);
    for (const QString &name : attributes + kGlobal)
        QVERIFY2(entries.contains(name), qPrintable(name));
    QCOMPARE(entries.mid(entries.size() - 2), (QStringList{"data-", "aria-"}));
}

void TestAttributeVocabulary::longStandingPrefixesUnchanged()
{
    const QStringList &names = TagVocabulary::tagNames();
    const QStringList longStanding = names.mid(0, 116);
    for (const QString &name : longStanding)
        for (qsizetype n = 1; n <= name.size(); ++n)
            QVERIFY2(ListFinder::find(names, name.left(n), ListFinder::Mode::Prefix)
                         == ListFinder::find(longStanding, name.left(n), ListFinder::Mode::Prefix),
                     qPrintable(name.left(n)));
}

QTEST_APPLESS_MAIN(TestAttributeVocabulary)
#include "tst_attributevocabulary.moc"
