#pragma once

// Switches the editing commands (standard toolbar buttons 5 to 26, the tag
// toolbar, and sixteen menus of the target document window) all together.
class tvoFuncs
{
public:
    static void ToggleEditCommands();
};
