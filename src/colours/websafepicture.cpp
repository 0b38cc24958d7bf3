#include "colours/websafepicture.h"

#include "colours/palette94.h"

namespace {

// The six web-safe channel values, numbered 0 to 5.
constexpr quint32 kSteps[6] = {0x00, 0x33, 0x66, 0x99, 0xCC, 0xFF};

// Red by block of six columns: the upper six rows, then the lower six.
constexpr int kRedUpper[3] = {1, 2, 5};
constexpr int kRedLower[3] = {0, 3, 4};

} // namespace

quint32 WebSafePicture::swatchColour(int column, int row)
{
    const int block = column / 6;
    const int k = column % 6;
    const bool upper = row < 6;
    const int red = upper ? kRedUpper[block] : kRedLower[block];
    // The middle block runs green backwards, so neighbouring blocks meet in
    // like colours.
    const int green = block == 1 ? 5 - k : k;
    const int blue = upper ? row : 11 - row;
    return (kSteps[red] << 16) | (kSteps[green] << 8) | kSteps[blue];
}

quint32 WebSafePicture::pixel(int x, int y)
{
    if (x < kLeft || y < kTop || x >= kWidth || y >= kHeight)
        return kBackground;
    const int column = (x - kLeft) / kStepX;
    const int row = (y - kTop) / kStepY;
    const int dx = (x - kLeft) % kStepX;
    const int dy = (y - kTop) % kStepY;
    if (column >= kColumns || row >= kRows || dx >= kSwatchWidth || dy >= kSwatchHeight)
        return kBackground;

    const int lastX = kSwatchWidth - 1;
    const int lastY = kSwatchHeight - 1;
    // The top row ends in a light pixel; the left column stays dark to its foot.
    if (dy == 0)
        return dx == lastX ? kLight : kShadow;
    if (dx == 0)
        return kShadow;
    if (dx == lastX || dy == lastY)
        return kLight;
    return swatchColour(column, row);
}

std::optional<QString> WebSafePicture::clickText(quint32 pixelColour)
{
    const quint32 rgb = pixelColour & 0xFFFFFFu;
    if (rgb == kBackground)
        return std::nullopt;
    return Palette94::bintobin(rgb);
}
