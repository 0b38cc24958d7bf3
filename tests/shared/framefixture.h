#pragma once

#include "testseam.h"

#include "document/form1.h"
#include "document/richtextbox1.h"
#include "frame/mdiform1.h"
#include "shared/module1.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path(name);
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

    // Types into the active document's source as a user would.
    void type(const QString &keys)
    {
        Form1 *doc = active();
        QTest::keyClicks(doc->richTextBox1(), keys);
    }
};
