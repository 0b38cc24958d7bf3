#include "colours/palette94.h"

namespace {

// A full colour equal to the simulated one means the 256-colour display shows
// the name as it is.
struct Row {
    int column;
    const char *name;
    quint32 simulated;
    quint32 full;
};

// "honeydewtad" is a name the palette has always carried.
const Row kRows[] = {
    {1, "rosybrown", 0xCC9999, 0xBC8F8F},
    {1, "bisque", 0xCC9999, 0xFFE4C4},
    {1, "indianred", 0xCC6666, 0xCD5C5C},
    {1, "coral", 0xFF6666, 0xFF7F50},
    {1, "darkgoldenrod", 0xCC9900, 0xB8860B},
    {1, "darkorange", 0xFF9900, 0xFF8C00},
    {1, "orange", 0xFF9900, 0xFFA500},
    {1, "tomato", 0xFF6633, 0xFF6347},
    {1, "red", 0xFF0000, 0xFF0000},
    {1, "orangered", 0xFF3300, 0xFF4500},
    {1, "peru", 0xCC9933, 0xCD853F},
    {1, "goldenrod", 0xCC9933, 0xDAA520},
    {1, "blue", 0x0000FF, 0x0000FF},
    {1, "mediumblue", 0x0000CC, 0x0000CD},
    {1, "darkblue", 0x000080, 0x00008B},
    {1, "navy", 0x000080, 0x000080},
    {1, "midnightblue", 0x000066, 0x191970},
    {1, "black", 0x000000, 0x000000},

    {2, "orchid", 0xCC66CC, 0xDA70D6},
    {2, "fuchsia", 0xFF00FF, 0xFF00FF},
    {2, "violet", 0xFF99FF, 0xEE82EE},
    {2, "lightpink", 0xFFCCCC, 0xFFB6C1},
    {2, "pink", 0xFFCCCC, 0xFFC0CB},
    {2, "hotpink", 0xFF99CC, 0xFF69B4},
    {2, "deeppink", 0xCC0099, 0xFF1493},
    {2, "palevioletred", 0xCC6699, 0xDB7093},
    {2, "crimson", 0xCC0033, 0xDC143C},
    {2, "saddlebrown", 0x993300, 0x8B4513},
    {2, "brown", 0x993333, 0xA52A2A},
    {2, "sienna", 0x996633, 0xA0522D},
    {2, "purple", 0x800080, 0x800080},
    {2, "darkmagenta", 0x800080, 0x8B008B},
    {2, "mediumpurple", 0x9966CC, 0x9370DB},
    {2, "darkorchid", 0x9933CC, 0x9932CC},
    {2, "darkviolet", 0x9900CC, 0x9400D3},
    {2, "mediumslateblue", 0x6666FF, 0x7B68EE},

    {3, "mediumorchid", 0xCC66CC, 0xBA55D3},
    {3, "plum", 0xCC99CC, 0xDDA0DD},
    {3, "tan", 0xCCCC99, 0xD2B48C},
    {3, "burlywood", 0xCCCC99, 0xDEB887},
    {3, "cyan", 0x00FFFF, 0x00FFFF},
    {3, "aqua", 0x00FFFF, 0x00FFFF},
    {3, "darkturquoise", 0x00CCCC, 0x00CED1},
    {3, "mediumturquoise", 0x33CCCC, 0x48D1CC},
    {3, "steelblue", 0x3399CC, 0x4682B4},
    {3, "lightslategray", 0x666699, 0x778899},
    {3, "cadetblue", 0x666699, 0x5F9EA0},
    {3, "indigo", 0x330099, 0x4B0082},
    {3, "darkslateblue", 0x333399, 0x483D8B},
    {3, "skyblue", 0x99CCFF, 0x87CEEB},
    {3, "lightskyblue", 0x99CCFF, 0x87CEFA},
    {3, "deepskyblue", 0x00CCFF, 0x00BFFF},
    {3, "cornflowerblue", 0x6699FF, 0x6495ED},
    {3, "slateblue", 0x6666CC, 0x6A5ACD},

    {4, "navajowhite", 0xFFCC99, 0xFFDEAD},
    {4, "darkkhaki", 0xCCCC66, 0xBDB76B},
    {4, "darksalmon", 0xFF9966, 0xE9967A},
    {4, "lightsalmon", 0xFF9966, 0xFFA07A},
    {4, "sandybrown", 0xFF9966, 0xF4A460},
    {4, "paleturquoise", 0x99FFFF, 0xAFEEEE},
    {4, "aliceblue", 0xFFFFFF, 0xF0F8FF},
    {4, "snow", 0xFFFFFF, 0xFFFAFA},
    {4, "gold", 0xFFCC00, 0xFFD700},
    {4, "yellow", 0xFFFF00, 0xFFFF00},
    {4, "greenyellow", 0x99FF33, 0xADFF2F},
    {4, "yellowgreen", 0x99CC33, 0x9ACD32},
    {4, "limegreen", 0x33CC33, 0x32CD32},
    {4, "chartreuse", 0x66FF00, 0x7FFF00},
    {4, "lawngreen", 0x66FF00, 0x7CFC00},
    {4, "lime", 0x00FF00, 0x00FF00},
    {4, "mediumaquamarine", 0x66CC99, 0x66CDAA},
    {4, "seagreen", 0x339966, 0x2E8B57},

    {5, "palegoldenrod", 0xFFFF99, 0xEEE8AA},
    {5, "khaki", 0xFFFF99, 0xF0E68C},
    {5, "mintcream", 0xFFFFFF, 0xF5FFFA},
    {5, "lavenderblush", 0xFFFFFF, 0xFFF0F5},
    {5, "honeydew", 0xFFFFFF, 0xF0FFF0},
    {5, "azure", 0xFFFFFF, 0xF0FFFF},
    {5, "aquamarine", 0x66FFCC, 0x7FFFD4},
    {5, "honeydewtad", 0x66FFCC, 0x1EDEAA},
    {5, "darkseagreen", 0x99CC99, 0x8FBC8F},
    {5, "mediumseagreen", 0x33CC66, 0x3CB371},
    {5, "olivedrab", 0x669933, 0x6B8E23},
    {5, "forestgreen", 0x339933, 0x228B22},
    {5, "darkolivegreen", 0x666633, 0x556B2F},
    {5, "darkgreen", 0x006600, 0x006400},
    {5, "lightgreen", 0x99CC99, 0x90EE90},
    {5, "palegreen", 0x99CC99, 0x98FB98},
    {5, "springgreen", 0x00FF66, 0x00FF7F},
    {5, "mediumspringgreen", 0x00FF99, 0x00FA9A},

    {6, "white", 0xFFFFFF, 0xFFFFFF},
    {6, "ghostwhite", 0xFFFFFF, 0xF8F8FF},
    {6, "thistle", 0xCCCCCC, 0xD8BFD8},
    {6, "dimgray", 0x666666, 0x696969},
};

// Names written in white so that they can be read on their swatch.
QVector<PaletteSwatch> build()
{
    QVector<PaletteSwatch> swatches;
    for (const Row &r : kRows)
        swatches << PaletteSwatch::named(
            r.column, r.name, r.full, r.simulated, {
                                             "dimgray", "darkmagenta", "purple", "darkblue", "mediumblue",
                                             "midnightblue", "black", "blue", "navy", "darkslateblue",
                                             "indigo",
                                         });
    PaletteSwatch::placeInColumns(swatches, PaletteSwatch::kNamedFirstLeft, PaletteSwatch::kNamedFirstTop);
    return swatches;
}

} // namespace

const QVector<PaletteSwatch> &Palette94::swatches()
{
    static const QVector<PaletteSwatch> table = build();
    return table;
}

QString Palette94::bintobin(quint32 rgb)
{
    return PaletteSwatch::colourCode(rgb);
}
