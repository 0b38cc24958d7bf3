#include "editing/attributecompletion.h"

#include "document/documentwindow.h"
#include "document/richtextbox1.h"
#include "editing/attributevocabulary.h"
#include "editing/completionchoice.h"
#include "editing/tagcompletion.h"
#include "editing/tagnamescan.h"
#include "editing/typingpieces.h"
#include "shared/syntaxpalette.h"
#include "shared/twips.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

AttributeCompletion::AttributeCompletion(DocumentWindow *form)
    : QObject(form)
    , m_form(form)
{
    connect(form->richTextBox1(), &RichTextBox1::KeyPress, this, &AttributeCompletion::onSourceKeyPress);
    form->Text2()->installEventFilter(this);
    connect(form->Text2(), &QLineEdit::textChanged, this,
            [form](const QString &text) { TagCompletion::ListFind(form->List2(), text); });
    connect(form->List2(), &QListWidget::itemDoubleClicked, this, &AttributeCompletion::onListDoubleClicked);
    form->List2()->setFixedHeight(Twips::toPixels(1010, form));
}

void AttributeCompletion::TagNameFind()
{
    const RichTextBox1 *source = m_form->richTextBox1();
    const qsizetype caret = source->SelStart();
    // Only the stretch around the caret is read, however large the document:
    // the "<" lies at most LookBack characters back, and a tag name never runs
    // that far past the caret.
    const QString before = source->textBetween(caret - TagNameScan::LookBack, caret).right(TagNameScan::LookBack);
    const QString after = source->textBetween(caret, caret + TagNameScan::LookBack);
    const std::optional<QString> name = TagNameScan::find(before + after, before.size());
    if (!name) {
        m_form->TagBegin = 0;
        return;
    }
    m_form->TagName = *name;
    AttrListSet();
}

void AttributeCompletion::AttrListSet()
{
    AttributeVocabulary::Options options;
    options.imodeAttributes = m_form->Check(3)->isChecked();
    options.ieAttributes = m_form->Check(4)->isChecked();
    const AttributeVocabulary::AttrList list = AttributeVocabulary::attrListSet(m_form->TagName, options);
    m_form->TagName = list.tagName;
    m_form->List2()->clear();
    m_form->List2()->addItems(list.entries);
}

bool AttributeCompletion::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form->Text2()) {
        if (event->type() == QEvent::KeyPress)
            return onFilterKey(static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::FocusOut) {
            // Switching to another program, or a context menu, is no move
            // away from the filter box: the user comes back to it.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                onFilterFocusLost();
        }
    }
    return QObject::eventFilter(watched, event);
}

void AttributeCompletion::onSourceKeyPress(QChar character, bool *swallow)
{
    if (character == QLatin1Char('"')) {
        *swallow = true;
        m_form->richTextBox1()->insertPieces(TypingPieces::quote(m_form->InQuote));
        m_form->InQuote = !m_form->InQuote;
    } else if (character == QLatin1Char(' ')) {
        onSourceBlank(swallow);
    }
}

void AttributeCompletion::onSourceBlank(bool *swallow)
{
    RichTextBox1 *source = m_form->richTextBox1();
    bool scanned = false;
    if (m_form->general == 0) {
        // Away from a freshly typed "<", the colour before the caret tells
        // whether the caret stands inside a tag.
        const QColor colour = source->SelColor();
        bool inTag = colour == SyntaxPalette::toQColor(SyntaxColor::Blue)
                     || colour == SyntaxPalette::toQColor(SyntaxColor::Purple);
        if (!inTag && colour == SyntaxPalette::toQColor(SyntaxColor::Green)) {
            const qsizetype caret = source->offsetFromPosition(source->textCursor().position());
            inTag = caret > 0 && source->characterAt(caret - 1) == QLatin1Char('"');
        }
        if (inTag) {
            m_form->TagBegin = 1;
            m_form->TagReopened = 1;
            scanned = true;
            TagNameFind();
        }
    }
    if (m_form->TagName != QLatin1String("!--") && !m_form->InQuote && m_form->TagBegin == 1) {
        *swallow = true;
        source->insertPieces(TypingPieces::attributeBlank(m_form->TagName));
        TagCompletion::showBesideCaret(m_form, m_form->Text2(), m_form->List2());
        return;
    }
    // TagReopened stands for a list opened after the scan; none was, so the
    // next filter box to lose the focus must not clear TagBegin for it.
    if (scanned)
        m_form->TagReopened = 0;
}

QString AttributeCompletion::chosenName() const
{
    return CompletionChoice::attributeName(m_form->Text2()->text(), TagCompletion::listText(m_form->List2()),
                                           m_form->Check(2)->isChecked());
}

bool AttributeCompletion::onFilterKey(QKeyEvent *event)
{
    QLineEdit *filter = m_form->Text2();
    if (TagCompletion::pickWithKeys(event, filter, m_form->List2()))
        return true;
    if (event->key() == Qt::Key_Escape) {
        returnToSource();
        hidePopup();
        filter->clear();
        return true;
    }
    if (m_form->TagBegin != 1)
        return false;
    RichTextBox1 *source = m_form->richTextBox1();
    const bool choosing = event->key() == Qt::Key_Space || event->text() == QLatin1String("=")
                          || ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !filter->text().isEmpty());
    // The chosen name goes into the source, the list away.
    const auto writeChosen = [&] {
        const QString name = chosenName();
        returnToSource();
        hidePopup();
        source->insertPieces({{name, std::nullopt}});
    };
    if (choosing && CompletionChoice::isNameStart(chosenName())) {
        // The rest of the name is the author's: no blank, no "=", the typing
        // colour stays that of a name.
        writeChosen();
        filter->clear();
        return true;
    }
    switch (event->key()) {
    case Qt::Key_Space:
        writeChosen();
        // Reopens the list for the next attribute.
        m_form->richTextBox1()->SendKeys(QStringLiteral(" "));
        filter->clear();
        return true;
    case Qt::Key_Backspace:
        if (!filter->text().isEmpty())
            return false;
        returnToSource();
        hidePopup();
        // Takes back the blank that opened the list.
        m_form->richTextBox1()->SendKeys(QStringLiteral("{BS}"));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (filter->text().isEmpty())
            return false;
        writeChosen();
        filter->clear();
        return true;
    }
    default:
        break;
    }
    if (event->text() == QLatin1String("=")) {
        const QString name = chosenName();
        returnToSource();
        hidePopup();
        source->insertPieces(TypingPieces::attributeWithValue(name));
        filter->clear();
        return true;
    }
    return false;
}

void AttributeCompletion::onFilterFocusLost()
{
    if (m_form->TagReopened == 1) {
        m_form->TagBegin = 0;
        m_form->TagReopened = 0;
    }
}

void AttributeCompletion::onListDoubleClicked()
{
    returnToSource();
    m_form->richTextBox1()->insertPieces({{TagCompletion::listText(m_form->List2()), std::nullopt}});
    m_form->Text2()->clear();
    hidePopup();
}

void AttributeCompletion::hidePopup()
{
    m_form->List2()->hide();
    m_form->Text2()->hide();
}

void AttributeCompletion::returnToSource()
{
    m_form->richTextBox1()->setFocus();
}
