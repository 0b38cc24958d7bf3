#include "colours/browsernamespalette.h"
#include "colours/palette94.h"
#include "colours/w3cpalette.h"

#include <QtTest>

#include <set>

// The three named palettes as data: their lists checked against the lists as
// they are written down for users, and what a click on a swatch gives.
class TestPalettes : public QObject
{
    Q_OBJECT

private slots:
    void palette94Column_data();
    void palette94Column();
    void browserNamesColumn_data();
    void browserNamesColumn();
    void w3cColumn_data();
    void w3cColumn();
    void sizes_data();
    void sizes();
    void clickText_data();
    void clickText();
    void captions_data();
    void captions();
    void blackWritingNeedsContrast_data();
    void blackWritingNeedsContrast();
    void noBlackCaptionOnADarkSwatch_data();
    void noBlackCaptionOnADarkSwatch();
    void bintobin_data();
    void bintobin();
};

namespace {

struct Listed {
    QString name;
    quint32 simulated = 0;
    quint32 colour = 0;
    bool crossMark = false;
};

// Reads a list written as "name #RRGGBB, name #SIM / #FULL, name #RRGGBB ×".
QVector<Listed> parseList(const QString &text)
{
    QVector<Listed> items;
    for (const QString &item : text.split(QStringLiteral(", "))) {
        const QStringList words = item.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        Listed listed;
        listed.name = words.at(0);
        listed.simulated = words.at(1).mid(1).toUInt(nullptr, 16);
        listed.colour = listed.simulated;
        if (words.size() > 3 && words.at(2) == QLatin1String("/"))
            listed.colour = words.at(3).mid(1).toUInt(nullptr, 16);
        listed.crossMark = words.last() == QStringLiteral("×");
        items << listed;
    }
    return items;
}

// Index of the first swatch of a column in a list laid out column by column.
int firstOfColumn(const QVector<PaletteSwatch> &swatches, int column)
{
    for (int i = 0; i < swatches.size(); ++i) {
        if (swatches.at(i).column == column)
            return i;
    }
    return -1;
}

void checkColumn(const QVector<PaletteSwatch> &swatches, int column, const QString &list,
                 int left, int firstTop)
{
    const QVector<Listed> listed = parseList(list);
    const int first = firstOfColumn(swatches, column);
    QVERIFY(first >= 0);
    for (int i = 0; i < listed.size(); ++i) {
        const PaletteSwatch &swatch = swatches.at(first + i);
        QCOMPARE(swatch.name, listed.at(i).name);
        QCOMPARE(swatch.column, column);
        QCOMPARE(Palette94::bintobin(swatch.simulated), Palette94::bintobin(listed.at(i).simulated));
        QCOMPARE(Palette94::bintobin(swatch.colour), Palette94::bintobin(listed.at(i).colour));
        QCOMPARE(swatch.left, left);
        QCOMPARE(swatch.top, firstTop + i * 225);
    }
    // The column holds nothing beyond the list.
    const int next = first + listed.size();
    QVERIFY(next == swatches.size() || swatches.at(next).column != column);
}

} // namespace

void TestPalettes::palette94Column_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("list");
    QTest::newRow("column 1: rosybrown down to black")
        << 0
        << "rosybrown #CC9999 / #BC8F8F, bisque #CC9999 / #FFE4C4, indianred #CC6666 / #CD5C5C, coral #FF6666 / #FF7F50, darkgoldenrod #CC9900 / #B8860B, darkorange #FF9900 / #FF8C00, orange #FF9900 / #FFA500, tomato #FF6633 / #FF6347, red #FF0000, orangered #FF3300 / #FF4500, peru #CC9933 / #CD853F, goldenrod #CC9933 / #DAA520, blue #0000FF, mediumblue #0000CC / #0000CD, darkblue #000080 / #00008B, navy #000080, midnightblue #000066 / #191970, black #000000";
    QTest::newRow("column 2: orchid down to mediumslateblue")
        << 1
        << "orchid #CC66CC / #DA70D6, fuchsia #FF00FF, violet #FF99FF / #EE82EE, lightpink #FFCCCC / #FFB6C1, pink #FFCCCC / #FFC0CB, hotpink #FF99CC / #FF69B4, deeppink #CC0099 / #FF1493, palevioletred #CC6699 / #DB7093, crimson #CC0033 / #DC143C, saddlebrown #993300 / #8B4513, brown #993333 / #A52A2A, sienna #996633 / #A0522D, purple #800080, darkmagenta #800080 / #8B008B, mediumpurple #9966CC / #9370DB, darkorchid #9933CC / #9932CC, darkviolet #9900CC / #9400D3, mediumslateblue #6666FF / #7B68EE";
    QTest::newRow("column 3: mediumorchid down to slateblue")
        << 2
        << "mediumorchid #CC66CC / #BA55D3, plum #CC99CC / #DDA0DD, tan #CCCC99 / #D2B48C, burlywood #CCCC99 / #DEB887, cyan #00FFFF, aqua #00FFFF, darkturquoise #00CCCC / #00CED1, mediumturquoise #33CCCC / #48D1CC, steelblue #3399CC / #4682B4, lightslategray #666699 / #778899, cadetblue #666699 / #5F9EA0, indigo #330099 / #4B0082, darkslateblue #333399 / #483D8B, skyblue #99CCFF / #87CEEB, lightskyblue #99CCFF / #87CEFA, deepskyblue #00CCFF / #00BFFF, cornflowerblue #6699FF / #6495ED, slateblue #6666CC / #6A5ACD";
    QTest::newRow("column 4: navajowhite down to seagreen")
        << 3
        << "navajowhite #FFCC99 / #FFDEAD, darkkhaki #CCCC66 / #BDB76B, darksalmon #FF9966 / #E9967A, lightsalmon #FF9966 / #FFA07A, sandybrown #FF9966 / #F4A460, paleturquoise #99FFFF / #AFEEEE, aliceblue #FFFFFF / #F0F8FF, snow #FFFFFF / #FFFAFA, gold #FFCC00 / #FFD700, yellow #FFFF00, greenyellow #99FF33 / #ADFF2F, yellowgreen #99CC33 / #9ACD32, limegreen #33CC33 / #32CD32, chartreuse #66FF00 / #7FFF00, lawngreen #66FF00 / #7CFC00, lime #00FF00, mediumaquamarine #66CC99 / #66CDAA, seagreen #339966 / #2E8B57";
    QTest::newRow("column 5: palegoldenrod down to mediumspringgreen, honeydewtad kept")
        << 4
        << "palegoldenrod #FFFF99 / #EEE8AA, khaki #FFFF99 / #F0E68C, mintcream #FFFFFF / #F5FFFA, lavenderblush #FFFFFF / #FFF0F5, honeydew #FFFFFF / #F0FFF0, azure #FFFFFF / #F0FFFF, aquamarine #66FFCC / #7FFFD4, honeydewtad #66FFCC / #1EDEAA, darkseagreen #99CC99 / #8FBC8F, mediumseagreen #33CC66 / #3CB371, olivedrab #669933 / #6B8E23, forestgreen #339933 / #228B22, darkolivegreen #666633 / #556B2F, darkgreen #006600 / #006400, lightgreen #99CC99 / #90EE90, palegreen #99CC99 / #98FB98, springgreen #00FF66 / #00FF7F, mediumspringgreen #00FF99 / #00FA9A";
    QTest::newRow("column 6: four, white down to dimgray")
        << 5 << "white #FFFFFF, ghostwhite #FFFFFF / #F8F8FF, thistle #CCCCCC / #D8BFD8, dimgray #666666 / #696969";
}

void TestPalettes::palette94Column()
{
    QFETCH(int, column);
    QFETCH(QString, list);
    checkColumn(Palette94::swatches(), column, list, 150 + 1275 * column, 525);
}

void TestPalettes::browserNamesColumn_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("list");
    QTest::newRow("column 1: rosybrown down to black")
        << 0 << "rosybrown #BC8F8F, indianred #CD5C5C, coral #FF7F50, darkgoldenrod #B8860B, darkorange #FF8C00, orange #FFA500, tomato #FF6347, firebrick #B22222, crimson #DC143C, red #FF0000, chocolate #D2691E, orangered #FF4500, peru #CD853F, goldenrod #DAA520, blue #0000FF, mediumblue #0000CD, darkblue #00008B, navy #000080, midnightblue #191970, black #000000";
    QTest::newRow("column 2: orchid down to blueviolet")
        << 1 << "orchid #DA70D6, fuchsia #FF00FF, violet #EE82EE, lightpink #FFB6C1, pink #FFC0CB, hotpink #FF69B4, deeppink #FF1493, mediumvioletred #C71585, palevioletred #DB7093, saddlebrown #8B4513, darkred #8B0000, maroon #800000, brown #A52A2A, sienna #A0522D, purple #800080, darkmagenta #8B008B, mediumpurple #9370DB, darkorchid #9932CC, darkviolet #9400D3, blueviolet #8A2BE2";
    QTest::newRow("column 3: mediumorchid down to royalblue, dodgerblue 1B")
        << 2 << "mediumorchid #BA55D3, plum #DDA0DD, bisque #FFE4C4, linen #FAF0E6, antiquewhite #FAEBD7, aqua #00FFFF, darkturquoise #00CED1, mediumturquoise #48D1CC, cadetblue #5F9EA0, lightslategray #778899, slategray #708090, indigo #4B0082, darkslateblue #483D8B, skyblue #87CEEB, lightskyblue #87CEFA, deepskyblue #00BFFF, cornflowerblue #6495ED, dodgerblue #1B90FF, mediumslateblue #7B68EE, royalblue #4169E1";
    QTest::newRow("column 4: beige down to slateblue")
        << 3 << "beige #F5F5DC, wheat #F5DEB3, tan #D2B48C, burlywood #DEB887, darkkhaki #BDB76B, cyan #00FFFF, paleturquoise #AFEEEE, aliceblue #F0F8FF, snow #FFFAFA, gold #FFD700, yellow #FFFF00, greenyellow #ADFF2F, yellowgreen #9ACD32, limegreen #32CD32, chartreuse #7FFF00, lawngreen #7CFC00, lime #00FF00, mediumaquamarine #66CDAA, seagreen #2E8B57, slateblue #6A5ACD";
    QTest::newRow("column 5: palegoldenrod down to mediumspringgreen, honeydewtad kept")
        << 4 << "palegoldenrod #EEE8AA, khaki #F0E68C, mintcream #F5FFFA, lavenderblush #FFF0F5, honeydew #F0FFF0, azure #F0FFFF, aquamarine #7FFFD4, honeydewtad #1EDEAA, darkseagreen #8FBC8F, mediumseagreen #3CB371, olive #808000, olivedrab #6B8E23, forestgreen #228B22, green #008000, darkolivegreen #556B2F, darkgreen #006400, lightgreen #90EE90, palegreen #98FB98, springgreen #00FF7F, mediumspringgreen #00FA9A";
    QTest::newRow("column 6: white down to steelblue")
        << 5 << "white #FFFFFF, whitesmoke #F5F5F5, ghostwhite #F8F8FF, lightgray #D3D3D3, thistle #D8BFD8, silver #C0C0C0, darkgray #A9A9A9, gray #808080, dimgray #696969, darkslategray #2F4F4F, teal #008080, darkcyan #008B8B, lightseagreen #20B2AA, turquoise #40E0D0, lightcyan #E0FFFF, lavender #E6E6FA, powderblue #B0E0E6, lightblue #ADD8E6, lightsteelblue #B0C4DE, steelblue #4682B4";
    QTest::newRow("column 7: lightcoral down to peachpuff, oldlace FE")
        << 6 << "lightcoral #F08080, salmon #FA8072, darksalmon #E9967A, lightsalmon #FFA07A, sandybrown #F4A460, navajowhite #FFDEAD, lightgoldenrodyellow #FAFAD2, oldlace #FEF5E6, mistyrose #FFE4E1, seashell #FFF5EE, gainsboro #DCDCDC, ivory #FFFFF0, floralwhite #FFFAF0, lightyellow #FFFFE0, cornsilk #FFF8DC, papayawhip #FFEFD5, blanchedalmond #FFEBCD, lemonchiffon #FFFACD, moccasin #FFE4B5, peachpuff #FFDAB9";
}

void TestPalettes::browserNamesColumn()
{
    QFETCH(int, column);
    QFETCH(QString, list);
    checkColumn(BrowserNamesPalette::swatches(), column, list, 150 + 1275 * column, 525);
}

void TestPalettes::w3cColumn_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QList<int>>("tops");
    QTest::newRow("column 1: four in a row, silver and gray marked")
        << 0 << "white #FFFFFF, silver #C0C0C0 ×, gray #808080 ×, black #000000" << QList<int>{600, 825, 1050, 1275};
    QTest::newRow("column 2: two, a gap, two; maroon marked")
        << 1 << "red #FF0000, maroon #800000 ×, fuchsia #FF00FF, purple #800080" << QList<int>{600, 825, 1575, 1800};
    QTest::newRow("column 3: two, a gap, two; teal marked")
        << 2 << "blue #0000FF, navy #000080, aqua #00FFFF, teal #008080 ×" << QList<int>{600, 825, 1575, 1800};
    QTest::newRow("column 4: two, a gap, two; green and olive marked")
        << 3 << "lime #00FF00, green #008000 ×, yellow #FFFF00, olive #808000 ×" << QList<int>{600, 825, 1575, 1800};
}

void TestPalettes::w3cColumn()
{
    QFETCH(int, column);
    QFETCH(QString, list);
    QFETCH(QList<int>, tops);
    const QVector<PaletteSwatch> &swatches = W3cPalette::swatches();
    const QVector<Listed> listed = parseList(list);
    const int first = firstOfColumn(swatches, column);
    QCOMPARE(first, column * 4);
    for (int i = 0; i < listed.size(); ++i) {
        const PaletteSwatch &swatch = swatches.at(first + i);
        QCOMPARE(swatch.name, listed.at(i).name);
        QCOMPARE(swatch.fixedCode, Palette94::bintobin(listed.at(i).colour));
        QCOMPARE(swatch.colour, listed.at(i).colour);
        QCOMPARE(swatch.crossMark, listed.at(i).crossMark);
        QCOMPARE(swatch.left, 75 + 1275 * column);
        QCOMPARE(swatch.top, tops.at(i));
        // The mark sits inside the swatch, clear of the next column.
        QVERIFY(W3cPalette::crossMarkLeft(swatch) + W3cPalette::kCrossMarkSize <= swatch.left + PaletteSwatch::kWidth);
    }
}

void TestPalettes::sizes_data()
{
    QTest::addColumn<QVector<PaletteSwatch>>("swatches");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("columns");
    QTest::newRow("W3C: 16 in four columns") << W3cPalette::swatches() << 16 << 4;
    QTest::newRow("browsers: 140 in seven columns") << BrowserNamesPalette::swatches() << 140 << 7;
    QTest::newRow("common 94 in six columns") << Palette94::swatches() << 94 << 6;
}

void TestPalettes::sizes()
{
    QFETCH(QVector<PaletteSwatch>, swatches);
    QFETCH(int, count);
    QFETCH(int, columns);
    QCOMPARE(swatches.size(), count);
    QCOMPARE(swatches.last().column, columns - 1);
    std::set<QString> names;
    for (const PaletteSwatch &swatch : swatches) {
        QVERIFY2(names.insert(swatch.name).second, qPrintable(swatch.name));
        // Columns never go back, so the dialog can lay them out in one pass.
        QVERIFY(swatch.column < columns);
    }
}

void TestPalettes::clickText_data()
{
    QTest::addColumn<QVector<PaletteSwatch>>("swatches");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("hexadecimal");
    QTest::addColumn<bool>("simulate");
    QTest::addColumn<QString>("text");

    const QVector<PaletteSwatch> p94 = Palette94::swatches();
    const QVector<PaletteSwatch> p140 = BrowserNamesPalette::swatches();
    const QVector<PaletteSwatch> w3c = W3cPalette::swatches();
    QTest::newRow("94 as opened: coral gives what the 256-colour screen shows") << p94 << "coral" << true << true << "#FF6666";
    QTest::newRow("94 simulation off: coral gives its full colour") << p94 << "coral" << true << false << "#FF7F50";
    QTest::newRow("94 by name, simulated: coral") << p94 << "coral" << false << true << "coral";
    QTest::newRow("94 by name, full colour: coral") << p94 << "coral" << false << false << "coral";
    QTest::newRow("94 red simulated") << p94 << "red" << true << true << "#FF0000";
    QTest::newRow("94 red full colour") << p94 << "red" << true << false << "#FF0000";
    QTest::newRow("94 midnightblue simulated") << p94 << "midnightblue" << true << true << "#000066";
    QTest::newRow("94 shortened swatch writes the whole name") << p94 << "mediumspringgreen" << false << true << "mediumspringgreen";
    QTest::newRow("94 honeydewtad simulated and full differ") << p94 << "honeydewtad" << true << false << "#1EDEAA";
    QTest::newRow("140 dodgerblue keeps 1B") << p140 << "dodgerblue" << true << true << "#1B90FF";
    QTest::newRow("140 oldlace keeps FE") << p140 << "oldlace" << true << false << "#FEF5E6";
    QTest::newRow("140 shortened swatch writes the whole name") << p140 << "mediumspringgreen" << false << true << "mediumspringgreen";
    QTest::newRow("140 black: six zeros") << p140 << "black" << true << true << "#000000";
    QTest::newRow("W3C teal by name") << w3c << "teal" << false << true << "teal";
    QTest::newRow("W3C teal as code") << w3c << "teal" << true << true << "#008080";
    QTest::newRow("W3C silver as code") << w3c << "silver" << true << false << "#C0C0C0";
}

void TestPalettes::clickText()
{
    QFETCH(QVector<PaletteSwatch>, swatches);
    QFETCH(QString, name);
    QFETCH(bool, hexadecimal);
    QFETCH(bool, simulate);
    QFETCH(QString, text);
    const PaletteSwatch *swatch = PaletteSwatch::find(swatches, name);
    QVERIFY(swatch);
    QCOMPARE(swatch->clickText(hexadecimal, simulate), text);
}

void TestPalettes::captions_data()
{
    QTest::addColumn<QVector<PaletteSwatch>>("swatches");
    QTest::addColumn<QStringList>("white");
    QTest::addColumn<QStringList>("shortened");
    QTest::newRow("W3C: white on black and on the four too dark for black, nothing shortened")
        << W3cPalette::swatches() << QStringList{"black", "blue", "maroon", "navy", "purple"} << QStringList();
    QTest::newRow("browsers: ten dark blues and purples and six dark reds, browns and greens, one shortened")
        << BrowserNamesPalette::swatches()
        << QStringList{"black", "blue", "brown", "darkblue", "darkgreen", "darkmagenta", "darkred",
                       "darkslateblue", "darkslategray", "indigo", "maroon", "mediumblue", "midnightblue", "navy",
                       "purple", "saddlebrown"}
        << QStringList{"mediumspringgreen"};
    QTest::newRow("common 94: the same blues, dimgray and three dark browns and greens, one shortened")
        << Palette94::swatches()
        << QStringList{"black", "blue", "brown", "darkblue", "darkgreen", "darkmagenta", "darkslateblue",
                       "dimgray", "indigo", "mediumblue", "midnightblue", "navy", "purple", "saddlebrown"}
        << QStringList{"mediumspringgreen"};
}

void TestPalettes::captions()
{
    QFETCH(QVector<PaletteSwatch>, swatches);
    QFETCH(QStringList, white);
    QFETCH(QStringList, shortened);
    QStringList whiteFound;
    QStringList shortenedFound;
    for (const PaletteSwatch &swatch : swatches) {
        if (swatch.whiteCaption)
            whiteFound << swatch.name;
        if (swatch.caption != swatch.name) {
            shortenedFound << swatch.name;
            QCOMPARE(swatch.caption, QStringLiteral("mediumsprin..."));
        }
    }
    whiteFound.sort();
    QCOMPARE(whiteFound, white);
    QCOMPARE(shortenedFound, shortened);
}

void TestPalettes::blackWritingNeedsContrast_data()
{
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<bool>("tooDark");
    QTest::newRow("black") << quint32(0x000000) << true;
    QTest::newRow("navy") << quint32(0x000080) << true;
    QTest::newRow("pure blue: bright to the eye in name only") << quint32(0x0000FF) << true;
    QTest::newRow("saddlebrown, just under the line") << quint32(0x8B4513) << true;
    QTest::newRow("pure red reads black well enough") << quint32(0xFF0000) << false;
    QTest::newRow("gray") << quint32(0x808080) << false;
    QTest::newRow("dimgray: darker, still above the line") << quint32(0x696969) << false;
    QTest::newRow("white") << quint32(0xFFFFFF) << false;
    QTest::newRow("bits above the colour are no colour") << quint32(0xFF000080) << true;
}

void TestPalettes::blackWritingNeedsContrast()
{
    QFETCH(quint32, colour);
    QFETCH(bool, tooDark);
    QCOMPARE(PaletteSwatch::tooDarkForBlack(colour), tooDark);
}

void TestPalettes::noBlackCaptionOnADarkSwatch_data()
{
    QTest::addColumn<QVector<PaletteSwatch>>("swatches");
    QTest::newRow("W3C") << W3cPalette::swatches();
    QTest::newRow("browsers") << BrowserNamesPalette::swatches();
    QTest::newRow("common 94") << Palette94::swatches();
}

void TestPalettes::noBlackCaptionOnADarkSwatch()
{
    QFETCH(QVector<PaletteSwatch>, swatches);
    for (const PaletteSwatch &swatch : swatches)
        for (const bool simulate : {false, true})
            QVERIFY2(swatch.whiteCaption || !PaletteSwatch::tooDarkForBlack(swatch.shownColour(simulate)),
                     qPrintable(swatch.name));
}

void TestPalettes::bintobin_data()
{
    QTest::addColumn<quint32>("rgb");
    QTest::addColumn<QString>("code");
    QTest::newRow("black: six zeros") << quint32(0x000000) << "#000000";
    QTest::newRow("red 128 alone") << quint32(0x800000) << "#800000";
    QTest::newRow("blue 5 keeps its leading zeros") << quint32(0x000005) << "#000005";
    QTest::newRow("every channel padded: 0A 0B 0C") << quint32(0x0A0B0C) << "#0A0B0C";
    QTest::newRow("upper-case digits") << quint32(0xabcdef) << "#ABCDEF";
    QTest::newRow("white") << quint32(0xFFFFFF) << "#FFFFFF";
    QTest::newRow("opaque pixel read from a picture: alpha dropped") << quint32(0xFF112233) << "#112233";
}

void TestPalettes::bintobin()
{
    QFETCH(quint32, rgb);
    QFETCH(QString, code);
    QCOMPARE(Palette94::bintobin(rgb), code);
}

QTEST_MAIN(TestPalettes)
#include "tst_palettes.moc"
