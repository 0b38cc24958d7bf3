#pragma once

#include <QPlainTextDocumentLayout>

// The plain-text layout, except that a paragraph whose block format carries an
// indent is laid out shifted to the right. The plain layout ignores block
// indentation altogether; laying the lines out here, where every view asks
// for a block's rectangle, keeps painting, the caret, clicks and selection in
// step with what is shown. Only blocks that are asked for are touched, so an
// edit costs the same however large the document is.
class IndentingLayout : public QPlainTextDocumentLayout
{
    Q_OBJECT

public:
    explicit IndentingLayout(QTextDocument *document);

    QRectF blockBoundingRect(const QTextBlock &block) const override;

    // How far one level of indentation moves a paragraph, in pixels.
    qreal indentWidth() const;

private:
    void layOutIndented(const QTextBlock &block, qreal indent) const;
};
