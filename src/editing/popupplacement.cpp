#include "editing/popupplacement.h"

PopupPlacement::Place PopupPlacement::beside(int caretX, int caretY, int windowHeight)
{
    Place place;
    place.left = caretX + 50;
    place.filterTop = caretY + 420;
    place.listTop = windowHeight - 2200 > caretY ? caretY + 700 : caretY - 600;
    return place;
}
