#include "livepreviewfigure.h"

#include "benchtools.h"

#include "document/form1.h"
#include "document/livepreview.h"
#include "document/richtextbox1.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTextCursor>
#include <QTimer>

#include <cstdio>
#include <vector>

namespace {

// The pause the live preview waits for after the last key.
constexpr double PauseMs = 300;

bool waitForRefresh(LivePreview *live)
{
    QEventLoop loop;
    bool refreshed = false;
    const auto done = QObject::connect(live, &LivePreview::refreshed, &loop, [&] {
        refreshed = true;
        loop.quit();
    });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(done);
    return refreshed;
}

} // namespace

void LivePreviewFigure::run(Form1 *doc)
{
    doc->menuItem(QStringLiteral("IDM_LIVEPREVIEW"))->setChecked(true);
    LivePreview *live = doc->livePreview();
    if (!waitForRefresh(live)) {
        std::printf("# the live preview did not load\n");
        return;
    }
    RichTextBox1 *box = doc->richTextBox1();
    box->setFocus();
    std::vector<double> times;
    for (int i = 0; i < 9; ++i) {
        BenchTools::caretToMiddle(box);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QElapsedTimer timer;
        timer.start();
        QCoreApplication::sendEvent(box, &press);
        QCoreApplication::sendEvent(box, &release);
        if (!waitForRefresh(live)) {
            std::printf("# the live preview did not refresh\n");
            return;
        }
        times.push_back(timer.nsecsElapsed() / 1e6 - PauseMs);
    }
    std::printf("# liveprev_refresh_100kb_ms on the %s platform\n", qPrintable(QGuiApplication::platformName()));
    BenchTools::report("liveprev_refresh_100kb_ms", BenchTools::median(times), "ms");
    // Typing beside the page: the key alone, the refresh waits for a pause.
    BenchTools::report("keystroke_100kb_live_ms", BenchTools::keystroke(doc), "ms");
    doc->menuItem(QStringLiteral("IDM_LIVEPREVIEW"))->setChecked(false);
    BenchTools::settle();
}
