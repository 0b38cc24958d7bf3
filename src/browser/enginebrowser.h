#pragma once

#include "document/previewbrowser.h"

#include <QWebEngineView>

// The preview's browser as the module makes it: the engine's view, asking
// the program about every load of the page.
class EngineBrowser : public QWebEngineView, public PreviewBrowser
{
public:
    EngineBrowser(QWidget *parent, const PreviewBrowser::Hooks &hooks);

    QWidget *view() override { return this; }
    void setDefaultTextEncoding(const QString &name) override;
    void load(const QUrl &address) override { QWebEngineView::load(address); }
};
