#include "frame/mdiform1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <unistd.h>

int main(int argc, char *argv[])
{
    // The preview browser's sandbox refuses to start as root; it is switched
    // off then, and only then.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tovalo"));
    QApplication::setApplicationVersion(QStringLiteral(TOVALO_VERSION));

    // Qt's own dialogs and buttons speak Japanese like the rest of the program.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    MDIForm1 frame;
    frame.show();
    frame.startUp(arguments.join(QLatin1Char(' ')));
    return QApplication::exec();
}
