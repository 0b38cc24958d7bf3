#include "restoretogglefigure.h"

#include "benchtools.h"

#include "document/form1.h"
#include "document/richtextbox1.h"
#include "frame/mdiform1.h"
#include "shared/module1.h"

#include <cstdio>

using namespace BenchTools;

namespace RestoreToggleFigure {

void run(const QString &page)
{
    Module1::reset();
    MDIForm1 frame;
    frame.show();
    frame.startUp(QString());
    settle();
    Form1 *doc = frame.documents().first();
    RichTextBox1 *box = doc->richTextBox1();
    doc->loadText(page, TextFileFormat());
    box->finishColouring();
    // The restore point the window makes and brings back.
    box->setFormattedContent(box->formattedContent());
    box->finishColouring();
    settle();

    if (!resetPeakMemory())
        std::printf("# the peak memory could not be reset: it includes the figures before\n");
    const double before = peakMemoryMB();
    for (int i = 0; i < 10; ++i) {
        box->undo();
        box->finishColouring();
        settle();
        box->redo();
        box->finishColouring();
        settle();
    }
    std::printf("# restore toggle: %.1f MB of text (UTF-16) on the page\n", page.size() * 2 / 1e6);
    report("restore_toggle_10mb_mb", peakMemoryMB() - before, "MB");
    doc->TextEdit = false;
}

} // namespace RestoreToggleFigure
