#pragma once

#include "checks/restorepoint.h"
#include "checks/textrange.h"
#include "document/deferredcolouring.h"
#include "document/pagecolouring.h"
#include "document/softbreaks.h"
#include "document/standincharacters.h"
#include "generators/sourceedit.h"
#include "shared/syntaxcolor.h"

#include <QColor>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

class ContentSwap;
class LinkMarks;
class QPrinter;

// The source edit control. Every position, length and text it hands out counts
// a line break as two characters (CR LF), whatever Qt holds inside (one
// separator per block). A very long line is held as several blocks joined by
// soft breaks, which count as nothing at all. The mapping between the two is
// O(log n).
class RichTextBox1 : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit RichTextBox1(QWidget *parent = nullptr);
    ~RichTextBox1() override;

    // Whole content with CR LF line breaks; cached until the next change.
    QString Text() const;
    // Replaces the whole content (any line-break style); not an undoable step.
    void setText(const QString &text);
    // The whole content with "\n" line breaks, as a file is written from.
    QString fileText() const;
    // The content between two Qt positions in two steps, the first only
    // copying what the document holds: its text() may run on another thread
    // while the user types on.
    StandInCharacters::RawText fileTextLater(int from, int to) const;
    // Length of Text() without building it.
    qsizetype textLength() const;
    // The character at an offset, CR and LF included, without building Text();
    // a null character past the end.
    QChar characterAt(qsizetype offset) const;

    qsizetype SelStart() const;
    void setSelStart(qsizetype offset);
    qsizetype SelLength() const;
    void setSelLength(qsizetype length);
    QString SelText() const;
    // Replaces the selection (or inserts at the caret) in the typing colour;
    // the caret ends after the inserted text.
    void setSelText(const QString &text);

    // Colour of the text before the caret; the explicit colour of the typing
    // format when one was set at the caret.
    QColor SelColor() const;
    // Colours the selection; with none, sets the typing colour. An invalid
    // colour means the control's own text colour.
    void setSelColor(const QColor &colour);
    void setSelColor(SyntaxColor colour);
    void setSelBold(bool bold);
    void setSelUnderline(bool underline);

    // The Boolean paragraph attribute of the selected paragraphs, shown as an
    // indentation on screen. It is no change of the text: it never marks the
    // document modified and never reaches the file.
    void setSelIndent(bool indented);
    bool isParagraphIndented(int line) const;

    // Replaces [start, start + length) at each of the offsets (ascending, not
    // overlapping) by text, as one undo step; the caret ends after the last.
    void replaceOccurrences(const QList<qsizetype> &starts, qsizetype length, const QString &text);
    // Inserts the pieces at the caret (replacing the selection) as one undo step.
    void insertPieces(const PieceList &pieces);
    // Applies edits in order, each at an offset of the text as the edits
    // before it left it, as one undo step. The caret ends after the last.
    void applyEdits(const SourceEdits &edits);
    // Colours the whole text from runs in Qt positions; not an undoable step
    // and not a change of the content. A large page gets the part in view at
    // once and the rest while the program is idle, and always before any edit.
    void applyColourRuns(const ColourRuns &runs);
    // The text the colour scanner reads: the document's raw text (one
    // separator per line break) without the soft breaks.
    QString scanText() const;
    // Colours the whole text from runs in positions of scanText(), as
    // applyColourRuns() does.
    void applyScannedColourRuns(const ColourRuns &runs);
    // Scans the whole text and colours it from the runs, as
    // applyScannedColourRuns() does; the runs are packed as they are found.
    void colourScanned();
    // Writes whatever colour is still waiting.
    void finishColouring() { m_colouring->finish(); }
    bool colouringPending() const { return m_colouring->pending(); }

    // Shows the stretches (offsets) bold, underlined and dark red: the link
    // check's marks. They are no edit of the text: no Change, no undo step.
    void markRanges(const TextRanges &ranges);
    // The whole content with its colours and marks, in Qt positions.
    RestorePoint::Snapshot formattedContent();
    // Replaces the whole content, colours and marks included, as one undoable
    // edit; the caret ends after the text. The page it replaces is set aside
    // with its history (undoing the restore shows it again, and then a redo
    // the restored page); a page set aside by an earlier restore goes.
    void setFormattedContent(RestorePoint::Snapshot content);

    int lineOfCaret() const;
    // The text of a line, at most 255 characters.
    QString lineText(int line) const;
    // The caret's position in pixels relative to this control.
    QPoint caretPosition() const;

    void printTo(QPrinter *printer) const;
    void Undo();

public slots:
    // The edit's own undo and redo, which also step across a restore.
    void undo();
    void redo();

public:

    // Queues key presses to the widget that has the focus in this control's
    // window (even while another program has the keyboard); handled after the
    // current handler returns, by the same handlers as typed keys. Understands
    // "{BS}" and plain characters.
    void SendKeys(const QString &keys);

    // Selects the whole character at a Qt position: both halves of a
    // character outside the basic plane.
    void selectCharacterAt(int position);
    // The same keys, queued to this control whoever has the focus: right after
    // a common dialog closes the program may have no active window at all.
    void sendKeysHere(const QString &keys);

    // Offset (CR LF counted twice) <-> Qt position.
    int positionFromOffset(qsizetype offset) const;
    qsizetype offsetFromPosition(int position) const;
    // The text between two offsets, line breaks as CR LF.
    QString textBetween(qsizetype from, qsizetype to) const;
    // How many soft breaks hold the long lines in pieces.
    int softBreakCount() const { return m_softBreaks.count(); }

signals:
    // After every change of the content, by the user or the program.
    void Change();
    // Before a key is applied; setting *swallow keeps the control from applying it.
    void KeyDown(QKeyEvent *event, bool *swallow);
    void KeyPress(QChar character, bool *swallow);
    void MouseUp(Qt::MouseButton button, QPoint position);
    void FilesDropped(const QStringList &paths);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    void setCursorColour(QTextCursor &cursor, const QColor &colour) const;
    void writePieces(QTextCursor &cursor, const PieceList &pieces) const;
    void syncTypingFormat();
    void onContentsChange(int position, int removed, int added);
    // The first offset of a block: its position plus one for each real line
    // break before it, less one for each soft break.
    qsizetype blockOffset(int blockNumber, int position) const;
    QTextBlock firstBlockOfLine(int line) const;
    std::vector<int> softSeparators(int from, int to) const;
    // Cuts the changed blocks that grew too long and joins tiny neighbours,
    // as part of the edit that made them.
    void rebalance();
    void forgetChanges() { m_changedFrom = -1; }
    void stepOverSoftBreak(QKeyEvent *event);
    QTextDocument *makeDocument();
    // Fills the document shown with `qtText` ("\n" breaks).
    void fill(const QString &qtText);
    // Shows the page a restore set aside and sets aside the one shown.
    void swapPages();

    mutable QString m_textCache;
    mutable bool m_textValid = false;
    PageColouring *m_colouring;
    // Set while the document changes in ways that are no change of the
    // content: filled by the program, or an indent shown.
    bool m_formatting = false;
    // A typing colour was set at the caret since it last moved.
    bool m_typingColourSet = false;
    SoftBreaks m_softBreaks;
    // Positions changed since the last rebalance; -1 when none.
    int m_changedFrom = -1;
    int m_changedTo = -1;
    // Set while long lines are cut or joined, which is no change of the content.
    bool m_rebalancing = false;
    LinkMarks *m_linkMarks = nullptr; // made by the first mark
    std::unique_ptr<ContentSwap> m_otherPage; // of the last restore, while a step can bring it back
    bool m_stepping = false;                  // set during an undo or redo of the page shown
};
