#pragma once

#include <QLatin1StringView>

#include <array>

// The spellings of the head markup that the page settings recognise, in the
// order they are tried. Pages written by older versions of the editor and by
// hand use all three, so each is read and, when found, replaced in place.
// (Charset declarations are read in every form the file loader reads; see
// CharsetDeclaration.)
struct PageHeadVariants {
    using Variants = std::array<QLatin1StringView, 3>;

    static constexpr Variants scriptType = {
        QLatin1StringView(R"(<META HTTP-EQUIV="Content-Script-Type" CONTENT="text/javascript">)"),
        QLatin1StringView(R"(<meta http-equiv="Content-Script-Type" content="text/javascript">)"),
        QLatin1StringView(R"(<META http-equiv="Content-Script-Type" content="text/javascript">)"),
    };
    static constexpr Variants styleType = {
        QLatin1StringView(R"(<META HTTP-EQUIV="Content-Style-Type" CONTENT="text/css">)"),
        QLatin1StringView(R"(<meta http-equiv="Content-Style-Type" content="text/css">)"),
        QLatin1StringView(R"(<META http-equiv="Content-Style-Type" content="text/css">)"),
    };
    // The last one is looked for in any letter case.
    static constexpr Variants language = {
        QLatin1StringView(R"(<HTML LANG=")"),
        QLatin1StringView(R"(<HTML lang=")"),
        QLatin1StringView(R"(<html lang=")"),
    };

    static constexpr QLatin1StringView titleUpper{"<TITLE>"};
    static constexpr QLatin1StringView title{"<title>"};
    static constexpr QLatin1StringView titleEnd{"</title>"};
    static constexpr QLatin1StringView htmlUpper{"<HTML>"};
    static constexpr QLatin1StringView html{"<html>"};
};
