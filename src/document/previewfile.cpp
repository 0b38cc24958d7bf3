#include "document/previewfile.h"

#include "document/documentfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

// A hidden name, so the working-folder view and file lists don't show it.
const QString NameTemplate = QStringLiteral(".tovalo-preview-XXXXXX.html");

} // namespace

PreviewFile::~PreviewFile()
{
    remove();
}

QString PreviewFile::preferredFolder(const QString &documentPath)
{
    if (documentPath.isEmpty())
        return QDir::tempPath();
    return QFileInfo(documentPath).absolutePath();
}

QString PreviewFile::createIn(const QString &folder)
{
    // QTemporaryFile opens with O_EXCL under a fresh name: it can only ever
    // make a new file, never open one that is already there.
    QTemporaryFile file(QDir(folder).filePath(NameTemplate));
    file.setAutoRemove(false);
    if (!file.open())
        return QString();
    const QString path = file.fileName();
    file.close();
    return path;
}

PreviewFile::Result PreviewFile::writeIn(const QString &folder, const QString &text,
                                         const TextFileFormat &format)
{
    Result result;
    if (m_path.isEmpty() || QFileInfo(m_path).absolutePath() != QFileInfo(folder).absoluteFilePath()) {
        remove();
        m_path = createIn(folder);
        if (m_path.isEmpty()) {
            result.error = QStringLiteral("フォルダー「%1」にプレビュー用のファイルを作れません。")
                               .arg(QDir::toNativeSeparators(folder));
            return result;
        }
    }
    const DocumentFile::WriteResult written = DocumentFile::write(m_path, text, format);
    if (!written.ok) {
        remove();
        result.error = written.error;
        result.unencodablePosition = written.unencodablePosition;
        return result;
    }
    result.ok = true;
    result.path = m_path;
    return result;
}

PreviewFile::Result PreviewFile::write(const QString &text, const QString &documentPath,
                                       const TextFileFormat &format)
{
    const QString base = preferredFolder(documentPath);
    if (base != m_folder)
        remove(); // the document was saved elsewhere: its old preview goes
    m_folder = base;

    Result result = writeIn(base, text, format);
    const QString temp = QDir::tempPath();
    const bool baseIsTemp = QFileInfo(base).absoluteFilePath() == QFileInfo(temp).absoluteFilePath();
    // A folder we can't write to must not stop the preview; the page's links
    // still lead into the document's folder. Another folder can't help a
    // character the encoding can't hold, though.
    if (!result.ok && result.unencodablePosition < 0 && !baseIsTemp) {
        Result fallback = writeIn(temp, text, format);
        if (fallback.ok)
            result = fallback;
        else if (fallback.error != result.error)
            result.error += QLatin1Char('\n') + fallback.error;
    }
    if (!result.ok)
        result.error = QStringLiteral("プレビューを表示できません。\n") + result.error;
    result.baseFolder = base;
    result.outsideBaseFolder =
        result.ok && QFileInfo(result.path).absolutePath() != QFileInfo(base).absoluteFilePath();
    return result;
}

void PreviewFile::remove()
{
    if (m_path.isEmpty())
        return;
    QFile::remove(m_path);
    m_path.clear();
}
