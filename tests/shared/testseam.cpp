#include "testseam.h"

#include <QPrinter>

TestSeam::TestSeam()
{
    DialogSeam::setInstance(this);
}

TestSeam::~TestSeam()
{
    DialogSeam::setInstance(nullptr);
}

QMessageBox::StandardButton TestSeam::message(QWidget *, QMessageBox::Icon icon, const QString &title,
                                              const QString &text, QMessageBox::StandardButtons allowed)
{
    messages.append({icon, title, text});
    if (whileMessageShown)
        whileMessageShown();
    if (!buttons.isEmpty())
        return buttons.takeFirst();
    if (allowed & QMessageBox::Cancel)
        return QMessageBox::Cancel;
    return QMessageBox::Ok;
}

int TestSeam::choice(QWidget *, const QString &title, const QString &text, const QStringList &buttons, int,
                     int escapeIndex)
{
    messages.append({QMessageBox::Question, title, text});
    choiceButtons.append(buttons);
    return choices.isEmpty() ? escapeIndex : choices.takeFirst();
}

QString TestSeam::openFileName(QWidget *, const QString &title, const QString &filter, const QString &startPath)
{
    openRequests.append({title, filter, startPath});
    return openNames.isEmpty() ? QString() : openNames.takeFirst();
}

QString TestSeam::saveFileName(QWidget *, const QString &title, const QString &filter, const QString &startPath)
{
    saveRequests.append({title, filter, startPath});
    return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
}

QColor TestSeam::colour(QWidget *, const QColor &)
{
    return colours.isEmpty() ? QColor() : colours.takeFirst();
}

std::unique_ptr<QPrinter> TestSeam::printer(QWidget *)
{
    if (printFile.isEmpty())
        return nullptr;
    auto printer = std::make_unique<QPrinter>();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(printFile);
    return printer;
}
