#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The image files the image tag dialog lists: GIF, PNG and JPEG always, WebP
// and SVG where the installed image plugins read them. The formats are those
// the image reader reports, passed in so this stays free of the GUI library.
class ImageExtensions
{
public:
    // Lower-case extensions, in the order the list shows them.
    static QStringList extensions(const QList<QByteArray> &supportedFormats);
    // "*.gif" and so on, for the file list's name filter.
    static QStringList patterns(const QList<QByteArray> &supportedFormats);
    // Whether a file name ends in one of the extensions, in any letter case.
    static bool isImage(const QString &fileName, const QList<QByteArray> &supportedFormats);
};
