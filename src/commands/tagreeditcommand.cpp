#include "commands/tagreeditcommand.h"

#include "commands/tagreedit.h"
#include "document/documentwindow.h"
#include "document/heldstretch.h"
#include "document/richtextbox1.h"
#include "shared/dialogseam.h"
#include "document/documentdialog.h"

#include <QPointer>

void TagReeditCommand::run(DocumentWindow *form)
{
    QPointer<DocumentWindow> window(form);
    RichTextBox1 *box = form->richTextBox1();
    const TagReedit::Plan plan = TagReedit::plan(box->SelText());
    if (plan.needsTag) {
        DialogSeam::warning(form, QStringLiteral("注意"), QStringLiteral("タグを選択して下さい。"));
    } else {
        // The table is the one around the selection the user made. The
        // dialogs before the table's may replace that selection or move it
        // away; what then stands there says nothing about the table wanted.
        std::optional<HeldStretch> table;
        if (plan.table) {
            if (const std::optional<TextRange> found = TagReedit::table(box->Text(), box->SelStart(), box->SelLength()))
                table.emplace(box, *found);
        }
        // Each dialog runs modally; the window could be gone once it closes.
        if (plan.image && window)
            window->IDM_ADD_IMG();
        if (plan.pageSettings && window)
            window->ShowSiteCfg();
        if (plan.table && window)
            reeditTable(window, table);
    }
    // A message box hands the keyboard back to no one in particular.
    if (window)
        DocumentDialog::returnFocus(window);
}

void TagReeditCommand::reeditTable(DocumentWindow *form, const std::optional<HeldStretch> &table)
{
    // A table that an earlier dialog has rewritten or removed is no longer
    // there to be rebuilt, and there is nothing to ask about.
    if (table && !table->range())
        return;
    const auto answer = DialogSeam::instance().message(
        form, QMessageBox::Warning, QStringLiteral("注意"),
        QStringLiteral("tableタグの再編集を行うとテーブル内に書いた文字は消えてしまいますがよろしいですか？"),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes || !table)
        return;
    const std::optional<TextRange> range = table->range();
    if (!range)
        return;
    RichTextBox1 *box = form->richTextBox1();
    box->setSelStart(range->start);
    box->setSelLength(range->length);
    form->IDM_ADD_TABLE();
}
