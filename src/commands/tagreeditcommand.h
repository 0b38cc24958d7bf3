#pragma once

class Form1;

// The tag re-edit (F1) on a document window: opens the image, page settings
// or table dialog for the tag the user selected. The dialogs write into the
// window as they do from their own menu items.
class TagReeditCommand
{
public:
    static void run(Form1 *form);

private:
    // Asks before a table is rebuilt, then selects the table around the
    // selection and opens the table dialog on it.
    static void reeditTable(Form1 *form);
};
