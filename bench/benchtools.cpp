#include "benchtools.h"

#include "document/form1.h"
#include "document/richtextbox1.h"
#include "frame/mdiform1.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>

namespace BenchTools {

namespace {
QStringList &onlyNames()
{
    static QStringList names;
    return names;
}
} // namespace

void setOnly(const QStringList &names)
{
    onlyNames() = names;
}

QStringList only()
{
    return onlyNames();
}

bool wanted(std::initializer_list<const char *> names)
{
    if (onlyNames().isEmpty())
        return true;
    for (const char *name : names)
        if (onlyNames().contains(QLatin1String(name)))
            return true;
    return false;
}

double peakMemoryMB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

bool resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

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
    if (!wanted({name}))
        return;
    std::printf("%s %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void caretToMiddle(RichTextBox1 *box)
{
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(box->document()->characterCount() / 2);
    box->setTextCursor(cursor);
}

double keystroke(Form1 *doc)
{
    RichTextBox1 *box = doc->richTextBox1();
    box->setFocus();
    std::vector<double> times;
    for (int i = 0; i < 41; ++i) {
        caretToMiddle(box);
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

void closeAll(MDIForm1 &frame)
{
    for (Form1 *doc : frame.documents())
        doc->TextEdit = false;
    frame.IDM_ALLCLOSE();
    settle();
}

} // namespace BenchTools
