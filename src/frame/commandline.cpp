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
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("--help")) {
        request.action = Action::Help;
        return request;
    }
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("--check")) {
        request.action = Action::Check;
        qsizetype first = 1;
        for (; first < arguments.size() && arguments.at(first) == QLatin1String("--quotes"); ++first)
            request.quotes = true;
        // "--" lets a file whose name begins with "--" be checked.
        if (first < arguments.size() && arguments.at(first) == QLatin1String("--"))
            ++first;
        request.paths = arguments.mid(first);
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

QString CommandLine::usage()
{
    return QStringLiteral(
        "使い方：\n"
        "  tovalo [ファイル…]                   ファイルを開いて編集する\n"
        "  tovalo --check [--quotes] ファイル…  ウィンドウを開かずにページをチェックする\n"
        "  tovalo --version                     バージョンを表示する\n"
        "  tovalo --help                        この説明を表示する\n"
        "\n"
        "--check はファイルごとに、リンク切れ、文字として読めないバイト、簡易文法チェック（F7）の指摘を\n"
        "「ファイル:行:桁: メッセージ」の形で一行ずつ書き出します（桁は文字で数えます）。\n"
        "フォルダを指定すると、その中の .html と .htm のページをすべて（隠しフォルダを除く）チェックします。\n"
        "  --quotes  属性値をダブルクォーテーションで囲んでいないタグも指摘する\n"
        "終了コード：0 指摘なし、1 指摘あり、2 読めないファイルあり\n");
}
