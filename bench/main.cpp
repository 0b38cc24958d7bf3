// Prints the editor's speed figures, one per line as "name value unit",
// each the median of several runs. Run offscreen: QT_QPA_PLATFORM=offscreen.
#include "benchtools.h"
#include "editingfigures.h"
#include "livepreviewfigure.h"
#include "longlinefigures.h"
#include "savefigures.h"
#include "restoretogglefigure.h"
#include "pagegenerator.h"
#include "sitefigures.h"

#include "commands/findreplaceall.h"
#include "commands/sourcesearch.h"
#include "commands/tagreedit.h"
#include "document/documentfile.h"
#include "document/form1.h"
#include "document/previewbrowser.h"
#include "document/previewview.h"
#include "document/recoveryjournal.h"
#include "document/richtextbox1.h"
#include "editing/colorscanner.h"
#include "frame/mdiform1.h"
#include "shared/dialogseam.h"
#include "generators/sitecfg.h"
#include "generators/tableset.h"
#include "shared/module1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <functional>
#include <memory>
#include <vector>

using namespace BenchTools;

namespace {

constexpr qsizetype MB = 1000 * 1000;

QString writePage(const QTemporaryDir &dir, const QString &name, const QString &text)
{
    const QString path = dir.filePath(name);
    const auto result = DocumentFile::write(path, text, TextFileFormat());
    if (!result.ok)
        qFatal("cannot write the benchmark page: %s", qPrintable(result.error));
    return path;
}

// Answers every question with one button and every notice with OK, unseen.
class TestAnswers : public DialogSeam
{
public:
    explicit TestAnswers(QMessageBox::StandardButton answer)
        : m_answer(answer)
    {
        DialogSeam::setInstance(this);
    }
    ~TestAnswers() override { DialogSeam::setInstance(nullptr); }
    QMessageBox::StandardButton message(QWidget *, QMessageBox::Icon, const QString &, const QString &,
                                        QMessageBox::StandardButtons buttons) override
    {
        return buttons & m_answer ? m_answer : QMessageBox::Ok;
    }

private:
    QMessageBox::StandardButton m_answer;
};

// A page of about `bytes` characters holding 20 000 or more links; one in
// twenty names a file that is not there, the rest a few that are.
QString linkPageOfBytes(const QTemporaryDir &dir, qsizetype bytes)
{
    for (const char *name : {"a.html", "b.html", "img/c.png"}) {
        QDir(dir.path()).mkpath(QStringLiteral("img"));
        QFile file(dir.filePath(QString::fromLatin1(name)));
        file.open(QIODevice::WriteOnly);
    }
    const QString page = PageGenerator::page(bytes);
    QString out;
    out.reserve(page.size() + 4096);
    qsizetype link = 0;
    qsizetype from = 0;
    // Every href= and src= of the generated page is pointed at a known file,
    // save every twentieth.
    static const QString existing[] = {QStringLiteral("a.html"), QStringLiteral("b.html"), QStringLiteral("img/c.png")};
    while (true) {
        const qsizetype at = page.indexOf(QLatin1Char('"'), from);
        if (at < 0)
            break;
        const bool isLink = page.mid(at - 5, 5) == QLatin1String("href=") || page.mid(at - 4, 4) == QLatin1String("src=");
        const qsizetype close = page.indexOf(QLatin1Char('"'), at + 1);
        if (close < 0)
            break;
        out.append(QStringView(page).sliced(from, at + 1 - from));
        if (isLink) {
            out.append(++link % 20 == 0 ? QStringLiteral("missing%1.html").arg(link) : existing[link % 3]);
        } else {
            out.append(QStringView(page).sliced(at + 1, close - at - 1));
        }
        out.append(QLatin1Char('"'));
        from = close + 1;
    }
    out.append(QStringView(page).sliced(from));
    return out;
}

// The 10 MB page's recovery file once typing has paused: the time until it
// is complete on disk, and the longest the user-interface thread is held
// meanwhile (the text is taken there; the rest is a worker's).
void recoveryFigures(Form1 *doc)
{
    RecoveryJournal *journal = doc->recoveryJournal();
    std::vector<double> writes;
    std::vector<double> stalls;
    for (int i = 0; i < 5; ++i) {
        constexpr int Long = 3600 * 1000;
        RecoveryJournal::setTimings(Long, Long);
        doc->richTextBox1()->textCursor().insertText(QStringLiteral("a"));
        settle();
        // Typing has paused: the pause is over at once.
        RecoveryJournal::setTimings(0, Long);
        journal->noteChange();
        QElapsedTimer total;
        total.start();
        double longest = 0;
        while (!journal->isIdle()) {
            QElapsedTimer step;
            step.start();
            QCoreApplication::processEvents();
            longest = std::max(longest, step.nsecsElapsed() / 1e6);
            ::usleep(100);
        }
        writes.push_back(total.nsecsElapsed() / 1e6);
        stalls.push_back(longest);
    }
    if (!QFile::exists(journal->filePath()))
        qFatal("no recovery file was written");
    report("recovery_write_10mb_ms", median(writes), "ms");
    report("recovery_stall_10mb_ms", median(stalls), "ms");
}

// Runs this program again with the arguments (and the same --only); its
// figures print straight through.
bool runChild(QStringList arguments)
{
    if (!only().isEmpty())
        arguments << QStringLiteral("--only") << only().join(QLatin1Char(','));
    std::fflush(stdout);
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    return child.waitForFinished(-1) && child.exitCode() == 0;
}

// The program's peak memory from its frame at rest through opening the page
// and writing every colour of it.
void openMemory(const QString &path)
{
    Module1::reset();
    MDIForm1 frame;
    frame.show();
    frame.startUp(QString());
    settle();
    if (!resetPeakMemory())
        std::printf("# the peak memory could not be reset: it includes the start-up\n");
    frame.DragFileOpen(path);
    frame.documents().last()->richTextBox1()->finishColouring();
    settle();
    report("peak_rss_open_10mb_mb", peakMemoryMB(), "MB");
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
    PreviewBrowser::prepareApplication();
    // Recovery files go to a folder of the run's own, never the user's.
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    // Journalled only where a figure says so: elsewhere a write waking up
    // would land inside another figure's time.
    constexpr int Never = 24 * 3600 * 1000;
    RecoveryJournal::setTimings(Never, Never);
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    // --only a,b runs just the figures named (and what they need).
    const qsizetype onlyAt = arguments.indexOf(QStringLiteral("--only"));
    if (onlyAt > 0 && onlyAt + 1 < arguments.size())
        setOnly(arguments.at(onlyAt + 1).split(QLatin1Char(','), Qt::SkipEmptyParts));
    if (arguments.contains(QStringLiteral("--long-lines"))) {
        LongLineFigures::run();
        return 0;
    }
    if (arguments.contains(QStringLiteral("--site"))) {
        Module1::reset();
        MDIForm1 frame;
        frame.show();
        frame.startUp(QString());
        settle();
        SiteFigures::run(frame);
        return 0;
    }
    if (arguments.contains(QStringLiteral("--save"))) {
        SaveFigures::run();
        return 0;
    }
    const qsizetype openMemoryAt = arguments.indexOf(QStringLiteral("--open-memory"));
    if (openMemoryAt > 0 && openMemoryAt + 1 < arguments.size()) {
        openMemory(arguments.at(openMemoryAt + 1));
        return 0;
    }
    if (arguments.contains(QStringLiteral("--restore-toggle"))) {
        RestoreToggleFigure::run(PageGenerator::pageOfBytes(10 * MB));
        return 0;
    }
    QTemporaryDir dir;

    // Start-up: the frame with its first untitled document, shown.
    if (wanted({"startup_ms"})) {
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
    // In a process of their own: a 10 MB line leaves the heap large and
    // scattered for every figure measured after it, and the peak memory must
    // be this page's alone.
    if (wanted({"peak_rss_1line_10mb_mb", "open_1line_10mb_ms", "keystroke_1line_10mb_ms", "keystroke_1line_2mb_ms"})) {
        if (!runChild({QStringLiteral("--long-lines")}))
            std::printf("# the long-line figures failed\n");
    }
    if (wanted({"restore_toggle_10mb_mb"}) && !runChild({QStringLiteral("--restore-toggle")}))
        std::printf("# the restore toggle figure failed\n");

    const QString page10 = PageGenerator::pageOfBytes(10 * MB);
    const QString page1 = PageGenerator::pageOfBytes(1 * MB);
    const QString page100k = PageGenerator::pageOfBytes(100 * 1000);
    const QString path10 = writePage(dir, QStringLiteral("page10.html"), page10);
    const QString path1 = writePage(dir, QStringLiteral("page1.html"), page1);
    const QString path100k = writePage(dir, QStringLiteral("page100k.html"), page100k);
    const double fileMB = QFileInfo(path10).size() / double(MB);
    std::printf("# pages: %.2f MB, %.2f MB and %.2f MB as Shift-JIS files\n", fileMB,
                QFileInfo(path1).size() / double(MB), QFileInfo(path100k).size() / double(MB));
    // In a process of its own, so that the peak is this page's alone.
    if (wanted({"peak_rss_open_10mb_mb"}) && !runChild({QStringLiteral("--open-memory"), path10}))
        std::printf("# the open memory figure failed\n");

    Module1::reset();
    MDIForm1 frame;
    frame.show();
    frame.startUp(QString());
    settle();
    Form1 *blank = frame.documents().first();

    // F5 on a 100 KB page until the browser has loaded it, the engine's
    // start-up included. The browser needs a display: run under Xvfb with
    // QT_QPA_PLATFORM=xcb to get this figure.
    if (!wanted({"preview_first_ms"})) {
    } else if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        frame.DragFileOpen(path100k);
        settle();
        Form1 *doc = frame.documents().last();
        QEventLoop loop;
        QObject::connect(doc->previewView(), &PreviewView::loadFinished, &loop, &QEventLoop::quit);
        QElapsedTimer timer;
        timer.start();
        doc->IDM_PREVIEW();
        loop.exec();
        report("preview_first_ms", timer.nsecsElapsed() / 1e6, "ms");
        doc->IDM_EDITSOURCE();
        doc->TextEdit = false;
        doc->IDM_FILECLOSE();
        settle();
    } else {
        std::printf("# preview_first_ms needs a display: run under Xvfb with QT_QPA_PLATFORM=xcb\n");
    }

    // Opening without colouring: read, decode, load into the window.
    if (wanted({"open_10mb_ms"}))
        report("open_10mb_ms", measure(5, [blank] { blank->richTextBox1()->clear(); settle(); }, [&] {
               const auto file = DocumentFile::read(path10);
               blank->richTextBox1()->setText(file.text);
           }),
           "ms");

    // The pure scanner alone.
    if (wanted({"scan_mb_per_s"})) {
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
    if (wanted({"colour_1mb_ms"}))
        report("colour_1mb_ms", colour(page1), "ms");
    if (wanted({"colour_10mb_ms"}))
        report("colour_10mb_ms", colour(page10), "ms");
    blank->richTextBox1()->clear();
    settle();

    // Everything opening a page from disk does, until the window shows it
    // coloured; and until the colours outside the view are written as well.
    if (wanted({"open_colour_10mb_ms"}))
        report("open_colour_10mb_ms", measure(3, [&frame] { closeAll(frame); }, [&] {
               frame.DragFileOpen(path10);
               QCoreApplication::processEvents();
           }),
           "ms");
    if (wanted({"open_colour_all_10mb_ms"}))
        report("open_colour_all_10mb_ms", measure(3, [&frame] { closeAll(frame); }, [&] {
               frame.DragFileOpen(path10);
               frame.documents().last()->richTextBox1()->finishColouring();
           }),
           "ms");
    closeAll(frame);

    // The page settings dialog: reading a large page when it opens, and
    // writing its settings back.
    if (wanted({"pagesettings_10mb_ms"})) {
        frame.IDM_NEWHTML();
        settle();
        Form1 *doc = frame.documents().last();
        RichTextBox1 *box = doc->richTextBox1();
        report("pagesettings_10mb_ms", measure(5, [box, &page10] { box->setText(page10); settle(); }, [doc] {
                   Module1::TargetKey = doc->windowTitle().left(3);
                   SiteCfg dialog(doc);
                   dialog.Command1_Click();
               }),
               "ms");
        doc->TextEdit = false;
        frame.IDM_ALLCLOSE();
        settle();
    }

    // One typed character in the middle of a coloured document, with every
    // change journalled as in use.
    RecoveryJournal::setTimings(2000, 30000);
    if (wanted({"keystroke_100kb_ms"})) {
        frame.DragFileOpen(path100k);
        settle();
        report("keystroke_100kb_ms", keystroke(frame.documents().last()), "ms");
    }
    if (wanted({"liveprev_refresh_100kb_ms", "keystroke_100kb_live_ms"})) {
        frame.DragFileOpen(path100k);
        settle();
        LivePreviewFigure::run(frame.documents().last());
    }
    const bool editing10 = wanted({"keystroke_10mb_ms", "recovery_write_10mb_ms", "recovery_stall_10mb_ms",
                                   "find_next_10mb_ms", "replace_all_10mb_ms", "restore_10mb_ms"});
    if (editing10)
        frame.DragFileOpen(path10);
    settle();
    if (wanted({"keystroke_10mb_ms"})) {
        // With the paragraphs around the caret indented, as a user's page may have them.
        RichTextBox1 *box = frame.documents().last()->richTextBox1();
        QTextCursor around = box->textCursor();
        around.setPosition(box->document()->characterCount() / 2 - 2000);
        around.setPosition(box->document()->characterCount() / 2 + 2000, QTextCursor::KeepAnchor);
        box->setTextCursor(around);
        frame.documents().last()->txtIndent();
        settle();
        report("keystroke_10mb_ms", keystroke(frame.documents().last()), "ms");
    }
    if (wanted({"recovery_write_10mb_ms", "recovery_stall_10mb_ms"}))
        recoveryFigures(frame.documents().last());
    RecoveryJournal::setTimings(Never, Never);

    // F2 to an occurrence near the end, from the top of a 10 MB page.
    if (wanted({"find_next_10mb_ms"})) {
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
    if (wanted({"replace_all_10mb_ms"})) {
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
    // A restore point of the coloured 10 MB page, made and brought back.
    // Every run starts from the page coloured all through, as a user finds
    // it; the colours the restore leaves to idle time are written untimed.
    if (wanted({"restore_10mb_ms"})) {
        Form1 *doc = frame.documents().last();
        TestAnswers answers(QMessageBox::Yes);
        report("restore_10mb_ms", measure(3, [doc] { doc->richTextBox1()->finishColouring(); }, [doc] {
                   doc->IDM_CREATE_BACKUP();
                   doc->IDM_CREATE_BACKUP();
               }),
               "ms");
    }
    for (Form1 *doc : frame.documents())
        doc->TextEdit = false;
    frame.IDM_ALLCLOSE();
    settle();

    if (wanted({"replace_fn_10mb_ms", "convert_both_1mb_ms", "advice_10mb_ms"}))
        EditingFigures::run(frame, page10, page1);
    // The link check of a 10 MB page with one link in twenty broken, marks included.
    if (wanted({"linkcheck_10mb_ms"})) {
        const QString linkPage = linkPageOfBytes(dir, 10 * MB);
        const QString path = writePage(dir, QStringLiteral("links10.html"), linkPage);
        frame.DragFileOpen(path);
        Form1 *doc = frame.documents().last();
        doc->richTextBox1()->finishColouring();
        settle();
        report("linkcheck_10mb_ms", measure(3, nullptr, [doc] { doc->IDM_LINK_CHK(); }), "ms");
        for (Form1 *d : frame.documents())
            d->TextEdit = false;
        frame.IDM_ALLCLOSE();
        settle();
    }
    if (wanted({"sitecheck_2000_pages_ms"}))
        SiteFigures::run(frame);

    // The table dialog's "OK" for 100 x 100 cells in the middle of a 1 MB page
    // already coloured: building the pieces and writing them as one step.
    if (wanted({"table_100x100_ms"})) {
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

    // F1's search for the table around the selection in a 10 MB page, the
    // selection in a list between two tables: the search passes every table
    // back to the top of the page before it knows that none holds it.
    if (wanted({"reedit_table_search_10mb_ms"})) {
        const qsizetype item = page10.indexOf(QStringLiteral("<li>"), page10.size() / 2);
        qsizetype found = 0;
        report("reedit_table_search_10mb_ms", measure(5, nullptr, [&] {
                   const std::optional<TextRange> table = TagReedit::table(page10, item, 4);
                   found += table ? 1 : 0;
               }),
               "ms");
        if (found != 0)
            qFatal("the re-edit found a table around a list item");
    }
    if (wanted({"save_10mb_ms", "save_inplace_10mb_ms"}))
        SaveFigures::run();
    return 0;
}
