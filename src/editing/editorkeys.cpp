#include "editing/editorkeys.h"

#include "commands/editmenu.h"
#include "commands/tagcommands.h"
#include "document/documentwindow.h"
#include "document/richtextbox1.h"

#include <QKeyEvent>

EditorKeys::EditorKeys(DocumentWindow *form)
    : QObject(form)
    , m_form(form)
{
    connect(form->richTextBox1(), &RichTextBox1::KeyDown, this, &EditorKeys::onKeyDown);
    connect(form->richTextBox1(), &RichTextBox1::MouseUp, this, &EditorKeys::onMouseUp);
}

void EditorKeys::onKeyDown(QKeyEvent *event, bool *swallow)
{
    Q_UNUSED(swallow);
    RichTextBox1 *source = m_form->richTextBox1();
    const qsizetype caret = source->SelStart();
    switch (event->key()) {
    case Qt::Key_Backspace:
        if (caret > 0) {
            const QChar before = source->characterAt(caret - 1);
            if (before == QLatin1Char('>') && source->SelLength() == 0) {
                // The deletion reopens the tag: its attributes are ready again.
                m_form->TagBegin = 1;
                m_form->TagNameFind();
            }
            if (before == QLatin1Char('<'))
                m_form->TagBegin = 0;
            if (before == QLatin1Char('"'))
                m_form->InQuote = !m_form->InQuote;
        }
        break;
    case Qt::Key_Delete:
        if (caret < source->textLength()) {
            const QChar after = source->characterAt(caret);
            if (after == QLatin1Char('<'))
                m_form->TagBegin = 0;
            if (after == QLatin1Char('"'))
                m_form->InQuote = !m_form->InQuote;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if ((event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == Qt::ShiftModifier)
            source->insertPieces(TagCommands::br().pieces);
        // The line just finished (or split), before its line break goes in.
        m_form->LineCheck(source->lineText(source->lineOfCaret()));
        break;
    default:
        break;
    }
}

void EditorKeys::onMouseUp(Qt::MouseButton button, QPoint position)
{
    if (button == Qt::RightButton)
        m_form->editMenu()->popUp(position);
}
