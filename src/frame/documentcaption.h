#pragma once

#include <QString>
#include <QStringList>

// A document window's caption is its identity: "[n]" + path + "  (" + kind + ")",
// or "[n]名称未設定ファイル  (" + kind + ")" while untitled. Its first three
// characters are the window's key.
class DocumentCaption
{
public:
    static QString forFile(int number, const QString &path, const QString &kind);
    static QString forUntitled(int number, const QString &kind);
    static QString key(const QString &caption) { return caption.left(3); }
    // The kind a caption names in its closing parentheses; empty when none.
    static QString kind(const QString &caption);

    // The lowest window number whose "[n" key no caption uses yet. Keys are
    // three characters, so from 100 on only "[" and two digits are compared.
    static int chooseNumber(const QStringList &captions);

    // The text of a document's tab, or a null string when the caption gets no tab.
    static QString tabText(const QString &caption);

    // The folder of a path, up to and including its last "/" (within the first
    // 5000 characters); empty when there is none.
    static QString folderOf(const QString &path);
};
