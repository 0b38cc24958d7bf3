#include "document/richtextbox1.h"

#include "document/indentinglayout.h"
#include "document/standincharacters.h"
#include "document/linkmarks.h"

#include "shared/droppedfiles.h"
#include "shared/syntaxpalette.h"

#include <QAbstractUndoItem>
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
{
    setObjectName(QStringLiteral("RichTextBox1"));
    setAcceptDrops(true);
    // Our own layout, so that indented paragraphs show indented.
    auto *doc = new QTextDocument(this);
    doc->setDocumentLayout(new IndentingLayout(doc));
    setDocument(doc);
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (m_formatting)
            return;
        m_textValid = false;
        emit Change();
    });
    connect(document(), &QTextDocument::contentsChange, this, &RichTextBox1::onContentsChange);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] { m_typingColourSet = false; });
    m_idleColouring.setSingleShot(true);
    m_idleColouring.setInterval(0);
    connect(&m_idleColouring, &QTimer::timeout, this, &RichTextBox1::colourIdleChunk);
}

QString RichTextBox1::toQtText(const QString &text)
{
    if (!text.contains(QLatin1Char('\r')))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == QLatin1Char('\r')) {
            out.append(QLatin1Char('\n'));
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            out.append(ch);
        }
    }
    return out;
}

QString RichTextBox1::Text() const
{
    if (!m_textValid) {
        // toPlainText() would turn no-break spaces into blanks; the raw text keeps them.
        m_textCache = StandInCharacters::text(document(), 0, INT_MAX, u"\r\n");
        m_textValid = true;
    }
    return m_textCache;
}

void RichTextBox1::setText(const QString &text)
{
    m_idleColouring.stop();
    m_colouring.clear();
    // Straight into the document: the widget's own setPlainText() costs about
    // a tenth more on a large page for bookkeeping done here by hand.
    if (m_linkMarks)
        m_linkMarks->clear();
    StandInCharacters::setContent(document(), toQtText(text));
    QTextCursor start(document());
    setTextCursor(start);
    setCurrentCharFormat(QTextCharFormat());
}

QString RichTextBox1::fileText() const
{
    return StandInCharacters::text(document(), 0, INT_MAX, u"\n");
}

qsizetype RichTextBox1::textLength() const
{
    const QTextDocument *doc = document();
    return qsizetype(doc->characterCount()) - 1 + doc->blockCount() - 1;
}

QChar RichTextBox1::characterAt(qsizetype offset) const
{
    if (offset < 0 || offset >= textLength())
        return QChar();
    const int position = positionFromOffset(offset);
    const QTextBlock block = document()->findBlock(position);
    const qsizetype lineEnd = qsizetype(block.position()) + block.blockNumber() + block.length() - 1;
    if (offset == lineEnd)
        return QLatin1Char('\r');
    if (offset == lineEnd + 1)
        return QLatin1Char('\n');
    return document()->characterAt(position);
}

int RichTextBox1::positionFromOffset(qsizetype offset) const
{
    if (offset <= 0)
        return 0;
    const QTextDocument *doc = document();
    // The last block whose first offset (position + one extra per earlier line break) is <= offset.
    int lo = 0;
    int hi = doc->blockCount() - 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo + 1) / 2;
        if (qsizetype(doc->findBlockByNumber(mid).position()) + mid <= offset)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(lo);
    const qsizetype within = offset - (qsizetype(block.position()) + lo);
    const int lineLength = block.length() - 1;
    // An offset between CR and LF, or past the end, is the end of that line.
    return block.position() + int(qMin<qsizetype>(within, lineLength));
}

qsizetype RichTextBox1::offsetFromPosition(int position) const
{
    const QTextDocument *doc = document();
    position = qBound(0, position, doc->characterCount() - 1);
    return qsizetype(position) + doc->findBlock(position).blockNumber();
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
    return StandInCharacters::text(document(), cursor.selectionStart(), cursor.selectionEnd(), u"\r\n");
}

void RichTextBox1::setSelText(const QString &text)
{
    finishColouring();
    syncTypingFormat();
    QTextCursor cursor = textCursor();
    StandInCharacters::insert(cursor, toQtText(text), cursor.charFormat());
    setTextCursor(cursor);
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
    QTextBlockFormat format;
    format.setIndent(indented ? 1 : 0);
    m_formatting = true;
    cursor.mergeBlockFormat(format);
    m_formatting = false;
}

bool RichTextBox1::isParagraphIndented(int line) const
{
    return document()->findBlockByNumber(line).blockFormat().indent() > 0;
}

void RichTextBox1::replaceOccurrences(const QList<qsizetype> &starts, qsizetype length, const QString &text)
{
    if (starts.isEmpty())
        return;
    finishColouring();
    const QString qtText = toQtText(text);
    // Offsets to positions in one walk down the blocks, as they ascend.
    QList<int> positions;
    positions.reserve(starts.size() * 2);
    QTextBlock block = document()->begin();
    qsizetype blockOffset = 0; // offset of the block's first character
    for (const qsizetype start : starts) {
        for (const qsizetype offset : {start, start + length}) {
            for (QTextBlock next = block.next(); next.isValid(); next = block.next()) {
                const qsizetype nextOffset = blockOffset + block.length() + 1; // its text, CR and LF
                if (nextOffset > offset)
                    break;
                block = next;
                blockOffset = nextOffset;
            }
            // An offset between CR and LF is the end of the line.
            positions.append(block.position() + int(qMin<qsizetype>(offset - blockOffset, block.length() - 1)));
        }
    }
    QTextCursor cursor(document());
    QTextCursor caret;
    cursor.beginEditBlock();
    // Back to front, so the positions still to come are not moved by the edits.
    // Each occurrence is rewritten on its own: the text between keeps its colours.
    for (qsizetype i = starts.size() - 1; i >= 0; --i) {
        cursor.setPosition(positions.at(2 * i));
        cursor.setPosition(positions.at(2 * i + 1), QTextCursor::KeepAnchor);
        cursor.insertText(qtText);
        if (caret.isNull())
            caret = cursor; // follows the edits in front of it
    }
    cursor.endEditBlock();
    setTextCursor(caret);
}

void RichTextBox1::insertPieces(const PieceList &pieces)
{
    finishColouring();
    syncTypingFormat();
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    if (cursor.hasSelection())
        cursor.removeSelectedText();
    writePieces(cursor, pieces);
    cursor.endEditBlock();
    setTextCursor(cursor);
}

void RichTextBox1::writePieces(QTextCursor &cursor, const PieceList &pieces) const
{
    for (const ColouredPiece &piece : pieces) {
        if (piece.colour)
            setCursorColour(cursor, SyntaxPalette::toQColor(*piece.colour));
        StandInCharacters::insert(cursor, toQtText(piece.text), cursor.charFormat());
    }
}

void RichTextBox1::applyEdits(const SourceEdits &edits)
{
    if (edits.isEmpty())
        return;
    finishColouring();
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    for (const SourceEdit &edit : edits) {
        cursor.setPosition(positionFromOffset(edit.position));
        cursor.setPosition(positionFromOffset(edit.position + edit.removed), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        // An edit that only inserts takes the colour of what is before it,
        // like typing; its pieces say where that is not wanted.
        writePieces(cursor, edit.pieces);
    }
    cursor.endEditBlock();
    setTextCursor(cursor);
}

void RichTextBox1::applyColourRuns(const ColourRuns &runs)
{
    m_idleColouring.stop();
    m_colouring.clear();
    m_formatting = true;
    if (runs.size() <= 2 * DeferredColouring::ChunkRuns) {
        DeferredColouring::applyAll(document(), runs);
    } else {
        m_colouring.setRuns(runs);
        const int first = firstVisibleBlock().position();
        const int last = cursorForPosition(viewport()->rect().bottomRight()).position();
        m_colouring.applyRange(document(), first, qsizetype(last) + 4096);
    }
    m_formatting = false;
    if (m_colouring.pending())
        m_idleColouring.start();
}

void RichTextBox1::colourIdleChunk()
{
    m_formatting = true;
    m_colouring.applyNextChunk(document());
    m_formatting = false;
    if (m_colouring.pending())
        m_idleColouring.start();
}

void RichTextBox1::finishColouring()
{
    if (!m_colouring.pending())
        return;
    m_idleColouring.stop();
    m_formatting = true;
    m_colouring.applyRest(document());
    m_formatting = false;
}

void RichTextBox1::onContentsChange(int position, int removed, int added)
{
    if (m_formatting || !m_colouring.pending())
        return;
    // An edit that no hook saw coming: keep the waiting runs in step with the
    // text. They are written later, not from inside the document's own
    // change notice.
    m_colouring.textChanged(position, removed, added);
    m_idleColouring.start();
}

void RichTextBox1::paintEvent(QPaintEvent *event)
{
    if (m_colouring.pending()) {
        const int first = firstVisibleBlock().position();
        const int last = cursorForPosition(viewport()->rect().bottomRight()).position();
        m_formatting = true;
        m_colouring.applyRange(document(), first, qsizetype(last) + 4096);
        m_formatting = false;
    }
    QPlainTextEdit::paintEvent(event);
}

void RichTextBox1::inputMethodEvent(QInputMethodEvent *event)
{
    finishColouring();
    syncTypingFormat();
    QPlainTextEdit::inputMethodEvent(event);
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
    if (!source->hasText() || !StandInCharacters::containsSplitting(source->text())) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    StandInCharacters::insert(cursor, toQtText(source->text()), cursor.charFormat());
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

QMimeData *RichTextBox1::createMimeDataFromSelection() const
{
    // Other programs get the characters themselves, not the stand-ins.
    auto *data = new QMimeData;
    const QTextCursor cursor = textCursor();
    data->setText(StandInCharacters::text(document(), cursor.selectionStart(), cursor.selectionEnd(), u"\n"));
    return data;
}

namespace {
SyntaxColor syntaxColourOf(const QTextCharFormat &format)
{
    if (!format.hasProperty(QTextFormat::ForegroundBrush))
        return SyntaxColor::Default;
    const QColor colour = format.foreground().color();
    for (int i = 1; i <= int(SyntaxColor::Black); ++i)
        if (SyntaxPalette::toQColor(SyntaxColor(i)) == colour)
            return SyntaxColor(i);
    return SyntaxColor::Default;
}
} // namespace

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
    RestorePoint::Snapshot content;
    const QTextDocument *doc = document();
    // Line breaks as "\n" and stand-ins as their originals: one character for
    // one position, so the colour runs below fit the text as it stands.
    content.text = StandInCharacters::text(doc, 0, INT_MAX, u"\n");
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const SyntaxColor colour = syntaxColourOf(fragment.charFormat());
            if (colour == SyntaxColor::Default)
                continue;
            if (!content.colours.isEmpty() && content.colours.last().colour == colour
                && content.colours.last().start + content.colours.last().length == fragment.position())
                content.colours.last().length += fragment.length();
            else
                content.colours.append({fragment.position(), fragment.length(), colour});
        }
    }
    if (m_linkMarks)
        content.linkMarks = m_linkMarks->ranges();
    return content;
}

namespace {
// The restore as one step of the document's own undo history: undoing it
// puts back what the restore replaced, and redoing it the restored page. It
// holds whichever of the two is not shown, so a page is never kept twice.
class ContentSwap : public QAbstractUndoItem
{
public:
    ContentSwap(RichTextBox1 *box, RestorePoint::Snapshot other)
        : m_box(box)
        , m_other(std::move(other))
    {
    }
    void undo() override { swap(); }
    void redo() override { swap(); }

private:
    void swap()
    {
        RestorePoint::Snapshot shown = m_box->formattedContent();
        m_box->replaceContent(std::move(m_other));
        m_other = std::move(shown);
    }

    RichTextBox1 *m_box;
    RestorePoint::Snapshot m_other;
};
} // namespace

void RichTextBox1::setFormattedContent(RestorePoint::Snapshot content)
{
    RestorePoint::Snapshot before = formattedContent();
    replaceContent(std::move(content));
    document()->appendUndoItem(new ContentSwap(this, std::move(before)));
}

void RichTextBox1::replaceContent(RestorePoint::Snapshot content)
{
    finishColouring();
    QTextDocument *doc = document();
    // Recording every character and colour of a large page would cost the
    // history seconds; the swap above stands for all of it.
    DeferredColouring::withoutRecording(doc, [&] {
        QTextCursor cursor(doc);
        cursor.select(QTextCursor::Document);
        cursor.removeSelectedText();
        cursor.setCharFormat(QTextCharFormat());
        StandInCharacters::insert(cursor, content.text, QTextCharFormat());
    });
    content.text = QString();
    applyColourRuns(content.colours);
    if (m_linkMarks)
        m_linkMarks->clear();
    if (!content.linkMarks.isEmpty()) {
        if (!m_linkMarks)
            m_linkMarks = new LinkMarks(doc);
        m_linkMarks->add(content.linkMarks);
    }
    QTextCursor end(doc);
    end.movePosition(QTextCursor::End);
    setTextCursor(end);
}

int RichTextBox1::lineOfCaret() const
{
    return textCursor().blockNumber();
}

QString RichTextBox1::lineText(int line) const
{
    return document()->findBlockByNumber(line).text().left(255);
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
}

void RichTextBox1::SendKeys(const QString &keys)
{
    // The application's focus widget is none while no window is active, yet
    // the window keeps the widget it will give the keys to.
    postKeys(window()->focusWidget(), keys);
}

void RichTextBox1::sendKeysHere(const QString &keys)
{
    postKeys(this, keys);
}

void RichTextBox1::postKeys(QWidget *target, const QString &keys)
{
    if (!target)
        target = this;
    auto post = [target](int key, const QString &text) {
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
    };
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (keys.mid(i, 4) == QLatin1String("{BS}")) {
            post(Qt::Key_Backspace, QStringLiteral("\b"));
            i += 3;
            continue;
        }
        const QChar ch = keys.at(i);
        int key = ch.toUpper().unicode();
        if (ch == QLatin1Char(' '))
            key = Qt::Key_Space;
        post(key, QString(ch));
    }
}

void RichTextBox1::keyPressEvent(QKeyEvent *event)
{
    finishColouring();
    syncTypingFormat();
    bool swallow = false;
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
        // Shift+Enter a soft break that no file format knows.
        QTextCursor cursor = textCursor();
        cursor.insertBlock();
        setTextCursor(cursor);
        ensureCursorVisible();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
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
    QPlainTextEdit::dropEvent(event);
}
