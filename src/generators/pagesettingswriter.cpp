#include "generators/pagesettingswriter.h"

#include "document/charsetdeclaration.h"
#include "generators/asciisearch.h"
#include "generators/doctypedeclaration.h"
#include "generators/editingbuffer.h"
#include "generators/headplace.h"
#include "generators/pageheadvariants.h"
#include "generators/piecebuilder.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

using Needle = MarkupScan::Needle;

const QString kLineBreak = QStringLiteral("\r\n");
const Needle kDoctype = MarkupScan::anyCase(DoctypeDeclaration::opening());
const Needle kHtmlUpper = MarkupScan::exact(PageHeadVariants::htmlUpper);
const Needle kHtml = MarkupScan::anyCase(PageHeadVariants::html);
const Needle kTitleUpper = MarkupScan::exact(PageHeadVariants::titleUpper);
const Needle kTitle = MarkupScan::anyCase(PageHeadVariants::title);
const Needle kTitleEnd = MarkupScan::anyCase(PageHeadVariants::titleEnd);

// The last language spelling is looked for in any letter case.
Needle languageNeedle(size_t i)
{
    const bool anyCase = i + 1 == PageHeadVariants::language.size();
    return {PageHeadVariants::language[i], anyCase};
}

// Everything the writer looks for from the start of the page, found in one
// pass and followed through the edits.
QVector<Needle> watchedNeedles()
{
    QVector<Needle> needles = {kDoctype, kHtmlUpper, kHtml, kTitleUpper, kTitle};
    for (const auto *variants : {&PageHeadVariants::scriptType, &PageHeadVariants::styleType}) {
        for (QLatin1StringView variant : *variants)
            needles.append(MarkupScan::exact(variant));
    }
    for (size_t i = 0; i < PageHeadVariants::language.size(); ++i)
        needles.append(languageNeedle(i));
    return needles;
}

// Replaces the quoted value after a variant found at `at`. A value whose
// closing quote is missing is left as it is: the page is broken there, and
// guessing its end could eat markup.
// (The same rule as PageSettingsReader::quotedValue.)
void replaceValue(EditingBuffer &buffer, qsizetype at, qsizetype variantLength, const PieceList &value)
{
    const qsizetype start = at + variantLength;
    const qsizetype end = buffer.text().indexOfAny(u"\"<>\r\n", start);
    if (end >= 0 && buffer.text().at(end) == QLatin1Char('"'))
        buffer.replace(start, end - start, value);
}

// The declaration found at `start`, through its ">"; none when a "<" comes
// first. (The same rule as DoctypeDeclaration::spanAt.)
std::optional<DoctypeDeclaration::Span> declarationAt(const SpliceText &text, qsizetype start)
{
    if (start < 0)
        return std::nullopt;
    const qsizetype close = text.indexOfAny(u"<>", start + DoctypeDeclaration::opening().size());
    if (close < 0 || text.at(close) != QLatin1Char('>'))
        return std::nullopt;
    return DoctypeDeclaration::Span{start, close + 1 - start};
}

// The line break right after a tag, if there is one.
qsizetype lineBreakAt(const SpliceText &text, qsizetype at)
{
    const QString next = text.mid(at, 2);
    if (next == kLineBreak)
        return 2;
    if (next.startsWith(QLatin1Char('\n')) || next.startsWith(QLatin1Char('\r')))
        return 1;
    return 0;
}

// The unticked script- and style-type meta tags go with their line break,
// every copy, and any that removing the others brings together: one left
// behind would read as ticked again, and the next write would take it away.
void removeTypeMetas(EditingBuffer &buffer, const std::vector<const PageHeadVariants::Variants *> &groups)
{
    for (bool removed = true; removed;) {
        removed = false;
        for (const PageHeadVariants::Variants *variants : groups) {
            for (QLatin1StringView variant : *variants) {
                const qsizetype at = buffer.first(MarkupScan::exact(variant));
                if (at < 0)
                    continue;
                const qsizetype end = at + variant.size();
                buffer.replace(at, variant.size() + lineBreakAt(buffer.text(), end), {});
                removed = true;
            }
        }
    }
}

// A ticked script- or style-type meta tag is added when missing.
void addTypeMeta(EditingBuffer &buffer, HeadPlace &place, const PageHeadVariants::Variants &variants,
                 const PieceList &element)
{
    for (QLatin1StringView variant : variants) {
        if (buffer.first(MarkupScan::exact(variant)) >= 0)
            return;
    }
    place.add(buffer, element);
}

PieceList meta(const QString &equiv, const PieceBuilder &content)
{
    PieceBuilder out;
    out.plain(QStringLiteral("<"))
        .blue(QStringLiteral("meta "))
        .purple(QStringLiteral("http-equiv="))
        .green(QLatin1Char('"') + equiv + QLatin1Char('"'))
        .purple(QStringLiteral(" content="))
        .append(content.pieces())
        .black(QStringLiteral(">"));
    return out.take();
}

PieceList plainValue(const QString &value)
{
    return PieceBuilder().plain(value).take();
}

} // namespace

PieceList PageSettingsWriter::charsetMeta(const QString &charset)
{
    PieceBuilder content;
    content.green(QStringLiteral("\"text/html; charset=") + charset + QLatin1Char('"'));
    return meta(QStringLiteral("Content-Type"), content);
}

PieceList PageSettingsWriter::scriptTypeMeta()
{
    PieceBuilder content;
    content.green(QStringLiteral("\"text/javascript\""));
    return meta(QStringLiteral("Content-Script-Type"), content);
}

PieceList PageSettingsWriter::styleTypeMeta()
{
    PieceBuilder content;
    content.green(QStringLiteral("\"text/css\""));
    return meta(QStringLiteral("Content-Style-Type"), content);
}

PieceList PageSettingsWriter::titleElement(const QString &title)
{
    PieceBuilder out;
    out.plain(QStringLiteral("<"))
        .blue(QStringLiteral("title"))
        .black(QStringLiteral(">") + title + QStringLiteral("<"))
        .blue(QStringLiteral("/title"))
        .black(QStringLiteral(">"));
    return out.take();
}

SourceEdits PageSettingsWriter::write(const QString &text, const PageSettings &settings, const PieceList &skeleton)
{
    EditingBuffer buffer(text, watchedNeedles());

    // Removals come first: taking a tag out can join the text around it into
    // a declaration, a charset meta tag or a title, which the steps below
    // must then see as the page holds it.
    std::vector<const PageHeadVariants::Variants *> unticked;
    if (!settings.scriptType)
        unticked.push_back(&PageHeadVariants::scriptType);
    if (!settings.styleType)
        unticked.push_back(&PageHeadVariants::styleType);
    removeTypeMetas(buffer, unticked);

    // The declaration: replaced where it stands, whatever its letter case, or
    // put on a line of its own at the start. While the box still holds the
    // page's own identifier it stays as the page wrote it, whole: rebuilt, it
    // could lose the system identifier that keeps browsers in standards mode.
    qsizetype caret = 0;
    if (const auto declaration = declarationAt(buffer.text(), buffer.first(kDoctype))) {
        const QString current = buffer.text().mid(declaration->start, declaration->length);
        if (DoctypeDeclaration::entryOf(current) == settings.doctype)
            caret = declaration->start + declaration->length;
        else
            caret = buffer.replace(declaration->start, declaration->length,
                                   DoctypeDeclaration::pieces(settings.doctype, false));
    } else {
        caret = buffer.replace(0, 0, DoctypeDeclaration::pieces(settings.doctype, true));
    }

    // Only a blank page gets the whole skeleton; any other keeps its content
    // and has the head elements put where its head begins.
    if (QStringView(text).trimmed().isEmpty() && !skeleton.isEmpty())
        buffer.replace(caret, 0, skeleton);

    // The language: the value replaced where one is; otherwise added to a bare
    // html start tag. Each place is written once, though two spellings may
    // find it.
    bool languageFound = false;
    std::array<qsizetype, 3> written = {-1, -1, -1};
    for (size_t i = 0; i < PageHeadVariants::language.size(); ++i) {
        const Needle needle = languageNeedle(i);
        const qsizetype at = buffer.first(needle);
        if (at < 0)
            continue;
        languageFound = true;
        if (std::find(written.begin(), written.end(), at) != written.end())
            continue;
        written[i] = at;
        replaceValue(buffer, at, needle.text.size(), plainValue(settings.language));
    }
    if (!languageFound) {
        PieceBuilder attribute;
        attribute.purple(QStringLiteral(" lang=")).green(QLatin1Char('"') + settings.language + QLatin1Char('"'));
        const PieceList pieces = attribute.take();
        const qsizetype upper = buffer.first(kHtmlUpper);
        if (upper >= 0)
            buffer.replace(upper + 5, 0, pieces);
        const qsizetype any = buffer.first(kHtml);
        if (any >= 0)
            buffer.replace(any + 5, 0, pieces);
    }

    // The title: its text replaced between the tags. A title tag that never
    // closes, or whose end tag comes only after other markup, is left alone
    // and gets no second title beside it: replacing up to a far end tag would
    // eat the meta tags, or the body, of a page whose title was left open.
    // (The same rule as PageSettingsReader::read.) Both spellings
    // of the tag are looked for in any letter case, as when reading, so a
    // "<Title>" page does not get a second title either.
    bool titleSet = false;
    const qsizetype upper = buffer.first(kTitleUpper);
    for (int pass = 0; pass < 2; ++pass) {
        const qsizetype at = pass == 0 ? upper : buffer.first(kTitle);
        if (at < 0 || (pass == 1 && at == upper))
            continue;
        titleSet = true;
        const qsizetype end = buffer.indexOf(kTitleEnd, at);
        const qsizetype start = at + PageHeadVariants::title.size();
        if (end < 0 || buffer.text().indexOfAny(u"<", start) != end)
            continue;
        buffer.replace(start, end - start, PieceBuilder().black(settings.title).take());
    }
    // The charset: every declaration that reading the file would see, in any
    // form, gets the value in place, so the page never declares two
    // charsets; one that already names that charset, in whatever spelling,
    // is not touched.
    // Looked for after the steps that change text in place, which could
    // open or close a comment around a declaration. The page is copied only
    // when the steps above changed it.
    const QString changed = buffer.edits().isEmpty() ? QString() : buffer.text().toString();
    const QStringView current = buffer.edits().isEmpty() ? QStringView(text) : QStringView(changed);
    const QList<CharsetDeclaration::Value> declared = CharsetDeclaration::values(current, current.size());
    HeadPlace place(current, buffer.edits().size());
    const std::optional<TextEncoding> wanted = CharsetDeclaration::encodingForName(settings.charset);
    for (auto value = declared.crbegin(); value != declared.crend(); ++value) {
        const bool same = wanted ? value->encoding == wanted
                                 : current.mid(value->start, value->length) == settings.charset;
        if (!same)
            buffer.replace(value->start, value->length, plainValue(settings.charset));
    }
    if (declared.isEmpty())
        place.add(buffer, charsetMeta(settings.charset));

    if (settings.scriptType)
        addTypeMeta(buffer, place, PageHeadVariants::scriptType, scriptTypeMeta());
    if (settings.styleType)
        addTypeMeta(buffer, place, PageHeadVariants::styleType, styleTypeMeta());

    if (!titleSet)
        place.add(buffer, titleElement(settings.title));

    return buffer.takeEdits();
}
