#include "checks/casemappedsearch.h"

namespace {

char16_t mapped(char16_t c, CaseMappedSearch::Mapping mapping)
{
    if (c < 0x80) {
        if (mapping == CaseMappedSearch::Mapping::Lower)
            return (c >= u'A' && c <= u'Z') ? char16_t(c + 0x20) : c;
        return (c >= u'a' && c <= u'z') ? char16_t(c - 0x20) : c;
    }
    return mapping == CaseMappedSearch::Mapping::Lower ? QChar::toLower(c) : QChar::toUpper(c);
}

// A character without letter case is the mapping of no other character, so
// the search can jump between its plain occurrences.
bool caseless(char16_t c)
{
    return QChar::toLower(c) == c && QChar::toUpper(c) == c;
}

} // namespace

bool CaseMappedSearch::matchesAt(QStringView text, qsizetype at, QStringView pattern, Mapping mapping)
{
    if (at < 0 || at > text.size() - pattern.size())
        return false;
    for (qsizetype k = 0; k < pattern.size(); ++k) {
        // The pattern is written in the mapped case, so an equal character
        // matches without being mapped.
        const char16_t c = text[at + k].unicode();
        const char16_t p = pattern[k].unicode();
        if (c == p)
            continue;
        // Only a letter is the mapping of another character.
        if (p < 0x80 && !((p >= u'a' && p <= u'z') || (p >= u'A' && p <= u'Z')))
            return false;
        if (mapped(c, mapping) != p)
            return false;
    }
    return true;
}

qsizetype CaseMappedSearch::indexOf(QStringView text, QStringView pattern, Mapping mapping)
{
    if (pattern.isEmpty())
        return 0;
    const qsizetype last = text.size() - pattern.size();
    if (last < 0)
        return -1;

    const char16_t first = pattern[0].unicode();
    if (caseless(first)) {
        for (qsizetype at = text.indexOf(QChar(first)); at >= 0 && at <= last;
             at = text.indexOf(QChar(first), at + 1)) {
            if (matchesAt(text, at, pattern, mapping))
                return at;
        }
        return -1;
    }
    for (qsizetype at = 0; at <= last; ++at) {
        if (matchesAt(text, at, pattern, mapping))
            return at;
    }
    return -1;
}
