#include "commands/tagtoolbarlayout.h"

namespace {

TagToolbarButton button(const char *key, const QString &toolTip,
                        const QVector<TagToolbarEntry> &menu = {})
{
    TagToolbarButton b;
    b.key = QString::fromLatin1(key);
    b.toolTip = toolTip;
    b.accessibleName = toolTip;
    b.menu = menu;
    return b;
}

TagToolbarButton separator()
{
    TagToolbarButton b;
    b.separator = true;
    return b;
}

QVector<TagToolbarEntry> headingEntries()
{
    QVector<TagToolbarEntry> entries;
    for (int level = 1; level <= 6; ++level) {
        entries << TagToolbarEntry{QStringLiteral("h%1_tag").arg(level),
                                   QStringLiteral("レベル%1見出し--H%1").arg(level)};
    }
    return entries;
}

QVector<TagToolbarButton> build()
{
    const QString styleSubstitute = QStringLiteral("スタイルシート代用(W3C推奨)");
    QVector<TagToolbarButton> buttons = {
        button("main", QStringLiteral("基本タグ挿入"),
               {{QStringLiteral("main"), QStringLiteral("詳細設定なし")},
                {QStringLiteral("b_main"), QStringLiteral("ページ設定後入力")},
                {QStringLiteral("pg_col"), QStringLiteral("配色の設定")}}),
        separator(),
        button("strong_tag", QStringLiteral("太字タグ挿入"),
               {{QStringLiteral("b_tag"), QStringLiteral("太字<B>")},
                {QStringLiteral("strong_tag"), QStringLiteral("強調<STRONG>(W3C推奨)")},
                {QStringLiteral("style_bold"), styleSubstitute}}),
        button("italic_tag", QStringLiteral("斜体"),
               {{QStringLiteral("i_tag"), QStringLiteral("斜体<I>")},
                {QStringLiteral("em_tag"), QStringLiteral("強調<EM>(W3C推奨)")},
                {QStringLiteral("style_italic"), styleSubstitute}}),
        button("underline_tag", QStringLiteral("下線"),
               {{QStringLiteral("underline_tag"), QStringLiteral("下線<U>")},
                {QStringLiteral("style_underline"), styleSubstitute}}),
        button("strike_tag", QStringLiteral("打ち消し線"),
               {{QStringLiteral("strike_tag"), QStringLiteral("打ち消し線<S>")},
                {QStringLiteral("strikes_tag"), QStringLiteral("打ち消し線<STRIKE>")},
                {QStringLiteral("del_tag"), QStringLiteral("打ち消し線<DEL>(NN4x未対応)")}}),
        button("a_tag", QStringLiteral("ハイパーリンク")),
        separator(),
        button("br_tag", QStringLiteral("改行タグ")),
        separator(),
        button("p_tag", QStringLiteral("段落"),
               {{QStringLiteral("p_right"), QStringLiteral("右揃え")},
                {QStringLiteral("p_center"), QStringLiteral("中央揃え")},
                {QStringLiteral("p_left"), QStringLiteral("左揃え")}}),
        button("hx_tag", QStringLiteral("見出し"), headingEntries()),
        separator(),
        button("table_set", QStringLiteral("テーブルの入力")),
        button("img_tag", QStringLiteral("画像<IMG>タグ")),
        separator(),
        button("w3c", QStringLiteral("W3Cで定められている色名から貼付")),
        button("94color", QStringLiteral("256環境時Mac,Win共通発色する色名94色から貼付")),
        button("141color", QStringLiteral("IE,NN両方で定義されている共通色名から貼付")),
        button("websafe", QStringLiteral("216色のWebセーフカラーパレットから貼付")),
        button("fullColor", QStringLiteral("Windows標準のカラー選択ダイアログから貼付")),
        separator(),
        button("mk_grad", QString()),
    };
    // The gradation button has no tooltip; a screen reader names it after the
    // command it runs.
    buttons.last().accessibleName = QStringLiteral("グラデーション作成");
    return buttons;
}

} // namespace

const QVector<TagToolbarButton> &TagToolbarLayout::buttons()
{
    static const QVector<TagToolbarButton> table = build();
    return table;
}
