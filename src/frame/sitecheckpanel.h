#pragma once

#include "checks/sitelinkcheck.h"

#include <QDockWidget>

#include <atomic>
#include <functional>
#include <memory>

class DocumentWindow;
class QLabel;
class QModelIndex;
class QProgressBar;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QThread;

// The panel at the bottom of the frame that lists the broken links of the
// whole site. The check runs on a thread of its own, so the editor stays in
// use; a double-click on a row shows the broken target in its page.
class SiteCheckPanel : public QDockWidget
{
    Q_OBJECT

public:
    // Shows the window of a page, opening it when it isn't open; nullptr
    // when it can't be read.
    using PageOpener = std::function<DocumentWindow *(const QString &file)>;

    SiteCheckPanel(QWidget *parent, PageOpener openPage);
    ~SiteCheckPanel() override;

    // Checks the pages under `folder`; `texts` are the open documents'
    // unsaved texts by absolute path ("\n" line breaks). A run still going
    // is stopped first; its rows give way to the new ones.
    void start(const QString &folder, const QHash<QString, QString> &texts);
    bool isRunning() const { return m_thread != nullptr; }

    QTableView *table() const { return m_table; }
    QProgressBar *progressBar() const { return m_progress; }
    QPushButton *stopButton() const { return m_stop; }

    static QString title(int count);

signals:
    void finished();

private:
    void stop();
    void onProgress(int done, int total);
    void onFinished(const QVector<SiteLinkCheck::Finding> &findings, bool cancelled);
    void showFinding(const QModelIndex &index);

    PageOpener m_openPage;
    QTableView *m_table;
    QStandardItemModel *m_model;
    QProgressBar *m_progress;
    QPushButton *m_stop;
    QLabel *m_status;
    QThread *m_thread = nullptr;
    std::shared_ptr<std::atomic_bool> m_cancel;
    QVector<SiteLinkCheck::Finding> m_findings;
    QString m_folder;
};
