#pragma once

#include <QString>

// What the page colour scheme dialog gathers. Colour texts are used as typed.
struct ColourScheme {
    struct LinkStyle {
        QString colour;
        bool underline = true;
        bool bold = false;
        bool italic = false;
    };

    LinkStyle link{QStringLiteral("#0000ff")};
    LinkStyle visited{QStringLiteral("#800080")};
    LinkStyle active{QStringLiteral("#ff0000")};
    LinkStyle hover{QStringLiteral("#0000ff")}; // style-sheet mode only
    QString background = QStringLiteral("#FFFFFF");
    QString text = QStringLiteral("#000000");
    bool textBold = false;   // style-sheet mode only
    bool textItalic = false; // style-sheet mode only
    bool styleSheet = false; // "スタイルシートを使う"
};
