#pragma once

#include <QStringList>

// The entries of the page settings dialog's document type box, in the order it
// lists them: public identifiers, and last "HTML5" for `<!DOCTYPE html>`.
class DoctypeList
{
public:
    static const QStringList &entries();
    // The entry that stands for the declaration without a public identifier.
    static QString html5() { return QStringLiteral("HTML5"); }
};
