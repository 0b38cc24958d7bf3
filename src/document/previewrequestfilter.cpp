#include "document/previewrequestfilter.h"

void PreviewRequestFilter::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    if (info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeXhr && info.requestUrl().isLocalFile())
        info.block(true);
}
