#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class QWidget;

// The loaded forms in load order: the frame first, then document windows and
// dialogs as they are created. A form leaves the list when it is destroyed.
// Searches for "the first form whose caption begins with a key" walk this list.
class FormRegistry
{
public:
    static void add(QWidget *form);
    static void remove(QWidget *form);
    static QList<QWidget *> forms();

    // A form's caption is its window title; its name is its object name
    // ("MDIForm1", "Form1", or the dialog's class name).
    static QString caption(const QWidget *form);
    static QString name(const QWidget *form);

    // The first form whose caption's first three characters equal those of key.
    static QWidget *findByKey(const QString &key);
};
