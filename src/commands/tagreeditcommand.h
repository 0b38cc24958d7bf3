#pragma once

#include <optional>

class DocumentWindow;
class HeldStretch;

// The tag re-edit (F1) on a document window: opens the image, page settings
// or table dialog for the tag the user selected. The dialogs write into the
// window as they do from their own menu items.
class TagReeditCommand
{
public:
    static void run(DocumentWindow *form);

private:
    // Asks before a table is rebuilt, then selects the table and opens the
    // table dialog on it. `table` is the table found around the user's
    // selection when the command began, followed through the dialogs since.
    static void reeditTable(DocumentWindow *form, const std::optional<HeldStretch> &table);
};
