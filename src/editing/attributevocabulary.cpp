#include "attributevocabulary.h"

#include <QHash>
#include <QVector>

namespace {

enum class CommonGroup { Normal, Lite, None };

// One row of the table: the tags sharing it (blank-separated; an empty field is
// the row for an empty tag name) and its entries. In the entries, "[IE]" and
// "[layout]" stand for the two groups, and a name prefixed "imode:" is shown
// only with the i-mode attributes.
struct RowText {
    const char *tags;
    const char *entries;
    CommonGroup common;
};

// Order matters only for the first match, and each tag appears once.
// "allowransparency" (frame) and "pronpt" (isindex) are spelled as the list has
// always offered them.
const RowText kRows[] = {
    {"", "（不明なタグ名）", CommonGroup::None},
    {"!doctype", "html htmlplus pre-html public system", CommonGroup::None},
    {"a",
     "href name target accesskey tabindex charset hreflang methods rel rev type urn datafld "
     "datasrc coords shape imode:cti imode:utn imode:subject imode:body imode:telbook "
     "imode:kana imode:email imode:ista imode:ijam imode:ilet imode:iswf imode:irst [IE]",
     CommonGroup::Normal},
    {"acronym address b bdo big blink center cite code dd dfn dt em i kbd keygen listing nobr "
     "plaintext rt ruby s samp small strike strong sub sup tt u var xmp",
     "[IE]", CommonGroup::Normal},
    {"applet", "alt archive code codebase datafld datasrc mayscript object src [layout]",
     CommonGroup::Normal},
    {"area",
     "shape coords href alt accesskey nohref hreflang methods rel rev tabindex target "
     "language name",
     CommonGroup::Normal},
    {"base", "href target", CommonGroup::None},
    {"basefont", "size color face", CommonGroup::Lite},
    {"bgsound", "balance loop src volume class id lang title", CommonGroup::None},
    {"blockquote q", "cite [IE]", CommonGroup::Normal},
    {"body",
     "text link vlink alink bgcolor background bgproperties marginheight marginwidth "
     "topmargin leftmargin bottommargin rightmargin scroll [IE]",
     CommonGroup::Normal},
    {"br", "clear class id language style title", CommonGroup::None},
    {"button", "accesskey disabled tabindex type value datafld dataformatas datasrc name [IE]",
     CommonGroup::Normal},
    {"caption", "align valign [IE]", CommonGroup::Normal},
    {"col colgroup", "align bgcolor char charoff span valign width", CommonGroup::Normal},
    {"comment", "id lang", CommonGroup::None},
    {"del ins", "cite datetime [IE]", CommonGroup::Normal},
    {"dir ul", "compact type [IE]", CommonGroup::Normal},
    {"div", "align datafld dataformatas datasrc [IE]", CommonGroup::Normal},
    {"dl", "compact [IE]", CommonGroup::Normal},
    {"embed",
     "src [layout] units border frameborder hidden alt code codebase type palette pluginspage "
     "pluginurl class id name style title autostart autoplay control loop repeat textfocus "
     "[IE]",
     CommonGroup::None},
    {"fieldset", "align datafld [IE]", CommonGroup::Normal},
    {"font", "size color face font-weight point-size [IE]", CommonGroup::Normal},
    {"form",
     "action method target accept accept-charset autocomplete enctype urn name [IE]",
     CommonGroup::Normal},
    {"frame",
     "src height width bordercolor frameborder marginheight marginwidth noresize datafld "
     "datasrc longdesc scrolling allowransparency language name title",
     CommonGroup::Lite},
    {"frameset", "border bordercolor cols frameborder framespacing rows language name title",
     CommonGroup::Lite},
    {"h1 h2 h3 h4 h5 h6 h7 p", "align [IE]", CommonGroup::Normal},
    {"head", "profile class id lang dir title", CommonGroup::None},
    {"hr", "align color noshade size width language", CommonGroup::Normal},
    {"html", "version language", CommonGroup::Normal},
    {"iframe",
     "align src height width hspace vspace allowtransparency bordercolor frameborder "
     "marginheight marginwidth border datafld datasrc longdesc scrolling framespacing "
     "language name",
     CommonGroup::Normal},
    {"ilayer layer",
     "background bgcolor clip height src visibility width left pagex pagey top above below "
     "z-index class id name style",
     CommonGroup::None},
    {"img",
     "src alt height width align border hspace longdesc lowsrc suppress vspace ismap usemap "
     "controls dynsrc loop start datafld datasrc language name",
     CommonGroup::Normal},
    {"input",
     "accesskey disabled tabindex type datafld datasrc language name autocomplete istyle "
     "maxlength readonly size value accept checked align alt border dynsrc height ismap "
     "lowsrc src width [IE]",
     CommonGroup::Normal},
    {"isindex", "action pronpt [IE]", CommonGroup::Normal},
    {"label", "accesskey datafld dataformatas datasrc for [IE]", CommonGroup::Normal},
    {"legend", "accesskey align dataformatas [IE]", CommonGroup::Normal},
    {"li", "type value [IE]", CommonGroup::Normal},
    {"link",
     "rel href src charset disabled hreflang media methods rev target type urn language",
     CommonGroup::Normal},
    {"map", "name language", CommonGroup::Normal},
    {"marquee",
     "behavior bgcolor datafld dataformatas datasrc direction height hspace loop scrollamount "
     "scrolldelay truespeed vspace width [IE]",
     CommonGroup::Normal},
    {"menu", "compact imode:type [IE]", CommonGroup::Normal},
    {"meta", "name http-equiv content scheme dir lang title", CommonGroup::None},
    {"multicol", "cols gutter width class id style", CommonGroup::None},
    {"noembed nolayer server", "", CommonGroup::None},
    {"object",
     "alt archive border classid code codebase codetype data declare name standby tabindex "
     "type usemap datasrc language [layout]",
     CommonGroup::Normal},
    {"ol", "compact start type [IE]", CommonGroup::Normal},
    {"optgroup", "disabled label language", CommonGroup::Normal},
    {"option", "disabled label value selected language", CommonGroup::Normal},
    {"param", "align value valuetype type datafld dataformatas datasrc language",
     CommonGroup::Normal},
    {"pre", "cols width wrap [IE]", CommonGroup::Normal},
    {"rb rp wbr", "language", CommonGroup::Normal},
    {"script", "charset defer event for src type class id language title", CommonGroup::None},
    {"select",
     "accesskey align disabled multiple size tabindex datafld datasrc language name",
     CommonGroup::Normal},
    {"spacer", "type size align height width", CommonGroup::None},
    {"span", "datafld dataformatas datasrc [IE]", CommonGroup::Normal},
    {"style", "disabled media type dir lang title", CommonGroup::None},
    {"table",
     "border bordercolor bordercolordark bordercolorlight frame rules background bgcolor "
     "[layout] cellpadding cellspacing cols datapagesize datasrc summary language",
     CommonGroup::Normal},
    {"tbody tfoot thead", "align bgcolor char charoff valign language", CommonGroup::Normal},
    {"td",
     "bordercolor bordercolordark bordercolorlight background bgcolor height align valign "
     "width nowrap char charoff colspan rowspan abbr axis headers scope language",
     CommonGroup::Normal},
    {"textarea th",
     "accesskey align cols datafld datasrc disabled istyle readonly rows wrap tabindex name "
     "[IE]",
     CommonGroup::Normal},
    {"title", "dir id lang", CommonGroup::None},
    {"tr",
     "border bordercolordark bordercolorlight background bgcolor align char charoff height "
     "valign language",
     CommonGroup::Normal},
};

// Today's attributes of each element, appended after the row above where it
// lacks them: the long-standing entries keep their places, so every prefix
// finds what it found before. Elements with no row above list these first.
struct TodayText {
    const char *tags;
    const char *entries;
};

const TodayText kToday[] = {
    {"a", "href target download rel ping hreflang type referrerpolicy"},
    {"area", "alt coords shape href target download ping rel referrerpolicy"},
    {"audio", "src controls autoplay loop muted preload crossorigin"},
    {"base", "href target"},
    {"blockquote q", "cite"},
    {"button",
     "disabled form formaction formenctype formmethod formnovalidate formtarget name popovertarget "
     "popovertargetaction type value autofocus"},
    {"canvas", "width height"},
    {"col colgroup", "span"},
    {"data", "value"},
    {"del ins", "cite datetime"},
    {"details", "name open"},
    {"dialog", "open"},
    {"embed", "src type width height"},
    {"fieldset", "disabled form name"},
    {"form", "accept-charset action autocomplete enctype method name novalidate rel target"},
    {"iframe", "src srcdoc name sandbox allow allowfullscreen width height referrerpolicy loading"},
    {"img",
     "srcset sizes loading decoding alt src crossorigin usemap ismap width height referrerpolicy "
     "fetchpriority"},
    {"input",
     "placeholder required autofocus pattern min max step list autocomplete multiple accept alt "
     "checked dirname disabled form formaction formenctype formmethod formnovalidate formtarget "
     "height maxlength minlength name popovertarget popovertargetaction readonly size src type "
     "value width"},
    {"label", "for"},
    {"li", "value"},
    {"link",
     "href crossorigin rel as media hreflang type sizes imagesrcset imagesizes referrerpolicy "
     "integrity blocking color disabled fetchpriority"},
    {"map", "name"},
    {"math", "display"},
    {"meta", "charset name http-equiv content media"},
    {"meter", "value min max low high optimum"},
    {"object", "data type name form width height"},
    {"ol", "reversed start type"},
    {"optgroup", "disabled label"},
    {"option", "disabled label selected value"},
    {"output", "for form name"},
    {"progress", "value max"},
    {"script",
     "async defer integrity crossorigin src type nomodule referrerpolicy blocking fetchpriority"},
    {"select", "autocomplete disabled form multiple name required size autofocus"},
    {"slot", "name"},
    {"source", "type media src srcset sizes width height"},
    {"style", "media blocking"},
    {"svg", "width height viewBox xmlns"},
    {"td", "colspan rowspan headers"},
    {"template",
     "shadowrootmode shadowrootdelegatesfocus shadowrootclonable shadowrootserializable"},
    {"textarea",
     "autocomplete cols dirname disabled form maxlength minlength name placeholder readonly "
     "required rows wrap autofocus"},
    {"th", "colspan rowspan headers scope abbr"},
    {"time", "datetime"},
    {"track", "default kind label src srclang"},
    {"video",
     "src controls autoplay loop muted poster preload playsinline crossorigin width height"},
};

// Every element takes these; they close each list, then the two families of
// names the author completes after the hyphen.
const char kGlobal[] =
    "class id style title lang dir hidden tabindex accesskey contenteditable draggable spellcheck "
    "translate role data- aria-";

QStringList words(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

const QHash<QString, QStringList> &today()
{
    static const QHash<QString, QStringList> rows = [] {
        QHash<QString, QStringList> table;
        for (const TodayText &text : kToday)
            for (const QString &tag : words(text.tags))
                table.insert(tag, words(text.entries));
        return table;
    }();
    return rows;
}

enum class EntryKind { Attribute, IModeAttribute, IEGroup, LayoutGroup };

struct Entry {
    EntryKind kind;
    QString name;
};

struct Row {
    QVector<Entry> entries;
    CommonGroup common = CommonGroup::Normal;
};

Entry parseEntry(const QString &token)
{
    static const QString imodePrefix = QStringLiteral("imode:");
    if (token == QLatin1String("[IE]"))
        return {EntryKind::IEGroup, QString()};
    if (token == QLatin1String("[layout]"))
        return {EntryKind::LayoutGroup, QString()};
    if (token.startsWith(imodePrefix))
        return {EntryKind::IModeAttribute, token.mid(imodePrefix.size())};
    return {EntryKind::Attribute, token};
}

QHash<QString, Row> buildTable()
{
    QHash<QString, Row> table;
    for (const RowText &text : kRows) {
        Row row;
        row.common = text.common;
        const QStringList tokens =
            QString::fromUtf8(text.entries).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString &token : tokens)
            row.entries.append(parseEntry(token));

        QStringList tags = QString::fromUtf8(text.tags).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (tags.isEmpty())
            tags.append(QString());
        for (const QString &tag : tags) {
            if (!table.contains(tag))
                table.insert(tag, row);
        }
    }
    return table;
}

const QHash<QString, Row> &table()
{
    static const QHash<QString, Row> rows = buildTable();
    return rows;
}

} // namespace

const QStringList &AttributeVocabulary::ieAttrAdd()
{
    static const QStringList group = {
        QStringLiteral("contenteditable"), QStringLiteral("disabled"),
        QStringLiteral("hidefocus"),       QStringLiteral("tabindex"),
        QStringLiteral("unselectable"),    QStringLiteral("language"),
    };
    return group;
}

const QStringList &AttributeVocabulary::layoutAttrAdd()
{
    static const QStringList group = {
        QStringLiteral("align"),  QStringLiteral("height"), QStringLiteral("width"),
        QStringLiteral("hspace"), QStringLiteral("vspace"),
    };
    return group;
}

AttributeVocabulary::AttrList AttributeVocabulary::attrListSet(QStringView tagName,
                                                               const Options &options)
{
    AttrList list;
    list.tagName = tagName.toString().toLower();

    CommonGroup common = CommonGroup::Normal;
    const auto &rows = table();
    const auto found = rows.constFind(list.tagName);
    if (found != rows.constEnd()) {
        common = found->common;
        for (const Entry &entry : found->entries) {
            switch (entry.kind) {
            case EntryKind::Attribute:
                list.entries.append(entry.name);
                break;
            case EntryKind::IModeAttribute:
                if (options.imodeAttributes)
                    list.entries.append(entry.name);
                break;
            case EntryKind::IEGroup:
                if (options.ieAttributes)
                    list.entries.append(ieAttrAdd());
                break;
            case EntryKind::LayoutGroup:
                list.entries.append(layoutAttrAdd());
                break;
            }
        }
    }

    const auto own = today().constFind(list.tagName);
    // An element of today's web with no row of its own shows its own
    // attributes first; the global ones follow them anyway.
    if (found == rows.constEnd() && own != today().constEnd())
        common = CommonGroup::None;
    if (common != CommonGroup::None) {
        list.entries.append({QStringLiteral("class"), QStringLiteral("id"),
                             QStringLiteral("lang"), QStringLiteral("style")});
        if (common != CommonGroup::Lite)
            list.entries.append({QStringLiteral("dir"), QStringLiteral("title")});
    }
    // The empty name's notice and the declaration's keywords are no element's
    // attributes.
    if (list.tagName.isEmpty() || list.tagName.startsWith(QLatin1Char('!')))
        return list;
    static const QStringList global = words(kGlobal);
    const QStringList added = own != today().constEnd() ? *own + global : global;
    for (const QString &name : added)
        if (!list.entries.contains(name))
            list.entries.append(name);
    return list;
}
