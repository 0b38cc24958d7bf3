#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

// The globals shared by the frame, the document windows and the dialogs.
struct Module1 {
    // Number for the document window being created.
    static int DocNumber;
    // True while the editing commands are enabled; always equals the enabled
    // state of the standard toolbar's open button.
    static bool EditEnabled;
    // Key ("[n]") of the last activated document window.
    static QString ActiveKey;
    // Key of the document window that opened a dialog.
    static QString TargetKey;
    // The window being acted on; a QPointer so it can never dangle.
    static QPointer<QWidget> TargetForm;
    // Text of the last successful search.
    static QString LastFindText;

    static void reset();
};
