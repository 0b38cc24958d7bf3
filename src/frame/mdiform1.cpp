#include "frame/mdiform1.h"

#include "commands/tagtoolbar.h"
#include "document/documentfile.h"
#include "document/fileidentity.h"
#include "document/form1.h"
#include "document/richtextbox1.h"
#include "frame/advicebar.h"
#include "frame/documentcaption.h"
#include "frame/documentkind.h"
#include "frame/folderview.h"
#include "frame/frmabout.h"
#include "frame/helpwindow.h"
#include "frame/sitecheckpanel.h"
#include "frame/standardtoolbar.h"
#include "frame/tabbar.h"
#include "shared/datafile.h"
#include "shared/dialogseam.h"
#include "shared/droppedfiles.h"
#include "shared/formregistry.h"
#include "shared/menuitem.h"
#include "shared/module1.h"
#include "shared/twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>

namespace {
MDIForm1 *g_frame = nullptr;
}

MDIForm1::MDIForm1(QWidget *parent)
    : QMainWindow(parent)
    , m_mdiArea(new QMdiArea(this))
    , m_toolbar1(new StandardToolbar(this))
    , m_toolbar5(new TagToolbar(this))
    , m_toolbar2(new TabBar(this))
    , m_toolbar4(new AdviceBar(this))
    , m_toolbar3(new FolderView(this))
{
    g_frame = this;
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Tovalo"));
    // Every window, document windows and dialogs included, shows the
    // program's own icon rather than the toolkit's.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tovalo.svg")));
    setAcceptDrops(true);
    // No list of bars on a right click: the advice bar is shown and hidden
    // through its "×" and the view menus only, which keep their check marks.
    setContextMenuPolicy(Qt::NoContextMenu);
    FormRegistry::add(this);

    addToolBar(Qt::TopToolBarArea, m_toolbar1);
    addToolBarBreak();
    addToolBar(Qt::TopToolBarArea, m_toolbar5);
    addToolBarBreak();
    auto *tabStrip = new QToolBar(QStringLiteral("タブ"), this);
    tabStrip->setObjectName(QStringLiteral("TabStrip"));
    tabStrip->setMovable(false);
    tabStrip->addWidget(m_toolbar2);
    addToolBar(Qt::TopToolBarArea, tabStrip);
    addToolBar(Qt::BottomToolBarArea, m_toolbar4);

    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_mdiArea->setObjectName(QStringLiteral("MdiArea"));
    layout->addWidget(m_mdiArea, 1);
    layout->addWidget(m_toolbar3);
    setCentralWidget(central);

    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &MDIForm1::onSubWindowActivated);
    connect(m_toolbar1, &StandardToolbar::buttonClicked, this, &MDIForm1::Toolbar1_ButtonClick);
    connect(m_toolbar2, &TabBar::tabClicked, this, &MDIForm1::onTabClicked);
    connect(m_toolbar4->Command6(), &QToolButton::clicked, this, &MDIForm1::onAdviceBarClose);
    connect(m_toolbar4->ErrChk(), &QToolButton::clicked, this, &MDIForm1::ErrChk_Click);
    connect(m_toolbar4->errjump(), &QToolButton::clicked, this, &MDIForm1::errjump_Click);
    connect(m_toolbar3, &FolderView::closeRequested, this, &MDIForm1::onFolderViewClose);
    connect(m_toolbar3, &FolderView::workDirChanged, this, [this](const QString &folder) { WorkDir = folder; });
    connect(m_toolbar3, &FolderView::fileActivated, this, [this](const QString &path) {
        Fname = path;
        CreateNewForm(QStringLiteral("Open"), DocumentKind::fromFolderListPath(path));
    });

    buildMenus();
    showMenusOf(nullptr);
    resize(1024, 720);
}

MDIForm1::~MDIForm1()
{
    // QWidget's destructor closes the sub-windows, and the area reports the
    // activation changes that follows; by then this is no longer an MDIForm1,
    // so its handlers must not run.
    m_mdiArea->disconnect(this);
    if (g_frame == this)
        g_frame = nullptr;
}

MDIForm1 *MDIForm1::instance()
{
    return g_frame;
}

void MDIForm1::buildMenus()
{
    QMenu *file = MenuItem::addMenu(this, "IDM_FILE", QStringLiteral("ファイル(&F)"));
    connect(MenuItem::add(file, "IDM_NEWHTML", QStringLiteral("新規HTML文書作成(&N)"), QKeySequence(QStringLiteral("Ctrl+N"))),
            &QAction::triggered, this, &MDIForm1::IDM_NEWHTML);
    connect(MenuItem::add(file, "IDM_NEWCSS", QStringLiteral("新規スタイルシート作成")), &QAction::triggered, this,
            &MDIForm1::IDM_NEWCSS);
    connect(MenuItem::add(file, "IDM_NEWJS", QStringLiteral("新規JavaScript作成")), &QAction::triggered, this,
            &MDIForm1::IDM_NEWJS);
    file->addSeparator();
    connect(MenuItem::add(file, "IDM_FILEOPEN", QStringLiteral("ファイルを開く(&O)"), QKeySequence(QStringLiteral("Ctrl+O"))),
            &QAction::triggered, this, &MDIForm1::IDM_FILEOPEN);
    MenuItem::add(file, "IDM_ADDFILE", QStringLiteral("ファイルを追加"))->setEnabled(false);
    file->addSeparator();
    MenuItem::add(file, "IDM_SAVE", QStringLiteral("上書き保存(&S)"), QKeySequence(QStringLiteral("Ctrl+S")))->setEnabled(false);
    MenuItem::add(file, "IDM_SAVEAS", QStringLiteral("名前を付けて保存(&A)"))->setEnabled(false);
    MenuItem::add(file, "IDM_ALLSAVE", QStringLiteral("全て保存"))->setEnabled(false);
    file->addSeparator();
    MenuItem::add(file, "IDM_FILECLOSE", QStringLiteral("閉じる(&C)"))->setEnabled(false);
    MenuItem::add(file, "IDM_ALLCLOSE", QStringLiteral("全て閉じる(&D)"))->setEnabled(false);
    file->addSeparator();
    MenuItem::add(file, "IDM_PRINT", QStringLiteral("印刷(&P)"), QKeySequence(QStringLiteral("Ctrl+P")))->setEnabled(false);
    file->addSeparator();
    connect(MenuItem::add(file, "IDM_EXIT", QStringLiteral("終了(&X)"), QKeySequence(QStringLiteral("Ctrl+Q"))),
            &QAction::triggered, this, &MDIForm1::IDM_EXIT);

    QMenu *edit = MenuItem::addMenu(this, "IDM_EDIT", QStringLiteral("編集(&E)"));
    edit->menuAction()->setEnabled(false);

    QMenu *view = MenuItem::addMenu(this, "IDM_VIEW", QStringLiteral("表示(&V)"));
    view->menuAction()->setEnabled(false);
    QAction *project = MenuItem::add(view, "IDM_VIEW_PROJECT", QStringLiteral("作業フォルダビュー(&D)"));
    project->setCheckable(true);
    connect(project, &QAction::triggered, this, &MDIForm1::toggleFolderView);
    QAction *advice = MenuItem::add(view, "IDM_VIEW_TAGTOOL", QStringLiteral("タグツールバー(&T)"));
    connect(advice, &QAction::triggered, this, &MDIForm1::toggleAdviceBar);
    connect(view, &QMenu::aboutToShow, this, [this, project] { project->setChecked(m_toolbar3->isVisible()); });

    QMenu *add = MenuItem::addMenu(this, "IDM_ADD", QStringLiteral("タグ挿入(&A)"));
    add->menuAction()->setEnabled(false);
    QMenu *search = MenuItem::addMenu(this, "IDM_SEARCH", QStringLiteral("検索(&S)"));
    search->menuAction()->setEnabled(false);
    QMenu *tool = MenuItem::addMenu(this, "IDM_TOOL", QStringLiteral("ツール(&T)"));
    tool->menuAction()->setEnabled(false);

    QMenu *window = MenuItem::addMenu(this, "IDM_WINDOW", QStringLiteral("ウィンドウ(&W)"));
    window->menuAction()->setEnabled(false);
    fillWindowMenu(window);

    QMenu *help = MenuItem::addMenu(this, "IDM_HELP", QStringLiteral("ヘルプ(&H)"));
    connect(MenuItem::add(help, "IDM_ABOUT", QStringLiteral("バージョン情報(&A)...")), &QAction::triggered, this,
            &MDIForm1::IDM_ABOUT);
    connect(MenuItem::add(help, "IDM_HELP_MAIN", QStringLiteral("ヘルプ目次")), &QAction::triggered, this,
            &MDIForm1::IDM_HELP_MAIN);

    m_ownMenus = {file, edit, view, add, search, tool, window, help};
}

void MDIForm1::IDM_SITE_LINK_CHK()
{
    if (!m_siteCheck) {
        // An open page is brought forward rather than read a second time.
        m_siteCheck = new SiteCheckPanel(this, [this](const QString &file) -> DocumentWindow * {
            Fname = file;
            return CreateNewForm(QStringLiteral("Open"), DocumentKind::fromFolderListPath(file));
        });
        addDockWidget(Qt::BottomDockWidgetArea, m_siteCheck);
    }
    m_siteCheck->show();
    m_siteCheck->raise();
    // Read here, on this thread: the check sees the pages as they stand now.
    QHash<QString, QString> texts;
    for (Form1 *form : documents())
        if (!form->FPath.isEmpty())
            texts.insert(QDir::cleanPath(QFileInfo(form->FPath).absoluteFilePath()), form->richTextBox1()->fileText());
    m_siteCheck->start(WorkDir.isEmpty() ? QDir::currentPath() : WorkDir, texts);
}

void MDIForm1::fillWindowMenu(QMenu *menu)
{
    connect(MenuItem::add(menu, "IDM_HORI", QStringLiteral("水平に並べて表示(&H)")), &QAction::triggered, this,
            &MDIForm1::IDM_HORI);
    connect(MenuItem::add(menu, "IDM_VERT", QStringLiteral("縦に並べて表示(&V)")), &QAction::triggered, this,
            &MDIForm1::IDM_VERT);
    connect(MenuItem::add(menu, "IDM_CASCADE", QStringLiteral("重ねて表示(&C)")), &QAction::triggered, this,
            &MDIForm1::IDM_CASCADE);
    QAction *listStart = menu->addSeparator();
    // The list of open windows is rebuilt each time the menu opens.
    connect(menu, &QMenu::aboutToShow, this, [this, menu, listStart] {
        const QList<QAction *> actions = menu->actions();
        for (qsizetype i = actions.indexOf(listStart) + 1; i < actions.size(); ++i) {
            menu->removeAction(actions.at(i));
            actions.at(i)->deleteLater();
        }
        QMdiSubWindow *active = m_mdiArea->currentSubWindow();
        int n = 0;
        for (Form1 *form : documents()) {
            QMdiSubWindow *sub = subWindowOf(form);
            QAction *item = menu->addAction(QStringLiteral("&%1 %2").arg(++n).arg(form->windowTitle()));
            item->setObjectName(QStringLiteral("WindowListItem"));
            item->setCheckable(true);
            item->setChecked(sub && sub == active);
            connect(item, &QAction::triggered, this, [this, sub] {
                if (sub)
                    m_mdiArea->setActiveSubWindow(sub);
            });
        }
        listStart->setVisible(n > 0);
    });
}

QAction *MDIForm1::menuItem(const QString &name) const
{
    for (QMenu *menu : m_ownMenus) {
        if (menu->objectName() == name)
            return menu->menuAction();
        for (QAction *action : menu->actions())
            if (action->objectName() == name)
                return action;
    }
    return nullptr;
}

QAction *MDIForm1::toolbarButton(int index) const
{
    return m_toolbar1->button(index);
}

void MDIForm1::showMenusOf(Form1 *form)
{
    if (form == m_shownMenusOf && (form || !menuBar()->actions().isEmpty()))
        return;
    m_shownMenusOf = form;
    menuBar()->clear();
    for (QMenu *menu : form ? form->menus() : m_ownMenus) {
        menuBar()->addMenu(menu);
        // A document menu whose commands are not there yet stays out of sight.
        if (form)
            menu->menuAction()->setVisible(!menu->isEmpty());
    }
}

QList<Form1 *> MDIForm1::documents() const
{
    QList<Form1 *> out;
    for (QWidget *w : FormRegistry::forms())
        if (FormRegistry::name(w) == QLatin1String("Form1") && !w->windowTitle().isEmpty())
            if (auto *form = qobject_cast<Form1 *>(w))
                out.append(form);
    return out;
}

QMdiSubWindow *MDIForm1::subWindowOf(const Form1 *form) const
{
    return form ? qobject_cast<QMdiSubWindow *>(form->parentWidget()) : nullptr;
}

void MDIForm1::startUp(const QString &commandLine)
{
    startUp(commandLine.isEmpty() ? QStringList() : QStringList{commandLine});
}

void MDIForm1::startUp(const QStringList &paths)
{
    Module1::EditEnabled = true;
    Module1::DocNumber = 1;
    for (const QString &path : paths)
        DragFileOpen(path);
    // Start-up always ends with a document: a file that could not be read
    // leaves its message and an untitled page in its place.
    if (documents().isEmpty())
        CreateNewForm(QStringLiteral("New"), DocumentKind::hyperText());
    WorkDir = m_toolbar3->filePath();
}

Form1 *MDIForm1::CreateNewForm(const QString &loadType, const QString &docType)
{
    const bool isNew = loadType == QLatin1String("New");
    // One window per file: a file already open, under any of its names, is
    // brought forward instead of being opened a second time.
    if (!isNew) {
        for (Form1 *form : documents()) {
            if (FileIdentity::sameFile(form->FPath, Fname)) {
                m_mdiArea->setActiveSubWindow(subWindowOf(form));
                return form;
            }
        }
    }
    QStringList captions;
    for (QWidget *form : FormRegistry::forms())
        captions << FormRegistry::caption(form);
    Module1::DocNumber = DocumentCaption::chooseNumber(captions);
    if (isNew)
        Fname.clear();

    // Read before making the window, so that a file that cannot be read
    // leaves no half-made window behind.
    DocumentFile::ReadResult file;
    if (!isNew) {
        file = DocumentFile::read(Fname);
        if (!file.ok) {
            DialogSeam::warning(this, QStringLiteral("注意"), file.error);
            return nullptr;
        }
    }

    m_creating = true;
    auto *form = new Form1(this);
    QMdiSubWindow *sub = m_mdiArea->addSubWindow(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    const int number = Module1::DocNumber;
    form->setWindowTitle(isNew ? DocumentCaption::forUntitled(number, docType)
                               : DocumentCaption::forFile(number, Fname, docType));
    sub->resize(m_mdiArea->width() * 3 / 4, m_mdiArea->height() * 3 / 4);
    sub->show();
    form->Form_Resize();
    if (!isNew)
        form->loadText(file.text, file.format, file.identity);
    ReloadTabBar();
    m_creating = false;

    // The window's activation runs once it has its caption and its tab.
    m_mdiArea->setActiveSubWindow(sub);
    onSubWindowActivated(sub);
    if (!isNew && !file.warning.isEmpty())
        DialogSeam::warning(form, QStringLiteral("注意"), file.warning);
    return form;
}

void MDIForm1::DragFileOpen(const QString &filePath)
{
    QString path = filePath;
    if (path.startsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2);
    if (!path.isEmpty() && QFileInfo(path).isRelative())
        path = QFileInfo(path).absoluteFilePath();
    Fname = path;
    moveFolderView(path);
    CreateNewForm(QStringLiteral("Open"), DocumentKind::hyperText());
}

void MDIForm1::moveFolderView(const QString &path)
{
    m_toolbar3->setDrive(path);
    const QString folder = DocumentCaption::folderOf(path);
    if (!folder.isEmpty())
        m_toolbar3->setDirPath(folder);
}

QString MDIForm1::folderDirPath() const
{
    return m_toolbar3->dirPath();
}

QString MDIForm1::folderFilePath() const
{
    return m_toolbar3->filePath();
}

void MDIForm1::ReloadTabBar()
{
    m_toolbar2->hideAll();
    int slot = 0;
    for (QWidget *form : FormRegistry::forms()) {
        const QString caption = FormRegistry::caption(form);
        if (caption.isEmpty()) {
            m_toolbar2->Command1(slot)->hide();
            continue;
        }
        if (FormRegistry::name(form) == QLatin1String("MDIForm1")) {
            ++slot;
            continue;
        }
        const QString text = DocumentCaption::tabText(caption);
        if (text.isNull())
            continue;
        QPushButton *button = m_toolbar2->Command1(slot);
        button->setText(text);
        button->show();
        ++slot;
    }
}

void MDIForm1::btnSet()
{
    Module1::TargetForm = FormRegistry::findByKey(Module1::ActiveKey);
    const QString targetKey = FormRegistry::caption(Module1::TargetForm).left(3);
    for (int i = 0; i < m_toolbar2->count(); ++i) {
        QPushButton *button = m_toolbar2->Command1(i);
        m_toolbar2->markActive(button, Module1::TargetForm && button->text().left(3) == targetKey);
    }
}

void MDIForm1::FindActiveDocument()
{
    Module1::TargetForm = FormRegistry::findByKey(Module1::ActiveKey);
}

void MDIForm1::onTabClicked(int index)
{
    const QString text = m_toolbar2->Command1(index)->text();
    const QString key = text.left(text.indexOf(QLatin1Char(']')) + 1);
    for (QWidget *form : FormRegistry::forms()) {
        const QString caption = FormRegistry::caption(form);
        if (!key.isEmpty() && caption.left(caption.indexOf(QLatin1Char(']')) + 1) == key) {
            if (auto *document = qobject_cast<Form1 *>(form))
                m_mdiArea->setActiveSubWindow(subWindowOf(document));
        }
    }
}

void MDIForm1::onSubWindowActivated(QMdiSubWindow *window)
{
    if (m_creating)
        return;
    auto *form = window ? qobject_cast<Form1 *>(window->widget()) : nullptr;
    if (!form || form->windowTitle().isEmpty()) {
        // The whole application losing the focus also reports "no active
        // window"; the frame's own menus come back only when no document is left.
        if (documents().isEmpty())
            showMenusOf(nullptr);
        return;
    }
    showMenusOf(form);
    form->Form_Activate();
}

void MDIForm1::setEditCommandsEnabled(bool enabled)
{
    for (int i = 5; i <= StandardToolbar::ButtonCount; ++i)
        if (QAction *button = m_toolbar1->button(i))
            button->setEnabled(enabled);
    for (QAction *action : m_toolbar5->actions())
        action->setEnabled(enabled);
}

void MDIForm1::afterDocumentClosed()
{
    if (!m_toolbar2->Command1(1)->isHidden())
        return;
    // No document remains: only the new-document buttons and open stay usable.
    if (Module1::EditEnabled)
        setEditCommandsEnabled(false);
    m_toolbar1->button(5)->setEnabled(true);
    Module1::EditEnabled = true;
    showMenusOf(nullptr);
}

void MDIForm1::clearAdvice()
{
    m_toolbar4->Text1()->clear();
}

void MDIForm1::setAdvice(const QString &text)
{
    m_toolbar4->Text1()->setText(text);
    // A long advice starts where it can be read.
    m_toolbar4->Text1()->setCursorPosition(0);
}

void MDIForm1::ErrChk_Click()
{
    FindActiveDocument();
    if (auto *target = qobject_cast<Form1 *>(Module1::TargetForm.data()))
        target->CodingAdvice();
}

void MDIForm1::errjump_Click()
{
    FindActiveDocument();
    auto *target = qobject_cast<Form1 *>(Module1::TargetForm.data());
    if (!target)
        return;
    target->richTextBox1()->setSelStart(target->ErrPoint);
    target->richTextBox1()->setFocus();
}

void MDIForm1::IDM_NEWHTML()
{
    CreateNewForm(QStringLiteral("New"), DocumentKind::hyperText());
}

void MDIForm1::IDM_NEWCSS()
{
    CreateNewForm(QStringLiteral("New"), DocumentKind::styleSheet());
}

void MDIForm1::IDM_NEWJS()
{
    CreateNewForm(QStringLiteral("New"), DocumentKind::javaScript());
}

void MDIForm1::IDM_FILEOPEN()
{
    Fname = DialogSeam::instance().openFileName(
        this, QStringLiteral("Webファイルを開く"),
        QStringLiteral("HTMLファイル(*.html;*.htm)|*.html;*.htm|スタイルシートファイル(*.css)|*.css|JavaScriptファイル(*.js)|*.js"),
        WorkDir);
    if (Fname.isEmpty())
        return;
    moveFolderView(Fname);
    CreateNewForm(QStringLiteral("Open"), DocumentKind::fromOpenDialogPath(Fname));
}

void MDIForm1::IDM_ALLSAVE()
{
    for (QWidget *w : FormRegistry::forms())
        if (FormRegistry::name(w) == QLatin1String("Form1"))
            if (auto *form = qobject_cast<Form1 *>(w); form && !form->windowTitle().isEmpty())
                form->IDM_SAVE();
}

void MDIForm1::IDM_ALLCLOSE()
{
    Ext = 0;
    for (Form1 *form : documents()) {
        if (form->NoSaveCheck(1, form->windowTitle()) == -1) {
            Ext = -1;
            return;
        }
        form->setCloseAnswered(true);
        QMdiSubWindow *sub = subWindowOf(form);
        if (!(sub ? sub->close() : form->close())) {
            Ext = -1;
            return;
        }
    }
}

void MDIForm1::IDM_EXIT()
{
    IDM_ALLCLOSE();
    if (Ext == -1 || !documents().isEmpty()) {
        Ext = 0;
        return;
    }
    // Every document was asked and closed: the frame's own close finds none
    // left to ask, and the program ends without trying the windows again.
    close();
    QCoreApplication::exit(0);
}

void MDIForm1::endWithoutQuestions()
{
    // Windows closed under an open dialog would pull its parent from under
    // it: then the ending leaves them to the frame's destruction.
    if (!QApplication::activeModalWidget()) {
        for (Form1 *form : documents()) {
            form->setCloseAnswered(true);
            QMdiSubWindow *sub = subWindowOf(form);
            sub ? sub->close() : form->close();
        }
        close();
    }
    // Leaves every event loop, an open dialog's included.
    QCoreApplication::exit(0);
}

void MDIForm1::closeEvent(QCloseEvent *event)
{
    // Each document is asked in turn; one cancel keeps the frame open, with
    // the documents answered so far closed and the rest untouched.
    for (Form1 *form : documents()) {
        QMdiSubWindow *sub = subWindowOf(form);
        const bool closed = sub ? sub->close() : form->close();
        if (!closed) {
            event->ignore();
            return;
        }
    }
    if (m_help)
        m_help->close();
    event->accept();
}

void MDIForm1::tileInOneRow(Qt::Orientation orientation)
{
    QList<QMdiSubWindow *> shown;
    for (QMdiSubWindow *w : m_mdiArea->subWindowList())
        if (w->isVisible() && !w->isMinimized())
            shown << w;
    if (shown.isEmpty())
        return;
    const QSize area = m_mdiArea->viewport()->size();
    const int count = int(shown.size());
    for (int i = 0; i < count; ++i) {
        shown[i]->showNormal();
        if (orientation == Qt::Vertical)
            shown[i]->setGeometry(0, i * (area.height() / count), area.width(), area.height() / count);
        else
            shown[i]->setGeometry(i * (area.width() / count), 0, area.width() / count, area.height());
    }
}

void MDIForm1::IDM_HORI()
{
    // One above the other, each the full width of the area.
    tileInOneRow(Qt::Vertical);
}

void MDIForm1::IDM_VERT()
{
    // Side by side, each the full height of the area.
    tileInOneRow(Qt::Horizontal);
}

void MDIForm1::IDM_CASCADE()
{
    m_mdiArea->cascadeSubWindows();
}

void MDIForm1::IDM_HELP_MAIN()
{
    const QString path = DataFile::path(QStringLiteral("tvo.hlp"));
    if (!m_help)
        m_help = new HelpWindow();
    if (!m_help->openContents(path)) {
        m_help->close();
        DialogSeam::warning(this, QStringLiteral("注意"),
                            QStringLiteral("ヘルプファイル「%1」を開けませんでした。").arg(QDir::toNativeSeparators(path)));
        return;
    }
    m_help->show();
    m_help->raise();
}

void MDIForm1::IDM_ABOUT()
{
    auto *about = new frmAbout(this);
    // Window-modal without a nested event loop.
    about->open();
}

void MDIForm1::toggleFolderView()
{
    m_toolbar3->setVisible(!m_toolbar3->isVisible());
}

void MDIForm1::toggleAdviceBar()
{
    // Whether the bar was hidden, not whether it shows now: a minimised or
    // not yet shown frame shows nothing, and must not read that as hidden.
    m_toolbar4->setVisible(m_toolbar4->isHidden());
}

void MDIForm1::onFolderViewClose()
{
    FindActiveDocument();
    m_toolbar3->hide();
    if (auto *target = qobject_cast<Form1 *>(Module1::TargetForm.data()))
        if (QAction *item = target->menuItem(QStringLiteral("IDM_VIEW_PROJECT")))
            item->setChecked(false);
}

void MDIForm1::onAdviceBarClose()
{
    m_toolbar4->hide();
    if (auto *target = qobject_cast<Form1 *>(Module1::TargetForm.data()))
        if (QAction *item = target->menuItem(QStringLiteral("IDM_VIEW_TAGTOOL")))
            item->setChecked(false);
}

void MDIForm1::runOnTarget(const QString &name)
{
    if (auto *target = qobject_cast<Form1 *>(Module1::TargetForm.data()))
        target->runByName(name);
}

void MDIForm1::Toolbar1_ButtonClick(int index)
{
    FindActiveDocument();
    switch (index) {
    case 1: IDM_NEWHTML(); break;
    case 2: IDM_NEWCSS(); break;
    case 3: IDM_NEWJS(); break;
    case 5: IDM_FILEOPEN(); break;
    case 6: runOnTarget(QStringLiteral("IDM_SAVE")); break;
    case 7: runOnTarget(QStringLiteral("IDM_SAVEAS")); break;
    case 8: IDM_ALLSAVE(); break;
    case 10: runOnTarget(QStringLiteral("IDM_FILECLOSE")); break;
    case 11: IDM_ALLCLOSE(); break;
    case 13: runOnTarget(QStringLiteral("IDM_PRINT")); break;
    case 15: runOnTarget(QStringLiteral("IDM_CUT")); break;
    case 16: runOnTarget(QStringLiteral("IDM_COPY")); break;
    case 17: runOnTarget(QStringLiteral("IDM_PASTE")); break;
    case 18: runOnTarget(QStringLiteral("IDM_DEL")); break;
    case 20: runOnTarget(QStringLiteral("IDM_UNDO")); break;
    case 22: runOnTarget(QStringLiteral("IDM_FIND")); break;
    case 23: runOnTarget(QStringLiteral("IDM_LINK_CHK")); break;
    case 25: runOnTarget(QStringLiteral("txtIndent")); break;
    case 26: runOnTarget(QStringLiteral("txtUnIndent")); break;
    default: break;
    }
}

void MDIForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    m_toolbar3->applyFrameHeight(height());
}


void MDIForm1::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DroppedFiles::localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MDIForm1::dropEvent(QDropEvent *event)
{
    // Only the first dropped file is opened; a drop without files does nothing.
    const QStringList paths = DroppedFiles::localFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    const QString path = paths.first();
    event->acceptProposedAction();
    Fname = path;
    DragFileOpen(path);
}
