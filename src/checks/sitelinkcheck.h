#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <functional>
#include <optional>

// The broken-link check of a whole site: every page under a folder, checked
// with the rules of the one-page check, and links to a place in another page
// ("page.html#part") checked against the ids and names that page defines.
class SiteLinkCheck
{
public:
    struct Finding {
        QString file;          // the page's absolute path
        qsizetype line = 1;    // 1-based
        qsizetype column = 1;  // 1-based, in characters
        qsizetype offset = 0;  // of the target in the page's text with "\n" line breaks
        QString target;
        QString reason;

        bool operator==(const Finding &other) const
        {
            return file == other.file && line == other.line && column == other.column && target == other.target
                   && reason == other.reason;
        }
    };

    // The ids and names of pages, read once each: from the texts handed in
    // (the open documents' unsaved texts), else from disk. A page that sends
    // the browser on (a refresh to another address) also holds the places of
    // the page it sends to.
    class Places
    {
    public:
        explicit Places(const QHash<QString, QString> &texts = {});
        // Nothing when the page can't be read.
        std::optional<QSet<QString>> of(const QString &path);
        void learn(const QString &path, QStringView text, const QSet<QString> &anchors);
        // The page's text: the handed-in one, else the file's; `error` set
        // when it can't be read.
        QString text(const QString &path, QString *error) const;

    private:
        struct Page {
            QSet<QString> anchors;
            QString sendsTo; // the page a refresh sends the browser to
            bool readable = true;
        };
        std::optional<QSet<QString>> of(const QString &path, int hops);

        QHash<QString, QString> m_texts;
        QHash<QString, Page> m_pages;
        QHash<QString, std::optional<QSet<QString>>> m_answers;
    };

    // The .html and .htm pages under `folder`, in every subfolder but hidden
    // ones, sorted.
    static QStringList pages(const QString &folder);
    // Each folder among `paths` replaced by its pages; files stay as given.
    static QStringList withFoldersExpanded(const QStringList &paths);

    // `texts`: unsaved texts by absolute path, used instead of the files.
    // `progress` is told the pages done and their number after each page; a set `cancel`
    // stops the run, which then returns what it found so far.
    static QVector<Finding> run(const QString &folder, const QHash<QString, QString> &texts = {},
                                const std::function<void(int, int)> &progress = {},
                                const std::atomic_bool *cancel = nullptr);

    // The links of one page to a place in another page that isn't there
    // (the one-page check leaves those alone): offsets in `text`.
    static QVector<Finding> placeFindings(const QString &path, const QString &text, Places &places);

    static QString missingFile();
    static QString missingPlace();
    static QString missingPlaceHere();
};
