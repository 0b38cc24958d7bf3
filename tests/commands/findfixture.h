#pragma once

#include "framefixture.h"

#include "commands/form2.h"
#include "commands/form4.h"
#include "frame/tabbar.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QLineEdit>

// A frame with one page opened from a real file, for driving the find and
// replace dialogs with keys and clicks.
struct FindFixture : FrameFixture {
    Form1 *doc = nullptr;

    // The page's bytes are written to page.html; the selection is
    // [selStart, selStart + selLength) in offsets that count CR LF as two.
    explicit FindFixture(const QByteArray &page = QByteArray(), qsizetype selStart = 0,
                         qsizetype selLength = 0)
    {
        if (!page.isEmpty())
            doc = openFile(writeFile(QStringLiteral("page.html"), page));
        else
            doc = active();
        select(selStart, selLength);
    }

    RichTextBox1 *source() const { return doc->richTextBox1(); }

    void select(qsizetype start, qsizetype length) const
    {
        source()->setSelStart(start);
        source()->setSelLength(length);
    }

    // The keys a user presses in the source: Ctrl+F, F2, Ctrl+H.
    Form4 *pressFind()
    {
        QTest::keyClick(source(), Qt::Key_F, Qt::ControlModifier);
        settle();
        return Form4::instance();
    }
    Form2 *pressReplace()
    {
        QTest::keyClick(source(), Qt::Key_H, Qt::ControlModifier);
        settle();
        return Form2::instance();
    }
    void pressF2()
    {
        QTest::keyClick(source(), Qt::Key_F2);
        settle();
    }

    // The user clicks the document's tab (the page opened here is [2], beside
    // the untitled [1] the frame starts with).
    void clickTabOf(Form1 *document) const
    {
        const QString key = document->windowTitle().left(3);
        TabBar *tabs = frame->Toolbar2();
        for (int i = 1; i < tabs->count(); ++i)
            if (!tabs->Command1(i)->isHidden() && tabs->Command1(i)->text().startsWith(key)) {
                QTest::mouseClick(tabs->Command1(i), Qt::LeftButton);
                settle();
                return;
            }
        QFAIL("no tab for the document");
    }

    // The user clicks back into the frame, away from an open dialog.
    void activateFrame() const
    {
        frame->activateWindow();
        settle();
    }

    // Types over whatever the field holds, as a user does after the dialog
    // opens with its text selected.
    static void typeInto(QLineEdit *field, const QString &text)
    {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        // Latin text as keys; anything else as the input method commits it.
        qsizetype i = 0;
        while (i < text.size()) {
            qsizetype j = i;
            const bool latin = text.at(i).unicode() < 0x80;
            while (j < text.size() && (text.at(j).unicode() < 0x80) == latin)
                ++j;
            if (latin) {
                QTest::keyClicks(field, text.mid(i, j - i));
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(text.mid(i, j - i));
                QCoreApplication::sendEvent(field, &commit);
            }
            i = j;
        }
    }

    QString lastMessage() const { return seam.messages.isEmpty() ? QString() : seam.messages.last().text; }
};
