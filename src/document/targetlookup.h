#pragma once

#include <QString>

class DocumentWindow;

// How a dialog finds the document window it works on: the first loaded form,
// in load order, whose caption begins with the key that window left behind.
class TargetLookup
{
public:
    // The document window named by key ("[n]"), or nullptr when none is open.
    static DocumentWindow *documentByKey(const QString &key);
    // The window named by TargetKey: what a dialog looks up when it loads.
    static DocumentWindow *fromTargetKey();
    // TargetForm, when it designates a document window.
    static DocumentWindow *targetForm();
};
