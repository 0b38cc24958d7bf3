#pragma once

#include <QStringList>

class QMimeData;

// The local files of a drop, in the order the file manager gave them.
class DroppedFiles
{
public:
    static QStringList localFiles(const QMimeData *data);
};
