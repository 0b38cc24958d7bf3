#include "editing/tagcompletion.h"

#include "document/documentwindow.h"
#include "document/richtextbox1.h"
#include "editing/completionchoice.h"
#include "editing/popupplacement.h"
#include "editing/typingpieces.h"
#include "shared/twips.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

TagCompletion::TagCompletion(DocumentWindow *form)
    : QObject(form)
    , m_form(form)
{
    connect(form->richTextBox1(), &RichTextBox1::KeyPress, this, &TagCompletion::onSourceKeyPress);
    form->Text1()->installEventFilter(this);
    connect(form->Text1(), &QLineEdit::textChanged, this,
            [form](const QString &text) { ListFind(form->List1(), text); });
    connect(form->List1(), &QListWidget::itemDoubleClicked, this, &TagCompletion::onListDoubleClicked);
    // The list opens above the filter box near the window's bottom; at its
    // designed height it ends just above the box instead of covering it.
    form->List1()->setFixedHeight(Twips::toPixels(1010, form));
}

int TagCompletion::ListFind(QListWidget *list, const QString &text, ListFinder::Mode mode)
{
    QStringList entries;
    entries.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    const int index = ListFinder::find(entries, text, mode);
    list->setCurrentRow(index);
    if (index >= 0)
        list->scrollToItem(list->item(index), QAbstractItemView::PositionAtTop);
    return index;
}

QString TagCompletion::listText(const QListWidget *list)
{
    const int row = list->currentRow();
    return row >= 0 && list->item(row) && list->item(row)->isSelected() ? list->item(row)->text() : QString();
}

void TagCompletion::showBesideCaret(DocumentWindow *form, QLineEdit *filter, QListWidget *list)
{
    const QPoint caret = form->richTextBox1()->caretPosition();
    const QWidget *window = form->parentWidget() ? form->parentWidget() : form;
    const PopupPlacement::Place place =
        PopupPlacement::beside(Twips::fromPixels(caret.x(), form), Twips::fromPixels(caret.y(), form),
                               Twips::fromPixels(window->height(), form));
    const int left = Twips::toPixels(place.left, form);
    filter->move(left, Twips::toPixels(place.filterTop, form));
    list->move(left, Twips::toPixels(place.listTop, form));
    filter->show();
    list->show();
    // A filter box taller than its designed height must not vanish under the
    // list that follows it.
    list->raise();
    filter->raise();
    filter->setFocus();
}

bool TagCompletion::pickWithKeys(QKeyEvent *event, QLineEdit *filter, QListWidget *list)
{
    const int key = event->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_PageUp && key != Qt::Key_PageDown)
        return false;
    const int count = list->count();
    if (count == 0)
        return true;
    int step = 1;
    if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        const int rowHeight = qMax(1, list->sizeHintForRow(0));
        step = qMax(1, list->viewport()->height() / rowHeight - 1);
    }
    if (key == Qt::Key_Up || key == Qt::Key_PageUp)
        step = -step;
    const int current = listText(list).isEmpty() ? -1 : list->currentRow();
    const int row = current < 0 ? 0 : qBound(0, current + step, count - 1);
    list->setCurrentRow(row);
    list->scrollToItem(list->item(row));
    // The box shows what will be written; searching the list again for it
    // could land on an earlier entry that begins the same way.
    const QSignalBlocker blocker(filter);
    filter->setText(list->item(row)->text());
    return true;
}

bool TagCompletion::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form->Text1() && event->type() == QEvent::KeyPress)
        return onFilterKey(static_cast<QKeyEvent *>(event));
    return QObject::eventFilter(watched, event);
}

void TagCompletion::onSourceKeyPress(QChar character, bool *swallow)
{
    RichTextBox1 *source = m_form->richTextBox1();
    if (character == QLatin1Char('<')) {
        m_form->general = 1;
        // A blank can be left in the box by a Space that found nothing to write.
        if (m_form->Text1()->text() == QLatin1String(" "))
            m_form->Text1()->clear();
        *swallow = true;
        m_form->TagBegin = 1;
        source->insertPieces(TypingPieces::tagOpen());
        showBesideCaret(m_form, m_form->Text1(), m_form->List1());
    } else if (character == QLatin1Char('!')) {
        *swallow = true;
        source->insertPieces(TypingPieces::bang());
        m_form->TagBegin = 0;
    } else if (character == QLatin1Char('>')) {
        *swallow = true;
        m_form->TagBegin = 0;
        m_form->general = 0;
        source->insertPieces(TypingPieces::tagClose());
        hidePopup();
    }
}

bool TagCompletion::onFilterKey(QKeyEvent *event)
{
    QLineEdit *filter = m_form->Text1();
    if (pickWithKeys(event, filter, m_form->List1()))
        return true;
    switch (event->key()) {
    case Qt::Key_Escape:
        returnToSource();
        hidePopup();
        filter->clear();
        // The user types the tag by hand: a blank then finds it by looking
        // back from the caret, as in existing markup, rather than trusting a
        // TagName left from an earlier tag.
        m_form->general = 0;
        return true;
    case Qt::Key_Backspace:
        if (!filter->text().isEmpty())
            return false;
        hidePopup();
        returnToSource();
        // Takes back the "<" that opened the list.
        m_form->richTextBox1()->SendKeys(QStringLiteral("{BS}"));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!filter->text().isEmpty())
            filterEnter();
        return true;
    case Qt::Key_Space: {
        const bool hasText = !filter->text().isEmpty();
        if (hasText)
            filterSpace();
        m_form->AttrListSet();
        return hasText;
    }
    case Qt::Key_Right: {
        const bool hasText = !filter->text().isEmpty();
        if (hasText)
            filterRight();
        m_form->AttrListSet();
        return hasText;
    }
    default:
        break;
    }
    if (event->text() == QLatin1String(">")) {
        filterGreater();
        return true;
    }
    if (event->text() == QLatin1String("/")) {
        filterSlash();
        return true;
    }
    return false;
}

void TagCompletion::filterSpace()
{
    QLineEdit *filter = m_form->Text1();
    const QString listed = listText(m_form->List1());
    returnToSource();
    hidePopup();
    const CompletionChoice::Tag tag =
        CompletionChoice::tagBySpace(filter->text(), listed, m_form->Check(1)->isChecked());
    m_form->richTextBox1()->insertPieces(tag.pieces);
    // The blank reaches the source's own blank handling, which opens the
    // attribute list of the tag.
    m_form->richTextBox1()->SendKeys(QStringLiteral(" "));
    m_form->TagName = tag.tagName;
    filter->clear();
}

void TagCompletion::filterEnter()
{
    QLineEdit *filter = m_form->Text1();
    const CompletionChoice::Tag tag = CompletionChoice::tagByEnter(filter->text(), listText(m_form->List1()));
    filter->setText(tag.tagName);
    returnToSource();
    hidePopup();
    m_form->richTextBox1()->insertPieces(tag.pieces);
    m_form->TagName = tag.tagName;
    filter->clear();
    m_form->AttrListSet();
}

void TagCompletion::filterRight()
{
    QLineEdit *filter = m_form->Text1();
    const QString typed = filter->text();
    returnToSource();
    hidePopup();
    writeTag(typed);
    m_form->TagName = typed;
    m_form->TagBegin = 1;
    filter->clear();
}

void TagCompletion::filterGreater()
{
    QLineEdit *filter = m_form->Text1();
    returnToSource();
    writeTag(filter->text());
    // The source's ">" handling closes the tag in black and hides the list.
    m_form->richTextBox1()->SendKeys(QStringLiteral(">"));
    filter->clear();
    m_form->TagBegin = 0;
}

void TagCompletion::filterSlash()
{
    writeTag(QStringLiteral("/"));
    const int shift = Twips::toPixels(PopupPlacement::SlashShift, m_form);
    for (QWidget *w : {static_cast<QWidget *>(m_form->List1()), static_cast<QWidget *>(m_form->Text1())})
        w->move(w->x() + shift, w->y());
    m_form->Text1()->clear();
}

void TagCompletion::onListDoubleClicked()
{
    returnToSource();
    writeTag(listText(m_form->List1()));
    m_form->Text1()->clear();
    hidePopup();
}

void TagCompletion::writeTag(const QString &text)
{
    m_form->richTextBox1()->insertPieces({{text, std::nullopt}});
}

void TagCompletion::hidePopup()
{
    m_form->List1()->hide();
    m_form->Text1()->hide();
}

void TagCompletion::returnToSource()
{
    m_form->richTextBox1()->setFocus();
}
