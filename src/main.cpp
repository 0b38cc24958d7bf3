#include "checks/pagecheck.h"
#include "document/previewbrowser.h"
#include "frame/commandline.h"
#include "frame/mdiform1.h"
#include "frame/recoveryoffer.h"
#include "frame/signalending.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

// "--check FILE…", "--version" and "--help" answer on the terminal and never
// open a window, so a site's build can run them on a machine without a display.
int runWithoutWindow(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const CommandLine::Request request = CommandLine::parse(arguments);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (request.action == CommandLine::Action::Version) {
        out << QStringLiteral("tovalo " TOVALO_VERSION) << Qt::endl;
        return 0;
    }
    if (request.action == CommandLine::Action::Help) {
        out << CommandLine::usage() << Qt::flush;
        return 0;
    }
    if (request.paths.isEmpty()) {
        err << CommandLine::usage() << Qt::flush;
        return PageCheck::Unreadable;
    }
    return PageCheck::run(request.paths, out, err,
                          request.quotes ? PageCheck::Quotes::Advise : PageCheck::Quotes::Skip);
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    if (CommandLine::parse(words).action != CommandLine::Action::Open)
        return runWithoutWindow(argc, argv);

    PreviewBrowser::prepareApplication();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tovalo"));
    QApplication::setApplicationVersion(QStringLiteral(TOVALO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tovalo"));

    // Qt's own dialogs and buttons speak Japanese like the rest of the program.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    MDIForm1 frame;
    SignalEnding ending(&frame);
    frame.show();
    frame.startUp(CommandLine::pathsToOpen(arguments));
    // Once the frame is up: what a process that died left unsaved.
    QTimer::singleShot(0, &frame, [&frame] { RecoveryOffer::run(&frame); });
    return QApplication::exec();
}
