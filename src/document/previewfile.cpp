#include "document/previewfile.h"

#include "document/documentfile.h"
#include "document/textcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QUrl>

#include <algorithm>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A hidden name, so the working-folder view and file lists don't show it.
const QString NameTemplate = QStringLiteral(".tovalo-preview-XXXXXX.html");

// Every preview file in use, for an ending that has no time to close windows.
std::vector<PreviewFile *> &livePreviews()
{
    static std::vector<PreviewFile *> previews;
    return previews;
}

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

QString PreviewFile::withBaseFolder(const QString &text, const QUrl &folder)
{
    if (findStartTag(text, QLatin1String("base")) >= 0)
        return text;
    QString href = QString::fromLatin1(folder.toEncoded());
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

PreviewFile::PreviewFile()
{
    livePreviews().push_back(this);
}

PreviewFile::~PreviewFile()
{
    remove();
    auto &previews = livePreviews();
    previews.erase(std::remove(previews.begin(), previews.end(), this), previews.end());
}

void PreviewFile::removeAll()
{
    for (PreviewFile *preview : livePreviews())
        preview->remove();
}

QString PreviewFile::path() const
{
    return m_file ? m_file->fileName() : QString();
}

QString PreviewFile::preferredFolder(const QString &documentPath)
{
    if (documentPath.isEmpty())
        return QDir::tempPath();
    return QFileInfo(documentPath).absolutePath();
}

PreviewFile::Encoded PreviewFile::encode(const QString &text, const TextFileFormat &readFormat)
{
    Encoded out;
    const TextFileFormat format = DocumentFile::formatForSaving(text, readFormat);
    const QString encodingName = textEncodingName(format.encoding);
    if (!TextCodec::isAvailable(format.encoding)) {
        out.error = QStringLiteral("文字コード %1 を扱えないため、ページを書き出せません。").arg(encodingName);
        return out;
    }
    qsizetype position = -1;
    std::optional<QByteArray> bytes = DocumentFile::encode(text, format, &position);
    if (!bytes) {
        out.unencodablePosition = position;
        const QString why = position < 0
            ? QStringLiteral("このページは、その文字コード（%1）では正しく書き表せません。").arg(encodingName)
            : QStringLiteral("「%1」（%2行目）は、このページの文字コード（%3）では表せない文字です。")
                  .arg(TextCodec::characterName(text, position),
                       QString::number(QStringView(text).left(position).count(u'\n') + 1), encodingName);
        out.error = why
            + QStringLiteral("プレビューはページをこの文字コードで書き出してブラウザーに読ませるため、"
                             "表せない文字があると表示できません。"
                             "その文字を別の文字に置き換えるか、文字コードの宣言を変えてください。");
        return out;
    }
    out.bytes = std::move(*bytes);
    return out;
}

bool PreviewFile::nameIsOurs() const
{
    struct stat held {};
    struct stat named {};
    return m_file && ::fstat(m_file->handle(), &held) == 0
        && ::lstat(QFile::encodeName(m_file->fileName()).constData(), &named) == 0 && held.st_dev == named.st_dev
        && held.st_ino == named.st_ino;
}

PreviewFile::Result PreviewFile::writeIn(const QString &folder, const QByteArray &bytes)
{
    Result result;
    if (m_file && (!nameIsOurs() || QFileInfo(m_file->fileName()).absolutePath() != QFileInfo(folder).absoluteFilePath()))
        remove();
    if (!m_file) {
        // QTemporaryFile opens with O_EXCL under a fresh name: it can only
        // ever make a new file, never open one that is already there.
        auto file = std::make_unique<QTemporaryFile>(QDir(folder).filePath(NameTemplate));
        file->setAutoRemove(false);
        if (!file->open()) {
            result.error = QStringLiteral("フォルダー「%1」にプレビュー用のファイルを作れません。")
                               .arg(QDir::toNativeSeparators(folder));
            return result;
        }
        m_file = std::move(file);
    }
    const bool written = m_file->resize(0) && m_file->seek(0) && m_file->write(bytes) == bytes.size()
                         && m_file->flush();
    if (!written) {
        result.error = QStringLiteral("プレビュー用のファイル「%1」に書き込めません（%2）。")
                           .arg(QDir::toNativeSeparators(m_file->fileName()), m_file->errorString());
        remove();
        return result;
    }
    result.ok = true;
    result.path = m_file->fileName();
    return result;
}

PreviewFile::Result PreviewFile::write(const QString &text, const QString &documentPath,
                                       const TextFileFormat &format)
{
    const QString base = preferredFolder(documentPath);
    if (base != m_folder)
        remove(); // the document was saved elsewhere: its old preview goes
    m_folder = base;

    Result result;
    const Encoded encoded = encode(text, format);
    if (encoded.error.isEmpty()) {
        result = writeIn(base, encoded.bytes);
        const QString temp = QDir::tempPath();
        const bool baseIsTemp = QFileInfo(base).absoluteFilePath() == QFileInfo(temp).absoluteFilePath();
        // A folder we can't write to must not stop the preview; the page's
        // links still lead into the document's folder.
        if (!result.ok && !baseIsTemp) {
            Result fallback = writeIn(temp, encoded.bytes);
            if (fallback.ok)
                result = fallback;
            else if (fallback.error != result.error)
                result.error += QLatin1Char('\n') + fallback.error;
        }
    } else {
        remove();
        result.error = encoded.error;
        result.unencodablePosition = encoded.unencodablePosition;
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
    if (!m_file)
        return;
    // Only the file this object made goes: whatever now stands under its
    // name is left alone.
    if (nameIsOurs())
        QFile::remove(m_file->fileName());
    m_file.reset();
}
