#include "colours/colourcode.h"

#include <QtTest>

Q_DECLARE_METATYPE(Rgb)

// Colour codes as pages carry them and colour values as the dialogs keep them.
class TestColourCode : public QObject
{
    Q_OBJECT

private slots:
    void format_data();
    void format();
    void parse_data();
    void parse();
    void colourValue_data();
    void colourValue();
    void afterChoice_data();
    void afterChoice();
};

void TestColourCode::format_data()
{
    QTest::addColumn<Rgb>("colour");
    QTest::addColumn<QString>("code");

    QTest::newRow("black") << Rgb{0, 0, 0} << "#000000";
    QTest::newRow("pure red") << Rgb{255, 0, 0} << "#FF0000";
    QTest::newRow("blue 5 keeps its leading zeros") << Rgb{0, 0, 5} << "#000005";
    QTest::newRow("10 11 12: single digits padded") << Rgb{10, 11, 12} << "#0A0B0C";
    QTest::newRow("out of range channels clamped") << Rgb{300, -5, 255} << "#FF00FF";
}

void TestColourCode::format()
{
    QFETCH(Rgb, colour);
    QFETCH(QString, code);
    QCOMPARE(ColourCode::format(colour), code);
    QCOMPARE(ColourCode::digits(colour), code.mid(1));
}

void TestColourCode::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<Rgb>("colour");

    QTest::newRow("#RRGGBB lower case") << "#ff00aa" << true << Rgb{255, 0, 170};
    QTest::newRow("digits without #") << "0A0B0C" << true << Rgb{10, 11, 12};
    QTest::newRow("blanks around") << "  #800080 " << true << Rgb{128, 0, 128};
    QTest::newRow("three-digit short form is no code") << "#fff" << false << Rgb{};
    QTest::newRow("cancelled choice -1") << "-1" << false << Rgb{};
    QTest::newRow("not hexadecimal") << "#GG0000" << false << Rgb{};
    QTest::newRow("seven digits") << "#1234567" << false << Rgb{};
    QTest::newRow("empty") << "" << false << Rgb{};
    QTest::newRow("standard placeholder") << "(標準)" << false << Rgb{};
}

void TestColourCode::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(Rgb, colour);
    const auto parsed = ColourCode::parse(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, colour);
}

void TestColourCode::colourValue_data()
{
    QTest::addColumn<Rgb>("colour");
    QTest::addColumn<quint32>("value");

    QTest::newRow("red in the low byte") << Rgb{255, 0, 0} << quint32(0x0000FF);
    QTest::newRow("blue in the third byte") << Rgb{0, 0, 255} << quint32(0xFF0000);
    QTest::newRow("mixed: BBGGRR") << Rgb{0x12, 0x34, 0x56} << quint32(0x563412);
    QTest::newRow("white") << Rgb{255, 255, 255} << quint32(0xFFFFFF);
}

void TestColourCode::colourValue()
{
    QFETCH(Rgb, colour);
    QFETCH(quint32, value);
    QCOMPARE(ColourCode::toColourValue(colour), value);
    QCOMPARE(ColourCode::fromColourValue(value), colour);
}

void TestColourCode::afterChoice_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("returned");
    QTest::addColumn<QString>("shown");

    QTest::newRow("chosen colour replaces the box") << "#0000ff" << "FF8000" << "#FF8000";
    QTest::newRow("cancel keeps a typed code, never #-1") << "#0000ff" << "-1" << "#0000ff";
    QTest::newRow("cancel keeps the standard placeholder") << "(標準)" << "-1" << "(標準)";
    QTest::newRow("nothing returned keeps the box") << "#123456" << "" << "#123456";
}

void TestColourCode::afterChoice()
{
    QFETCH(QString, current);
    QFETCH(QString, returned);
    QFETCH(QString, shown);
    QCOMPARE(ColourCode::afterChoice(current, returned), shown);
}

QTEST_MAIN(TestColourCode)
#include "tst_colourcode.moc"
