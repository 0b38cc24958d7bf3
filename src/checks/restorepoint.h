#pragma once

#include "checks/textrange.h"
#include "shared/syntaxcolor.h"

#include <QString>

// One document's restore point: its whole text as it was, with the colours of
// the text and the places the link check marked. A plain value; the window
// captures it from the control and puts it back.
//
// It holds the one copy of the text it was given (moved in, not copied), and
// take() hands that copy on, so a restore never keeps a second one alive.
class RestorePoint
{
public:
    struct Snapshot {
        QString text;
        ColourRuns colours;   // text no run covers has the control's own colour
        TextRanges linkMarks; // bold, underlined, dark red
    };

    bool isEmpty() const { return !m_held; }

    // Replaces whatever the point held. The runs are tidied on the way in.
    void store(QString text, ColourRuns colours, TextRanges linkMarks = {});

    // Hands the snapshot out and leaves the point empty.
    Snapshot take();

    const Snapshot &snapshot() const { return m_snapshot; }

    // The caption of IDM_CREATE_BACKUP for this state.
    QString menuCaption() const;

    static QString createdMessage();
    static QString confirmMessage();

    // Runs in text order, inside [0, textLength), without overlaps, empty runs
    // or runs of the default colour, touching runs of one colour merged: the
    // fewest format changes that give the same colours.
    static ColourRuns tidied(ColourRuns runs, qsizetype textLength);
    // Marks in text order, clipped to the text, touching or overlapping ones joined.
    static TextRanges tidied(TextRanges ranges, qsizetype textLength);

private:
    Snapshot m_snapshot;
    bool m_held = false; // an empty page can be a restore point too
};
