#pragma once

#include <QString>

#include <array>

// What the table dialog gathers. Counts stay texts, as typed in their boxes.
struct TableSettings {
    // The colour boxes' text for "leave the attribute out".
    static QString standardColour() { return QStringLiteral("(標準)"); }

    QString columns = QStringLiteral("2"); // "列:"
    QString rows = QStringLiteral("2");    // "行:"
    bool noBorder = true;                  // "枠線を表示しない"
    // bordercolor, bordercolordark, bordercolorlight, bgcolor
    std::array<QString, 4> colours = {standardColour(), standardColour(), standardColour(), standardColour()};
};
