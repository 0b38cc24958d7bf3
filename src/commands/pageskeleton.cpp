#include "commands/pageskeleton.h"

PieceList PageSkeleton::pieces()
{
    const QString crLf = QStringLiteral("\r\n");
    const auto blue = [](const char *name) {
        return ColouredPiece{QString::fromLatin1(name), SyntaxColor::Blue};
    };
    const auto black = [](const QString &text) { return ColouredPiece{text, SyntaxColor::Black}; };

    return {
        {QStringLiteral("<"), std::nullopt},
        blue("html"),
        black(QStringLiteral(">") + crLf + QStringLiteral("<")),
        blue("head"),
        black(QStringLiteral(">") + crLf + QStringLiteral("<")),
        blue("title"),
        black(QStringLiteral(">新規Webページ<")),
        blue("/title"),
        black(QStringLiteral(">") + crLf + QStringLiteral("<")),
        blue("/head"),
        black(QStringLiteral(">") + crLf + QStringLiteral("<")),
        blue("body"),
        black(QStringLiteral(">") + crLf + crLf + crLf + QStringLiteral("<")),
        blue("/body"),
        black(QStringLiteral(">") + crLf + QStringLiteral("<")),
        blue("/html"),
        black(QStringLiteral(">")),
    };
}
