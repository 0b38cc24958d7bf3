#pragma once

#include <functional>

class QTextBlock;
class QTextDocument;

// Keeps the pieces of long lines bounded after an edit: a block that grew
// past the limit is cut again at soft breaks, and two neighbouring pieces
// that became tiny together are joined.
class PieceBalancer
{
public:
    // Looks at the blocks from `first` up to block number `lastBlock` (and
    // the pieces the cuts make there). `beforeFirstEdit` runs once, before
    // the first change, so the caller can join the changes to an edit.
    // Returns whether anything changed.
    static bool balance(QTextDocument *document, QTextBlock first, int lastBlock,
                        const std::function<void()> &beforeFirstEdit);
};
