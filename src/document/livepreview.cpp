#include "document/livepreview.h"

#include "document/documentwindow.h"
#include "document/previewview.h"
#include "document/richtextbox1.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

LivePreview::LivePreview(DocumentWindow *form, QWidget *parent)
    : QWidget(parent)
    , m_form(form)
    , m_preview(new PreviewView(this))
{
    setObjectName(QStringLiteral("LivePreview"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_back = new QPushButton(QStringLiteral("ソースのページに戻る"), this);
    m_back->setObjectName(QStringLiteral("LivePreviewBack"));
    // The source keeps the keyboard: a click here must not take it.
    m_back->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_back);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("LivePreviewNote"));
    m_note->setWordWrap(true);
    m_note->setTextFormat(Qt::PlainText);
    m_note->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_note->hide();
    layout->addWidget(m_note, 1);

    m_pause.setSingleShot(true);
    m_pause.setInterval(300);
    connect(&m_pause, &QTimer::timeout, this, &LivePreview::refresh);
    // A page navigated away from the document is brought back by writing the
    // current text again.
    connect(m_back, &QPushButton::clicked, this, &LivePreview::refresh);
    // The page is loaded again from the same file, which the browser takes
    // as a reload: it keeps the scroll position, so typing at the bottom of a
    // long page doesn't send the view to its top.
    connect(m_preview, &PreviewView::loadFinished, this, &LivePreview::refreshed);
}

QWidget *LivePreview::view() const
{
    return m_preview->WebBrowser1();
}

QString LivePreview::filePath() const
{
    return m_preview->filePath();
}

void LivePreview::start()
{
    m_active = true;
    refresh();
}

void LivePreview::stop()
{
    m_active = false;
    m_pause.stop();
    m_preview->leave();
}

void LivePreview::noteChange()
{
    if (m_active)
        m_pause.start();
}

void LivePreview::refresh()
{
    if (m_active)
        write();
}

void LivePreview::write()
{
    const PreviewView::Outcome outcome =
        m_preview->show(m_form->richTextBox1()->fileText(), m_form->FPath, m_form->fileFormat());
    if (!outcome.ok) {
        // No page for this text: say why where the page would be, and let
        // the typing go on.
        m_note->setText(outcome.error);
        m_note->show();
        if (view())
            view()->hide();
        emit refreshed();
        return;
    }
    m_note->hide();
    if (layout()->indexOf(view()) < 0)
        static_cast<QVBoxLayout *>(layout())->addWidget(view(), 1);
    view()->show();
}
