#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// What a tag toolbar click runs on the target document window: one of its
// public add_ methods (with the heading level where it takes one), or the
// click of one of its menu items, named by its IDM_ object name.
struct TagToolbarCall {
    enum class Kind { Method, MenuClick };

    Kind kind = Kind::Method;
    QString name;
    std::optional<int> argument;

    bool operator==(const TagToolbarCall &other) const
    {
        return kind == other.kind && name == other.name && argument == other.argument;
    }
};

// The tag toolbar's two dispatch tables. Button keys and drop-down keys are
// separate sets: the button "strong_tag" runs the bold tag, the drop-down entry
// "strong_tag" the strong tag. Keys compare case-sensitively; an unknown key
// runs nothing.
class TagToolbarDispatch
{
public:
    static std::optional<TagToolbarCall> buttonCall(QStringView key);
    static std::optional<TagToolbarCall> menuCall(QStringView key);
};
