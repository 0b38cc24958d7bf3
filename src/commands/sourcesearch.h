#pragma once

#include "commands/findtext.h"

#include <QString>

class DocumentWindow;
class QWidget;
class RichTextBox1;

// What the find and replace dialogs and F2 do to a document's source: search
// from the selection, select what was found, replace every occurrence, and
// say when nothing was found.
class SourceSearch
{
public:
    // The first occurrence that starts at or after the end of the selection.
    static FindMatch nextAfterSelection(const RichTextBox1 *source, const QString &what);
    // Selects the occurrence and brings it into view.
    static void select(RichTextBox1 *source, const FindMatch &match);
    // "abc"が見つかりません, with an OK button and the program's title.
    static void showNotFound(QWidget *parent, const QString &what);
    // An OK message; afterwards the keyboard is back where it was in the
    // parent's window, whatever the desktop did with the focus meanwhile.
    static void showMessage(QWidget *parent, const QString &title, const QString &text);
    // Replaces every occurrence from the end of the selection on as one undo
    // step and returns how many there were.
    static qsizetype replaceAll(RichTextBox1 *source, const QString &what, const QString &with);
    // F2: the next occurrence of LastFindText below the selection.
    static void repeatLastFind(DocumentWindow *document);
    // Gives the keyboard back to a document's source.
    static void returnKeyboard(RichTextBox1 *source);

    static QString programTitle();
};
