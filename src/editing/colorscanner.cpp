#include "colorscanner.h"

#include <utility>

namespace {

// Only two values of the tag text ever matter: "SCRIPT" and "/SCRIPT". Instead of
// building the text, we follow whether it is still a prefix of one of them.
// Once it is not, appending can never make it one again; only emptying can.
enum TagTextState : int {
    TagTextEmpty = 0,
    // 1..6: the tag text is the first n characters of "SCRIPT".
    TagTextScript = 6,
    // 7..13: the tag text is the first (n - 6) characters of "/SCRIPT".
    TagTextSlashScript = 13,
    TagTextOther = 14,
};

constexpr char16_t kScript[] = u"SCRIPT";
constexpr char16_t kSlashScript[] = u"/SCRIPT";
constexpr char16_t kScriptEnd[] = u"</script";
constexpr int kScriptEndLength = 8;

int appendToTagText(int state, char16_t c)
{
    if (state < TagTextScript) {
        if (c == kScript[state])
            return state + 1;
        if (state == TagTextEmpty && c == u'/')
            return TagTextScript + 1;
        return TagTextOther;
    }
    if (state < TagTextSlashScript) {
        if (c == kSlashScript[state - TagTextScript])
            return state + 1;
    }
    return TagTextOther;
}

// Script text is only ever asked whether its lower-case form contains
// "</script". No character outside ASCII lower-cases into that pattern, so
// folding ASCII capitals is the same test.
char16_t foldAscii(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

class RunBuilder
{
public:
    explicit RunBuilder(const std::function<void(const ColourRun &)> &each)
        : m_each(each)
    {
    }

    // The character at pos and those after it take colour.
    void change(qsizetype pos, SyntaxColor colour)
    {
        if (colour == m_colour)
            return;
        if (pos > m_start) {
            // The run before is complete only now: a colour covering no
            // character could still join it to this one.
            if (m_held.length > 0)
                m_each(m_held);
            m_held = ColourRun{m_start, pos - m_start, m_colour};
            m_start = pos;
        } else if (m_held.length > 0 && m_held.colour == colour) {
            // The colour in between covered no character (a "<" followed by
            // a "!"); keep runs maximal by continuing the previous one.
            m_start = m_held.start;
            m_held = ColourRun();
        }
        m_colour = colour;
    }

    void finish(qsizetype textLength)
    {
        if (m_held.length > 0)
            m_each(m_held);
        if (textLength > m_start)
            m_each(ColourRun{m_start, textLength - m_start, m_colour});
    }

private:
    const std::function<void(const ColourRun &)> &m_each;
    ColourRun m_held; // the last run found, not handed on yet
    qsizetype m_start = 0;
    SyntaxColor m_colour = SyntaxColor::Default;
};

} // namespace

ColourRuns ColorScanner::scan(QStringView text)
{
    ColourRuns runs;
    // Markup changes colour every few characters; a rough guess spares most
    // of the regrowth on large pages without holding much on small ones.
    runs.reserve(text.size() / 16 + 1);
    scan(text, [&runs](const ColourRun &run) { runs.append(run); });
    return runs;
}

void ColorScanner::scan(QStringView text, const std::function<void(const ColourRun &)> &each)
{
    const qsizetype length = text.size();
    const char16_t *chars = text.utf16();
    RunBuilder runs(each);

    bool inTag = false;
    bool inQuote = false;
    bool afterBang = false;
    int tagText = TagTextEmpty;
    bool scriptPending = false;
    bool inScript = false;
    int scriptTextMatched = 0; // how much of "</script" the script text ends with

    for (qsizetype i = 0; i < length; ++i) {
        const char16_t c = chars[i];

        if (tagText == TagTextScript) {
            scriptPending = true;
            tagText = TagTextEmpty;
        } else if (tagText == TagTextSlashScript) {
            inScript = false;
        }

        if (inScript) {
            const char16_t folded = foldAscii(c);
            if (folded == kScriptEnd[scriptTextMatched]) {
                if (++scriptTextMatched == kScriptEndLength) {
                    scriptTextMatched = 0;
                    inScript = false;
                }
            } else {
                // "</script" holds no second "<", so a mismatch can only
                // restart the match at this very character.
                scriptTextMatched = (folded == u'<') ? 1 : 0;
            }
            continue;
        }

        switch (c) {
        case u'<':
            runs.change(i + 1, SyntaxColor::Blue);
            inTag = true;
            break;
        case u'!':
            runs.change(i, SyntaxColor::Red);
            afterBang = true;
            break;
        case u'>':
            runs.change(i, SyntaxColor::Default);
            inTag = false;
            inQuote = false;
            afterBang = false;
            if (scriptPending) {
                inScript = true;
                scriptPending = false;
                scriptTextMatched = 0;
            }
            break;
        case u' ':
            if (inTag && !inQuote && !afterBang)
                runs.change(i, SyntaxColor::Purple);
            break;
        case u'"':
            if (!inTag)
                break;
            if (!inQuote) {
                runs.change(i, SyntaxColor::Green);
                inQuote = true;
            } else {
                runs.change(i + 1, SyntaxColor::Blue);
                inQuote = false;
            }
            break;
        default:
            tagText = inTag ? appendToTagText(tagText, c) : TagTextEmpty;
            break;
        }
    }
    runs.finish(length);
}
