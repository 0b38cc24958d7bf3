#pragma once

class QWidget;

// Designed sizes are in twips (1/1440 inch): 15 twips per pixel at 96 dpi,
// scaled by the screen's logical dpi.
class Twips
{
public:
    static int toPixels(int twips, const QWidget *widget = nullptr);
    static int fromPixels(int pixels, const QWidget *widget = nullptr);
};
