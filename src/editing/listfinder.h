#pragma once

#include <QStringList>
#include <QStringView>

// The completion lists' own search: the first entry, from the top, that begins
// with a text or equals it, letter case ignored. The lists move their
// selection to it; they are never filtered down.
class ListFinder
{
public:
    enum class Mode { Prefix, Exact };

    // The index of that entry, or -1 when none matches. Every entry begins
    // with the empty text, so an empty text finds the first entry.
    static int find(const QStringList &entries, QStringView text, Mode mode);
};
