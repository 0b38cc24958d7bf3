#include "document/pageload.h"

#include "document/linecuts.h"
#include "document/standincharacters.h"

#include <QPlainTextEdit>
#include <QScrollBar>

std::vector<int> PageLoad::fill(QPlainTextEdit *view, const QString &qtText)
{
    const std::vector<qsizetype> cuts = LineCuts::cutsOfLines(qtText);
    // Emptied first, so that the layout forgets its widest line: else laying
    // out that line again narrower would measure every block of the page.
    view->document()->clear();
    // A page longer than the view gets its scroll bar before the text goes
    // in: the narrower view lays out the empty page again, not this one.
    const bool barAhead = view->verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded && view->isVisible()
        && !view->verticalScrollBar()->isVisible()
        && qtText.count(QLatin1Char('\n')) * view->fontMetrics().lineSpacing() > view->viewport()->height();
    if (barAhead)
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    std::vector<int> continuations = StandInCharacters::setContent(view->document(), qtText, cuts);
    if (barAhead)
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return continuations;
}
