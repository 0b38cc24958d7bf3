#pragma once

#include "generators/editingbuffer.h"

#include <QStringView>

// Where new head elements go: after the head's start tag; in a page that
// leaves it out (as it may), where the head begins: after the html start tag,
// else after the document type declaration; else at the very start. Only
// places the charset search reaches count, never the inside of a comment, so
// a charset declaration put there is found again by the next apply and by
// the save.
class HeadPlace
{
public:
    // Found in `text`, the page as it stands after the first `editsBefore`
    // edits of the buffer it is then used with.
    HeadPlace(QStringView text, qsizetype editsBefore);

    // Each element goes on a line of its own at the place, before the ones
    // added there already.
    void add(EditingBuffer &buffer, const PieceList &element);

private:
    // The edits made since the place was found move it by what they change
    // before it.
    void follow(const EditingBuffer &buffer);

    qsizetype m_position = -1;
    bool m_afterTag = false;
    qsizetype m_edits = 0;
};
