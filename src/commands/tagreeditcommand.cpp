#include "commands/tagreeditcommand.h"

#include "commands/tagreedit.h"
#include "document/form1.h"
#include "document/richtextbox1.h"
#include "shared/dialogseam.h"
#include "shared/dialogtarget.h"

#include <QPointer>

void TagReeditCommand::run(Form1 *form)
{
    QPointer<Form1> window(form);
    const TagReedit::Plan plan = TagReedit::plan(form->richTextBox1()->SelText());
    if (plan.needsTag) {
        DialogSeam::warning(form, QStringLiteral("注意"), QStringLiteral("タグを選択して下さい。"));
    } else {
        // Each dialog runs modally; the window could be gone once it closes.
        if (plan.image && window)
            window->IDM_ADD_IMG();
        if (plan.pageSettings && window)
            window->ShowSiteCfg();
        if (plan.table && window)
            reeditTable(window);
    }
    // A message box hands the keyboard back to no one in particular.
    if (window)
        DialogTarget::returnFocus(window);
}

void TagReeditCommand::reeditTable(Form1 *form)
{
    const auto answer = DialogSeam::instance().message(
        form, QMessageBox::Warning, QStringLiteral("注意"),
        QStringLiteral("tableタグの再編集を行うとテーブル内に書いた文字は消えてしまいますがよろしいですか？"),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    RichTextBox1 *box = form->richTextBox1();
    // The table the selection is in, as it stands now: a dialog opened
    // before this one may have changed the text and the selection.
    const std::optional<TextRange> table = TagReedit::table(box->Text(), box->SelStart(), box->SelLength());
    if (!table)
        return;
    box->setSelStart(table->start);
    box->setSelLength(table->length);
    form->IDM_ADD_TABLE();
}
