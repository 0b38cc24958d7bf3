#pragma once

#include <QStringList>

// The tag names offered by the tag completion list, in the list's order: the
// long-standing names first, then the elements of today's web they lack.
class TagVocabulary
{
public:
    static const QStringList &tagNames();
};
