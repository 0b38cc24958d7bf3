#pragma once

#include "editing/listfinder.h"

#include <QObject>
#include <QString>

class DocumentWindow;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

// Tag completion of one document window: "<" in the source opens the tag list
// List1 with its filter box Text1 beside the caret; a key of the filter box
// writes the tag and hands over to attribute completion. Also owns the typing
// colours of "<", "!" and ">" in the source.
class TagCompletion : public QObject
{
    Q_OBJECT

public:
    explicit TagCompletion(DocumentWindow *form);

    // Selects the first entry of list that begins with text (or equals it, with
    // Mode::Exact), letter case ignored, and returns its index; -1 leaves no
    // entry selected.
    static int ListFind(QListWidget *list, const QString &text,
                        ListFinder::Mode mode = ListFinder::Mode::Prefix);
    // The list's current text: its selected entry, or "" when none is.
    static QString listText(const QListWidget *list);
    // Places a filter box over its list beside the source's caret, shows both
    // and gives the focus to the filter box.
    static void showBesideCaret(DocumentWindow *form, QLineEdit *filter, QListWidget *list);
    // Up, Down, Page Up and Page Down of a filter box move its list's
    // selection; the entry reached is copied into the box, so that it is what
    // the box's keys write. True when the key was one of these.
    static bool pickWithKeys(QKeyEvent *event, QLineEdit *filter, QListWidget *list);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onSourceKeyPress(QChar character, bool *swallow);
    bool onFilterKey(QKeyEvent *event);
    void onListDoubleClicked();
    void hidePopup();
    void returnToSource();
    void writeTag(const QString &text);

    void filterSpace();
    void filterEnter();
    void filterRight();
    void filterGreater();
    void filterSlash();

    DocumentWindow *m_form;
};
