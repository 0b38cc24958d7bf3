#pragma once

#include <QString>

// What the image tag dialog gathers; an empty box leaves its attribute out.
struct ImageTagSettings {
    QString src;    // "SRC属性:"
    QString width;  // "幅:"
    QString height; // "高さ:"
    QString alt;    // "ALT属性:"
    bool noBorder = true; // "枠線を表示しない": border="0"
};
