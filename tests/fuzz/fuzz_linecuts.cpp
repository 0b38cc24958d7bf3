#include "fuzzcheck.h"

#include "document/linecuts.h"

#include <QList>

namespace {

bool splitsCharacterOrBreak(const QString &text, qsizetype at)
{
    const QChar before = text.at(at - 1);
    const QChar after = text.at(at);
    return (before.isHighSurrogate() && after.isLowSurrogate())
        || (before == QLatin1Char('\r') && after == QLatin1Char('\n'));
}

// Cuts the text into pieces and checks them: joined they give the text back
// exactly; none is empty or longer than the piece length asked for; all but
// the last are at least half of it, so a long line does not crumble into
// many tiny blocks; no cut falls inside a character or a CR LF; a piece cut
// again as it stands stays whole.
void checkPieces(const QString &text, qsizetype limit, qsizetype target)
{
    const QList<qsizetype> cuts = LineCuts::cuts(text, limit, target);
    FUZZ_CHECK(cuts.isEmpty() == (text.size() <= limit));
    if (text.isEmpty())
        return;
    // Shorter asks are raised to two characters, so a pair can always move.
    const qsizetype longest = qMax<qsizetype>(2, target);

    QString joined;
    qsizetype previous = 0;
    for (qsizetype i = 0; i <= cuts.size(); ++i) {
        const bool last = i == cuts.size();
        const qsizetype cut = last ? text.size() : cuts[i];
        FUZZ_CHECK(cut > previous && cut <= text.size());
        const qsizetype length = cut - previous;
        FUZZ_CHECK(length <= limit);
        if (!cuts.isEmpty()) {
            FUZZ_CHECK(length <= longest);
            FUZZ_CHECK(last || length >= longest / 2);
        }
        if (!last)
            FUZZ_CHECK(!splitsCharacterOrBreak(text, cut));
        const QString piece = text.mid(previous, length);
        FUZZ_CHECK(LineCuts::cuts(piece, limit, target).isEmpty());
        joined += piece;
        previous = cut;
    }
    FUZZ_CHECK(joined == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const qsizetype number = takeNumber(data, size);
    const QString text = fuzzText(data, size);

    // Small pieces, so that short inputs are cut many times over.
    const qsizetype limit = 2 + (number >> 8) % 64;
    const qsizetype target = 1 + (number & 0xFF) % limit;
    checkPieces(text, limit, target);

    // The lengths the edit control uses, on the text repeated past them.
    if (!text.isEmpty()) {
        const QString longLine = text.repeated(LineCuts::MaxPiece / text.size() + 2);
        checkPieces(longLine, LineCuts::MaxPiece, LineCuts::TargetPiece);
    }
    return 0;
}
