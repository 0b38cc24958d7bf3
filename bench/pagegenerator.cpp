#include "pagegenerator.h"

#include <QStringEncoder>

QString PageGenerator::page(qsizetype characters)
{
    QString out;
    out.reserve(characters + 4096);
    out += QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
                          "<html lang=\"ja\">\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\n"
                          "<title>ベンチマーク用のページ</title>\n"
                          "<style type=\"text/css\">\nbody { color: #333333; background: #ffffff; }\n</style>\n"
                          "<SCRIPT>function hello(a) { if (a<3) return \"x\"; }</SCRIPT>\n</head>\n<body>\n");
    int section = 0;
    while (out.size() < characters) {
        ++section;
        out += QStringLiteral("<!-- 第%1節 -->\n<div class=\"section\" id=\"s%1\">\n<h2>第%1節　ウェブページの作り方</h2>\n").arg(section);
        out += QStringLiteral("<p>ホームページを作るときは、まず<a href=\"guide%1.html\" target=\"_blank\">案内</a>を読んでください。"
                              "文字コードと改行に気をつけて、<b>タグ</b>を正しく閉じましょう。</p>\n").arg(section);
        out += QStringLiteral("<table border=\"1\" cellpadding=\"4\" width=\"80%\">\n<tr><th>項目</th><th>説明</th></tr>\n"
                              "<tr><td>見出し</td><td>h1 から h6 まであります。</td></tr>\n"
                              "<tr><td>画像</td><td><img src=\"img/photo%1.jpg\" width=\"120\" height=\"90\" alt=\"写真\"></td></tr>\n"
                              "</table>\n").arg(section);
        out += QStringLiteral("<ul>\n<li>一覧の項目その一</li>\n<li>一覧の項目その二 &amp; 記号</li>\n</ul>\n</div>\n");
    }
    out += QStringLiteral("</body>\n</html>\n");
    return out;
}

QString PageGenerator::pageOfBytes(qsizetype bytes)
{
    const QString sample = page(200000);
    QStringEncoder encoder("windows-31j");
    const QByteArray encoded = encoder.encode(sample);
    const double bytesPerCharacter = double(encoded.size()) / sample.size();
    return page(qsizetype(bytes / bytesPerCharacter));
}
