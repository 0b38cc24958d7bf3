#pragma once

#include <QStringList>

// The tag names offered by the tag completion list, in the list's order.
class TagVocabulary
{
public:
    static const QStringList &tagNames();
};
