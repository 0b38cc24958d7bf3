#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class QTextStream;

// The check a site's own build runs from the command line: the coding advice,
// the broken-link check and, when asked for, the advice on quotes, on files
// read from disk without any window.
class PageCheck
{
public:
    struct Finding {
        qsizetype line = 1;   // 1-based
        qsizetype column = 1; // 1-based, in characters (code points)
        QString message;

        bool operator==(const Finding &other) const
        {
            return line == other.line && column == other.column && message == other.message;
        }
    };

    enum ExitCode { Clean = 0, FoundSomething = 1, Unreadable = 2 };

    enum class Advice { Page, LinksOnly };

    // Unquoted and single-quoted values are valid HTML, so the advice to
    // double-quote them is given only to whoever asks for it.
    enum class Quotes { Skip, Advise };

    // `text` has "\n" line breaks; relative link targets resolve against
    // `baseFolder`. Findings come in the order they stand in the text.
    static QVector<Finding> findings(const QString &text, const QString &baseFolder, Advice advice = Advice::Page,
                                     Quotes quotes = Quotes::Skip);

    // Stylesheets and scripts get no page advice: they have no declaration
    // or title, and telling every one of them so would bury real findings.
    static Advice adviceFor(const QString &path);

    // Checks every file, writing "file:line:column: message" to `out` for each
    // finding and a message to `err` for a file that can't be read. A file
    // that can't be read does not stop the others.
    static int run(const QStringList &files, QTextStream &out, QTextStream &err, Quotes quotes = Quotes::Skip);

    static QString brokenLinkMessage(const QString &target);
};
