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
// The runs wait packed, without the uncoloured ones, and each piece is let
// go as soon as it is written: on a large page they would otherwise hold
// about as much memory as the colours written into the document.
class DeferredColouring
{
public:
    static constexpr qsizetype ChunkRuns = 16384;

    // Writes every run into the document at once.
    static void applyAll(QTextDocument *document, const ColourRuns &runs);
    // Writes every run as part of the edit block open on the document, so
    // that undoing that edit takes the colours back too.
    static void applyAllRecorded(QTextDocument *document, const ColourRuns &runs);

    // Runs `work` on the document with its undo recording paused: the history
    // stays as it is and nothing is added to it.
    static void withoutRecording(QTextDocument *document, const std::function<void()> &work);

    // The runs, in positions of the text without the soft breaks at
    // `separators` (ascending positions with them) when there are any.
    void setRuns(const ColourRuns &runs, const std::vector<int> &separators = {});
    // The same runs one by one, in order, between beginRuns() and endRuns().
    void beginRuns(std::vector<int> separators = {});
    void addRun(const ColourRun &run);
    void endRuns();
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
    // Writes every waiting run in one walk over the document's pieces, where
    // nothing stands in the way; false when it wrote nothing.
    bool applyRestInOneWalk(QTextDocument *document);

    struct Tail {
        qsizetype chunk; // written with this chunk
        ColourRun run;
    };
    // A coloured run in a third of the room: positions fit an int, and the
    // colour takes the top bits of the length.
    struct PackedRun {
        qint32 start;
        quint32 lengthAndColour;
    };
    static constexpr int ColourShift = 29;
    static constexpr quint32 MaxLength = (1u << ColourShift) - 1;
    static PackedRun packed(qsizetype start, qsizetype length, SyntaxColor colour);
    static ColourRun unpacked(PackedRun run);

    // Chunks of up to ChunkRuns coloured runs, each emptied once written.
    std::vector<std::vector<PackedRun>> m_chunks;
    // Where each chunk's first run starts, kept in step with the edits.
    std::vector<qsizetype> m_chunkStarts;
    std::vector<Tail> m_tails;
    std::vector<bool> m_done;
    qsizetype m_chunksLeft = 0;
    qsizetype m_next = 0;
    // While runs are added: the soft breaks, how many lie behind, and the
    // chunk being filled.
    std::vector<int> m_separators;
    size_t m_passed = 0;
    std::vector<PackedRun> m_filling;
};
