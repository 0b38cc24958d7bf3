#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

// Meets the modal dialogs that a command opens one after the other: names
// each by its class, in order, and lets `answer` drive it once it is up. A
// dialog the answer leaves open is cancelled, so a test never hangs. Lives
// for one command.
class ModalSequence
{
public:
    explicit ModalSequence(std::function<void(QDialog *)> answer = {})
        : m_answer(std::move(answer))
    {
        // Polls whenever the event loop of a dialog is idle; a new modal
        // dialog shows up there.
        QObject::connect(&m_poll, &QTimer::timeout, [this] { look(); });
        m_poll.start(0);
    }

    const QStringList &seen() const { return m_seen; }

private:
    void look()
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog == m_current)
            return;
        m_current = dialog;
        m_seen.append(QString::fromLatin1(dialog->metaObject()->className()));
        if (m_answer)
            m_answer(dialog);
        if (m_current && m_current->isVisible())
            m_current->reject();
    }

    std::function<void(QDialog *)> m_answer;
    QTimer m_poll;
    QPointer<QDialog> m_current;
    QStringList m_seen;
};
