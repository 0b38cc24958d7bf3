#include "commands/sourcesearch.h"

#include "commands/findreplaceall.h"
#include "document/documentwindow.h"
#include "document/richtextbox1.h"
#include "shared/dialogseam.h"
#include "shared/module1.h"

#include <QPointer>
#include <QWidget>

FindMatch SourceSearch::nextAfterSelection(const RichTextBox1 *source, const QString &what)
{
    return FindText::next(source->Text(), what, source->SelStart() + source->SelLength());
}

void SourceSearch::select(RichTextBox1 *source, const FindMatch &match)
{
    source->setSelStart(match.start);
    source->setSelLength(match.length);
}

void SourceSearch::showNotFound(QWidget *parent, const QString &what)
{
    showMessage(parent, programTitle(), FindText::notFoundMessage(what));
}

void SourceSearch::showMessage(QWidget *parent, const QString &title, const QString &text)
{
    QWidget *window = parent->window();
    QPointer<QWidget> focus = window->focusWidget();
    DialogSeam::instance().message(parent, QMessageBox::Information, title, text, QMessageBox::Ok);
    window->activateWindow();
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

qsizetype SourceSearch::replaceAll(RichTextBox1 *source, const QString &what, const QString &with)
{
    const QList<qsizetype> starts = FindReplaceAll::occurrences(
        source->Text(), what, source->SelStart() + source->SelLength());
    source->replaceOccurrences(starts, what.size(), with);
    return starts.size();
}

void SourceSearch::repeatLastFind(DocumentWindow *document)
{
    const QString what = Module1::LastFindText;
    if (what.isEmpty())
        return;
    RichTextBox1 *source = document->richTextBox1();
    const FindMatch match = nextAfterSelection(source, what);
    if (match.found())
        select(source, match);
    else
        showNotFound(document, what);
    returnKeyboard(source);
}

void SourceSearch::returnKeyboard(RichTextBox1 *source)
{
    if (!source)
        return;
    source->activateWindow();
    source->setFocus(Qt::OtherFocusReason);
}

QString SourceSearch::programTitle()
{
    return QStringLiteral("Tovalo");
}
