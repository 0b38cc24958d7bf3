#include "frame/folderview.h"

#include "frame/folderchain.h"
#include "frame/folderlistdelegate.h"
#include "frame/webfilefilter.h"
#include "shared/twips.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QStorageInfo>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// Designed sizes, in twips.
const int PanelWidth = 2790;
const int ControlMargin = 75;
const int Dir1Height = 1350;
const int File1Height = 4410;
// The frame's height less this is what File1 gets, once more than 50 is left.
const int FrameHeightAboveFile1 = 4700;
const int File1ResizeSlack = 50;

const QChar Slash = QLatin1Char('/');

// Mounts that hold no user files; listing them would bury the real volumes.
bool isPseudoFileSystem(const QByteArray &type)
{
    static const QSet<QByteArray> types = {
        "proc", "sysfs", "tmpfs", "devtmpfs", "devpts", "overlay", "cgroup", "cgroup2", "mqueue",
        "securityfs", "pstore", "debugfs", "tracefs", "configfs", "fusectl", "hugetlbfs", "bpf",
        "autofs", "binfmt_misc", "nsfs", "efivarfs", "rpc_pipefs", "ramfs", "squashfs",
    };
    return types.contains(type);
}

bool canList(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

QString driveText(const QString &root)
{
    return root.size() > 1 && root.endsWith(Slash) ? root.chopped(1) : root;
}

} // namespace

FolderView::FolderView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Toolbar3"));
    setFixedWidth(Twips::toPixels(PanelWidth, this));

    m_command2[0] = new QPushButton(QStringLiteral("作業フォルダビュー"), this);
    m_command2[0]->setObjectName(QStringLiteral("Command2_0"));
    m_command2[1] = new QPushButton(QStringLiteral("×"), this);
    m_command2[1]->setObjectName(QStringLiteral("Command2_1"));
    m_command2[1]->setFixedWidth(m_command2[1]->sizeHint().height());
    for (QPushButton *button : m_command2)
        connect(button, &QPushButton::clicked, this, &FolderView::closeRequested);

    m_drive1 = new QComboBox(this);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    // activated, not currentIndexChanged: only the user's choice moves the
    // view; the view's own re-selection of the entry must not.
    connect(m_drive1, &QComboBox::activated, this, &FolderView::onDriveActivated);

    m_dir1 = new QListWidget(this);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setItemDelegate(new FolderListDelegate(m_dir1));
    m_dir1->setFixedHeight(Twips::toPixels(Dir1Height, this));
    connect(m_dir1, &QListWidget::itemActivated, this, &FolderView::onDirActivated);

    m_file1 = new QListWidget(this);
    m_file1->setObjectName(QStringLiteral("File1"));
    // The height rule sets the most the list may take; the panel's own room
    // sets the least of it. A fixed height would make the frame at least as
    // tall as the rule wants, and the rule follows the frame: each resize
    // grew the frame again, without end.
    setFileListMost(Twips::toPixels(File1Height, this));
    m_file1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    connect(m_file1, &QListWidget::itemActivated, this, &FolderView::onFileActivated);

    auto *titleRow = new QHBoxLayout;
    titleRow->setSpacing(0);
    titleRow->addWidget(m_command2[0], 1);
    titleRow->addWidget(m_command2[1]);

    auto *layout = new QVBoxLayout(this);
    const int margin = Twips::toPixels(ControlMargin, this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(margin);
    layout->addLayout(titleRow);
    layout->addWidget(m_drive1);
    layout->addWidget(m_dir1);
    layout->addWidget(m_file1, 1);
    layout->addStretch(0);

    fillDrives();
    // The view starts in the program's current folder.
    QString start = FolderChain::normalized(QDir::currentPath());
    if (!canList(start))
        start = QString(Slash);
    selectDrive(driveFor(start));
    m_dirPath = start;
    m_filePath = start;
    m_lastFolder.insert(m_drive, start);
    fillDir1();
    fillFile1();
}

QComboBox *FolderView::Drive1() const
{
    return m_drive1;
}

QListWidget *FolderView::Dir1() const
{
    return m_dir1;
}

QListWidget *FolderView::File1() const
{
    return m_file1;
}

QPushButton *FolderView::Command2(int index) const
{
    return index >= 0 && index < 2 ? m_command2[index] : nullptr;
}

QString FolderView::drive() const
{
    return m_drive;
}

void FolderView::setDrive(const QString &path)
{
    const QString root = driveFor(path);
    if (root != m_drive)
        changeDrive(root);
}

QString FolderView::dirPath() const
{
    return m_dirPath;
}

void FolderView::setDirPath(const QString &folder)
{
    const QString target = FolderChain::normalized(folder);
    if (target.isEmpty() || !canList(target))
        return;
    if (!FolderChain::holds(m_drive, target))
        selectDrive(driveFor(target));
    moveTo(target);
}

QString FolderView::filePath() const
{
    return m_filePath;
}

void FolderView::applyFrameHeight(int frameHeightPixels)
{
    // Compared in pixels against the threshold's own pixel value: converting
    // the frame's height back to twips would round 4750 up past the limit.
    const int threshold = Twips::toPixels(FrameHeightAboveFile1 + File1ResizeSlack, this);
    if (frameHeightPixels > threshold)
        setFileListMost(frameHeightPixels - Twips::toPixels(FrameHeightAboveFile1, this));
}

void FolderView::setFileListMost(int pixels)
{
    // Short of room the list keeps three rows, unless the rule itself wants less.
    const int threeRows = m_file1->fontMetrics().height() * 3 + 2 * m_file1->frameWidth();
    m_file1->setMinimumHeight(qMin(threeRows, pixels));
    m_file1->setMaximumHeight(pixels);
}

void FolderView::fillDrives()
{
    addDrive(QString(Slash));
    addDrive(FolderChain::normalized(QDir::homePath()));
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        if (!volume.isValid() || !volume.isReady() || isPseudoFileSystem(volume.fileSystemType()))
            continue;
        // Containers mount single files (hosts, resolv.conf) too.
        if (!QFileInfo(volume.rootPath()).isDir())
            continue;
        addDrive(FolderChain::normalized(volume.rootPath()));
    }
}

int FolderView::addDrive(const QString &root)
{
    const int found = m_drive1->findData(root);
    if (found >= 0)
        return found;
    // Sorted by path, so "/" always comes first.
    int at = 0;
    while (at < m_drive1->count() && m_drive1->itemData(at).toString() < root)
        ++at;
    m_drive1->insertItem(at, driveText(root), root);
    return at;
}

QString FolderView::driveFor(const QString &path) const
{
    QFileInfo existing(QDir::cleanPath(QDir(path).absolutePath()));
    while (!existing.exists() && !existing.isRoot())
        existing = QFileInfo(existing.absolutePath());
    const QString folder = FolderChain::normalized(existing.isDir() ? existing.absoluteFilePath()
                                                                    : existing.absolutePath());

    const QStorageInfo storage(folder);
    QString root = storage.isValid() ? FolderChain::normalized(storage.rootPath()) : QString(Slash);
    // A path reached through a link may not lie below its real mount point.
    if (!FolderChain::holds(root, folder))
        root = QString(Slash);
    // The chosen entry may be deeper than the mount (the home folder): while
    // it holds the path, the user's choice stands.
    if (m_drive.size() > root.size() && FolderChain::holds(m_drive, folder))
        return m_drive;
    return root;
}

bool FolderView::changeDrive(const QString &root)
{
    if (!canList(root))
        return false;
    QString target = m_lastFolder.value(root);
    if (target.isEmpty() || !FolderChain::holds(root, target) || !canList(target))
        target = root;
    selectDrive(root);
    moveTo(target);
    return true;
}

void FolderView::selectDrive(const QString &root)
{
    m_drive = root;
    m_drive1->setCurrentIndex(addDrive(root));
}

void FolderView::moveTo(const QString &folder)
{
    const bool changed = folder != m_dirPath;
    m_dirPath = folder;
    m_filePath = folder;
    m_lastFolder.insert(m_drive, folder);
    // Setting the same folder again still re-reads it: files saved since
    // then show up.
    fillDir1();
    fillFile1();
    if (changed)
        emit workDirChanged(m_dirPath);
}

void FolderView::fillDir1()
{
    m_dir1->clear();
    const QStringList chain = FolderChain::chain(m_drive, m_dirPath);
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QListWidgetItem *current = nullptr;
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString &folder = chain.at(depth);
        const QString text = depth == 0 ? driveText(folder) : FolderChain::name(folder);
        current = new QListWidgetItem(openIcon, text, m_dir1);
        current->setData(Qt::UserRole, folder);
        current->setData(FolderListDelegate::DepthRole, depth);
    }

    const QStringList subfolders = QDir(m_dirPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                             QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subfolders) {
        auto *item = new QListWidgetItem(closedIcon, name, m_dir1);
        item->setData(Qt::UserRole, FolderChain::join(m_dirPath, name) + Slash);
        item->setData(FolderListDelegate::DepthRole, int(chain.size()));
    }

    if (current) {
        m_dir1->setCurrentItem(current);
        m_dir1->scrollToItem(current);
    }
}

void FolderView::fillFile1()
{
    m_file1->clear();
    const QStringList names = QDir(m_filePath).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        if (WebFileFilter::matches(name))
            m_file1->addItem(name);
    }
}

void FolderView::onDriveActivated(int index)
{
    const QString root = m_drive1->itemData(index).toString();
    if (root == m_drive)
        return;
    // A volume that went away since the list was filled: stay where we are.
    if (!changeDrive(root))
        m_drive1->setCurrentIndex(m_drive1->findData(m_drive));
}

void FolderView::onDirActivated(QListWidgetItem *item)
{
    if (item)
        setDirPath(item->data(Qt::UserRole).toString());
}

void FolderView::onFileActivated(QListWidgetItem *item)
{
    if (item)
        emit fileActivated(FolderChain::join(m_filePath, item->text()));
}
