#include "frame/signalending.h"

#include "document/previewfile.h"
#include "document/recoveryjournal.h"
#include "frame/mdiform1.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int EndingSignals[] = {SIGTERM, SIGHUP, SIGINT};

// Read end, write end.
int wakePipe[2] = {-1, -1};

void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a wake-up: the byte may be lost.
    [[maybe_unused]] const ssize_t written = ::write(wakePipe[1], &byte, 1);
    errno = saved;
}

} // namespace

SignalEnding::SignalEnding(MDIForm1 *frame)
    : m_frame(frame)
{
    if (::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalEnding::end);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : EndingSignals)
        ::sigaction(signal, &action, nullptr);
}

SignalEnding::~SignalEnding()
{
    if (!m_notifier)
        return;
    for (int signal : EndingSignals)
        std::signal(signal, SIG_DFL);
    delete m_notifier;
    ::close(wakePipe[0]);
    ::close(wakePipe[1]);
    wakePipe[0] = wakePipe[1] = -1;
}

void SignalEnding::end()
{
    m_notifier->setEnabled(false);
    char bytes[16];
    while (::read(wakePipe[0], bytes, sizeof bytes) > 0) {
    }
    PreviewFile::removeAll();
    keepUnsavedText();
    m_frame->endWithoutQuestions();
}

void SignalEnding::keepUnsavedText()
{
    // A logout or a kill is no answer to "save?": what was typed waits in the
    // recovery files for the next start.
    RecoveryJournal::keepAllForNextStart();
}
