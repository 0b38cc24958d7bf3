#pragma once

#include "checks/textrange.h"

#include <QSet>
#include <QString>
#include <QStringView>
#include <QVector>

// What a page offers the link check: where each link target stands, and the
// names its own fragments can point at.
struct PageLinks {
    TextRanges targets;     // the values of href= and src=, quotes excluded
    QSet<QString> anchors;  // the values of id= and name=, references decoded
    // Where each start tag that holds attributes begins (its "<").
    QVector<qsizetype> attributedTags;
};

// Reads the attributes of every start tag in one pass over the page.
// Attribute names in any letter case; values in double quotes, single quotes
// or none, with blanks allowed around "=". A value whose closing quote never
// comes is skipped. Comments and the insides of script and style elements
// hold no tags.
class LinkTargetScanner
{
public:
    static PageLinks scan(QStringView text);

    // An attribute value as the browser reads it: the character references
    // &amp; &lt; &gt; &quot; &apos; and &#NN; &#xHH; turned into their
    // characters. Any other "&" is the character itself.
    static QString decoded(QStringView value);
};
