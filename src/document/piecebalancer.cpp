#include "document/piecebalancer.h"

#include "document/linecuts.h"
#include "document/softbreaks.h"
#include "document/standincharacters.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

bool PieceBalancer::balance(QTextDocument *document, QTextBlock block, int lastBlock,
                            const std::function<void()> &beforeFirstEdit)
{
    QTextCursor cursor(document);
    bool editing = false;
    auto edit = [&] {
        if (!editing) {
            beforeFirstEdit();
            // Part of the edit that made the piece grow or shrink: one undo
            // takes back both.
            cursor.joinPreviousEditBlock();
            editing = true;
        }
    };
    int end = lastBlock;
    while (block.isValid() && block.blockNumber() <= end) {
        const int length = block.length() - 1;
        const QTextBlock next = block.next();
        if (SoftBreaks::continuesLine(next) && length + next.length() - 1 <= LineCuts::TargetPiece
            && (length < LineCuts::TargetPiece / 4 || next.length() - 1 < LineCuts::TargetPiece / 4)) {
            // Two neighbours so small together are one piece again.
            edit();
            cursor.setPosition(next.position() - 1);
            cursor.deleteChar();
            --end;
            continue; // the joined block may take the next one too
        }
        if (length > LineCuts::MaxPiece) {
            edit();
            const QString text = block.text();
            const QList<qsizetype> cuts = LineCuts::cuts(text);
            const int blockStart = block.position();
            // Back to front, so the cuts still to come keep their positions.
            for (qsizetype i = cuts.size() - 1; i >= 0; --i) {
                cursor.setPosition(blockStart + int(cuts.at(i)));
                QTextCharFormat format = cursor.charFormat(); // of the character before the cut
                StandInCharacters::unmark(format);
                cursor.insertBlock(SoftBreaks::marked(block.blockFormat()), format);
            }
            end += int(cuts.size());
            block = document->findBlockByNumber(block.blockNumber() + int(cuts.size()));
        }
        block = block.next();
    }
    if (editing)
        cursor.endEditBlock();
    return editing;
}
