#include "document/previewfile.h"

#include "document/documentfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QUrl>

namespace {

// A hidden name, so the working-folder view and file lists don't show it.
const QString NameTemplate = QStringLiteral(".tovalo-preview-XXXXXX.html");

// The index of the first "<name" start tag (any letter case, followed by a
// blank, "/" or ">"), or -1.
qsizetype findStartTag(const QString &text, QLatin1String name)
{
    qsizetype from = 0;
    while (true) {
        const qsizetype at = text.indexOf(QLatin1Char('<') + name, from, Qt::CaseInsensitive);
        if (at < 0)
            return -1;
        const qsizetype after = at + 1 + name.size();
        if (after >= text.size())
            return -1;
        const QChar next = text.at(after);
        if (next.isSpace() || next == u'>' || next == u'/')
            return at;
        from = after;
    }
}

} // namespace

QString PreviewFile::withBaseFolder(const QString &text, const QString &folder)
{
    if (findStartTag(text, QLatin1String("base")) >= 0)
        return text;
    QString href = QString::fromLatin1(QUrl::fromLocalFile(QDir(folder).absolutePath()).toEncoded());
    if (!href.endsWith(QLatin1Char('/')))
        href += QLatin1Char('/');
    // Percent-encoded, the address is plain ASCII: any encoding holds it.
    const QString tag = QStringLiteral("<base href=\"%1\">").arg(href);
    qsizetype insertAt = 0;
    const qsizetype head = findStartTag(text, QLatin1String("head"));
    if (head >= 0) {
        const qsizetype close = text.indexOf(QLatin1Char('>'), head);
        if (close >= 0)
            insertAt = close + 1;
    }
    QString out;
    out.reserve(text.size() + tag.size());
    out.append(QStringView(text).left(insertAt));
    out.append(tag);
    out.append(QStringView(text).sliced(insertAt));
    return out;
}

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
