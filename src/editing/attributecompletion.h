#pragma once

#include <QObject>
#include <QString>

class DocumentWindow;
class QKeyEvent;

// Attribute completion of one document window: a blank typed inside a tag
// opens the attribute list List2 with its filter box Text2 beside the caret; a
// key of the filter box writes the attribute. Also owns the double-quote key,
// which tracks attribute values and their typing colours.
class AttributeCompletion : public QObject
{
    Q_OBJECT

public:
    explicit AttributeCompletion(DocumentWindow *form);

    // Finds the tag around the caret, looking back at most 300 characters for
    // its "<", sets TagName and fills List2 for it; with no "<" found it clears
    // TagBegin instead.
    void TagNameFind();
    // Fills List2 with the attributes of TagName, which it lower-cases, as
    // Check3 and Check4 say at this moment.
    void AttrListSet();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onSourceKeyPress(QChar character, bool *swallow);
    void onSourceBlank(bool *swallow);
    bool onFilterKey(QKeyEvent *event);
    void onFilterFocusLost();
    void onListDoubleClicked();
    QString chosenName() const;
    void hidePopup();
    void returnToSource();

    DocumentWindow *m_form;
};
