#include "document/previewview.h"

#include "document/previewframehandler.h"
#include "document/previewrequestfilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QWidget>

PreviewView::PreviewView(QWidget *host)
    : QObject(host)
    , m_host(host)
{
}

PreviewView::~PreviewView()
{
    // The view is a child of the host and goes with it; the file goes here.
    m_file.remove();
}

void PreviewView::createView()
{
    m_view = new QWebEngineView(m_host);
    m_view->setObjectName(QStringLiteral("WebBrowser1"));
    m_view->hide();
    // Pages link their images and style sheets by file: allowed, as on the
    // site (without it the engine loads none of them). Their scripts' reads
    // of files are not: the filter stops them.
    m_view->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    m_view->page()->setUrlRequestInterceptor(new PreviewRequestFilter(m_view));
    PreviewFrameHandler::installOn(m_view->page()->profile());
    connect(m_view, &QWebEngineView::loadFinished, this, &PreviewView::loadFinished);
    // The browser's inner widgets come and go with its pages: watch the keys
    // at the application and keep those meant for the browser.
    qApp->installEventFilter(this);
}

bool PreviewView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !m_view || !m_view->isVisible())
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || (widget != m_view && !m_view->isAncestorOf(widget)))
        return false;
    bool handled = false;
    emit keyPressed(QKeySequence(static_cast<QKeyEvent *>(event)->keyCombination()), &handled);
    return handled;
}

PreviewView::Outcome PreviewView::show(const QString &text, const QString &documentPath, const TextFileFormat &format)
{
    Outcome outcome;
    PreviewFile::Result written = m_file.write(text, documentPath, format);
    if (written.ok && written.outsideBaseFolder) {
        // The document's folder could not take the file: the page is told
        // where its relative links lead instead.
        const QString based = PreviewFile::withBaseFolder(text, written.baseFolder);
        if (based.size() != text.size())
            written = m_file.write(based, documentPath, format);
    }
    if (!written.ok) {
        outcome.error = written.error;
        outcome.unencodablePosition = written.unencodablePosition;
        return outcome;
    }
    if (!m_view)
        createView();
    // A page that declares no charset is read in the encoding it was written in.
    m_view->settings()->setDefaultTextEncoding(textEncodingName(format.encoding));
    m_view->load(QUrl::fromLocalFile(written.path));
    outcome.ok = true;
    return outcome;
}

void PreviewView::leave()
{
    m_file.remove();
}
