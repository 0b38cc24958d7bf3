#include "commands/editmenu.h"

#include "commands/textconversions.h"
#include "document/documentwindow.h"
#include "document/richtextbox1.h"
#include "shared/menuitem.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>

namespace {
// Text from other programs comes with LF line breaks; the conversions and
// the source both count a line break as CR LF.
QString clipboardText()
{
    QString text = QApplication::clipboard()->text();
    QString out;
    out.reserve(text.size() + text.size() / 32);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == QLatin1Char('\r')) {
            out.append(QLatin1String("\r\n"));
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else if (ch == QLatin1Char('\n')) {
            out.append(QLatin1String("\r\n"));
        } else {
            out.append(ch);
        }
    }
    return out;
}

// The items whose enabling follows the selection; paste follows the clipboard.
constexpr const char *StatedItems[] = {"IDM_CUT",   "IDM_COPY",      "IDM_DEL",        "IDM_LCASE",
                                        "IDM_UCASE", "IDM_REPLACE_X", "IDM_REPLACE_BR", "IDM_REPLACE_BOTH"};

// An empty text is nothing to paste.
bool clipboardHoldsText()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data && data->hasText() && !data->text().isEmpty();
}
} // namespace

EditMenu::EditMenu(DocumentWindow *form, QMenu *menu)
    : QObject(form)
    , m_form(form)
    , m_menu(menu)
{
    connect(MenuItem::add(menu, "IDM_TAG_REEDIT", QStringLiteral("タグ再編集(&E)"), QKeySequence(Qt::Key_F1)),
            &QAction::triggered, form, &DocumentWindow::IDM_TAG_REEDIT);
    connect(MenuItem::add(menu, "IDM_UNDO", QStringLiteral("取り消し(&Z)")), &QAction::triggered, this,
            [this] { source()->Undo(); });
    menu->addSeparator();
    // The source handles Ctrl+X, Ctrl+C and Ctrl+V itself; the captions only name the keys.
    connect(MenuItem::add(menu, "IDM_CUT", QStringLiteral("切り取り\tCtrl+X")), &QAction::triggered, this,
            &EditMenu::cut);
    connect(MenuItem::add(menu, "IDM_COPY", QStringLiteral("コピー\tCtrl+C")), &QAction::triggered, this,
            &EditMenu::copy);
    connect(MenuItem::add(menu, "IDM_PASTE", QStringLiteral("貼り付け\tCtrl+V")), &QAction::triggered, this,
            &EditMenu::paste);
    connect(MenuItem::add(menu, "IDM_DEL", QStringLiteral("削除")), &QAction::triggered, this,
            &EditMenu::deleteSelection);
    menu->addSeparator();
    QMenu *pasteMenu = MenuItem::addSubMenu(menu, "IDM_DRPASTE", QStringLiteral("データ修正後貼り付け(&R)"));
    connect(MenuItem::add(pasteMenu, "IDM_BR_PASTE", QStringLiteral("改行を<BR>に変換後")), &QAction::triggered,
            this, [this] { pasteConverted(&TextConversions::lineBreaks); });
    connect(MenuItem::add(pasteMenu, "IDM_TXT_PASTE", QStringLiteral("&&,<,> を＆ｌｔ；等に変換した後")),
            &QAction::triggered, this, [this] { pasteConverted(&TextConversions::characters); });
    connect(MenuItem::add(pasteMenu, "IDM_BOTH_BASTE", QStringLiteral("上の二つ両方の変換後")), &QAction::triggered,
            this, [this] { pasteConverted(&TextConversions::both); });
    menu->addSeparator();
    connect(MenuItem::add(menu, "IDM_UCASE", QStringLiteral("小文字→大文字変換(&U)"), QKeySequence(QStringLiteral("Ctrl+U"))),
            &QAction::triggered, this, [this] { convertSelection(&TextConversions::upperCase); });
    connect(MenuItem::add(menu, "IDM_LCASE", QStringLiteral("大文字→小文字変換(&L)"), QKeySequence(QStringLiteral("Ctrl+L"))),
            &QAction::triggered, this, [this] { convertSelection(&TextConversions::lowerCase); });
    menu->addSeparator();
    connect(MenuItem::add(menu, "IDM_REPLACE_BR", QStringLiteral("改行を<BR>に変換")), &QAction::triggered, this,
            [this] { convertSelection(&TextConversions::lineBreaks); });
    connect(MenuItem::add(menu, "IDM_REPLACE_X", QStringLiteral("&&,<,> を＆ｌｔ；等に変換")), &QAction::triggered,
            this, [this] { convertSelection(&TextConversions::characters); });
    connect(MenuItem::add(menu, "IDM_REPLACE_BOTH", QStringLiteral("上の２つ両方同時に行う")), &QAction::triggered,
            this, [this] { convertSelection(&TextConversions::both); });
    connect(menu, &QMenu::aboutToShow, this, &EditMenu::prepare);
    connect(menu, &QMenu::aboutToHide, this, &EditMenu::release);
}

RichTextBox1 *EditMenu::source() const
{
    return m_form->richTextBox1();
}

void EditMenu::setStatedItemsEnabled(bool selection, bool paste)
{
    for (const char *name : StatedItems)
        if (QAction *item = m_form->menuItem(QString::fromLatin1(name)))
            item->setEnabled(selection);
    if (QAction *item = m_form->menuItem(QStringLiteral("IDM_PASTE")))
        item->setEnabled(paste);
}

void EditMenu::prepare()
{
    setStatedItemsEnabled(source()->textCursor().hasSelection(), clipboardHoldsText());
}

void EditMenu::release()
{
    // The greying showed what the menu could do at that moment. The toolbar,
    // the shortcuts and calls by name act on the state of their own moment,
    // and a disabled action would silently ignore them.
    setStatedItemsEnabled(true, true);
}

void EditMenu::popUp(const QPoint &sourcePosition)
{
    // Showing the menu prepares it.
    m_menu->popup(source()->viewport()->mapToGlobal(sourcePosition));
}

void EditMenu::cut()
{
    if (!source()->textCursor().hasSelection())
        return;
    copy();
    deleteSelection();
}

void EditMenu::copy()
{
    // The control's own copy, as Ctrl+C makes it: other programs get LF line
    // breaks and the characters themselves.
    if (source()->textCursor().hasSelection())
        source()->copy();
}

void EditMenu::paste()
{
    if (clipboardHoldsText())
        replaceSelection(clipboardText());
}

void EditMenu::deleteSelection()
{
    if (source()->textCursor().hasSelection())
        replaceSelection(QString());
}

void EditMenu::replaceSelection(const QString &text)
{
    source()->insertPieces({{text, std::nullopt}});
}

void EditMenu::pasteConverted(QString (*convert)(const QString &))
{
    replaceSelection(convert(clipboardText()));
}

void EditMenu::convertSelection(QString (*convert)(const QString &))
{
    const QString selected = source()->SelText();
    if (selected.isEmpty())
        return;
    replaceSelection(convert(selected));
}
