#include "document/indentinglayout.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>


IndentingLayout::IndentingLayout(QTextDocument *document)
    : QPlainTextDocumentLayout(document)
{
}

qreal IndentingLayout::indentWidth() const
{
    return QFontMetricsF(document()->defaultFont()).horizontalAdvance(QStringLiteral("    "));
}

QRectF IndentingLayout::blockBoundingRect(const QTextBlock &block) const
{
    QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);
    if (!block.isValid() || !block.isVisible())
        return rect;
    const int levels = block.blockFormat().indent();
    QTextLayout *layout = block.layout();
    if (!layout || layout->lineCount() == 0)
        return rect;
    const qreal margin = document()->documentMargin();
    const qreal wantedX = margin + levels * indentWidth();
    // The plain layout puts every line at the margin: a block laid out by it
    // since our last pass shows that by its first line.
    if (qAbs(layout->lineAt(0).x() - wantedX) < 0.5)
        return rect;
    layOutIndented(block, wantedX - margin);
    return QPlainTextDocumentLayout::blockBoundingRect(block);
}

void IndentingLayout::layOutIndented(const QTextBlock &block, qreal indent) const
{
    QTextLayout *layout = block.layout();
    const qreal margin = document()->documentMargin();
    // The width the plain layout gave the block, before any indent of ours.
    const QTextLine first = layout->lineAt(0);
    const qreal full = first.width() + (first.x() - margin);
    const qreal available = qMax<qreal>(1, full - indent);

    const int oldLines = layout->lineCount();
    qreal height = 0;
    layout->beginLayout();
    for (;;) {
        QTextLine line = layout->createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        line.setLineWidth(available);
        line.setPosition(QPointF(margin + indent, height));
        height += line.height();
    }
    layout->endLayout();

    const int newLines = layout->lineCount();
    if (newLines != oldLines) {
        // The views size their scroll range by the lines of each block.
        QTextBlock(block).setLineCount(newLines);
        auto *self = const_cast<IndentingLayout *>(this);
        emit self->documentSizeChanged(documentSize());
        emit self->update();
    }
}
