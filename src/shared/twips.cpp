#include "shared/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
double logicalDpi(const QWidget *widget)
{
    if (widget)
        return widget->logicalDpiY();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return screen->logicalDotsPerInchY();
    return 96.0;
}
}

int Twips::toPixels(int twips, const QWidget *widget)
{
    return qRound(twips * logicalDpi(widget) / 1440.0);
}

int Twips::fromPixels(int pixels, const QWidget *widget)
{
    return qRound(pixels * 1440.0 / logicalDpi(widget));
}
