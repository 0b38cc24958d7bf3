#pragma once

#include <QString>

// One line of advice for the advice bar and the position "エラーへGO" jumps to.
struct Advice {
    QString message; // empty when nothing was found
    qsizetype errPoint = 0;

    bool operator==(const Advice &other) const
    {
        return message == other.message && errPoint == other.errPoint;
    }
};

// The light check of a page's source that the coding advice runs on demand,
// and the check of one finished line that runs on Enter.
class CodingAdviceRules
{
public:
    // Runs the rules on the whole text (CR LF line breaks), each finding its
    // first occurrence only; the last rule that applies decides the advice.
    // errPoint is the 1-based position of what the rule found, which the jump
    // uses as a 0-based offset and so lands one character into it; the empty
    // title lands between its two tags, the missing declaration at the start.
    // Without findings the message is empty and errPoint is the caret.
    static Advice check(const QString &text, qsizetype caret);

    // Advice for a line holding a tag with a blank but no double quote at all:
    // an attribute value written without quotes. Empty otherwise.
    static QString lineCheck(const QString &line);
};
