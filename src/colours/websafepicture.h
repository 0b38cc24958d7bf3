#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The picture of the 216 web-safe colours: 18 columns by 12 rows of sunken
// swatches on a pale green ground. The picture is worked out pixel by pixel,
// so the dialog can paint it once and read the pixel under a click. Colours
// are 0xRRGGBB.
class WebSafePicture
{
public:
    static constexpr int kWidth = 542;
    static constexpr int kHeight = 207;
    static constexpr int kColumns = 18;
    static constexpr int kRows = 12;
    static constexpr quint32 kBackground = 0xAFEDC6; // RGB(175, 237, 198)
    static constexpr quint32 kShadow = 0xACA899;     // RGB(172, 168, 153), upper and left edges
    static constexpr quint32 kLight = 0xFFFFFF;      // lower and right edges

    // Geometry of a swatch, in pixels: its outer box starts at
    // (kLeft + kStepX * column, kTop + kStepY * row) and is kSwatchWidth by kSwatchHeight.
    static constexpr int kLeft = 2;
    static constexpr int kTop = 3;
    static constexpr int kStepX = 30;
    static constexpr int kStepY = 17;
    static constexpr int kSwatchWidth = 27;
    static constexpr int kSwatchHeight = 14;

    // The colour inside the swatch of column (0 to 17) and row (0 to 11).
    static quint32 swatchColour(int column, int row);

    // The colour of pixel (x, y). Outside the picture: the background.
    static quint32 pixel(int x, int y);

    // What a click on a pixel of that colour puts into the box: its code, or
    // nothing on the background. Bits above the low 24 are ignored, so a
    // pixel read from an image can be passed as it is.
    static std::optional<QString> clickText(quint32 pixelColour);
};
