#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// A colour as three channels 0..255. The core knows no QColor; the windows
// convert at their edge.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb &other) const
    {
        return red == other.red && green == other.green && blue == other.blue;
    }
    bool operator!=(const Rgb &other) const { return !(*this == other); }
};

// Colour codes as the pages carry them ("#RRGGBB") and colour values as the
// dialogs keep them: a 32-bit integer with red in the low byte (0x00BBGGRR).
class ColourCode
{
public:
    // What the full-colour entry returns when its dialog was cancelled.
    static QString cancelledDigits() { return QStringLiteral("-1"); }

    // Six upper-case hexadecimal digits, red, green, blue; channels outside
    // 0..255 are clamped so the code always has six digits.
    static QString digits(Rgb colour);
    // "#" and the six digits.
    static QString format(Rgb colour);

    // "#RRGGBB" or "RRGGBB", digits in any letter case, blanks around allowed.
    // Anything else (three-digit codes, names, "-1") is no colour.
    static std::optional<Rgb> parse(QStringView text);

    // The colour value with red in the low byte, green next, blue third.
    static std::uint32_t toColourValue(Rgb colour);
    static Rgb fromColourValue(std::uint32_t value);

    // The text a colour box shows after a colour choice that returned
    // `returned`: "#" and the digits, or the box's text unchanged when the
    // choice was cancelled (a box must never read "#-1").
    static QString afterChoice(const QString &current, const QString &returned);
};
