#pragma once

#include <QObject>
#include <QPoint>

class DocumentWindow;
class QKeyEvent;

// The keys of the source beyond plain typing: deleting a "<", ">" or double
// quote keeps the completion state in step, Shift+Enter writes a coloured
// <br>, every Enter hands the finished line to the line check, and a right
// click pops up the edit menu. No key is swallowed here.
class EditorKeys : public QObject
{
    Q_OBJECT

public:
    explicit EditorKeys(DocumentWindow *form);

private:
    void onKeyDown(QKeyEvent *event, bool *swallow);
    void onMouseUp(Qt::MouseButton button, QPoint position);

    DocumentWindow *m_form;
};
