#include "checks/casemappedsearch.h"
#include "checks/codingadvice.h"

#include <array>
#include <iterator>

namespace {

using Mapping = CaseMappedSearch::Mapping;

struct Rule {
    QStringView pattern;
    Mapping mapping;
    const char16_t *message;
    qsizetype pointShift; // added to the 1-based position found
};

const char16_t RightMessage[] = u"警告：<center>タグはありますが<right>という名前のタグは存在しません。";
const char16_t LinkTextMessage[] = u"注意：リンク先の説明に「コチラ」や「ココ」を指定するのは望ましくありません。";
const char16_t EmptyTitleMessage[] = u"警告：タイトルが空欄です。ページのタイトルを設定して下さい。";
const char16_t DoctypeMessage[] = u"<!DOCTYPE等がないので[Ctrl + F2]を押してページ設定を行って下さい。";
const char16_t AttributeQuoteMessage[] = u"注意：属性はダブルクォーテーションで囲んで下さい";

// In the order they are run; a later finding replaces an earlier one.
const Rule Rules[] = {
    {u"<right>", Mapping::Lower, RightMessage, 0},
    {u"コチラ</A>", Mapping::Upper, LinkTextMessage, 0},
    {u"ココ</A>", Mapping::Upper, LinkTextMessage, 0},
    {u"こちら</A>", Mapping::Upper, LinkTextMessage, 0},
    {u"ここ</A>", Mapping::Upper, LinkTextMessage, 0},
    // Six on from the 1-based position is, as an offset, between the tags.
    {u"<title></title>", Mapping::Lower, EmptyTitleMessage, 6},
};

constexpr qsizetype RuleCount = qsizetype(std::size(Rules));

// Every rule's first character has no letter case, so it is found as it is.
// A table on its low byte lets the scan pass over most characters at once.
std::array<bool, 256> firstCharacterTable()
{
    std::array<bool, 256> table{};
    for (const Rule &rule : Rules)
        table[rule.pattern[0].unicode() & 0xFF] = true;
    return table;
}

// The first occurrence of every rule's text, in one pass over the page.
std::array<qsizetype, RuleCount> firstOccurrences(QStringView text)
{
    static const std::array<bool, 256> mayStartRule = firstCharacterTable();
    std::array<qsizetype, RuleCount> found;
    found.fill(-1);
    qsizetype missing = RuleCount;
    const char16_t *chars = text.utf16();
    for (qsizetype at = 0; at < text.size() && missing > 0; ++at) {
        const char16_t c = chars[at];
        if (!mayStartRule[c & 0xFF])
            continue;
        for (qsizetype r = 0; r < RuleCount; ++r) {
            const Rule &rule = Rules[r];
            if (found[r] >= 0 || rule.pattern[0] != c
                || !CaseMappedSearch::matchesAt(text, at, rule.pattern, rule.mapping))
                continue;
            found[r] = at;
            --missing;
            // Nothing after the last rule can change the advice.
            if (r == RuleCount - 1)
                missing = 0;
        }
    }
    return found;
}

} // namespace

Advice CodingAdviceRules::check(const QString &text, qsizetype caret)
{
    // The declaration is checked in any letter case: pages today begin with
    // <!doctype html>, and telling their authors it is missing would be wrong.
    // It is the last rule, so when it applies nothing else is searched.
    if (CaseMappedSearch::indexOf(text, u"<!doctype", Mapping::Lower) < 0)
        return Advice{QString::fromUtf16(DoctypeMessage), 0};

    // The last rule that applies wins.
    const std::array<qsizetype, RuleCount> found = firstOccurrences(text);
    for (qsizetype r = RuleCount - 1; r >= 0; --r) {
        if (found[r] >= 0)
            return Advice{QString::fromUtf16(Rules[r].message), found[r] + 1 + Rules[r].pointShift};
    }
    return Advice{QString(), caret};
}

QString CodingAdviceRules::lineCheck(const QString &line)
{
    if (line.contains(QLatin1Char('<')) && line.contains(QLatin1Char(' ')) && !line.contains(QLatin1Char('"')))
        return QString::fromUtf16(AttributeQuoteMessage);
    return QString();
}
