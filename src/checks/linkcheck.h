#pragma once

#include "checks/textrange.h"

#include <QSet>
#include <QString>
#include <QStringView>

// What a link target asks for, before any file is looked at.
struct LinkTargetMeaning {
    enum class Kind {
        Empty,        // nothing, or only blanks: no link to break
        External,     // a scheme, a drive or "//host": not a local file
        RootRelative, // "/x.html": depends on a web server, can't be resolved here
        InPage,       // "#name": a place in this page
        SamePage,     // "?query" only: this page again
        File,         // a path relative to the document's folder
    };
    Kind kind = Kind::Empty;
    // Character references are decoded first. InPage: the fragment without
    // "#" (decoded); File: the path with query and fragment stripped and %XX
    // decoded, "\" read as "/".
    QString value;
};

struct LinkCheckResult {
    TextRanges broken; // the targets to mark, in the order they stand in the page
    qsizetype examined = 0; // targets that were local and so looked at

    qsizetype count() const { return broken.size(); }
};

// The broken-link check: which link targets of a page point at local files
// that do not exist, or at names the page does not define.
class LinkCheck
{
public:
    static LinkTargetMeaning meaning(QStringView target);

    // `baseFolder` is the folder relative targets resolve against.
    static LinkCheckResult run(QStringView text, const QString &baseFolder);

    // Whether a page whose ids and names are `anchors` holds the place that
    // `fragment` (the raw text after "#") names; "" and "top" are always
    // there, at the top of the page.
    static bool hasPlace(const QSet<QString> &anchors, QStringView fragment);
    // The text after the target's "#", its character references read; null
    // when it has none.
    static QString fragmentOf(QStringView target);

    // The document's own folder; an untitled document (empty path) resolves
    // against the working folder.
    static QString baseFolderFor(const QString &documentPath);

    // The advice bar's report for `count` broken links.
    static QString adviceText(qsizetype count);
};
