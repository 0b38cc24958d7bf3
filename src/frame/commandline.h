#pragma once

#include <QString>
#include <QStringList>

// What the words after the program's name ask for. A terminal user may type
// a path with blanks unquoted, so the words joined with single blanks are one
// path, as they always were. A file manager starting the program for several
// chosen files passes each as a word of its own; when the joined text names
// no file but every word does, each word is a file to open.
class CommandLine
{
public:
    enum class Action { Open, Check, Version, Help };

    struct Request {
        Action action = Action::Open;
        // Open: the paths, in the order given, each as a command line of its
        // own (quotes and relative paths are left to whoever opens it); none
        // when nothing was given. Check: the files to check.
        QStringList paths;
        // Check: "--quotes" asks for the advice on unquoted attribute values.
        bool quotes = false;
    };

    static Request parse(const QStringList &arguments);

    // What "--help" prints, and the reply to a "--check" without files.
    static QString usage();

    // The paths to open; relative paths are taken from the current folder.
    static QStringList pathsToOpen(const QStringList &arguments);

private:
    static bool isExistingFile(const QString &commandLine);
};
