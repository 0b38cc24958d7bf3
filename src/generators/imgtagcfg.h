#pragma once

#include "document/documentdialog.h"
#include "generators/imagetagsettings.h"

class QCheckBox;
class QImage;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The image tag dialog: a folder list and the image files of the chosen
// folder, a preview, and the img tag's boxes filled in from the chosen file;
// "OK" writes the tag at the caret of the target window.
class ImgTagCfg : public DocumentDialog
{
    Q_OBJECT

public:
    explicit ImgTagCfg(QWidget *parent = nullptr);

    QListWidget *Dir1() const { return m_dir1; }
    QListWidget *File1() const { return m_file1; }
    QLabel *Picture1() const { return m_picture1; }
    QLineEdit *Text1() const { return m_text1; } // "幅:"
    QLineEdit *Text2() const { return m_text2; } // "高さ:"
    QLineEdit *Text3() const { return m_text3; } // "SRC属性:"
    QLineEdit *Text4() const { return m_text4; } // "ALT属性:"
    QCheckBox *Check1() const { return m_check1; }
    QLabel *Label5() const { return m_label5; }
    QPushButton *Command1() const { return m_command1; } // "OK"
    QPushButton *Command2() const { return m_command2; } // "キャンセル(&C)"

    // The folder the lists show, with a trailing "/".
    QString dirPath() const { return m_dirPath; }
    // Moves the lists to a folder, as a double-click in the folder list does.
    void setDirPath(const QString &folder);
    bool insideWorkDir() const { return m_insideWorkDir; }
    // Whether the preview shows the stand-in picture for a file that could not
    // be decoded.
    bool showsPlaceholder() const { return m_placeholder; }

    ImageTagSettings settings() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillDir1();
    void fillFile1();
    void chooseFile(QListWidgetItem *item);
    void showPicture(const QImage &picture);
    void showPlaceholder();
    void insertTag();
    QString workDir() const;

    QListWidget *m_dir1 = nullptr;
    QListWidget *m_file1 = nullptr;
    QLabel *m_picture1 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QLineEdit *m_text3 = nullptr;
    QLineEdit *m_text4 = nullptr;
    QCheckBox *m_check1 = nullptr;
    QLabel *m_label5 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;

    QString m_dirPath;
    bool m_insideWorkDir = true;
    bool m_placeholder = false;
};
