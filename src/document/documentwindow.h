#pragma once

#include "document/textfileformat.h"

#include <QString>
#include <QWidget>

class DocumentFrame;
class EditMenu;
class QAction;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class RecoveryJournal;
class RichTextBox1;

// A document window as the dialogs, the completion, the edit menu, the find
// dialogs and the tag toolbar see it: its source control, the few members
// they read and write, and the few commands they run. Form1 is the one
// window that implements it; tests may stand in for it with a smaller one.
class DocumentWindow : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Public members other windows read and write.
    QString FPath;
    bool TextEdit = false;
    int xax = 0;
    QString htfn;
    qsizetype ErrPoint = 0;
    int general = 0;
    int TagBegin = 0;
    QString TagName;
    bool InQuote = false;
    int TagReopened = 0;

    int formNumber() const { return m_formNumber; }
    const TextFileFormat &fileFormat() const { return m_fileFormat; }
    // The frame the window lives in.
    DocumentFrame *frame() const { return m_frame; }

    RichTextBox1 *richTextBox1() const { return m_richTextBox1; }
    QLineEdit *Text1() const { return m_text1; }
    QListWidget *List1() const { return m_list1; }
    QLineEdit *Text2() const { return m_text2; }
    QListWidget *List2() const { return m_list2; }
    // Check1 to Check4 by their number; nullptr for any other.
    QCheckBox *Check(int index) const;
    QRadioButton *Option1() const { return m_option1; }
    QRadioButton *Option2() const { return m_option2; }
    EditMenu *editMenu() const { return m_editMenu; }
    // Keeps the unsaved text in a recovery file until the document ends cleanly.
    RecoveryJournal *recoveryJournal() const { return m_journal; }

    // The preview browser; nullptr until the first preview.
    virtual QWidget *WebBrowser1() const = 0;
    // A menu item or menu by its IDM_ name, or nullptr.
    virtual QAction *menuItem(const QString &name) const = 0;
    // Runs the handler of a menu item by its IDM_ name; false if there is none.
    virtual bool runByName(const QString &name) = 0;

    // The tag around the caret and the attribute list for it (attribute completion).
    virtual void TagNameFind() = 0;
    virtual void AttrListSet() = 0;
    // The check of one finished line, said in the advice bar.
    virtual void LineCheck(const QString &CheckWords) = 0;

    // The full-colour dialog: the chosen colour's six digits RRGGBB, with the
    // colour stored in coldat (red in the low byte); "-1" and coldat untouched
    // when the user cancelled.
    Q_INVOKABLE virtual QString binColorPut(quint32 &coldat) = 0;

public slots:
    // The image, page settings or table dialog for the selected tag, and the
    // dialogs it opens on that tag.
    virtual void IDM_TAG_REEDIT() = 0;
    virtual void ShowSiteCfg() = 0;
    virtual void IDM_ADD_TABLE() = 0;
    virtual void IDM_ADD_IMG() = 0;

protected:
    DocumentFrame *m_frame = nullptr;
    int m_formNumber = 0;
    TextFileFormat m_fileFormat;
    RichTextBox1 *m_richTextBox1 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QListWidget *m_list1 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QListWidget *m_list2 = nullptr;
    QCheckBox *m_checks[4] = {};
    QRadioButton *m_option1 = nullptr;
    QRadioButton *m_option2 = nullptr;
    EditMenu *m_editMenu = nullptr;
    RecoveryJournal *m_journal = nullptr;
};
