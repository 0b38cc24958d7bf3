#include "document/previewbrowser.h"

#include <QCoreApplication>
#include <QByteArray>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

#include <unistd.h>

namespace {

// Beside the program (its build folder), where an installation puts it, and
// where this build made it, for the tests and the benchmark.
QStringList modulePlaces()
{
    const QString name = QStringLiteral("libtovalo-browser.so");
    const QString here = QCoreApplication::applicationDirPath();
    return {here + QLatin1Char('/') + name, here + QStringLiteral("/../lib/tovalo/") + name,
            QStringLiteral(TOVALO_BROWSER_BUILD_PATH)};
}

} // namespace

PreviewBrowser *PreviewBrowser::make(QWidget *parent, const Hooks &hooks, QString *error)
{
    static MakePreviewBrowser maker = nullptr;
    QString reason = QStringLiteral("見つかりません。");
    for (const QString &path : modulePlaces()) {
        if (maker)
            break;
        if (!QFileInfo(path).isFile())
            continue;
        // Loaded for good: the engine can't be shut down and started again.
        QLibrary module(path);
        module.setLoadHints(QLibrary::PreventUnloadHint);
        maker = reinterpret_cast<MakePreviewBrowser>(module.resolve(TOVALO_MAKE_PREVIEW_BROWSER));
        if (!maker)
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
    // The engine draws its pages with OpenGL contexts shared with the
    // application's, which can only be asked for before the application starts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The engine's sandbox refuses to start as root; it is switched off then,
    // and only then.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}
