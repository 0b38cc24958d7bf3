#include "commands/tagtoolbardispatch.h"
#include "commands/tagtoolbarlayout.h"

#include <QtTest>

#include <set>

Q_DECLARE_METATYPE(TagToolbarCall::Kind)

// The tag toolbar's buttons, drop-down menus and dispatch, without a window.
class TestTagToolbarTables : public QObject
{
    Q_OBJECT

private slots:
    void places_data();
    void places();
    void counts();
    void dropDownEntry_data();
    void dropDownEntry();
    void buttonCall_data();
    void buttonCall();
    void menuCall_data();
    void menuCall();
    void everyKeyDispatches();
};

namespace {

using Kind = TagToolbarCall::Kind;

const TagToolbarButton *findButton(const QString &key)
{
    for (const TagToolbarButton &button : TagToolbarLayout::buttons()) {
        if (!button.separator && button.key == key)
            return &button;
    }
    return nullptr;
}

QString menuKeys(const TagToolbarButton &button)
{
    QStringList keys;
    for (const TagToolbarEntry &entry : button.menu)
        keys << entry.key;
    return keys.join(QLatin1Char(' '));
}

} // namespace

void TestTagToolbarTables::places_data()
{
    QTest::addColumn<int>("place"); // 1 to 23, as the frame enables them
    QTest::addColumn<QString>("key"); // empty: a separator
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("menu");

    QTest::newRow("1 skeleton, three ways") << 1 << "main" << "基本タグ挿入" << "main b_main pg_col";
    QTest::newRow("2 separator after the skeleton") << 2 << "" << "" << "";
    QTest::newRow("3 bold, three kinds") << 3 << "strong_tag" << "太字タグ挿入" << "b_tag strong_tag style_bold";
    QTest::newRow("4 italic, three kinds") << 4 << "italic_tag" << "斜体" << "i_tag em_tag style_italic";
    QTest::newRow("5 underline, two kinds") << 5 << "underline_tag" << "下線" << "underline_tag style_underline";
    QTest::newRow("6 strike-through, three tags") << 6 << "strike_tag" << "打ち消し線" << "strike_tag strikes_tag del_tag";
    QTest::newRow("7 link, plain") << 7 << "a_tag" << "ハイパーリンク" << "";
    QTest::newRow("8 separator after the link") << 8 << "" << "" << "";
    QTest::newRow("9 line break, plain") << 9 << "br_tag" << "改行タグ" << "";
    QTest::newRow("10 separator after the line break") << 10 << "" << "" << "";
    QTest::newRow("11 paragraph, three alignments") << 11 << "p_tag" << "段落" << "p_right p_center p_left";
    QTest::newRow("12 heading, six levels") << 12 << "hx_tag" << "見出し" << "h1_tag h2_tag h3_tag h4_tag h5_tag h6_tag";
    QTest::newRow("13 separator after the heading") << 13 << "" << "" << "";
    QTest::newRow("14 table, plain") << 14 << "table_set" << "テーブルの入力" << "";
    QTest::newRow("15 image, plain") << 15 << "img_tag" << "画像<IMG>タグ" << "";
    QTest::newRow("16 separator after the image") << 16 << "" << "" << "";
    QTest::newRow("17 W3C names") << 17 << "w3c" << "W3Cで定められている色名から貼付" << "";
    QTest::newRow("18 common 94") << 18 << "94color" << "256環境時Mac,Win共通発色する色名94色から貼付" << "";
    QTest::newRow("19 browser names") << 19 << "141color" << "IE,NN両方で定義されている共通色名から貼付" << "";
    QTest::newRow("20 web-safe") << 20 << "websafe" << "216色のWebセーフカラーパレットから貼付" << "";
    QTest::newRow("21 full colour") << 21 << "fullColor" << "Windows標準のカラー選択ダイアログから貼付" << "";
    QTest::newRow("22 separator after the colours") << 22 << "" << "" << "";
    QTest::newRow("23 gradation, no tooltip") << 23 << "mk_grad" << "" << "";
}

void TestTagToolbarTables::places()
{
    QFETCH(int, place);
    QFETCH(QString, key);
    QFETCH(QString, toolTip);
    QFETCH(QString, menu);
    const TagToolbarButton &button = TagToolbarLayout::buttons().at(place - 1);
    QCOMPARE(button.separator, key.isEmpty());
    QCOMPARE(button.key, key);
    QCOMPARE(button.toolTip, toolTip);
    QCOMPARE(menuKeys(button), menu);
    QCOMPARE(button.hasDropDown(), !menu.isEmpty());
    // A screen reader can name every button, the one without a tooltip too.
    QCOMPARE(button.accessibleName.isEmpty(), button.separator);
    if (!toolTip.isEmpty())
        QCOMPARE(button.accessibleName, toolTip);
}

void TestTagToolbarTables::counts()
{
    int separators = 0;
    int dropDowns = 0;
    int entries = 0;
    std::set<QString> keys;
    for (const TagToolbarButton &button : TagToolbarLayout::buttons()) {
        separators += button.separator ? 1 : 0;
        dropDowns += button.hasDropDown() ? 1 : 0;
        entries += button.menu.size();
        if (!button.separator)
            QVERIFY2(keys.insert(button.key).second, qPrintable(button.key));
    }
    QCOMPARE(TagToolbarLayout::buttons().size(), 23);
    QCOMPARE(separators, 6);
    QCOMPARE(dropDowns, 7);
    QCOMPARE(entries, 23);
    QCOMPARE(TagToolbarLayout::buttons().last().accessibleName, QStringLiteral("グラデーション作成"));
}

void TestTagToolbarTables::dropDownEntry_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("caption");

    QTest::newRow("skeleton: no detailed settings") << "main" << 0 << "main" << "詳細設定なし";
    QTest::newRow("skeleton: after the page settings") << "main" << 1 << "b_main" << "ページ設定後入力";
    QTest::newRow("skeleton: colour scheme") << "main" << 2 << "pg_col" << "配色の設定";
    QTest::newRow("bold: <B>") << "strong_tag" << 0 << "b_tag" << "太字<B>";
    QTest::newRow("bold: <STRONG>") << "strong_tag" << 1 << "strong_tag" << "強調<STRONG>(W3C推奨)";
    QTest::newRow("bold: style sheet") << "strong_tag" << 2 << "style_bold" << "スタイルシート代用(W3C推奨)";
    QTest::newRow("italic: <I>") << "italic_tag" << 0 << "i_tag" << "斜体<I>";
    QTest::newRow("italic: <EM>") << "italic_tag" << 1 << "em_tag" << "強調<EM>(W3C推奨)";
    QTest::newRow("italic: style sheet") << "italic_tag" << 2 << "style_italic" << "スタイルシート代用(W3C推奨)";
    QTest::newRow("underline: <U>") << "underline_tag" << 0 << "underline_tag" << "下線<U>";
    QTest::newRow("underline: style sheet") << "underline_tag" << 1 << "style_underline" << "スタイルシート代用(W3C推奨)";
    QTest::newRow("strike: <S>") << "strike_tag" << 0 << "strike_tag" << "打ち消し線<S>";
    QTest::newRow("strike: <STRIKE>") << "strike_tag" << 1 << "strikes_tag" << "打ち消し線<STRIKE>";
    QTest::newRow("strike: <DEL>") << "strike_tag" << 2 << "del_tag" << "打ち消し線<DEL>(NN4x未対応)";
    QTest::newRow("paragraph: right") << "p_tag" << 0 << "p_right" << "右揃え";
    QTest::newRow("paragraph: centre") << "p_tag" << 1 << "p_center" << "中央揃え";
    QTest::newRow("paragraph: left") << "p_tag" << 2 << "p_left" << "左揃え";
    QTest::newRow("heading: H1") << "hx_tag" << 0 << "h1_tag" << "レベル1見出し--H1";
    QTest::newRow("heading: H2") << "hx_tag" << 1 << "h2_tag" << "レベル2見出し--H2";
    QTest::newRow("heading: H3") << "hx_tag" << 2 << "h3_tag" << "レベル3見出し--H3";
    QTest::newRow("heading: H4") << "hx_tag" << 3 << "h4_tag" << "レベル4見出し--H4";
    QTest::newRow("heading: H5") << "hx_tag" << 4 << "h5_tag" << "レベル5見出し--H5";
    QTest::newRow("heading: H6") << "hx_tag" << 5 << "h6_tag" << "レベル6見出し--H6";
}

void TestTagToolbarTables::dropDownEntry()
{
    QFETCH(QString, button);
    QFETCH(int, index);
    QFETCH(QString, key);
    QFETCH(QString, caption);
    const TagToolbarButton *found = findButton(button);
    QVERIFY(found);
    QVERIFY(index < found->menu.size());
    QCOMPARE(found->menu.at(index).key, key);
    QCOMPARE(found->menu.at(index).caption, caption);
}

void TestTagToolbarTables::buttonCall_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("name"); // empty: nothing runs
    QTest::addColumn<int>("argument"); // 0: none

    QTest::newRow("skeleton button: the skeleton") << "main" << Kind::MenuClick << "IDM_NORMAL" << 0;
    QTest::newRow("strong_tag button: bold, not strong") << "strong_tag" << Kind::Method << "add_bold_tag" << 0;
    QTest::newRow("italic") << "italic_tag" << Kind::Method << "add_italic_tag" << 0;
    QTest::newRow("underline") << "underline_tag" << Kind::Method << "add_underline_tag" << 0;
    QTest::newRow("strike-through") << "strike_tag" << Kind::Method << "add_strike_tag" << 0;
    QTest::newRow("link") << "a_tag" << Kind::Method << "add_a_tag" << 0;
    QTest::newRow("line break") << "br_tag" << Kind::Method << "add_br_tag" << 0;
    QTest::newRow("paragraph") << "p_tag" << Kind::Method << "add_p_tag" << 0;
    QTest::newRow("heading button: always level 1") << "hx_tag" << Kind::Method << "add_hx_tag" << 1;
    QTest::newRow("table dialog") << "table_set" << Kind::MenuClick << "IDM_ADD_TABLE" << 0;
    QTest::newRow("image dialog") << "img_tag" << Kind::MenuClick << "IDM_ADD_IMG" << 0;
    QTest::newRow("W3C palette") << "w3c" << Kind::MenuClick << "IDM_ADD_COLOR_W3C" << 0;
    QTest::newRow("common 94 palette") << "94color" << Kind::MenuClick << "IDM_ADD_COLOR94" << 0;
    QTest::newRow("browser names palette") << "141color" << Kind::MenuClick << "IDM_ADD_COLOR141" << 0;
    QTest::newRow("web-safe palette") << "websafe" << Kind::MenuClick << "IDM_WebSafe" << 0;
    QTest::newRow("full colour") << "fullColor" << Kind::MenuClick << "IDM_ADD_BINCOLOR" << 0;
    QTest::newRow("gradation") << "mk_grad" << Kind::MenuClick << "IDM_MAKE_GRADATION" << 0;
    QTest::newRow("letter case counts: Main") << "Main" << Kind::Method << "" << 0;
    QTest::newRow("drop-down key is no button: b_tag") << "b_tag" << Kind::Method << "" << 0;
    QTest::newRow("separator's empty key") << "" << Kind::Method << "" << 0;
}

void TestTagToolbarTables::buttonCall()
{
    QFETCH(QString, key);
    QFETCH(Kind, kind);
    QFETCH(QString, name);
    QFETCH(int, argument);
    const std::optional<TagToolbarCall> call = TagToolbarDispatch::buttonCall(key);
    QCOMPARE(call.has_value(), !name.isEmpty());
    if (!call)
        return;
    QCOMPARE(call->kind, kind);
    QCOMPARE(call->name, name);
    QCOMPARE(call->argument.value_or(0), argument);
}

void TestTagToolbarTables::menuCall_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("name"); // empty: nothing runs
    QTest::addColumn<int>("argument"); // 0: none

    QTest::newRow("skeleton without settings") << "main" << Kind::MenuClick << "IDM_NORMAL" << 0;
    QTest::newRow("b_main: the page settings dialog instead") << "b_main" << Kind::MenuClick << "IDM_EDIT_PGPROP" << 0;
    QTest::newRow("colour scheme dialog") << "pg_col" << Kind::MenuClick << "IDM_EDIT_PGTHEME" << 0;
    QTest::newRow("<B>") << "b_tag" << Kind::Method << "add_bold_tag" << 0;
    QTest::newRow("strong_tag entry: strong, not bold") << "strong_tag" << Kind::Method << "add_strong_tag" << 0;
    QTest::newRow("bold by style") << "style_bold" << Kind::Method << "add_style_bold_tag" << 0;
    QTest::newRow("<I>") << "i_tag" << Kind::Method << "add_italic_tag" << 0;
    QTest::newRow("<EM>") << "em_tag" << Kind::Method << "add_em_tag" << 0;
    QTest::newRow("italic by style") << "style_italic" << Kind::Method << "add_style_italic_tag" << 0;
    QTest::newRow("<U>") << "underline_tag" << Kind::Method << "add_underline_tag" << 0;
    QTest::newRow("underline by style") << "style_underline" << Kind::Method << "add_style_underline_tag" << 0;
    QTest::newRow("<S>") << "strike_tag" << Kind::Method << "add_strike_tag" << 0;
    QTest::newRow("<STRIKE>") << "strikes_tag" << Kind::Method << "add_strikes_tag" << 0;
    QTest::newRow("<DEL>") << "del_tag" << Kind::Method << "add_del_tag" << 0;
    QTest::newRow("paragraph right") << "p_right" << Kind::Method << "add_p_right" << 0;
    QTest::newRow("paragraph centre") << "p_center" << Kind::Method << "add_p_center" << 0;
    QTest::newRow("paragraph left") << "p_left" << Kind::Method << "add_p_left" << 0;
    QTest::newRow("H1") << "h1_tag" << Kind::Method << "add_hx_tag" << 1;
    QTest::newRow("H2") << "h2_tag" << Kind::Method << "add_hx_tag" << 2;
    QTest::newRow("H3") << "h3_tag" << Kind::Method << "add_hx_tag" << 3;
    QTest::newRow("H4") << "h4_tag" << Kind::Method << "add_hx_tag" << 4;
    QTest::newRow("H5") << "h5_tag" << Kind::Method << "add_hx_tag" << 5;
    QTest::newRow("H6") << "h6_tag" << Kind::Method << "add_hx_tag" << 6;
    QTest::newRow("no level 7") << "h7_tag" << Kind::Method << "" << 0;
    QTest::newRow("letter case counts: H4_tag") << "H4_tag" << Kind::Method << "" << 0;
    QTest::newRow("button key is no entry: hx_tag") << "hx_tag" << Kind::Method << "" << 0;
    QTest::newRow("button key is no entry: italic_tag") << "italic_tag" << Kind::Method << "" << 0;
}

void TestTagToolbarTables::menuCall()
{
    QFETCH(QString, key);
    QFETCH(Kind, kind);
    QFETCH(QString, name);
    QFETCH(int, argument);
    const std::optional<TagToolbarCall> call = TagToolbarDispatch::menuCall(key);
    QCOMPARE(call.has_value(), !name.isEmpty());
    if (!call)
        return;
    QCOMPARE(call->kind, kind);
    QCOMPARE(call->name, name);
    QCOMPARE(call->argument.value_or(0), argument);
}

void TestTagToolbarTables::everyKeyDispatches()
{
    for (const TagToolbarButton &button : TagToolbarLayout::buttons()) {
        if (button.separator)
            continue;
        QVERIFY2(TagToolbarDispatch::buttonCall(button.key).has_value(), qPrintable(button.key));
        for (const TagToolbarEntry &entry : button.menu)
            QVERIFY2(TagToolbarDispatch::menuCall(entry.key).has_value(), qPrintable(entry.key));
    }
}

QTEST_MAIN(TestTagToolbarTables)
#include "tst_tagtoolbartables.moc"
