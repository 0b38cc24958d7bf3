#include "colours/browsernamespalette.h"

namespace {

struct Row {
    int column;
    const char *name;
    quint32 colour;
};

// The values are the ones this palette has always shown, dodgerblue #1B90FF,
// oldlace #FEF5E6 and the name "honeydewtad" included: a page written with the
// palette keeps meaning what it meant.
const Row kRows[] = {
    {1, "rosybrown", 0xBC8F8F},
    {1, "indianred", 0xCD5C5C},
    {1, "coral", 0xFF7F50},
    {1, "darkgoldenrod", 0xB8860B},
    {1, "darkorange", 0xFF8C00},
    {1, "orange", 0xFFA500},
    {1, "tomato", 0xFF6347},
    {1, "firebrick", 0xB22222},
    {1, "crimson", 0xDC143C},
    {1, "red", 0xFF0000},
    {1, "chocolate", 0xD2691E},
    {1, "orangered", 0xFF4500},
    {1, "peru", 0xCD853F},
    {1, "goldenrod", 0xDAA520},
    {1, "blue", 0x0000FF},
    {1, "mediumblue", 0x0000CD},
    {1, "darkblue", 0x00008B},
    {1, "navy", 0x000080},
    {1, "midnightblue", 0x191970},
    {1, "black", 0x000000},

    {2, "orchid", 0xDA70D6},
    {2, "fuchsia", 0xFF00FF},
    {2, "violet", 0xEE82EE},
    {2, "lightpink", 0xFFB6C1},
    {2, "pink", 0xFFC0CB},
    {2, "hotpink", 0xFF69B4},
    {2, "deeppink", 0xFF1493},
    {2, "mediumvioletred", 0xC71585},
    {2, "palevioletred", 0xDB7093},
    {2, "saddlebrown", 0x8B4513},
    {2, "darkred", 0x8B0000},
    {2, "maroon", 0x800000},
    {2, "brown", 0xA52A2A},
    {2, "sienna", 0xA0522D},
    {2, "purple", 0x800080},
    {2, "darkmagenta", 0x8B008B},
    {2, "mediumpurple", 0x9370DB},
    {2, "darkorchid", 0x9932CC},
    {2, "darkviolet", 0x9400D3},
    {2, "blueviolet", 0x8A2BE2},

    {3, "mediumorchid", 0xBA55D3},
    {3, "plum", 0xDDA0DD},
    {3, "bisque", 0xFFE4C4},
    {3, "linen", 0xFAF0E6},
    {3, "antiquewhite", 0xFAEBD7},
    {3, "aqua", 0x00FFFF},
    {3, "darkturquoise", 0x00CED1},
    {3, "mediumturquoise", 0x48D1CC},
    {3, "cadetblue", 0x5F9EA0},
    {3, "lightslategray", 0x778899},
    {3, "slategray", 0x708090},
    {3, "indigo", 0x4B0082},
    {3, "darkslateblue", 0x483D8B},
    {3, "skyblue", 0x87CEEB},
    {3, "lightskyblue", 0x87CEFA},
    {3, "deepskyblue", 0x00BFFF},
    {3, "cornflowerblue", 0x6495ED},
    {3, "dodgerblue", 0x1B90FF},
    {3, "mediumslateblue", 0x7B68EE},
    {3, "royalblue", 0x4169E1},

    {4, "beige", 0xF5F5DC},
    {4, "wheat", 0xF5DEB3},
    {4, "tan", 0xD2B48C},
    {4, "burlywood", 0xDEB887},
    {4, "darkkhaki", 0xBDB76B},
    {4, "cyan", 0x00FFFF},
    {4, "paleturquoise", 0xAFEEEE},
    {4, "aliceblue", 0xF0F8FF},
    {4, "snow", 0xFFFAFA},
    {4, "gold", 0xFFD700},
    {4, "yellow", 0xFFFF00},
    {4, "greenyellow", 0xADFF2F},
    {4, "yellowgreen", 0x9ACD32},
    {4, "limegreen", 0x32CD32},
    {4, "chartreuse", 0x7FFF00},
    {4, "lawngreen", 0x7CFC00},
    {4, "lime", 0x00FF00},
    {4, "mediumaquamarine", 0x66CDAA},
    {4, "seagreen", 0x2E8B57},
    {4, "slateblue", 0x6A5ACD},

    {5, "palegoldenrod", 0xEEE8AA},
    {5, "khaki", 0xF0E68C},
    {5, "mintcream", 0xF5FFFA},
    {5, "lavenderblush", 0xFFF0F5},
    {5, "honeydew", 0xF0FFF0},
    {5, "azure", 0xF0FFFF},
    {5, "aquamarine", 0x7FFFD4},
    {5, "honeydewtad", 0x1EDEAA},
    {5, "darkseagreen", 0x8FBC8F},
    {5, "mediumseagreen", 0x3CB371},
    {5, "olive", 0x808000},
    {5, "olivedrab", 0x6B8E23},
    {5, "forestgreen", 0x228B22},
    {5, "green", 0x008000},
    {5, "darkolivegreen", 0x556B2F},
    {5, "darkgreen", 0x006400},
    {5, "lightgreen", 0x90EE90},
    {5, "palegreen", 0x98FB98},
    {5, "springgreen", 0x00FF7F},
    {5, "mediumspringgreen", 0x00FA9A},

    {6, "white", 0xFFFFFF},
    {6, "whitesmoke", 0xF5F5F5},
    {6, "ghostwhite", 0xF8F8FF},
    {6, "lightgray", 0xD3D3D3},
    {6, "thistle", 0xD8BFD8},
    {6, "silver", 0xC0C0C0},
    {6, "darkgray", 0xA9A9A9},
    {6, "gray", 0x808080},
    {6, "dimgray", 0x696969},
    {6, "darkslategray", 0x2F4F4F},
    {6, "teal", 0x008080},
    {6, "darkcyan", 0x008B8B},
    {6, "lightseagreen", 0x20B2AA},
    {6, "turquoise", 0x40E0D0},
    {6, "lightcyan", 0xE0FFFF},
    {6, "lavender", 0xE6E6FA},
    {6, "powderblue", 0xB0E0E6},
    {6, "lightblue", 0xADD8E6},
    {6, "lightsteelblue", 0xB0C4DE},
    {6, "steelblue", 0x4682B4},

    {7, "lightcoral", 0xF08080},
    {7, "salmon", 0xFA8072},
    {7, "darksalmon", 0xE9967A},
    {7, "lightsalmon", 0xFFA07A},
    {7, "sandybrown", 0xF4A460},
    {7, "navajowhite", 0xFFDEAD},
    {7, "lightgoldenrodyellow", 0xFAFAD2},
    {7, "oldlace", 0xFEF5E6},
    {7, "mistyrose", 0xFFE4E1},
    {7, "seashell", 0xFFF5EE},
    {7, "gainsboro", 0xDCDCDC},
    {7, "ivory", 0xFFFFF0},
    {7, "floralwhite", 0xFFFAF0},
    {7, "lightyellow", 0xFFFFE0},
    {7, "cornsilk", 0xFFF8DC},
    {7, "papayawhip", 0xFFEFD5},
    {7, "blanchedalmond", 0xFFEBCD},
    {7, "lemonchiffon", 0xFFFACD},
    {7, "moccasin", 0xFFE4B5},
    {7, "peachpuff", 0xFFDAB9},
};

// Names written in white so that they can be read on their swatch.
QVector<PaletteSwatch> build()
{
    QVector<PaletteSwatch> swatches;
    for (const Row &r : kRows)
        swatches << PaletteSwatch::named(
            r.column, r.name, r.colour, r.colour, {
                                             "indigo", "darkslateblue", "navy", "blue", "black",
                                             "midnightblue", "mediumblue", "darkblue", "purple", "darkmagenta",
                                         });
    PaletteSwatch::placeInColumns(swatches, PaletteSwatch::kNamedFirstLeft, PaletteSwatch::kNamedFirstTop);
    return swatches;
}

} // namespace

const QVector<PaletteSwatch> &BrowserNamesPalette::swatches()
{
    static const QVector<PaletteSwatch> table = build();
    return table;
}
