#pragma once

#include "document/form1.h"
#include "document/richtextbox1.h"
#include "framefixture.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

// Typing as a user does in a document window: each key goes to the widget that
// has the focus at that moment, and the keys a handler injected are handled
// before the next key is typed.
struct CompletionTyping {
    // Plain characters, and {ENTER}, {BS}, {RIGHT}, {UP}, {DOWN}, {PGUP}, {PGDN}, {ESC}.
    static void press(const QString &keys)
    {
        static const QList<QPair<QString, Qt::Key>> named = {
            {"{ENTER}", Qt::Key_Return}, {"{BS}", Qt::Key_Backspace}, {"{RIGHT}", Qt::Key_Right},
            {"{UP}", Qt::Key_Up}, {"{DOWN}", Qt::Key_Down}, {"{PGUP}", Qt::Key_PageUp},
            {"{PGDN}", Qt::Key_PageDown}, {"{ESC}", Qt::Key_Escape}};
        for (qsizetype i = 0; i < keys.size(); ++i) {
            QWidget *target = focusWidget();
            QVERIFY2(target, "no widget has the focus");
            auto key = std::find_if(named.begin(), named.end(), [&](const auto &k) { return keys.mid(i).startsWith(k.first); });
            if (key != named.end()) {
                QTest::keyClick(target, key->second);
                i += key->first.size() - 1;
            } else {
                QTest::keyClick(target, keys.at(i).toLatin1());
            }
            FrameFixture::settle();
        }
    }

    // One letter per character for the colour read after it: K black, B blue,
    // G green, R red, P purple. Moves the caret.
    static QString colours(RichTextBox1 *box)
    {
        QString letters;
        for (qsizetype offset = 1; offset <= box->textLength(); ++offset) {
            // A move away first: at the caret's own place the colour set for
            // typing would be read instead of the character's.
            box->setSelStart(offset - 1);
            box->setSelStart(offset);
            letters += letter(box->SelColor());
        }
        return letters;
    }

    static QChar letter(const QColor &colour)
    {
        const QList<QPair<QColor, char>> palette = {{QColor(0, 0, 0), 'K'}, {QColor(0, 0, 255), 'B'},
            {QColor(0, 150, 0), 'G'}, {QColor(255, 0, 0), 'R'}, {QColor(50, 0, 170), 'P'}};
        for (const auto &entry : palette)
            if (entry.first == colour)
                return QLatin1Char(entry.second);
        return QLatin1Char('?');
    }

    // Types keys into the source of doc and compares the text, the colour of
    // each character with the typing colour after a "|", and the focus.
    static void typeAndCompare(Form1 *doc, const QString &keys, const QString &text, const QString &colours,
                               const QString &focus)
    {
        doc->richTextBox1()->setFocus();
        press(keys);
        QCOMPARE(doc->richTextBox1()->Text(), text);
        QCOMPARE(focusName(), focus);
        // A pop-up shows exactly while its filter box has the focus.
        QCOMPARE(doc->List1()->isVisible(), focus == QLatin1String("Text1"));
        QCOMPARE(doc->List2()->isVisible(), focus == QLatin1String("Text2"));
        const QString typing = QLatin1Char('|') + letter(doc->richTextBox1()->SelColor());
        QCOMPARE(CompletionTyping::colours(doc->richTextBox1()) + typing, colours);
    }

    static QStringList entries(const QListWidget *list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }

    // The widget keys go to: the application's focus, or while no window is
    // active, the one the frame will give the focus back to.
    static QWidget *focusWidget()
    {
        if (QWidget *w = QApplication::focusWidget())
            return w;
        return MDIForm1::instance() ? MDIForm1::instance()->focusWidget() : nullptr;
    }

    static QString focusName()
    {
        const QWidget *w = focusWidget();
        return w ? w->objectName() : QStringLiteral("(none)");
    }

    static void doubleClick(QListWidget *list, const QString &entry)
    {
        const QPoint at = list->visualItemRect(list->findItems(entry, Qt::MatchExactly).first()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        FrameFixture::settle();
    }
};
