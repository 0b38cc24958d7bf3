#include "frame/commandline.h"

#include <QFileInfo>
#include <QLatin1String>

CommandLine::Request CommandLine::parse(const QStringList &arguments)
{
    Request request;
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("--version")) {
        request.action = Action::Version;
        return request;
    }
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("--check")) {
        request.action = Action::Check;
        request.paths = arguments.mid(1);
        return request;
    }
    request.paths = pathsToOpen(arguments);
    return request;
}

QStringList CommandLine::pathsToOpen(const QStringList &arguments)
{
    const QString joined = arguments.join(QLatin1Char(' '));
    if (joined.isEmpty())
        return {};
    if (arguments.size() < 2 || isExistingFile(joined))
        return {joined};
    for (const QString &argument : arguments)
        if (!isExistingFile(argument))
            return {joined};
    return arguments;
}

bool CommandLine::isExistingFile(const QString &commandLine)
{
    QString path = commandLine;
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2);
    return !path.isEmpty() && QFileInfo(path).isFile();
}
