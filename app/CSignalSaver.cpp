#include "app/CSignalSaver.h"

#include "model/CTrace.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int s_fds[2] = { -1, -1 };
}

CSignalSaver::CSignalSaver(std::function<void()> onSignal, QObject *parent)
    : QObject(parent), m_onSignal(std::move(onSignal))
{
    if (s_fds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_fds) != 0) {
        Trace("CSignalSaver: socketpair failed.\n");
        return;
    }
    m_notifier = new QSocketNotifier(s_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CSignalSaver::OnReadable);
    struct sigaction action {};
    action.sa_handler = &CSignalSaver::Handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

CSignalSaver::~CSignalSaver()
{
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

void CSignalSaver::Handler(int signal)
{
    const char byte = static_cast<char>(signal);
    // Only what is safe in a signal handler: one write.
    [[maybe_unused]] const ssize_t n = ::write(s_fds[0], &byte, 1);
}

void CSignalSaver::OnReadable()
{
    m_notifier->setEnabled(false);
    char byte = 0;
    [[maybe_unused]] const ssize_t n = ::read(s_fds[1], &byte, 1);
    Trace(QStringLiteral("Signal %1: saving and ending.\n").arg(int(byte)));
    if (m_onSignal)
        m_onSignal();
    m_notifier->setEnabled(true);
}
