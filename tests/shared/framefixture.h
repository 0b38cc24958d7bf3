#pragma once

#include "testseam.h"

#include "document/form1.h"
#include "document/richtextbox1.h"
#include "frame/commandline.h"
#include "frame/mdiform1.h"
#include "shared/module1.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// A frame started as the program starts it, with its dialogs answered by a
// test seam and a temporary folder for files.
struct FrameFixture {
    TestSeam seam;
    QTemporaryDir dir;
    std::unique_ptr<MDIForm1> frame;

    explicit FrameFixture(const QString &commandLine = QString())
    {
        Module1::reset();
        frame = std::make_unique<MDIForm1>();
        frame->show();
        frame->startUp(commandLine);
        settle();
    }

    // Started with the words of a command line, as the program reads them.
    explicit FrameFixture(const QStringList &words)
    {
        Module1::reset();
        frame = std::make_unique<MDIForm1>();
        frame->show();
        frame->startUp(CommandLine::pathsToOpen(words));
        settle();
    }

    ~FrameFixture()
    {
        frame.reset();
        settle();
    }

    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    QString writeFile(const QString &name, const QByteArray &bytes) const
    {
        writeFileAt(path(name), bytes);
        return path(name);
    }

    static void writeFileAt(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    Form1 *active() const
    {
        const QList<Form1 *> docs = frame->documents();
        for (Form1 *doc : docs)
            if (doc->windowTitle().left(3) == Module1::ActiveKey)
                return doc;
        return nullptr;
    }

    Form1 *openFile(const QString &path)
    {
        frame->DragFileOpen(path);
        settle();
        return active();
    }

    // Opens a modal dialog with `open` (a menu item, a key) and runs `steps`
    // on it once it is up, inside its own event loop. A dialog the steps leave
    // open is cancelled, so a test can never hang. False when no dialog of
    // that type came up.
    template <typename Dialog, typename Open, typename Steps>
    static bool whileModal(Open open, Steps steps)
    {
        bool reached = false;
        QTimer::singleShot(0, [&] {
            if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
                reached = true;
                steps(dialog);
            }
            if (auto *still = qobject_cast<Dialog *>(QApplication::activeModalWidget()))
                still->reject();
        });
        open();
        settle();
        return reached;
    }

    // A menu's items by object name, "-" for a separator.
    static QStringList itemNames(const QMenu *menu)
    {
        QStringList names;
        for (QAction *action : menu->actions())
            names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
        return names;
    }

    // A click where a check box or an option button takes it: on its mark,
    // not in the empty width a layout may give it.
    static void clickMark(QWidget *button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    // A double-click as the mouse makes it: press, release, double-click, release.
    static void doubleClick(QWidget *widget, QPoint position)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, position);
        QTest::mouseDClick(widget, Qt::LeftButton, {}, position);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, position);
    }

    // Types into the active document's source as a user would.
    void type(const QString &keys)
    {
        Form1 *doc = active();
        QTest::keyClicks(doc->richTextBox1(), keys);
    }
};
