#include "document/previewview.h"

#include "document/previewaddress.h"
#include "document/previewbrowser.h"
#include "document/previewrequestfilter.h"
#include "document/previewserver.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QUrl>
#include <QWidget>

PreviewView::PreviewView(QWidget *host)
    : QObject(host)
    , m_host(host)
{
}

PreviewView::~PreviewView()
{
    // The view is a child of the host and goes with it; the file goes here.
    leave();
}

bool PreviewView::createView(QString *error)
{
    // The page and all it links come from the preview's server; a local page
    // the user drops in is moved there too, and reads no file of its own.
    auto filter = std::make_shared<PreviewRequestFilter>();
    PreviewBrowser::Hooks hooks;
    hooks.filter = [filter](const PreviewBrowser::Request &request) { return filter->decide(request); };
    QPointer<PreviewView> self(this);
    hooks.loadFinished = [self](bool ok) {
        if (self)
            emit self->loadFinished(ok);
    };
    m_browser = PreviewBrowser::make(m_host, hooks, error);
    if (!m_browser)
        return false;
    m_filter = filter;
    m_view = m_browser->view();
    m_view->setObjectName(QStringLiteral("WebBrowser1"));
    m_view->hide();
    // The browser's inner widgets come and go with its pages: watch the keys
    // at the application and keep those meant for the browser.
    qApp->installEventFilter(this);
    return true;
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
        const QUrl folder = PreviewAddress::fresh(written.baseFolder, PreviewServer::instance()->port());
        const QString based = PreviewFile::withBaseFolder(text, folder);
        if (based.size() != text.size())
            written = m_file.write(based, documentPath, format);
    }
    if (!written.ok) {
        outcome.error = written.error;
        outcome.unencodablePosition = written.unencodablePosition;
        return outcome;
    }
    if (!m_view && !createView(&outcome.error)) {
        m_file.remove();
        return outcome;
    }
    // A page that declares no charset is read in the encoding it was written in.
    m_browser->setDefaultTextEncoding(textEncodingName(format.encoding));
    // The same file keeps its address, so the engine takes a new load of it
    // as a reload and keeps the scroll position.
    if (PreviewAddress::localPath(m_address) != QDir::cleanPath(written.path)) {
        forgetAddress();
        m_address = PreviewServer::instance()->lasting(written.path);
        m_filter->setPage(m_address);
    }
    // What the last page loaded is no longer served.
    m_filter->forget();
    m_browser->load(m_address);
    outcome.ok = true;
    return outcome;
}

void PreviewView::leave()
{
    m_file.remove();
    forgetAddress();
}

void PreviewView::forgetAddress()
{
    if (m_filter)
        m_filter->forget();
    if (!m_address.isEmpty())
        PreviewServer::instance()->revoke(m_address.host());
    m_address.clear();
}
