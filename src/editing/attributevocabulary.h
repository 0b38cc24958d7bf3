#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The built-in vocabulary behind the attribute list: which attributes each tag
// offers, in the order the list shows them.
class AttributeVocabulary
{
public:
    // The document window's check boxes that widen the list; read at each fill.
    struct Options {
        bool imodeAttributes = false; // Check3 "I-mode属性表示"
        bool ieAttributes = false;    // Check4 "IE拡張属性表示"
    };

    struct AttrList {
        QString tagName;     // the lower-cased tag name, to store back into TagName
        QStringList entries; // to append to List2 in this order, after clearing it
    };

    // The fill of the attribute list for tagName. Entries are kept as the table
    // produces them, duplicates included; after them come today's attributes of
    // the element and the global ones that the list lacks, then "data-" and
    // "aria-".
    static AttrList attrListSet(QStringView tagName, const Options &options);

    // The browser-extension group, appended where a row holds it.
    static const QStringList &ieAttrAdd();
    // The layout group, appended where a row holds it.
    static const QStringList &layoutAttrAdd();
};
