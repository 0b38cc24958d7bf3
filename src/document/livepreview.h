#pragma once

#include <QTimer>
#include <QWidget>

class DocumentWindow;
class PreviewView;
class QLabel;
class QPushButton;

// The page beside its source: it follows the typing, refreshed from a
// preview file of its own once the typing pauses, so no key waits for it.
class LivePreview : public QWidget
{
    Q_OBJECT

public:
    explicit LivePreview(DocumentWindow *form, QWidget *parent);

    // Shows the current text at once, then follows each change.
    void start();
    // Stops following and deletes the preview file.
    void stop();
    // A change in the source: the refresh waits for the typing to pause.
    void noteChange();

    // nullptr until the first page.
    QWidget *view() const;
    QString filePath() const;
    // The note shown instead of a page the document's encoding can't hold.
    QLabel *note() const { return m_note; }

signals:
    // The page (or the note in its place) now shows the text.
    void refreshed();

private:
    void refresh();
    void write();

    DocumentWindow *m_form;
    PreviewView *m_preview;
    QTimer m_pause;
    QLabel *m_note;
    QPushButton *m_back;
    bool m_active = false;
};
