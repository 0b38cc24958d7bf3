#pragma once

#include "checks/restorepoint.h"
#include "document/documentwindow.h"
#include "document/fileidentity.h"

#include <QList>
#include <QString>
#include <QWidget>

class AttributeCompletion;
class LivePreview;
class DocumentFrame;
class PreviewView;
class QAction;
class QMenu;
class QSplitter;
struct TagInsertion;

// One document window: its source, its file, its modified flag, its menus.
class Form1 : public DocumentWindow
{
    Q_OBJECT

public:
    // The load step copies the frame's Fname and the global DocNumber.
    explicit Form1(DocumentFrame *frame);
    ~Form1() override;

    QWidget *WebBrowser1() const override;
    PreviewView *previewView() const { return m_preview; }
    // The page beside the source; nullptr until the live preview is first turned on.
    LivePreview *livePreview() const { return m_live; }
    const RestorePoint &restorePoint() const { return m_restorePoint; }

    // The window's menus as the frame shows them while the window is active.
    const QList<QMenu *> &menus() const { return m_menus; }
    QAction *menuItem(const QString &name) const override;
    bool runByName(const QString &name) override;

    void TagNameFind() override;
    void AttrListSet() override;

    // Puts text read from a file into the source and colours it; the document
    // then counts as unmodified, and as holding the file as `identity` saw it.
    void loadText(const QString &text, const TextFileFormat &format, const FileIdentity &identity = {});

    // The text replacement routine: every occurrence of searched, from left to
    // right, replaced; the search resumes at the occurrence's second character.
    Q_INVOKABLE QString Replace(const QString &source, const QString &searched, const QString &replacement) const;

    Q_INVOKABLE QString binColorPut(quint32 &coldat) override;

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
    void LineCheck(const QString &CheckWords) override;

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
    void IDM_TAG_REEDIT() override;

    // The page settings and page colour scheme dialogs on this window; public
    // so that the tag re-edit can open the page settings.
    void ShowSiteCfg() override;
    void ShowPageCfg();
    // The colour palettes, each writing into this window.
    void IDM_ADD_COLOR_W3C();
    void IDM_ADD_COLOR94();
    void IDM_ADD_COLOR141();
    void IDM_WebSafe();
    // The generator dialogs on this window: table, image tag, gradation text.
    void IDM_ADD_TABLE() override;
    void IDM_ADD_IMG() override;
    void IDM_MAKE_GRADATION();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    // The window's menu bar: every item carries its IDM_ name and runs a
    // handler of the window or of the frame.
    void buildMenus();
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

    QWidget *m_strip = nullptr;
    QList<QMenu *> m_menus;
    AttributeCompletion *m_attributeCompletion = nullptr;
    // Set while the advice of the line check must outlast the line break that
    // follows it.
    bool m_keepAdvice = false;
};
