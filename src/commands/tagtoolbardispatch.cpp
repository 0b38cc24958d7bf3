#include "commands/tagtoolbardispatch.h"

namespace {

using Kind = TagToolbarCall::Kind;

struct Row {
    const char *key;
    Kind kind;
    const char *name;
    int argument; // 0: the call takes none
};

// A click on the button itself.
const Row kButtonRows[] = {
    {"main", Kind::MenuClick, "IDM_NORMAL", 0},
    {"strong_tag", Kind::Method, "add_bold_tag", 0},
    {"italic_tag", Kind::Method, "add_italic_tag", 0},
    {"underline_tag", Kind::Method, "add_underline_tag", 0},
    {"strike_tag", Kind::Method, "add_strike_tag", 0},
    {"a_tag", Kind::Method, "add_a_tag", 0},
    {"br_tag", Kind::Method, "add_br_tag", 0},
    {"p_tag", Kind::Method, "add_p_tag", 0},
    {"hx_tag", Kind::Method, "add_hx_tag", 1},
    {"table_set", Kind::MenuClick, "IDM_ADD_TABLE", 0},
    {"img_tag", Kind::MenuClick, "IDM_ADD_IMG", 0},
    {"w3c", Kind::MenuClick, "IDM_ADD_COLOR_W3C", 0},
    {"94color", Kind::MenuClick, "IDM_ADD_COLOR94", 0},
    {"141color", Kind::MenuClick, "IDM_ADD_COLOR141", 0},
    {"websafe", Kind::MenuClick, "IDM_WebSafe", 0},
    {"fullColor", Kind::MenuClick, "IDM_ADD_BINCOLOR", 0},
    {"mk_grad", Kind::MenuClick, "IDM_MAKE_GRADATION", 0},
};

// A choice from a button's drop-down menu.
const Row kMenuRows[] = {
    {"main", Kind::MenuClick, "IDM_NORMAL", 0},
    {"b_main", Kind::MenuClick, "IDM_EDIT_PGPROP", 0},
    {"pg_col", Kind::MenuClick, "IDM_EDIT_PGTHEME", 0},
    {"b_tag", Kind::Method, "add_bold_tag", 0},
    {"strong_tag", Kind::Method, "add_strong_tag", 0},
    {"style_bold", Kind::Method, "add_style_bold_tag", 0},
    {"i_tag", Kind::Method, "add_italic_tag", 0},
    {"em_tag", Kind::Method, "add_em_tag", 0},
    {"style_italic", Kind::Method, "add_style_italic_tag", 0},
    {"underline_tag", Kind::Method, "add_underline_tag", 0},
    {"style_underline", Kind::Method, "add_style_underline_tag", 0},
    {"strike_tag", Kind::Method, "add_strike_tag", 0},
    {"strikes_tag", Kind::Method, "add_strikes_tag", 0},
    {"del_tag", Kind::Method, "add_del_tag", 0},
    {"p_right", Kind::Method, "add_p_right", 0},
    {"p_center", Kind::Method, "add_p_center", 0},
    {"p_left", Kind::Method, "add_p_left", 0},
    {"h1_tag", Kind::Method, "add_hx_tag", 1},
    {"h2_tag", Kind::Method, "add_hx_tag", 2},
    {"h3_tag", Kind::Method, "add_hx_tag", 3},
    {"h4_tag", Kind::Method, "add_hx_tag", 4},
    {"h5_tag", Kind::Method, "add_hx_tag", 5},
    {"h6_tag", Kind::Method, "add_hx_tag", 6},
};

template <std::size_t N>
std::optional<TagToolbarCall> lookUp(const Row (&rows)[N], QStringView key)
{
    for (const Row &row : rows) {
        if (key == QLatin1String(row.key)) {
            TagToolbarCall call;
            call.kind = row.kind;
            call.name = QString::fromLatin1(row.name);
            if (row.argument != 0)
                call.argument = row.argument;
            return call;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<TagToolbarCall> TagToolbarDispatch::buttonCall(QStringView key)
{
    return lookUp(kButtonRows, key);
}

std::optional<TagToolbarCall> TagToolbarDispatch::menuCall(QStringView key)
{
    return lookUp(kMenuRows, key);
}
