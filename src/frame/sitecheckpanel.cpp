#include "frame/sitecheckpanel.h"

#include "document/documentwindow.h"
#include "document/richtextbox1.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

SiteCheckPanel::SiteCheckPanel(QWidget *parent, PageOpener openPage)
    : QDockWidget(title(0), parent)
    , m_openPage(std::move(openPage))
    , m_table(new QTableView)
    , m_model(new QStandardItemModel(0, 5, this))
    , m_progress(new QProgressBar)
    , m_stop(new QPushButton(QStringLiteral("中止")))
    , m_status(new QLabel)
{
    setObjectName(QStringLiteral("SiteCheckPanel"));
    m_model->setHorizontalHeaderLabels(
        {QStringLiteral("ファイル"), QStringLiteral("行"), QStringLiteral("桁"), QStringLiteral("リンク先"), QStringLiteral("理由")});
    m_table->setObjectName(QStringLiteral("SiteCheckTable"));
    m_table->setModel(m_model);
    m_table->setSortingEnabled(true);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_progress->setFormat(QStringLiteral("%v / %m ページ"));

    auto *body = new QWidget;
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    auto *bar = new QHBoxLayout;
    bar->addWidget(m_progress, 1);
    bar->addWidget(m_stop);
    bar->addWidget(m_status, 1);
    layout->addLayout(bar);
    layout->addWidget(m_table, 1);
    setWidget(body);
    m_progress->hide();
    m_stop->hide();
    m_status->hide();

    connect(m_stop, &QPushButton::clicked, this, &SiteCheckPanel::stop);
    connect(m_table, &QTableView::doubleClicked, this, &SiteCheckPanel::showFinding);
}

SiteCheckPanel::~SiteCheckPanel()
{
    // The thread posts to this panel; it must be done before the panel goes.
    stop();
}

QString SiteCheckPanel::title(int count)
{
    return QStringLiteral("サイト全体のリンク切れ（%1件）").arg(count);
}

void SiteCheckPanel::start(const QString &folder, const QHash<QString, QString> &texts)
{
    stop();
    m_folder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    m_cancel = std::make_shared<std::atomic_bool>(false);
    m_progress->setRange(0, 0);
    m_progress->setValue(0);
    m_progress->show();
    m_stop->show();
    m_stop->setEnabled(true);
    m_status->setText(QStringLiteral("チェック中：%1").arg(QDir::toNativeSeparators(m_folder)));
    m_status->show();
    const std::shared_ptr<std::atomic_bool> cancel = m_cancel;
    const QString root = m_folder;
    m_thread = QThread::create([this, root, texts, cancel] {
        // A few updates a second tell the user enough; one per page would
        // spend the check's time on painting the bar.
        QElapsedTimer sinceShown;
        sinceShown.start();
        const QVector<SiteLinkCheck::Finding> found = SiteLinkCheck::run(
            root, texts,
            [this, &sinceShown](int done, int total) {
                if (done > 1 && done < total && sinceShown.elapsed() < 100)
                    return;
                sinceShown.restart();
                QMetaObject::invokeMethod(this, [this, done, total] { onProgress(done, total); }, Qt::QueuedConnection);
            },
            cancel.get());
        const bool cancelled = cancel->load();
        QMetaObject::invokeMethod(this, [this, found, cancelled] { onFinished(found, cancelled); }, Qt::QueuedConnection);
    });
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    m_thread->start();
}

void SiteCheckPanel::stop()
{
    if (!m_thread)
        return;
    m_cancel->store(true);
    m_thread->wait();
    m_thread = nullptr;
    // What the stopped run still posts is about a check no longer shown.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    onFinished({}, true);
}

void SiteCheckPanel::onProgress(int done, int total)
{
    m_progress->setRange(0, total);
    m_progress->setValue(done);
}

void SiteCheckPanel::onFinished(const QVector<SiteLinkCheck::Finding> &findings, bool cancelled)
{
    m_thread = nullptr;
    m_progress->hide();
    m_stop->hide();
    m_status->setText(QStringLiteral("中止しました"));
    // The row of the bar takes no room while there is nothing to say.
    m_status->setVisible(cancelled);
    m_findings = findings;
    m_model->removeRows(0, m_model->rowCount());
    const QDir root(m_folder);
    for (int row = 0; row < findings.size(); ++row) {
        const SiteLinkCheck::Finding &f = findings.at(row);
        auto *file = new QStandardItem(root.relativeFilePath(f.file));
        file->setData(row, Qt::UserRole);
        auto *line = new QStandardItem;
        line->setData(int(f.line), Qt::DisplayRole);
        auto *column = new QStandardItem;
        column->setData(int(f.column), Qt::DisplayRole);
        m_model->appendRow({file, line, column, new QStandardItem(f.target), new QStandardItem(f.reason)});
    }
    // The rows come by file, then by place; a stable sort by file keeps that.
    m_table->sortByColumn(0, Qt::AscendingOrder);
    m_table->resizeColumnsToContents();
    setWindowTitle(title(int(findings.size())));
    emit finished();
}

void SiteCheckPanel::showFinding(const QModelIndex &index)
{
    const int row = m_model->index(index.row(), 0).data(Qt::UserRole).toInt();
    if (row < 0 || row >= m_findings.size())
        return;
    const SiteLinkCheck::Finding f = m_findings.at(row);
    DocumentWindow *page = m_openPage(f.file);
    if (!page)
        return;
    // The check counted "\n" line breaks; the control counts each as two.
    RichTextBox1 *source = page->richTextBox1();
    source->setSelStart(f.offset + f.line - 1);
    source->setSelLength(f.target.size());
    source->setFocus();
}
