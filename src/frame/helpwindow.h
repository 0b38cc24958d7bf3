#pragma once

#include <QWidget>

class QTextBrowser;

// Shows the help file that stands beside the program, opened at its contents.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // False when the file cannot be read.
    bool openContents(const QString &helpFile);
    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
};
