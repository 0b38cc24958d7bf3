#include "editing/tagnamescan.h"

namespace {

bool endsName(QChar ch)
{
    return ch == QLatin1Char('>') || ch == QLatin1Char(' ') || ch == QLatin1Char('\t')
           || ch == QLatin1Char('\r') || ch == QLatin1Char('\n');
}

} // namespace

std::optional<QString> TagNameScan::find(QStringView text, qsizetype caret)
{
    caret = qBound<qsizetype>(0, caret, text.size());
    const qsizetype from = qMax<qsizetype>(0, caret - LookBack);
    // A "<" typed just now, right before the caret, does not start the tag:
    // the blank after it belongs to the text, not to an attribute.
    qsizetype start = -1;
    for (qsizetype i = caret - 2; i >= from; --i) {
        if (text.at(i) == QLatin1Char('<')) {
            start = i;
            break;
        }
    }
    if (start < 0)
        return std::nullopt;
    // The first blank anywhere after the "<" could lie in the running text far
    // past the tag's ">"; whichever comes first ends the name.
    qsizetype end = start + 1;
    while (end < text.size() && !endsName(text.at(end)))
        ++end;
    return text.mid(start + 1, end - start - 1).toString();
}
