#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Finds the tag around the caret by looking back for its "<": the rule behind
// TagNameFind, on a stretch of the source text.
class TagNameScan
{
public:
    // The "<" of the tag must lie within this many characters before the caret.
    static constexpr qsizetype LookBack = 300;

    // text: the source (or a stretch of it holding at least LookBack characters
    // before the caret, and what follows as far as the caller cares to read);
    // caret: the caret's index in text, line breaks counted as CR LF.
    // The tag starts at the last "<" within LookBack characters before the
    // caret, the one right before the caret excepted; no such "<": nullopt.
    // The name runs from after the "<" to the nearest white space or ">", or to
    // the end of text when neither follows.
    static std::optional<QString> find(QStringView text, qsizetype caret);
};
