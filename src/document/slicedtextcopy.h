#pragma once

#include "document/standincharacters.h"

#include <QString>

#include <vector>

class RichTextBox1;

// Copies the text of an edit control a slice at a time, so that no slice
// holds the user-interface thread for long, even on a large page; the slices
// are joined, their line breaks written, on any thread. A change of the text
// between two slices makes the copy worthless: the caller starts again.
class SlicedTextCopy
{
public:
    static constexpr int SliceLength = 1 << 20;

    explicit SlicedTextCopy(const RichTextBox1 *box);

    // Copies the next slice; true once the whole text is copied.
    bool step();
    // The text with "\n" line breaks; on any thread, after step() said true.
    QString text() const;

private:
    const RichTextBox1 *m_box;
    int m_position = 0;
    int m_end = 0;
    std::vector<StandInCharacters::RawText> m_slices;
};
