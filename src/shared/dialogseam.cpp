#include "shared/dialogseam.h"

#include "shared/filefilter.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace {
DialogSeam *g_override = nullptr;
}

DialogSeam &DialogSeam::instance()
{
    static DialogSeam real;
    return g_override ? *g_override : real;
}

void DialogSeam::setInstance(DialogSeam *seam)
{
    g_override = seam;
}

QMessageBox::StandardButton DialogSeam::message(QWidget *parent, QMessageBox::Icon icon,
                                                const QString &title, const QString &text,
                                                QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

int DialogSeam::choice(QWidget *parent, const QString &title, const QString &text, const QStringList &buttons,
                       int defaultIndex, int escapeIndex)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton *> made;
    for (const QString &caption : buttons)
        made << box.addButton(caption, QMessageBox::AcceptRole);
    box.setDefaultButton(qobject_cast<QPushButton *>(made.value(defaultIndex)));
    box.setEscapeButton(made.value(escapeIndex));
    box.exec();
    const int chosen = int(made.indexOf(box.clickedButton()));
    return chosen < 0 ? escapeIndex : chosen;
}

QString DialogSeam::openFileName(QWidget *parent, const QString &title, const QString &filter,
                                 const QString &startPath)
{
    return QFileDialog::getOpenFileName(parent, title, startPath, FileFilter::toQt(filter));
}

QString DialogSeam::saveFileName(QWidget *parent, const QString &title, const QString &filter,
                                 const QString &startPath)
{
    // The chosen name is used as typed (no default suffix). Whether to
    // replace an existing file is asked by the caller, so that it is asked
    // through here.
    return QFileDialog::getSaveFileName(parent, title, startPath, FileFilter::toQt(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QColor DialogSeam::colour(QWidget *parent, const QColor &initial)
{
    return QColorDialog::getColor(initial, parent);
}

std::unique_ptr<QPrinter> DialogSeam::printer(QWidget *parent)
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        warning(parent, QStringLiteral("注意"),
                QStringLiteral("プリンタが見つかりません。印刷するにはプリンタを設定してください。"));
        return nullptr;
    }
    return std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter());
}

void DialogSeam::information(QWidget *parent, const QString &title, const QString &text)
{
    instance().message(parent, QMessageBox::Information, title, text, QMessageBox::Ok);
}

void DialogSeam::warning(QWidget *parent, const QString &title, const QString &text)
{
    instance().message(parent, QMessageBox::Warning, title, text, QMessageBox::Ok);
}
