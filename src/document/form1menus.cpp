#include "document/form1.h"

#include "commands/editmenu.h"
#include "document/documentframe.h"
#include "document/richtextbox1.h"
#include "shared/dialogseam.h"
#include "shared/menuitem.h"
#include "shared/module1.h"

#include <QAction>
#include <QMenu>
#include <QPrinter>

void Form1::buildMenus()
{
    Form1 *form = this;
    DocumentFrame *frame = m_frame;
    // The frame outlives its windows, and so their menus.
    auto run = [frame](void (DocumentFrame::*command)()) { return [frame, command] { (frame->*command)(); }; };
    QMenu *file = MenuItem::addMenu(form, "IDM_FILE", QStringLiteral("ファイル(&F)"));
    QObject::connect(MenuItem::add(file, "IDM_NEWHTML", QStringLiteral("新規HTML文書作成(&N)"), QKeySequence(QStringLiteral("Ctrl+N"))),
            &QAction::triggered, form, run(&DocumentFrame::IDM_NEWHTML));
    QObject::connect(MenuItem::add(file, "IDM_NEWCSS", QStringLiteral("新規スタイルシート作成")), &QAction::triggered, form,
            run(&DocumentFrame::IDM_NEWCSS));
    QObject::connect(MenuItem::add(file, "IDM_NEWJS", QStringLiteral("新規JavaScript作成")), &QAction::triggered, form,
            run(&DocumentFrame::IDM_NEWJS));
    file->addSeparator();
    QObject::connect(MenuItem::add(file, "IDM_FILEOPEN", QStringLiteral("ファイルを開く(&O)..."), QKeySequence(QStringLiteral("Ctrl+O"))),
            &QAction::triggered, form, run(&DocumentFrame::IDM_FILEOPEN));
    file->addSeparator();
    QObject::connect(MenuItem::add(file, "IDM_SAVE", QStringLiteral("上書き保存(&S)"), QKeySequence(QStringLiteral("Ctrl+S"))),
            &QAction::triggered, form, &Form1::IDM_SAVE);
    QObject::connect(MenuItem::add(file, "IDM_SAVEAS", QStringLiteral("名前を付けて保存(&A)...")), &QAction::triggered, form,
            &Form1::IDM_SAVEAS);
    QObject::connect(MenuItem::add(file, "IDM_ALLSAVE", QStringLiteral("全て保存")), &QAction::triggered, form,
            run(&DocumentFrame::IDM_ALLSAVE));
    file->addSeparator();
    QObject::connect(MenuItem::add(file, "IDM_FILECLOSE", QStringLiteral("閉じる(&C)")), &QAction::triggered, form,
            &Form1::IDM_FILECLOSE);
    QObject::connect(MenuItem::add(file, "IDM_ALLCLOSE", QStringLiteral("全て閉じる(&D)")), &QAction::triggered, form,
            run(&DocumentFrame::IDM_ALLCLOSE));
    file->addSeparator();
    QObject::connect(MenuItem::add(file, "IDM_PRINT", QStringLiteral("印刷(&P)..."), QKeySequence(QStringLiteral("Ctrl+P"))),
            &QAction::triggered, form, [form] {
                if (auto printer = DialogSeam::instance().printer(form))
                    form->richTextBox1()->printTo(printer.get());
            });
    file->addSeparator();
    QObject::connect(MenuItem::add(file, "IDM_EXIT", QStringLiteral("終了(&X)"), QKeySequence(QStringLiteral("Ctrl+Q"))),
            &QAction::triggered, form, run(&DocumentFrame::IDM_EXIT));

    QMenu *edit = MenuItem::addMenu(form, "IDM_EDIT", QStringLiteral("編集(&E)"));
    m_editMenu = new EditMenu(form, edit);

    QMenu *view = MenuItem::addMenu(form, "IDM_VIEW", QStringLiteral("表示(&V)"));
    QAction *project = MenuItem::add(view, "IDM_VIEW_PROJECT", QStringLiteral("作業フォルダビュー(&D)"));
    project->setCheckable(true);
    project->setChecked(true);
    QObject::connect(project, &QAction::triggered, form, run(&DocumentFrame::toggleFolderView));
    QAction *advice = MenuItem::add(view, "IDM_VIEW_TAGTOOL", QStringLiteral("アドバイスバー(&T)"));
    advice->setCheckable(true);
    advice->setChecked(true);
    QObject::connect(advice, &QAction::triggered, form, run(&DocumentFrame::toggleAdviceBar));
    QAction *live = MenuItem::add(view, "IDM_LIVEPREVIEW", QStringLiteral("ライブプレビュー(&L)"),
                                  QKeySequence(QStringLiteral("Ctrl+F5")));
    live->setCheckable(true);
    QObject::connect(live, &QAction::toggled, form, &Form1::setLivePreview);

    QMenu *add = MenuItem::addMenu(form, "IDM_ADD", QStringLiteral("タグ挿入(&A)"));
    QMenu *colours = MenuItem::addSubMenu(add, "IDM_ADD_COLOR", QStringLiteral("色コードの入力(&C)"));
    QObject::connect(MenuItem::add(colours, "IDM_ADD_COLOR_W3C", QStringLiteral("W3C準拠16色")), &QAction::triggered, form,
            &Form1::IDM_ADD_COLOR_W3C);
    QObject::connect(MenuItem::add(colours, "IDM_ADD_COLOR94", QStringLiteral("256色時WinMac共通94色")), &QAction::triggered,
            form, &Form1::IDM_ADD_COLOR94);
    QObject::connect(MenuItem::add(colours, "IDM_ADD_COLOR141", QStringLiteral("NN,IE共通定義141色")), &QAction::triggered,
            form, &Form1::IDM_ADD_COLOR141);
    QObject::connect(MenuItem::add(colours, "IDM_WebSafe", QStringLiteral("Webセーフカラー216色")), &QAction::triggered, form,
            &Form1::IDM_WebSafe);
    QObject::connect(MenuItem::add(colours, "IDM_ADD_BINCOLOR", QStringLiteral("フルカラー色数値")), &QAction::triggered, form,
            &Form1::IDM_ADD_BINCOLOR);
    QObject::connect(MenuItem::add(add, "IDM_NORMAL", QStringLiteral("基本タグ簡単入力(&N)"), QKeySequence(QStringLiteral("Ctrl+F1"))),
            &QAction::triggered, form, &Form1::IDM_NORMAL);
    QObject::connect(MenuItem::add(add, "IDM_EDIT_PGPROP", QStringLiteral("ページ設定入力(&P)"), QKeySequence(QStringLiteral("Ctrl+F2"))),
            &QAction::triggered, form, &Form1::ShowSiteCfg);
    QObject::connect(MenuItem::add(add, "IDM_EDIT_PGTHEME", QStringLiteral("ページ配色設定(&T)"), QKeySequence(QStringLiteral("Ctrl+F3"))),
            &QAction::triggered, form, &Form1::ShowPageCfg);
    QObject::connect(MenuItem::add(add, "IDM_ADD_TABLE", QStringLiteral("テーブルタグ入力(&T)")), &QAction::triggered, form,
            &Form1::IDM_ADD_TABLE);
    QObject::connect(MenuItem::add(add, "IDM_ADD_IMG", QStringLiteral("イメージタグ入力(&I)")), &QAction::triggered, form,
            &Form1::IDM_ADD_IMG);
    QMenu *search = MenuItem::addMenu(form, "IDM_SEARCH", QStringLiteral("検索(&S)"));
    QObject::connect(MenuItem::add(search, "IDM_FIND", QStringLiteral("検索(&F)"), QKeySequence(QStringLiteral("Ctrl+F"))),
            &QAction::triggered, form, &Form1::IDM_FIND);
    QAction *nextFind = MenuItem::add(search, "IDM_NEXTFIND", QStringLiteral("次を検索(&N)"), QKeySequence(Qt::Key_F2));
    QObject::connect(nextFind, &QAction::triggered, form, &Form1::IDM_NEXTFIND);
    QObject::connect(MenuItem::add(search, "IDM_REPLACE", QStringLiteral("置換(&R)"), QKeySequence(QStringLiteral("Ctrl+H"))),
            &QAction::triggered, form, &Form1::IDM_REPLACE);
    // Greyed while open with nothing to repeat; F2 itself must stay live
    // after the menu closes, since a later find gives it something to do.
    QObject::connect(search, &QMenu::aboutToShow, nextFind, [nextFind] { nextFind->setEnabled(!Module1::LastFindText.isEmpty()); });
    QObject::connect(search, &QMenu::aboutToHide, nextFind, [nextFind] { nextFind->setEnabled(true); });
    QMenu *tool = MenuItem::addMenu(form, "IDM_TOOL", QStringLiteral("ツール(&T)"));
    // The restore point's item says what it will do.
    QObject::connect(tool, &QMenu::aboutToShow, form, [form] {
        if (QAction *backup = form->menuItem(QStringLiteral("IDM_CREATE_BACKUP")))
            backup->setText(form->restorePoint().menuCaption());
    });
    QObject::connect(MenuItem::add(tool, "IDM_EDITSOURCE", QStringLiteral("ソース編集(&E)"), QKeySequence(Qt::Key_F4)),
            &QAction::triggered, form, &Form1::IDM_EDITSOURCE);
    QObject::connect(MenuItem::add(tool, "IDM_PREVIEW", QStringLiteral("プレビュー表示(&P)"), QKeySequence(Qt::Key_F5)),
            &QAction::triggered, form, &Form1::IDM_PREVIEW);
    tool->addSeparator();
    QObject::connect(MenuItem::add(tool, "IDM_LINK_CHK", QStringLiteral("リンク切れチェック(&L)"), QKeySequence(Qt::Key_F6)),
            &QAction::triggered, form, &Form1::IDM_LINK_CHK);
    QObject::connect(MenuItem::add(tool, "IDM_SITE_LINK_CHK", QStringLiteral("サイト全体のリンク切れチェック(&W)"),
                                   QKeySequence(Qt::SHIFT | Qt::Key_F6)),
                     &QAction::triggered, form, run(&DocumentFrame::IDM_SITE_LINK_CHK));
    QObject::connect(MenuItem::add(tool, "IDM_CHK_GRAM", QStringLiteral("簡易文法チェック(&H)"), QKeySequence(Qt::Key_F7)),
            &QAction::triggered, form, run(&DocumentFrame::ErrChk_Click));
    QObject::connect(MenuItem::add(tool, "IDM_MAKE_GRADATION", QStringLiteral("グラデーション作成"), QKeySequence(Qt::Key_F8)),
            &QAction::triggered, form, &Form1::IDM_MAKE_GRADATION);
    tool->addSeparator();
    QObject::connect(MenuItem::add(tool, "IDM_CREATE_BACKUP", form->restorePoint().menuCaption()), &QAction::triggered, form,
            &Form1::IDM_CREATE_BACKUP);

    QMenu *window = MenuItem::addMenu(form, "IDM_WINDOW", QStringLiteral("ウィンドウ(&W)"));
    frame->fillWindowMenu(window);

    QMenu *help = MenuItem::addMenu(form, "IDM_HELP", QStringLiteral("ヘルプ"));
    QObject::connect(MenuItem::add(help, "IDM_ABOUT", QStringLiteral("バージョン情報(&A)...")), &QAction::triggered, form,
            run(&DocumentFrame::IDM_ABOUT));
    QObject::connect(MenuItem::add(help, "IDM_HELP_MAIN", QStringLiteral("ヘルプ目次")), &QAction::triggered, form,
            run(&DocumentFrame::IDM_HELP_MAIN));

    m_menus = {file, edit, view, add, search, tool, window, help};
}
