#include "savefigures.h"

#include "benchtools.h"
#include "pagegenerator.h"

#include "document/documentfile.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <unistd.h>

using namespace BenchTools;

namespace {

constexpr qsizetype MB = 1000 * 1000;

double saveTime(const QString &path, const QString &text, const QString &secondName)
{
    return measure(5, [&] {
        if (secondName.isEmpty())
            return;
        QFile::remove(secondName);
        if (::link(QFile::encodeName(path).constData(), QFile::encodeName(secondName).constData()) != 0)
            qFatal("cannot link the benchmark page");
    }, [&] {
        const auto result = DocumentFile::write(path, text, TextFileFormat());
        if (!result.ok)
            qFatal("cannot save the benchmark page: %s", qPrintable(result.error));
    });
}

} // namespace

void SaveFigures::run()
{
    QTemporaryDir dir;
    const QString page = PageGenerator::pageOfBytes(10 * MB);
    const QString path = dir.filePath(QStringLiteral("save10.html"));
    saveTime(path, page, QString()); // the file exists before the first timed save
    report("save_10mb_ms", saveTime(path, page, QString()), "ms");
    report("save_inplace_10mb_ms", saveTime(path, page, dir.filePath(QStringLiteral("link10.html"))), "ms");
}
