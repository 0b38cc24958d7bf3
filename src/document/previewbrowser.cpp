#include "document/previewbrowser.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QOpenGLContext>
#include <QStringList>
#include <QtGui/private/qopenglcontext_p.h>

#include <unistd.h>

namespace {

// Beside the program (its build folder), and where an installation puts it.
// The tests and the benchmark, elsewhere in the build folder, take the one
// this build made; an installed program never looks there.
QStringList modulePlaces()
{
    const QString name = QStringLiteral("libtovalo-browser.so");
    const QString here = QCoreApplication::applicationDirPath();
    QStringList places{here + QLatin1Char('/') + name, here + QStringLiteral("/../lib/tovalo/") + name};
    const QString build = QFileInfo(QStringLiteral(TOVALO_BUILD_DIR)).canonicalFilePath();
    if (!build.isEmpty() && QFileInfo(here).canonicalFilePath().startsWith(build + QLatin1Char('/')))
        places << QStringLiteral(TOVALO_BROWSER_BUILD_PATH);
    return places;
}

QOpenGLContext *sharedContext = nullptr;

void dropSharedContext()
{
    if (qt_gl_global_share_context() == sharedContext)
        qt_gl_set_global_share_context(nullptr);
    delete sharedContext;
    sharedContext = nullptr;
}

// The engine draws its pages with OpenGL contexts shared with one the
// program holds. It is made here, just before the engine, and not at the
// start as the engine would have it: the graphics driver it loads is about
// as large as the rest of the program, and only the preview needs it.
void shareOpenGLContexts()
{
    if (qt_gl_global_share_context())
        return;
    sharedContext = new QOpenGLContext;
    sharedContext->setFormat(QSurfaceFormat::defaultFormat());
    // The engine wants one even when OpenGL can't be had (no display, say),
    // and then draws in software.
    sharedContext->create();
    qt_gl_set_global_share_context(sharedContext);
    // After the engine's own clean-up, which runs first.
    qAddPostRoutine(dropSharedContext);
}

} // namespace

PreviewBrowser *PreviewBrowser::make(QWidget *parent, const Hooks &hooks, QString *error)
{
    static MakePreviewBrowser maker = nullptr;
    QString reason = QStringLiteral("見つかりません。");
    const QStringList places = maker ? QStringList() : modulePlaces();
    for (const QString &path : places) {
        if (!QFileInfo(path).isFile())
            continue;
        shareOpenGLContexts();
        // Loaded for good: the engine can't be shut down and started again.
        QLibrary module(path);
        module.setLoadHints(QLibrary::PreventUnloadHint);
        maker = reinterpret_cast<MakePreviewBrowser>(module.resolve(TOVALO_MAKE_PREVIEW_BROWSER));
        if (maker)
            break;
        reason = module.errorString();
    }
    if (maker)
        return maker(parent, hooks);
    if (error)
        *error = QStringLiteral("プレビューを表示できません。ブラウザーの部品 (libtovalo-browser.so) を読み込めませんでした: ")
                 + reason;
    return nullptr;
}

void PreviewBrowser::prepareApplication()
{
    // The engine's sandbox refuses to start as root; it is switched off then,
    // and only then.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}
