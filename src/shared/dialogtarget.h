#pragma once

class Form1;
class QWidget;

// What every dialog opened from a document window does with that window: it
// finds the window when it loads, and hands the keyboard back to the
// window's source when it closes.
class DialogTarget
{
public:
    // Enters the dialog among the loaded forms, finds the window named by
    // TargetKey and leaves it in TargetForm. nullptr when that window is gone.
    static Form1 *attach(QWidget *dialog);
    // Only finds the window named by TargetKey and leaves it in TargetForm.
    static Form1 *find();
    // Gives the keyboard back to the window's source, when the source is shown.
    static void returnFocus(Form1 *target);
};
