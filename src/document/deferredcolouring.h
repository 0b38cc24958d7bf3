#pragma once

#include "shared/syntaxcolor.h"

#include <functional>
#include <vector>

class QTextDocument;

// Colour runs waiting to be written into a document. Writing a colour costs
// about a microsecond a run, which adds up to more than a second on a page of
// ten megabytes; so a large page gets the part in view first and the rest in
// small pieces while the program is idle. The runs stay valid only while the
// text is unchanged: the owner finishes (or shifts) them before any edit.
class DeferredColouring
{
public:
    static constexpr qsizetype ChunkRuns = 16384;

    // Writes every run into the document at once.
    static void applyAll(QTextDocument *document, const ColourRuns &runs);
    // Writes every run as part of the edit block open on the document, so
    // that undoing that edit takes the colours back too.
    static void applyAllRecorded(QTextDocument *document, const ColourRuns &runs);

    void setRuns(ColourRuns runs);
    void clear();
    bool pending() const { return m_chunksLeft > 0; }

    // Writes the runs touching positions [from, to).
    void applyRange(QTextDocument *document, qsizetype from, qsizetype to);
    // Writes the next unwritten chunk; false when none is left.
    bool applyNextChunk(QTextDocument *document);
    void applyRest(QTextDocument *document);
    // The text changed at `position` (`removed` characters out, `added` in)
    // before the runs were written: moves the runs behind it along.
    void textChanged(qsizetype position, qsizetype removed, qsizetype added);

private:
    // What an edit before a run's colour is written leaves of it; a run the
    // edit falls inside keeps its head in place and its tail moves behind the
    // edit.
    static ColourRun shiftRun(ColourRun &run, qsizetype position, qsizetype removed, qsizetype added);
    void applyChunk(QTextDocument *document, qsizetype chunk);

    struct Tail {
        qsizetype chunk; // written with this chunk
        ColourRun run;
    };

    ColourRuns m_runs;
    std::vector<Tail> m_tails;
    std::vector<bool> m_done;
    qsizetype m_chunksLeft = 0;
    qsizetype m_next = 0;
};
