#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

// The preview's browser. The engine behind it is by far the largest library
// the program uses, and many sessions never preview, so it lives in a module
// of its own that the first preview loads; until then the program neither
// maps nor starts it.
//
// Only this header is shared with the module: it holds no code of the
// program's, so the module needs nothing from the program but these calls.
class PreviewBrowser
{
public:
    // What a load is for, as far as the preview's rules care.
    enum class Resource { Page, Read, Media, Other };

    struct Request {
        QUrl url;
        QUrl initiator; // the page that asked; empty for the engine's own loads
        Resource resource = Resource::Other;
    };

    struct Verdict {
        bool refuse = false;
        QUrl redirect; // empty: the load goes where it asked
    };

    struct Hooks {
        std::function<Verdict(const Request &)> filter;
        std::function<void(bool ok)> loadFinished;
    };

    virtual ~PreviewBrowser() = default;

    // The browser's widget, a child of the parent it was made in and deleted
    // with it (this object goes with it).
    virtual QWidget *view() = 0;
    // The encoding of a page that declares none.
    virtual void setDefaultTextEncoding(const QString &name) = 0;
    virtual void load(const QUrl &address) = 0;

    // Loads the module on the first call and makes a browser in `parent`.
    // nullptr when the module can't be loaded, with the reason for the user
    // in *error.
    static PreviewBrowser *make(QWidget *parent, const Hooks &hooks, QString *error);

    // What the engine needs settled before the application object is made,
    // though the module comes later. (Its OpenGL context comes with it.)
    static void prepareApplication();
};

// The one symbol the module exports, unmangled.
using MakePreviewBrowser = PreviewBrowser *(*)(QWidget *parent, const PreviewBrowser::Hooks &hooks);
#define TOVALO_MAKE_PREVIEW_BROWSER "tovaloMakePreviewBrowser"
