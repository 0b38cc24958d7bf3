#include "longlinefigures.h"

#include "benchtools.h"
#include "pagegenerator.h"

#include "document/documentfile.h"
#include "document/form1.h"
#include "document/richtextbox1.h"
#include "frame/mdiform1.h"
#include "shared/module1.h"

#include <QCoreApplication>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <cstdio>

using namespace BenchTools;

namespace {

constexpr qsizetype MB = 1000 * 1000;

// A generated page of about `bytes` bytes as Shift-JIS, all on one line.
QString oneLinePage(qsizetype bytes)
{
    const QString sample = PageGenerator::page(200000);
    QStringEncoder encoder("windows-31j");
    const double bytesPerCharacter = double(QByteArray(encoder.encode(sample)).size()) / sample.size();
    QString page = PageGenerator::page(qsizetype(bytes / bytesPerCharacter));
    page.remove(QLatin1Char('\r'));
    page.remove(QLatin1Char('\n'));
    return page;
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

namespace LongLineFigures {

void run()
{
    if (!wanted({"peak_rss_1line_10mb_mb", "open_1line_10mb_ms", "keystroke_1line_10mb_ms", "keystroke_1line_2mb_ms"}))
        return;
    Module1::reset();
    MDIForm1 frame;
    frame.show();
    frame.startUp(QString());
    settle();
    QTemporaryDir dir;
    const QString path10 = writePage(dir, QStringLiteral("line10.html"), oneLinePage(10 * MB));
    const QString path2 = writePage(dir, QStringLiteral("line2.html"), oneLinePage(2 * MB));
    closeAll(frame);

    if (!resetPeakMemory())
        std::printf("# the peak memory could not be reset: it includes the figures before\n");
    frame.DragFileOpen(path10);
    QCoreApplication::processEvents();
    const Form1 *opened = frame.documents().last();
    std::printf("# one-line page: %lld characters in %d pieces\n",
                static_cast<long long>(opened->richTextBox1()->textLength()), opened->richTextBox1()->softBreakCount() + 1);
    report("peak_rss_1line_10mb_mb", peakMemoryMB(), "MB");
    closeAll(frame);

    // Until the window shows the page coloured, as an ordinary page is measured.
    report("open_1line_10mb_ms", measure(3, [&frame] { closeAll(frame); }, [&] {
               frame.DragFileOpen(path10);
               QCoreApplication::processEvents();
           }),
           "ms");
    settle();
    report("keystroke_1line_10mb_ms", keystroke(frame.documents().last()), "ms");
    closeAll(frame);

    frame.DragFileOpen(path2);
    settle();
    report("keystroke_1line_2mb_ms", keystroke(frame.documents().last()), "ms");
    closeAll(frame);
}

} // namespace LongLineFigures
