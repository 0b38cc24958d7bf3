#pragma once

#include "generators/markupscan.h"
#include "generators/sourceedit.h"
#include "generators/splicetext.h"

#include <QString>
#include <QVector>

// A working copy of a source that records each change as a SourceEdit, so a
// builder can search the text as its earlier edits left it and hand the same
// edits to the edit control afterwards.
//
// A builder looks for the same few tags again after each of its edits. On a
// large page each such search would walk the whole text, so the first places
// of the watched needles are found in one pass at the start and then kept up
// to date: an edit can only change what lies around it.
class EditingBuffer
{
public:
    explicit EditingBuffer(const QString &text, const QVector<MarkupScan::Needle> &watched = {});

    const SpliceText &text() const { return m_text; }
    const SourceEdits &edits() const { return m_edits; }
    SourceEdits takeEdits() { return std::move(m_edits); }

    // The first place of the needle in the text as it stands now; -1 if none.
    qsizetype first(const MarkupScan::Needle &needle);
    qsizetype indexOf(const MarkupScan::Needle &needle, qsizetype from) const;

    // Removes `removed` characters at `position` and inserts the pieces there;
    // returns the position after the inserted text.
    qsizetype replace(qsizetype position, qsizetype removed, const PieceList &pieces);

private:
    struct Watch {
        MarkupScan::Needle needle;
        qsizetype position = -1; // when known
        bool known = true;
        qsizetype from = 0; // when not known: no match starts before this
    };

    void update(Watch &watch, qsizetype position, qsizetype removed, qsizetype inserted);

    SpliceText m_text;
    SourceEdits m_edits;
    QVector<Watch> m_watched;
};
