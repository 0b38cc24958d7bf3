#include "frame/helpwindow.h"

#include "shared/formregistry.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Tovalo ヘルプ"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    // Wide enough for the guide's pictures (760 pixels) beside the scroll
    // bar, within the screen.
    QSize size(820, 640);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
    FormRegistry::add(this);
}

bool HelpWindow::openContents(const QString &helpFile)
{
    const QFileInfo info(helpFile);
    if (!info.isFile() || !info.isReadable())
        return false;
    // The file is HTML despite its name, so say so rather than let the
    // browser guess from the suffix.
    m_browser->setSource(QUrl::fromLocalFile(info.absoluteFilePath()), QTextDocument::HtmlResource);
    return !m_browser->toPlainText().isEmpty();
}
