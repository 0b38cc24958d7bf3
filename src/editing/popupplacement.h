#pragma once

// Where a completion pop-up (filter box over its list) goes beside the caret.
// Everything in twips, in the document window's coordinates: the caret's
// position within the edit control is used as if the control began at the
// window's top-left corner, which the offsets below allow for.
class PopupPlacement
{
public:
    struct Place {
        int left = 0;
        int filterTop = 0;
        int listTop = 0;
    };

    // windowHeight: the window's outer height. Near the bottom of the window
    // the list opens above the filter box instead of below it.
    static Place beside(int caretX, int caretY, int windowHeight);

    // "/" of a closing tag shifts the pop-up this far to the right.
    static constexpr int SlashShift = 100;
};
