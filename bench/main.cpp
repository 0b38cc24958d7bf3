// Prints the editor's speed figures, one per line as "name value unit",
// each the median of several runs. Run offscreen: QT_QPA_PLATFORM=offscreen.
#include "benchtools.h"
#include "editingfigures.h"
#include "longlinefigures.h"
#include "pagegenerator.h"

#include "commands/findreplaceall.h"
#include "commands/sourcesearch.h"
#include "document/documentfile.h"
#include "document/form1.h"
#include "document/richtextbox1.h"
#include "editing/colorscanner.h"
#include "frame/mdiform1.h"
#include "shared/module1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTextDocument>

#include <cstdio>
#include <vector>

using namespace BenchTools;

namespace {

constexpr qsizetype MB = 1000 * 1000;

// A page of about `bytes` bytes once written as Shift-JIS.
QString pageOfBytes(qsizetype bytes)
{
    const QString sample = PageGenerator::page(200000);
    QStringEncoder encoder("windows-31j");
    const QByteArray encoded = encoder.encode(sample);
    const double bytesPerCharacter = double(encoded.size()) / sample.size();
    return PageGenerator::page(qsizetype(bytes / bytesPerCharacter));
}

QString writePage(const QTemporaryDir &dir, const QString &name, const QString &text)
{
    const QString path = dir.filePath(name);
    const auto result = DocumentFile::write(path, text, TextFileFormat());
    if (!result.ok)
        qFatal("cannot write the benchmark page: %s", qPrintable(result.error));
    return path;
}

} // namespace

int main(int argc, char *argv[])
{
    // The offscreen platform warns about window hints on every window; the
    // figures are the only output wanted.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg && type != QtInfoMsg && type != QtWarningMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication app(argc, argv);
    QTemporaryDir dir;

    // Start-up: the frame with its first untitled document, shown.
    {
        std::vector<double> times;
        for (int i = 0; i < 5; ++i) {
            Module1::reset();
            QElapsedTimer timer;
            timer.start();
            auto *frame = new MDIForm1;
            frame->show();
            frame->startUp(QString());
            settle();
            times.push_back(timer.nsecsElapsed() / 1e6);
            delete frame;
            settle();
        }
        report("startup_ms", median(times), "ms");
    }
    LongLineFigures::run();

    const QString page10 = pageOfBytes(10 * MB);
    const QString page1 = pageOfBytes(1 * MB);
    const QString page100k = pageOfBytes(100 * 1000);
    const QString path10 = writePage(dir, QStringLiteral("page10.html"), page10);
    const QString path1 = writePage(dir, QStringLiteral("page1.html"), page1);
    const QString path100k = writePage(dir, QStringLiteral("page100k.html"), page100k);
    const double fileMB = QFileInfo(path10).size() / double(MB);
    std::printf("# pages: %.2f MB, %.2f MB and %.2f MB as Shift-JIS files\n", fileMB,
                QFileInfo(path1).size() / double(MB), QFileInfo(path100k).size() / double(MB));

    Module1::reset();
    MDIForm1 frame;
    frame.show();
    frame.startUp(QString());
    settle();
    Form1 *blank = frame.documents().first();

    // Opening without colouring: read, decode, load into the window.
    report("open_10mb_ms", measure(5, [blank] { blank->richTextBox1()->clear(); settle(); }, [&] {
               const auto file = DocumentFile::read(path10);
               blank->richTextBox1()->setText(file.text);
           }),
           "ms");

    // The pure scanner alone.
    {
        const QString raw = page10;
        const double ms = measure(5, nullptr, [&raw] { ColorScanner::scan(raw); });
        report("scan_mb_per_s", fileMB / (ms / 1000.0), "MB/s");
    }

    // Colouring a page already loaded.
    auto colour = [blank](const QString &text) {
        return measure(5, [blank, &text] { blank->richTextBox1()->setText(text); settle(); },
                       [blank] {
                           blank->ColorSet();
                           blank->richTextBox1()->finishColouring();
                       });
    };
    report("colour_1mb_ms", colour(page1), "ms");
    report("colour_10mb_ms", colour(page10), "ms");
    blank->richTextBox1()->clear();
    settle();

    // Everything opening a page from disk does, until the window shows it
    // coloured; and until the colours outside the view are written as well.
    report("open_colour_10mb_ms", measure(3, nullptr, [&] {
               frame.DragFileOpen(path10);
               QCoreApplication::processEvents();
           }),
           "ms");
    report("open_colour_all_10mb_ms", measure(3, nullptr, [&] {
               frame.DragFileOpen(path10);
               frame.documents().last()->richTextBox1()->finishColouring();
           }),
           "ms");
    for (Form1 *doc : frame.documents())
        doc->TextEdit = false;
    frame.IDM_ALLCLOSE();
    settle();

    // One typed character in the middle of a coloured document.
    frame.DragFileOpen(path100k);
    settle();
    report("keystroke_100kb_ms", keystroke(frame.documents().last()), "ms");
    frame.DragFileOpen(path10);
    settle();
    {
        // With the paragraphs around the caret indented, as a user's page may have them.
        RichTextBox1 *box = frame.documents().last()->richTextBox1();
        QTextCursor around = box->textCursor();
        around.setPosition(box->document()->characterCount() / 2 - 2000);
        around.setPosition(box->document()->characterCount() / 2 + 2000, QTextCursor::KeepAnchor);
        box->setTextCursor(around);
        frame.documents().last()->txtIndent();
        settle();
    }
    report("keystroke_10mb_ms", keystroke(frame.documents().last()), "ms");

    // F2 to an occurrence near the end, from the top of a 10 MB page.
    {
        Form1 *doc = frame.documents().last();
        QString marked = page10;
        marked.insert(marked.size() - 1000, QStringLiteral("<!--find-mark-->"));
        doc->loadText(marked, TextFileFormat());
        doc->richTextBox1()->finishColouring();
        Module1::LastFindText = QStringLiteral("<!--find-mark-->");
        report("find_next_10mb_ms", measure(5, [doc] { doc->richTextBox1()->setSelStart(0); },
                                            [doc] { doc->IDM_NEXTFIND(); }),
               "ms");
    }

    // Replace all on a coloured 10 MB page with at least 100 000 occurrences,
    // one undo step, including the count.
    {
        Form1 *doc = frame.documents().last();
        // The commonest markup that still occurs at least 100 000 times.
        QString what;
        qsizetype occurrences = 0;
        for (const char *candidate : {"<td", "<p", "=\"", "\">", "</", "<"}) {
            const qsizetype n = page10.count(QLatin1String(candidate));
            if (n >= 100000 && (occurrences == 0 || n < occurrences)) {
                what = QLatin1String(candidate);
                occurrences = n;
            }
        }
        std::printf("# replace all: %lld occurrences of \"%s\"\n", static_cast<long long>(occurrences),
                    qPrintable(what));
        qsizetype replaced = 0;
        report("replace_all_10mb_ms",
               measure(3,
                       [doc, &page10] {
                           doc->loadText(page10, TextFileFormat());
                           doc->richTextBox1()->finishColouring();
                           doc->richTextBox1()->setSelStart(0);
                       },
                       [doc, &what, &replaced] {
                           replaced = SourceSearch::replaceAll(doc->richTextBox1(), what, QStringLiteral("</ "));
                           FindReplaceAll::totalMessage(replaced);
                       }),
               "ms");
        if (replaced != occurrences)
            qFatal("replace all replaced %lld of %lld", static_cast<long long>(replaced),
                   static_cast<long long>(occurrences));
    }
    for (Form1 *doc : frame.documents())
        doc->TextEdit = false;
    frame.IDM_ALLCLOSE();
    settle();

    EditingFigures::run(frame, page10, page1);
    return 0;
}
