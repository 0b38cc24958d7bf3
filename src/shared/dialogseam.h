#pragma once

#include <QColor>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <memory>

class QPrinter;
class QWidget;

// Every message box and common dialog goes through here, so that tests can
// answer them in advance. Production uses the real Qt dialogs.
class DialogSeam
{
public:
    virtual ~DialogSeam() = default;

    static DialogSeam &instance();
    // Installs a replacement (tests); nullptr restores the real dialogs.
    static void setInstance(DialogSeam *seam);

    virtual QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon,
                                                const QString &title, const QString &text,
                                                QMessageBox::StandardButtons buttons);
    // A question with buttons of its own: the index of the chosen one in
    // `buttons`; `escapeIndex` when the box is closed without a choice.
    virtual int choice(QWidget *parent, const QString &title, const QString &text, const QStringList &buttons,
                       int defaultIndex, int escapeIndex);
    // Filters come in the form "description|patterns|description|patterns".
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &filter,
                                 const QString &startPath);
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &filter,
                                 const QString &startPath);
    // An invalid colour means the user cancelled.
    virtual QColor colour(QWidget *parent, const QColor &initial);
    // A printer ready to print on, or nullptr when there is none or the user cancelled.
    virtual std::unique_ptr<QPrinter> printer(QWidget *parent);

    // Convenience wrappers used throughout the program.
    static void information(QWidget *parent, const QString &title, const QString &text);
    static void warning(QWidget *parent, const QString &title, const QString &text);
};
