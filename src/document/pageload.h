#pragma once

#include <QString>

#include <vector>

class QPlainTextEdit;

// Puts a whole page into the document a view shows without laying out its
// lines: the view lays out a block only to show it, but every block of the
// page when its width changes or when the widest line it knows gets
// narrower, and keeps each of those layouts as long as the document lives.
class PageLoad
{
public:
    // Replaces the content with `qtText` ("\n" line breaks); not an undoable
    // step. Lines too long to lay out quickly as one block go in as pieces:
    // gives the numbers of the blocks that continue a line.
    static std::vector<int> fill(QPlainTextEdit *view, const QString &qtText);
};
