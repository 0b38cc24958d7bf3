#include "editing/listfinder.h"

int ListFinder::find(const QStringList &entries, QStringView text, Mode mode)
{
    for (int i = 0; i < entries.size(); ++i) {
        const QString &entry = entries.at(i);
        const bool match = mode == Mode::Exact ? entry.compare(text, Qt::CaseInsensitive) == 0
                                               : entry.startsWith(text, Qt::CaseInsensitive);
        if (match)
            return i;
    }
    return -1;
}
