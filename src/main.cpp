#include "checks/pagecheck.h"
#include "frame/commandline.h"
#include "frame/mdiform1.h"
#include "frame/signalending.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>

#include <unistd.h>

namespace {

// "--check FILE…" and "--version" answer on the terminal and never open a
// window, so a site's build can run them on a machine without a display.
int runWithoutWindow(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const QString option = arguments.takeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (option == QLatin1String("--version")) {
        out << QStringLiteral("tovalo " TOVALO_VERSION) << Qt::endl;
        return 0;
    }
    if (arguments.isEmpty()) {
        err << QStringLiteral("使い方：tovalo --check ファイル…") << Qt::endl;
        return PageCheck::Unreadable;
    }
    return PageCheck::run(arguments, out, err);
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    if (CommandLine::parse(words).action != CommandLine::Action::Open)
        return runWithoutWindow(argc, argv);

    // The preview browser's sandbox refuses to start as root; it is switched
    // off then, and only then.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

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
    return QApplication::exec();
}
