#include "generators/headplace.h"

#include "document/charsetdeclaration.h"
#include "generators/doctypedeclaration.h"
#include "generators/piecebuilder.h"

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')
           || c == QLatin1Char('\f');
}

// The position after the start tag `name` ("<head", "<html"; any letter case,
// any attributes) that begins at `at`; -1 when `at` holds another tag or one
// that meets a "<" before its ">".
qsizetype afterStartTag(QStringView text, qsizetype at, QLatin1StringView name)
{
    const qsizetype after = at + name.size();
    if (after >= text.size() || text.mid(at, name.size()).compare(name, Qt::CaseInsensitive) != 0)
        return -1;
    const QChar next = text.at(after);
    if (next != QLatin1Char('>') && next != QLatin1Char('/') && !isBlank(next))
        return -1;
    const qsizetype close = text.indexOf(QLatin1Char('>'), after);
    const qsizetype open = text.indexOf(QLatin1Char('<'), after);
    if (close < 0 || (open >= 0 && open < close))
        return -1;
    return close + 1;
}

} // namespace

HeadPlace::HeadPlace(QStringView text, qsizetype editsBefore)
    : m_edits(editsBefore)
{
    qsizetype html = -1;
    qsizetype doctype = -1;
    CharsetDeclaration::walk(text, [&](qsizetype at) {
        // Most tags are none of the three.
        const QChar next = at + 1 < text.size() ? text.at(at + 1) : QChar();
        if (next != QLatin1Char('h') && next != QLatin1Char('H') && next != QLatin1Char('!'))
            return true;
        if (const qsizetype head = afterStartTag(text, at, QLatin1StringView("<head")); head >= 0) {
            m_position = head;
            return false;
        }
        if (html < 0)
            html = afterStartTag(text, at, QLatin1StringView("<html"));
        const QLatin1StringView opening = DoctypeDeclaration::opening();
        if (doctype < 0 && text.mid(at, opening.size()).compare(opening, Qt::CaseInsensitive) == 0) {
            if (const auto declaration = DoctypeDeclaration::spanAt(text, at))
                doctype = declaration->start + declaration->length;
        }
        return true;
    });
    if (m_position < 0)
        m_position = html >= 0 ? html : doctype;
    // A style sheet's charset rule counts only at the very start.
    const QStringView rule = u"@charset \"";
    if (m_position < 0 && text.startsWith(rule)) {
        if (const qsizetype end = text.indexOf(QLatin1Char('"'), rule.size()); end >= 0)
            m_position = end + 1 + (text.mid(end + 1).startsWith(QLatin1Char(';')) ? 1 : 0);
    }
    m_afterTag = m_position >= 0;
    m_position = qMax<qsizetype>(m_position, 0);
}

void HeadPlace::add(EditingBuffer &buffer, const PieceList &element)
{
    follow(buffer);
    PieceBuilder pieces;
    if (m_afterTag)
        pieces.plain(kLineBreak).append(element);
    else
        pieces.append(element).black(kLineBreak);
    buffer.replace(m_position, 0, pieces.take());
    m_edits = buffer.edits().size();
}

void HeadPlace::follow(const EditingBuffer &buffer)
{
    const SourceEdits &edits = buffer.edits();
    for (; m_edits < edits.size(); ++m_edits) {
        const SourceEdit &edit = edits[m_edits];
        if (edit.position >= m_position)
            continue;
        const qsizetype inserted = piecesText(edit.pieces).size();
        m_position = qMax(edit.position + inserted, m_position + inserted - edit.removed);
    }
}
