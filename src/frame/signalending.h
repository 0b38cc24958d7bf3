#pragma once

#include <QObject>

class MDIForm1;
class QSocketNotifier;

// Ends the program cleanly when the system asks it to: SIGTERM (a kill, a
// shutdown), SIGHUP (the session ends) and SIGINT (Ctrl+C in a terminal).
// The preview files go first, then the program ends as its exit does, but
// asks nothing: nobody may be there to answer.
//
// The signal handler itself only writes a byte into a pipe, which is all a
// handler may safely do; the ending runs in the event loop like any event.
class SignalEnding : public QObject
{
    Q_OBJECT

public:
    explicit SignalEnding(MDIForm1 *frame);
    ~SignalEnding() override;

private:
    void end();
    // Where unsaved text is kept for the next start, before the windows go
    // without asking; the one step of this ending that is about the text.
    void keepUnsavedText();

    MDIForm1 *m_frame;
    QSocketNotifier *m_notifier = nullptr;
};
