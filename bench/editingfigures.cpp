#include "editingfigures.h"

#include "benchtools.h"

#include "commands/textreplace.h"
#include "document/form1.h"
#include "document/richtextbox1.h"
#include "frame/mdiform1.h"

using namespace BenchTools;

namespace EditingFigures {

void run(MDIForm1 &frame, const QString &page10, const QString &page1)
{
    QString crlf10 = page10;
    crlf10.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    report("replace_fn_10mb_ms", measure(5, nullptr, [&crlf10] {
               TextReplace::replace(crlf10, QStringLiteral("\r\n"), QStringLiteral("<br>"));
           }),
           "ms");

    frame.IDM_NEWHTML();
    settle();
    Form1 *doc = frame.documents().last();
    RichTextBox1 *box = doc->richTextBox1();
    report("convert_both_1mb_ms", measure(5, [box, &page1] {
               box->setText(page1);
               box->selectAll();
               settle();
           }, [doc] { doc->runByName(QStringLiteral("IDM_REPLACE_BOTH")); }),
           "ms");

    box->setText(page10);
    settle();
    report("advice_10mb_ms", measure(5, nullptr, [doc] { doc->CodingAdvice(); }), "ms");
    doc->TextEdit = false;
    frame.IDM_ALLCLOSE();
    settle();
}

} // namespace EditingFigures
