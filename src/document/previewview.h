#pragma once

#include "document/previewfile.h"

#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <memory>

class PreviewBrowser;
class PreviewRequestFilter;

// The browser side of a document window: the view WebBrowser1, made on the
// first preview and never before (the browser engine is heavy to start), and
// the file it shows the page from.
class PreviewView : public QObject
{
    Q_OBJECT

public:
    explicit PreviewView(QWidget *host);
    ~PreviewView() override;

    // nullptr until the first preview.
    QWidget *WebBrowser1() const { return m_view; }

    struct Outcome {
        bool ok = false;
        QString error;                      // for the user, when ok is false
        qsizetype unencodablePosition = -1; // index in `text` of a character the encoding can't hold
    };

    // Writes `text` ("\n" line breaks) to the preview file of the document at
    // `documentPath` and lets the browser load it. The view stays hidden: the
    // window decides what it shows.
    Outcome show(const QString &text, const QString &documentPath, const TextFileFormat &format);

    // Deletes the preview file, if one is there; the page already loaded stays.
    void leave();

    // The file now shown; empty when there is none.
    QString filePath() const { return m_file.path(); }
    // The address the browser loads it from; empty when there is none.
    QUrl address() const { return m_address; }

signals:
    void loadFinished(bool ok);
    // A key pressed in the browser, which keeps the window's shortcuts from
    // seeing it on some platforms; set *handled when the window used it.
    void keyPressed(const QKeySequence &keys, bool *handled);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool createView(QString *error);
    void forgetAddress();

    QWidget *m_host;
    QPointer<QWidget> m_view;
    PreviewBrowser *m_browser = nullptr; // goes with m_view
    PreviewFile m_file;
    // Shared with the browser, which may still ask while it goes.
    std::shared_ptr<PreviewRequestFilter> m_filter;
    QUrl m_address;
};
