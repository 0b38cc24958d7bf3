#pragma once

#include "document/documentframe.h"
#include "frame/helpwindow.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

class AdviceBar;
class Form1;
class FolderView;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class SiteCheckPanel;
class StandardToolbar;
class TabBar;
class TagToolbar;

// The frame: the documents' MDI area with the standard toolbar, the tag
// toolbar, the tab bar, the advice bar and the working-folder panel around it.
class MDIForm1 : public QMainWindow, public DocumentFrame
{
    Q_OBJECT

public:
    explicit MDIForm1(QWidget *parent = nullptr);
    ~MDIForm1() override;

    static MDIForm1 *instance();

    // Public members; Fname and WorkDir come with the document windows' view of the frame.
    int Ext = 0;

    // Start-up: the command line as one text (the arguments joined with blanks).
    void startUp(const QString &commandLine);
    // Start-up with the paths to open, each in its own window, in order.
    void startUp(const QStringList &paths);

    Form1 *CreateNewForm(const QString &loadType, const QString &docType);
    void DragFileOpen(const QString &filePath) override;
    void ReloadTabBar() override;
    void btnSet() override;
    void FindActiveDocument();

    // The document windows in load order (those still open).
    QList<Form1 *> documents() const;

    StandardToolbar *Toolbar1() const { return m_toolbar1; }
    TagToolbar *Toolbar5() const { return m_toolbar5; }
    TabBar *Toolbar2() const { return m_toolbar2; }
    AdviceBar *Toolbar4() const { return m_toolbar4; }
    FolderView *Toolbar3() const { return m_toolbar3; }
    QMdiArea *mdiArea() const { return m_mdiArea; }
    QMdiSubWindow *subWindowOf(const Form1 *form) const;
    QAction *toolbarButton(int index) const override;
    QAction *menuItem(const QString &name) const;
    HelpWindow *helpWindow() const { return m_help; }
    SiteCheckPanel *siteCheckPanel() const { return m_siteCheck; }

    void setEditCommandsEnabled(bool enabled) override;
    void clearAdvice() override;
    void setAdvice(const QString &text) override;
    void moveFolderView(const QString &path) override;
    QString folderDirPath() const override;
    QString folderFilePath() const override;
    void fillWindowMenu(QMenu *menu) override;
    // Called by a document window at the end of its unload.
    void afterDocumentClosed() override;
    // Ends the program as IDM_EXIT does, but closes every document without
    // asking about its changes.
    void endWithoutQuestions();

public slots:
    void IDM_NEWHTML() override;
    void IDM_NEWCSS() override;
    void IDM_NEWJS() override;
    void IDM_FILEOPEN() override;
    void IDM_ALLSAVE() override;
    void IDM_ALLCLOSE() override;
    void IDM_EXIT() override;
    void IDM_HORI();
    void IDM_VERT();
    void IDM_CASCADE();
    void IDM_HELP_MAIN() override;
    void IDM_ABOUT() override;
    // Checks the links of every page under the working folder, open pages
    // with their unsaved text, into the panel at the bottom.
    void IDM_SITE_LINK_CHK() override;
    void toggleFolderView() override;
    void toggleAdviceBar() override;
    void Toolbar1_ButtonClick(int index);
    // The advice bar's buttons: check the active document, jump to its finding.
    void ErrChk_Click() override;
    void errjump_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildMenus();
    void showMenusOf(Form1 *form);
    void onSubWindowActivated(QMdiSubWindow *window);
    void onTabClicked(int index);
    void onFolderViewClose();
    void onAdviceBarClose();
    void runOnTarget(const QString &name);
    void tileInOneRow(Qt::Orientation orientation);

    QMdiArea *m_mdiArea;
    StandardToolbar *m_toolbar1;
    TagToolbar *m_toolbar5;
    TabBar *m_toolbar2;
    AdviceBar *m_toolbar4;
    FolderView *m_toolbar3;
    QList<QMenu *> m_ownMenus;
    QPointer<HelpWindow> m_help;
    SiteCheckPanel *m_siteCheck = nullptr;
    QPointer<Form1> m_shownMenusOf;
    bool m_creating = false;
};
