#pragma once

#include "checks/restorepoint.h"
#include "document/fileidentity.h"
#include "document/textfileformat.h"

#include <QList>
#include <QString>
#include <QWidget>

class AttributeCompletion;
class EditMenu;
class LivePreview;
class MDIForm1;
class PreviewView;
class QAction;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QRadioButton;
class QSplitter;
class RecoveryJournal;
class QWebEngineView;
class RichTextBox1;
struct TagInsertion;

// One document window: its source, its file, its modified flag, its menus.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // The load step copies the frame's Fname and the global DocNumber.
    explicit Form1(MDIForm1 *frame);
    ~Form1() override;

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

    RichTextBox1 *richTextBox1() const { return m_richTextBox1; }
    QLineEdit *Text1() const { return m_text1; }
    QListWidget *List1() const { return m_list1; }
    QLineEdit *Text2() const { return m_text2; }
    QListWidget *List2() const { return m_list2; }
    QCheckBox *Check(int index) const;
    QRadioButton *Option1() const { return m_option1; }
    QRadioButton *Option2() const { return m_option2; }
    // The preview browser; nullptr until the first preview.
    QWebEngineView *WebBrowser1() const;
    PreviewView *previewView() const { return m_preview; }
    // The page beside the source; nullptr until the live preview is first turned on.
    LivePreview *livePreview() const { return m_live; }
    const RestorePoint &restorePoint() const { return m_restorePoint; }
    // Keeps the unsaved text in a recovery file until the document ends cleanly.
    RecoveryJournal *recoveryJournal() const { return m_journal; }

    // The window's menus as the frame shows them while the window is active.
    const QList<QMenu *> &menus() const { return m_menus; }
    // A menu item or menu by its IDM_ name, or nullptr.
    QAction *menuItem(const QString &name) const;
    // Runs the handler of a menu item by its IDM_ name; false if there is none.
    bool runByName(const QString &name);

    // The tag around the caret and the attribute list for it (attribute completion).
    void TagNameFind();
    void AttrListSet();

    // Puts text read from a file into the source and colours it; the document
    // then counts as unmodified, and as holding the file as `identity` saw it.
    void loadText(const QString &text, const TextFileFormat &format, const FileIdentity &identity = {});

    // The text replacement routine: every occurrence of searched, from left to
    // right, replaced; the search resumes at the occurrence's second character.
    Q_INVOKABLE QString Replace(const QString &source, const QString &searched, const QString &replacement) const;

    EditMenu *editMenu() const { return m_editMenu; }

    // The full-colour dialog: the chosen colour's six digits RRGGBB, with the
    // colour stored in coldat (red in the low byte); "-1" and coldat untouched
    // when the user cancelled.
    Q_INVOKABLE QString binColorPut(quint32 &coldat);

    // 0: the close may go ahead; -1: it must not.
    int NoSaveCheck(int mode, const QString &fn);

    // Remembers that this close was already asked about, so that the unload
    // request that follows does not ask again.
    void setCloseAnswered(bool answered) { m_closeAnswered = answered; }

public slots:
    void IDM_SAVE();
    void IDM_SAVEAS();
    void SaveAsFile();
    void IDM_FILECLOSE();
    void IDM_FIND();
    void IDM_NEXTFIND();
    void IDM_REPLACE();
    void ColorSet();
    void Form_Resize();
    void Form_Activate();
    void Option1_Click();
    void Option2_Click();
    void IDM_EDITSOURCE();
    void IDM_PREVIEW();
    // The page beside the source, following the typing, on or off.
    void setLivePreview(bool on);
    void IDM_LINK_CHK();
    void IDM_CREATE_BACKUP();

    // The coding advice on the whole source, and the check of one finished line.
    void CodingAdvice();
    void LineCheck(const QString &CheckWords);

    // Indent or unindent the selected paragraphs on screen; never saved.
    void txtIndent();
    void txtUnIndent();

    // The page skeleton at the caret.
    void IDM_NORMAL();
    // A colour chosen in the full-colour dialog, typed at the caret as "#RRGGBB".
    void IDM_ADD_BINCOLOR();

    // The tag commands: the selection wrapped in coloured tags.
    void add_strong_tag();
    void add_bold_tag();
    void add_italic_tag();
    void add_em_tag();
    void add_underline_tag();
    void add_strike_tag();
    void add_strikes_tag();
    void add_del_tag();
    void add_p_tag();
    void add_p_right();
    void add_p_center();
    void add_p_left();
    void add_hx_tag(int number);
    void add_style_bold_tag();
    void add_style_italic_tag();
    void add_style_underline_tag();
    void add_a_tag();
    void add_br_tag();

    // The image, page settings or table dialog for the selected tag.
    void IDM_TAG_REEDIT();

    // The page settings and page colour scheme dialogs on this window; public
    // so that the tag re-edit can open the page settings.
    void ShowSiteCfg();
    void ShowPageCfg();
    // The colour palettes, each writing into this window.
    void IDM_ADD_COLOR_W3C();
    void IDM_ADD_COLOR94();
    void IDM_ADD_COLOR141();
    void IDM_WebSafe();
    // The generator dialogs on this window: table, image tag, gradation text.
    void IDM_ADD_TABLE();
    void IDM_ADD_IMG();
    void IDM_MAKE_GRADATION();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    bool writeTo(const QString &path);
    bool mayOverwrite();
    bool mayReplace(const QString &path);
    void lookAtDisk();
    void reload();
    void onChange();
    void insertTag(const TagInsertion &insertion);
    // Shows a dialog that finds this window through TargetKey.
    template <class Dialog>
    void showDialog();

    MDIForm1 *m_frame;
    int m_formNumber = 0;
    TextFileFormat m_fileFormat;
    QString m_lastSaveName;
    // The file as it was read or last saved, and as it was when last looked
    // at (so that each change on disk is asked about once).
    FileIdentity m_diskIdentity;
    FileIdentity m_lastLook;
    bool m_lookingAtDisk = false;
    RestorePoint m_restorePoint;
    PreviewView *m_preview = nullptr;
    LivePreview *m_live = nullptr;
    // Holds the source and the live page side by side from the first live preview on.
    QSplitter *m_splitter = nullptr;
    bool m_closeAnswered = false;
    RecoveryJournal *m_journal = nullptr;

    QWidget *m_strip = nullptr;
    QRadioButton *m_option1 = nullptr;
    QRadioButton *m_option2 = nullptr;
    QCheckBox *m_checks[4] = {};
    RichTextBox1 *m_richTextBox1 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QListWidget *m_list1 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QListWidget *m_list2 = nullptr;
    QList<QMenu *> m_menus;
    AttributeCompletion *m_attributeCompletion = nullptr;
    EditMenu *m_editMenu = nullptr;
    // Set while the advice of the line check must outlast the line break that
    // follows it.
    bool m_keepAdvice = false;
};
