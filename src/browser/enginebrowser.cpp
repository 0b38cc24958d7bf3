#include "browser/enginebrowser.h"

#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

namespace {

class Interceptor : public QWebEngineUrlRequestInterceptor
{
public:
    Interceptor(std::function<PreviewBrowser::Verdict(const PreviewBrowser::Request &)> filter, QObject *parent)
        : QWebEngineUrlRequestInterceptor(parent)
        , m_filter(std::move(filter))
    {
    }

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (!m_filter)
            return;
        PreviewBrowser::Request request;
        request.url = info.requestUrl();
        request.initiator = info.initiator();
        switch (info.resourceType()) {
        case QWebEngineUrlRequestInfo::ResourceTypeMainFrame:
            request.resource = PreviewBrowser::Resource::Page;
            break;
        // XMLHttpRequest and fetch alike.
        case QWebEngineUrlRequestInfo::ResourceTypeXhr:
            request.resource = PreviewBrowser::Resource::Read;
            break;
        case QWebEngineUrlRequestInfo::ResourceTypeMedia:
            request.resource = PreviewBrowser::Resource::Media;
            break;
        default:
            request.resource = PreviewBrowser::Resource::Other;
            break;
        }
        const PreviewBrowser::Verdict verdict = m_filter(request);
        if (verdict.refuse)
            info.block(true);
        else if (!verdict.redirect.isEmpty())
            info.redirect(verdict.redirect);
    }

private:
    std::function<PreviewBrowser::Verdict(const PreviewBrowser::Request &)> m_filter;
};

} // namespace

EngineBrowser::EngineBrowser(QWidget *parent, const PreviewBrowser::Hooks &hooks)
    : QWebEngineView(parent)
{
    // Whatever the page reads comes through the program's filter, never
    // straight from the disk.
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    // Made after the page, so it outlives it when the view goes.
    page()->setUrlRequestInterceptor(new Interceptor(hooks.filter, this));
    if (hooks.loadFinished)
        connect(this, &QWebEngineView::loadFinished, this, hooks.loadFinished);
}

void EngineBrowser::setDefaultTextEncoding(const QString &name)
{
    settings()->setDefaultTextEncoding(name);
}

extern "C" Q_DECL_EXPORT PreviewBrowser *tovaloMakePreviewBrowser(QWidget *parent, const PreviewBrowser::Hooks &hooks)
{
    return new EngineBrowser(parent, hooks);
}
