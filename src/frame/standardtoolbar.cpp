#include "frame/standardtoolbar.h"

#include "shared/toolbaricons.h"

#include <QAction>
#include <QStyle>
#include <QToolButton>

namespace {
struct ButtonDef {
    const char *key;
    const char *tooltip;
    QStyle::StandardPixmap icon;
    bool built;
};

// Index 1 to 26 as designed. Separators have a null tooltip.
const ButtonDef kButtons[StandardToolbar::ButtonCount] = {
    {"htmlnew", "ＨＴＭＬ新規作成", QStyle::SP_FileIcon, true},
    {"cssnew", "スタイルシート作成", QStyle::SP_FileDialogDetailedView, true},
    {"jsnew", "JavaScript作成", QStyle::SP_FileDialogContentsView, true},
    {"-", nullptr, QStyle::SP_CustomBase, true},
    {"fopen", "ファイルを開く", QStyle::SP_DialogOpenButton, true},
    {"fsave", "上書き保存", QStyle::SP_DialogSaveButton, true},
    {"fsaveas", "別名で保存", QStyle::SP_DriveFDIcon, true},
    {"allsave", "全て保存", QStyle::SP_DriveHDIcon, true},
    {"--", nullptr, QStyle::SP_CustomBase, true},
    {"close", "閉じる", QStyle::SP_DialogCloseButton, true},
    {"allclose", "全て閉じる", QStyle::SP_DialogDiscardButton, true},
    {"", nullptr, QStyle::SP_CustomBase, true},
    {"print", "印刷", QStyle::SP_FileIcon, true},
    {"---", nullptr, QStyle::SP_CustomBase, true},
    {"cut", "切り取り", QStyle::SP_FileIcon, true},
    {"copy", "コピー", QStyle::SP_FileIcon, true},
    {"paste", "貼り付け", QStyle::SP_FileIcon, true},
    {"del", "削除", QStyle::SP_FileIcon, true},
    {"----", nullptr, QStyle::SP_CustomBase, true},
    {"undo", "取り消し", QStyle::SP_ArrowBack, true},
    {"-----", nullptr, QStyle::SP_CustomBase, true},
    {"find", "検索", QStyle::SP_FileDialogContentsView, true},
    {"dead_chk", "HDD内リンク切れチェック", QStyle::SP_MessageBoxWarning, true},
    {"", nullptr, QStyle::SP_CustomBase, true},
    {"indent", "インデント", QStyle::SP_ArrowRight, true},
    {"unindent", "アンインデント", QStyle::SP_ArrowLeft, true},
};
}

StandardToolbar::StandardToolbar(QWidget *parent)
    : QToolBar(parent)
    , m_buttons(ButtonCount + 1, nullptr)
{
    setObjectName(QStringLiteral("Toolbar1"));
    setWindowTitle(QStringLiteral("標準ツールバー"));
    setMovable(false);
    for (int index = 1; index <= ButtonCount; ++index) {
        const ButtonDef &def = kButtons[index - 1];
        if (!def.built)
            continue;
        QAction *action = nullptr;
        if (!def.tooltip) {
            action = addSeparator();
        } else {
            const QString key = QString::fromLatin1(def.key);
            const QString tip = QString::fromUtf8(def.tooltip);
            action = addAction(ToolbarIcons::has(key) ? ToolbarIcons::icon(key) : style()->standardIcon(def.icon), tip);
            action->setToolTip(tip);
            if (QWidget *tool = widgetForAction(action))
                tool->setAccessibleName(tip);
            connect(action, &QAction::triggered, this, [this, index] { emit buttonClicked(index); });
        }
        action->setObjectName(QString::fromLatin1(def.key));
        m_buttons[index] = action;
    }
}

QAction *StandardToolbar::button(int index) const
{
    return index >= 1 && index <= ButtonCount ? m_buttons.at(index) : nullptr;
}

int StandardToolbar::indexOf(const QString &key) const
{
    for (int index = 1; index <= ButtonCount; ++index)
        if (QString::fromLatin1(kButtons[index - 1].key) == key)
            return index;
    return 0;
}
