#pragma once

#include "checks/textrange.h"

#include <QPointer>
#include <QString>
#include <QTextCursor>

#include <optional>

class RichTextBox1;

// A stretch of a document's text followed through the edits made after it
// was taken: text written before it moves it along, and an edit that
// changes or removes any of it ends it.
class HeldStretch
{
public:
    HeldStretch(RichTextBox1 *box, TextRange range);

    // Where the stretch stands now, in offsets of the control's text; none
    // once its text has changed or the control is gone.
    std::optional<TextRange> range() const;

private:
    QPointer<RichTextBox1> m_box;
    // The document keeps these two in step with every edit.
    QTextCursor m_start;
    QTextCursor m_end;
    QString m_text;
};
