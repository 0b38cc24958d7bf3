#include "document/richtextbox1.h"

#include "document/contentsnapshot.h"
#include "document/contentswap.h"
#include "document/indentinglayout.h"
#include "document/keyqueue.h"
#include "document/linebreaks.h"
#include "document/piecebalancer.h"
#include "document/standincharacters.h"
#include "document/linkmarks.h"
#include "document/pageload.h"

#include "shared/droppedfiles.h"
#include "shared/syntaxpalette.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>

RichTextBox1::RichTextBox1(QWidget *parent)
    : QPlainTextEdit(parent)
    , m_colouring(new PageColouring(this))
{
    setObjectName(QStringLiteral("RichTextBox1"));
    setAcceptDrops(true);
    setDocument(makeDocument());
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] { m_typingColourSet = false; });
}

RichTextBox1::~RichTextBox1() = default;

QTextDocument *RichTextBox1::makeDocument()
{
    // Our own layout, so that indented paragraphs show indented.
    auto *doc = new QTextDocument(this);
    doc->setDocumentLayout(new IndentingLayout(doc));
    // Ahead of the widget's own handlers, so that whatever they set off
    // already finds the soft breaks in step with the text.
    connect(doc, &QTextDocument::contentsChange, this, &RichTextBox1::onContentsChange);
    connect(doc, &QTextDocument::contentsChanged, this, [this] {
        if (m_formatting || m_rebalancing || m_colouring->writing())
            return;
        m_textValid = false;
        emit Change();
    });
    return doc;
}

QString RichTextBox1::Text() const
{
    if (!m_textValid) {
        // toPlainText() would turn no-break spaces into blanks; the raw text keeps them.
        m_textCache = StandInCharacters::text(document(), 0, INT_MAX, u"\r\n", softSeparators(0, INT_MAX));
        m_textValid = true;
    }
    return m_textCache;
}

void RichTextBox1::setText(const QString &text)
{
    m_colouring->clear();
    // Straight into the document: the widget's own setPlainText() costs about
    // a tenth more on a large page for bookkeeping done here by hand.
    if (m_linkMarks)
        m_linkMarks->clear();
    // A new page leaves nothing for undo or redo to swap back in.
    m_otherPage.reset();
    fill(LineBreaks::toLf(text));
    QTextCursor start(document());
    setTextCursor(start);
    setCurrentCharFormat(QTextCharFormat());
}

void RichTextBox1::fill(const QString &qtText)
{
    m_formatting = true;
    std::vector<int> continuations = PageLoad::fill(this, qtText);
    m_formatting = false;
    m_softBreaks.reset(std::move(continuations), document()->blockCount());
    m_textValid = false;
    emit Change();
    forgetChanges();
}

QString RichTextBox1::fileText() const
{
    return StandInCharacters::text(document(), 0, INT_MAX, u"\n", softSeparators(0, INT_MAX));
}

StandInCharacters::RawText RichTextBox1::fileTextLater(int from, int to) const
{
    // A cursor's selected text would cost a large page's slice several
    // times what copying it from the document's pieces does.
    StandInCharacters::RawText part;
    part.raw = ContentSnapshot::rawText(document(), from, to);
    if (part.raw.contains(QChar(StandInCharacters::StandIn)))
        return StandInCharacters::raw(document(), from, to, softSeparators(from, to));
    part.from = from;
    part.softSeparators = softSeparators(from, to);
    return part;
}

qsizetype RichTextBox1::textLength() const
{
    const QTextDocument *doc = document();
    // Each real break is one character in Qt and two here; a soft one is one
    // in Qt and none here.
    return qsizetype(doc->characterCount()) - 1 + doc->blockCount() - 1 - 2 * qsizetype(m_softBreaks.count());
}

QChar RichTextBox1::characterAt(qsizetype offset) const
{
    if (offset < 0 || offset >= textLength())
        return QChar();
    const int position = positionFromOffset(offset);
    const QTextBlock block = document()->findBlock(position);
    // Past the end of a piece that continues in the next block lies that
    // block's first character, never a line break: the position is found there.
    const qsizetype lineEnd = blockOffset(block.blockNumber(), block.position()) + block.length() - 1;
    if (offset == lineEnd)
        return QLatin1Char('\r');
    if (offset == lineEnd + 1)
        return QLatin1Char('\n');
    return document()->characterAt(position);
}

qsizetype RichTextBox1::blockOffset(int blockNumber, int position) const
{
    return m_softBreaks.offsetOfBlock(blockNumber, position);
}

int RichTextBox1::positionFromOffset(qsizetype offset) const
{
    return m_softBreaks.positionOfOffset(document(), offset);
}

qsizetype RichTextBox1::offsetFromPosition(int position) const
{
    const QTextDocument *doc = document();
    position = qBound(0, position, doc->characterCount() - 1);
    return blockOffset(doc->findBlock(position).blockNumber(), position);
}

QString RichTextBox1::textBetween(qsizetype from, qsizetype to) const
{
    const int start = positionFromOffset(from);
    const int end = positionFromOffset(to);
    if (end <= start)
        return QString();
    return StandInCharacters::text(document(), start, end, u"\r\n", softSeparators(start, end));
}

std::vector<int> RichTextBox1::softSeparators(int from, int to) const
{
    if (m_softBreaks.isEmpty())
        return {};
    return m_softBreaks.separatorsBetween(document(), qMax(0, from), qMin(to, document()->characterCount() - 1));
}

QTextBlock RichTextBox1::firstBlockOfLine(int line) const
{
    return document()->findBlockByNumber(m_softBreaks.firstBlockOfLine(line));
}

qsizetype RichTextBox1::SelStart() const
{
    return offsetFromPosition(textCursor().selectionStart());
}

void RichTextBox1::setSelStart(qsizetype offset)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(positionFromOffset(offset));
    setTextCursor(cursor);
}

qsizetype RichTextBox1::SelLength() const
{
    const QTextCursor cursor = textCursor();
    return offsetFromPosition(cursor.selectionEnd()) - offsetFromPosition(cursor.selectionStart());
}

void RichTextBox1::setSelLength(qsizetype length)
{
    QTextCursor cursor = textCursor();
    const qsizetype start = offsetFromPosition(cursor.selectionStart());
    cursor.setPosition(cursor.selectionStart());
    cursor.setPosition(positionFromOffset(start + qMax<qsizetype>(0, length)), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString RichTextBox1::SelText() const
{
    const QTextCursor cursor = textCursor();
    return StandInCharacters::text(document(), cursor.selectionStart(), cursor.selectionEnd(), u"\r\n",
                                   softSeparators(cursor.selectionStart(), cursor.selectionEnd()));
}

void RichTextBox1::setSelText(const QString &text)
{
    finishColouring();
    syncTypingFormat();
    forgetChanges();
    QTextCursor cursor = textCursor();
    StandInCharacters::insert(cursor, LineBreaks::toLf(text), cursor.charFormat());
    setTextCursor(cursor);
    rebalance();
}

QColor RichTextBox1::SelColor() const
{
    auto *self = const_cast<RichTextBox1 *>(this);
    self->finishColouring();
    self->syncTypingFormat();
    const QTextCharFormat format = textCursor().charFormat();
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        return format.foreground().color();
    return palette().color(QPalette::Text);
}

void RichTextBox1::setCursorColour(QTextCursor &cursor, const QColor &colour) const
{
    if (cursor.hasSelection()) {
        QTextCharFormat format;
        if (colour.isValid())
            format.setForeground(colour);
        else
            format.setForeground(palette().color(QPalette::Text));
        cursor.mergeCharFormat(format);
        return;
    }
    QTextCharFormat format = cursor.charFormat();
    StandInCharacters::unmark(format);
    if (colour.isValid())
        format.setForeground(colour);
    else
        format.clearForeground();
    cursor.setCharFormat(format);
}

void RichTextBox1::setSelColor(const QColor &colour)
{
    finishColouring();
    syncTypingFormat();
    QTextCursor cursor = textCursor();
    setCursorColour(cursor, colour);
    setTextCursor(cursor);
    if (!cursor.hasSelection())
        m_typingColourSet = true;
}

void RichTextBox1::syncTypingFormat()
{
    // At the start of a line Qt takes the format of the character after the
    // caret; ours is the one before it, the line break, unless a typing
    // colour was set right here.
    // Text typed beside a stand-in never takes over its mark.
    const QTextCursor cursor = textCursor();
    if (cursor.hasSelection())
        return;
    QTextCharFormat wanted = cursor.charFormat();
    if (!m_typingColourSet && cursor.atBlockStart() && cursor.position() > 0)
        wanted = cursor.block().charFormat();
    StandInCharacters::unmark(wanted);
    if (cursor.charFormat() != wanted)
        setCurrentCharFormat(wanted);
}

void RichTextBox1::setSelColor(SyntaxColor colour)
{
    setSelColor(SyntaxPalette::toQColor(colour));
}

void RichTextBox1::setSelBold(bool bold)
{
    finishColouring();
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    QTextCursor cursor = textCursor();
    cursor.mergeCharFormat(format);
    setTextCursor(cursor);
}

void RichTextBox1::setSelUnderline(bool underline)
{
    finishColouring();
    QTextCharFormat format;
    format.setFontUnderline(underline);
    QTextCursor cursor = textCursor();
    cursor.mergeCharFormat(format);
    setTextCursor(cursor);
}

void RichTextBox1::setSelIndent(bool indented)
{
    finishColouring();
    QTextCursor cursor = textCursor();
    // A paragraph is the whole line, every piece of a long one.
    const int first = m_softBreaks.firstBlockOfLine(m_softBreaks.lineOfBlock(
        document()->findBlock(cursor.selectionStart()).blockNumber()));
    QTextBlock last = document()->findBlock(cursor.selectionEnd());
    while (SoftBreaks::continuesLine(last.next()))
        last = last.next();
    cursor.setPosition(document()->findBlockByNumber(first).position());
    cursor.setPosition(last.position(), QTextCursor::KeepAnchor);
    QTextBlockFormat format;
    format.setIndent(indented ? 1 : 0);
    // Shown on screen only: no change of the text, and no step of its undo
    // history, so Ctrl+Z goes on to the last real edit.
    m_formatting = true;
    DeferredColouring::withoutRecording(document(), [&] { cursor.mergeBlockFormat(format); });
    m_formatting = false;
}

bool RichTextBox1::isParagraphIndented(int line) const
{
    return firstBlockOfLine(line).blockFormat().indent() > 0;
}

void RichTextBox1::replaceOccurrences(const QList<qsizetype> &starts, qsizetype length, const QString &text)
{
    if (starts.isEmpty())
        return;
    finishColouring();
    const QString qtText = LineBreaks::toLf(text);
    QList<qsizetype> offsets;
    offsets.reserve(starts.size() * 2);
    for (const qsizetype start : starts)
        offsets << start << start + length;
    const QList<int> positions = SoftBreaks::positionsOfOffsets(document(), offsets);
    forgetChanges();
    QTextCursor cursor(document());
    QTextCursor caret;
    cursor.beginEditBlock();
    // Back to front, so the positions still to come are not moved by the edits.
    // Each occurrence is rewritten on its own: the text between keeps its colours.
    for (qsizetype i = starts.size() - 1; i >= 0; --i) {
        cursor.setPosition(positions.at(2 * i));
        cursor.setPosition(positions.at(2 * i + 1), QTextCursor::KeepAnchor);
        StandInCharacters::insert(cursor, qtText, cursor.charFormat());
        if (caret.isNull())
            caret = cursor; // follows the edits in front of it
    }
    cursor.endEditBlock();
    setTextCursor(caret);
    rebalance();
}

void RichTextBox1::insertPieces(const PieceList &pieces)
{
    finishColouring();
    syncTypingFormat();
    forgetChanges();
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    if (cursor.hasSelection())
        cursor.removeSelectedText();
    writePieces(cursor, pieces);
    cursor.endEditBlock();
    setTextCursor(cursor);
    rebalance();
}

void RichTextBox1::writePieces(QTextCursor &cursor, const PieceList &pieces) const
{
    for (const ColouredPiece &piece : pieces) {
        if (piece.colour)
            setCursorColour(cursor, SyntaxPalette::toQColor(*piece.colour));
        StandInCharacters::insert(cursor, LineBreaks::toLf(piece.text), cursor.charFormat());
    }
}

void RichTextBox1::applyEdits(const SourceEdits &edits)
{
    if (edits.isEmpty())
        return;
    finishColouring();
    forgetChanges();
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    for (const SourceEdit &edit : edits) {
        const int start = positionFromOffset(edit.position);
        cursor.setPosition(start);
        cursor.setPosition(positionFromOffset(edit.position + edit.removed), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        // An edit that only inserts takes the colour of what is before it,
        // like typing; its pieces say where that is not wanted.
        writePieces(cursor, edit.pieces);
        // The document tells of its changes only when the edit block ends;
        // the next offset must already count the line breaks this one made.
        m_softBreaks.contentsChanged(document(), start, cursor.position() - start);
    }
    cursor.endEditBlock();
    setTextCursor(cursor);
    rebalance();
}

void RichTextBox1::applyColourRuns(const ColourRuns &runs)
{
    m_colouring->apply(runs, {});
}

QString RichTextBox1::scanText() const
{
    const QString raw = document()->toRawText();
    if (m_softBreaks.isEmpty())
        return raw;
    return SoftBreaks::withoutSeparators(raw, softSeparators(0, INT_MAX));
}

void RichTextBox1::applyScannedColourRuns(const ColourRuns &runs)
{
    m_colouring->apply(runs, softSeparators(0, INT_MAX));
}

void RichTextBox1::colourScanned()
{
    m_colouring->applyScanned(scanText(), softSeparators(0, INT_MAX));
}

void RichTextBox1::rebalance()
{
    if (m_changedFrom < 0)
        return;
    QTextDocument *doc = document();
    const int last = doc->characterCount() - 1;
    QTextBlock block = doc->findBlock(qBound(0, m_changedFrom, last));
    const int lastBlock = doc->findBlock(qBound(0, m_changedTo, last)).blockNumber();
    forgetChanges();
    // From one block before the change, which a tiny first piece may join;
    // to one after it, which a tiny last piece may take in.
    if (block.previous().isValid())
        block = block.previous();
    if (PieceBalancer::balance(doc, block, lastBlock + 1, [this] { m_rebalancing = true; }))
        m_rebalancing = false;
}

void RichTextBox1::onContentsChange(int position, int removed, int added)
{
    if (m_formatting || m_colouring->writing())
        return;
    // An edit of the page that an undo of a restore brought back ends the
    // way to redo the restore, as any edit ends the way to redo.
    if (!m_stepping && !m_rebalancing && m_otherPage && m_otherPage->step() == ContentSwap::Step::Redo)
        m_otherPage.reset();
    m_softBreaks.contentsChanged(document(), position, added);
    if (!m_rebalancing) {
        // The stretch the next rebalance looks at; what lay behind the
        // earlier change moved with this one.
        if (m_changedFrom < 0) {
            m_changedFrom = position;
            m_changedTo = position + added;
        } else {
            if (m_changedTo > position)
                m_changedTo = qMax(position, m_changedTo - removed) + added;
            m_changedFrom = qMin(m_changedFrom, position);
            m_changedTo = qMax(m_changedTo, position + added);
        }
    }
    m_colouring->textChanged(position, removed, added);
}

void RichTextBox1::paintEvent(QPaintEvent *event)
{
    m_colouring->colourView();
    QPlainTextEdit::paintEvent(event);
}

void RichTextBox1::inputMethodEvent(QInputMethodEvent *event)
{
    finishColouring();
    syncTypingFormat();
    forgetChanges();
    QPlainTextEdit::inputMethodEvent(event);
    rebalance();
}

void RichTextBox1::contextMenuEvent(QContextMenuEvent *event)
{
    finishColouring();
    // The document window pops up its own edit menu when the right button
    // comes up; the Menu key does the same at the caret.
    event->accept();
    if (event->reason() != QContextMenuEvent::Mouse)
        emit MouseUp(Qt::RightButton, cursorRect().center());
}

void RichTextBox1::insertFromMimeData(const QMimeData *source)
{
    finishColouring();
    syncTypingFormat();
    if (!source->hasText() || isReadOnly()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // An empty text is nothing to paste: the selection stays, as with the
    // edit menu's paste.
    const QString text = source->text();
    if (text.isEmpty())
        return;
    // Always our own insertion: it keeps the splitting characters and never
    // lets a pasted line break continue a long line.
    forgetChanges();
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    StandInCharacters::insert(cursor, LineBreaks::toLf(text), cursor.charFormat());
    cursor.endEditBlock();
    setTextCursor(cursor);
    rebalance();
    ensureCursorVisible();
}

QMimeData *RichTextBox1::createMimeDataFromSelection() const
{
    // Other programs get the characters themselves, not the stand-ins.
    auto *data = new QMimeData;
    const QTextCursor cursor = textCursor();
    data->setText(StandInCharacters::text(document(), cursor.selectionStart(), cursor.selectionEnd(), u"\n",
                                          softSeparators(cursor.selectionStart(), cursor.selectionEnd())));
    return data;
}

void RichTextBox1::markRanges(const TextRanges &ranges)
{
    if (ranges.isEmpty())
        return;
    TextRanges positions;
    positions.reserve(ranges.size());
    for (const TextRange &range : ranges) {
        const int start = positionFromOffset(range.start);
        positions.append({start, positionFromOffset(range.end()) - start});
    }
    if (!m_linkMarks)
        m_linkMarks = new LinkMarks(document());
    m_linkMarks->add(positions);
}

RestorePoint::Snapshot RichTextBox1::formattedContent()
{
    finishColouring();
    return ContentSnapshot::capture(document(), softSeparators(0, INT_MAX),
                                    m_linkMarks ? m_linkMarks->ranges() : TextRanges());
}

void RichTextBox1::setFormattedContent(RestorePoint::Snapshot content)
{
    finishColouring();
    m_otherPage.reset();
    QTextDocument *replaced = document();
    // The restore is an edit of its own: what was undone before it is gone.
    replaced->clearUndoRedoStacks(QTextDocument::RedoStack);
    auto aside = ContentSwap::setAside(this, m_softBreaks, m_linkMarks, ContentSwap::Step::Undo);
    QTextDocument *restored = makeDocument();
    restored->setDefaultFont(replaced->defaultFont());
    ContentSwap::show(this, restored);
    fill(content.text);
    content.text = QString();
    // Shown once more, now whole, so that the view lays out each of its
    // blocks as it does for a page that undo or redo brings back: stepping
    // across the restore then moves those layouts from page to page instead
    // of adding a page's worth.
    ContentSwap::show(this, restored);
    applyScannedColourRuns(content.colours);
    if (!content.linkMarks.isEmpty()) {
        m_linkMarks = new LinkMarks(restored);
        // From positions of the text without soft breaks to those of the pieces.
        m_linkMarks->add(SoftBreaks::withSeparators(content.linkMarks, softSeparators(0, INT_MAX)));
    }
    QTextCursor end(restored);
    end.movePosition(QTextCursor::End);
    setTextCursor(end);
    m_otherPage = std::move(aside);
}

void RichTextBox1::swapPages()
{
    finishColouring();
    m_otherPage = m_otherPage->showIn(this, m_softBreaks, m_linkMarks);
    m_typingColourSet = false;
    forgetChanges();
    m_textValid = false;
    emit Change();
}

void RichTextBox1::undo()
{
    if (m_otherPage && m_otherPage->step() == ContentSwap::Step::Undo && !document()->isUndoAvailable()) {
        swapPages();
        return;
    }
    m_stepping = true;
    QPlainTextEdit::undo();
    m_stepping = false;
}

void RichTextBox1::redo()
{
    if (m_otherPage && m_otherPage->step() == ContentSwap::Step::Redo && !document()->isRedoAvailable()) {
        swapPages();
        return;
    }
    m_stepping = true;
    QPlainTextEdit::redo();
    m_stepping = false;
}

int RichTextBox1::lineOfCaret() const
{
    return m_softBreaks.lineOfBlock(textCursor().blockNumber());
}

QString RichTextBox1::lineText(int line) const
{
    constexpr int Wanted = 255;
    const QTextBlock first = firstBlockOfLine(line);
    if (!first.isValid())
        return QString();
    // Only the pieces that hold the first characters of the line are read.
    QTextBlock last = first;
    int length = first.length() - 1;
    while (length < Wanted && SoftBreaks::continuesLine(last.next())) {
        last = last.next();
        length += last.length() - 1;
    }
    const int from = first.position();
    const int to = last.position() + last.length() - 1;
    return StandInCharacters::text(document(), from, to, u"", softSeparators(from, to)).left(Wanted);
}

QPoint RichTextBox1::caretPosition() const
{
    return cursorRect().topLeft() + viewport()->geometry().topLeft();
}

void RichTextBox1::printTo(QPrinter *printer) const
{
    if (!printer)
        return;
    const_cast<RichTextBox1 *>(this)->finishColouring();
    const QTextCursor cursor = textCursor();
    if (cursor.hasSelection()) {
        QTextDocument selection;
        QTextCursor(&selection).insertFragment(cursor.selection());
        selection.print(printer);
        return;
    }
    document()->print(printer);
}

void RichTextBox1::selectCharacterAt(int position)
{
    const QTextDocument *doc = document();
    const int last = doc->characterCount() - 1;
    position = qBound(0, position, last);
    if (position > 0 && doc->characterAt(position).isLowSurrogate() && doc->characterAt(position - 1).isHighSurrogate())
        --position;
    int end = qMin(position + 1, last);
    if (end < last && doc->characterAt(position).isHighSurrogate() && doc->characterAt(end).isLowSurrogate())
        ++end;
    QTextCursor cursor = textCursor();
    cursor.setPosition(position);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void RichTextBox1::Undo()
{
    undo();
    forgetChanges();
}

void RichTextBox1::SendKeys(const QString &keys)
{
    // The application's focus widget is none while no window is active, yet
    // the window keeps the widget it will give the keys to.
    QWidget *target = window()->focusWidget();
    KeyQueue::post(target ? target : this, keys);
}

void RichTextBox1::sendKeysHere(const QString &keys)
{
    KeyQueue::post(this, keys);
}

void RichTextBox1::keyPressEvent(QKeyEvent *event)
{
    finishColouring();
    syncTypingFormat();
    bool swallow = false;
    const int stepsBefore = document()->availableUndoSteps();
    emit KeyDown(event, &swallow);
    if (swallow) {
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (!command && text.size() == 1 && text.at(0).isPrint()) {
        emit KeyPress(text.at(0), &swallow);
        if (swallow) {
            event->accept();
            return;
        }
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !isReadOnly()
        && !(event->modifiers() & Qt::AltModifier)) {
        // Every Enter is a real line break (CR LF in the file); Qt would make
        // Shift+Enter a soft break that no file format knows. The new line
        // never takes over the mark of a piece that continues a long one.
        forgetChanges();
        QTextCursor cursor = textCursor();
        // What the key-down handlers wrote for this key (Shift+Enter's <br>)
        // and the line break are one step of the history.
        const bool joined = document()->availableUndoSteps() > stepsBefore;
        if (joined)
            cursor.joinPreviousEditBlock();
        cursor.insertBlock(SoftBreaks::unmarked(cursor.blockFormat()), cursor.charFormat());
        if (joined)
            cursor.endEditBlock();
        setTextCursor(cursor);
        rebalance();
        ensureCursorVisible();
        event->accept();
        return;
    }
    forgetChanges();
    // Undo and redo step across a restore too, which the widget knows nothing of.
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        if (!isReadOnly())
            event->matches(QKeySequence::Undo) ? undo() : redo();
        forgetChanges(); // the history already holds the pieces as they were
        event->accept();
        return;
    }
    stepOverSoftBreak(event);
    const int before = textCursor().position();
    QPlainTextEdit::keyPressEvent(event);
    const int after = textCursor().position();
    // A step across a soft break moves the caret between two places of the
    // same offset; the key meant one character, so it goes once more.
    if ((event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) && after != before
        && offsetFromPosition(after) == offsetFromPosition(before))
        QPlainTextEdit::keyPressEvent(event);
    rebalance();
}

void RichTextBox1::stepOverSoftBreak(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Backspace && event->key() != Qt::Key_Delete)
        return;
    QTextCursor cursor = textCursor();
    if (SoftBreaks::stepOver(cursor, event->key() == Qt::Key_Backspace))
        setTextCursor(cursor);
}

void RichTextBox1::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    emit MouseUp(event->button(), event->position().toPoint());
}

void RichTextBox1::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DroppedFiles::localFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QPlainTextEdit::dragEnterEvent(event);
}

void RichTextBox1::dragMoveEvent(QDragMoveEvent *event)
{
    if (!DroppedFiles::localFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QPlainTextEdit::dragMoveEvent(event);
}

void RichTextBox1::dropEvent(QDropEvent *event)
{
    finishColouring();
    const QStringList paths = DroppedFiles::localFiles(event->mimeData());
    if (!paths.isEmpty()) {
        event->acceptProposedAction();
        emit FilesDropped(paths);
        return;
    }
    forgetChanges();
    QPlainTextEdit::dropEvent(event);
    rebalance();
}
