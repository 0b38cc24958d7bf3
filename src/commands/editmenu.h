#pragma once

#include <QObject>
#include <QString>

class DocumentWindow;
class QMenu;
class RichTextBox1;

// The document window's edit menu: clipboard, undo, the conversions for HTML
// and the case changes, all on the selection of the window's source. Every
// command that writes is one undo step. A command with nothing to act on (no
// selection, nothing to paste) does nothing, whichever way it was reached.
class EditMenu : public QObject
{
    Q_OBJECT

public:
    // Fills `menu` (the window's "編集(&E)") with its items in order.
    EditMenu(DocumentWindow *form, QMenu *menu);

    QMenu *menu() const { return m_menu; }

    // Enables the items for the current selection and clipboard; runs when the
    // menu opens and before it pops up over the source.
    void prepare();
    // Enables them all again once the menu has closed: each command checks
    // the state of its own moment.
    void release();
    // Prepares the menu and shows it at a point of the source.
    void popUp(const QPoint &sourcePosition);

private:
    void setStatedItemsEnabled(bool selection, bool paste);
    RichTextBox1 *source() const;
    void cut();
    void copy();
    void paste();
    void deleteSelection();
    // Writes text in place of the selection as one step; the caret ends after it.
    void replaceSelection(const QString &text);
    void pasteConverted(QString (*convert)(const QString &));
    void convertSelection(QString (*convert)(const QString &));

    DocumentWindow *m_form;
    QMenu *m_menu;
};
