// Prints the editor's speed figures, one per line as "name value unit",
// each the median of several runs. Run offscreen: QT_QPA_PLATFORM=offscreen.
#include "pagegenerator.h"

#include "document/documentfile.h"
#include "document/form1.h"
#include "document/richtextbox1.h"
#include "editing/colorscanner.h"
#include "frame/mdiform1.h"
#include "generators/tableset.h"
#include "shared/module1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr qsizetype MB = 1000 * 1000;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs `prepare` (untimed) then `work` (timed), `runs` times; the median in ms.
double measure(int runs, const std::function<void()> &prepare, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return median(times);
}

void report(const char *name, double value, const char *unit)
{
    std::printf("%s %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

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

double keystroke(Form1 *doc)
{
    RichTextBox1 *box = doc->richTextBox1();
    box->setFocus();
    std::vector<double> times;
    const int middle = box->document()->characterCount() / 2;
    for (int i = 0; i < 41; ++i) {
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(middle);
        box->setTextCursor(cursor);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QElapsedTimer timer;
        timer.start();
        QCoreApplication::sendEvent(box, &press);
        times.push_back(timer.nsecsElapsed() / 1e6);
        QCoreApplication::sendEvent(box, &release);
        settle();
    }
    return median(times);
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
    report("keystroke_10mb_ms", keystroke(frame.documents().last()), "ms");
    for (Form1 *doc : frame.documents())
        doc->TextEdit = false;
    frame.IDM_ALLCLOSE();
    settle();

    // The table dialog's "OK" for 100 x 100 cells in the middle of a 1 MB page
    // already coloured: building the pieces and writing them as one step.
    {
        frame.DragFileOpen(path1);
        settle();
        Form1 *doc = frame.documents().last();
        RichTextBox1 *box = doc->richTextBox1();
        box->finishColouring();
        const qsizetype middle = box->textLength() / 2;
        Module1::TargetKey = doc->windowTitle().left(3);
        std::unique_ptr<TableSet> dialog;
        bool inserted = false;
        report("table_100x100_ms", measure(5, [&] {
                   if (inserted)
                       box->Undo();
                   settle();
                   box->setSelStart(middle);
                   dialog = std::make_unique<TableSet>(doc);
                   dialog->Text1()->setText(QStringLiteral("100"));
                   dialog->Text2()->setText(QStringLiteral("100"));
               }, [&] {
                   dialog->Command5()->click();
                   inserted = true;
               }),
               "ms");
        dialog.reset();
        doc->TextEdit = false;
        frame.IDM_ALLCLOSE();
        settle();
    }
    return 0;
}
