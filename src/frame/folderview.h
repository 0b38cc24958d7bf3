#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The working-folder panel at the frame's right side: a drive list, the
// folder list of the chosen drive and the web files of the chosen folder.
// A "drive" is the mount point that holds a folder; the home folder is
// offered as a drive of its own. Folders are always handed around with a
// trailing "/". Everything is read synchronously, so the lists are complete
// as soon as a call returns.
class FolderView : public QWidget
{
    Q_OBJECT

public:
    explicit FolderView(QWidget *parent = nullptr);

    QComboBox *Drive1() const;
    QListWidget *Dir1() const;
    QListWidget *File1() const;
    QPushButton *Command2(int index) const;

    // The root of the chosen drive entry, with a trailing "/".
    QString drive() const;
    // Chooses the drive holding path (a file or a folder) and shows that
    // drive at the folder last shown on it.
    void setDrive(const QString &path);

    QString dirPath() const;
    // Shows folder; a folder that can't be listed leaves the view as it is.
    void setDirPath(const QString &folder);

    // The folder whose files File1 lists.
    QString filePath() const;

    void applyFrameHeight(int frameHeightPixels);

signals:
    void workDirChanged(const QString &folder);
    void fileActivated(const QString &path);
    void closeRequested();

private:
    void fillDrives();
    int addDrive(const QString &root);
    QString driveFor(const QString &path) const;
    bool changeDrive(const QString &root);
    void selectDrive(const QString &root);
    void moveTo(const QString &folder);
    void fillDir1();
    void fillFile1();
    void setFileListMost(int pixels);

    void onDriveActivated(int index);
    void onDirActivated(QListWidgetItem *item);
    void onFileActivated(QListWidgetItem *item);

    QPushButton *m_command2[2] = {};
    QComboBox *m_drive1 = nullptr;
    QListWidget *m_dir1 = nullptr;
    QListWidget *m_file1 = nullptr;

    QString m_drive;
    QString m_dirPath;
    QString m_filePath;
    // Like a drive's own current folder: where the view was on each drive.
    QHash<QString, QString> m_lastFolder;
};
