#include "colours/colourcode.h"

#include <algorithm>

namespace {

int clampChannel(int value)
{
    return std::clamp(value, 0, 255);
}

void appendHex(QString &out, int channel)
{
    static const char kDigits[] = "0123456789ABCDEF";
    const int value = clampChannel(channel);
    out += QLatin1Char(kDigits[value >> 4]);
    out += QLatin1Char(kDigits[value & 0xF]);
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

QString ColourCode::digits(Rgb colour)
{
    QString out;
    out.reserve(6);
    appendHex(out, colour.red);
    appendHex(out, colour.green);
    appendHex(out, colour.blue);
    return out;
}

QString ColourCode::format(Rgb colour)
{
    return QLatin1Char('#') + digits(colour);
}

std::optional<Rgb> ColourCode::parse(QStringView text)
{
    QStringView code = text.trimmed();
    if (code.startsWith(QLatin1Char('#')))
        code = code.mid(1);
    if (code.size() != 6)
        return std::nullopt;
    int channels[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const int high = hexValue(code[2 * i]);
        const int low = hexValue(code[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        channels[i] = high * 16 + low;
    }
    return Rgb{channels[0], channels[1], channels[2]};
}

std::uint32_t ColourCode::toColourValue(Rgb colour)
{
    return static_cast<std::uint32_t>(clampChannel(colour.red))
        | static_cast<std::uint32_t>(clampChannel(colour.green)) << 8
        | static_cast<std::uint32_t>(clampChannel(colour.blue)) << 16;
}

Rgb ColourCode::fromColourValue(std::uint32_t value)
{
    return Rgb{static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
               static_cast<int>((value >> 16) & 0xFF)};
}

QString ColourCode::afterChoice(const QString &current, const QString &returned)
{
    if (returned == cancelledDigits() || !parse(returned))
        return current;
    return QLatin1Char('#') + returned;
}
