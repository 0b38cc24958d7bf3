#pragma once

#include "shared/dialogseam.h"

#include <QList>

#include <functional>
#include <QString>
#include <QStringList>

// Answers the program's dialogs in advance and records what was asked.
// Installed for the lifetime of the object.
class TestSeam : public DialogSeam
{
public:
    struct Message {
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };
    struct FileRequest {
        QString title;
        QString filter;
        QString startPath;
    };

    TestSeam();
    ~TestSeam() override;

    // Queued answers, used first in first out. An empty queue answers
    // Cancel / Ok, "" (cancelled) and an invalid colour.
    QList<QMessageBox::StandardButton> buttons;
    QStringList openNames;
    QStringList saveNames;
    QList<QColor> colours;
    QList<int> choices; // indexes of the buttons of choice(); empty: the escape button
    QString printFile; // where "printing" goes, as PDF; empty: no printer

    // Run while a message is "shown", e.g. to move the keyboard elsewhere as
    // a desktop may do while a real box is up.
    std::function<void()> whileMessageShown;

    QList<Message> messages; // choice() questions too, as Question
    QList<QStringList> choiceButtons;
    QList<FileRequest> openRequests;
    QList<FileRequest> saveRequests;

    QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                        const QString &text, QMessageBox::StandardButtons buttons) override;
    int choice(QWidget *parent, const QString &title, const QString &text, const QStringList &buttons,
               int defaultIndex, int escapeIndex) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &filter,
                         const QString &startPath) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &filter,
                         const QString &startPath) override;
    QColor colour(QWidget *parent, const QColor &initial) override;
    std::unique_ptr<QPrinter> printer(QWidget *parent) override;
};
