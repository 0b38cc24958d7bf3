#pragma once

#include <QString>

class QAction;
class QMenu;

// The frame as a document window sees it: the advice bar, the tab bar, the
// working folder, the frame's own commands on the window's menus. MDIForm1
// is the one frame that implements it.
class DocumentFrame
{
public:
    DocumentFrame();
    virtual ~DocumentFrame();
    DocumentFrame(const DocumentFrame &) = delete;
    DocumentFrame &operator=(const DocumentFrame &) = delete;

    // The frame of this run; nullptr before it is built and once it is gone.
    static DocumentFrame *instance();

    // Public members.
    QString Fname;
    QString WorkDir;

    virtual void DragFileOpen(const QString &filePath) = 0;
    virtual void ReloadTabBar() = 0;
    virtual void btnSet() = 0;
    // A standard toolbar button by its index, or nullptr.
    virtual QAction *toolbarButton(int index) const = 0;
    // Enables or disables standard toolbar buttons 5 to 26 and the tag toolbar.
    virtual void setEditCommandsEnabled(bool enabled) = 0;
    virtual void clearAdvice() = 0;
    virtual void setAdvice(const QString &text) = 0;
    virtual void moveFolderView(const QString &path) = 0;
    // The folder the working-folder view stands in, and the one whose files it lists.
    virtual QString folderDirPath() const = 0;
    virtual QString folderFilePath() const = 0;
    virtual void fillWindowMenu(QMenu *menu) = 0;
    // Called by a document window at the end of its unload.
    virtual void afterDocumentClosed() = 0;

    // The frame's commands that a document window's menus carry.
    virtual void IDM_NEWHTML() = 0;
    virtual void IDM_NEWCSS() = 0;
    virtual void IDM_NEWJS() = 0;
    virtual void IDM_FILEOPEN() = 0;
    virtual void IDM_ALLSAVE() = 0;
    virtual void IDM_ALLCLOSE() = 0;
    virtual void IDM_EXIT() = 0;
    virtual void IDM_HELP_MAIN() = 0;
    virtual void IDM_ABOUT() = 0;
    virtual void IDM_SITE_LINK_CHK() = 0;
    virtual void toggleFolderView() = 0;
    virtual void toggleAdviceBar() = 0;
    virtual void ErrChk_Click() = 0;
};
