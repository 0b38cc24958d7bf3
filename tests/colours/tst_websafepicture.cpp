#include "colours/websafepicture.h"

#include <QtTest>

#include <set>

// The web-safe picture worked out pixel by pixel, and what a click on it gives.
class TestWebSafePicture : public QObject
{
    Q_OBJECT

private slots:
    void pixel_data();
    void pixel();
    void swatchRun_data();
    void swatchRun();
    void everyWebSafeColourOnce();
    void clickText_data();
    void clickText();
};

namespace {

constexpr quint32 kGround = WebSafePicture::kBackground;
constexpr quint32 kDark = 0xACA899;
constexpr quint32 kWhite = 0xFFFFFF;

QString code(quint32 rgb)
{
    return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}

} // namespace

void TestWebSafePicture::pixel_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<quint32>("colour");

    QTest::newRow("picture's top-left corner: ground") << 0 << 0 << kGround;
    QTest::newRow("left margin beside the first swatch") << 1 << 5 << kGround;
    QTest::newRow("top margin above the first swatch") << 5 << 2 << kGround;
    QTest::newRow("first swatch's corner: dark") << 2 << 3 << kDark;
    QTest::newRow("first swatch's top edge: dark") << 10 << 3 << kDark;
    QTest::newRow("first swatch's top edge ends white") << 28 << 3 << kWhite;
    QTest::newRow("first swatch's left edge: dark") << 2 << 10 << kDark;
    QTest::newRow("left edge stays dark at its foot") << 2 << 16 << kDark;
    QTest::newRow("first swatch's bottom edge: white") << 10 << 16 << kWhite;
    QTest::newRow("first swatch's right edge: white") << 28 << 10 << kWhite;
    QTest::newRow("inside the first swatch, top-left") << 3 << 4 << quint32(0x330000);
    QTest::newRow("inside the first swatch, bottom-right") << 27 << 15 << quint32(0x330000);
    QTest::newRow("gap between columns, first pixel") << 29 << 10 << kGround;
    QTest::newRow("gap between columns, last pixel") << 31 << 10 << kGround;
    QTest::newRow("second column's left edge") << 32 << 10 << kDark;
    QTest::newRow("inside the second column") << 33 << 10 << quint32(0x333300);
    QTest::newRow("gap between rows, first pixel") << 10 << 17 << kGround;
    QTest::newRow("gap between rows, last pixel") << 10 << 19 << kGround;
    QTest::newRow("second row's top edge") << 10 << 20 << kDark;
    QTest::newRow("inside the second row") << 10 << 21 << quint32(0x330033);
    QTest::newRow("inside the bottom-left swatch") << 3 << 191 << quint32(0x000000);
    QTest::newRow("inside the top-right swatch") << 513 << 4 << quint32(0xFFFF00);
    QTest::newRow("inside the bottom-right swatch") << 537 << 202 << quint32(0xCCFF00);
    QTest::newRow("last swatch's lower right corner: white") << 538 << 203 << kWhite;
    QTest::newRow("right margin") << 539 << 10 << kGround;
    QTest::newRow("picture's last column") << 541 << 100 << kGround;
    QTest::newRow("bottom margin") << 10 << 204 << kGround;
    QTest::newRow("picture's bottom-right corner") << 541 << 206 << kGround;
    QTest::newRow("just past the right of the picture") << 542 << 10 << kGround;
    QTest::newRow("just past the bottom of the picture") << 10 << 207 << kGround;
    QTest::newRow("left of the picture") << -1 << 5 << kGround;
    QTest::newRow("above the picture") << 5 << -1 << kGround;
}

void TestWebSafePicture::pixel()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(quint32, colour);
    QCOMPARE(code(WebSafePicture::pixel(x, y)), code(colour));
}

void TestWebSafePicture::swatchRun_data()
{
    QTest::addColumn<bool>("alongRow"); // false: down a column
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("codes");

    QTest::newRow("top row: 33 up the greens, 66 back down, FF up again")
        << true << 0
        << "#330000 #333300 #336600 #339900 #33CC00 #33FF00 "
           "#66FF00 #66CC00 #669900 #666600 #663300 #660000 "
           "#FF0000 #FF3300 #FF6600 #FF9900 #FFCC00 #FFFF00";
    QTest::newRow("bottom row: 00, 99 backwards, CC")
        << true << 11
        << "#000000 #003300 #006600 #009900 #00CC00 #00FF00 "
           "#99FF00 #99CC00 #999900 #996600 #993300 #990000 "
           "#CC0000 #CC3300 #CC6600 #CC9900 #CCCC00 #CCFF00";
    QTest::newRow("first column: blue rises, then falls with red 00")
        << false << 0
        << "#330000 #330033 #330066 #330099 #3300CC #3300FF "
           "#0000FF #0000CC #000099 #000066 #000033 #000000";
    QTest::newRow("last column: FF then CC, greens full")
        << false << 17
        << "#FFFF00 #FFFF33 #FFFF66 #FFFF99 #FFFFCC #FFFFFF "
           "#CCFFFF #CCFFCC #CCFF99 #CCFF66 #CCFF33 #CCFF00";
}

void TestWebSafePicture::swatchRun()
{
    QFETCH(bool, alongRow);
    QFETCH(int, index);
    QFETCH(QString, codes);
    QStringList found;
    const int count = alongRow ? WebSafePicture::kColumns : WebSafePicture::kRows;
    for (int i = 0; i < count; ++i) {
        const int column = alongRow ? i : index;
        const int row = alongRow ? index : i;
        found << code(WebSafePicture::swatchColour(column, row));
        // The picture shows the same colour inside that swatch.
        QCOMPARE(WebSafePicture::pixel(2 + 30 * column + 13, 3 + 17 * row + 7),
                 WebSafePicture::swatchColour(column, row));
    }
    QCOMPARE(found.join(QLatin1Char(' ')), codes);
}

void TestWebSafePicture::everyWebSafeColourOnce()
{
    std::set<quint32> seen;
    for (int row = 0; row < WebSafePicture::kRows; ++row) {
        for (int column = 0; column < WebSafePicture::kColumns; ++column) {
            const quint32 colour = WebSafePicture::swatchColour(column, row);
            for (int shift : {0, 8, 16})
                QCOMPARE(((colour >> shift) & 0xFF) % 0x33, 0u);
            QVERIFY2(seen.insert(colour).second, qPrintable(code(colour)));
        }
    }
    QCOMPARE(seen.size(), std::size_t(216));
    // The ground is no swatch colour, so no swatch click is lost as ground.
    QVERIFY(seen.count(kGround) == 0);
}

void TestWebSafePicture::clickText_data()
{
    QTest::addColumn<quint32>("pixel");
    QTest::addColumn<QString>("text"); // null: the box is left as it was

    QTest::newRow("ground between swatches: nothing") << kGround << QString();
    QTest::newRow("ground read from an opaque image: nothing") << (0xFF000000u | kGround) << QString();
    QTest::newRow("upper or left edge: the edge's grey") << kDark << "#ACA899";
    QTest::newRow("lower or right edge: white") << kWhite << "#FFFFFF";
    QTest::newRow("top-left swatch") << quint32(0x330000) << "#330000";
    QTest::newRow("bottom-left swatch: black") << quint32(0x000000) << "#000000";
    QTest::newRow("opaque pixel of the top-right swatch") << quint32(0xFFFFFF00) << "#FFFF00";
}

void TestWebSafePicture::clickText()
{
    QFETCH(quint32, pixel);
    QFETCH(QString, text);
    const std::optional<QString> given = WebSafePicture::clickText(pixel);
    QCOMPARE(given.has_value(), !text.isNull());
    if (given)
        QCOMPARE(*given, text);
}

QTEST_MAIN(TestWebSafePicture)
#include "tst_websafepicture.moc"
